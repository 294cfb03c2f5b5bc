// Roadside-inspection violation codes.  Each record has ten fields: ASPEN
// code, description, violation group number, CFR part, N/X/B indicator,
// out-of-service indicator, citation (section and paragraph), Y/N
// indicator, violation group name, category (H hazardous materials, V
// vehicle, D driver).  Records are ordered by the ASPEN code; a citation
// may occur in several records (49 CFR 392.2 covers every state traffic law
// code) and a lookup by citation takes the first.
//
// Where no public source gives the out-of-service indicator the record
// holds "U" (unknown): callers must treat only "Y" and "P" as out of
// service and only "N" as not.
#include "dravlen.h"
#include "refdata/reftables.h"

#include <cstring>
#include <vector>

namespace dravlen::reftables {

namespace {
std::vector<VIRec> g_records;

const std::vector<VIRec> &Records()
{
    if (g_records.empty() && kViolationRecordsCount > 0) {
        g_records.resize(kViolationRecordsCount);
        for (unsigned i = 0; i < kViolationRecordsCount; ++i)
            SplitRecord(kViolationRecords + i * kViolationWidth, kViolationWidth,
                        g_records[i].field, kViolationFields);
    }
    return g_records;
}
} // namespace

void ReleaseViolations()
{
    std::vector<VIRec>().swap(g_records);
}

size_t DecodedViolations()
{
    return g_records.size();
}

} // namespace dravlen::reftables

extern "C" {

DRAVLEN_API VIRec *GetVIRec_HazData(int i)
{
    const auto &records = dravlen::reftables::Records();
    if (i < 0 || static_cast<size_t>(i) >= records.size())
        return nullptr;
    return const_cast<VIRec *>(&records[static_cast<size_t>(i)]);
}

DRAVLEN_API int SearchVI_HazData(const char *citation)
{
    if (citation == nullptr)
        return -1;
    const auto &records = dravlen::reftables::Records();
    for (size_t i = 0; i < records.size(); ++i)
        if (std::strcmp(records[i].field[6], citation) == 0)
            return static_cast<int>(i);
    return -1;
}

DRAVLEN_API const char *GetField_VIRec(const VIRec *rec, int f)
{
    if (rec == nullptr || f < 0 || f >= dravlen::reftables::kViolationFields)
        return nullptr;
    return rec->field[f];
}

} // extern "C"
