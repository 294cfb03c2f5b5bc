// The binary item record, found in saved truckloads (.vlm), in clipboard
// data and behind every item copy.  All integers are 32-bit little-endian.
// The engine writes version 7 and reads versions 0-7; reading re-binds the
// item to its PID's row in the current ruleset, so it also re-validates the
// item.
//
//  v7  (32 + N): PID, weight, word A, word B, TI, CSI, name index, N, dict
//  v5, v6  (28): as v7 up to the name index, no dictionary
//  v4      (24): PID, weight, word A, word B, TI, name index
//  v3      (20): PID, weight, word A, TI, name index
//  v2      (16): PID, weight, word A, TI
//  v1 (36), v0 (32): PID, weight in pounds, 8 unused bytes, then bulk,
//      limited quantity and combustible flags (32-bit booleans), one byte
//      each of hazard zone, packing-group slot, physical state and
//      radiation classification; v1 adds the transport index.
#include "compute/dict.h"
#include "items/little_endian.h"
#include "items/answer_mirror.h"
#include "items/hazmat_internal.h"
#include "items/qualifier_bits.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace dravlen {
namespace {

constexpr uint32_t kLatestVersion = 7;
constexpr size_t kFixedSize[kLatestVersion + 1] = {32, 36, 16, 20, 24, 28, 28, 32};

// A transport index above 1.0 means a Yellow-III package (172.403(c)):
// records written before the classification existed get it from the index.
void InferYellowIII(Hazmat *item)
{
    if (item->transportIndex > 10 && GetRadiationClassification_Hazmat(item) == 'N')
        SetRadiationClassification_Hazmat(item, '3');
}

// The chosen packing group must exist in the current row.  UN3377 (sodium
// perborate monohydrate) moved from packing group II to III; items saved
// with II are read as III.
bool PackingGroupCheck(Hazmat *item)
{
    const int slot = ItemSlot(item);
    if (slot < 0 || !ItemRow(item))
        return false;
    if (RowHasSlot(item, slot))
        return true;
    if (item->pid == 2463 && slot == 2 && RowHasSlot(item, 3)) {
        item->wordA = (item->wordA & ~bits::kPackingGroupMask) | 4u;
        return true;
    }
    return false;
}

bool ReadOldest(Hazmat *t, const uint8_t *r, uint32_t version)
{
    const int pid = static_cast<int32_t>(U32(r));
    if (!HasPID_HazData(pid) || !BindHazmat(t, pid))
        return false;
    SetWeightUnit_Hazmat(t, 0);
    SetWeight_Hazmat(t, U32(r + 4));
    if (!SetPackingGroup_Hazmat(t, static_cast<int8_t>(r[29])))
        return false;
    SetHazardZone_Hazmat(t, static_cast<char>(r[28]));
    SetBulkPackaging_Hazmat(t, U32(r + 16) != 0);
    SetLimitedQuantity_Hazmat(t, U32(r + 20) != 0);
    ReclassifyToCombustible_Hazmat(t, U32(r + 24) != 0);
    SetPhysicalState_Hazmat(t, static_cast<char>(r[30]));
    SetRadiationClassification_Hazmat(t, static_cast<char>(r[31]));
    if (version == 1) {
        SetTransportIndex_Hazmat(t, U32(r + 32));
        InferYellowIII(t);
    }
    return true;
}

bool ReadWords(Hazmat *t, const uint8_t *r, uint32_t version)
{
    const int pid = static_cast<int32_t>(U32(r));
    if (!HasPID_HazData(pid) || !BindHazmat(t, pid))
        return false;
    SetWeight_Hazmat(t, U32(r + 4));
    SetTransportIndex_Hazmat(t, U32(r + (version == 4 ? 16 : 12)));
    if (version == 3)
        SetRomanIndex_Hazmat(t, static_cast<int>(U32(r + 16)));
    if (version == 4)
        SetRomanIndex_Hazmat(t, static_cast<int>(U32(r + 20)));
    t->wordA = U32(r + 8);
    if (version == 4)
        t->wordB = U32(r + 12);
    if (!PackingGroupCheck(t))
        return false;
    InferYellowIII(t);
    return true;
}

// Versions 5-7 up to the dictionary.  An unknown PID leaves the item
// unbound; the packing-group check then refuses it.
void ReadCurrent(Hazmat *t, const uint8_t *r)
{
    BindHazmat(t, static_cast<int32_t>(U32(r)));
    SetWeight_Hazmat(t, U32(r + 4));
    SetTransportIndex_Hazmat(t, U32(r + 16));
    // Index 0 (the proper shipping name) is a valid saved choice even
    // though the setter only accepts the selectable names.
    const uint32_t nameIndex = U32(r + 24);
    if (nameIndex == 0 && ItemRow(t))
        t->nameIndex = 0;
    else
        SetRomanIndex_Hazmat(t, static_cast<int>(nameIndex));
    SetCSI_Hazmat(t, U32(r + 20));
    t->wordA = U32(r + 8);
    t->wordB = U32(r + 12);
    InferYellowIII(t);
}

// Moves src's content into dest, releasing what dest owned.
void ReplaceItem(Hazmat *dest, Hazmat *src)
{
    Reset_Hazmat(dest, 0);
    *dest = *src;
    std::memset(src, 0, sizeof *src);
}

} // namespace

size_t WriteHazmatRecord(const Hazmat *item, const Dict *dict, uint8_t *out)
{
    PutU32(out + 0, static_cast<uint32_t>(item->pid));
    PutU32(out + 4, item->weight);
    PutU32(out + 8, item->wordA);
    PutU32(out + 12, item->wordB);
    PutU32(out + 16, item->transportIndex);
    PutU32(out + 20, item->csi);
    PutU32(out + 24, item->nameIndex);
    const size_t n = WriteDictBlock(dict, out + 32);
    PutU32(out + 28, static_cast<uint32_t>(n));
    return 32 + n;
}

size_t UnserializeHazmatBounded(Hazmat *item, const uint8_t *record, size_t avail,
                                uint32_t version)
{
    if (!item || !record || version > kLatestVersion || avail < kFixedSize[version])
        return 0;
    size_t size = kFixedSize[version];
    size_t dictLength = 0;
    if (version == 7) {
        const int32_t n = static_cast<int32_t>(U32(record + 28));
        if (n < 0 || static_cast<size_t>(n) > avail - size)
            return 0;
        dictLength = static_cast<size_t>(n);
        size += dictLength;
    }

    Hazmat t;
    Init_Hazmat(&t, 0);
    bool ok;
    if (version <= 1) {
        ok = ReadOldest(&t, record, version);
    } else if (version <= 4) {
        ok = ReadWords(&t, record, version);
    } else {
        ReadCurrent(&t, record);
        if (version == 7 && !ReadDictBlock(&t.dict, record + 32, dictLength)) {
            Reset_Hazmat(&t, 0);
            return 0;  // malformed dictionary block: nothing is taken
        }
        ok = PackingGroupCheck(&t);
        if (!ok && version == 7) {
            // The saved answers are kept even when the item itself cannot
            // be represented; the block was validated above.
            ReadDictBlock(&item->dict, record + 32, dictLength);
        }
    }
    if (!ok) {
        Reset_Hazmat(&t, 0);
        return 0;
    }
    ReplaceItem(item, &t);
    return size;
}

} // namespace dravlen

using namespace dravlen;

extern "C" {

DRAVLEN_API uint32_t GetLatestSerialHazmatVersion(void)
{
    return kLatestVersion;
}

DRAVLEN_API uint32_t GetSerialSize_Hazmat(Hazmat *item, uint32_t version)
{
    if (version > kLatestVersion)
        return 0;
    if (version < kLatestVersion)
        return static_cast<uint32_t>(kFixedSize[version]);
    MirrorAnswers(&item->questions, &item->dict);
    return static_cast<uint32_t>(kFixedSize[kLatestVersion] + DictBlockLength(&item->dict));
}

DRAVLEN_API uint32_t Serialize_Hazmat(Hazmat *item, void *buffer)
{
    MirrorAnswers(&item->questions, &item->dict);
    return static_cast<uint32_t>(
        WriteHazmatRecord(item, &item->dict, static_cast<uint8_t *>(buffer)));
}

DRAVLEN_API uint32_t Unserialize_Hazmat(Hazmat *item, const void *record, uint32_t version)
{
    // The caller vouches for the record's length; the bounded reader still
    // checks the dictionary block against itself.
    return static_cast<uint32_t>(UnserializeHazmatBounded(
        item, static_cast<const uint8_t *>(record), std::numeric_limits<size_t>::max(), version));
}

} // extern "C"
