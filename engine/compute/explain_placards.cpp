// The placards of an option and the materials without one: which rule of
// 49 CFR 172.504 or 172.505 required each placard, with its figures, which
// placard stands for another (172.504(f)), and why a material needs none
// (172.500(b), 172.504(c), (d), (f)(9)).  DANGEROUS offered or not
// (172.504(b)).
#include "compute/explain.h"

#include "compute/explain_words.h"
#include "compute/load_figures.h"
#include "compute/placard_rules.h"
#include "compute/placarding.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <set>

namespace dravlen {
namespace {

constexpr unsigned kExemptionBatteries = 2; // 173.159(e)

struct Rule {
    std::string text;
    std::string citation;
};

// What the placarding made of one item's primary hazard in this option.
struct ItemRule {
    bool required = false;     // its placard is required
    bool covered = false;      // DANGEROUS stands for it in this option
    bool wantsNumber = false;  // its placard shows its identification number
    Rule rule;                 // why required, or why not
};

struct Context {
    Engine *engine;
    Load *load;
    const PlacOp &option;
    bool dangerous;
    Table2Figures f;
    int single;
    int pih;
    bool batteryOnly;
};

const Hazmat *ItemAt(const Context &c, uint32_t i) { return &c.load->items[i]; }

bool CodeIs(const Hazmat *item, int h, const char *code)
{
    const char *c = GetHazDivString_Hazmat(item, h);
    return c && std::strcmp(c, code) == 0;
}

bool UsesDangerous(const PlacOp &op)
{
    for (int i = 0; i < op.placardCount; ++i)
        if (op.placards[i].hazClass == 0 && op.placards[i].letter == kLetterDangerous)
            return true;
    return false;
}

// 173.159(e): batteries under the exception, one entry alone on the vehicle.
bool BatteryExceptionOnly(const Load *load)
{
    if (load->itemCount == 0 || !load->allSamePID)
        return false;
    for (uint32_t i = 0; i < load->itemCount; ++i)
        if (!HasExemption_Hazmat(&load->items[i], kExemptionBatteries))
            return false;
    return true;
}

// Why a material of neither table of 172.504(e), or of a class the
// placarding exceptions name, needs no placard; empty when none says.
Rule ClassRule(const Hazmat *item)
{
    HazDiv d{};
    Init_HazDiv(&d, GetHazDivString_Hazmat(item, 0));
    if (CodeIs(item, 0, "COMB") && !IsBulkPackaging_Hazmat(item))
        return {"combustible liquid in non-bulk packaging: the placarding rules do not apply", "49 CFR 172.500(b)(5)"};
    if (d.hazClass == 9)
        return {"Class 9: no CLASS 9 placard is required in domestic transportation", "49 CFR 172.504(f)(9)"};
    if (d.hazClass == 6 && d.division == 2)
        return {"infectious substance: the placarding rules do not apply", "49 CFR 172.500(b)(1)"};
    if (d.hazClass == 7)
        return {"Class 7 without the RADIOACTIVE YELLOW-III label or an LSA/SCO placard need: no placard",
                "49 CFR 172.504(e) Table 1"};
    if (d.hazClass == 1 && d.division == 4 && d.compatGroup == 'S')
        return {"Division 1.4S not required to be labeled 1.4S: no EXPLOSIVES 1.4 placard", "49 CFR 172.504(f)(6)"};
    return {};
}

// Why a material excepted from placarding needs no placard.
Rule ExceptionRule(const Hazmat *item)
{
    if (IsLimitedQuantity_Hazmat(item))
        return {"limited quantity: the placarding rules do not apply", "49 CFR 172.500(b)(2)"};
    if (IsExceptedQuantity_Hazmat(item))
        return {"excepted quantity: the placarding rules do not apply", "49 CFR 172.500(b)(4)"};
    if (IsOrmD_Hazmat(item))
        return {"ORM-D: the placarding rules do not apply", "49 CFR 172.500(b)(2)"};
    std::string claimed;
    for (unsigned n = EXEMPTION_FIRST; n <= EXEMPTION_LAST; ++n)
        if (HasExemption_Hazmat(item, n))
            claimed += (claimed.empty() ? "" : ", ") + std::to_string(n);
    Rule byClass = ClassRule(item);
    if (!byClass.text.empty())
        return byClass;
    if (IsResidue_Hazmat(item) && !IsBulkPackaging_Hazmat(item))
        return {"only the residue of a Table 2 material in non-bulk packaging: not counted for placarding",
                "49 CFR 172.504(d)"};
    if (!claimed.empty())
        return {"an exception claimed for it lifts placarding (exemption " + claimed + ")", "49 CFR 172.500(b)"};
    return {"excepted from placarding in highway transportation by its table entry", "49 CFR 172.500(b)"};
}

// Why a material of neither table of 172.504(e) needs no placard.
Rule NoTableRule(const Hazmat *item)
{
    Rule byClass = ClassRule(item);
    if (!byClass.text.empty())
        return byClass;
    return {"in neither table of 172.504(e): no placard", "49 CFR 172.504(e)"};
}

ItemRule RuleOf(const Context &c, uint32_t i)
{
    const Hazmat *item = ItemAt(c, i);
    const Engine *engine = c.engine;
    ItemRule r;
    const bool exempt = ExemptFromPlacarding_Hazmat(item) != 0;
    const bool bulk = IsBulkPackaging_Hazmat(item) != 0;
    const bool numbersOnPlacard = engine->bulkPlacards && !NoIDsOnPlacards_Hazmat(item);
    if (c.batteryOnly) {
        r.rule = {"batteries under the exception of 173.159(e), alone on the vehicle: no placard", "49 CFR 173.159(e)"};
        return r;
    }
    if (c.single >= 0) {
        // The option shows the single material's placard only.
        r.required = true;
        r.wantsNumber = numbersOnPlacard;
        r.rule = {"the single material of the truckload, " + PoundsText(SingleMaterialPounds(c.load)) +
                      " ≥ 8,820 lb declared by the shipper",
                  "49 CFR 172.504(a), 172.301(a)(3)"};
        return r;
    }
    if (bulk && !(exempt && !numbersOnPlacard)) {
        // 172.504(c) excepts non-bulk packages only.
        r.required = true;
        r.wantsNumber = numbersOnPlacard;
        r.rule = {"in bulk packaging (" + PoundsText(GetWeight_Hazmat(item, 0)) +
                      "): placarded in any quantity, the 1,001-lb exception covers non-bulk packages only",
                  "49 CFR 172.504(a), (c)"};
        return r;
    }
    if (exempt) {
        r.rule = ExceptionRule(item);
        return r;
    }
    if (IsTable1_Hazmat(item)) {
        r.required = true;
        r.rule = {"Table 1 material: placarded in any quantity (" + PoundsText(GetWeight_Hazmat(item, 0)) + ")",
                  "49 CFR 172.504(e) Table 1"};
    } else if (c.f.placardable[i]) {
        const uint64_t aggregate = c.f.aggregate;
        if (c.f.subsidiary[i]) {
            r.required = true;
            r.rule = {"a subsidiary hazard that 172.505 placards: placarded in any quantity", "49 CFR 172.504(c), 172.505"};
        } else if (aggregate >= kTable2Aggregate) {
            r.required = true;
            r.rule = {"Table 2 aggregate " + PoundsText(aggregate) + " ≥ 1,001 lb", "49 CFR 172.504(c)"};
        } else if (engine->placardAllHazmats) {
            r.required = true;
            r.rule = {"every Table 2 material placarded by choice (aggregate " + PoundsText(aggregate) + " < 1,001 lb)",
                      "49 CFR 172.504(c)"};
        } else {
            r.rule = {"Table 2 aggregate " + PoundsText(aggregate) + " < 1,001 lb in non-bulk packages: no placard required",
                      "49 CFR 172.504(c)"};
        }
        if (r.required && c.dangerous) {
            const std::string category = CategoryName(c.f.category[i]) + " " + PoundsText(c.f.categoryPounds[i]);
            if (c.f.categoryPounds[i] < kDangerousCategoryLimit) {
                r.covered = true;
                r.rule = {category + " < 2,205 lb: covered by DANGEROUS", "49 CFR 172.504(b)"};
            } else {
                r.rule = {category + " ≥ 2,205 lb loaded at one facility: its own placard beside DANGEROUS",
                          "49 CFR 172.504(b)"};
            }
        }
    } else {
        r.rule = NoTableRule(item);
    }
    if (static_cast<int>(i) == c.pih) {
        r.wantsNumber = numbersOnPlacard;
        if (!r.required) {
            r.required = true;
            r.rule = {"poisonous by inhalation, " + PoundsText(InhalationMaterialPounds(c.load, i)) +
                          " ≥ 2,205 lb in non-bulk packages",
                      "49 CFR 172.313(c)"};
        }
    }
    return r;
}

enum class Match { None, StandsFor, Same, SameNumber };

// How the shown placard answers the item's own placard for one hazard.
Match MatchOf(const Placard &own, const Placard &shown)
{
    if (own.hazClass == shown.hazClass && own.division == shown.division) {
        if (IsIdPlacard(shown) && own.marking.idNumber != shown.marking.idNumber)
            return Match::None;
        // 172.504(f)(2), (f)(11): FLAMMABLE for COMBUSTIBLE, POISON
        // INHALATION HAZARD for POISON.
        if (own.hazClass == 3 && own.letter == kLetterCombustible && shown.letter != kLetterCombustible &&
            shown.letter != kLetterFuelOil)
            return Match::StandsFor;
        if (own.hazClass == 6 && own.letter != kLetterInhalation && shown.letter == kLetterInhalation)
            return Match::StandsFor;
        if (own.hazClass == 1 && own.letter != shown.letter)
            return Match::StandsFor;
        return IsIdPlacard(shown) ? Match::SameNumber : Match::Same;
    }
    return SupersedesPlacard(own, shown) ? Match::StandsFor : Match::None;
}

// The placard of the option that shows an item's hazard: an ID placard with
// its number first when it wants one, then its own placard, then one that
// stands for it.  -1 when none does.
int FindShownPlacard(const PlacOp &op, const Placard &own, bool wantsNumber, Match *how)
{
    const Match order[] = {wantsNumber ? Match::SameNumber : Match::Same,
                           wantsNumber ? Match::Same : Match::SameNumber, Match::StandsFor};
    for (Match wanted : order) {
        for (int k = 0; k < op.placardCount; ++k) {
            if (MatchOf(own, op.placards[k]) == wanted) {
                *how = wanted;
                return k;
            }
        }
    }
    *how = Match::None;
    return -1;
}

const char *StandsForCitation(const Placard &own, const Placard &shown)
{
    if (own.hazClass == 1)
        return "49 CFR 172.504(f)(1)";
    if (own.hazClass == 3)
        return "49 CFR 172.504(f)(2)";
    if (own.hazClass == 2)
        return "49 CFR 172.504(f)(3)";
    if (own.hazClass == 6 && shown.hazClass == 2 && own.letter == kLetterInhalation)
        return "49 CFR 172.504(f)(8)";
    if (own.hazClass == 6)
        return "49 CFR 172.504(f)(11)";
    return "49 CFR 172.504(f)";
}

// The wording a placard's variant letter chose, and the paragraph allowing it.
Rule WordingRule(const Placard &p)
{
    if (p.hazClass == 3 && p.letter == kLetterGasoline)
        return {"GASOLINE may be used in place of FLAMMABLE on a cargo tank of gasoline", "49 CFR 172.542(c)"};
    if (p.hazClass == 3 && p.letter == kLetterFuelOil)
        return {"FUEL OIL may be used in place of COMBUSTIBLE on a cargo tank of fuel oil", "49 CFR 172.544(c)"};
    if (p.hazClass == 2 && p.letter == kLetterOxygen)
        return {"OXYGEN may be used in place of NON-FLAMMABLE GAS for oxygen", "49 CFR 172.504(f)(7)"};
    if (p.hazClass == 5 && p.letter == kLetterOxygen)
        return {"the earlier ORGANIC PEROXIDE placard, allowed until 2014-01-01", "49 CFR 172.552"};
    if (p.hazClass == 6 && p.letter == kLetterPoisonPG3)
        return {"POISON may show \"PG III\" for a packing group III material", "49 CFR 172.504(f)(10)"};
    if (p.hazClass == 6 && p.letter == kLetterPoisonAlt)
        return {"TOXIC may be used in place of POISON", "49 CFR 172.554(b)"};
    if (p.hazClass == 6 && p.letter == kLetterInhalation)
        return {"POISON INHALATION HAZARD for a material poisonous by inhalation", "49 CFR 172.555"};
    return {};
}

// Why a subsidiary hazard has its own placard.
Rule SubsidiaryRule(const Hazmat *item, int h)
{
    const char *code = GetHazDivString_Hazmat(item, h);
    const std::string what = std::string("subsidiary hazard ") + (code ? code : "") + ": placarded in any quantity";
    if (code && std::strcmp(code, "4.3") == 0)
        return {what, "49 CFR 172.505(c)"};
    if (code && (std::strcmp(code, "2.3") == 0 || std::strcmp(code, "6.1") == 0))
        return {what, "49 CFR 172.505(a)"};
    return {what, "49 CFR 172.505"};
}

std::string ItemList(const Load *load, const std::vector<uint32_t> &items)
{
    std::string list;
    for (uint32_t i : items)
        list += (list.empty() ? "" : ", ") + ItemName(&load->items[i]);
    return list;
}

std::string ShownName(const Placard &p)
{
    std::string name = PlacardName(p);
    if (IsIdPlacard(p))
        name += " with " + std::to_string(p.marking.idNumber);
    return name;
}

// Lines of one placard: its rules, each with the items it holds for.
struct PlacardLines {
    std::vector<std::pair<Rule, std::vector<uint32_t>>> groups;
    void Add(const Rule &rule, uint32_t item)
    {
        for (auto &g : groups) {
            if (g.first.text == rule.text && g.first.citation == rule.citation) {
                if (g.second.empty() || g.second.back() != item)
                    g.second.push_back(item);
                return;
            }
        }
        groups.push_back({rule, {item}});
    }
};

} // namespace

void ExplainPlacards(Engine *engine, const PlacOp &option, std::vector<Reason> &out)
{
    Load *load = &engine->load;
    if (load->itemCount == 0)
        return;
    Context c{engine, load, option, UsesDangerous(option), ReadTable2Figures(engine), FindSingleMaterialItem(engine),
              GetGreatestPIH_Vehicle(load), BatteryExceptionOnly(load)};

    std::vector<PlacardLines> lines(static_cast<size_t>(option.placardCount));
    std::vector<Reason> omissions;
    std::vector<uint32_t> covered;
    bool classOnePlacard = false;
    for (int k = 0; k < option.placardCount; ++k)
        classOnePlacard = classOnePlacard || option.placards[k].hazClass == 1;

    for (uint32_t i = 0; i < load->itemCount; ++i) {
        const Hazmat *item = ItemAt(c, i);
        const ItemRule r = RuleOf(c, i);
        // 172.505: subsidiary placards, whatever the primary hazard needs.
        if (!c.batteryOnly && HasPlacardableSubsidiary_Hazmat(item) && !ExemptFromPlacarding_Hazmat(item)) {
            for (int h = 1; h < GetNumHazDivs_Hazmat(item); ++h) {
                if (!SubsidiaryNeedsPlacard_Hazmat(item, h))
                    continue;
                Placard own{};
                MakePlacard(&own, item, h, 0, 0);
                Match how;
                const int k = FindShownPlacard(option, own, false, &how);
                if (k >= 0)
                    lines[static_cast<size_t>(k)].Add(SubsidiaryRule(item, h), i);
            }
        }
        if (r.covered) {
            covered.push_back(i);
            continue;
        }
        if (!r.required) {
            omissions.push_back({REASON_NO_PLACARD,
                                  ItemName(item) + ", " + PoundsText(GetWeight_Hazmat(item, 0)) + ": " + r.rule.text,
                                  r.rule.citation, {i}});
            continue;
        }
        Placard own{};
        MakePlacard(&own, item, 0, 0, 0);
        Match how;
        const int k = FindShownPlacard(option, own, r.wantsNumber, &how);
        if (k < 0) {
            HazDiv d{};
            Init_HazDiv(&d, GetHazDivString_Hazmat(item, 0));
            if (d.hazClass == 5 && d.division == 1 && classOnePlacard)
                omissions.push_back({REASON_NO_PLACARD,
                                      ItemName(item) + ": OXIDIZER is not required beside the EXPLOSIVES placard",
                                      "49 CFR 172.504(f)(4), (f)(5)", {i}});
            else
                omissions.push_back({REASON_NO_PLACARD,
                                      ItemName(item) + ": " + r.rule.text + ", yet no placard of this option shows it",
                                      r.rule.citation, {i}});
            continue;
        }
        lines[static_cast<size_t>(k)].Add(r.rule, i);
        if (how == Match::StandsFor) {
            const Placard &shown = option.placards[k];
            lines[static_cast<size_t>(k)].Add(
                {PlacardName(shown) + " stands for " + PlacardName(own) + " of " + ItemName(item),
                 StandsForCitation(own, shown)},
                i);
        }
    }

    const uint64_t uf6 = UraniumHexafluoridePounds(engine);
    for (int k = 0; k < option.placardCount; ++k) {
        const Placard &p = option.placards[k];
        const std::string name = ShownName(p);
        if (p.hazClass == 0 && p.letter == kLetterDangerous) {
            std::string categories;
            std::set<int> seen;
            for (uint32_t i : covered) {
                if (!seen.insert(c.f.category[i]).second)
                    continue;
                categories += (categories.empty() ? "" : ", ") + CategoryName(c.f.category[i]) + " " +
                              PoundsText(c.f.categoryPounds[i]);
            }
            out.push_back({REASON_PLACARD,
                           "DANGEROUS: in place of the Table 2 placards of " + categories +
                               ", each category below 2,205 lb loaded at one facility",
                           "49 CFR 172.504(b)", covered, k});
            continue;
        }
        auto &groups = lines[static_cast<size_t>(k)].groups;
        if (groups.empty() && !p.primary && (p.hazClass == 8 || (p.hazClass == 6 && p.division == 1)) &&
            uf6 >= kTable2Aggregate) {
            std::vector<uint32_t> items;
            for (uint32_t i = 0; i < load->itemCount; ++i) {
                const char *id = GetID_Hazmat(ItemAt(c, i));
                if (id && (std::strcmp(id, "UN2977") == 0 || std::strcmp(id, "UN2978") == 0))
                    items.push_back(i);
            }
            out.push_back({REASON_PLACARD,
                           name + ": uranium hexafluoride " + PoundsText(uf6) + " ≥ 1,001 lb also bears " +
                               PlacardName(p),
                           "49 CFR 172.505(b)", items, k});
            continue;
        }
        for (const auto &[rule, items] : groups)
            out.push_back({REASON_PLACARD, name + " for " + ItemList(load, items) + ": " + rule.text, rule.citation,
                           items, k});
        if (groups.empty())
            out.push_back({REASON_PLACARD, name + ": one of the placards this option's materials call for",
                           "49 CFR 172.504(e)", {}, k});
        const Rule wording = WordingRule(p);
        if (!wording.text.empty()) {
            std::vector<uint32_t> items;
            for (const auto &g : groups)
                items.insert(items.end(), g.second.begin(), g.second.end());
            out.push_back({REASON_PLACARD, wording.text, wording.citation, items, k});
        }
    }
    if (option.placardCount == 0 && omissions.empty())
        out.push_back({REASON_NO_PLACARD, "No placard: no material of the truckload calls for one", "49 CFR 172.504",
                       {}});
    out.insert(out.end(), omissions.begin(), omissions.end());
}

void ExplainDangerous(Engine *engine, const PlacOp &option, std::vector<Reason> &out)
{
    Load *load = &engine->load;
    const Table2Figures f = ReadTable2Figures(engine);
    // The categories of the placardable Table 2 materials, in load order.
    std::vector<int> categories;
    std::vector<int> withSubsidiary;
    std::vector<uint32_t> items;
    std::map<int, uint64_t> pounds;
    for (uint32_t i = 0; i < load->itemCount; ++i) {
        if (!f.placardable[i])
            continue;
        items.push_back(i);
        pounds[f.category[i]] = f.categoryPounds[i];
        if (std::find(categories.begin(), categories.end(), f.category[i]) == categories.end())
            categories.push_back(f.category[i]);
        if (f.subsidiary[i] &&
            std::find(withSubsidiary.begin(), withSubsidiary.end(), f.category[i]) == withSubsidiary.end())
            withSubsidiary.push_back(f.category[i]);
    }
    if (items.empty())
        return;
    std::string list;
    for (int category : categories)
        list += (list.empty() ? "" : ", ") + CategoryName(category) + " " + PoundsText(pounds[category]);
    const bool uses = UsesDangerous(option);
    if (IsDangerousPossible(engine)) {
        std::string coverable;
        for (int category : categories)
            if (pounds[category] < kDangerousCategoryLimit)
                coverable += (coverable.empty() ? "" : ", ") + CategoryName(category);
        out.push_back({REASON_DANGEROUS,
                       "DANGEROUS offered: " + std::to_string(categories.size()) +
                           " categories of Table 2 materials (" + list + "); " + coverable +
                           " below 2,205 lb may be covered" +
                           (uses ? "; this option uses it" : "; another option uses it"),
                       "49 CFR 172.504(b)", items});
        return;
    }
    std::string why;
    if (f.aggregate < kTable2Aggregate && withSubsidiary.size() < 2)
        why = "Table 2 aggregate " + PoundsText(f.aggregate) + " < 1,001 lb, so no Table 2 placard for it to replace";
    else if (categories.size() < 2)
        why = "one category of Table 2 materials (" + list + "); it takes two or more";
    else
        why = "every category (" + list +
              ") weighs 2,205 lb or more loaded at one facility, or is in bulk packaging that shows its own placard";
    out.push_back({REASON_DANGEROUS, "DANGEROUS not offered: " + why, "49 CFR 172.504(b)", items});
}

} // namespace dravlen
