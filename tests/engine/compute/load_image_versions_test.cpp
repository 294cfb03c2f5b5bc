// Truckload images of the older versions 0-6, built by hand field by field,
// read under ruleset 42.
#include "load_image_fixture.h"

using namespace load_image_test;

namespace {

// Versions 0-5 start with the version and a word that is not read.
Bytes OldHeader(uint32_t version)
{
    Bytes h;
    h.u32(version)       // 0: image version
        .u32(0xA5A5A5A5); // 4: not read
    return h;
}

// One version 0 / 1 item record (version 1 adds the transport index).
Bytes Oldest(int pid, uint32_t pounds, bool bulk, int8_t slot)
{
    Bytes r;
    r.i32(pid)                           // 0: PID
        .u32(pounds)                     // 4: weight in pounds
        .u32(0xDEADBEEF).u32(0xDEADBEEF) // 8: not read
        .u32(bulk ? 1 : 0)               // 16: bulk packaging
        .u32(0)                          // 20: limited quantity
        .u32(0)                          // 24: combustible reclassification
        .u8(0)                           // 28: hazard zone: none
        .u8(static_cast<uint8_t>(slot))  // 29: packing-group slot
        .u8('L')                         // 30: physical state
        .u8('N');                        // 31: radiation classification
    return r;
}

} // namespace

TEST_F(LoadImageTest, OlderImageVersionsAreRead)
{
    // Version 0: 500 lb of gasoline, bulk, packing group II (slot 2).
    Bytes v0 = OldHeader(0);
    v0.append(Oldest(kGasoline, 500, true, 2));
    ASSERT_EQ(Read(dst(), v0.b, 0), 0);
    ASSERT_EQ(GetItemCount_Load(dst()), 1u);
    EXPECT_EQ(GetWeight_Hazmat(GetHazmat_Load(dst(), 0), 0), 500u);
    EXPECT_EQ(GetPackingGroup_Hazmat(GetHazmat_Load(dst(), 0)), 2);
    EXPECT_EQ(IsBulkPackaging_Hazmat(GetHazmat_Load(dst(), 0)), 1);

    // Version 1: fissile material with transport index 1.2 (Yellow-III).
    Bytes v1 = OldHeader(1);
    v1.append(Oldest(kFissile, 10, false, 0)).u32(12);  // 32: transport index
    ASSERT_EQ(Read(dst(), v1.b, 0), 0);
    ASSERT_EQ(GetItemCount_Load(dst()), 1u);
    EXPECT_EQ(GetRadiationClassification_Hazmat(GetHazmat_Load(dst(), 0)), '3');

    // Version 2: ethyl alcohol, 20 kg, packing group III.
    Bytes v2 = OldHeader(2);
    v2.i32(kEthylAlcohol)  // 0: PID
        .u32(20)           // 4: weight
        .u32(kPG3 | 0x8)   // 8: word A: PG III, kilograms
        .u32(0);           // 12: transport index
    ASSERT_EQ(Read(dst(), v2.b, 0), 0);
    ASSERT_EQ(GetItemCount_Load(dst()), 1u);
    EXPECT_EQ(GetWeightUnit_Hazmat(GetHazmat_Load(dst(), 0)), 1);
    EXPECT_EQ(GetPackingGroup_Hazmat(GetHazmat_Load(dst(), 0)), 3);

    // Version 4: UN3377 saved in packing group II reads as III.
    Bytes v4 = OldHeader(4);
    v4.i32(kPerborate)  // 0: PID
        .u32(100)       // 4: weight
        .u32(kPG2)      // 8: word A: PG II
        .u32(0)         // 12: word B
        .u32(0)         // 16: transport index
        .u32(0);        // 20: shipping-name index
    ASSERT_EQ(Read(dst(), v4.b, 0), 0);
    ASSERT_EQ(GetItemCount_Load(dst()), 1u);
    EXPECT_EQ(GetPackingGroup_Hazmat(GetHazmat_Load(dst(), 0)), 3);

    // Version 5: a CSI on an entry that takes none is dropped.
    Bytes v5 = OldHeader(5);
    v5.i32(kGasoline)  // 0: PID
        .u32(1)        // 4: weight
        .u32(kPG2)     // 8: word A
        .u32(0)        // 12: word B
        .u32(0)        // 16: transport index
        .u32(35)       // 20: CSI 3.5
        .u32(0);       // 24: shipping-name index
    ASSERT_EQ(Read(dst(), v5.b, 0), 0);
    ASSERT_EQ(GetItemCount_Load(dst()), 1u);
    EXPECT_EQ(GetCSI_Hazmat(GetHazmat_Load(dst(), 0)), 0u);
    // These images carry no dictionary: the declarations stay 0.
    EXPECT_EQ(IsDODShipment_Load(dst()), 0);
}

TEST_F(LoadImageTest, Version3ImageReadsEveryWholeRecordAndRefusesACutOne)
{
    // 8 + 3 x 20 bytes; the second record's PID has no row.  7 more bytes
    // are too few for a fourth record: the file was cut, and is refused.
    auto record = [](int pid, uint32_t wordA) {
        Bytes r;
        r.i32(pid)        // 0: PID
            .u32(100)     // 4: weight
            .u32(wordA)   // 8: word A
            .u32(0)       // 12: transport index
            .u32(0);      // 16: shipping-name index
        return r;
    };
    Bytes image = OldHeader(3);
    image.append(record(kFuelOil, kPG3)).append(record(kNoSuchPid, kPG2)).append(record(kGasoline, kPG2));
    EXPECT_EQ(Read(dst(), image.b, 1), 2);
    ASSERT_EQ(Read(dst(), image.b, 0), 0);
    ASSERT_EQ(GetItemCount_Load(dst()), 2u);
    EXPECT_EQ(GetPID_Hazmat(GetHazmat_Load(dst(), 0)), kFuelOil);
    EXPECT_EQ(GetPID_Hazmat(GetHazmat_Load(dst(), 1)), kGasoline);
    image.u32(kFuelOil).u8(1).u8(2).u8(3);
    EXPECT_EQ(Read(dst(), image.b, 1), 1);
    EXPECT_EQ(Read(dst(), image.b, 0), 1);
    EXPECT_EQ(GetItemCount_Load(dst()), 0u);
}

// Images before version 7 carry no item count: their records run to the end
// of the file.  Two 600-pound drums of gasoline need FLAMMABLE placards
// (1,001 pounds of a Table 2 material, 172.504(c)); a file that lost its
// last byte must not read as one drum and "no placards".
TEST_F(LoadImageTest, LegacyImageCutInsideItsLastRecordIsRefused)
{
    struct Case {
        std::string name;
        Bytes image;
    };
    auto drum = [](uint32_t version) {
        Bytes r;
        if (version <= 1)
            return Oldest(kGasoline, 600, false, 2);
        r.i32(kGasoline).u32(600).u32(kPG2);  // PID, weight, word A
        if (version >= 4)
            r.u32(0);                         // word B
        r.u32(0);                             // transport index
        if (version >= 5)
            r.u32(0);                         // CSI
        if (version >= 3)
            r.u32(0);                         // shipping-name index
        return r;
    };
    std::vector<Case> cases;
    for (uint32_t version : {0u, 2u, 3u, 4u, 5u}) {
        Bytes image = OldHeader(version);
        image.append(drum(version)).append(drum(version));
        cases.push_back({"version " + std::to_string(version), image});
    }
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(Read(dst(), c.image.b, 0), 0);
        ASSERT_EQ(GetItemCount_Load(dst()), 2u);
        Calculate_Engine(&reader_);
        ASSERT_GT(GetNumPlacOps_Output(&reader_.output), 0);
        EXPECT_GT(GetNumPlacards_Output(GetOutput_Engine(&reader_, 0)), 0);

        std::vector<uint8_t> cut = c.image.b;
        cut.pop_back();
        EXPECT_EQ(Read(dst(), cut, 1), 1);
        EXPECT_EQ(Read(dst(), cut, 0), 1);
        EXPECT_EQ(GetItemCount_Load(dst()), 0u);
    }
}

TEST_F(LoadImageTest, Version6ImageHasAVehicleBlockAndNoItemCount)
{
    Bytes dict;
    dict.entry("_DOD Shipment", "1").entry("_8820 Criteria Met", "-1");
    auto record = [](int pid, uint32_t wordA) {
        Bytes r;
        r.i32(pid)       // 0: PID
            .u32(300)    // 4: weight
            .u32(wordA)  // 8: word A
            .u32(0)      // 12: word B
            .u32(0)      // 16: transport index
            .u32(0)      // 20: CSI
            .u32(0);     // 24: shipping-name index
        return r;
    };
    Bytes image;
    image.u32(6)                         // 0: version
        .u32(12 + 8 + dict.size())       // 4: L, one answer pair
        .u32(1)                          // 8: vehicle code 1, "Unit Load"
        .u32(1)                          // 12: Q = 1
        .u32(61).u32(0)                  // 16: question 61 answered No
        .u32(dict.size())                // 24: N
        .append(dict)                    // 28: the dictionary block
        .append(record(kGasoline, kPG2)) // item records of 28 bytes
        .append(record(kFuelOil, kPG3));
    ASSERT_EQ(Read(dst(), image.b, 0), 0);
    EXPECT_STREQ(GetVehicle_Load(dst()), "Unit Load");
    EXPECT_EQ(GetItemCount_Load(dst()), 2u);
    EXPECT_EQ(IsDODShipment_Load(dst()), 1);
    EXPECT_EQ(Has8820Criteria_Load(dst()), 0);  // only "1" sets it
    bool answered = false;
    for (uint32_t i = 0; i < GetNumQuestions_Vehicle(dst(), 0); ++i)
        answered = answered || GetAnswer_Vehicle(dst(), i, 0) == 0;
    EXPECT_TRUE(answered);

    // 3 more bytes are too few for a third record: a cut file.
    Bytes cut = image;
    cut.u8(9).u8(9).u8(9);
    EXPECT_EQ(Read(dst(), cut.b, 1), 1);
    EXPECT_EQ(Read(dst(), cut.b, 0), 1);

    // A vehicle block length of 10 is not a whole number of words.
    image.b[4] = 10;
    image.b[5] = image.b[6] = image.b[7] = 0;
    EXPECT_EQ(Read(dst(), image.b, 1), 1);
    EXPECT_EQ(Read(dst(), image.b, 0), 1);
}
