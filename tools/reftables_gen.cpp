// Build-time generator of the four stored reference tables.
//
//   reftables_gen DATA_DIR PIDS_TSV OUT_CPP
//
// Reads substances.tsv, marine-pollutants.tsv, violation-codes.tsv and
// links.tsv from DATA_DIR and writes OUT_CPP, which defines the stored
// tables: fixed-width records of NUL-terminated UTF-8 fields, the rest of
// each record NUL.  PIDS_TSV is the HMT entry list (pid, id, name, ...) used
// to turn the HMT entry of a marine pollutant (ID number + proper shipping
// name) into its PID; "-" when the list does not exist yet, in which case
// those marine pollutants are stored without a key.  Any fault in the data
// (bad column count, control characters, a record too wide, unsorted keys, an
// HMT entry that the PID list does not know) stops the build.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using Row = std::vector<std::string>;

[[noreturn]] void Fail(const std::string &what)
{
    std::fprintf(stderr, "reftables_gen: %s\n", what.c_str());
    std::exit(1);
}

std::vector<Row> ReadTsv(const std::string &path, size_t columns)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        Fail("cannot read " + path);
    std::vector<Row> rows;
    std::string line;
    bool header = true;
    size_t lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        Row row;
        std::string cell;
        std::istringstream cells(line);
        while (std::getline(cells, cell, '\t'))
            row.push_back(cell);
        if (!line.empty() && line.back() == '\t')
            row.emplace_back();
        if (row.size() < columns)
            Fail(path + ":" + std::to_string(lineNo) + ": expected " + std::to_string(columns) +
                 " columns");
        // UTF-8 text: the section sign is the one character past ASCII the
        // data carries.  Control characters never belong in a field.
        for (const auto &c : row)
            for (unsigned char ch : c)
                if (ch < 0x20 || ch == 0x7f)
                    Fail(path + ":" + std::to_string(lineNo) + ": text is not printable");
        if (header) {
            header = false;
            continue;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

// One table being stored: records of `width` bytes.
struct Table {
    const char *symbol;
    size_t width;
    std::string bytes;
    size_t count = 0;

    void Add(const std::vector<std::string> &fields)
    {
        std::string rec;
        for (const auto &f : fields) {
            rec += f;
            rec.push_back('\0');
        }
        if (rec.size() > width)
            Fail(std::string(symbol) + ": record wider than " + std::to_string(width) +
                 " bytes: " + fields.front() + " / " + fields[1]);
        rec.resize(width, '\0');
        bytes += rec;
        ++count;
    }
};

void WriteTable(std::ofstream &out, const Table &t)
{
    out << "extern const char " << t.symbol << "[] =\n";
    for (size_t r = 0; r < t.count; ++r) {
        out << "    \"";
        const size_t base = r * t.width;
        // Trailing padding is written by the compiler: an array initialised
        // from a shorter literal is zero-filled, so only the used bytes go out.
        size_t used = t.width;
        while (used > 0 && t.bytes[base + used - 1] == '\0')
            --used;
        for (size_t i = 0; i < t.width; ++i) {
            const unsigned char ch = static_cast<unsigned char>(t.bytes[base + i]);
            if (i >= used) {
                out << "\\0";
                // Every record keeps its full width inside one literal piece.
                continue;
            }
            if (ch == '\0')
                out << "\\000";
            else if (ch >= 0x80)
                out << '\\' << static_cast<char>('0' + (ch >> 6)) << static_cast<char>('0' + ((ch >> 3) & 7))
                    << static_cast<char>('0' + (ch & 7));
            else if (ch == '"' || ch == '\\')
                out << '\\' << ch;
            else if (ch == '?')
                out << "\\?";
            else
                out << ch;
        }
        out << "\"\n";
    }
    out << "    ;\n";
    out << "extern const unsigned " << t.symbol << "Count = " << t.count << ";\n\n";
}

bool IsCas(const std::string &s)
{
    return s.find('-') != std::string::npos;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4)
        Fail("usage: reftables_gen DATA_DIR PIDS_TSV|- OUT_CPP");
    const std::string dir = argv[1];
    const std::string pidsPath = argv[2];
    const std::string outPath = argv[3];

    // ---- hazardous substances: CAS, name, RQ; ordered by CAS.
    Table substances{"kSubstanceRecords", 194, {}};
    {
        std::string lastCas;
        for (const auto &r : ReadTsv(dir + "/substances.tsv", 3)) {
            if (r[0].empty() || (r[0] != "NA" && !IsCas(r[0])))
                Fail("substance without CAS number or \"NA\": " + r[1]);
            if (r[0] < lastCas)
                Fail("substances not ordered by CAS at " + r[0]);
            lastCas = r[0];
            const std::string &rq = r[2];
            if (rq != "1" && rq != "10" && rq != "100" && rq != "1000" && rq != "5000")
                Fail("reportable quantity " + rq + " of " + r[1]);
            substances.Add({r[0], r[1], rq});
        }
    }

    // ---- marine pollutants: key (CAS, PID or empty), name, type.
    Table marine{"kMarinePollutantRecords", 170, {}};
    size_t byCas = 0, byPid = 0, unkeyed = 0, severe = 0, unresolved = 0;
    {
        std::map<std::pair<std::string, std::string>, std::vector<std::string>> pids;
        const bool havePids = pidsPath != "-";
        if (havePids) {
            for (const auto &r : ReadTsv(pidsPath, 3)) {
                const int pid = std::atoi(r[0].c_str());
                if (pid < 1 || pid > 9999)
                    Fail("bad PID " + r[0] + " in " + pidsPath);
                auto &list = pids[{r[1], r[2]}];
                const std::string text = std::to_string(pid);
                if (std::find(list.begin(), list.end(), text) == list.end())
                    list.push_back(text);
            }
        }
        for (const auto &r : ReadTsv(dir + "/marine-pollutants.tsv", 5)) {
            const std::string &cas = r[0], &id = r[1], &psn = r[2], &name = r[3];
            if (r[4] != "0" && r[4] != "1")
                Fail("marine pollutant type " + r[4] + " of " + name);
            std::vector<std::string> keys;
            if (!cas.empty()) {
                if (!IsCas(cas))
                    Fail("not a CAS number: " + cas);
                keys.push_back(cas);
                ++byCas;
            } else if (!id.empty()) {
                if (havePids) {
                    auto it = pids.find({id, psn});
                    if (it == pids.end())
                        Fail("HMT entry " + id + " \"" + psn + "\" has no PID in " + pidsPath);
                    keys = it->second;
                    byPid += keys.size();
                } else {
                    keys.push_back("");
                    ++unresolved;
                }
            } else {
                keys.push_back("");
                ++unkeyed;
            }
            for (const auto &k : keys) {
                marine.Add({k, name, r[4]});
                if (r[4] == "1")
                    ++severe;
            }
        }
    }

    // ---- violation codes: ten fields, ordered by the ASPEN code (field 0).
    Table violations{"kViolationRecords", 234, {}};
    std::set<std::string> citations;
    {
        std::string last;
        for (const auto &r : ReadTsv(dir + "/violation-codes.tsv", 10)) {
            if (!last.empty() && r[0] <= last)
                Fail("violation codes not ordered or not unique at " + r[0]);
            last = r[0];
            if (r[5] != "Y" && r[5] != "N" && r[5] != "P" && r[5] != "U")
                Fail("out-of-service indicator " + r[5] + " of " + r[0]);
            citations.insert(r[6]);
            violations.Add(Row(r.begin(), r.begin() + 10));
        }
    }

    // ---- links: "CC" + value + "|" + target, ascending byte order of the key.
    Table links{"kLinkRecords", 32, {}};
    {
        std::vector<std::string> recs;
        for (const auto &r : ReadTsv(dir + "/links.tsv", 3)) {
            if (r[0].size() != 2 || r[0][0] < '0' || r[0][0] > '9' || r[0][1] < '0' || r[0][1] > '9')
                Fail("link column " + r[0]);
            if (r[1].empty() || r[1].find('|') != std::string::npos || r[2].empty())
                Fail("link value or target of column " + r[0] + ": " + r[1]);
            recs.push_back(r[0] + r[1] + "|" + r[2]);
        }
        // The key ends with "|", which no value contains, so no key is a
        // prefix of another: ordering whole records orders their keys.
        std::sort(recs.begin(), recs.end());
        for (const auto &rec : recs)
            links.Add({rec});
    }

    std::ofstream out(outPath, std::ios::binary | std::ios::trunc);
    if (!out)
        Fail("cannot write " + outPath);
    out << "// Generated by tools/reftables_gen from engine/refdata/data: do not edit.\n"
           "namespace dravlen::reftables {\n\n";
    WriteTable(out, substances);
    WriteTable(out, marine);
    WriteTable(out, violations);
    WriteTable(out, links);
    out << "} // namespace dravlen::reftables\n";
    if (!out.flush())
        Fail("write error on " + outPath);

    std::printf("reference tables: %zu substances, %zu marine pollutants (%zu by CAS, %zu by PID, "
                "%zu unkeyed, %zu HMT entries without PID list, %zu severe), %zu violation codes "
                "(%zu citations), %zu links\n",
                substances.count, marine.count, byCas, byPid, unkeyed, unresolved, severe,
                violations.count, citations.size(), links.count);
    return 0;
}
