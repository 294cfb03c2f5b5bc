// The vehicle table.
#include "inspection/vehicles.h"

#include "dravlen.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(VehicleTable, TwentyNamesInCodeOrder)
{
    const char *const expected[] = {
        "Unknown",   "Unit Load",  "Non-Spec Cargo Tank", "DOT/TC 406", "DOT/TC 407",
        "DOT/TC 412", "MC 300",    "MC 301",              "MC 302",     "MC 303",
        "MC 304",    "MC 305",     "MC/TC 306",           "MC/TC 307",  "MC 310",
        "MC 311",    "MC/TC 312",  "MC/TC 330",           "MC/TC 331",  "MC/TC 338",
    };
    static_assert(std::size(expected) == dravlen::kVehicleCount);
    for (int code = 0; code < dravlen::kVehicleCount; ++code) {
        SCOPED_TRACE(code);
        ASSERT_NE(dravlen::VehicleName(code), nullptr);
        EXPECT_STREQ(dravlen::VehicleName(code), expected[code]);
        EXPECT_LT(std::strlen(expected[code]), 32u); // names fit in 32 bytes
        EXPECT_EQ(dravlen::VehicleCode(expected[code]), code);
        EXPECT_STREQ(GetVehicleName(code), expected[code]);
    }
    EXPECT_EQ(GetNumVehicles(), 20);
}

TEST(VehicleTable, OutsideTheTable)
{
    EXPECT_EQ(dravlen::VehicleName(-1), nullptr);
    EXPECT_EQ(dravlen::VehicleName(dravlen::kVehicleCount), nullptr);
    EXPECT_EQ(GetVehicleName(-1), nullptr);
    EXPECT_EQ(GetVehicleName(20), nullptr);
    for (const char *name : {"", "unknown", "MC 306", "MC/TC 306 ", static_cast<const char *>(nullptr)})
        EXPECT_EQ(dravlen::VehicleCode(name), -1) << (name ? name : "(null)");
}

} // namespace
