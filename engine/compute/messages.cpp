// Building segregation and legality message records and filing them in the
// output's message list.
#include "compute/messages.h"
#include "compute/stored_text.h"

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

// Replaces each "%s" of the format, in order, by the next argument, writing
// straight into out; the result is cut to fit size bytes including the
// terminator.
void FillReason(char *out, size_t size, const char *format, const char *const *args, size_t argCount)
{
    char *const last = out + size - 1;
    char *at = out;
    size_t next = 0;
    for (const char *p = format; *p && at < last; ++p) {
        if (p[0] == '%' && p[1] == 's') {
            if (next < argCount && args[next])
                for (const char *a = args[next]; *a && at < last; ++a)
                    *at++ = *a;
            ++next;
            ++p;
        } else {
            *at++ = *p;
        }
    }
    // A cut never splits a character.
    out[Utf8CompleteLength(out, static_cast<size_t>(at - out))] = '\0';
}

} // namespace

bool BuildSegregationMessage(const MessageSubject &s, int code, HazSeg *out)
{
    const MessageDef *def = FindMessageDef(code);
    if (def == nullptr || out == nullptr)
        return false;

    *out = HazSeg{};
    out->type = def->type;
    out->msg = code;
    out->pid1 = s.pid1;
    out->pid2 = s.pid2;
    out->id1 = InternText(s.id1);
    out->id2 = InternText(s.id2);
    out->class1 = InternText(s.class1);
    out->class2 = InternText(s.class2);

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
    FillReason(out->reason, sizeof out->reason, def->reason, args, n);

    const size_t c = std::strlen(def->citation);
    std::memcpy(out->citation, def->citation, c < sizeof out->citation ? c + 1 : sizeof out->citation);
    out->citation[sizeof out->citation - 1] = '\0';
    return true;
}

} // namespace dravlen
