// Engine speed, through the public interface only.
//
// Targets: first Init_Engine of a process under 1 ms (nothing decoded),
// full name search under 2 ms, Calculate_Engine under 2 us for one item and
// under 50 us for 100 items.
#include "dravlen.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <vector>

namespace {

// The first engine of the process builds the reference store; measured
// once, before anything else touches the library.
double g_firstInitMicros = -1;

struct EngineFixture {
    Engine engine;
    EngineFixture() { Init_Engine(&engine); }
    ~EngineFixture() { Destroy_Engine(&engine); }
};

// A mixed truckload: gasoline bulk, corrosives, a poison gas, oxidizers,
// flammable solids; the mix repeats to the requested size.
void FillLoad(Engine *engine, int count)
{
    static const char *const kIds[] = {"UN1203", "UN1830", "UN1017", "UN1479", "UN1325", "UN1993", "UN2794", "UN1072"};
    Load *load = GetLoad_Engine(engine);
    for (int i = 0; i < count; ++i) {
        const char *id = kIds[i % (sizeof kIds / sizeof kIds[0])];
        const int pid = SearchCT_HazData(id, 2, 0);
        if (pid == 0)
            continue;
        Hazmat item;
        Init_Hazmat(&item, pid);
        if (GetPackingGroup_Hazmat(&item) < 0) {
            for (int slot = 1; slot <= 3; ++slot)
                if (SetPackingGroup_Hazmat(&item, slot))
                    break;
        }
        SetWeight_Hazmat(&item, 200 + 37 * static_cast<unsigned>(i));
        Add_Load(load, &item);
        Reset_Hazmat(&item, 0);
    }
}

void BM_FullDecode(benchmark::State &state)
{
    // No other engine is alive: every iteration builds a fresh reference
    // store, and the first lookup that misses decodes the whole table.
    for (auto _ : state) {
        state.PauseTiming();
        Engine e;
        Init_Engine(&e);
        state.ResumeTiming();
        int rows = 0;
        for (int pid = 1; pid < 4000; ++pid)
            rows += GetCTRec_HazData(pid) != nullptr;
        benchmark::DoNotOptimize(rows);
        state.PauseTiming();
        Destroy_Engine(&e);
        state.ResumeTiming();
    }
}

void BM_SearchByName(benchmark::State &state)
{
    EngineFixture f;
    GetCTRec_HazData(1);  // decode outside the measurement
    for (auto _ : state) {
        int hits = 0;
        for (int pid = SearchCT_HazData("acid", 0, 0); pid; pid = SearchCT_HazData("acid", 0, pid))
            ++hits;
        benchmark::DoNotOptimize(hits);
    }
}

void BM_Calculate(benchmark::State &state)
{
    EngineFixture f;
    FillLoad(&f.engine, static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(Calculate_Engine(&f.engine));
    state.counters["items"] = GetItemCount_Load(GetLoad_Engine(&f.engine));
}

// The saved truckload image of a 100-item truckload: written, then read
// back into a second engine.
void BM_SerializeLoad(benchmark::State &state)
{
    EngineFixture f;
    FillLoad(&f.engine, 100);
    uint32_t size = 0;
    for (auto _ : state) {
        void *image = Serialize_Load(GetLoad_Engine(&f.engine), &size);
        benchmark::DoNotOptimize(image);
        qv_free(image);
    }
    state.counters["bytes"] = size;
}

void BM_UnserializeLoad(benchmark::State &state)
{
    EngineFixture f, g;
    FillLoad(&f.engine, 100);
    uint32_t size = 0;
    void *image = Serialize_Load(GetLoad_Engine(&f.engine), &size);
    for (auto _ : state)
        benchmark::DoNotOptimize(Unserialize_Load(GetLoad_Engine(&g.engine), image, size, 0));
    qv_free(image);
    state.counters["items"] = GetItemCount_Load(GetLoad_Engine(&g.engine));
}

void BM_FirstInit(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(g_firstInitMicros);
    state.counters["first_init_us"] = g_firstInitMicros;
}

BENCHMARK(BM_FirstInit)->Iterations(1);
BENCHMARK(BM_FullDecode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchByName)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Calculate)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SerializeLoad)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UnserializeLoad)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    {
        const auto t0 = std::chrono::steady_clock::now();
        Engine first;
        Init_Engine(&first);
        const auto t1 = std::chrono::steady_clock::now();
        g_firstInitMicros = std::chrono::duration<double, std::micro>(t1 - t0).count();
        Destroy_Engine(&first);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
