// Hazardous substances and their reportable quantities (49 CFR 171.8
// "hazardous substance"; 49 CFR 172.101 Appendix A, which refers to 40 CFR
// 302.4 Table 302.4).  Records are ordered by CAS number; a CAS number has
// one record per listed name, and substances without one carry "NA".
#include "dravlen.h"
#include "refdata/reftables.h"

#include <cstring>
#include <vector>

namespace dravlen::reftables {

namespace {
std::vector<HSRec> g_records;

const std::vector<HSRec> &Records()
{
    if (g_records.empty() && kSubstanceRecordsCount > 0) {
        g_records.resize(kSubstanceRecordsCount);
        for (unsigned i = 0; i < kSubstanceRecordsCount; ++i) {
            const char *f[3];
            SplitRecord(kSubstanceRecords + i * kSubstanceWidth, kSubstanceWidth, f, 3);
            g_records[i] = HSRec{f[0], f[1], ReadDecimal(f[2])};
        }
    }
    return g_records;
}
} // namespace

void ReleaseSubstances()
{
    std::vector<HSRec>().swap(g_records);
}

size_t DecodedSubstances()
{
    return g_records.size();
}

} // namespace dravlen::reftables

extern "C" {

DRAVLEN_API HSRec *GetHSRec_HazData(int i)
{
    const auto &records = dravlen::reftables::Records();
    if (i < 0 || static_cast<size_t>(i) >= records.size())
        return nullptr;
    return const_cast<HSRec *>(&records[static_cast<size_t>(i)]);
}

DRAVLEN_API int SearchHS_HazData(const char *cas, int after)
{
    if (cas == nullptr)
        return -1;
    const auto &records = dravlen::reftables::Records();
    const size_t start = after < 0 ? 0 : static_cast<size_t>(after) + 1;
    for (size_t i = start; i < records.size(); ++i)
        if (std::strcmp(records[i].cas, cas) == 0)
            return static_cast<int>(i);
    return -1;
}

DRAVLEN_API const char *GetCAS_HSRec(const HSRec *rec)
{
    return rec ? rec->cas : nullptr;
}

DRAVLEN_API const char *GetName_HSRec(const HSRec *rec)
{
    return rec ? rec->name : nullptr;
}

DRAVLEN_API uint32_t GetRQ_HSRec(const HSRec *rec)
{
    return rec ? rec->rq : 0;
}

} // extern "C"
