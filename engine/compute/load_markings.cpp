// Load-wide markings that do not depend on the placard choice: each is
// added to every placarding option.
#include "compute/load_markings.h"

#include "compute/messages.h"
#include "compute/output_build.h"
#include "compute/placard_rules.h"
#include "inspection/vehicles.h"

#include <cstring>

namespace dravlen {

namespace {

// Marking types.
constexpr int kMarkGasName = 7;         // 172.328(b)
constexpr int kMarkMarinePollutant = 8; // 172.322
constexpr int kMarkMoltenSulfur = 9;    // 172.325(b)
constexpr int kMarkMoltenAluminum = 10; // 172.325(b)
constexpr int kMarkNonOdorized = 12;    // 172.328(e)
constexpr int kMarkSourCrude = 13;      // 172.327

// 172.322(d): the marine pollutant marking exception.
constexpr unsigned kExemptionMarinePollutantMarking = 22;

constexpr int kPidMoltenSulfurNA = 66;
constexpr int kPidMoltenSulfurUN = 1608;
constexpr int kPidMoltenAluminum = 101;

bool OnCargoTank(const Engine *engine) { return IsCargoTankVehicle(engine->load.vehicleCode); }

// 172.322(d)(3) with 172.504(f)(9): the CLASS 9 placard would make the
// MARINE POLLUTANT mark unnecessary.
constexpr int kMsgClass9PlacardForMarinePollutant = 48;

void MarkEveryOption(Output *out, const Marking &marking)
{
    for (int i = 0; i < out->optionCount; ++i) {
        out->current = &out->options[i];
        InsertMarking(out, marking);
    }
}

const Hazmat *FirstItem(Engine *engine, bool (*matches)(const Hazmat *))
{
    for (uint32_t i = 0; i < engine->load.itemCount; ++i) {
        if (matches(&engine->load.items[i]))
            return &engine->load.items[i];
    }
    return nullptr;
}

bool SameText(const char *a, const char *b)
{
    if (!a || !b)
        return a == b;
    return std::strcmp(a, b) == 0;
}

bool HasGasName(const PlacOp &op, const char *psn)
{
    for (int i = 0; i < op.markingCount; ++i) {
        if (op.markings[i].type == kMarkGasName && SameText(op.markings[i].psn, psn))
            return true;
    }
    return false;
}

} // namespace

void MarkCompressedGasNames(Engine *engine)
{
    if (!OnCargoTank(engine))
        return;
    Output *out = &engine->output;
    for (uint32_t i = 0; i < engine->load.itemCount; ++i) {
        const Hazmat *item = &engine->load.items[i];
        const char *code = GetHazDivString_Hazmat(item, 0);
        if (!code || code[0] != '2' || !IsBulkPackaging_Hazmat(item))
            continue;
        const Marking name = MakeItemMarking(item, kMarkGasName);
        for (int k = 0; k < out->optionCount; ++k) {
            if (HasGasName(out->options[k], name.psn))
                continue;
            out->current = &out->options[k];
            InsertMarking(out, name);
        }
    }
}

// 172.322(b), (c): the MARINE POLLUTANT mark on a bulk packaging and on the
// vehicle.  172.322(d)(3): except by vessel, a bulk packaging or transport
// vehicle that bears a placard needs none, so only the options that show no
// placard get it.  A Class 9 marine pollutant needs no CLASS 9 placard in
// domestic transport (172.504(f)(9)); the message says that one, if
// displayed, makes the mark unnecessary.
void MarkMarinePollutants(Engine *engine)
{
    const Hazmat *item = FirstItem(engine, [](const Hazmat *h) {
        return IsMarinePollutant_Hazmat(h) && !HasExemption_Hazmat(h, kExemptionMarinePollutantMarking);
    });
    if (!item)
        return;
    Output *out = &engine->output;
    const Marking mark = MakeItemMarking(item, kMarkMarinePollutant);
    bool marked = false;
    for (int i = 0; i < out->optionCount; ++i) {
        if (out->options[i].placardCount > 0)
            continue;
        out->current = &out->options[i];
        marked = InsertMarking(out, mark) || marked;
    }
    if (!marked)
        return;
    const Hazmat *class9 = FirstItem(engine, [](const Hazmat *h) {
        const char *code = GetHazDivString_Hazmat(h, 0);
        return IsMarinePollutant_Hazmat(h) && !HasExemption_Hazmat(h, kExemptionMarinePollutantMarking) &&
               code && std::strcmp(code, "9") == 0;
    });
    if (class9)
        AddSegregationMessage(out, engine, class9, nullptr, 0, 0, kMsgClass9PlacardForMarinePollutant);
}

void MarkMoltenMaterials(Engine *engine)
{
    if (!OnCargoTank(engine))
        return;
    if (const Hazmat *sulfur = FirstItem(engine, [](const Hazmat *h) {
            const int pid = GetPID_Hazmat(h);
            return IsBulkPackaging_Hazmat(h) && (pid == kPidMoltenSulfurNA || pid == kPidMoltenSulfurUN);
        }))
        MarkEveryOption(&engine->output, MakeItemMarking(sulfur, kMarkMoltenSulfur));
    if (const Hazmat *aluminum = FirstItem(engine, [](const Hazmat *h) {
            return IsBulkPackaging_Hazmat(h) && GetPID_Hazmat(h) == kPidMoltenAluminum;
        }))
        MarkEveryOption(&engine->output, MakeItemMarking(aluminum, kMarkMoltenAluminum));
}

void MarkNonOdorizedLpg(Engine *engine)
{
    const Hazmat *item = OnCargoTank(engine)
        ? FirstItem(engine, [](const Hazmat *h) { return GetNonOdorizedLPG_Hazmat(h) != 0; })
        : FirstItem(engine, [](const Hazmat *h) {
              return GetNonOdorizedLPG_Hazmat(h) && IsBulkPackaging_Hazmat(h);
          });
    if (item)
        MarkEveryOption(&engine->output, MakeItemMarking(item, kMarkNonOdorized));
}

void MarkSourCrude(Engine *engine)
{
    const Hazmat *item = FirstItem(engine, [](const Hazmat *h) {
        return IsSourCrudeOil_Hazmat(h) && IsBulkPackaging_Hazmat(h);
    });
    if (item)
        MarkEveryOption(&engine->output, MakeItemMarking(item, kMarkSourCrude));
}

} // namespace dravlen
