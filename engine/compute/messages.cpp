// Building segregation and legality message records and filing them in the
// output's message list.
#include "compute/messages.h"

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
        return kNoText;
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

std::string_view Role(int32_t hazardIndex)
{
    return hazardIndex == 0 ? "primary" : "subsidiary";
}

} // namespace

bool BuildSegregationMessage(const MessageSubject &s, int code, HazSeg *out)
{
    const MessageDef *def = FindMessageDef(code);
    if (def == nullptr || out == nullptr)
        return false;

    // Every field is written below.  The text fields are terminated; the
    // bytes after a terminator are left as they are (a long truckload keeps
    // tens of thousands of records, and clearing their unused room would
    // double the memory written).
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

    auto text = [](const char *p) { return p ? std::string_view(p) : std::string_view(); };
    const std::string_view id1 = text(out->id1);
    const std::string_view id2 = text(out->id2);
    std::string_view args[kMostReasonArguments] = {};
    size_t n = 0;
    switch (def->args) {
    case MessageArgs::None:
        break;
    case MessageArgs::Item:
        args[n++] = id1;
        break;
    case MessageArgs::Pair:
        args[n++] = id1;
        args[n++] = id2;
        break;
    case MessageArgs::Conflict:
        args[n++] = id1;
        args[n++] = id2;
        args[n++] = Role(s.index1);
        args[n++] = text(out->class1);
        args[n++] = id1;
        args[n++] = Role(s.index2);
        args[n++] = text(out->class2);
        args[n++] = id2;
        break;
    case MessageArgs::Division:
        args[n++] = id1;
        args[n++] = text(out->class2);
        break;
    case MessageArgs::Vehicle:
        args[n++] = id1;
        args[n++] = text(s.vehicle);
        break;
    }
    size_t length = ReasonFixedLength(def);
    for (size_t k = 0; k < n; ++k)
        length += args[k].size();
    if (length < sizeof out->reason) {
        *WriteReason(def, out->reason, args) = '\0';
    } else {
        // Too long for its field (a long vehicle name): cut.
        WriteReasonCut(def, out->reason, sizeof out->reason, args);
    }
    WriteCitation(def, out->citation);
    return true;
}

} // namespace dravlen
