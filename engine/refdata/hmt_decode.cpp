// Decoding stored Hazardous Materials Table records into rows, on demand,
// and the per-ruleset PID indexes of the reference store.
//
// A record is read like untrusted input: every string must end inside its
// record, and a record that does not parse counts as unusable (no row)
// rather than being read past its end.
#include "refdata/hmt_table.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace dravlen {

const char *EmbeddedHmtData();
size_t EmbeddedHmtSize();

namespace {

enum RecordState : uint8_t { kUndecoded = 0, kUsable = 1, kUnusable = 2 };

struct HmtState {
    const char *data = nullptr;
    size_t count = 0;
    CTRec *rows = nullptr;           // one per record, table order
    uint8_t *state = nullptr;        // RecordState per record
    CTRec **index = nullptr;         // kRulesetCount * kPidLimit
    bool allDecoded = false;
    // Shipping names per PID of one ruleset, read without building rows
    // (HmtNamesOfRuleset); empty until a search by name needs them.
    std::vector<const char *> names;
    int namesRuleset = -1;
};

HmtState g_hmt;
bool g_exists = false;
const char *g_testData = nullptr;
size_t g_testBytes = 0;

struct Reader {
    const char *p;
    const char *end;
    bool ok = true;

    const char *Str()
    {
        if (!ok || p >= end) {
            ok = false;
            return "";
        }
        // Most strings of a record are a few bytes: found by a plain walk,
        // bounded by the record's end, rather than a call per string.
        const char *nul = p;
        while (nul < end && *nul != '\0')
            ++nul;
        if (nul == end) {
            ok = false;
            return "";
        }
        const char *s = p;
        p = nul + 1;
        return s;
    }
};

constexpr size_t kMaxStrings = kRecordSize;

// Reads a list (strings up to the closing empty one) into tmp.
uint32_t ReadList(Reader &r, const char **tmp, size_t &used)
{
    uint32_t n = 0;
    for (;;) {
        const char *s = r.Str();
        if (!r.ok || *s == '\0')
            return n;
        if (used >= kMaxStrings) {
            r.ok = false;
            return n;
        }
        tmp[used++] = s;
        ++n;
    }
}

// A per-packing-group list: an empty one is two NUL bytes.
uint32_t ReadSlotList(Reader &r, const char **tmp, size_t &used)
{
    if (r.p < r.end && *r.p == '\0') {
        if (r.p + 1 >= r.end || r.p[1] != '\0')
            r.ok = false;
        r.p += 2;
        return 0;
    }
    return ReadList(r, tmp, used);
}

bool HasText(const char *const *list, uint32_t n, const char *text)
{
    for (uint32_t i = 0; i < n; ++i)
        if (std::strcmp(list[i], text) == 0)
            return true;
    return false;
}

// Limited-quantity section of 49 CFR 173 per class (173.306, 173.150-155).
const char *LimitedQuantitySection(int hazClass)
{
    switch (hazClass) {
    case 2: return "306";
    case 3: return "150";
    case 4: return "151";
    case 5: return "152";
    case 6: return "153";
    case 8: return "154";
    case 9: return "155";
    default: return nullptr;
    }
}

int ClassOf(const char *code)
{
    HazDiv hd;
    return Init_HazDiv(&hd, code) ? GetClass_HazDiv(&hd) : 0;
}

uint32_t DeriveBits(const CTRec &row)
{
    enum { kLabels = 0, kSpecial = 1, kExceptions = 2, kNonBulk = 3, kBulk = 4 };
    uint32_t bits = 0;
    const int hazClass = ClassOf(row.hazClass);

    // Limited quantity: the class's section in column 8A (or class 7,
    // whose excepted packages 173.421 stand in).  The resin kits' section
    // is 173.165, fire extinguishers' 173.309.
    if (row.pid == 2253 || row.pid == 2583) {
        for (int s = 2; s <= 3; ++s)
            if (row.slot[s] && HasText(row.slot[s]->list[kExceptions], row.slot[s]->count[kExceptions], "165"))
                bits |= kBitLqSlot0 << s;
    }
    if (row.pid == 505 && row.slot[0] &&
        HasText(row.slot[0]->list[kExceptions], row.slot[0]->count[kExceptions], "309"))
        bits |= kBitLqSlot0;
    const char *lq = LimitedQuantitySection(hazClass);
    for (int s = 0; s < 4; ++s) {
        const CTSlot *sl = row.slot[s];
        if (sl == nullptr)
            continue;
        if (hazClass == 7 || (lq && HasText(sl->list[kExceptions], sl->count[kExceptions], lq)))
            bits |= kBitLqSlot0 << s;
        // Bulk: a column 8C section, a bulk special provision (B codes,
        // IB codes), or 173.304 cylinders in column 8B.
        bool bulk = sl->count[kBulk] > 0 ||
                    HasText(sl->list[kNonBulk], sl->count[kNonBulk], "304");
        for (uint32_t i = 0; !bulk && i < sl->count[kSpecial]; ++i)
            bulk = std::strpbrk(sl->list[kSpecial][i], "Bb") != nullptr;
        if (bulk)
            bits |= kBitBulkSlot0 << s;
    }

    // Physical state: the property flag, then the class, then the first
    // label of class 2, 3 or 4, then the radioactive and battery entries.
    const char st = row.flags[3];
    if (st == 'S')
        return bits | kBitSolid;
    if (st == 'L')
        return bits | kBitLiquid;
    const uint32_t byClass[] = {0, 0, kBitGas, kBitLiquid, kBitSolid};
    if (hazClass >= 2 && hazClass <= 4)
        return bits | byClass[hazClass];
    for (int s = 0; s < 4; ++s) {
        const CTSlot *sl = row.slot[s];
        for (uint32_t i = 0; sl && i < sl->count[kLabels]; ++i) {
            const int c = ClassOf(sl->list[kLabels][i]);
            if (c >= 2 && c <= 4)
                return bits | byClass[c];
        }
    }
    if (!std::strcmp(row.id, "UN2977") || !std::strcmp(row.id, "UN2978"))
        return bits | kBitSolid;
    if (!std::strcmp(row.id, "UN2980") || !std::strcmp(row.id, "UN2800") ||
        !std::strcmp(row.id, "UN2794") || !std::strcmp(row.id, "UN2795"))
        return bits | kBitLiquid;
    return bits;
}

int ParseNumber(const char *s, int maxDigits)
{
    while (*s == ' ')
        ++s;
    int v = 0, digits = 0;
    for (; *s; ++s, ++digits) {
        if (*s < '0' || *s > '9' || digits >= maxDigits)
            return -1;
        v = v * 10 + (*s - '0');
    }
    return digits ? v : -1;
}

// Decodes one record into row; false when it is unusable.
// With checkOnly, the record is read and checked in full but no row is
// built: only pid, id, psn, first and end are set (nothing to free).
bool DecodeInto(const char *rec, CTRec &row, bool checkOnly = false)
{
    const char *tmp[kMaxStrings];
    size_t used = 0;
    Reader r{rec, rec + kRecordSize};
    const int pid = ParseNumber(r.Str(), 4);
    row.id = r.Str();
    row.psn = r.Str();
    const size_t namesAt = used;
    row.nameCount = ReadList(r, tmp, used);
    row.hazClass = r.Str();
    // An entry without a hazard class (UN0190, samples, explosive, before
    // they are classed under 173.56) can never be shipped under this row.
    if (!r.ok || pid <= 0 || pid >= kPidLimit || *row.hazClass == '\0' || row.nameCount == 0 ||
        std::strlen(row.id) != kIdLength)
        return false;
    const size_t symbolsAt = used;
    row.symbolCount = ReadList(r, tmp, used);
    row.flags = r.Str();
    const size_t casAt = used;
    row.casCount = ReadList(r, tmp, used);
    row.erg = r.Str();
    row.first = ParseNumber(r.Str(), 2);
    row.end = ParseNumber(r.Str(), 2);
    if (!r.ok || std::strlen(row.flags) != 4 || row.first < 0 || row.first >= kRulesetCount ||
        row.end < 0 || row.end >= kRulesetCount)
        return false;

    // Packing-group slots: the slot of "I", "II", "III" is its length; no
    // packing group is slot 0, except for the polyester resin kits, which
    // stand for II and III with one shared set of lists.
    const char *pgTexts[3];
    uint32_t pgCount = 0;
    for (;;) {
        const char *s = r.Str();
        if (!r.ok || *s == '\0')
            break;
        if (pgCount == 3 || (std::strcmp(s, "I") && std::strcmp(s, "II") && std::strcmp(s, "III")))
            return false;
        pgTexts[pgCount++] = s;
    }
    bool has[4] = {false, false, false, false};
    const bool shared = pgCount == 0 && (pid == 2253 || pid == 2583);
    if (shared)
        has[2] = has[3] = true;
    else if (pgCount == 0)
        has[0] = true;
    for (uint32_t i = 0; i < pgCount; ++i)
        has[std::strlen(pgTexts[i])] = true;

    size_t listAt[4][9] = {};
    uint32_t listCount[4][9] = {};
    for (int col = 0; col < 9; ++col) {
        for (int s = 0; s < 4; ++s) {
            if (!has[s])
                continue;
            if (shared && s == 3) {
                listAt[3][col] = listAt[2][col];
                listCount[3][col] = listCount[2][col];
                continue;
            }
            listAt[s][col] = used;
            listCount[s][col] = ReadSlotList(r, tmp, used);
        }
    }
    r.p += 1; // separator
    const size_t descsAt = used;
    for (uint32_t i = 0; i < row.nameCount && r.ok; ++i) {
        if (used >= kMaxStrings)
            return false;
        tmp[used++] = r.Str();
    }
    if (!r.ok)
        return false;
    if (checkOnly) {
        row.pid = pid;
        return true;
    }

    // One allocation: the slot blocks, then every pointer array.
    int slotCount = 0;
    for (bool h : has)
        slotCount += h;
    void *mem = std::malloc(sizeof(CTSlot) * size_t(slotCount) + sizeof(const char *) * (used ? used : 1));
    if (mem == nullptr)
        return false;
    CTSlot *slots = static_cast<CTSlot *>(mem);
    const char **ptrs = reinterpret_cast<const char **>(slots + slotCount);
    std::memcpy(ptrs, tmp, sizeof(const char *) * used);
    row.storage = mem;
    row.names = ptrs + namesAt;
    row.symbols = ptrs + symbolsAt;
    row.cas = ptrs + casAt;
    row.descs = ptrs + descsAt;
    for (int s = 0, k = 0; s < 4; ++s) {
        row.slot[s] = nullptr;
        if (!has[s])
            continue;
        CTSlot &sl = slots[k++];
        for (int col = 0; col < 9; ++col) {
            sl.list[col] = ptrs + listAt[s][col];
            sl.count[col] = listCount[s][col];
        }
        row.slot[s] = &sl;
    }
    row.pid = pid;
    row.bits = DeriveBits(row);
    return true;
}

} // namespace

void CreateHmtState()
{
    FreeHmtState();
    const char *data = g_testData ? g_testData : EmbeddedHmtData();
    const size_t bytes = g_testData ? g_testBytes : EmbeddedHmtSize();
    g_hmt.data = data;
    g_hmt.count = bytes / kRecordSize;
    g_hmt.rows = static_cast<CTRec *>(std::calloc(g_hmt.count ? g_hmt.count : 1, sizeof(CTRec)));
    g_hmt.state = static_cast<uint8_t *>(std::calloc(g_hmt.count ? g_hmt.count : 1, 1));
    g_hmt.index = static_cast<CTRec **>(std::calloc(size_t(kRulesetCount) * kPidLimit, sizeof(CTRec *)));
    g_hmt.allDecoded = false;
    g_exists = g_hmt.rows && g_hmt.state && g_hmt.index;
    if (!g_exists)
        FreeHmtState();
}

void FreeHmtState()
{
    if (g_hmt.rows)
        for (size_t i = 0; i < g_hmt.count; ++i)
            std::free(g_hmt.rows[i].storage);
    std::free(g_hmt.rows);
    std::free(g_hmt.state);
    std::free(g_hmt.index);
    g_hmt = HmtState{};  // also drops the names read for a search
    g_exists = false;
}

bool HmtStateExists() { return g_exists; }

void UseHmtTableForTesting(const char *data, size_t bytes)
{
    const bool existed = g_exists;
    FreeHmtState();
    g_testData = data;
    g_testBytes = data ? bytes : 0;
    if (existed)
        CreateHmtState();
}

size_t HmtRecordCount() { return g_exists ? g_hmt.count : 0; }

const char *HmtRecordId(size_t n) { return g_hmt.data + n * kRecordSize + kIdOffset; }

int DecodeHmtRecord(size_t n)
{
    if (!g_exists || n >= g_hmt.count)
        return 0;
    CTRec &row = g_hmt.rows[n];
    if (g_hmt.state[n] == kUndecoded) {
        if (DecodeInto(g_hmt.data + n * kRecordSize, row)) {
            g_hmt.state[n] = kUsable;
            for (int r = 0; r < kRulesetCount; ++r)
                if (RowValidIn(&row, r))
                    g_hmt.index[size_t(r) * kPidLimit + size_t(row.pid)] = &row;
        } else {
            std::free(row.storage);
            row = CTRec{};
            g_hmt.state[n] = kUnusable;
        }
    }
    return row.pid;
}

size_t HmtDecodedCount()
{
    size_t n = 0;
    for (size_t i = 0; g_exists && i < g_hmt.count; ++i)
        n += g_hmt.state[i] != kUndecoded;
    return n;
}

CTRec *HmtRecordRow(size_t n)
{
    return DecodeHmtRecord(n) ? &g_hmt.rows[n] : nullptr;
}

void DecodeWholeHmt()
{
    if (!g_exists || g_hmt.allDecoded)
        return;
    // Table order, so that where two rows of a PID are valid in the same
    // ruleset the later one holds the index entry.  Rows decoded earlier
    // out of order are entered again here for the same reason.
    for (size_t n = 0; n < g_hmt.count; ++n) {
        DecodeHmtRecord(n);
        if (g_hmt.state[n] == kUsable)
            for (int r = 0; r < kRulesetCount; ++r)
                if (RowValidIn(&g_hmt.rows[n], r))
                    g_hmt.index[size_t(r) * kPidLimit + size_t(g_hmt.rows[n].pid)] = &g_hmt.rows[n];
    }
    g_hmt.allDecoded = true;
}

const std::vector<const char *> &HmtNamesOfRuleset(int ruleset)
{
    if (g_hmt.namesRuleset == ruleset && !g_hmt.names.empty())
        return g_hmt.names;
    g_hmt.names.assign(kPidLimit, nullptr);
    g_hmt.namesRuleset = ruleset;
    if (!g_exists || ruleset < 0 || ruleset >= kRulesetCount)
        return g_hmt.names;
    // Table order: where two rows of a PID are valid in the ruleset, the
    // later one is the one the index holds after a whole decode.
    for (size_t n = 0; n < g_hmt.count; ++n) {
        if (g_hmt.state[n] == kUnusable)
            continue;
        CTRec checked{};
        const CTRec *row = &checked;
        if (g_hmt.state[n] == kUsable)
            row = &g_hmt.rows[n];
        else if (!DecodeInto(g_hmt.data + n * kRecordSize, checked, true))
            continue;
        if (RowValidIn(row, ruleset))
            g_hmt.names[size_t(row->pid)] = row->psn;
    }
    return g_hmt.names;
}

CTRec *HmtIndexEntry(int pid, int ruleset)
{
    if (!g_exists || pid <= 0 || pid >= kPidLimit || ruleset < 0 || ruleset >= kRulesetCount)
        return nullptr;
    return g_hmt.index[size_t(ruleset) * kPidLimit + size_t(pid)];
}

CTRec *HmtRow(int pid, int ruleset)
{
    if (!g_exists || pid <= 0 || pid >= kPidLimit || ruleset < 0 || ruleset >= kRulesetCount)
        return nullptr;
    CTRec *row = g_hmt.index[size_t(ruleset) * kPidLimit + size_t(pid)];
    if (row == nullptr && !g_hmt.allDecoded) {
        DecodeWholeHmt();
        row = g_hmt.index[size_t(ruleset) * kPidLimit + size_t(pid)];
    }
    return row;
}

bool FindHmtIdRange(const char *id6, size_t *first, size_t *last)
{
    if (!g_exists)
        return false;
    size_t lo = 0, hi = g_hmt.count;
    while (lo < hi) {
        const size_t mid = lo + (hi - lo) / 2;
        if (std::memcmp(HmtRecordId(mid), id6, kIdLength) < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    size_t end = lo;
    while (end < g_hmt.count && std::memcmp(HmtRecordId(end), id6, kIdLength) == 0)
        ++end;
    if (end == lo)
        return false;
    *first = lo;
    *last = end;
    return true;
}

namespace {

// ASCII letters folded to lower case; every other byte (digits, marks, the
// bytes of accented letters) stands for itself.  Inline, not a locale call
// per character.
inline unsigned char Fold(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

} // namespace

bool ContainsNoCase(const char *text, const char *word, size_t wordLen)
{
    if (wordLen == 0)
        return true;
    const unsigned char first = Fold(word[0]);
    const unsigned char firstUpper =
        (first >= 'a' && first <= 'z') ? static_cast<unsigned char>(first - 'a' + 'A') : first;
    for (const char *t = text; *t; ++t) {
        const unsigned char c = static_cast<unsigned char>(*t);
        if (c != first && c != firstUpper)
            continue;
        size_t i = 1;
        while (i < wordLen && t[i] && Fold(t[i]) == Fold(word[i]))
            ++i;
        if (i == wordLen)
            return true;
    }
    return false;
}

bool MatchesWords(const char *text, const char *words)
{
    if (text == nullptr || words == nullptr)
        return false;
    const char *w = words;
    for (;;) {
        const char *blank = std::strchr(w, ' ');
        const size_t len = blank ? size_t(blank - w) : std::strlen(w);
        if (!ContainsNoCase(text, w, len))
            return false;
        if (blank == nullptr)
            return true;
        w = blank + 1;
    }
}

} // namespace dravlen
