// The saved-truckloads scan as the program runs it, and velmora-check over
// the same files.
//
// 10,000 saved truckloads of 1-20 items each, written by the library's own
// Save_Load into a temporary folder, are read:
//  - BM_ProgramScan: scanSavedTruckloads with legality processed, the rows
//    given to a SavedView (offscreen) and the view painted in the report
//    and the preview (icon) styles;
//  - BM_CheckJson: `velmora-check check --json` over the files, run as a
//    child process; wall time, its CPU time and its peak memory.
// Peak memory is getrusage's ru_maxrss: of this process for the scan, of
// the child for velmora-check.
#include "dravlen.h"
#include "frontend/holders.h"
#include "saved/saved_list.h"
#include "saved/saved_view.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QListWidget>
#include <QTreeWidget>

#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

extern char **environ;

namespace {

// Entries met on the road, classes 1 to 9, some that may not travel
// together: the scan meets legal, illegal and many placard sets.
const char *const kRoadIds[] = {"UN0336", "UN0012", "UN0081", "UN1203", "UN1993", "UN1202", "UN1263", "UN1090",
                                "UN3475", "UN1075", "UN1978", "UN1072", "UN1017", "UN1005", "UN1950", "UN1066",
                                "UN1013", "UN1325", "UN1428", "UN2813", "UN1479", "UN2014", "UN3109", "UN1593",
                                "UN2810", "UN1710", "UN2915", "UN1830", "UN1789", "UN1805", "UN2794", "UN1760",
                                "UN3082", "UN3077", "UN3480", "UN1845", "UN1942"};

// The folder of saved truckloads shared by the benchmarks, written once.
class SavedFolder {
public:
    static SavedFolder &get()
    {
        static SavedFolder folder;
        return folder;
    }
    const std::string &path() const { return path_; }
    // The first `count` files.
    std::vector<std::string> files(size_t count) const
    {
        return {files_.begin(), files_.begin() + static_cast<std::ptrdiff_t>(std::min(count, files_.size()))};
    }
    // A folder holding only the first `count` files (hard links).
    std::string subfolder(size_t count)
    {
        const std::string sub = path_ + "/first" + std::to_string(count);
        if (!std::filesystem::exists(sub)) {
            std::filesystem::create_directory(sub);
            for (const std::string &f : files(count))
                std::filesystem::create_hard_link(f, sub + "/" + std::filesystem::path(f).filename().string());
        }
        return sub;
    }
    ~SavedFolder() { std::filesystem::remove_all(path_); }

private:
    static constexpr int kFiles = 10000;

    SavedFolder()
    {
        char folder[] = "/tmp/velmora-scan-bench-XXXXXX";
        if (!mkdtemp(folder))
            std::abort();
        path_ = folder;
        std::filesystem::create_directory(path_ + "/all");
        velmora::frontend::EngineHolder engine;
        std::vector<int> pids;
        for (const char *id : kRoadIds)
            if (const int pid = SearchCT_HazData(id, 2, 0))
                pids.push_back(pid);
        std::mt19937 random(20261210);
        std::uniform_int_distribution<int> items(1, 20), weight(10, 6000);
        std::uniform_int_distribution<size_t> entry(0, pids.size() - 1);
        for (int n = 0; n < kFiles; ++n) {
            Load *load = engine.load();
            Reset_Load(load);
            for (int i = items(random); i > 0; --i) {
                velmora::frontend::ItemHolder item(pids[entry(random)]);
                if (GetPackingGroup_Hazmat(item.get()) < 0)
                    for (int slot = 1; slot <= 3 && !SetPackingGroup_Hazmat(item.get(), slot); ++slot) {
                    }
                SetWeight_Hazmat(item.get(), static_cast<uint32_t>(weight(random)));
                Add_Load(load, item.get());
            }
            files_.push_back(path_ + "/all/Truckload " + std::to_string(n) + ".vlm");
            if (!Save_Load(load, files_.back().c_str()))
                std::abort();
        }
    }

    std::string path_;
    std::vector<std::string> files_;
};

double peakMegabytes(int who)
{
    struct rusage usage {};
    getrusage(who, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

double seconds(const timeval &t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; }

// The program's scan of N files with legality and icons, then the view
// filled and painted in both styles.
void BM_ProgramScan(benchmark::State &state)
{
    const std::string folder = SavedFolder::get().subfolder(static_cast<size_t>(state.range(0)));
    velmora::ScanOptions options;
    {
        velmora::frontend::EngineHolder engine;
        options.ruleset = GetRuleset_Engine(engine.get());
    }
    options.folders = {QString::fromStdString(folder) + QLatin1Char('/')};
    size_t rows = 0;
    int illegal = 0;
    const double before = peakMegabytes(RUSAGE_SELF);
    for (auto _ : state) {
        const velmora::ScanResult result = velmora::scanSavedTruckloads(options, velmora::SavedFilter{});
        velmora::SavedView view(0);
        view.resize(1200, 800);
        view.setLegalityShown(true);
        view.setRows(result.rows, QString());
        view.show();
        view.setStyle(velmora::SavedView::Style::Report);
        benchmark::DoNotOptimize(view.grab());
        view.setStyle(velmora::SavedView::Style::Preview);
        benchmark::DoNotOptimize(view.grab());
        rows = result.rows.size();
        illegal = 0;
        for (const velmora::SavedRow &row : result.rows)
            illegal += row.legality == 1;
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["illegal"] = illegal;
    state.counters["max_rss_before_mb"] = before;
    state.counters["max_rss_mb"] = peakMegabytes(RUSAGE_SELF);
}

// Child processes are started by a small helper forked before anything
// else: a child's peak memory (ru_maxrss) counts from the memory of the
// process that spawned it, which for this process holds 10,000 rows.
class Spawner {
public:
    struct Outcome {
        int status = -1;
        double cpuSeconds = 0;
        double peakMegabytes = 0;
    };

    static void start()
    {
        int ask[2], answer[2];
        if (pipe(ask) != 0 || pipe(answer) != 0)
            std::abort();
        const pid_t helper = fork();
        if (helper == 0) {
            close(ask[1]);
            close(answer[0]);
            serve(ask[0], answer[1]);
            _exit(0);
        }
        close(ask[0]);
        close(answer[1]);
        toHelper_ = ask[1];
        fromHelper_ = answer[0];
    }

    // Runs argv (standard output to /dev/null) and waits for it.
    static Outcome run(const std::vector<std::string> &argv)
    {
        std::string blob;
        for (const std::string &a : argv)
            blob.append(a).push_back('\0');
        const uint64_t size = blob.size();
        Outcome outcome;
        if (!writeAll(toHelper_, &size, sizeof size) || !writeAll(toHelper_, blob.data(), blob.size()) ||
            !readAll(fromHelper_, &outcome, sizeof outcome))
            outcome.status = -1;
        return outcome;
    }

private:
    static bool writeAll(int fd, const void *data, size_t size)
    {
        for (auto *p = static_cast<const char *>(data); size > 0;) {
            const ssize_t n = write(fd, p, size);
            if (n <= 0)
                return false;
            p += n;
            size -= static_cast<size_t>(n);
        }
        return true;
    }
    static bool readAll(int fd, void *data, size_t size)
    {
        for (auto *p = static_cast<char *>(data); size > 0;) {
            const ssize_t n = read(fd, p, size);
            if (n <= 0)
                return false;
            p += n;
            size -= static_cast<size_t>(n);
        }
        return true;
    }
    static void serve(int in, int out)
    {
        for (uint64_t size = 0; readAll(in, &size, sizeof size);) {
            std::string blob(size, '\0');
            if (!readAll(in, blob.data(), blob.size()))
                return;
            std::vector<char *> argv;
            for (size_t at = 0; at < blob.size(); at = blob.find('\0', at) + 1)
                argv.push_back(blob.data() + at);
            argv.push_back(nullptr);
            posix_spawn_file_actions_t actions;
            posix_spawn_file_actions_init(&actions);
            posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
            Outcome outcome;
            pid_t child = 0;
            if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
                struct rusage usage {};
                wait4(child, &outcome.status, 0, &usage);
                outcome.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
                outcome.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;
            }
            posix_spawn_file_actions_destroy(&actions);
            if (!writeAll(out, &outcome, sizeof outcome))
                return;
        }
    }

    static inline int toHelper_ = -1, fromHelper_ = -1;
};

// velmora-check check --json over N files, output to /dev/null.
void BM_CheckJson(benchmark::State &state)
{
    std::vector<std::string> argv{VELMORA_CHECK_PATH, "check", "--json"};
    for (const std::string &f : SavedFolder::get().files(static_cast<size_t>(state.range(0))))
        argv.push_back(f);
    Spawner::Outcome outcome;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        outcome = Spawner::run(argv);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    if (!WIFEXITED(outcome.status) || WEXITSTATUS(outcome.status) > 2)
        state.SkipWithError("velmora-check failed");
    state.counters["child_cpu_s"] = outcome.cpuSeconds;
    state.counters["child_max_rss_mb"] = outcome.peakMegabytes;
}

} // namespace

BENCHMARK(BM_ProgramScan)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_CheckJson)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

int main(int argc, char **argv)
{
    Spawner::start();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
