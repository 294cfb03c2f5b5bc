// The engine handle: one truckload, one output, three placarding switches,
// and the calculation that turns the truckload into results.
#include "dravlen.h"

#include "compute/explosives.h"
#include "compute/kind_facts.h"
#include "compute/load_markings.h"
#include "compute/output_build.h"
#include "compute/placard_kinds.h"
#include "compute/placarding.h"
#include "compute/segregation.h"
#include "refdata/store.h"

#include <cstdlib>
#include <memory>
#include <mutex>
#include <unordered_map>

namespace dravlen {

namespace {

// Division 1.5 is a Table 2 material (172.504(e)): it needs EXPLOSIVES 1.5
// placards from an aggregate of 1,001 pounds (172.504(c)), and only then may
// those placards stand for OXIDIZER (172.504(f)(5)).
constexpr uint32_t kDivision15Aggregate = 1001;

// What an engine keeps between its calculations besides its public fields:
// room for the lists of the kinds, the placarding steps and the segregation
// pass, so that a calculation does not ask for it again.  The engine
// structure is part of the interface and has no field for it, so it is kept
// here by the engine's address, made by the first calculation and freed by
// Destroy_Engine (a freed engine whose address is taken again by a new one
// lends its room to that one: only room is kept, never contents).
struct EngineScratch {
    struct Free {
        void operator()(SegregationScratch *s) const { DeleteSegregationScratch(s); }
    };
    std::unique_ptr<SegregationScratch, Free> segregation{NewSegregationScratch()};
    KindsRoom kinds;
    PlacardKindsRoom placardKinds;
    PlacardingRoom placarding;
};

std::mutex &ScratchMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::unordered_map<const Engine *, std::unique_ptr<EngineScratch>> &ScratchByEngine()
{
    static auto *map = new std::unordered_map<const Engine *, std::unique_ptr<EngineScratch>>;
    return *map;
}

// The engine's scratch, made on first use.  Engines on different threads
// each have their own; one engine is calculated by one thread at a time.
EngineScratch &ScratchOf(const Engine *engine)
{
    const std::lock_guard<std::mutex> lock(ScratchMutex());
    std::unique_ptr<EngineScratch> &s = ScratchByEngine()[engine];
    if (!s)
        s = std::make_unique<EngineScratch>();
    return *s;
}

void ForgetScratch(const Engine *engine)
{
    std::unique_ptr<EngineScratch> gone;
    const std::lock_guard<std::mutex> lock(ScratchMutex());
    const auto it = ScratchByEngine().find(engine);
    if (it != ScratchByEngine().end()) {
        gone = std::move(it->second);
        ScratchByEngine().erase(it);
    }
}

} // namespace

} // namespace dravlen

using namespace dravlen;

extern "C" {

DRAVLEN_API int GetSizeOf_Engine(void) { return sizeof(Engine); }

DRAVLEN_API Engine *Alloc_Engine(void) { return static_cast<Engine *>(std::malloc(sizeof(Engine))); }

DRAVLEN_API Engine *Init_Engine(Engine *engine)
{
    engine->dangerousFirst = 0;
    Init_Load(&engine->load);
    Init_Output(&engine->output);
    AcquireReferenceStore();
    engine->bulkPlacards = 1;
    engine->placardAllHazmats = 0;
    return engine;
}

DRAVLEN_API void Destroy_Engine(Engine *engine)
{
    Reset_Load(&engine->load);
    Reset_Output(&engine->output);
    ForgetScratch(engine);
    ReleaseReferenceStore();
}

DRAVLEN_API Load *GetLoad_Engine(Engine *engine) { return &engine->load; }

DRAVLEN_API int Calculate_Engine(Engine *engine)
{
    Output *out = &engine->output;

    // 1-3: fresh output, load summary, allowed placards.  The message list
    // of the calculation before is kept aside: the new messages are written
    // into it when they fit (its count is its room, see MessageBook).
    HazSeg *spareMessages = out->messages;
    const size_t spareCount = static_cast<size_t>(out->messageCount > 0 ? out->messageCount : 0);
    out->messages = nullptr;
    out->messageCount = 0;
    Reset_Output(out);
    AnalyzeLoad(engine);
    EngineScratch &scratch = ScratchOf(engine);
    // The placarding answers of each kind of item, read once for every pass.
    const LoadKinds loadKinds(&engine->load, &scratch.kinds);
    const PlacardKinds kinds(loadKinds, &scratch.placardKinds);
    DoAllPossiblePlacards(engine, kinds, &scratch.placarding);

    // 4: the placarding options; appending one makes it current and the
    // builder works on the current option.
    bool order[2];
    const int options = PlacardingOptionOrder(engine->dangerousFirst != 0,
                                              IsDangerousPossible(engine, kinds), order);
    for (int i = 0; i < options; ++i) {
        if (AppendPlacOp(out) >= 0)
            BuildPlacardOption(engine, order[i], kinds, &scratch.placarding);
    }

    // 5: explosives present in the load.
    const ExplosivesSummary explosives = SummarizeExplosives(loadKinds);

    // 6: the passes over every option that exists at that moment.
    MarkCompressedGasNames(engine);
    MarkMarinePollutants(engine);
    MarkMoltenMaterials(engine);
    MarkNonOdorizedLpg(engine);
    MarkSourCrude(engine);
    AddPlacardAlternatives(engine, explosives.division11or12,
                           explosives.division15Pounds >= kDivision15Aggregate);
    ApplyOrganicPeroxideTransition(engine);
    CheckSegregation(engine, loadKinds, spareMessages, spareCount, scratch.segregation.get());
    return 1;
}

DRAVLEN_API int GetLegality_Engine(const Engine *engine) { return GetLegality_Output(&engine->output); }

DRAVLEN_API int GetNumOutputs_Engine(const Engine *engine) { return GetNumPlacOps_Output(&engine->output); }

DRAVLEN_API Output *GetOutput_Engine(Engine *engine, int index)
{
    if (index < 0 || !SetPlacOp_Output(&engine->output, static_cast<uint32_t>(index)))
        return nullptr;
    return &engine->output;
}

DRAVLEN_API void ShowDangerousOptionFirst_Engine(Engine *engine, int value) { engine->dangerousFirst = value; }
DRAVLEN_API int IsDangerousOptionFirst_Engine(const Engine *engine) { return engine->dangerousFirst; }
DRAVLEN_API void SetBulkPlacards_Engine(Engine *engine, int value) { engine->bulkPlacards = value; }
DRAVLEN_API int UsingBulkPlacards_Engine(const Engine *engine) { return engine->bulkPlacards; }
DRAVLEN_API void SetPlacardAllHazmats_Engine(Engine *engine, int value) { engine->placardAllHazmats = value; }
DRAVLEN_API int PlacardAllHazmats_Engine(const Engine *engine) { return engine->placardAllHazmats; }

} // extern "C"
