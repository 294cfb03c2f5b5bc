// Making placards and the supersession rules between them.
#include "compute/placard_rules.h"

#include "compute/output_build.h"
#include "items/hazmat_internal.h"

#include <cstring>

namespace dravlen {

namespace {

// 172.504(f)(2): exemption 16 lets a FLAMMABLE placard stand for the
// COMBUSTIBLE placard of a combustible liquid.
constexpr unsigned kExemptionFlammableForCombustible = 16;

constexpr int kPackingGroupIIISlot = 3;

bool Is(const Placard &p, int hazClass, int division)
{
    return p.hazClass == hazClass && p.division == division;
}

bool IsPoisonByInhalationZoned(const ItemReading &r)
{
    if (!PoisonByInhalation(r))
        return false;
    const char zone = HazardZone(r);
    return zone >= 'A' && zone <= 'D';
}

// The digits after the ID's two-letter prefix, or "" when none.
const char *IdDigits(const char *id)
{
    if (!id || !id[0] || !id[1])
        return "";
    return id + 2;
}

int IdNumber(const char *id)
{
    int number = 0;
    for (const char *c = IdDigits(id); *c >= '0' && *c <= '9'; ++c)
        number = number * 10 + (*c - '0');
    return number;
}

} // namespace

const char *ItemIdDigits(const Hazmat *item) { return IdDigits(GetID_Hazmat(item)); }

const char *ItemIdDigits(const ItemReading &r) { return IdDigits(ItemID(r)); }

int ItemIdNumber(const Hazmat *item) { return IdNumber(GetID_Hazmat(item)); }

Marking MakeItemMarking(const Hazmat *item, int type) { return MakeItemMarking(ReadItem(item), type); }

Marking MakeItemMarking(const ItemReading &r, int type)
{
    Marking m{};
    m.type = type;
    m.pid = r.item->pid;
    // 172.328(b) names the gas on a cargo tank by its shipping name only.
    m.idNumber = type == 7 ? 0 : IdNumber(ItemID(r));
    m.psn = RomanName(r.item, r.row);
    return m;
}

namespace {

// The placard for hazard h before its variant is chosen; false (placard
// untouched) when h is not a hazard index of the item.
bool StartPlacard(Placard *placard, const ItemReading &r, int h, int markingType, const char **code)
{
    if (h < 0 || h >= r.hazardCount)
        return false;
    std::memset(placard, 0, sizeof *placard);

    *code = HazardCode(r, h);
    const HazDiv hd = HazardDiv(r, h); // an unparsable code leaves class 0, no letter
    placard->hazClass = hd.hazClass;
    placard->division = hd.division;
    placard->letter = hd.compatGroup;

    placard->primary = h == 0;
    placard->flammableAllowed = Held(r, kExemptionFlammableForCombustible) ? 1 : 0;
    if (placard->primary) {
        // Only the primary placard can carry the item's number (172.334(c)).
        placard->marking = MakeItemMarking(r, markingType);
    }

    // 172.555: POISON INHALATION HAZARD for materials poisonous by inhalation.
    if (Is(*placard, 6, 1) && IsPoisonByInhalationZoned(r))
        placard->letter = kLetterInhalation;
    return true;
}

void ApplyVariant(Placard *placard, const ItemReading &r, const char *code, int h, int markingType, int variant)
{
    const int pid = r.item->pid;
    if (variant == 1) {
        // 172.544(c): FUEL OIL may stand for COMBUSTIBLE on fuel oil.
        if (pid == kPidFuelOilEntry && code && std::strcmp(code, "COMB") == 0 && h == 0)
            placard->letter = kLetterFuelOil;
        // 172.542(c): GASOLINE may stand for FLAMMABLE on gasoline.
        if (pid == kPidGasolineEntry && h == 0)
            placard->letter = kLetterGasoline;
        if (markingType == 0) {
            // 172.504(f)(7): OXYGEN may stand for NON-FLAMMABLE GAS on oxygen.
            if ((pid == kPidOxygenCompressed || pid == kPidOxygenRefrigerated) && h == 0)
                placard->letter = kLetterOxygen;
            // 172.504(f)(10): a packing group III poison may show "PG III".
            if (Is(*placard, 6, 1) && r.row && r.slot == kPackingGroupIIISlot)
                placard->letter = kLetterPoisonPG3;
        }
    } else if (variant == 2) {
        if (markingType == 0 && Is(*placard, 6, 1) && placard->letter == 0)
            placard->letter = kLetterPoisonAlt;
    }
}

} // namespace

void MakePlacard(Placard *placard, const Hazmat *item, int h, int markingType, int variant)
{
    MakePlacard(placard, ReadItem(item), h, markingType, variant);
}

void MakePlacard(Placard *placard, const ItemReading &r, int h, int markingType, int variant)
{
    const char *code = nullptr;
    if (StartPlacard(placard, r, h, markingType, &code))
        ApplyVariant(placard, r, code, h, markingType, variant);
}

bool MakePlacardVariants(Placard variants[3], const ItemReading &r, int h)
{
    Placard start;
    const char *code = nullptr;
    if (!StartPlacard(&start, r, h, 0, &code))
        return false;
    for (int variant = 0; variant <= 2; ++variant) {
        variants[variant] = start;
        ApplyVariant(&variants[variant], r, code, h, 0, variant);
    }
    return true;
}

bool SamePlacard(const Placard &a, const Placard &b)
{
    return a.hazClass == b.hazClass && a.division == b.division && a.letter == b.letter
        && a.flammableAllowed == b.flammableAllowed && SameMarking(a.marking, b.marking);
}

bool SupersedesPlacard(const Placard &a, const Placard &b)
{
    // Every rule below relates placards of one class, but for POISON GAS
    // standing for POISON (class 2 for class 6): the placards of a truckload
    // are compared pairwise, and most pairs differ in class.
    if (a.hazClass != b.hazClass && !(a.hazClass == 6 && b.hazClass == 2))
        return false;
    const bool aId = IsIdPlacard(a);
    const bool bId = IsIdPlacard(b);
    const bool sameNumber = a.marking.idNumber == b.marking.idNumber;

    if (SamePlacard(a, b))
        return true;
    // A number once shown is never dropped, nor replaced by another number.
    if (aId && !bId)
        return false;
    if (bId && !sameNumber)
        return false;
    if (a.hazClass == b.hazClass && a.division == b.division && a.letter == b.letter
        && a.flammableAllowed == b.flammableAllowed)
        return true;
    // 172.504(f)(2): the FLAMMABLE placard with the number may stand for the
    // COMBUSTIBLE placard of the same material, and the COMBUSTIBLE placard
    // with the number for the same material's class 3 placard.
    if (bId && b.hazClass == 3 && b.letter == 0 && a.hazClass == 3 && a.letter == kLetterCombustible)
        return true;
    if (bId && b.hazClass == 3 && b.letter == kLetterCombustible && a.hazClass == 3)
        return true;
    // 172.504(f)(7) is optional: NON-FLAMMABLE GAS with the number may stand
    // for OXYGEN.
    if (Is(a, 2, 2) && a.letter == kLetterOxygen && bId && Is(b, 2, 2) && b.letter == 0)
        return true;
    // 172.504(f)(1): the lower division number of class 1 governs.
    if (a.hazClass == 1 && b.hazClass == 1 && a.division >= b.division)
        return true;
    // 172.504(f)(3): FLAMMABLE GAS makes NON-FLAMMABLE GAS (and OXYGEN)
    // unnecessary.
    if (Is(a, 2, 2) && (a.letter == 0 || a.letter == kLetterOxygen) && Is(b, 2, 1))
        return true;
    if (Is(a, 2, 2) && a.letter == 0 && Is(b, 2, 2) && b.letter == kLetterOxygen)
        return true;
    // 172.504(f)(8), (f)(11): POISON GAS makes POISON and POISON INHALATION
    // HAZARD unnecessary.
    if (Is(a, 6, 1) && (a.letter == kLetterInhalation || a.letter == 0 || a.letter == kLetterPoisonPG3)
        && Is(b, 2, 3))
        return true;
    // 172.542(c): GASOLINE is an optional wording of FLAMMABLE.
    if (a.hazClass == 3 && a.letter == kLetterGasoline && b.hazClass == 3 && b.letter == 0)
        return true;
    const bool aCombOrFuel = a.hazClass == 3 && (a.letter == kLetterCombustible || a.letter == kLetterFuelOil);
    // 172.504(f)(2): FLAMMABLE may stand for COMBUSTIBLE (and FUEL OIL).
    if (aCombOrFuel && a.flammableAllowed && b.hazClass == 3 && b.letter == 0)
        return true;
    if (aCombOrFuel && b.hazClass == 3 && b.letter == a.letter && !b.flammableAllowed)
        return true;
    // 172.544(c): FUEL OIL is an optional wording of COMBUSTIBLE.
    if (a.hazClass == 3 && a.division == 0 && a.letter == kLetterFuelOil && b.hazClass == 3
        && b.division == 0 && b.letter == kLetterCombustible)
        return true;
    // 172.504(f)(11): POISON INHALATION HAZARD makes POISON unnecessary.
    if (Is(a, 6, 1) && (a.letter == 0 || a.letter == kLetterPoisonPG3) && Is(b, 6, 1)
        && b.letter == kLetterInhalation)
        return true;
    // 172.504(f)(10): the PG III wording is optional on the POISON placard.
    if (Is(a, 6, 1) && a.letter == kLetterPoisonPG3 && Is(b, 6, 1) && b.letter == 0)
        return true;
    return false;
}

bool MergePlacard(Placard *a, Placard *b)
{
    if (!SupersedesPlacard(*a, *b))
        return false;
    const int primary = (a->primary || b->primary) ? 1 : 0;
    // 172.504(f)(2) lets FLAMMABLE stand for COMBUSTIBLE, never the reverse:
    // when the number of a combustible liquid stands in for a FLAMMABLE (or
    // GASOLINE) placard of the same number, the merged placard stays FLAMMABLE.
    const bool aFlammable = a->hazClass == 3 && (a->letter == 0 || a->letter == kLetterGasoline);
    *a = *b;
    a->primary = primary;
    b->primary = primary;
    // The number of a combustible liquid on a FLAMMABLE placard (172.504(f)(2)).
    if (IsIdPlacard(*b) && b->hazClass == 3 && b->letter == kLetterCombustible && a->hazClass == 3) {
        b->letter = 0;
        if (aFlammable)
            a->letter = 0;
    }
    return true;
}

namespace {

// Every field the same.
bool SameFields(const Placard &a, const Placard &b)
{
    return a.marking.type == b.marking.type && a.marking.pid == b.marking.pid &&
           a.marking.idNumber == b.marking.idNumber && a.marking.psn == b.marking.psn && a.primary == b.primary &&
           a.flammableAllowed == b.flammableAllowed && a.hazClass == b.hazClass && a.division == b.division &&
           a.letter == b.letter;
}

// Whether SupersedesPlacard may hold between a and b either way: placards
// of one class, or POISON GAS (class 2) and a class 6 placard.  Every other
// pair is left alone by MergePlacard.
bool MayMerge(const Placard &a, const Placard &b)
{
    return a.hazClass == b.hazClass || (a.hazClass == 6 && b.hazClass == 2) || (a.hazClass == 2 && b.hazClass == 6);
}

} // namespace

void InsertPlacardByKey(std::vector<Placard> &list, const Placard &placard)
{
    const uint32_t key = GetHash_Placard(&placard);
    size_t at = 0;
    while (at < list.size() && GetHash_Placard(&list[at]) <= key)
        ++at;
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(at), placard);
}

bool MergeOrInsertPlacard(std::vector<Placard> &list, const Placard &offered)
{
    Placard added = offered;
    const size_t count = list.size();
    for (size_t i = 0; i < count; ++i) {
        Placard &shown = list[i];
        if (!MayMerge(shown, added))
            continue;
        const Placard before = shown;
        // Either the new placard replaces the one shown, or the one shown
        // already stands for it.
        if (!MergePlacard(&shown, &added) && !MergePlacard(&added, &shown))
            continue;
        // The merged placard may now stand for later ones as well.
        for (size_t j = i + 1; j < list.size();) {
            if (MayMerge(list[j], list[i]) && MergePlacard(&list[j], &list[i]))
                list.erase(list.begin() + static_cast<std::ptrdiff_t>(j));
            else
                ++j;
        }
        return count != list.size() || !SameFields(before, list[i]);
    }
    InsertPlacardByKey(list, added);
    return true;
}

} // namespace dravlen
