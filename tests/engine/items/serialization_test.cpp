// Item records: round trip at version 7, every older version from small
// byte fixtures, and refusal of records that do not fit or are garbled.
#include "item_fixture.h"
#include "items/hazmat_internal.h"

#include <cstring>
#include <vector>

using namespace items_test;

namespace {

// Little-endian record builder: each call appends one 32-bit field.
struct Bytes {
    std::vector<uint8_t> b;
    Bytes &u32(uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            b.push_back(static_cast<uint8_t>(v >> (8 * i)));
        return *this;
    }
    Bytes &u8(uint8_t v)
    {
        b.push_back(v);
        return *this;
    }
    Bytes &text(const char *s)
    {
        b.insert(b.end(), s, s + std::strlen(s) + 1);
        return *this;
    }
};

// The version 0 / 1 layout.
Bytes Oldest(int pid, uint32_t pounds, bool bulk, bool lq, bool comb, char zone, int8_t slot,
             char state, char radiation)
{
    Bytes r;
    r.u32(static_cast<uint32_t>(pid))  // 0: PID
        .u32(pounds)                   // 4: weight in pounds
        .u32(0xDEADBEEF).u32(0xDEADBEEF)  // 8: not read
        .u32(bulk).u32(lq).u32(comb)   // 16, 20, 24: booleans
        .u8(static_cast<uint8_t>(zone))      // 28: zone
        .u8(static_cast<uint8_t>(slot))      // 29: packing-group slot
        .u8(static_cast<uint8_t>(state))     // 30: physical state
        .u8(static_cast<uint8_t>(radiation)); // 31: radiation classification
    return r;
}

} // namespace

TEST_F(ItemTest, Version7RoundTripGivesAnEqualItem)
{
    Hazmat *src = Bind(kFissile);
    SetWeightUnit_Hazmat(src, 1);
    SetWeight_Hazmat(src, 1234);
    SetTransportIndex_Hazmat(src, 12);
    SetCSI_Hazmat(src, 35);
    SetRadiationClassification_Hazmat(src, '3');
    SetHazardousSubstance_Hazmat(src, 1);
    Add_Dict(&src->dict, "SPA_QID4", "0");
    Add_Dict(&src->dict, "note", "x");

    const uint32_t size = GetSerialSize_Hazmat(src, 7);
    std::vector<uint8_t> buf(size);
    ASSERT_EQ(Serialize_Hazmat(src, buf.data()), size);

    Hazmat *dst = Bind(0);
    ASSERT_EQ(Unserialize_Hazmat(dst, buf.data(), 7), size);
    EXPECT_EQ(dst->pid, src->pid);
    EXPECT_EQ(dst->weight, src->weight);
    EXPECT_EQ(dst->wordA, src->wordA);
    EXPECT_EQ(dst->wordB, src->wordB);
    EXPECT_EQ(dst->transportIndex, 12u);
    EXPECT_EQ(GetCSI_Hazmat(dst), 35u);
    EXPECT_EQ(dst->nameIndex, src->nameIndex);
    EXPECT_STREQ(Find_Dict(&dst->dict, "SPA_QID4"), "0");
    EXPECT_STREQ(Find_Dict(&dst->dict, "note"), "x");

    // Copy_Hazmat goes through the same record.
    Hazmat *copy = Bind(kGasoline);
    Copy_Hazmat(copy, src);
    EXPECT_EQ(copy->pid, kFissile);
    EXPECT_EQ(copy->wordA, src->wordA);
    EXPECT_STREQ(Find_Dict(&copy->dict, "note"), "x");
}

TEST_F(ItemTest, SerialSizesPerVersion)
{
    Hazmat *item = Bind(kGasoline);
    const uint32_t sizes[] = {32, 36, 16, 20, 24, 28, 28, 32};
    for (uint32_t v = 0; v <= 7; ++v)
        EXPECT_EQ(GetSerialSize_Hazmat(item, v), sizes[v]) << v;
    EXPECT_EQ(GetSerialSize_Hazmat(item, 8), 0u);
    EXPECT_EQ(GetLatestSerialHazmatVersion(), 7u);
}

TEST_F(ItemTest, OldestVersionsGoThroughTheSetters)
{
    // Version 0: 500 lb of gasoline in packing group II, bulk.
    Bytes v0 = Oldest(kGasoline, 500, true, false, false, 0, 2, 'L', 'N');
    Hazmat *item = Bind(0);
    ASSERT_EQ(Unserialize_Hazmat(item, v0.b.data(), 0), 32u);
    EXPECT_EQ(GetPID_Hazmat(item), kGasoline);
    EXPECT_EQ(GetWeight_Hazmat(item, 0), 500u);
    EXPECT_EQ(GetPackingGroup_Hazmat(item), 2);
    EXPECT_EQ(IsBulkPackaging_Hazmat(item), 1);

    // A slot the row lacks fails and leaves the item as it was.
    Bytes bad = Oldest(kGasoline, 500, false, false, false, 0, 3, 0, 0);
    EXPECT_EQ(Unserialize_Hazmat(item, bad.b.data(), 0), 0u);
    EXPECT_EQ(GetWeight_Hazmat(item, 0), 500u);

    // Version 1: bulk and limited quantity together: the setters keep bulk
    // only; the transport index 12 implies Yellow-III.
    Bytes v1 = Oldest(kFissile, 10, false, true, true, 0, 0, 0, 0);
    v1.u32(12);  // 32: transport index
    ASSERT_EQ(Unserialize_Hazmat(item, v1.b.data(), 1), 36u);
    EXPECT_EQ(IsLimitedQuantity_Hazmat(item), 1);
    EXPECT_EQ(ReclassedToCombustible_Hazmat(item), 0);  // not allowed for class 7
    EXPECT_EQ(GetRadiationClassification_Hazmat(item), '3');
}

TEST_F(ItemTest, WordVersionsReplaceTheWordsAndCheckThePackingGroup)
{
    Hazmat *item = Bind(0);
    // Version 3: PID, weight, word A (PG code 1 = slot 0), TI 12, name 1.
    Bytes v3;
    v3.u32(kFissile).u32(70).u32(0x1).u32(12).u32(1);
    ASSERT_EQ(Unserialize_Hazmat(item, v3.b.data(), 3), 20u);
    EXPECT_EQ(GetRadiationClassification_Hazmat(item), '3');
    v3.b[12] = 10;  // TI 1.0: stays "none"
    ASSERT_EQ(Unserialize_Hazmat(item, v3.b.data(), 3), 20u);
    EXPECT_EQ(GetRadiationClassification_Hazmat(item), 'N');

    // Version 2 with no packing group chosen fails the check.
    Bytes v2;
    v2.u32(kEthylAlcohol).u32(5).u32(0).u32(0);
    EXPECT_EQ(Unserialize_Hazmat(item, v2.b.data(), 2), 0u);
    EXPECT_EQ(GetPID_Hazmat(item), kFissile);

    // Version 4: UN3377 saved in PG II (code 3) reads as PG III.
    Bytes v4;
    v4.u32(kPerborate).u32(100).u32(0x3).u32(0).u32(0).u32(1);
    ASSERT_EQ(Unserialize_Hazmat(item, v4.b.data(), 4), 24u);
    EXPECT_EQ(GetPackingGroup_Hazmat(item), 3);
    // The same repair is not made for another entry.
    Bytes other;
    other.u32(kFuelOil).u32(100).u32(0x3).u32(0).u32(0).u32(1);
    EXPECT_EQ(Unserialize_Hazmat(item, other.b.data(), 4), 0u);

    // Version 5: the CSI is stored only where one is needed.
    Bytes v5;
    v5.u32(kGasoline).u32(1).u32(0x3).u32(0).u32(0).u32(35).u32(1);
    ASSERT_EQ(Unserialize_Hazmat(item, v5.b.data(), 5), 28u);
    EXPECT_EQ(GetCSI_Hazmat(item), 0u);
    EXPECT_EQ(item->csi, 0u);
    EXPECT_EQ(Unserialize_Hazmat(item, v5.b.data(), 8), 0u);
}

TEST_F(ItemTest, BoundedReaderRefusesRecordsThatDoNotFit)
{
    // Dictionary block: key and value, each NUL-terminated and padded to
    // a multiple of 4 bytes.
    Bytes dict;
    dict.text("k").u8(0).u8(0).text("v").u8(0).u8(0);
    Bytes v7;
    v7.u32(kGasoline).u32(1).u32(0x3).u32(0).u32(0).u32(0).u32(1).u32(8);
    v7.b.insert(v7.b.end(), dict.b.begin(), dict.b.end());
    Hazmat *item = Bind(0);
    ASSERT_EQ(dravlen::UnserializeHazmatBounded(item, v7.b.data(), v7.b.size(), 7), 40u);
    EXPECT_STREQ(Find_Dict(&item->dict, "k"), "v");

    struct Case { const char *what; size_t avail; int32_t n; uint32_t version; };
    const Case cases[] = {
        {"shorter than the fixed part", 31, 8, 7},
        {"dictionary beyond the bytes", 39, 8, 7},
        {"negative dictionary length", 40, -8, 7},
        {"huge dictionary length", 40, 0x7FFFFFFF, 7},
        {"version 1 cut short", 35, 8, 1},
        {"unknown version", 40, 8, 9},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<uint8_t> r = v7.b;
        for (int i = 0; i < 4; ++i)
            r[28 + i] = static_cast<uint8_t>(static_cast<uint32_t>(c.n) >> (8 * i));
        Hazmat *t = Bind(kFuelOil);
        EXPECT_EQ(dravlen::UnserializeHazmatBounded(t, r.data(), c.avail, c.version), 0u);
        EXPECT_EQ(GetPID_Hazmat(t), kFuelOil);
        Reset_Hazmat(t, 0);
        --used_;
    }

    // A dictionary block whose value lacks its terminator is refused, and
    // nothing of it reaches the item.
    std::vector<uint8_t> garbled = v7.b;
    // The value field "vxxx" has no terminator inside the block.
    garbled[32 + 5] = 'x';
    garbled[32 + 6] = 'x';
    garbled[32 + 7] = 'x';
    Hazmat *t = Bind(kFuelOil);
    EXPECT_EQ(dravlen::UnserializeHazmatBounded(t, garbled.data(), garbled.size(), 7), 0u);
    EXPECT_EQ(Find_Dict(&t->dict, "k"), nullptr);

    // A well-formed record whose packing group fails still hands over its
    // saved answers.
    std::vector<uint8_t> noGroup = v7.b;
    noGroup[8] = 0x4;  // PG III: gasoline has only II
    EXPECT_EQ(dravlen::UnserializeHazmatBounded(t, noGroup.data(), noGroup.size(), 7), 0u);
    EXPECT_EQ(GetPID_Hazmat(t), kFuelOil);
    EXPECT_STREQ(Find_Dict(&t->dict, "k"), "v");
}
