// The named codes of the public header mean what the engine means by them:
// each one against the engine's own table or constant.
#include "dravlen.h"
#include "compute/messages.h"
#include "items/hazmat_internal.h"

#include <gtest/gtest.h>

#include <string>

static_assert(MESSAGE_RADIOACTIVE_NOTICE == dravlen::kMsgRadioactiveNotice);
static_assert(MESSAGE_DO_NOT_LOAD == dravlen::kMsgDoNotLoad);
static_assert(MESSAGE_SEPARATE == dravlen::kMsgSeparate);
static_assert(MESSAGE_CONDITIONAL == dravlen::kMsgConditional);
static_assert(MESSAGE_INFORMATION == dravlen::kMsgInformation);
static_assert(MESSAGE_PERMIT_REQUIRED == dravlen::kMsgPermitRequired);
static_assert(MESSAGE_PERMIT_MAY_BE_REQUIRED == dravlen::kMsgPermitMayBeRequired);
static_assert(CT_COL_SPECIAL_PROVISIONS == dravlen::kColSpecialProvisions);
static_assert(CT_COL_SHIPPING_NAMES == dravlen::kColShippingNames);
static_assert(CT_COL_CAS_NUMBERS == dravlen::kColCASNumbers);

TEST(InterfaceCodes, VehicleCodesNameTheirVehicle)
{
    const struct {
        DravlenVehicle code;
        const char *name;
    } cases[] = {
        {VEHICLE_UNKNOWN, "Unknown"},       {VEHICLE_UNIT_LOAD, "Unit Load"},
        {VEHICLE_NON_SPEC_CARGO_TANK, "Non-Spec Cargo Tank"},
        {VEHICLE_DOT_406, "DOT/TC 406"},    {VEHICLE_DOT_407, "DOT/TC 407"},
        {VEHICLE_DOT_412, "DOT/TC 412"},    {VEHICLE_MC_300, "MC 300"},
        {VEHICLE_MC_301, "MC 301"},         {VEHICLE_MC_302, "MC 302"},
        {VEHICLE_MC_303, "MC 303"},         {VEHICLE_MC_304, "MC 304"},
        {VEHICLE_MC_305, "MC 305"},         {VEHICLE_MC_306, "MC/TC 306"},
        {VEHICLE_MC_307, "MC/TC 307"},      {VEHICLE_MC_310, "MC 310"},
        {VEHICLE_MC_311, "MC 311"},         {VEHICLE_MC_312, "MC/TC 312"},
        {VEHICLE_MC_330, "MC/TC 330"},      {VEHICLE_MC_331, "MC/TC 331"},
        {VEHICLE_MC_338, "MC/TC 338"},
    };
    ASSERT_EQ(GetNumVehicles(), static_cast<int>(std::size(cases)));
    for (const auto &c : cases) {
        ASSERT_NE(GetVehicleName(c.code), nullptr) << c.name;
        EXPECT_STREQ(GetVehicleName(c.code), c.name);
        EXPECT_EQ(GetVehicleCode(c.name), c.code);
    }
}

TEST(InterfaceCodes, ColumnCodesNameTheirColumn)
{
    const struct {
        DravlenColumn code;
        const char *title;
    } cases[] = {
        {CT_COL_SYMBOLS, "Symbols"},
        {CT_COL_PROPER_SHIPPING_NAME, "Proper Shipping Name"},
        {CT_COL_HAZARD_CLASS, "Hazard Class"},
        {CT_COL_ID_NUMBER, "ID Number"},
        {CT_COL_PACKING_GROUP, "Packing Group"},
        {CT_COL_LABEL_CODES, "Label Codes"},
        {CT_COL_SPECIAL_PROVISIONS, "Special Provisions"},
        {CT_COL_PACKAGING_EXCEPTIONS, "Packaging Exceptions"},
        {CT_COL_NON_BULK_PACKAGING, "Non-Bulk Packaging"},
        {CT_COL_BULK_PACKAGING, "Bulk Packaging"},
        {CT_COL_PASSENGER_QUANTITY, "Passenger Aircraft / Rail Quantity Limitations"},
        {CT_COL_CARGO_AIRCRAFT_QUANTITY, "Cargo Aircraft Quantity Limitations"},
        {CT_COL_VESSEL_STOWAGE_LOCATION, "Vessel Stowage Location"},
        {CT_COL_VESSEL_STOWAGE_OTHER, "Vessel Stowage Other"},
        {CT_COL_SHIPPING_NAMES, "Shipping Names"},
        {CT_COL_CAS_NUMBERS, "Related CAS Numbers"},
        {CT_COL_SHIPPING_NAME_DESCRIPTIONS, "Shipping Name Descriptions"},
    };
    for (const auto &c : cases) {
        ASSERT_NE(GetCTColName(c.code), nullptr) << c.title;
        EXPECT_STREQ(GetCTColName(c.code), c.title);
    }
    EXPECT_EQ(GetCTColName(CT_COL_SHIPPING_NAME_DESCRIPTIONS + 1), nullptr);
}
