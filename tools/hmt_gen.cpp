// Build-time generator of the embedded Hazardous Materials Table.
//
//   hmt_gen table IN.tsv OUT.bin      the stored table: fixed-width records
//   hmt_gen forbidden IN.tsv OUT.inc  the Forbidden names as C string literals
//
// IN.tsv for "table" is engine/refdata/data/hmt.tsv (one line per packing
// group line of a row; see its PROVENANCE.md).  Every record is a run of
// NUL-terminated strings padded to 579 bytes; records are sorted by the
// bytes of the ID number so that the library can binary-search them.
// The source text is UTF-8 and so is the stored table, as every text the
// library returns (the section sign is the two bytes 0xC2 0xA7).
// Anything that does not parse (a hazard class or label code that is not a
// valid code, a malformed ID, a record too long) stops the build: the table
// never carries a row the engine could misread.
#include "dravlen.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr size_t kRecordSize = 579;
constexpr int kMaxPid = 2607;

// Well-formed UTF-8 (shortest forms, no surrogates) without control
// characters other than the column TAB.
bool PrintableUtf8(const std::string &text)
{
    const auto *s = reinterpret_cast<const unsigned char *>(text.data());
    const size_t n = text.size();
    for (size_t i = 0; i < n;) {
        const unsigned c = s[i];
        if (c < 0x80) {
            if ((c < 32 && c != '\t') || c == 127)
                return false;
            ++i;
            continue;
        }
        size_t len = 0;
        unsigned cp = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            len = 2;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            len = 3;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + len > n)
            return false;
        for (size_t k = 1; k < len; ++k) {
            if ((s[i + k] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (s[i + k] & 0x3F);
        }
        if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF) || (cp >= 0x80 && cp < 0xA0))
            return false;
        i += len;
    }
    return true;
}
constexpr int kRulesetCount = 43;
const char *const kSlotColumns[9] = {"labels", "special_provisions", "exceptions",
                                     "non_bulk", "bulk", "passenger_limit",
                                     "cargo_limit", "vessel_stowage", "vessel_other"};

int g_errors = 0;

void Fail(size_t line, const std::string &what)
{
    std::fprintf(stderr, "hmt_gen: line %zu: %s\n", line, what.c_str());
    ++g_errors;
}

std::vector<std::string> Split(const std::string &s, char sep)
{
    std::vector<std::string> out;
    std::string cur;
    for (char c : s) {
        if (c == sep) {
            out.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    out.push_back(cur);
    return out;
}

std::vector<std::string> List(const std::string &s, char sep)
{
    if (s.empty())
        return {};
    return Split(s, sep);
}

struct Line {
    size_t lineNo;
    std::map<std::string, std::string> cell;
};

struct Row {
    int pid = 0;
    int first = 0;
    int end = 0;
    std::vector<Line> lines;
    std::string bytes;
};

bool ReadTsv(const char *path, std::vector<Line> &out)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "hmt_gen: cannot read %s\n", path);
        return false;
    }
    std::string text;
    std::getline(in, text);
    const std::vector<std::string> head = Split(text, '\t');
    size_t lineNo = 1;
    while (std::getline(in, text)) {
        ++lineNo;
        if (text.empty())
            continue;
        if (!PrintableUtf8(text)) {
            Fail(lineNo, "not printable UTF-8 text");
            continue;
        }
        std::vector<std::string> cells = Split(text, '\t');
        if (cells.size() != head.size()) {
            Fail(lineNo, "wrong number of columns");
            continue;
        }
        Line l{lineNo, {}};
        for (size_t i = 0; i < head.size(); ++i)
            l.cell[head[i]] = cells[i];
        out.push_back(std::move(l));
    }
    return true;
}

bool IsNumber(const std::string &s)
{
    return !s.empty() && s.size() <= 4 &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool ValidCode(const std::string &code)
{
    HazDiv hd;
    return Init_HazDiv(&hd, code.c_str()) == 1;
}

void PutString(std::string &rec, const std::string &s)
{
    rec += s;
    rec += '\0';
}

void PutList(std::string &rec, const std::vector<std::string> &items)
{
    for (const std::string &s : items)
        PutString(rec, s);
    rec += '\0';
}

// Per-packing-group lists: an empty list is written as two NULs.
void PutSlotList(std::string &rec, const std::vector<std::string> &items)
{
    if (items.empty())
        rec += '\0';
    PutList(rec, items);
}

void CheckElements(const Line &l, const std::string &col, const std::vector<std::string> &v)
{
    for (const std::string &e : v)
        if (e.empty())
            Fail(l.lineNo, "empty element in " + col);
}

bool BuildRecord(Row &row)
{
    const Line &h = row.lines.front();
    auto c = [&](const char *name) { return h.cell.at(name); };
    static const char *const rowLevel[] = {"id", "class", "symbols", "name", "names",
                                           "descriptions", "flags", "cas", "erg"};
    for (const Line &l : row.lines)
        for (const char *col : rowLevel)
            if (l.cell.at(col) != h.cell.at(col))
                Fail(l.lineNo, std::string("row-level column differs between lines: ") + col);

    const std::string id = c("id");
    if (id.size() != 6 || !(id.rfind("UN", 0) == 0 || id.rfind("NA", 0) == 0 || id.rfind("ID", 0) == 0) ||
        !std::all_of(id.begin() + 2, id.end(), [](char ch) { return ch >= '0' && ch <= '9'; }))
        Fail(h.lineNo, "malformed ID number " + id);
    const std::string hazClass = c("class");
    if (!hazClass.empty() && !ValidCode(hazClass))
        Fail(h.lineNo, "hazard class does not parse: " + hazClass);

    std::vector<std::string> names = List(c("names"), '|');
    std::vector<std::string> descs = Split(c("descriptions"), '|');
    if (names.empty())
        Fail(h.lineNo, "no shipping name");
    if (descs.size() != names.size())
        Fail(h.lineNo, "descriptions do not match the shipping names");

    std::string &rec = row.bytes;
    char pidText[8];
    std::snprintf(pidText, sizeof pidText, "%4d", row.pid);
    PutString(rec, pidText);
    PutString(rec, id);
    PutString(rec, c("name"));
    PutList(rec, names);
    PutString(rec, hazClass);
    if (!hazClass.empty()) {
        std::vector<std::string> symbols = List(c("symbols"), ' ');
        for (const std::string &s : symbols)
            if (s.size() != 1 || std::string("+ADGIW").find(s) == std::string::npos)
                Fail(h.lineNo, "unknown symbol " + s);
        PutList(rec, symbols);
        const std::string flags = c("flags");
        if (flags.size() != 4 || std::string("-C").find(flags[0]) == std::string::npos ||
            std::string("-A").find(flags[1]) == std::string::npos ||
            std::string("-LS").find(flags[2]) == std::string::npos ||
            std::string("-LS").find(flags[3]) == std::string::npos)
            Fail(h.lineNo, "malformed property flags " + flags);
        PutString(rec, flags);
        PutList(rec, List(c("cas"), ' '));
        const std::string erg = c("erg");
        if (!erg.empty() && !((erg.size() == 3 || (erg.size() == 4 && erg[3] == 'P')) &&
                              IsNumber(erg.substr(0, 3))))
            Fail(h.lineNo, "malformed ERG guide " + erg);
        PutString(rec, erg);
        PutString(rec, std::to_string(row.first));
        PutString(rec, std::to_string(row.end));

        // Slots: a packing group's slot is the length of its text; a line
        // without packing group is slot 0.  The two polyester resin kit
        // entries print no packing group but stand for II and III, which
        // share one set of lists.
        const bool sharedSlots = row.pid == 2253 || row.pid == 2583;
        std::map<int, const Line *> slots;
        std::vector<std::string> pgs;
        for (const Line &l : row.lines) {
            const std::string pg = l.cell.at("pg");
            if (!pg.empty() && pg != "I" && pg != "II" && pg != "III")
                Fail(l.lineNo, "unknown packing group " + pg);
            if (slots.count(int(pg.size())))
                Fail(l.lineNo, "packing group given twice");
            slots[int(pg.size())] = &l;
            if (!pg.empty())
                pgs.push_back(pg);
        }
        if (slots.count(0) && slots.size() > 1)
            Fail(h.lineNo, "line without packing group beside packing-group lines");
        if (sharedSlots && !(slots.size() == 1 && slots.count(0)))
            Fail(h.lineNo, "resin kit entry must print no packing group");
        PutList(rec, pgs);
        for (const char *col : kSlotColumns) {
            for (const auto &[slot, l] : slots) {
                const std::string &text = l->cell.at(col);
                std::vector<std::string> items = List(text, ',');
                CheckElements(*l, col, items);
                if (std::string(col) == "labels")
                    for (const std::string &lab : items)
                        if (!ValidCode(lab))
                            Fail(l->lineNo, "label code does not parse: " + lab);
                PutSlotList(rec, items);
            }
        }
        rec += '\0';
        for (const std::string &d : descs)
            PutString(rec, d);
    }
    if (rec.size() > kRecordSize - 1) {
        Fail(h.lineNo, "record of " + std::to_string(rec.size()) + " bytes does not fit");
        return false;
    }
    rec.resize(kRecordSize, '\0');
    return true;
}

int GenerateTable(const char *in, const char *out)
{
    std::vector<Line> lines;
    if (!ReadTsv(in, lines))
        return 1;
    std::vector<Row> rows;
    for (const Line &l : lines) {
        const std::string &p = l.cell.at("pid"), &f = l.cell.at("first"), &e = l.cell.at("end");
        if (!IsNumber(p) || !IsNumber(f) || !IsNumber(e)) {
            Fail(l.lineNo, "pid/first/end not a number");
            continue;
        }
        const int pid = std::atoi(p.c_str()), first = std::atoi(f.c_str()), end = std::atoi(e.c_str());
        if (pid < 1 || pid > kMaxPid)
            Fail(l.lineNo, "PID outside 1-2607");
        if (first < 0 || first >= kRulesetCount || end < 0 || end >= kRulesetCount || (end != 0 && end <= first))
            Fail(l.lineNo, "ruleset range invalid");
        if (!rows.empty() && rows.back().pid == pid && rows.back().first == first && rows.back().end == end &&
            rows.back().lines.front().cell.at("id") == l.cell.at("id")) {
            rows.back().lines.push_back(l);
        } else {
            Row r;
            r.pid = pid;
            r.first = first;
            r.end = end;
            r.lines.push_back(l);
            rows.push_back(std::move(r));
        }
    }
    for (Row &r : rows)
        BuildRecord(r);
    if (g_errors)
        return 1;
    std::stable_sort(rows.begin(), rows.end(), [](const Row &a, const Row &b) {
        return a.bytes.compare(5, 6, b.bytes, 5, 6) < 0;
    });
    std::ofstream o(out, std::ios::binary | std::ios::trunc);
    std::set<int> pids;
    size_t un = 0, na = 0, idn = 0, unusable = 0;
    for (const Row &r : rows) {
        o.write(r.bytes.data(), std::streamsize(r.bytes.size()));
        pids.insert(r.pid);
        const std::string prefix = r.bytes.substr(5, 2);
        (prefix == "UN" ? un : prefix == "NA" ? na : idn)++;
        if (r.lines.front().cell.at("class").empty())
            ++unusable;
    }
    if (!o) {
        std::fprintf(stderr, "hmt_gen: cannot write %s\n", out);
        return 1;
    }
    std::printf("hmt_gen: %zu records (UN %zu, NA %zu, ID %zu), %zu distinct PIDs, "
                "%zu unusable (no hazard class)\n",
                rows.size(), un, na, idn, pids.size(), unusable);
    return 0;
}

int GenerateForbidden(const char *in, const char *out)
{
    std::vector<Line> lines;
    if (!ReadTsv(in, lines))
        return 1;
    if (g_errors)
        return 1;
    std::ofstream o(out, std::ios::trunc);
    o << "// Generated by hmt_gen from forbidden.tsv; do not edit.\n";
    for (const Line &l : lines) {
        std::string esc;
        for (char ch : l.cell.at("name")) {
            const auto byte = static_cast<unsigned char>(ch);
            if (byte >= 0x80) {
                // UTF-8 bytes as three-digit octal escapes, which never
                // run into the characters that follow.
                char octal[5];
                std::snprintf(octal, sizeof octal, "\\%03o", byte);
                esc += octal;
                continue;
            }
            if (ch == '"' || ch == '\\')
                esc += '\\';
            esc += ch;
        }
        o << "\"" << esc << "\",\n";
    }
    std::printf("hmt_gen: %zu Forbidden names\n", lines.size());
    return o ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 4 && std::strcmp(argv[1], "table") == 0)
        return GenerateTable(argv[2], argv[3]);
    if (argc == 4 && std::strcmp(argv[1], "forbidden") == 0)
        return GenerateForbidden(argv[2], argv[3]);
    std::fprintf(stderr, "usage: hmt_gen table|forbidden IN.tsv OUT\n");
    return 2;
}
