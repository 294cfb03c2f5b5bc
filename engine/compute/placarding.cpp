// Placarding under 49 CFR 172.504 and the identification numbers that go
// with the placards (172.301(a)(3), 172.302(a), 172.313(c), 172.336).
#include "compute/placarding.h"

#include "compute/messages.h"
#include "compute/output_build.h"
#include "compute/placard_kinds.h"
#include "compute/placard_rules.h"
#include "items/hazmat_internal.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace dravlen {

namespace {

// Marking types of the identification numbers.
constexpr int kMarkSingleMaterial = 1; // 172.301(a)(3)
constexpr int kMarkInhalation = 2;     // 172.313(c)
constexpr int kMarkBulk = 3;           // 172.302(a)
constexpr int kMarkHot = 11;           // 172.325(a)

// Message codes posted while placarding.
constexpr int kMsgBatteryException = 23;  // 173.159(e)
constexpr int kMsgSodiumSeparate = 24;    // 173.189(d)(4)(iii)
constexpr int kMsgSodiumAlone = 25;       // 173.189(d)(4)(iii)
constexpr int kMsgHighwayRouteControlled = 26; // 172.507(a)
constexpr int kMsgTransportIndex = 27;    // 172.403(c)
constexpr int kMsgCombinedTransportIndex = 28; // 177.842(a)

// Transport indexes are kept in tenths.
constexpr uint32_t kExclusiveUseIndex = 100;   // 10.0
constexpr uint64_t kCombinedIndexLimit = 500;  // 50.0

Hazmat *Item(Engine *engine, uint32_t i) { return &engine->load.items[i]; }

bool PrimaryCodeIs(const Hazmat *item, const char *text)
{
    const char *code = GetHazDivString_Hazmat(item, 0);
    return code && std::strcmp(code, text) == 0;
}

// The 172.504(b) and (c) rules compare every item with every other
// (category totals); they read the placarding answers of each kind and the
// totals PlacardKinds works out once.

// Whether the candidates (placardable Table 2 items, restricted to those
// with a placardable subsidiary when withSubsidiary) span two categories.
bool TwoCategories(const PlacardKinds &kinds, bool onlyWithSubsidiary)
{
    const PlacardKind *reference = nullptr;
    for (int c = 0; c < kinds.KindCount(); ++c) {
        const PlacardKind &k = kinds.Kind(c);
        if (!k.placardable)
            continue;
        if (onlyWithSubsidiary && !k.placardableSubsidiary)
            continue;
        if (!reference)
            reference = &k;
        else if (k.category != reference->category)
            return true;
    }
    return false;
}

// The placards of the option being built, in a list with room to grow: a
// placard list of an option is written once when the option is built
// (InsertSlot and RemoveSlot would ask for memory at every change).
using PlacardList = std::vector<Placard>;

// The option's placards into a list.
void ReadPlacards(const PlacOp *op, PlacardList &list)
{
    list.assign(op->placards, op->placards + op->placardCount);
}

// The list back into the option, as InsertSlot and RemoveSlot would have
// left it: exactly as long as its placards, null when there are none.  Out
// of memory, the option keeps the placards it had.
void WritePlacards(PlacOp *op, const PlacardList &list)
{
    if (list.empty()) {
        std::free(op->placards);
        op->placards = nullptr;
        op->placardCount = 0;
        return;
    }
    auto *placards = static_cast<Placard *>(std::realloc(op->placards, sizeof(Placard) * list.size()));
    if (!placards)
        return;
    std::memcpy(placards, list.data(), sizeof(Placard) * list.size());
    op->placards = placards;
    op->placardCount = static_cast<int32_t>(list.size());
}

bool HasPlainPlacard(const PlacardList &list, int hazClass, int division)
{
    for (const Placard &p : list) {
        if (p.hazClass == hazClass && p.division == division && p.letter == 0 && !IsIdPlacard(p))
            return true;
    }
    return false;
}

// Records an item covered by the DANGEROUS placard: the coverage placard is
// valid while every covered item shows one and the same placard.
void CoverWithDangerous(Output *out, const PlacardKind &kind)
{
    PlacOp *op = out->current;
    const Placard &own = kind.PlainPlacard();
    const Placard &c = op->coverage;
    const bool empty = !c.primary && !c.flammableAllowed && !c.hazClass && !c.division && !c.letter;
    if (empty) {
        op->coverage = own;
        op->coverageValid = 1;
    } else if (op->coverageValid && !SamePlacard(op->coverage, own)) {
        op->coverageValid = 0;
    }
}

// Whether some kind of the truckload passes test: the walks over the items
// below are needed only then.
template <typename Test>
bool AnyKind(const PlacardKinds &kinds, Test test)
{
    for (int k = 0; k < kinds.KindCount(); ++k)
        if (test(kinds.Kind(k)))
            return true;
    return false;
}

// 173.159(e): batteries under the exception travel without placards when
// nothing else is on the vehicle.  Returns true when the exception applies.
bool BatteryExceptionOnly(Engine *engine, const PlacardKinds &kinds)
{
    Output *out = &engine->output;
    bool batteryOnly = false;
    if (!AnyKind(kinds, [](const PlacardKind &k) { return k.batteries; }))
        return false;
    for (uint32_t i = 0; i < engine->load.itemCount; ++i) {
        Hazmat *item = Item(engine, i);
        if (!kinds.OfItem(i).batteries) {
            batteryOnly = false;
        } else if (!engine->load.allSamePID) {
            AddSegregationMessage(out, engine, item, nullptr, 0, 0, kMsgBatteryException);
        } else if (i == 0) {
            batteryOnly = true;
        }
    }
    return batteryOnly;
}

// 173.189(d)(4)(iii): batteries containing sodium.
void CheckSodiumBatteries(Engine *engine, const PlacardKinds &kinds)
{
    Output *out = &engine->output;
    if (!AnyKind(kinds, [](const PlacardKind &k) { return k.sodiumBatteries; }))
        return;
    for (uint32_t i = 0; i < engine->load.itemCount; ++i) {
        Hazmat *item = Item(engine, i);
        if (!kinds.OfItem(i).sodiumBatteries)
            continue;
        Hazmat *other = nullptr;
        for (uint32_t j = 0; j < engine->load.itemCount && !engine->load.allSamePID; ++j) {
            if (!kinds.OfItem(j).sodiumBatteries) {
                other = Item(engine, j);
                break;
            }
        }
        if (!other) {
            // Only sodium batteries on board (one entry, or both UN3292
            // entries): they need separating from other freight.
            AddSegregationMessage(out, engine, item, nullptr, 0, 0, kMsgSodiumSeparate);
            return;
        }
        AddSegregationMessage(out, engine, item, other, 0, 0, kMsgSodiumAlone);
    }
}

// 172.507(a), 172.403(c), 177.842(a): Class 7 notices.
void CheckRadioactive(Engine *engine, const PlacardKinds &kinds)
{
    Output *out = &engine->output;
    if (!AnyKind(kinds, [](const PlacardKind &k) { return k.class7; }))
        return;
    for (uint32_t i = 0; i < engine->load.itemCount; ++i) {
        Hazmat *item = Item(engine, i);
        if (kinds.OfItem(i).class7 && GetRadiationClassification_Hazmat(item) == 'H') {
            AddSegregationMessage(out, engine, item, nullptr, 0, 0, kMsgHighwayRouteControlled);
            break;
        }
    }
    uint64_t total = 0;
    bool combinedPosted = false;
    for (uint32_t i = 0; i < engine->load.itemCount; ++i) {
        Hazmat *item = Item(engine, i);
        if (!kinds.OfItem(i).class7)
            continue;
        const uint32_t index = GetTransportIndex_Hazmat(item);
        total += index;
        if (index > kExclusiveUseIndex)
            AddSegregationMessage(out, engine, item, nullptr, 0, 0, kMsgTransportIndex);
        if (!combinedPosted && total > kCombinedIndexLimit) {
            AddSegregationMessage(out, engine, item, nullptr, 0, 0, kMsgCombinedTransportIndex);
            combinedPosted = true;
        }
    }
}

} // namespace

int FindSingleMaterialItem(const Load *load)
{
    if (!Has8820Criteria_Load(load) || !Is8820Allowed_Load(load))
        return -1;
    for (uint32_t i = 0; i < load->itemCount; ++i) {
        if (!ExemptFromMarking_Hazmat(&load->items[i]))
            return static_cast<int>(i);
    }
    return -1;
}

int FindSingleMaterialItem(Engine *engine) { return FindSingleMaterialItem(&engine->load); }

uint64_t UraniumHexafluoridePounds(const PlacardKinds &kinds) { return kinds.UraniumHexafluoridePounds(); }

uint64_t UraniumHexafluoridePounds(Engine *engine) { return UraniumHexafluoridePounds(PlacardKinds(&engine->load)); }

Table2Figures ReadTable2Figures(Engine *engine)
{
    const PlacardKinds kinds(&engine->load);
    Table2Figures f;
    f.aggregate = kinds.Table2Pounds();
    for (uint32_t i = 0; i < kinds.ItemCount(); ++i) {
        const PlacardKind &k = kinds.OfItem(i);
        f.placardable.push_back(k.placardable);
        f.subsidiary.push_back(k.placardableSubsidiary);
        f.bulk.push_back(k.bulk);
        f.category.push_back(k.category);
        f.categoryPounds.push_back(kinds.CategoryPounds(kinds.KindOf(i)));
    }
    return f;
}

namespace {

// AddKindPlacard on the list of the option's placards; a marking goes to
// the output's current option.
bool AddKindPlacard(Output *out, PlacardList &list, const PlacardKind &kind, int markingType)
{
    bool numberWanted = false;
    // A marking added counts as a change (only placards without a number
    // are added again and again).
    bool changed = false;
    if (markingType != 0) {
        // 172.334(a): EXPLOSIVES and RADIOACTIVE placards never show a
        // number; it goes on a separate orange panel.
        if (kind.noIds) {
            AddMarking(out, kind.reading, markingType);
            markingType = 0;
            changed = true;
        } else {
            numberWanted = true;
        }
    }
    if (kind.exempt) {
        if (!numberWanted)
            return changed;
        // Division 6.2 shows its number without a placard (172.504(e) has
        // no placard for it).
        if (kind.division62) {
            AddMarking(out, kind.reading, markingType);
            return true;
        }
    }
    return MergeOrInsertPlacard(list, kind.PrimaryPlacard(markingType)) || changed;
}

void AddSubsidiaryPlacards(PlacardList &list, const ItemReading &item)
{
    for (int h = 1; h < item.hazardCount; ++h) {
        if (!SubsidiaryNeedsPlacard(item, h))
            continue;
        Placard added{};
        MakePlacard(&added, item, h, 0, 1);
        MergeOrInsertPlacard(list, added);
    }
}

} // namespace

bool AddKindPlacard(Output *out, const PlacardKind &kind, int markingType)
{
    if (!out->current)
        return false;
    PlacardList list;
    ReadPlacards(out->current, list);
    const bool changed = AddKindPlacard(out, list, kind, markingType);
    WritePlacards(out->current, list);
    return changed;
}

void AddPlacard(Output *out, const Hazmat *item, int markingType)
{
    AddKindPlacard(out, ReadPlacardKind(item), markingType);
}

void AddSubsidiaryPlacards(Output *out, const Hazmat *item) { AddSubsidiaryPlacards(out, ReadItem(item)); }

void AddSubsidiaryPlacards(Output *out, const ItemReading &item)
{
    if (!out->current)
        return;
    PlacardList list;
    ReadPlacards(out->current, list);
    AddSubsidiaryPlacards(list, item);
    WritePlacards(out->current, list);
}

void AddMarking(Output *out, const Hazmat *item, int markingType) { AddMarking(out, ReadItem(item), markingType); }

void AddMarking(Output *out, const ItemReading &item, int markingType)
{
    if (!out->current || ExemptFromMarking(item))
        return;
    InsertMarking(out, MakeItemMarking(item, markingType));
}

void AnalyzeLoad(Engine *engine)
{
    Load *load = &engine->load;
    const bool any = load->itemCount > 0;
    bool allGasoline = any, allFuelOil = any, allSamePID = any;
    bool anyBulk = false, anyBulkInhalation = false;
    for (uint32_t i = 0; i < load->itemCount; ++i) {
        const Hazmat *item = &load->items[i];
        const int pid = GetPID_Hazmat(item);
        allGasoline = allGasoline && pid == kPidGasolineEntry;
        allFuelOil = allFuelOil && pid == kPidFuelOilEntry && PrimaryCodeIs(item, "COMB");
        allSamePID = allSamePID && pid == GetPID_Hazmat(&load->items[0]);
        if (IsBulkPackaging_Hazmat(item)) {
            anyBulk = true;
            // Special provision 13: a material poisonous by inhalation
            // marked "Inhalation Hazard" (172.102(c)(1) code 13).
            const CTRec *row = GetCTRec_HazData(pid);
            if (row && HasElement_CTRec(row, GetPackingGroup_Hazmat(item), 6, "13"))
                anyBulkInhalation = true;
        }
    }
    load->allGasoline = allGasoline;
    load->allFuelOil = allFuelOil;
    load->allSamePID = allSamePID;
    load->anyBulk = anyBulk;
    load->anyBulkInhalation = anyBulkInhalation;
}

void DoAllPossiblePlacards(Engine *engine, const PlacardKinds &kinds, PlacardingRoom *room)
{
    PlacardingRoom own;
    PlacardingRoom &lists = room ? *room : own;
    Output *out = &engine->output;
    // The list InsertAllowedPlacard would leave, placard after placard:
    // sorted by key, the first placard offered of each key (those listed
    // already before any other).  The placards are gathered in the order
    // they are offered, the first of each key kept, and sorted once.
    std::vector<KeyedPlacard> &kept = lists.allowed;
    kept.clear();
    // A bit per key met, all clear between calls.
    std::vector<uint64_t> &seen = lists.allowedKeys;
    if (seen.size() != kPlacardKeys / 64)
        seen.assign(kPlacardKeys / 64, 0);
    auto offer = [&kept, &seen](const Placard &p) {
        const uint32_t key = GetHash_Placard(&p);
        if (key < kPlacardKeys) {
            uint64_t &word = seen[key / 64];
            const uint64_t bit = uint64_t{1} << (key % 64);
            if (word & bit)
                return;
            word |= bit;
        } else {
            for (const KeyedPlacard &k : kept)
                if (k.key == key)
                    return;
        }
        kept.push_back({key, p});
    };
    for (int i = 0; i < out->allowedCount; ++i)
        offer(out->allowed[i]);
    // An item of a kind met before offers the same placards, whose keys
    // are then all listed already.
    for (int k = 0; k < kinds.KindCount(); ++k) {
        const PlacardKind &kind = kinds.Kind(k);
        const ItemReading &item = kind.reading;
        for (int h = 0; h < item.hazardCount; ++h) {
            Placard variants[3]{};
            // The primary placard's variants are those the options show.
            if (h == 0)
                kind.PrimaryVariants(variants);
            else
                MakePlacardVariants(variants, item, h);
            for (const Placard &p : variants)
                offer(p);
        }
    }
    for (const KeyedPlacard &k : kept)
        if (k.key < kPlacardKeys)
            seen[k.key / 64] = 0;
    if (kept.empty() || kept.size() > static_cast<size_t>(INT32_MAX))
        return;
    std::sort(kept.begin(), kept.end(), [](const KeyedPlacard &a, const KeyedPlacard &b) { return a.key < b.key; });
    auto *list = static_cast<Placard *>(std::realloc(out->allowed, sizeof(Placard) * kept.size()));
    if (!list)
        return;
    for (size_t i = 0; i < kept.size(); ++i)
        list[i] = kept[i].placard;
    out->allowed = list;
    out->allowedCount = static_cast<int32_t>(kept.size());
}

void DoAllPossiblePlacards(Engine *engine) { DoAllPossiblePlacards(engine, PlacardKinds(&engine->load)); }

bool IsDangerousPossible(Engine *engine, const PlacardKinds &kinds)
{
    // 172.504(c): below the aggregate only materials with a placardable
    // subsidiary hazard need placards at all; DANGEROUS helps only if two
    // of them are of different categories.
    if (kinds.Table2Pounds() < kTable2Aggregate && !TwoCategories(kinds, true))
        return false;
    // 172.504(b): two or more categories of Table 2 materials.
    if (!TwoCategories(kinds, false))
        return false;
    for (int c = 0; c < kinds.KindCount(); ++c) {
        const PlacardKind &q = kinds.Kind(c);
        if (!q.placardable)
            continue;
        if (kinds.CategoryPounds(c) >= kDangerousCategoryLimit)
            continue;
        // The category could be covered by DANGEROUS unless a bulk packaging
        // of it needs its own placard (with ID placards, one showing this
        // very number).
        bool bulk = false;
        bool bulkWithThisNumber = false;
        for (int b = 0; b < kinds.KindCount(); ++b) {
            const PlacardKind &k = kinds.Kind(b);
            if (!k.bulk || k.category != q.category)
                continue;
            bulk = true;
            bulkWithThisNumber = bulkWithThisNumber || std::strcmp(k.idDigits, q.idDigits) == 0;
        }
        const bool fails = bulk && (!engine->bulkPlacards || bulkWithThisNumber);
        if (!fails)
            return true;
    }
    return false;
}

bool IsDangerousPossible(Engine *engine) { return IsDangerousPossible(engine, PlacardKinds(&engine->load)); }

namespace {

// Adds the primary placards of item after item to one option.  Adding a
// placard is a function of the placards shown and the one added, and it
// reads and changes only the placards that may stand for it or it for them
// (of its class, with classes 2 and 6 together).  So once the placard
// of a kind (and marking type) left the option as it was, it leaves it so
// again until something changes the placards of its group, and the kind's
// later items are not added again.  Long truckloads repeat a few kinds.
class OptionPlacards {
public:
    // The current option's placards are kept in the room's list while the
    // option is built, and written back when the OptionPlacards goes.
    OptionPlacards(Output *out, const PlacardKinds &kinds, PlacardingRoom &room)
        : out_(out), kinds_(kinds), list_(room.placards), unchangedAt_(room.unchangedAt)
    {
        ReadPlacards(out->current, list_);
        unchangedAt_.assign(static_cast<size_t>(kinds.KindCount()) * 4, kNever);
    }
    ~OptionPlacards() { WritePlacards(out_->current, list_); }
    OptionPlacards(const OptionPlacards &) = delete;
    OptionPlacards &operator=(const OptionPlacards &) = delete;

    void Add(int kind, int markingType)
    {
        const PlacardKind &k = kinds_.Kind(kind);
        uint64_t &version = version_[k.placardGroup];
        uint64_t &unchanged = unchangedAt_[static_cast<size_t>(kind) * 4 + static_cast<size_t>(markingType)];
        if (unchanged == version)
            return;
        if (AddKindPlacard(out_, list_, k, markingType))
            ++version;
        else
            unchanged = version;
    }
    void AddItem(uint32_t item, int markingType) { Add(kinds_.KindOf(item), markingType); }
    // The placards, for changes by other means than Add; each such change
    // is announced with Changed.
    PlacardList &List() { return list_; }
    void Changed()
    {
        for (uint64_t &version : version_)
            ++version;
    }

private:
    static constexpr uint64_t kNever = ~uint64_t{0};
    Output *out_;
    const PlacardKinds &kinds_;
    PlacardList &list_;
    std::vector<uint64_t> &unchangedAt_;
    uint64_t version_[kPlacardGroups]{};
};

// An identification number either on the placard itself or, with ID
// placards off, on a separate orange panel beside a placard without it.
void PlacardWithNumber(Engine *engine, OptionPlacards &placards, const PlacardKinds &kinds, uint32_t item,
                       int markingType)
{
    if (engine->bulkPlacards) {
        placards.AddItem(item, markingType);
    } else {
        placards.AddItem(item, 0);
        AddMarking(&engine->output, kinds.OfItem(item).reading, markingType);
    }
}

} // namespace

void BuildPlacardOption(Engine *engine, bool dangerous, const PlacardKinds &kinds, PlacardingRoom *room)
{
    Load *load = &engine->load;
    Output *out = &engine->output;
    if (load->itemCount == 0 || !out->current)
        return;

    const int pih = kinds.GreatestInhalationItem();
    const int single = kinds.SingleMaterialItem();

    if (BatteryExceptionOnly(engine, kinds))
        return;
    CheckSodiumBatteries(engine, kinds);

    PlacardingRoom own;
    OptionPlacards placards(out, kinds, room ? *room : own);

    // 172.505(a), (c): subsidiary placards for poison by inhalation, 2.3, 4.3.
    const auto subsidiary = [](const PlacardKind &k) { return k.subsidiary && !k.exempt; };
    if (AnyKind(kinds, subsidiary)) {
        for (uint32_t i = 0; i < load->itemCount; ++i) {
            const PlacardKind &k = kinds.OfItem(i);
            if (subsidiary(k))
                AddSubsidiaryPlacards(placards.List(), k.reading);
        }
    }

    // 172.301(a)(3): a single material of 8,820 pounds or more.
    if (single >= 0) {
        PlacardWithNumber(engine, placards, kinds, static_cast<uint32_t>(single), kMarkSingleMaterial);
        return;
    }

    // 172.302(a), 172.336: bulk packagings show their numbers.
    if (AnyKind(kinds, [](const PlacardKind &k) { return k.bulk; })) {
        for (uint32_t i = 0; i < load->itemCount; ++i) {
            if (kinds.OfItem(i).bulk)
                PlacardWithNumber(engine, placards, kinds, i, kMarkBulk);
        }
    }

    // 172.313(c): 1,000 kg or more of one poison-by-inhalation material in
    // non-bulk packages.
    if (pih >= 0)
        PlacardWithNumber(engine, placards, kinds, static_cast<uint32_t>(pih), kMarkInhalation);

    const uint64_t table2 = kinds.Table2Pounds();
    const uint64_t fissileUf6 = UraniumHexafluoridePounds(kinds);

    // 172.504(e) Table 1: any quantity.
    const auto table1 = [](const PlacardKind &k) { return k.table1 && !k.exempt && !k.bulk; };
    if (AnyKind(kinds, table1)) {
        for (uint32_t i = 0; i < load->itemCount; ++i) {
            if (table1(kinds.OfItem(i)))
                placards.AddItem(i, 0);
        }
    }

    // 172.505(b): uranium hexafluoride of 454 kg (1,001 pounds) or more also
    // bears CORROSIVE and POISON placards.
    if (fissileUf6 >= kTable2Aggregate) {
        if (!HasPlainPlacard(placards.List(), 8, 0)) {
            Placard corrosive{};
            corrosive.hazClass = 8;
            InsertPlacardByKey(placards.List(), corrosive);
            placards.Changed();
        }
        if (!HasPlainPlacard(placards.List(), 6, 1)) {
            Placard poison{};
            poison.hazClass = 6;
            poison.division = 1;
            InsertPlacardByKey(placards.List(), poison);
            placards.Changed();
        }
    }

    // 172.504(b): the DANGEROUS placard goes first.
    if (dangerous) {
        Placard dangerousPlacard{};
        dangerousPlacard.letter = kLetterDangerous;
        placards.List().insert(placards.List().begin(), dangerousPlacard);
        placards.Changed();
    }

    // 172.504(e) Table 2: from the 1,001-pound aggregate, or always when the
    // material also needs a subsidiary placard, or when every Table 2
    // material is to be placarded.  Covering with DANGEROUS changes no
    // placard.
    for (uint32_t i = 0; i < load->itemCount; ++i) {
        const PlacardKind &k = kinds.OfItem(i);
        if (!k.placardable)
            continue;
        if (!(table2 >= kTable2Aggregate || k.placardableSubsidiary || engine->placardAllHazmats))
            continue;
        if (!dangerous || kinds.CategoryPounds(kinds.KindOf(i)) >= kDangerousCategoryLimit)
            placards.AddItem(i, 0);
        else
            CoverWithDangerous(out, k);
    }

    CheckRadioactive(engine, kinds);

    // 172.325(a): HOT on bulk packagings of elevated temperature materials.
    const auto hot = [](const PlacardKind &k) { return k.elevated && k.bulk; };
    if (AnyKind(kinds, hot)) {
        for (uint32_t i = 0; i < load->itemCount; ++i) {
            const PlacardKind &k = kinds.OfItem(i);
            if (hot(k))
                AddMarking(out, k.reading, kMarkHot);
        }
    }
}

void BuildPlacardOption(Engine *engine, bool dangerous)
{
    BuildPlacardOption(engine, dangerous, PlacardKinds(&engine->load));
}

int PlacardingOptionOrder(bool dangerousFirst, bool dangerousPossible, bool order[2])
{
    int n = 0;
    if (!dangerousFirst)
        order[n++] = false;
    if (dangerousPossible)
        order[n++] = true;
    if (dangerousFirst)
        order[n++] = false;
    return n;
}

} // namespace dravlen

using namespace dravlen;

extern "C" {

DRAVLEN_API void AnalyzeLoad_Engine(Engine *engine) { AnalyzeLoad(engine); }

DRAVLEN_API void DoAllPossiblePlacards_Engine(Engine *engine) { DoAllPossiblePlacards(engine); }

DRAVLEN_API int IsDangerousPossible_Engine(Engine *engine) { return IsDangerousPossible(engine) ? 1 : 0; }

} // extern "C"
