// Building segregation and legality message records and filing them in the
// output's message list.
#include "compute/messages.h"
#include "compute/stored_text.h"

#include <algorithm>
#include <cstring>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>

namespace dravlen {

const char *InternText(const char *text)
{
    if (text == nullptr || *text == '\0')
        return "";
    // Node-based set: element addresses never move, so a pointer handed out
    // stays valid for the life of the process.  The texts are ID numbers and
    // hazard codes, a small closed set.
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view v) const { return std::hash<std::string_view>()(v); }
    };
    static std::unordered_set<std::string, Hash, std::equal_to<>> pool;
    const std::string_view key(text);
    if (const auto it = pool.find(key); it != pool.end())
        return it->c_str();
    return pool.emplace(key).first->c_str();
}

namespace {

const char *Role(int32_t hazardIndex)
{
    return hazardIndex == 0 ? "primary" : "subsidiary";
}

// Appends text to [at, last), cut at last; returns the new end.
char *Append(char *at, char *last, const char *text, size_t n)
{
    const size_t room = static_cast<size_t>(last - at);
    if (n > room)
        n = room;
    std::memcpy(at, text, n);
    return at + n;
}

// The reason text of each table entry cut at its "%s" marks, once: a
// message is then written a piece and an argument at a time.
using ReasonPieces = std::vector<std::string_view>;

const ReasonPieces &PiecesOf(const MessageDef *def)
{
    static const std::vector<ReasonPieces> pieces = [] {
        int n = 0;
        const MessageDef *table = MessageTable(&n);
        std::vector<ReasonPieces> all(static_cast<size_t>(n));
        for (int k = 0; k < n; ++k) {
            const char *p = table[k].reason;
            for (const char *mark = std::strstr(p, "%s"); mark; mark = std::strstr(p, "%s")) {
                all[k].emplace_back(p, static_cast<size_t>(mark - p));
                p = mark + 2;
            }
            all[k].emplace_back(p);
        }
        return all;
    }();
    int n = 0;
    const MessageDef *table = MessageTable(&n);
    return pieces[static_cast<size_t>(def - table)];
}

// The reason of def with each "%s", in order, replaced by the next
// argument, written straight into out and cut to fit size bytes including
// the terminator.  Returns its length.
size_t FillReason(char *out, size_t size, const MessageDef *def, const char *const *args, size_t argCount)
{
    const ReasonPieces &pieces = PiecesOf(def);
    char *const last = out + size - 1;
    char *at = out;
    for (size_t k = 0; k < pieces.size(); ++k) {
        if (k > 0 && k - 1 < argCount && args[k - 1])
            at = Append(at, last, args[k - 1], std::strlen(args[k - 1]));
        at = Append(at, last, pieces[k].data(), pieces[k].size());
    }
    // A cut never splits a character.
    const size_t length = Utf8CompleteLength(out, static_cast<size_t>(at - out));
    out[length] = '\0';
    return length;
}

} // namespace

bool BuildSegregationMessage(const MessageSubject &s, int code, HazSeg *out)
{
    const MessageDef *def = FindMessageDef(code);
    if (def == nullptr || out == nullptr)
        return false;

    // Every field is written below; the text fields are terminated and the
    // bytes after their terminator cleared, as a zeroed record would have.
    out->type = def->type;
    out->msg = code;
    out->pid1 = s.pid1;
    out->pid2 = s.pid2;
    if (s.interned) {
        out->id1 = s.id1;
        out->id2 = s.id2;
        out->class1 = s.class1;
        out->class2 = s.class2;
    } else {
        out->id1 = InternText(s.id1);
        out->id2 = InternText(s.id2);
        out->class1 = InternText(s.class1);
        out->class2 = InternText(s.class2);
    }

    const char *args[8] = {};
    size_t n = 0;
    switch (def->args) {
    case MessageArgs::None:
        break;
    case MessageArgs::Item:
        args[n++] = out->id1;
        break;
    case MessageArgs::Pair:
        args[n++] = out->id1;
        args[n++] = out->id2;
        break;
    case MessageArgs::Conflict:
        args[n++] = out->id1;
        args[n++] = out->id2;
        args[n++] = Role(s.index1);
        args[n++] = out->class1;
        args[n++] = out->id1;
        args[n++] = Role(s.index2);
        args[n++] = out->class2;
        args[n++] = out->id2;
        break;
    case MessageArgs::Division:
        args[n++] = out->id1;
        args[n++] = out->class2;
        break;
    case MessageArgs::Vehicle:
        args[n++] = out->id1;
        args[n++] = s.vehicle ? s.vehicle : "";
        break;
    }
    const size_t used = FillReason(out->reason, sizeof out->reason, def, args, n);
    std::memset(out->reason + used, 0, sizeof out->reason - used);

    const size_t c = std::min(std::strlen(def->citation), sizeof out->citation - 1);
    std::memcpy(out->citation, def->citation, c);
    std::memset(out->citation + c, 0, sizeof out->citation - c);
    return true;
}

} // namespace dravlen
