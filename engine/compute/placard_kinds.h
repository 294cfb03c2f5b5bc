// What the placarding rules of 49 CFR 172.504-172.505 read of each kind of
// item (SameKind), read once per calculation.
//
// Every placarding option walks the items several times (subsidiary,
// bulk, Table 1 and Table 2 placards, the 172.504(b) categories), and each
// walk used to ask the item functions afresh: the table row, the
// exemptions held and the hazard codes, a few thousand instructions per
// item and question.  Items of one kind give the same answers (only the
// weight differs), so the answers are read once per kind here and the
// passes read this table.  It lives only during one calculation.
#pragma once

#include "dravlen.h"
#include "items/hazmat_internal.h"

#include <cstdint>
#include <vector>

namespace dravlen {

class LoadKinds;

// Placards that may stand for one another (172.504(f)) are of one class, or
// POISON GAS and a class 6 placard: numbered by class, with class 6 in the
// group of class 2.  Classes from 15 on share the last group.
constexpr int kPlacardGroups = 16;
constexpr int PlacardGroup(int hazClass)
{
    return hazClass == 6 ? 2 : (hazClass >= 0 && hazClass < kPlacardGroups ? hazClass : kPlacardGroups - 1);
}

struct PlacardKind {
    const Hazmat *item = nullptr;  // the first item of the kind
    ItemReading reading;           // its reading, for the placards and markings made of it
    bool exempt = false;           // ExemptFromPlacarding_Hazmat
    bool table1 = false;           // IsTable1_Hazmat
    bool placardable = false;      // Table 2 and not excepted from placarding
    bool subsidiary = false;       // HasPlacardableSubsidiary_Hazmat
    bool placardableSubsidiary = false;  // placardable and subsidiary (the 172.504(c) reading)
    bool bulk = false;             // IsBulkPackaging_Hazmat
    bool elevated = false;         // IsElevatedTemperature_Hazmat
    bool noIds = false;            // NoIDsOnPlacards_Hazmat (172.334(a))
    bool division62 = false;       // primary hazard code "6.2"
    bool class7 = false;           // primary hazard code "7"
    bool batteries = false;        // holds the 173.159(e) battery exception
    bool sodiumBatteries = false;  // UN3292
    bool uraniumHexafluoride = false;  // UN2977, UN2978
    char inhalationZone = 0;       // GetHazardZone_Hazmat when GetPIH_Hazmat, else 0
    int category = -1;             // primary class * 256 + division; -1 without a row
    int placardGroup = 0;          // PlacardGroup of the primary placard's class
    const char *idDigits = "";     // ItemIdDigits
    // The primary placard MakePlacard(item, 0, type, 1) for marking types
    // 0-3, and the plain one MakePlacard(item, 0, 0, 0), made when first
    // asked for.
    mutable Placard placard[4]{};
    mutable bool made[4]{};
    mutable Placard plain{};
    mutable bool plainMade = false;

    // The primary placard for a marking type 0-3.
    const Placard &PrimaryPlacard(int markingType) const;
    // The plain primary placard (variant 0, no number).
    const Placard &PlainPlacard() const;
    // The three variants of the primary placard without a number
    // (MakePlacardVariants of hazard 0): variant 0 is the plain placard and
    // variant 1 the primary placard for marking type 0, kept for those.
    // False when the kind has no hazard code.
    bool PrimaryVariants(Placard variants[3]) const;
};

// facts, when given, are the facts of item's kind (LoadKinds).
struct KindFacts;
PlacardKind ReadPlacardKind(const Hazmat *item, const KindFacts *facts = nullptr);

// Room for the lists of a PlacardKinds, kept by an engine between its
// calculations (only room, never contents).
struct PlacardKindsRoom {
    std::vector<int> kindOf;
    std::vector<uint64_t> pounds;
    std::vector<PlacardKind> kinds;
    std::vector<int> categoryKind;
    std::vector<uint64_t> categoryPounds;
};

class PlacardKinds {
public:
    explicit PlacardKinds(const Load *load);
    // The kinds as the calculation's LoadKinds found them; the lists lent
    // by room, when given, until the PlacardKinds goes.
    explicit PlacardKinds(const LoadKinds &kinds, PlacardKindsRoom *room = nullptr);
    ~PlacardKinds();
    PlacardKinds(const PlacardKinds &) = delete;
    PlacardKinds &operator=(const PlacardKinds &) = delete;

    uint32_t ItemCount() const { return static_cast<uint32_t>(kindOf_.size()); }
    int KindCount() const { return static_cast<int>(kinds_.size()); }
    const PlacardKind &Kind(int k) const { return kinds_[k]; }
    const PlacardKind &OfItem(uint32_t i) const { return kinds_[kindOf_[i]]; }
    int KindOf(uint32_t i) const { return kindOf_[i]; }
    bool IsFirstOfKind(uint32_t i) const { return kinds_[kindOf_[i]].item == &load_->items[i]; }
    uint64_t Pounds(uint32_t i) const { return pounds_[i]; }
    // 172.504(b): the total weight of the placardable Table 2 materials of
    // kind k's category (whether or not k itself is placardable).
    uint64_t CategoryPounds(int k) const { return categoryPounds_[categoryKind_[k]]; }
    // 172.504(c): the aggregate of the placardable Table 2 materials
    // without a placardable subsidiary hazard.
    uint64_t Table2Pounds() const { return table2_; }
    // 172.505(b): the weight of uranium hexafluoride (UN2977, UN2978).
    uint64_t UraniumHexafluoridePounds() const { return uraniumHexafluoride_; }
    // GetGreatestPIH_Vehicle and FindSingleMaterialItem, read once: every
    // placarding option asks for them.
    int GreatestInhalationItem() const { return pih_; }
    int SingleMaterialItem() const { return single_; }

private:
    void Read(const LoadKinds &kinds);

    const Load *load_;
    PlacardKindsRoom *room_ = nullptr;
    int pih_ = -1;
    int single_ = -1;
    std::vector<int> kindOf_;
    std::vector<uint64_t> pounds_;
    std::vector<PlacardKind> kinds_;
    // The first kind of each kind's category, and the category totals by
    // that kind.
    std::vector<int> categoryKind_;
    std::vector<uint64_t> categoryPounds_;
    uint64_t table2_ = 0;
    uint64_t uraniumHexafluoride_ = 0;
};

} // namespace dravlen
