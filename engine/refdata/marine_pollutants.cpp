// Marine pollutants (49 CFR 171.8 "marine pollutant"; 49 CFR 172.101
// Appendix B).  A record's key is a CAS number (it contains "-"), the PID of
// the HMT entry that names it (the n.o.s. and group entries, and entries
// named exactly like the pollutant), or empty.  Type 1 marks a severe marine
// pollutant ("PP" in Appendix B).
#include "dravlen.h"
#include "refdata/reftables.h"

#include <cstring>
#include <vector>

namespace dravlen::reftables {

namespace {
std::vector<MPRec> g_records;

const std::vector<MPRec> &Records()
{
    if (g_records.empty() && kMarinePollutantRecordsCount > 0) {
        g_records.resize(kMarinePollutantRecordsCount);
        for (unsigned i = 0; i < kMarinePollutantRecordsCount; ++i) {
            const char *f[3];
            SplitRecord(kMarinePollutantRecords + i * kMarinePollutantWidth,
                        kMarinePollutantWidth, f, 3);
            MPRec &r = g_records[i];
            const bool isCas = std::strchr(f[0], '-') != nullptr;
            r.cas = isCas ? f[0] : nullptr;
            r.pid = isCas ? 0 : ReadDecimal(f[0]);
            r.name = f[1];
            r.type = ReadDecimal(f[2]) != 0 ? 1 : 0;
        }
    }
    return g_records;
}
} // namespace

void ReleaseMarinePollutants()
{
    std::vector<MPRec>().swap(g_records);
}

size_t DecodedMarinePollutants()
{
    return g_records.size();
}

} // namespace dravlen::reftables

extern "C" {

DRAVLEN_API MPRec *GetMPRec_HazData(int i)
{
    const auto &records = dravlen::reftables::Records();
    if (i < 0 || static_cast<size_t>(i) >= records.size())
        return nullptr;
    return const_cast<MPRec *>(&records[static_cast<size_t>(i)]);
}

DRAVLEN_API int SearchMPByPID_HazData(int pid, int after)
{
    if (pid <= 0)
        return -1;
    const auto &records = dravlen::reftables::Records();
    const size_t start = after < 0 ? 0 : static_cast<size_t>(after) + 1;
    for (size_t i = start; i < records.size(); ++i)
        if (records[i].pid == static_cast<uint32_t>(pid))
            return static_cast<int>(i);
    return -1;
}

DRAVLEN_API int SearchMPByCAS_HazData(const char *cas, int after)
{
    if (cas == nullptr)
        return -1;
    const auto &records = dravlen::reftables::Records();
    const size_t start = after < 0 ? 0 : static_cast<size_t>(after) + 1;
    for (size_t i = start; i < records.size(); ++i)
        if (records[i].cas != nullptr && std::strcmp(records[i].cas, cas) == 0)
            return static_cast<int>(i);
    return -1;
}

DRAVLEN_API const char *GetCAS_MPRec(const MPRec *rec)
{
    return rec ? rec->cas : nullptr;
}

DRAVLEN_API uint32_t GetPID_MPRec(const MPRec *rec)
{
    return rec ? rec->pid : 0;
}

DRAVLEN_API const char *GetName_MPRec(const MPRec *rec)
{
    return rec ? rec->name : nullptr;
}

DRAVLEN_API int GetType_MPRec(const MPRec *rec)
{
    return rec ? static_cast<int>(rec->type) : 0;
}

} // extern "C"
