// The fixed table of segregation and legality messages.  Reason texts are
// UTF-8 with "\n" line ends, the section sign written as the regulation
// prints it.
#include "compute/messages.h"
#include "compute/stored_text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string_view>
#include <utility>

namespace dravlen {
namespace {

// Section sign (U+00A7) in UTF-8.  Kept as its own literal so that it never
// runs into the hexadecimal digits of the section number that follows.
#define SECT "\xC2\xA7"

constexpr MessageDef kTable[] = {
    {1, kMsgDoNotLoad, MessageArgs::Conflict,
     "[%s, %s] 49 CFR 177.848(d), (e)(2): These materials may not be loaded, transported, or stored together."
     "\n\nThis do not load is caused by the %s class %s of %s conflicting with the %s class %s of %s",
     "49cfr177.848(d)"},
    {2, kMsgSeparate, MessageArgs::Conflict,
     "[%s, %s] 49 CFR 177.848(d), (e)(3): These materials must be separated in a manner that, in the event of "
     "leakage from packages, commingling of hazardous materials would not occur."
     "\n\nThis segregation is caused by the %s class %s of %s conflicting with the %s class %s of %s",
     "49cfr177.848(d)"},
    {6, kMsgDoNotLoad, MessageArgs::Pair,
     "[%s, %s] 49 CFR " SECT "177.848(c): Cyanides or cyanide mixtures may not be loaded or stored with acids.",
     "49cfr177.848(c)"},
    {7, kMsgSeparate, MessageArgs::Pair,
     "[%s, %s] 49 CFR " SECT "177.848(e)(3): Corrosive liquids may not be loaded above or adjacent to Class 4 "
     "(flammable) or Class 5 (oxidizing) materials.",
     "49cfr177.848(e)(3)"},
    {8, kMsgInformation, MessageArgs::Pair,
     "[%s, %s] 49 CFR " SECT "177.848(d), (e)(5): Ammonium nitrate (UN 1942) and ammonium nitrate fertilizer may "
     "be loaded or stored with Division 1.1 (Class A explosive) or Division 1.5 (blasting agents) materials.",
     "49cfr177.848(d)"},
    {9, kMsgDoNotLoad, MessageArgs::Pair,
     "[%s, %s] 49 CFR " SECT "177.848(f), (g)(2): Barring exceptions, explosives of different compatibility "
     "groups may not be carried on the same transport vehicle.",
     "49cfr177.848(f)"},
    {10, kMsgDoNotLoad, MessageArgs::Pair,
     "[%s, %s] 49 CFR " SECT "177.848(f), (g)(3)(i): An explosive from compatibility group L shall only be "
     "carried on the same transport vehicle with an identical explosive.",
     "49cfr177.848(f)"},
    {11, kMsgInformation, MessageArgs::Item,
     "[%s] 49 CFR " SECT "177.848(f), (g)(3)(ii): This material must be reassigned to compatibility group E.",
     "49cfr177.848(f)"},
    {12, kMsgInformation, MessageArgs::Item,
     "[%s] 49 CFR " SECT "177.848(f), (g)(3)(iii): This material must be reassigned to compatibility group D.",
     "49cfr177.848(f)"},
    {13, kMsgConditional, MessageArgs::Pair,
     "[%s, %s] 49 CFR " SECT "177.848(f), 49 CFR " SECT "177.848(g)(3)(iv), 49 CFR " SECT "177.835(g): "
     "No detonator assembly or booster with detonator may be transported on the same motor vehicle with any "
     "Division 1.1, 1.2 or 1.3 material (except other detonator assemblies, boosters with detonators or "
     "detonators), detonating cord Division 1.4 material or Division 1.5 material unless it is in compliance "
     "with 49 CFR " SECT "177.848(g).",
     "49cfr177.835(g)"},
    {14, kMsgDoNotLoad, MessageArgs::Pair,
     "[%s, %s] 49 CFR " SECT "177.848(f), (g)(3)(v): Division 1.4S fireworks may not be loaded on the same "
     "transport vehicle with Division 1.1 or 1.2 materials.",
     "49cfr177.848(f)"},
    {15, kMsgConditional, MessageArgs::Item,
     "[%s] 49 CFR " SECT "177.848(f), (g)(3)(vi): This is an illegal load if this material is fireworks or "
     "requires special stowage.",
     "49cfr177.848(f)"},
    {16, kMsgDoNotLoad, MessageArgs::Pair,
     "[%s, %s] 49 CFR " SECT "177.848(f), (h): Explosive articles in compatibility group G may only be stored "
     "with articles of compatibility groups C, D and E, provided no explosive substances are carried in the "
     "same vehicle.",
     "49cfr177.848(f)"},
    {17, kMsgInformation, MessageArgs::Division,
     "[%s] 49 CFR " SECT "177.848(i): This material must be shipped as if it were Division %s.",
     "49cfr177.848(i)"},
    {18, kMsgInformation, MessageArgs::Item,
     "[%s] 49 CFR " SECT "177.848(i): This material must be shipped as if it were Division 1.1, compatibility "
     "group D.",
     "49cfr177.848(i)"},
    {19, kMsgConditional, MessageArgs::Pair,
     "[%s, %s] 49 CFR " SECT "177.848(e)(6): This is an illegal load if the materials are capable of reacting "
     "dangerously with each other and causing combustion or dangerous evolution of heat, evolution of "
     "flammable, poisonous, or asphyxiant gases, or formation of corrosive or unstable materials.",
     "49cfr177.848(e)(6)"},
    {20, kMsgInformation, MessageArgs::None,
     "49 CFR " SECT "177.841(c): The transportation of a Division 2.3 (poisonous gas) or Division 6.1 "
     "(poisonous) material is not permitted if there is any interconnection between packages.",
     "49cfr177.841(c)"},
    {21, kMsgInformation, MessageArgs::None,
     "Check your company policy before co-loading foodstuffs and Poison Gas.",
     ""},
    {22, kMsgInformation, MessageArgs::None,
     "49 CFR " SECT "177.841(e): You may only load foodstuffs, feed, or other edible material on this load if "
     "you are in compliance with 49 CFR " SECT "177.841 paragraph (e).",
     "49cfr177.841(e)"},
    {23, kMsgInformation, MessageArgs::Item,
     "[%s] 49 CFR " SECT "173.159(e): Exception not taken because according to this exception no other "
     "hazardous materials may be loaded.",
     "49cfr173.159(e)"},
    {24, kMsgInformation, MessageArgs::Item,
     "[%s] 49 CFR " SECT "173.189(d)(4)(iii): The battery or batteries must be separated from all other freight "
     "by a distance of not less than 0.5 meters (1.6 feet).",
     "49cfr173.189(d)(4)(iii)"},
    {25, kMsgDoNotLoad, MessageArgs::Pair,
     "[%s, %s] 49 CFR " SECT "173.189(d)(4)(iii): A battery containing liquid sodium cannot be transported by "
     "motor vehicle on a trailer that has other hazardous material loaded on board.",
     "49cfr173.189(d)(4)(iii)"},
    {26, kMsgRadioactiveNotice, MessageArgs::Item,
     "[%s] 49 CFR " SECT "172.507(a): Each motor vehicle used to transport a package of highway route "
     "controlled quantity Class 7 (radioactive) materials must have the required RADIOACTIVE warning placard "
     "placed on a square background as described in 49 CFR " SECT "172.527.",
     "49cfr172.507(a)"},
    {27, kMsgRadioactiveNotice, MessageArgs::Item,
     "[%s] 49 CFR " SECT "172.403(c): A load containing a package with a Transport Index greater than 10 must "
     "be shipped under exclusive use provisions.",
     "49cfr172.403(c)"},
    {28, kMsgRadioactiveNotice, MessageArgs::Item,
     "[%s] 49 CFR " SECT "177.842(a): A load containing packages with a combined Transport Index greater than "
     "50 must be shipped under exclusive use provisions.",
     "49cfr177.842(a)"},
    {29, kMsgConditional, MessageArgs::Pair,
     "[%s, %s] 49 CFR " SECT "177.848(c): Cyanides or cyanide mixtures may not be loaded or stored with acids.  "
     "You are loading a cyanide with a corrosive hazmat, please ensure the hazmat is not an acid.",
     "49cfr177.848(c)"},
    {32, kMsgConditional, MessageArgs::Item,
     "[%s] The organic peroxide has a subsidiary explosive, but the division and compatibility group are "
     "unknown.",
     ""},
    {33, kMsgDoNotLoad, MessageArgs::Item,
     "[%s] 49 CFR " SECT "173.170(b): You may not exceed 100 lbs. of this hazmat per truckload.  You must "
     "transport this hazmat as UN0027.",
     "49cfr173.170(b)"},
    {34, kMsgDoNotLoad, MessageArgs::Item,
     "[%s] 49 CFR " SECT "173.171(b): You may not exceed 100 lbs. of this hazmat per truckload.  You must "
     "transport this hazmat as UN0161.",
     "49cfr173.171(b)"},
    {35, kMsgDoNotLoad, MessageArgs::Item,
     "[%s] 49 CFR " SECT "173.63(a): You may not exceed 99 lbs. of this hazmat per truckload.  You must "
     "transport this hazmat as UN0065.",
     "49cfr173.63(a)"},
    {36, kMsgInformation, MessageArgs::Item,
     "[%s] 49 CFR " SECT "172.102(162): At no time during transport can the percentage of diluent fall below "
     "the percentage that is stated in the shipping description.",
     "49cfr172.102(162)"},
    {37, kMsgDoNotLoad, MessageArgs::Item,
     "[%s] 49 CFR " SECT "173.457(e): The total CSI on the truckload may not exceed 100.0.",
     "49cfr173.457(e)"},
    {38, kMsgDoNotLoad, MessageArgs::Vehicle,
     "[%s] This hazmat is not approved for shipment in a %s vehicle.",
     ""},
    {40, kMsgPermitRequired, MessageArgs::Item,
     "[%s] 49 CFR " SECT "385.403(a): This hazmat requires a safety permit.",
     "49cfr385.403(a)"},
    {41, kMsgPermitMayBeRequired, MessageArgs::Item,
     "[%s] 49 CFR " SECT "385.403(b): This hazmat requires a safety permit if the vehicle carries more than "
     "25 kg (55 lb) net explosive mass of Division 1.1, 1.2 or 1.3 material; only the gross weight is known.",
     "49cfr385.403(b)"},
    {42, kMsgPermitRequired, MessageArgs::Item,
     "[%s] 49 CFR " SECT "385.403(b): This hazmat requires a safety permit: Division 1.5 material requiring "
     "placarding.",
     "49cfr385.403(b)"},
    {43, kMsgPermitMayBeRequired, MessageArgs::Item,
     "[%s] 49 CFR " SECT "385.403(c): This hazmat requires a safety permit if there is more than one liter of "
     "hazmat per package.",
     "49cfr385.403(c)"},
    {44, kMsgPermitRequired, MessageArgs::Item,
     "[%s] 49 CFR " SECT "385.403(d): This hazmat requires a safety permit.",
     "49cfr385.403(d)"},
    {45, kMsgPermitMayBeRequired, MessageArgs::Item,
     "[%s] 49 CFR " SECT "385.403(e): This hazmat requires a safety permit if it is shipped in packaging having "
     "a capacity equal to or greater than 13,248 L (3,500 gallons).",
     "49cfr385.403(e)"},
    {46, kMsgPermitMayBeRequired, MessageArgs::Item,
     "[%s] 49 CFR " SECT "385.403(f): This hazmat requires a safety permit if it is shipped in packaging having "
     "a capacity equal to or greater than 13,248 L (3,500 gallons).",
     "49cfr385.403(f)"},
    {47, kMsgDoNotLoad, MessageArgs::Pair,
     "[%s, %s] 49 CFR " SECT "177.835(g): No detonator assembly or booster with detonator may be transported on "
     "the same motor vehicle with any Division 1.1, 1.2 or 1.3 material (except other detonator assemblies, "
     "boosters with detonators or detonators), detonating cord Division 1.4 material or Division 1.5 material.",
     "49cfr177.835(g)"},
    {48, kMsgInformation, MessageArgs::Item,
     "[%s] 49 CFR " SECT "172.322(d)(3): Except by vessel, the MARINE POLLUTANT mark is not required on a bulk "
     "packaging or transport vehicle that bears a placard; a CLASS 9 placard, if displayed, makes it unnecessary.",
     "49cfr172.322(d)(3)"},
    {49, kMsgPermitRequired, MessageArgs::Item,
     "[%s] 49 CFR " SECT "385.403(b): This hazmat requires a safety permit: the vehicle carries more than 25 kg "
     "(55 lb) net explosive mass of Division 1.1, 1.2 or 1.3 material.",
     "49cfr385.403(b)"},
    {50, kMsgPermitRequired, MessageArgs::Item,
     "[%s] 49 CFR " SECT "385.403(c): This hazmat requires a safety permit: there is more than one liter of "
     "hazmat per package.",
     "49cfr385.403(c)"},
    {51, kMsgPermitRequired, MessageArgs::Item,
     "[%s] 49 CFR " SECT "385.403(e): This hazmat requires a safety permit: it is shipped in packaging having a "
     "capacity equal to or greater than 13,248 L (3,500 gallons).",
     "49cfr385.403(e)"},
    {52, kMsgPermitRequired, MessageArgs::Item,
     "[%s] 49 CFR " SECT "385.403(f): This hazmat requires a safety permit: it is shipped in bulk packaging "
     "having a capacity equal to or greater than 13,248 L (3,500 gallons).",
     "49cfr385.403(f)"},
};

#undef SECT

} // namespace

const MessageDef *MessageTable(int *n)
{
    if (n)
        *n = static_cast<int>(std::size(kTable));
    return kTable;
}

namespace {

constexpr int HighestCode()
{
    int high = 0;
    for (const MessageDef &d : kTable)
        high = std::max(high, d.code);
    return high;
}

// Codes are small numbers: an index made at compile time.
constexpr auto kByCode = [] {
    std::array<const MessageDef *, HighestCode() + 1> index{};
    for (const MessageDef &d : kTable)
        if (d.code >= 0 && !index[static_cast<size_t>(d.code)])
            index[static_cast<size_t>(d.code)] = &d;
    return index;
}();

// A reason text cut at its "%s" marks.
struct ReasonPieces {
    static constexpr int kMost = 10;
    size_t offset[kMost] = {};
    size_t length[kMost] = {};
    int count = 0;
    size_t fixedLength = 0;  // the text without its marks
};

constexpr ReasonPieces Split(std::string_view reason)
{
    ReasonPieces p;
    size_t start = 0;
    for (size_t i = 0; i + 1 < reason.size(); ++i) {
        if (reason[i] == '%' && reason[i + 1] == 's') {
            p.offset[p.count] = start;
            p.length[p.count] = i - start;
            p.fixedLength += i - start;
            ++p.count;
            start = i + 2;
            ++i;
        }
    }
    p.offset[p.count] = start;
    p.length[p.count] = reason.size() - start;
    p.fixedLength += reason.size() - start;
    ++p.count;
    return p;
}

static_assert([] {
    for (const MessageDef &d : kTable)
        if (Split(d.reason).count > ReasonPieces::kMost || Split(d.reason).count - 1 > kMostReasonArguments)
            return false;
    return true;
}(), "a reason text has more arguments than a message supplies");

// An argument, usually a few bytes: two overlapping words instead of a call.
inline char *PutArgument(char *at, std::string_view text)
{
    const size_t n = text.size();
    const char *from = text.data();
    if (n > 16) {
        std::memcpy(at, from, n);
    } else if (n >= 8) {
        uint64_t head, tail;
        std::memcpy(&head, from, 8);
        std::memcpy(&tail, from + n - 8, 8);
        std::memcpy(at, &head, 8);
        std::memcpy(at + n - 8, &tail, 8);
    } else if (n >= 4) {
        uint32_t head, tail;
        std::memcpy(&head, from, 4);
        std::memcpy(&tail, from + n - 4, 4);
        std::memcpy(at, &head, 4);
        std::memcpy(at + n - 4, &tail, 4);
    } else {
        for (size_t k = 0; k < n; ++k)
            at[k] = from[k];
    }
    return at + n;
}

// The reason of table entry K: its pieces are copied with lengths known
// when the library is compiled, the arguments between them.
template <size_t K, size_t... I>
char *WritePieces(char *at, const std::string_view *args, std::index_sequence<I...>)
{
    constexpr std::string_view reason = kTable[K].reason;
    constexpr ReasonPieces p = Split(reason);
    std::memcpy(at, reason.data() + p.offset[0], p.length[0]);
    at += p.length[0];
    ((at = PutArgument(at, args[I]), std::memcpy(at, reason.data() + p.offset[I + 1], p.length[I + 1]),
      at += p.length[I + 1]),
     ...);
    return at;
}

template <size_t K>
char *WriteReasonOf(char *at, const std::string_view *args)
{
    constexpr ReasonPieces p = Split(kTable[K].reason);
    return WritePieces<K>(at, args, std::make_index_sequence<static_cast<size_t>(p.count - 1)>{});
}

// The citation of table entry K, terminated, its length known when the
// library is compiled (cut to the record's field).
template <size_t K>
void WriteCitationOf(char *at)
{
    constexpr std::string_view citation = kTable[K].citation;
    constexpr size_t n = std::min(citation.size(), sizeof(HazSeg{}.citation) - 1);
    std::memcpy(at, citation.data(), n);
    at[n] = '\0';
}

template <size_t... K>
constexpr std::array<void (*)(char *), sizeof...(K)> CitationWriters(std::index_sequence<K...>)
{
    return {&WriteCitationOf<K>...};
}

constexpr auto kCitationWriters = CitationWriters(std::make_index_sequence<std::size(kTable)>{});

using ReasonWriter = char *(*)(char *, const std::string_view *);

template <size_t... K>
constexpr std::array<ReasonWriter, sizeof...(K)> Writers(std::index_sequence<K...>)
{
    return {&WriteReasonOf<K>...};
}

constexpr auto kWriters = Writers(std::make_index_sequence<std::size(kTable)>{});

template <size_t... K>
constexpr std::array<size_t, sizeof...(K)> FixedLengths(std::index_sequence<K...>)
{
    return {Split(kTable[K].reason).fixedLength...};
}

constexpr auto kFixedLengths = FixedLengths(std::make_index_sequence<std::size(kTable)>{});

size_t IndexOf(const MessageDef *def) { return static_cast<size_t>(def - kTable); }

} // namespace

const MessageDef *FindMessageDef(int code)
{
    if (code < 0 || static_cast<size_t>(code) >= kByCode.size())
        return nullptr;
    return kByCode[static_cast<size_t>(code)];
}

size_t ReasonFixedLength(const MessageDef *def) { return kFixedLengths[IndexOf(def)]; }

void WriteCitation(const MessageDef *def, char *at) { kCitationWriters[IndexOf(def)](at); }

size_t WriteReasonCut(const MessageDef *def, char *out, size_t size, const std::string_view *args)
{
    const std::string_view reason = def->reason;
    const ReasonPieces p = Split(reason);
    char *at = out;
    char *const last = out + size - 1;
    auto put = [&at, last](std::string_view text) {
        const size_t n = std::min(text.size(), static_cast<size_t>(last - at));
        std::memcpy(at, text.data(), n);
        at += n;
    };
    put(reason.substr(p.offset[0], p.length[0]));
    for (int k = 1; k < p.count; ++k) {
        put(args[k - 1]);
        put(reason.substr(p.offset[k], p.length[k]));
    }
    // A cut never splits a character.
    size_t length = static_cast<size_t>(at - out);
    if (at == last)
        length = Utf8CompleteLength(out, length);
    out[length] = '\0';
    return length;
}

char *WriteReason(const MessageDef *def, char *at, const std::string_view *args)
{
    return kWriters[IndexOf(def)](at, args);
}

} // namespace dravlen
