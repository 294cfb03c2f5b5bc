// velmora-check: checks truckloads from the command line.
//
//   velmora-check check FILE... [--json] [--dangerous-first]
//                 [--no-id-on-placards] [--placard-all] [--ruleset N]
//                 [--pdf OUT.pdf [--paper letter|a4]]
//   velmora-check search TEXT [--by name|class|id]
//   velmora-check show ID|PID
//
// Exit status of check: 0 legal, 1 illegal, 2 cannot be determined (the
// worst over all files), 3 bad input or a PDF that cannot be written.
#include "check/compliance_report.h"
#include "check/pdf_report.h"
#include "check/table_report.h"
#include "check/truckload_reader.h"

#include "report_reader.h"

#include "dravlen.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

using velmora::check::InputError;

constexpr int kBadInput = 3;

const char kUsage[] =
    "usage: velmora-check check FILE... [--json] [--dangerous-first] [--no-id-on-placards]\n"
    "                     [--placard-all] [--ruleset N] [--pdf OUT.pdf [--paper letter|a4]]\n"
    "       velmora-check search TEXT [--by name|class|id]\n"
    "       velmora-check show ID|PID\n";

// One engine for the run, destroyed on every way out.
class EngineHandle {
public:
    EngineHandle() { Init_Engine(&engine_); }
    ~EngineHandle() { Destroy_Engine(&engine_); }
    EngineHandle(const EngineHandle &) = delete;
    EngineHandle &operator=(const EngineHandle &) = delete;
    Engine *get() { return &engine_; }

private:
    Engine engine_;
};

std::string ReadInput(const std::string &path)
{
    if (path == "-")
        return std::string(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw InputError(path + ": cannot be read");
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool IsSavedTruckload(const std::string &path)
{
    return path.size() > 4 && (path.compare(path.size() - 4, 4, ".vlm") == 0 ||
                               path.compare(path.size() - 4, 4, ".VLM") == 0);
}

// A truckload saved by the program.  Read in test mode first: an image
// whose items the current ruleset cannot all represent is refused rather
// than checked with items silently missing.
void ReadSavedTruckload(Engine *engine, const std::string &path)
{
    Load *load = GetLoad_Engine(engine);
    std::ifstream probe(path, std::ios::binary);
    if (!probe)
        throw InputError(path + ": cannot be read");
    if (!Open_Load(load, path.c_str(), -1)) {
        const std::string image = ReadInput(path);
        const int test = Unserialize_Load(load, image.data(), static_cast<uint32_t>(image.size()), -1);
        if (test == 2)
            throw InputError(path + ": some items cannot be represented in the current ruleset");
        throw InputError(path + ": not a saved truckload (the image is malformed)");
    }
    if (!Open_Load(load, path.c_str(), 0))
        throw InputError(path + ": cannot be read");
}

// Worse verdicts win: illegal over undetermined over legal.
int Worse(int a, int b)
{
    auto rank = [](int v) { return v == LEGALITY_ILLEGAL ? 2 : v == LEGALITY_UNDETERMINED ? 1 : 0; };
    return rank(b) > rank(a) ? b : a;
}

int Check(const std::vector<std::string> &args)
{
    bool json = false, dangerousFirst = false, noIds = false, placardAll = false;
    int ruleset = -1;
    std::string pdf;
    bool a4 = false;
    std::vector<std::string> files;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string &a = args[i];
        if (a == "--json") json = true;
        else if (a == "--dangerous-first") dangerousFirst = true;
        else if (a == "--no-id-on-placards") noIds = true;
        else if (a == "--placard-all") placardAll = true;
        else if (a == "--ruleset" && i + 1 < args.size()) {
            try {
                ruleset = std::stoi(args[++i]);
            } catch (...) {
                std::cerr << "velmora-check: --ruleset takes a ruleset number\n";
                return kBadInput;
            }
        } else if (a == "--pdf" && i + 1 < args.size()) {
            pdf = args[++i];
        } else if (a == "--paper" && i + 1 < args.size()) {
            const std::string paper = args[++i];
            if (paper != "letter" && paper != "a4") {
                std::cerr << "velmora-check: --paper takes letter or a4\n";
                return kBadInput;
            }
            a4 = paper == "a4";
        } else if (a.size() > 1 && a[0] == '-' && a != "-") {
            std::cerr << "velmora-check: unknown option " << a << "\n" << kUsage;
            return kBadInput;
        } else {
            files.push_back(a);
        }
    }
    if (files.empty()) {
        std::cerr << kUsage;
        return kBadInput;
    }

    EngineHandle engine;
    ShowDangerousOptionFirst_Engine(engine.get(), dangerousFirst ? -1 : 0);
    SetBulkPlacards_Engine(engine.get(), noIds ? 0 : -1);
    SetPlacardAllHazmats_Engine(engine.get(), placardAll ? -1 : 0);
    if (ruleset >= 0 && !SetRuleset_Engine(engine.get(), ruleset)) {
        std::cerr << "velmora-check: ruleset " << ruleset << " is not active today\n";
        return kBadInput;
    }

    // Every file is read before anything is reported: bad input anywhere
    // stops the run with nothing half-computed.
    std::vector<nlohmann::json> reports;
    std::vector<velmora::reports::TruckloadReport> printed;
    int verdict = 0;
    for (const std::string &file : files) {
        Load *load = GetLoad_Engine(engine.get());
        Reset_Load(load);
        try {
            if (IsSavedTruckload(file))
                ReadSavedTruckload(engine.get(), file);
            else
                velmora::check::ReadTruckloadJson(engine.get(), ReadInput(file), file == "-" ? "(standard input)" : file);
        } catch (const InputError &e) {
            std::cerr << "velmora-check: " << e.what() << "\n";
            return kBadInput;
        }
        reports.push_back(velmora::check::DescribeTruckload(engine.get(), file));
        verdict = Worse(verdict, velmora::check::LegalityOf(reports.back()));
        if (!pdf.empty()) {
            printed.push_back(velmora::reports::readTruckloadReport(engine.get()));
            if (printed.back().truckId.isEmpty())
                printed.back().truckId = QString::fromStdString(file);
        }
    }
    if (!pdf.empty()) {
        const std::string error = velmora::check::WritePdfReport(printed, pdf, a4);
        if (!error.empty()) {
            std::cerr << "velmora-check: " << error << "\n";
            return kBadInput;
        }
    }

    if (json) {
        const nlohmann::json out = reports.size() == 1 ? reports.front() : nlohmann::json(reports);
        std::cout << out.dump(2) << "\n";
    } else {
        for (const nlohmann::json &r : reports)
            std::cout << velmora::check::FormatTruckload(r);
    }
    return verdict;
}

int SearchCommand(const std::vector<std::string> &args)
{
    std::string text;
    int mode = 0;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--by" && i + 1 < args.size()) {
            const std::string by = args[++i];
            if (by == "name") mode = 0;
            else if (by == "class") mode = 1;
            else if (by == "id") mode = 2;
            else {
                std::cerr << "velmora-check: --by takes name, class or id\n";
                return kBadInput;
            }
        } else if (text.empty()) {
            text = args[i];
        } else {
            std::cerr << kUsage;
            return kBadInput;
        }
    }
    if (text.empty()) {
        std::cerr << kUsage;
        return kBadInput;
    }
    EngineHandle engine;
    bool found = false;
    std::cout << velmora::check::SearchEntries(text, mode, found);
    return found ? 0 : 1;
}

int ShowCommand(const std::vector<std::string> &args)
{
    if (args.size() != 1) {
        std::cerr << kUsage;
        return kBadInput;
    }
    EngineHandle engine;
    bool found = false;
    std::cout << velmora::check::ShowEntry(args[0], found);
    return found ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::cerr << kUsage;
        return kBadInput;
    }
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "check")
        return Check(args);
    if (command == "search")
        return SearchCommand(args);
    if (command == "show")
        return ShowCommand(args);
    std::cerr << kUsage;
    return kBadInput;
}
