// Engine speed, through the public interface only.
//
// Targets: first Init_Engine of a process under 1 ms (nothing decoded),
// full name search under 2 ms, Calculate_Engine under 2 us for one item and
// under 50 us for 100 items.
#include "dravlen.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
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

// One item of the entry pid at the given weight; the first packing group the
// entry allows when it has several.  False when the entry cannot be made.
bool MakeItem(Hazmat *item, int pid, uint32_t weight)
{
    if (!Init_Hazmat(item, pid))
        return false;
    if (GetPackingGroup_Hazmat(item) < 0) {
        for (int slot = 1; slot <= 3; ++slot)
            if (SetPackingGroup_Hazmat(item, slot))
                break;
    }
    SetWeight_Hazmat(item, weight);
    return true;
}

// A small deterministic generator, so every run draws the same truckloads.
struct Draw {
    uint64_t state;
    explicit Draw(uint64_t seed) : state(seed) {}
    uint32_t next(uint32_t bound)
    {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<uint32_t>((state >> 33) % bound);
    }
};

// 64 entries common on the road: classes 2-9 and division 1.4.  Call it
// while an engine is alive: the table is read through the reference store.
const std::vector<int> &CommonPids()
{
    static const std::vector<int> pids = [] {
        static const char *const kIds[] = {
            // 1.4
            "UN0012", "UN0014", "UN0323", "UN0336",
            // 2
            "UN1072", "UN1075", "UN1978", "UN1049", "UN1066", "UN1013", "UN1001", "UN1005", "UN1017",
            "UN1950", "UN1006", "UN1011",
            // 3
            "UN1203", "UN1993", "UN1202", "UN1090", "UN1170", "UN1230", "UN1263", "UN1219", "UN1294",
            "UN1307", "UN1863", "UN1267", "UN3475", "UN1987", "UN1133", "UN1268",
            // 4
            "UN1325", "UN1350", "UN1428", "UN1361", "UN2813", "UN1396",
            // 5
            "UN1479", "UN1942", "UN2014", "UN1748", "UN3109", "UN2067",
            // 6
            "UN2810", "UN1593", "UN2811", "UN1710", "UN2902", "UN3373",
            // 7
            "UN2910", "UN2915",
            // 8
            "UN1830", "UN1789", "UN1823", "UN1824", "UN2794", "UN1760", "UN2031", "UN1805",
            // 9
            "UN3082", "UN3077", "UN3480", "UN1845"};
        std::vector<int> out;
        for (const char *id : kIds)
            if (const int pid = SearchCT_HazData(id, 2, 0))
                out.push_back(pid);
        return out;
    }();
    return pids;
}

// 100 items (or count) drawn from the common entries, weights 10-5,000 lb.
void FillRealisticMix(Engine *engine, int count, uint64_t seed)
{
    const std::vector<int> &pids = CommonPids();
    Load *load = GetLoad_Engine(engine);
    Draw draw(seed);
    for (int i = 0; i < count; ++i) {
        Hazmat item;
        if (MakeItem(&item, pids[draw.next(static_cast<uint32_t>(pids.size()))], 10 + draw.next(4991)))
            Add_Load(load, &item);
        Reset_Hazmat(&item, 0);
    }
}

// The first count table entries (in PID order) that a truckload accepts,
// each once.
void FillDistinct(Engine *engine, int count)
{
    Load *load = GetLoad_Engine(engine);
    for (int pid = 1; GetItemCount_Load(load) < static_cast<uint32_t>(count) && pid < 20000; ++pid) {
        if (!GetCTRec_HazData(pid))
            continue;
        Hazmat item;
        if (MakeItem(&item, pid, 100 + 7 * static_cast<uint32_t>(pid % 100)))
            Add_Load(load, &item);
        Reset_Hazmat(&item, 0);
    }
}

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

void BM_CalculateRealisticMix(benchmark::State &state)
{
    EngineFixture f;
    FillRealisticMix(&f.engine, static_cast<int>(state.range(0)), 14);
    for (auto _ : state)
        benchmark::DoNotOptimize(Calculate_Engine(&f.engine));
    state.counters["items"] = GetItemCount_Load(GetLoad_Engine(&f.engine));
}

void BM_CalculateDistinct(benchmark::State &state)
{
    EngineFixture f;
    FillDistinct(&f.engine, static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(Calculate_Engine(&f.engine));
    state.counters["items"] = GetItemCount_Load(GetLoad_Engine(&f.engine));
    // The size of what the calculation must write: in this series it grows
    // faster than the pairs (the first entries are explosives, which seldom
    // conflict with each other).
    state.counters["messages"] = GetNumSegregations_Output(GetOutput_Engine(&f.engine, 0));
}

// The first name search of a process: a fresh reference store (no other
// engine alive), then the first SearchCT_HazData by name.
void BM_FirstNameSearch(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        Engine e;
        Init_Engine(&e);
        state.ResumeTiming();
        benchmark::DoNotOptimize(SearchCT_HazData("sulfuric acid", 0, 0));
        state.PauseTiming();
        Destroy_Engine(&e);
        state.ResumeTiming();
    }
}

// N items of the realistic mix (N = 1,000, 10,000 and 20,000, so that the
// growth shows): added one by one with Add_Load, read back from the
// truckload image, and pasted (item records unserialized one after
// another, each added).  The counter ns_per_item is the CPU time per item.
void CountPerItem(benchmark::State &state, std::clock_t cpu, uint32_t items)
{
    state.counters["items"] = items;
    if (items)
        state.counters["ns_per_item"] =
            1e9 * static_cast<double>(cpu) / CLOCKS_PER_SEC / static_cast<double>(items) / state.iterations();
}

// Fills a fresh engine per iteration: fill(load) is timed (CPU time), the
// engine's setup and teardown are not.
template <typename Fill>
void FillFreshEngines(benchmark::State &state, Fill fill)
{
    std::clock_t cpu = 0;
    uint32_t items = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto f = std::make_unique<EngineFixture>();
        CommonPids();  // read through a live reference store, outside the timing
        state.ResumeTiming();
        const std::clock_t began = std::clock();
        Load *load = GetLoad_Engine(&f->engine);
        fill(load);
        cpu += std::clock() - began;
        state.PauseTiming();
        items = GetItemCount_Load(load);
        f.reset();
        state.ResumeTiming();
    }
    CountPerItem(state, cpu, items);
}

// Adds count items one by one, item i of PID pid(i) and weight weight(i).
template <typename Pid, typename Weight>
void AddOneByOne(Load *load, int count, Pid pid, Weight weight)
{
    for (int i = 0; i < count; ++i) {
        Hazmat item;
        if (MakeItem(&item, pid(i), weight(i)))
            Add_Load(load, &item);
        Reset_Hazmat(&item, 0);
    }
}

void BM_AddManyItems(benchmark::State &state)
{
    const int count = static_cast<int>(state.range(0));
    FillFreshEngines(state, [&](Load *load) {
        const std::vector<int> &pids = CommonPids();
        Draw draw(7);
        // The PID is drawn first, then the weight.
        uint32_t weight = 0;
        AddOneByOne(
            load, count,
            [&](int) {
                const int pid = pids[draw.next(static_cast<uint32_t>(pids.size()))];
                weight = 10 + draw.next(4991);
                return pid;
            },
            [&](int) { return weight; });
    });
}

// The same with every item radioactive (UN2915): the load-level questions
// differ for an all-radioactive truckload, so every append asks whether
// the truckload still is one.
void BM_AddManyRadioactiveItems(benchmark::State &state)
{
    const int count = static_cast<int>(state.range(0));
    FillFreshEngines(state, [&](Load *load) {
        const int pid = SearchCT_HazData("UN2915", 2, 0);
        AddOneByOne(
            load, count, [&](int) { return pid; }, [](int i) { return 10 + static_cast<uint32_t>(i % 500); });
    });
}

void BM_ReadManyItems(benchmark::State &state)
{
    EngineFixture f, g;
    FillRealisticMix(&f.engine, static_cast<int>(state.range(0)), 7);
    uint32_t size = 0;
    void *image = Serialize_Load(GetLoad_Engine(&f.engine), &size);
    std::clock_t cpu = 0;
    for (auto _ : state) {
        const std::clock_t began = std::clock();
        benchmark::DoNotOptimize(Unserialize_Load(GetLoad_Engine(&g.engine), image, size, 0));
        cpu += std::clock() - began;
    }
    qv_free(image);
    CountPerItem(state, cpu, GetItemCount_Load(GetLoad_Engine(&g.engine)));
}

void BM_PasteManyItems(benchmark::State &state)
{
    EngineFixture f;
    FillRealisticMix(&f.engine, static_cast<int>(state.range(0)), 7);
    Load *source = GetLoad_Engine(&f.engine);
    const uint32_t version = GetLatestSerialHazmatVersion();
    std::vector<std::vector<unsigned char>> records;
    for (uint32_t i = 0; i < GetItemCount_Load(source); ++i) {
        Hazmat *item = GetHazmat_Load(source, i);
        std::vector<unsigned char> record(GetSerialSize_Hazmat(item, version));
        Serialize_Hazmat(item, record.data());
        records.push_back(std::move(record));
    }
    FillFreshEngines(state, [&](Load *load) {
        for (const auto &record : records) {
            Hazmat item;
            Init_Hazmat(&item, 0);
            if (Unserialize_Hazmat(&item, record.data(), version) == record.size())
                Add_Load(load, &item);
            Reset_Hazmat(&item, 0);
        }
    });
}

// The saved-truckloads scan with the library alone: 10,000 files of 1-20
// items of the realistic mix, written by Save_Load into a temporary folder;
// each is opened, calculated and its legality read.
void BM_ScanSavedFiles(benchmark::State &state)
{
    const int files = static_cast<int>(state.range(0));
    char folder[] = "/tmp/velmora-bench-XXXXXX";
    if (!mkdtemp(folder)) {
        state.SkipWithError("no temporary folder");
        return;
    }
    std::vector<std::string> paths;
    {
        EngineFixture f;
        Draw draw(99);
        for (int i = 0; i < files; ++i) {
            Reset_Load(GetLoad_Engine(&f.engine));
            FillRealisticMix(&f.engine, 1 + static_cast<int>(draw.next(20)), 1000 + static_cast<uint64_t>(i));
            paths.push_back(std::string(folder) + "/load" + std::to_string(i) + ".vlm");
            if (!Save_Load(GetLoad_Engine(&f.engine), paths.back().c_str())) {
                state.SkipWithError("Save_Load failed");
                break;
            }
        }
    }
    int illegal = 0;
    for (auto _ : state) {
        EngineFixture scan;
        illegal = 0;
        for (const std::string &path : paths) {
            if (!Open_Load(GetLoad_Engine(&scan.engine), path.c_str(), 0))
                continue;
            Calculate_Engine(&scan.engine);
            illegal += GetLegality_Engine(&scan.engine) != 0;
        }
    }
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["not_legal"] = illegal;
    state.counters["max_rss_mb"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    std::filesystem::remove_all(folder);
}

BENCHMARK(BM_FirstInit)->Iterations(1);
BENCHMARK(BM_FullDecode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchByName)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Calculate)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalculateRealisticMix)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalculateDistinct)->Arg(1)->Arg(10)->Arg(50)->Arg(100)->Arg(200)->Arg(500)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FirstNameSearch)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AddManyItems)->Arg(1000)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_AddManyRadioactiveItems)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ReadManyItems)->Arg(1000)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_PasteManyItems)->Arg(1000)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ScanSavedFiles)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);
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
