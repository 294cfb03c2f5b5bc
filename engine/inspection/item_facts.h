// What the inspection model reads about one item of a truckload.  The
// question catalogue and the shipping-paper element report are written
// against these facts; ReadItemFacts gathers them from the item operations
// (and the reference tables) in one place.
#pragma once

#include "dravlen.h"

#include <string>
#include <vector>

namespace dravlen {

// One row of the List of Marine Pollutants (49 CFR 172.101 App. B) that
// names the item.
struct MarinePollutantMatch {
    std::string name;
    bool severe = false;
};

// One row of the List of Hazardous Substances (App. A) that names the item.
struct HazardousSubstanceMatch {
    std::string name;
    unsigned reportableQuantity = 0; // pounds
};

struct ItemFacts {
    int pid = 0;
    std::string id;        // "UN1203"
    std::string psn;       // proper shipping name with its "<I>" markup
    std::string romanPsn;  // plain shipping name (the chosen one)
    std::vector<std::string> hazDivs; // class codes, primary first
    std::string symbols;   // HMT column 1 symbols of the entry ("G", "AW", ...)
    bool packingGroupSlot[4] = {}; // the HMT entry offers slot 0 (none), I, II, III
    int packingGroup = -1; // chosen slot 0-3, or -1
    bool hazardClassColumnToxic = false; // HMT hazard class column holds "2.3" or "6.1"

    unsigned weightPounds = 0;  // GetWeight_Hazmat(item, 0)
    unsigned weightOwnUnit = 0; // in the item's own unit
    int weightUnit = 0;         // 0 pounds, 1 kilograms

    bool exemptFromShippingPaper = false;
    bool bulk = false;
    bool residue = false;
    bool limitedQuantity = false;
    bool exceptedQuantity = false;
    bool hazardousSubstance = false;
    bool hazardousWaste = false;
    bool marinePollutant = false;
    bool poisonInhalation = false; // GetPIH_Hazmat
    char hazardZone = 0;           // GetHazardZone_Hazmat
    bool nonOdorizedLPG = false;
    bool liquid = false;
    bool elevatedTemperature = false;
    bool exclusiveUse = false;     // IsExclusiveUse_Hazmat
    bool hrcqAllowed = false;      // IsHRCQAllowed_Hazmat
    bool needsCSI = false;
    unsigned csi = 0;              // tenths
    char radiationClassification = 'N';
    int radioactiveLabel = 0;      // 0 none, 1 White-I, 2 Yellow-II, 3 Yellow-III
    bool needsNetExplosiveMass = false;

    // Exemptions 1-34 (index 0 unused): held, and allowed for this item.
    bool exemptionHeld[35] = {};
    bool exemptionAllowed[35] = {};

    // Reference-table matches used by the shipping-paper notes.
    std::vector<MarinePollutantMatch> marinePollutantMatches;
    std::vector<HazardousSubstanceMatch> hazardousSubstanceMatches;

    bool HasClass(const char *code) const;       // any class code equals code
    bool PrimaryIs(const char *code) const;      // the first code equals code
    bool HasSymbol(char symbol) const;
    bool Holds(int exemption) const;
};

// Facts about item `index` of the load that depend on the other items.
struct LoadItemFacts {
    std::vector<std::string> cannotCoLoadWith; // ID numbers, in load order
    int permitCode = 0;                        // HazmatNeedsPermit_Load
};

// Reads the facts of one item.
ItemFacts ReadItemFacts(const Hazmat *item);

// Reads the facts of item `index` that involve the rest of the load.
LoadItemFacts ReadLoadItemFacts(const Load *load, uint32_t index);

// 1 when every item of the load allows vehicle code `code`
// (IsVehicleAllowed_Hazmat); an empty load allows every code.
bool LoadAllowsVehicle(const Load *load, int code);

} // namespace dravlen
