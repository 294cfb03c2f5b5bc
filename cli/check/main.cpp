// velmora-check: checks truckloads from the command line.
//
//   velmora-check check FILE... [--json] [--dangerous-first]
//                 [--no-id-on-placards] [--placard-all]
//                 [--ruleset N | --date YYYY-MM-DD]
//                 [--pdf OUT.pdf [--paper letter|a4]] [--explain]
//   velmora-check search TEXT [--by name|class|id] [--date YYYY-MM-DD]
//   velmora-check show ID|PID [--json] [--date YYYY-MM-DD]
//
// Exit status of check: 0 legal, 1 illegal, 2 cannot be determined (the
// worst over all files), 3 bad input or a PDF that cannot be written.
#include "check/compliance_report.h"
#include "check/explain_report.h"
#include "check/pdf_report.h"
#include "check/table_report.h"
#include "check/truckload_reader.h"

#include "report_reader.h"
#include "report_reasons.h"

#include "dravlen.h"
#include "frontend/holders.h"

#include "frontend/file_io.h"

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using velmora::check::InputError;

constexpr int kBadInput = 3;

const char kUsage[] =
    "usage: velmora-check check FILE... [--json] [--dangerous-first] [--no-id-on-placards]\n"
    "                     [--placard-all] [--ruleset N | --date YYYY-MM-DD]\n"
    "                     [--pdf OUT.pdf [--paper letter|a4]] [--explain]\n"
    "       velmora-check search TEXT [--by name|class|id] [--date YYYY-MM-DD]\n"
    "       velmora-check show ID|PID [--json] [--date YYYY-MM-DD]\n"
    "       velmora-check --help | --version\n";

// A truckload is kilobytes; far more is a wrong file, or an endless one
// such as a device.
constexpr std::size_t kLargestInput = 8 * 1024 * 1024;
const std::string kLargestInputText = "8 MiB";

// Reads a whole input: standard input ("-"), or a regular file checked
// before it is opened and opened without blocking, so a pipe or device
// named like a truckload is refused rather than waited on.
std::string ReadInput(const std::string &path)
{
    if (path == "-") {
        std::string bytes;
        char chunk[65536];
        while (std::cin.read(chunk, sizeof chunk) || std::cin.gcount() > 0) {
            bytes.append(chunk, static_cast<size_t>(std::cin.gcount()));
            if (bytes.size() > kLargestInput)
                throw InputError("(standard input): larger than " + kLargestInputText + ", not a truckload");
        }
        return bytes;
    }
    int error = 0;
    std::optional<std::string> bytes = velmora::frontend::readRegularFile(path, kLargestInput, error);
    if (bytes)
        return std::move(*bytes);
    switch (error) {
    case EISDIR:
        throw InputError(path + ": is a folder, not a truckload file");
    case EINVAL:
        throw InputError(path + ": not a regular file (a pipe or device is not read)");
    case EFBIG:
        throw InputError(path + ": larger than " + kLargestInputText + ", not a truckload");
    default:
        throw InputError(path + ": cannot be read (" + std::strerror(error) + ")");
    }
}

bool IsSavedTruckload(const std::string &path)
{
    if (path.size() <= 4)
        return false;
    std::string extension = path.substr(path.size() - 4);
    for (char &c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == ".vlm";
}

// The name a saved truckload takes from its file: after the last "/", cut
// at the last ".".
std::string NameOfSavedFile(const std::string &path)
{
    std::string name = path.substr(path.find_last_of('/') == std::string::npos ? 0 : path.find_last_of('/') + 1);
    const size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

// A truckload saved by the program.  Read in test mode first: an image
// whose items the current ruleset cannot all represent is refused rather
// than checked with items silently missing.
void ReadSavedTruckload(Engine *engine, const std::string &path)
{
    Load *load = GetLoad_Engine(engine);
    const std::string image = ReadInput(path);
    if (image.empty() || image.size() > UINT32_MAX)
        throw InputError(path + ": not a saved truckload (the image is malformed)");
    const auto length = static_cast<uint32_t>(image.size());
    const int test = Unserialize_Load(load, image.data(), length, -1);
    if (test == 2)
        throw InputError(path + ": some items cannot be represented in the current ruleset");
    // Only calculated: the inspection questions are not built.
    if (test != 0 || UnserializeForCalculation_Load(load, image.data(), length) != 0)
        throw InputError(path + ": not a saved truckload (the image is malformed)");
    SetName_Load(load, NameOfSavedFile(path).c_str());
}

// A whole number in [low, high], every character a digit (an optional
// minus sign first): "42abc", "", "1e3" and numbers out of range give nothing.
std::optional<int> WholeNumberOption(const std::string &text, int low, int high)
{
    int value = 0;
    const char *end = text.data() + text.size();
    const auto [at, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || at != end || value < low || value > high)
        return std::nullopt;
    return value;
}

struct Day {
    int year = 0, month = 0, day = 0;
};

// "YYYY-MM-DD", every field its digits; whether the day exists is the
// library's to say.
std::optional<Day> DayOption(const std::string &text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto year = WholeNumberOption(text.substr(0, 4), 0, 9999);
    const auto month = WholeNumberOption(text.substr(5, 2), 0, 99);
    const auto day = WholeNumberOption(text.substr(8, 2), 0, 99);
    if (!year || !month || !day)
        return std::nullopt;
    return Day{*year, *month, *day};
}

// Reads the value of --date at args[i + 1] into *day; false (with the
// message written) when it is missing or not a date.
bool ReadDateOption(const std::vector<std::string> &args, size_t &i, std::optional<Day> &day)
{
    day = i + 1 < args.size() ? DayOption(args[++i]) : std::nullopt;
    if (!day) {
        std::cerr << "velmora-check: --date takes a day as YYYY-MM-DD\n";
        return false;
    }
    return true;
}

// Switches to the ruleset in force on the day; false (with the message
// written) when there is none.
bool UseRulesetOfDay(Engine *engine, const std::optional<Day> &day)
{
    if (!day)
        return true;
    if (SetRulesetInForce_Engine(engine, day->year, day->month, day->day) >= 0)
        return true;
    char text[11];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", day->year, day->month, day->day);
    std::cerr << "velmora-check: no ruleset is in force on " << text
              << " (not a day of the calendar, or before the first ruleset)\n";
    return false;
}

// Worse verdicts win: illegal over undetermined over legal.
int Worse(int a, int b)
{
    auto rank = [](int v) { return v == LEGALITY_ILLEGAL ? 2 : v == LEGALITY_UNDETERMINED ? 1 : 0; };
    return rank(b) > rank(a) ? b : a;
}

int Check(const std::vector<std::string> &args)
{
    bool json = false, dangerousFirst = false, noIds = false, placardAll = false, explain = false;
    int ruleset = -1;
    std::optional<Day> day;
    std::string pdf;
    bool a4 = false;
    std::vector<std::string> files;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string &a = args[i];
        if (a == "--json") json = true;
        else if (a == "--dangerous-first") dangerousFirst = true;
        else if (a == "--no-id-on-placards") noIds = true;
        else if (a == "--placard-all") placardAll = true;
        else if (a == "--explain") explain = true;
        else if (a == "--ruleset") {
            const std::optional<int> n = i + 1 < args.size() ? WholeNumberOption(args[++i], 0, 42) : std::nullopt;
            if (!n) {
                std::cerr << "velmora-check: --ruleset takes a ruleset number from 0 to 42\n";
                return kBadInput;
            }
            ruleset = *n;
        } else if (a == "--date") {
            if (!ReadDateOption(args, i, day))
                return kBadInput;
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
    if (ruleset >= 0 && day) {
        std::cerr << "velmora-check: give --ruleset or --date, not both\n";
        return kBadInput;
    }

    velmora::frontend::EngineHolder engine;   // destroyed on every way out
    ShowDangerousOptionFirst_Engine(engine.get(), dangerousFirst ? -1 : 0);
    SetBulkPlacards_Engine(engine.get(), noIds ? 0 : -1);
    SetPlacardAllHazmats_Engine(engine.get(), placardAll ? -1 : 0);
    if (ruleset >= 0 && !SetRuleset_Engine(engine.get(), ruleset)) {
        std::cerr << "velmora-check: ruleset " << ruleset << " is not active today\n";
        return kBadInput;
    }
    if (!UseRulesetOfDay(engine.get(), day))
        return kBadInput;

    // Every file is read before anything is reported: bad input anywhere
    // stops the run with nothing half-computed.
    // The PDF report, when asked for, holds every truckload to lay out its pages.
    std::vector<velmora::reports::TruckloadReport> printed;
    // The reports are written to a temporary file as they are made, not
    // held: memory stays flat in the number of files, and nothing reaches
    // standard output unless every file reads.
    std::FILE *pending = std::tmpfile();
    if (!pending) {
        std::cerr << "velmora-check: cannot make a temporary file (" << std::strerror(errno) << ")\n";
        return kBadInput;
    }
    const std::unique_ptr<std::FILE, int (*)(std::FILE *)> closer(pending, std::fclose);
    const auto put = [&](const std::string &text) { std::fwrite(text.data(), 1, text.size(), pending); };
    int verdict = 0;
    if (json && files.size() > 1)
        put("[\n");
    for (size_t n = 0; n < files.size(); ++n) {
        const std::string &file = files[n];
        Load *load = GetLoad_Engine(engine.get());
        Reset_Load(load);
        std::string name;
        bool named = false;
        try {
            if (IsSavedTruckload(file)) {
                ReadSavedTruckload(engine.get(), file);
            } else {
                name = velmora::check::ReadTruckloadJson(engine.get(), ReadInput(file),
                                                         file == "-" ? "(standard input)" : file);
                named = true;
            }
        } catch (const InputError &e) {
            std::cerr << "velmora-check: " << e.what() << "\n";
            return kBadInput;
        } catch (const std::exception &e) {
            std::cerr << "velmora-check: " << file << ": " << e.what() << "\n";
            return kBadInput;
        }
        nlohmann::json report = velmora::check::DescribeTruckload(engine.get(), file);
        if (named)
            report["name"] = name;   // as given, UTF-8
        if (explain)
            velmora::check::AddReasons(engine.get(), report);
        verdict = Worse(verdict, velmora::check::LegalityOf(report));
        if (json) {
            // A file name that is not UTF-8 is shown with replacement
            // characters: JSON text is UTF-8.
            std::string text = report.dump(2, ' ', false, nlohmann::json::error_handler_t::replace);
            if (files.size() > 1) {
                // Indented as an element of the array, a line at a time.
                std::string indented;
                indented.reserve(text.size() + text.size() / 8 + 4);
                indented += "  ";
                size_t from = 0;
                for (size_t at; (at = text.find('\n', from)) != std::string::npos; from = at + 1)
                    indented.append(text, from, at - from).append("\n  ");
                indented.append(text, from, std::string::npos);
                text = std::move(indented);
                text += n + 1 < files.size() ? ",\n" : "\n";
            } else {
                text += "\n";
            }
            put(text);
        } else {
            put(velmora::check::FormatTruckload(report) + velmora::check::FormatReasons(report));
        }
        if (!pdf.empty()) {
            printed.push_back(velmora::reports::readTruckloadReport(engine.get()));
            if (explain)
                velmora::reports::readAllReasons(engine.get(), printed.back());
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
    if (json && files.size() > 1)
        put("]\n");
    if (std::fflush(pending) != 0 || std::ferror(pending)) {
        std::cerr << "velmora-check: cannot write the temporary report file\n";
        return kBadInput;
    }
    std::rewind(pending);
    std::cout.flush();
    char chunk[65536];
    for (size_t got; (got = std::fread(chunk, 1, sizeof chunk, pending)) > 0;)
        std::cout.write(chunk, static_cast<std::streamsize>(got));
    std::cout.flush();
    return verdict;
}

int SearchCommand(const std::vector<std::string> &args)
{
    std::string text;
    int mode = velmora::check::kSearchAny;
    std::optional<Day> day;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--date") {
            if (!ReadDateOption(args, i, day))
                return kBadInput;
        } else if (args[i] == "--by" && i + 1 < args.size()) {
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
    velmora::frontend::EngineHolder engine;   // destroyed on every way out
    if (!UseRulesetOfDay(engine.get(), day))
        return kBadInput;
    bool found = false;
    std::cout << velmora::check::SearchEntries(text, mode, found);
    return found ? 0 : 1;
}

int ShowCommand(const std::vector<std::string> &args)
{
    std::string entry;
    bool json = false;
    std::optional<Day> day;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--json") {
            json = true;
        } else if (args[i] == "--date") {
            if (!ReadDateOption(args, i, day))
                return kBadInput;
        } else if (entry.empty() && !args[i].empty() && args[i][0] != '-') {
            entry = args[i];
        } else {
            std::cerr << kUsage;
            return kBadInput;
        }
    }
    if (entry.empty()) {
        std::cerr << kUsage;
        return kBadInput;
    }
    velmora::frontend::EngineHolder engine;   // destroyed on every way out
    if (!UseRulesetOfDay(engine.get(), day))
        return kBadInput;
    bool found = false;
    if (json)
        std::cout << velmora::check::ShowEntryJson(entry, found).dump(2) << "\n";
    else
        std::cout << velmora::check::ShowEntry(entry, found);
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
    if (command == "--help" || command == "-h") {
        std::cout << kUsage;
        return 0;
    }
    if (command == "--version") {
        std::cout << "velmora-check " << VELMORA_VERSION << "\n";
        return 0;
    }
    // Whatever goes wrong is bad input, never an abort: the message names
    // the command and its arguments.
    try {
        if (command == "check")
            return Check(args);
        if (command == "search")
            return SearchCommand(args);
        if (command == "show")
            return ShowCommand(args);
    } catch (const std::exception &e) {
        std::string inputs;
        for (const std::string &a : args)
            if (a.empty() || a[0] != '-' || a == "-")
                inputs += (inputs.empty() ? "" : ", ") + a;
        std::cerr << "velmora-check: " << command << (inputs.empty() ? "" : " " + inputs) << ": " << e.what() << "\n";
        return kBadInput;
    }
    std::cerr << kUsage;
    return kBadInput;
}
