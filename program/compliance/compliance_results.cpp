#include "compliance/compliance_results.h"

#include "frontend/compliance_vocabulary.h"
#include "compliance/placard_layout.h"
#include "app/hazmat_library.h"

#include "dravlen.h"

#include <cstddef>
#include <vector>

namespace velmora {

namespace {

QString text(const char *bytes) { return bytes ? fromLibraryText(bytes) : QString(); }

// The ID text of an item's table row ("UN1203"), or `fallback`.
QString tableId(int pid, const char *fallback)
{
    if (pid > 0) {
        if (const CTRec *row = GetCTRec_HazData(pid)) {
            const char *id = GetElement_CTRec(row, -1, 3, 0);
            if (id && *id)
                return text(id);
        }
    }
    return text(fallback);
}

} // namespace

PlacardEntry placardEntry(const Placard *p)
{
    PlacardEntry e;
    e.key = GetHash_Placard(p);
    e.hazardClass = GetClass_Placard(p);
    e.division = GetDivision_Placard(p);
    e.primary = IsPrimary_Placard(p) != 0;
    e.idNumber = IsBulk_Placard(p) ? GetIDNo_Placard(p) : 0;
    e.pictureKey = PlacardPictureKey(e.key, e.hazardClass, IsBulk_Placard(p) != 0, GetRawCompatGroup_Placard(p));
    if (e.hazardClass == 1)
        e.compatibilityGroup = GetCompatGroup_Placard(p);
    return e;
}

OptionResults readOption(Engine *engine, int index)
{
    OptionResults r;
    if (!engine)
        return r;
    Output *out = GetOutput_Engine(engine, index);
    if (!out)
        return r;
    for (Placard *p = GetFirstPlacardPointer_Output(out); p; p = GetNextPlacardPointer_Output(out))
        r.placards.push_back(placardEntry(p));
    for (Marking *m = GetFirstMarkingPointer_Output(out); m; m = GetNextMarkingPointer_Output(out))
        r.markings.push_back({GetIDNo_Marking(m), GetType_Marking(m), text(GetPSN_Marking(m))});
    // Messages come as copies into caller storage of the record's size.
    std::vector<std::max_align_t> storage(static_cast<size_t>(GetSizeOf_HazSeg()) / sizeof(std::max_align_t) + 1);
    auto *seg = reinterpret_cast<HazSeg *>(storage.data());
    for (int more = GetFirstSegregation_Output(out, seg); more; more = GetNextSegregation_Output(out, seg)) {
        MessageEntry m;
        m.type = GetType_HazSeg(seg);
        m.code = GetMsg_HazSeg(seg);
        m.pid1 = GetPID1_HazSeg(seg);
        m.pid2 = GetPID2_HazSeg(seg);
        m.id1 = tableId(m.pid1, GetID1_HazSeg(seg));
        m.id2 = tableId(m.pid2, GetID2_HazSeg(seg));
        m.reason = text(GetReason_HazSeg(seg));
        m.citation = text(GetCitation_HazSeg(seg));
        r.messages.push_back(m);
    }
    return r;
}

std::vector<PlacardEntry> readAllowedPlacards(Engine *engine, int index)
{
    std::vector<PlacardEntry> allowed;
    Output *out = engine ? GetOutput_Engine(engine, index) : nullptr;
    if (!out)
        return allowed;
    for (Placard *p = GetFirstAllowedPlacardPointer_Output(out); p; p = GetNextAllowedPlacardPointer_Output(out))
        allowed.push_back(placardEntry(p));
    return allowed;
}

} // namespace velmora
