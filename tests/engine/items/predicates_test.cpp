// Regulatory predicates of single items (placarding tables, exceptions,
// vehicle permission) on real entries.
#include "item_fixture.h"

#include <functional>
#include <string>

using namespace items_test;

namespace {

struct PredicateCase {
    const char *what;
    int pid;
    std::function<void(Hazmat *)> prepare;
    int table1;
    int exemptPlacarding;
    int exemptMarking;
};

void Nothing(Hazmat *) {}

} // namespace

TEST_F(ItemTest, Table1AndPlacardingAndMarkingExceptions)
{
    const PredicateCase cases[] = {
        {"gasoline", kGasoline, Nothing, 0, 0, 0},
        {"gasoline in bulk", kGasoline, [](Hazmat *h) { SetBulkPackaging_Hazmat(h, 1); }, 1, 0, 0},
        {"gasoline LQ", kGasoline, [](Hazmat *h) { SetLimitedQuantity_Hazmat(h, 1); }, 0, 1, 0},
        {"1.1D", kBlastingCaps, Nothing, 1, 0, 1},
        {"1.4S", kFireworks14S, Nothing, 0, 0, 1},
        {"2.3 zone A", kPoisonGasZoneA, Nothing, 1, 0, 0},
        {"4.3", kCalciumCarbide, Nothing, 1, 0, 0},
        {"5.2 type B temperature controlled", kPeroxideB, Nothing, 1, 0, 0},
        {"6.1 zone not chosen", kAnyZone, [](Hazmat *h) { SetPackingGroup_Hazmat(h, 1); }, 0, 0, 0},
        {"6.1 zone C", kAnyZone, [](Hazmat *h) { SetPackingGroup_Hazmat(h, 1); SetHazardZone_Hazmat(h, 'C'); }, 1, 0, 0},
        {"7 White-I", kFissile, Nothing, 0, 1, 1},
        {"7 Yellow-III", kFissile, [](Hazmat *h) { SetRadiationClassification_Hazmat(h, '3'); }, 1, 0, 1},
        {"9", kEHSSolid, Nothing, 0, 1, 0},
        {"combustible", kFuelOil, [](Hazmat *h) { ReclassifyToCombustible_Hazmat(h, 1); }, 0, 1, 1},
        {"combustible substance", kFuelOil, [](Hazmat *h) { ReclassifyToCombustible_Hazmat(h, 1); SetHazardousSubstance_Hazmat(h, 1); }, 0, 1, 0},
        {"combustible in bulk", kFuelOil, [](Hazmat *h) { ReclassifyToCombustible_Hazmat(h, 1); SetBulkPackaging_Hazmat(h, 1); }, 1, 0, 0},
        {"residue", kGasoline, [](Hazmat *h) { SetResidue_Hazmat(h, 1); }, 0, 1, 0},
        // 172.504(d) reaches only non-bulk residues of Table 2 materials.
        {"residue in bulk", kGasoline, [](Hazmat *h) { SetResidue_Hazmat(h, 1); SetBulkPackaging_Hazmat(h, 1); }, 1, 0, 0},
        {"residue of 4.3", kCalciumCarbide, [](Hazmat *h) { SetResidue_Hazmat(h, 1); }, 1, 0, 0},
        {"ORM-D", kGasoline, [](Hazmat *h) { SetOrmD_Hazmat(h, 1); }, 0, 1, 1},
        {"173.320 oxygen", kOxygenCryo, [](Hazmat *h) { SetExemption_Hazmat(h, 3, 1); }, 0, 0, 0},
        {"173.159(d)", kBatteryFluid, [](Hazmat *h) { SetExemption_Hazmat(h, 1, 1); }, 0, 1, 1},
        {"exemption 33 overrides", kGasoline, [](Hazmat *h) { SetLimitedQuantity_Hazmat(h, 1); SetExemption_Hazmat(h, 33, 1); }, 0, 0, 0},
    };
    for (const PredicateCase &c : cases) {
        SCOPED_TRACE(c.what);
        Hazmat *item = Bind(c.pid);
        c.prepare(item);
        EXPECT_EQ(IsTable1_Hazmat(item), c.table1);
        EXPECT_EQ(IsTable2_Hazmat(item), 1 - c.table1);
        EXPECT_EQ(ExemptFromPlacarding_Hazmat(item), c.exemptPlacarding);
        EXPECT_EQ(ExemptFromMarking_Hazmat(item), c.exemptMarking);
        // The clearer names answer as the old ones.
        EXPECT_EQ(HasPlacardingException_Hazmat(item), c.exemptPlacarding);
        EXPECT_EQ(HasMarkingException_Hazmat(item), c.exemptMarking);
        Reset_Hazmat(item, 0);
        --used_;
    }
}

TEST_F(ItemTest, SubsidiaryPlacardsAndResidueExceptions)
{
    // 2.3 with a 2.1 subsidiary: the subsidiary is not placarded.
    Hazmat *gas = Bind(kPoisonGasZoneC);
    EXPECT_EQ(HasPlacardableSubsidiary_Hazmat(gas), 0);
    // 4.3 primary with 4.1: no.  A 4.3 subsidiary would be.
    Hazmat *carbide = Bind(kCalciumCarbide);
    EXPECT_EQ(SubsidiaryNeedsPlacard_Hazmat(carbide, 0), 1);  // the primary is 4.3
    EXPECT_EQ(SubsidiaryNeedsPlacard_Hazmat(carbide, 1), 0);
    EXPECT_EQ(SubsidiaryNeedsPlacard_Hazmat(carbide, 7), 0);
    // Ammonia lists SP 13: no subsidiary placard whatever its codes.
    EXPECT_EQ(SubsidiaryNeedsPlacard_Hazmat(Bind(kAmmonia), 0), 0);

    Hazmat *residue = Bind(kGasoline);
    SetResidue_Hazmat(residue, 1);
    EXPECT_EQ(IsExemptFromPlacarding_Hazmat(residue), 1);
    EXPECT_EQ(IsResidueExemptFromPlacarding_Hazmat(residue), 1);
    EXPECT_EQ(IsExemptFromShippingPaper_Hazmat(residue), 1);
    SetBulkPackaging_Hazmat(residue, 1);
    EXPECT_EQ(IsExemptFromPlacarding_Hazmat(residue), 0);
    Hazmat *pih = Bind(kPoisonGasZoneA);
    SetResidue_Hazmat(pih, 1);
    EXPECT_EQ(IsExemptFromPlacarding_Hazmat(pih), 0);
    EXPECT_EQ(IsResidueExemptFromPlacarding_Hazmat(pih), 0);
    Hazmat *ext = Bind(kFireExtinguisher);
    EXPECT_EQ(IsExemptFromShippingPaper_Hazmat(ext), 0);
    SetExemption_Hazmat(ext, 7, 1);
    EXPECT_EQ(IsExemptFromShippingPaper_Hazmat(ext), 1);
}

TEST_F(ItemTest, VehiclePermissionFollowsTheBulkPackagingSections)
{
    struct Case {
        const char *what;
        int pid;
        int slot;
        bool bulk;
        bool combustible;
        const char *tanks;
    };
    const Case cases[] = {
        {"non-bulk", kGasoline, -1, false, false,
         "Non-Spec Cargo Tank, DOT/TC 406, DOT/TC 407, DOT/TC 412, MC 300, MC 301, MC 302, "
         "MC 303, MC 304, MC 305, MC/TC 306, MC/TC 307, MC 310, MC 311, MC/TC 312, MC/TC 330, "
         "MC/TC 331, MC/TC 338"},
        // 173.242: codes 3-18.
        {"gasoline bulk", kGasoline, -1, true, false,
         "DOT/TC 406, DOT/TC 407, DOT/TC 412, MC 300, MC 301, MC 302, MC 303, MC 304, MC 305, "
         "MC/TC 306, MC/TC 307, MC 310, MC 311, MC/TC 312, MC/TC 330, MC/TC 331"},
        // Combustible in bulk counts as 173.241: codes 2-18.
        {"combustible bulk", kFuelOil, -1, true, true,
         "Non-Spec Cargo Tank, DOT/TC 406, DOT/TC 407, DOT/TC 412, MC 300, MC 301, MC 302, "
         "MC 303, MC 304, MC 305, MC/TC 306, MC/TC 307, MC 310, MC 311, MC/TC 312, MC/TC 330, "
         "MC/TC 331"},
        // PG II lists B2 and 173.242: B2 removes 406, 300-303, 305, 306.
        {"B2", kCorrosiveLiquid, 2, true, false,
         "DOT/TC 407, DOT/TC 412, MC 304, MC/TC 307, MC 310, MC 311, MC/TC 312, MC/TC 330, "
         "MC/TC 331"},
        // Ammonia: 173.314 (nothing here) and 173.315: 330, 331, 338.
        {"ammonia", kAmmonia, -1, true, false, "MC/TC 330, MC/TC 331, MC/TC 338"},
        // 173.244 for a 6.1 PIH (UN1092, acrolein): 412, 312, 330, 331.
        {"173.244", kAcrolein, -1, true, false, "DOT/TC 412, MC/TC 312, MC/TC 330, MC/TC 331"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Hazmat *item = Bind(c.pid);
        if (c.slot >= 0) {
            ASSERT_EQ(SetPackingGroup_Hazmat(item, c.slot), 1);
        }
        if (c.combustible) {
            ASSERT_EQ(ReclassifyToCombustible_Hazmat(item, 1), 1);
        }
        if (c.bulk) {
            SetBulkPackaging_Hazmat(item, 1);
            ASSERT_EQ(IsBulkPackaging_Hazmat(item), 1);
        }
        EXPECT_EQ(IsVehicleAllowed_Hazmat(item, 0), 1);
        EXPECT_EQ(IsVehicleAllowed_Hazmat(item, 1), 1);
        char *text = GetAllowedTanksText_Hazmat(item);
        EXPECT_STREQ(text, c.tanks);
        qv_free(text);
        Reset_Hazmat(item, 0);
        --used_;
    }
    // 173.159(d) takes battery fluid out of the bulk rules entirely.
    Hazmat *fluid = Bind(kBatteryFluid);
    SetBulkPackaging_Hazmat(fluid, 1);
    ASSERT_EQ(IsBulkPackaging_Hazmat(fluid), 1);
    EXPECT_EQ(IsVehicleAllowed_Hazmat(fluid, 19), 0);
    SetExemption_Hazmat(fluid, 1, 1);
    EXPECT_EQ(IsVehicleAllowed_Hazmat(fluid, 19), 1);
}

TEST_F(ItemTest, OtherPredicates)
{
    Hazmat *fissile = Bind(kFissile);
    struct { uint32_t ti; int label; } labels[] = {{0, 1}, {1, 2}, {10, 2}, {11, 3}};
    for (auto c : labels) {
        SetTransportIndex_Hazmat(fissile, c.ti);
        EXPECT_EQ(GetRadioactiveLabel_Hazmat(fissile), c.label) << c.ti;
    }
    EXPECT_EQ(GetRadioactiveLabel_Hazmat(Bind(kGasoline)), 0);
    SetTransportIndex_Hazmat(fissile, 100);
    EXPECT_EQ(IsExclusiveUse_Hazmat(fissile), 0);
    SetTransportIndex_Hazmat(fissile, 101);
    EXPECT_EQ(IsExclusiveUse_Hazmat(fissile), 1);
    SetTransportIndex_Hazmat(fissile, 0);
    SetCSI_Hazmat(fissile, 501);
    EXPECT_EQ(IsExclusiveUse_Hazmat(fissile), 1);

    EXPECT_EQ(NoIDsOnPlacards_Hazmat(fissile), 1);
    Hazmat *caps = Bind(kBlastingCaps);
    EXPECT_EQ(NoIDsOnPlacards_Hazmat(caps), 1);
    EXPECT_EQ(NeedsNetExplosiveMass_Hazmat(caps), 1);
    Hazmat *oil = Bind(kFuelOil);
    Hazmat *gas = Bind(kGasoline);
    EXPECT_EQ(SameCategory_Hazmat(oil, gas), 1);
    ReclassifyToCombustible_Hazmat(oil, 1);  // COMB parses as class 3 too
    EXPECT_EQ(SameCategory_Hazmat(oil, caps), 0);
    EXPECT_EQ(IsFuelOil_Hazmat(oil), 1);
    EXPECT_EQ(IsGasoline_Hazmat(gas), 1);
    EXPECT_EQ(IsLPG_Hazmat(gas), 0);
}
