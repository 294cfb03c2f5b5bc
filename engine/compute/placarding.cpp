// Placarding under 49 CFR 172.504 and the identification numbers that go
// with the placards (172.301(a)(3), 172.302(a), 172.313(c), 172.336).
#include "compute/placarding.h"

#include "compute/messages.h"
#include "compute/output_build.h"
#include "compute/placard_rules.h"
#include "compute/record_array.h"
#include "compute/item_kinds.h"
#include "items/hazmat_internal.h"

#include <cstdint>
#include <cstring>
#include <map>
#include <set>
#include <string_view>
#include <vector>

namespace dravlen {

namespace {

// Marking types of the identification numbers.
constexpr int kMarkSingleMaterial = 1; // 172.301(a)(3)
constexpr int kMarkInhalation = 2;     // 172.313(c)
constexpr int kMarkBulk = 3;           // 172.302(a)
constexpr int kMarkHot = 11;           // 172.325(a)

// Exemption numbers used here.
constexpr unsigned kExemptionBatteries = 2; // 173.159(e)

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

uint64_t Pounds(const Hazmat *item) { return GetWeight_Hazmat(item, 0); }

bool PrimaryCodeIs(const Hazmat *item, const char *text)
{
    const char *code = GetHazDivString_Hazmat(item, 0);
    return code && std::strcmp(code, text) == 0;
}

bool IdIs(const Hazmat *item, const char *text)
{
    const char *id = GetID_Hazmat(item);
    return id && std::strcmp(id, text) == 0;
}

// Table 2, not excepted from placarding: the materials the 1,001-pound
// aggregate and the DANGEROUS placard speak of.
bool IsPlacardableTable2(const Hazmat *item)
{
    return IsTable2_Hazmat(item) && !ExemptFromPlacarding_Hazmat(item);
}

// What the 172.504(b) and (c) rules read of each item.  They compare every
// item with every other (category totals), so each item is read once per
// use into this table instead of through the item functions n times over.
// It lives only during one call: items keep no table data.
struct Table2Item {
    bool placardable;     // IsPlacardableTable2
    bool subsidiary;      // HasPlacardableSubsidiary_Hazmat
    bool bulk;            // IsBulkPackaging_Hazmat
    int category;         // primary class and division (SameCategory_Hazmat); -1 without a row
    uint64_t pounds;
};

std::vector<Table2Item> ReadTable2(Engine *engine)
{
    std::vector<Table2Item> items(engine->load.itemCount);
    const std::vector<uint32_t> first = FirstOfKind(&engine->load);
    for (uint32_t i = 0; i < engine->load.itemCount; ++i) {
        const Hazmat *item = Item(engine, i);
        Table2Item &t = items[i];
        t.pounds = Pounds(item);
        if (first[i] != i) {
            // Only the weight differs from an item read before.
            const uint64_t pounds = t.pounds;
            t = items[first[i]];
            t.pounds = pounds;
            continue;
        }
        t.placardable = IsPlacardableTable2(item);
        t.subsidiary = t.placardable && HasPlacardableSubsidiary_Hazmat(item);
        t.bulk = IsBulkPackaging_Hazmat(item);
        t.category = -1;
        if (ItemRow(item)) {
            const HazDiv d = HazardDiv(item, 0);
            t.category = d.hazClass * 256 + d.division;
        }
    }
    return items;
}

// Total weight of the placardable Table 2 materials of each category,
// added up in one walk.
std::map<int, uint64_t> CategoryTotals(const std::vector<Table2Item> &items)
{
    std::map<int, uint64_t> totals;
    for (const Table2Item &t : items)
        if (t.placardable)
            totals[t.category] += t.pounds;
    return totals;
}

// Total weight of the placardable Table 2 materials of item i's category.
uint64_t CategoryPounds(const std::map<int, uint64_t> &totals, const std::vector<Table2Item> &items, uint32_t i)
{
    const auto it = totals.find(items[i].category);
    return it == totals.end() ? 0 : it->second;
}

// Total weight of the placardable Table 2 materials without a placardable
// subsidiary hazard: the 172.504(c) aggregate.
uint64_t Table2Pounds(const std::vector<Table2Item> &items)
{
    uint64_t total = 0;
    for (const Table2Item &t : items)
        if (t.placardable && !t.subsidiary)
            total += t.pounds;
    return total;
}

// Whether the candidates (placardable Table 2 items, restricted to those
// with a placardable subsidiary when withSubsidiary) span two categories.
bool TwoCategories(const std::vector<Table2Item> &items, bool onlyWithSubsidiary)
{
    const Table2Item *reference = nullptr;
    for (const Table2Item &t : items) {
        if (!t.placardable)
            continue;
        if (onlyWithSubsidiary && !t.subsidiary)
            continue;
        if (!reference)
            reference = &t;
        else if (t.category != reference->category)
            return true;
    }
    return false;
}

// Merges a new placard into the current option, or inserts it by key.
void MergeOrInsertPlacard(Output *out, Placard added)
{
    PlacOp *op = out->current;
    if (!op)
        return;
    int found = -1;
    for (int i = 0; i < op->placardCount; ++i) {
        // Either the new placard replaces the one shown, or the one shown
        // already stands for it.
        if (MergePlacard(&op->placards[i], &added) || MergePlacard(&added, &op->placards[i])) {
            found = i;
            break;
        }
    }
    if (found >= 0) {
        // The merged placard may now stand for later ones as well.
        for (int j = found + 1; j < op->placardCount;) {
            if (MergePlacard(&op->placards[j], &op->placards[found]))
                RemoveSlot(op->placards, op->placardCount, j);
            else
                ++j;
        }
        return;
    }
    const uint32_t key = GetHash_Placard(&added);
    int at = 0;
    while (at < op->placardCount && GetHash_Placard(&op->placards[at]) <= key)
        ++at;
    if (Placard *slot = InsertSlot(op->placards, op->placardCount, at))
        *slot = added;
}

// Inserts a placard by key without merging.
void InsertPlacardByKey(Output *out, const Placard &placard)
{
    PlacOp *op = out->current;
    if (!op)
        return;
    const uint32_t key = GetHash_Placard(&placard);
    int at = 0;
    while (at < op->placardCount && GetHash_Placard(&op->placards[at]) <= key)
        ++at;
    if (Placard *slot = InsertSlot(op->placards, op->placardCount, at))
        *slot = placard;
}

bool HasPlainPlacard(const PlacOp *op, int hazClass, int division)
{
    for (int i = 0; i < op->placardCount; ++i) {
        const Placard &p = op->placards[i];
        if (p.hazClass == hazClass && p.division == division && p.letter == 0 && !IsIdPlacard(p))
            return true;
    }
    return false;
}

// Records an item covered by the DANGEROUS placard: the coverage placard is
// valid while every covered item shows one and the same placard.
void CoverWithDangerous(Output *out, const Hazmat *item)
{
    PlacOp *op = out->current;
    Placard own{};
    MakePlacard(&own, item, 0, 0, 0);
    const Placard &c = op->coverage;
    const bool empty = !c.primary && !c.flammableAllowed && !c.hazClass && !c.division && !c.letter;
    if (empty) {
        op->coverage = own;
        op->coverageValid = 1;
    } else if (op->coverageValid && !SamePlacard(op->coverage, own)) {
        op->coverageValid = 0;
    }
}

// An identification number either on the placard itself or, with ID
// placards off, on a separate orange panel beside a placard without it.
void PlacardWithNumber(Engine *engine, const Hazmat *item, int markingType)
{
    Output *out = &engine->output;
    if (engine->bulkPlacards) {
        AddPlacard(out, item, markingType);
    } else {
        AddPlacard(out, item, 0);
        AddMarking(out, item, markingType);
    }
}

// 173.159(e): batteries under the exception travel without placards when
// nothing else is on the vehicle.  Returns true when the exception applies.
bool BatteryExceptionOnly(Engine *engine)
{
    Output *out = &engine->output;
    bool batteryOnly = false;
    for (uint32_t i = 0; i < engine->load.itemCount; ++i) {
        Hazmat *item = Item(engine, i);
        if (!HasExemption_Hazmat(item, kExemptionBatteries)) {
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
void CheckSodiumBatteries(Engine *engine)
{
    Output *out = &engine->output;
    for (uint32_t i = 0; i < engine->load.itemCount; ++i) {
        Hazmat *item = Item(engine, i);
        if (!IdIs(item, "UN3292"))
            continue;
        Hazmat *other = nullptr;
        for (uint32_t j = 0; j < engine->load.itemCount && !engine->load.allSamePID; ++j) {
            if (!IdIs(Item(engine, j), "UN3292")) {
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
void CheckRadioactive(Engine *engine)
{
    Output *out = &engine->output;
    for (uint32_t i = 0; i < engine->load.itemCount; ++i) {
        Hazmat *item = Item(engine, i);
        if (PrimaryCodeIs(item, "7") && GetRadiationClassification_Hazmat(item) == 'H') {
            AddSegregationMessage(out, engine, item, nullptr, 0, 0, kMsgHighwayRouteControlled);
            break;
        }
    }
    uint64_t total = 0;
    bool combinedPosted = false;
    for (uint32_t i = 0; i < engine->load.itemCount; ++i) {
        Hazmat *item = Item(engine, i);
        if (!PrimaryCodeIs(item, "7"))
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

int FindSingleMaterialItem(Engine *engine)
{
    Load *load = &engine->load;
    if (!Has8820Criteria_Load(load) || !Is8820Allowed_Load(load))
        return -1;
    for (uint32_t i = 0; i < load->itemCount; ++i) {
        if (!ExemptFromMarking_Hazmat(Item(engine, i)))
            return static_cast<int>(i);
    }
    return -1;
}

uint64_t UraniumHexafluoridePounds(Engine *engine)
{
    uint64_t total = 0;
    for (uint32_t i = 0; i < engine->load.itemCount; ++i) {
        const Hazmat *item = Item(engine, i);
        if (IdIs(item, "UN2977") || IdIs(item, "UN2978"))
            total += Pounds(item);
    }
    return total;
}

Table2Figures ReadTable2Figures(Engine *engine)
{
    const std::vector<Table2Item> items = ReadTable2(engine);
    const std::map<int, uint64_t> totals = CategoryTotals(items);
    Table2Figures f;
    f.aggregate = Table2Pounds(items);
    for (uint32_t i = 0; i < items.size(); ++i) {
        f.placardable.push_back(items[i].placardable);
        f.subsidiary.push_back(items[i].subsidiary);
        f.bulk.push_back(items[i].bulk);
        f.category.push_back(items[i].category);
        f.categoryPounds.push_back(CategoryPounds(totals, items, i));
    }
    return f;
}

void AddPlacard(Output *out, const Hazmat *item, int markingType)
{
    if (!out->current)
        return;
    bool numberWanted = false;
    if (markingType != 0) {
        // 172.334(a): EXPLOSIVES and RADIOACTIVE placards never show a
        // number; it goes on a separate orange panel.
        if (NoIDsOnPlacards_Hazmat(item)) {
            AddMarking(out, item, markingType);
            markingType = 0;
        } else {
            numberWanted = true;
        }
    }
    if (ExemptFromPlacarding_Hazmat(item)) {
        if (!numberWanted)
            return;
        // Division 6.2 shows its number without a placard (172.504(e) has
        // no placard for it).
        if (PrimaryCodeIs(item, "6.2")) {
            AddMarking(out, item, markingType);
            return;
        }
    }
    Placard added{};
    MakePlacard(&added, item, 0, markingType, 1);
    MergeOrInsertPlacard(out, added);
}

void AddSubsidiaryPlacards(Output *out, const Hazmat *item)
{
    const int count = GetNumHazDivs_Hazmat(item);
    for (int h = 1; h < count; ++h) {
        if (!SubsidiaryNeedsPlacard_Hazmat(item, h))
            continue;
        Placard added{};
        MakePlacard(&added, item, h, 0, 1);
        MergeOrInsertPlacard(out, added);
    }
}

void AddMarking(Output *out, const Hazmat *item, int markingType)
{
    if (!out->current || ExemptFromMarking_Hazmat(item))
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

void DoAllPossiblePlacards(Engine *engine)
{
    // An item of a kind met before offers the same placards, whose keys
    // are then all listed already.
    const std::vector<uint32_t> first = FirstOfKind(&engine->load);
    for (uint32_t i = 0; i < engine->load.itemCount; ++i) {
        if (first[i] != i)
            continue;
        const Hazmat *item = Item(engine, i);
        const int count = GetNumHazDivs_Hazmat(item);
        for (int h = 0; h < count; ++h) {
            for (int variant = 0; variant <= 2; ++variant) {
                Placard p{};
                MakePlacard(&p, item, h, 0, variant);
                InsertAllowedPlacard(&engine->output, p);
            }
        }
    }
}

bool IsDangerousPossible(Engine *engine)
{
    const std::vector<Table2Item> items = ReadTable2(engine);
    // 172.504(c): below the aggregate only materials with a placardable
    // subsidiary hazard need placards at all; DANGEROUS helps only if two
    // of them are of different categories.
    if (Table2Pounds(items) < kTable2Aggregate && !TwoCategories(items, true))
        return false;
    // 172.504(b): two or more categories of Table 2 materials.
    if (!TwoCategories(items, false))
        return false;
    const std::map<int, uint64_t> totals = CategoryTotals(items);
    // The numbers shown by the bulk packagings of each category.
    std::map<int, std::set<std::string_view>> bulkNumbers;
    for (uint32_t j = 0; j < engine->load.itemCount; ++j)
        if (items[j].bulk)
            bulkNumbers[items[j].category].insert(ItemIdDigits(Item(engine, j)));
    for (uint32_t i = 0; i < engine->load.itemCount; ++i) {
        const Table2Item &q = items[i];
        if (!q.placardable)
            continue;
        if (CategoryPounds(totals, items, i) >= kDangerousCategoryLimit)
            continue;
        // The category could be covered by DANGEROUS unless a bulk packaging
        // of it needs its own placard (with ID placards, one showing this
        // very number).
        const auto bulk = bulkNumbers.find(q.category);
        const bool fails = bulk != bulkNumbers.end() &&
                           (!engine->bulkPlacards || bulk->second.count(ItemIdDigits(Item(engine, i))) > 0);
        if (!fails)
            return true;
    }
    return false;
}

void BuildPlacardOption(Engine *engine, bool dangerous)
{
    Load *load = &engine->load;
    Output *out = &engine->output;
    if (load->itemCount == 0 || !out->current)
        return;

    const int pih = GetGreatestPIH_Vehicle(load);
    const int single = FindSingleMaterialItem(engine);

    if (BatteryExceptionOnly(engine))
        return;
    CheckSodiumBatteries(engine);

    // 172.505(a), (c): subsidiary placards for poison by inhalation, 2.3, 4.3.
    for (uint32_t i = 0; i < load->itemCount; ++i) {
        const Hazmat *item = Item(engine, i);
        if (HasPlacardableSubsidiary_Hazmat(item) && !ExemptFromPlacarding_Hazmat(item))
            AddSubsidiaryPlacards(out, item);
    }

    // 172.301(a)(3): a single material of 8,820 pounds or more.
    if (single >= 0) {
        PlacardWithNumber(engine, Item(engine, static_cast<uint32_t>(single)), kMarkSingleMaterial);
        return;
    }

    // 172.302(a), 172.336: bulk packagings show their numbers.
    for (uint32_t i = 0; i < load->itemCount; ++i) {
        const Hazmat *item = Item(engine, i);
        if (IsBulkPackaging_Hazmat(item))
            PlacardWithNumber(engine, item, kMarkBulk);
    }

    // 172.313(c): 1,000 kg or more of one poison-by-inhalation material in
    // non-bulk packages.
    if (pih >= 0)
        PlacardWithNumber(engine, Item(engine, static_cast<uint32_t>(pih)), kMarkInhalation);

    const std::vector<Table2Item> table2Items = ReadTable2(engine);
    const std::map<int, uint64_t> categoryTotals = CategoryTotals(table2Items);
    const uint64_t table2 = Table2Pounds(table2Items);
    const uint64_t fissileUf6 = UraniumHexafluoridePounds(engine);

    // 172.504(e) Table 1: any quantity.
    for (uint32_t i = 0; i < load->itemCount; ++i) {
        const Hazmat *item = Item(engine, i);
        if (IsTable1_Hazmat(item) && !ExemptFromPlacarding_Hazmat(item) && !IsBulkPackaging_Hazmat(item))
            AddPlacard(out, item, 0);
    }

    // 172.505(b): uranium hexafluoride of 454 kg (1,001 pounds) or more also
    // bears CORROSIVE and POISON placards.
    if (fissileUf6 >= kTable2Aggregate) {
        if (!HasPlainPlacard(out->current, 8, 0)) {
            Placard corrosive{};
            corrosive.hazClass = 8;
            InsertPlacardByKey(out, corrosive);
        }
        if (!HasPlainPlacard(out->current, 6, 1)) {
            Placard poison{};
            poison.hazClass = 6;
            poison.division = 1;
            InsertPlacardByKey(out, poison);
        }
    }

    // 172.504(b): the DANGEROUS placard goes first.
    if (dangerous) {
        PlacOp *op = out->current;
        if (Placard *slot = InsertSlot(op->placards, op->placardCount, 0))
            slot->letter = kLetterDangerous;
    }

    // 172.504(e) Table 2: from the 1,001-pound aggregate, or always when the
    // material also needs a subsidiary placard, or when every Table 2
    // material is to be placarded.
    for (uint32_t i = 0; i < load->itemCount; ++i) {
        const Hazmat *item = Item(engine, i);
        if (!table2Items[i].placardable)
            continue;
        if (!(table2 >= kTable2Aggregate || table2Items[i].subsidiary || engine->placardAllHazmats))
            continue;
        if (!dangerous || CategoryPounds(categoryTotals, table2Items, i) >= kDangerousCategoryLimit)
            AddPlacard(out, item, 0);
        else
            CoverWithDangerous(out, item);
    }

    CheckRadioactive(engine);

    // 172.325(a): HOT on bulk packagings of elevated temperature materials.
    for (uint32_t i = 0; i < load->itemCount; ++i) {
        const Hazmat *item = Item(engine, i);
        if (IsElevatedTemperature_Hazmat(item) && IsBulkPackaging_Hazmat(item))
            AddMarking(out, item, kMarkHot);
    }
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
