// Items bound to real entries of the embedded table, under a fixed clock
// (2024-04-10: rulesets 41 and 42 active) and ruleset 42.
#pragma once

#include "dravlen.h"
#include "refdata/rulesets.h"

#include <gtest/gtest.h>

namespace items_test {

// 2024-04-10 00:00:00 UTC.
constexpr dravlen::Stamp kClock = 1712707200;

// PIDs of the entries the tests use (ruleset 42 rows).
enum Pid : int {
    kFuelOil = 58,         // NA1993, class 3, PG III, labels 3, 173.150
    kDieselFuel = 57,      // NA1993, class 3, PG III
    kAsphalt = 61,         // NA1999, elevated temperature
    kBlastingCaps = 105,   // UN0004, 1.1D
    kFireworks14S = 4,     // NA0323, 1.4S, no Bulk Packaging
    kPoisonZoneB = 20,     // NA1556, 6.1 PG I, SP 2 (zone B)
    kAmmonia = 472,        // UN1005, 2.2, SP 13, zone D by entry
    kPoisonGasZoneA = 506, // UN1045, 2.3, SP 1
    kCyanogenZoneB = 488, // UN1026, 2.3 + 2.1, SP 2
    kExplosive15D = 5,     // NA0331, 1.5D, rows up to ruleset 35
    kPoisonGasZoneC = 487, // UN1023, 2.3 + 2.1, SP 3
    kPoisonGasZoneD = 481, // UN1016, 2.3 + 2.1, SP 4
    kAcrolein = 547,       // UN1092, 6.1 + 3, PG I, zone A, bulk 173.244
    kAnyZone = 917,        // UN1583, 6.1 PG I (SP 5: any zone or none), II, III
    kFlammableGasAnyZone = 28, // NA1911, 2.1, SP 5
    kFireExtinguisher = 505, // UN1044
    kOxygenCryo = 530,     // UN1073, 2.2 + 5.1
    kEthylAlcohol = 553,   // UN1105, class 3, PG II and III
    kGasoline = 631,       // UN1203, class 3, PG II
    kCorrosiveLiquid = 25, // NA1760, 8, PG I (B10, 243), II (B2, 242), III (241)
    kFerrousChloride = 23, // NA1759, 8, PG II, 173.154
    kMetalPowder = 710,    // UN1309, 4.1 PG II and III, 173.151
    kCalciumCarbide = 733, // UN1340, 4.3 + 4.1 PG II
    kAerosol = 1226,       // UN1950, 2.2
    kBatteryFluid = 1869,  // UN2800
    kSelfReactive = 2206,  // UN3221, 4.1 self-reactive
    kPeroxideB = 2093,     // UN3111, 5.2 + 1, temperature controlled
    kFissile = 2382,       // UN3327, 7, fissile
    kEHSSolid = 2059,      // UN3077, 9
    kPerborate = 2463,     // UN3377, 5.1, PG III only
    kCombustibleCreosote = 9, // NA1270, class 3, PG I, II, III
};

class ItemTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dravlen::SetClockForTesting(kClock);
        Init_Engine(&engine_);
        dravlen::SetCurrentRuleset(42);
    }
    void TearDown() override
    {
        for (Hazmat &item : items_)
            Reset_Hazmat(&item, 0);
        Destroy_Engine(&engine_);
        dravlen::ClearClockForTesting();
    }
    // A fresh item bound to pid (unbound when pid has no row).
    Hazmat *Bind(int pid)
    {
        EXPECT_LT(used_, kSlots);
        Hazmat *item = &items_[used_++];
        Init_Hazmat(item, pid);
        return item;
    }

    static constexpr int kSlots = 8;
    Engine engine_{};
    Hazmat items_[kSlots]{};
    int used_ = 0;
};

} // namespace items_test
