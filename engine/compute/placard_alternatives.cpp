// The lawful alternatives to the placards the placarding built: other
// wordings the regulation allows for the same material (FUEL OIL or
// COMBUSTIBLE, GASOLINE or FLAMMABLE, OXYGEN or NON-FLAMMABLE GAS, the
// Division 6.1 variants) and placards that EXPLOSIVES placards make
// unnecessary.  Each alternative becomes an option of its own.
#include "compute/load_markings.h"

#include "compute/output_build.h"
#include "compute/placard_rules.h"
#include "inspection/vehicles.h"
#include "refdata/rulesets.h"

#include <cstring>

namespace dravlen {

namespace {

// Markings that carry only their type.
constexpr int kMarkFuelOil = 4;    // "Fuel Oil" on a cargo tank, 172.336(c)
constexpr int kMarkGasoline = 5;   // "Gasoline" on a cargo tank, 172.336(c)
constexpr int kMarkInhalation = 6; // "Inhalation Hazard", 172.102(c)(1) code 13

// The earlier ORGANIC PEROXIDE placard could be used until 2014-01-01.
constexpr Stamp kOrganicPeroxideTransitionEnd = 1388534401;

Marking TypeOnlyMarking(int type)
{
    Marking m{};
    m.type = type;
    return m;
}

PlacOp &Option(Output *out, int i) { return out->options[i]; }

// Makes option i current, clones it and returns the clone (current).
PlacOp *Clone(Output *out, int i)
{
    out->current = &out->options[i];
    const int copy = ClonePlacOp(out);
    return copy < 0 ? nullptr : &out->options[copy];
}

void ClearNumber(Placard &p) { std::memset(&p.marking, 0, sizeof p.marking); }

// A placard pattern of one rule.
using Pattern = bool (*)(const Placard &);

int FindPlacard(const PlacOp &op, Pattern matches)
{
    for (int i = 0; i < op.placardCount; ++i) {
        if (matches(op.placards[i]))
            return i;
    }
    return -1;
}

// Rules whose alternative is the clone: the clone's placard gets `letter`
// and the clone is dropped when it equals an option already listed.
void AlternativeInClone(Output *out, Pattern matches, char letter)
{
    const int existing = out->optionCount;
    for (int i = 0; i < existing; ++i) {
        const int at = FindPlacard(Option(out, i), matches);
        if (at < 0)
            continue;
        if (PlacOp *clone = Clone(out, i)) {
            clone->placards[at].letter = letter;
            RemoveDuplicatePlacOp(out);
        }
    }
}

// Rules whose alternative stays in the source option: the clone keeps the
// placard as built, the source option's placard (or every placard of the
// pattern, when `all`) gets `letter`, and the source is dropped when it
// equals another option.
void AlternativeInSource(Output *out, Pattern matches, char letter, bool all)
{
    int remaining = out->optionCount;
    int i = 0;
    while (i < remaining) {
        const int at = FindPlacard(Option(out, i), matches);
        if (at < 0) {
            ++i;
            continue;
        }
        if (!Clone(out, i)) {
            ++i;
            continue;
        }
        PlacOp &source = Option(out, i);
        for (int k = at; k < source.placardCount; ++k) {
            if (k == at || (all && matches(source.placards[k])))
                source.placards[k].letter = letter;
        }
        out->current = &source;
        if (RemoveDuplicatePlacOp(out))
            --remaining; // the next option moved into place i
        else
            ++i;
    }
}

bool IsClass3(const Placard &p, char letter) { return p.hazClass == 3 && p.letter == letter; }
bool IsPoison(const Placard &p, char letter) { return p.hazClass == 6 && p.division == 1 && p.letter == letter; }

// 172.504(f)(4), (f)(5): OXIDIZER placards are not required beside
// EXPLOSIVES 1.1 or 1.2 placards, nor beside EXPLOSIVES 1.5 placards.
void DropOxidizers(Output *out, bool division11or12, bool division15Aggregate)
{
    const int existing = out->optionCount;
    for (int i = 0; i < existing; ++i) {
        PlacOp &op = Option(out, i);
        if (op.placardCount == 0)
            continue;
        bool drop = division11or12;
        if (!drop && division15Aggregate) {
            drop = FindPlacard(op, [](const Placard &p) {
                       return p.hazClass == 1 && p.division == 5 && !IsIdPlacard(p);
                   }) >= 0;
        }
        if (!drop)
            continue;
        out->current = &op;
        for (int k = 0; k < op.placardCount;) {
            const Placard &p = op.placards[k];
            if (p.hazClass == 5 && p.division == 1 && !IsIdPlacard(p))
                RemovePlacard(out, k);
            else
                ++k;
        }
    }
}

// Cases A and B: a load of fuel oil only, some of it in bulk (172.544(c),
// 172.336(c), 172.504(f)(2)).
void FuelOilAlternatives(Output *out, bool idPlacards)
{
    Option(out, 0).placards[0].letter = kLetterCombustible;

    PlacOp *fuelOil = Clone(out, 0);
    if (!fuelOil)
        return;
    const int fuelOilIndex = out->optionCount - 1;
    fuelOil->placards[0].letter = kLetterFuelOil;
    if (idPlacards)
        ClearNumber(fuelOil->placards[0]);
    else
        RemoveMarking(out, 0); // the orange panel: FUEL OIL shows no number

    PlacOp *marked = Clone(out, fuelOilIndex);
    if (!marked)
        return;
    const int markedIndex = out->optionCount - 1;
    marked->placards[0].letter = kLetterCombustible;
    InsertMarking(out, TypeOnlyMarking(kMarkFuelOil));

    if (Option(out, 0).placards[0].flammableAllowed) {
        if (PlacOp *flammable = Clone(out, 0))
            flammable->placards[0].letter = 0;
        if (PlacOp *flammable = Clone(out, markedIndex))
            flammable->placards[0].letter = 0;
    }
}

// Case C: a load of gasoline only, some of it in bulk (172.542(c),
// 172.336(c)).
void GasolineAlternatives(Output *out, bool idPlacards)
{
    Option(out, 0).placards[0].letter = 0;

    PlacOp *gasoline = Clone(out, 0);
    if (!gasoline)
        return;
    const int gasolineIndex = out->optionCount - 1;
    gasoline->placards[0].letter = kLetterGasoline;
    if (idPlacards)
        ClearNumber(gasoline->placards[0]);
    else
        RemoveMarking(out, 0);

    if (PlacOp *marked = Clone(out, gasolineIndex)) {
        marked->placards[0].letter = 0;
        InsertMarking(out, TypeOnlyMarking(kMarkGasoline));
    }
}

// Whether an item of the entry `pid` travels in bulk on this truckload
// (for fuel oil, only while it is a combustible liquid).
bool BulkOf(const Load &load, int pid)
{
    for (uint32_t i = 0; i < load.itemCount; ++i) {
        const Hazmat *item = &load.items[i];
        if (GetPID_Hazmat(item) == pid && IsBulkPackaging_Hazmat(item)
            && (pid != kPidFuelOilEntry || std::strcmp(GetHazDivString_Hazmat(item, 0), "COMB") == 0))
            return true;
    }
    return false;
}

// The wordings the regulation allows only on a tank:
// - GASOLINE for FLAMMABLE "on a cargo tank or portable tank used for the
//   transportation of gasoline" (172.542(c));
// - FUEL OIL for COMBUSTIBLE "on a cargo tank or portable tank used for the
//   transportation of fuel oil not classed as a flammable liquid"
//   (172.544(c));
// - FLAMMABLE for COMBUSTIBLE "on a cargo tank, portable tank or
//   compartmented tank car" (172.504(f)(2)).
// Of these a truckload can only say that its vehicle is a cargo tank; a
// bulk item on any other vehicle may be an IBC, which gets the plain
// wording.  Elsewhere the placard falls back to FLAMMABLE or COMBUSTIBLE.
void RestrictTankWordings(Output *out, const Load &load)
{
    const bool cargoTank = IsCargoTankVehicle(load.vehicleCode);
    const bool gasoline = cargoTank && BulkOf(load, kPidGasolineEntry);
    const bool fuelOil = cargoTank && BulkOf(load, kPidFuelOilEntry);
    auto restrict = [&](Placard &p) {
        if (p.hazClass != 3)
            return;
        if (p.letter == kLetterGasoline && !gasoline)
            p.letter = 0;
        if (p.letter == kLetterFuelOil && !fuelOil)
            p.letter = kLetterCombustible;
        if (!cargoTank)
            p.flammableAllowed = 0;
    };
    for (int i = 0; i < out->optionCount; ++i) {
        PlacOp &op = Option(out, i);
        for (int k = 0; k < op.placardCount; ++k)
            restrict(op.placards[k]);
        out->current = &op;
        for (int k = op.placardCount - 1; k > 0; --k) {
            for (int j = 0; j < k; ++j) {
                if (SamePlacard(op.placards[j], op.placards[k])) {
                    RemovePlacard(out, k);
                    break;
                }
            }
        }
    }
    for (int k = out->allowedCount - 1; k >= 0; --k) {
        Placard p = out->allowed[k];
        const char letter = p.letter;
        restrict(p);
        if (p.letter != letter) {
            // The wording is not allowed here; its plain form is listed
            // on its own.
            std::memmove(&out->allowed[k], &out->allowed[k + 1],
                         sizeof(Placard) * static_cast<size_t>(out->allowedCount - k - 1));
            --out->allowedCount;
        } else {
            out->allowed[k].flammableAllowed = p.flammableAllowed;
        }
    }
}

// Code 13 materials in bulk show "Inhalation Hazard" unless a placard
// already says so (172.313(a), (b)).
void MarkInhalationHazard(Output *out)
{
    for (int i = 0; i < out->optionCount; ++i) {
        PlacOp &op = Option(out, i);
        const bool saysSo = FindPlacard(op, [](const Placard &p) {
                                return !IsIdPlacard(p)
                                    && ((p.hazClass == 2 && p.division == 3) || IsPoison(p, kLetterInhalation));
                            }) >= 0;
        if (saysSo)
            continue;
        out->current = &op;
        InsertMarking(out, TypeOnlyMarking(kMarkInhalation));
    }
}

} // namespace

void AddPlacardAlternatives(Engine *engine, bool division11or12, bool division15Aggregate)
{
    Output *out = &engine->output;
    const Load &load = engine->load;
    RestrictTankWordings(out, load);
    for (int i = 0; i < out->optionCount; ++i) {
        out->current = &out->options[i];
        SortPlacOp(out);
    }
    for (int i = out->optionCount - 1; i > 0; --i) {
        out->current = &out->options[i];
        RemoveDuplicatePlacOp(out);
    }
    if (out->optionCount == 0)
        return;

    // A fuel oil or gasoline load has one category, so option 0 is the only
    // option built.  It has no placard when the bulk items are excepted from
    // placarding; then there is no wording to choose.  The FUEL OIL and
    // GASOLINE wordings and markings belong to a cargo tank (172.336(c),
    // 172.542(c), 172.544(c)).
    const bool wholeLoadOfOne = load.anyBulk && (load.allFuelOil || load.allGasoline)
                                && IsCargoTankVehicle(load.vehicleCode);
    if (wholeLoadOfOne) {
        if (Option(out, 0).placardCount > 0) {
            if (load.allFuelOil)
                FuelOilAlternatives(out, engine->bulkPlacards != 0);
            else
                GasolineAlternatives(out, engine->bulkPlacards != 0);
        }
        return;
    }

    DropOxidizers(out, division11or12, division15Aggregate);
    // FUEL OIL or COMBUSTIBLE (172.544(c)).
    AlternativeInClone(out, [](const Placard &p) { return IsClass3(p, kLetterFuelOil) && !IsIdPlacard(p); },
                       kLetterCombustible);
    // GASOLINE or FLAMMABLE (172.542(c)).
    AlternativeInClone(out, [](const Placard &p) { return IsClass3(p, kLetterGasoline) && !IsIdPlacard(p); }, 0);
    // FLAMMABLE for COMBUSTIBLE (172.504(f)(2)).
    AlternativeInClone(out,
                       [](const Placard &p) {
                           return IsClass3(p, kLetterCombustible) && !IsIdPlacard(p) && p.flammableAllowed;
                       },
                       0);
    AlternativeInSource(out,
                        [](const Placard &p) {
                            return p.hazClass == 3 && (p.letter == kLetterCombustible || p.letter == kLetterFuelOil)
                                && IsIdPlacard(p) && p.flammableAllowed;
                        },
                        0, true);
    // OXYGEN or NON-FLAMMABLE GAS (172.504(f)(7)).
    AlternativeInClone(out,
                       [](const Placard &p) {
                           return p.hazClass == 2 && p.division == 2 && p.letter == kLetterOxygen && !IsIdPlacard(p);
                       },
                       0);
    // POISON with or without "PG III" (172.504(f)(10)), and the alternative
    // POISON placard.
    AlternativeInSource(out, [](const Placard &p) { return IsPoison(p, kLetterPoisonPG3) && !IsIdPlacard(p); },
                        0, false);
    AlternativeInClone(out, [](const Placard &p) { return IsPoison(p, 0) && !IsIdPlacard(p); }, kLetterPoisonAlt);
    // The number of a combustible liquid on a FLAMMABLE placard: FLAMMABLE
    // for COMBUSTIBLE again, so on a cargo tank only (172.504(f)(2)).
    if (IsCargoTankVehicle(load.vehicleCode))
        AlternativeInSource(out, [](const Placard &p) { return IsClass3(p, kLetterCombustible) && IsIdPlacard(p); },
                            0, false);

    if (load.anyBulkInhalation)
        MarkInhalationHazard(out);
}

void ApplyOrganicPeroxideTransition(Engine *engine)
{
    if (Now() >= kOrganicPeroxideTransitionEnd)
        return;
    Output *out = &engine->output;
    const int existing = out->optionCount;
    for (int i = 0; i < existing; ++i) {
        const auto isOrganicPeroxide = [](const Placard &p) { return p.hazClass == 5 && p.division == 2; };
        if (FindPlacard(Option(out, i), isOrganicPeroxide) < 0)
            continue;
        PlacOp *clone = Clone(out, i);
        if (!clone)
            continue;
        for (int k = 0; k < clone->placardCount; ++k) {
            if (isOrganicPeroxide(clone->placards[k]))
                clone->placards[k].letter = kLetterOxygen;
        }
        RemoveDuplicatePlacOp(out);
    }
}

} // namespace dravlen
