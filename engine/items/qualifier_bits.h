// The two qualifier words of an item, bit by bit.
//
// Both words are written raw into saved truckloads and clipboard records, so
// every bit position below is part of the file format: never move a bit.
#pragma once

#include <cstdint>

namespace dravlen::bits {

// ---- Word A ----------------------------------------------------------------
// Packing group code: 0 not chosen, 1 slot 0 (no packing group), 2-4 PG I-III.
constexpr uint32_t kPackingGroupMask = 0x7;
// Weight unit: clear = pounds, set = kilograms.
constexpr uint32_t kKilograms = 0x8;
// Recorded physical state (bits 4-6).  "Not liquid" is the bit the liquid
// test reads: every state but liquid has it.
constexpr uint32_t kStateMask = 0x70;
constexpr uint32_t kStateLiquid = 0x20;
constexpr uint32_t kStateNotLiquid = 0x40;
constexpr uint32_t kStateGas = 0x50;
constexpr uint32_t kStateSolid = 0x70;
// Reclassified as a combustible liquid, 49 CFR 173.150(f).
constexpr uint32_t kCombustible = 0x80;
// Radiation classification (bits 8-10): none, 1, 2, 3 (Yellow-III), H (HRCQ).
constexpr uint32_t kRadiationMask = 0x700;
constexpr uint32_t kRadiation1 = 0x100;
constexpr uint32_t kRadiation2 = 0x200;
constexpr uint32_t kRadiation3 = 0x300;
constexpr uint32_t kRadiationH = 0x400;
// Hazard zone (bits 12-14): not chosen, no zone, A, B, C, D.
constexpr uint32_t kZoneMask = 0x7000;
constexpr uint32_t kZoneNone = 0x1000;
constexpr uint32_t kZoneA = 0x2000;  // B, C, D follow in steps of 0x1000
constexpr uint32_t kBulk = 0x10000;
constexpr uint32_t kLimitedQuantity = 0x20000;
constexpr uint32_t kHazardousSubstance = 0x40000;
constexpr uint32_t kHazardousWaste = 0x80000;
constexpr uint32_t kMarinePollutant = 0x100000;
constexpr uint32_t kSevereMarinePollutant = 0x300000;  // both bits 20 and 21
constexpr uint32_t kExceptedQuantity = 0x400000;
// Exemptions 1-8: exemption n is bit 23 + n.
constexpr int kWordAFirstExemptionBit = 23;

// ---- Word B ----------------------------------------------------------------
// Exemptions 9-19: exemption n is bit n - 9.
constexpr uint32_t kElevatedTemperature = 0x800;
constexpr uint32_t kNonOdorizedLPG = 0x1000;
constexpr uint32_t kLabPack = 0x2000;            // exemption 21
constexpr uint32_t kLSAPlacard = 0x4000;
constexpr uint32_t kSCOPlacard = 0x8000;
constexpr uint32_t kMarinePollutantExempt = 0x10000;  // exemption 22
constexpr uint32_t kResidue = 0x20000;           // also exemption 24's storage
// Exemptions 25-34: exemption n is bit n - 7.
constexpr uint32_t kOrmD = 0x80000000u;

} // namespace dravlen::bits
