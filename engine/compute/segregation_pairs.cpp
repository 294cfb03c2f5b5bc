// 49 CFR 177.848: which two hazard codes may share a transport vehicle.
#include "compute/segregation_pairs.h"

#include "compute/item_facts.h"
#include "compute/kind_facts.h"
#include "compute/messages.h"

#include <cstring>
#include <iterator>

namespace dravlen {
namespace {

// Results of the 177.848(d) table.
constexpr int kDoNotLoad = 1;           // "X": may not be loaded together
constexpr int kSeparate = 2;            // "O": separated against commingling
constexpr int kNotAboveOrAdjacent = 7;  // 177.848(e)(3), corrosive liquids
constexpr int kAmmoniumNitrate = 8;     // 177.848(e)(5) exception
constexpr int kCompatibilityGroups = 9; // 177.848(g)(2)
constexpr int kGroupL = 10;             // 177.848(g)(3)(i)
constexpr int kDetonators = 13;         // 177.848(g)(3)(iv), 177.835(g)
constexpr int kDetonatorAssemblies = 47; // 177.835(g), first sentence
constexpr int kFireworks = 14;          // 177.848(g)(3)(v)
constexpr int kSameClass = 19;          // 177.848(e)(6)
constexpr int kUnknownExplosive = 32;

struct Side {
    const KindFacts *item;
    HazDiv code;
    const char *text;
};

bool Before(const HazDiv &x, const HazDiv &y)
{
    if (x.hazClass != y.hazClass)
        return x.hazClass < y.hazClass;
    if (x.division != y.division)
        return x.division < y.division;
    return static_cast<unsigned char>(x.compatGroup) < static_cast<unsigned char>(y.compatGroup);
}

bool IsComb(const Side &s)
{
    const char *t = s.text;
    return t[0] == 'C' && t[1] == 'O' && t[2] == 'M' && t[3] == 'B' && t[4] == '\0';
}
bool IsClass3(const Side &s) { return s.code.hazClass == 3 && !IsComb(s); }
bool IsLiquid(const Side &s) { return s.item->physicalState == 'L'; }
char Zone(const Side &s) { return s.item->hazardZone; }
bool Class8Liquid(const Side &s) { return s.code.hazClass == 8 && IsLiquid(s); }

// Division 6.1, packing group I, liquid, inhalation hazard zone A: the
// "6.1 liquids PG I zone A" row and column of the 177.848(d) table.
bool PoisonLiquidZoneA(const Side &s)
{
    return IsDivision(s.code, 6, 1) && s.item->packingGroup == 1 && IsLiquid(s) && Zone(s) == 'A';
}

// What 177.835(g) makes of a Division 1.4S material.
enum class SArticle {
    Unrestricted,        // a named article the paragraph does not name
    DetonatorAssembly,   // detonator assemblies, boosters with detonators
    Detonator,           // detonators: allowed in an MC 201 container or
                         // by an approved method, which the load does not say
    Unknown,             // n.o.s.: may be any of these
};

SArticle KindOf14S(const KindFacts &item)
{
    if (item.nameNos)
        return SArticle::Unknown;
    if (item.nameDetonatorAssembly || (item.nameBooster && item.nameDetonator))
        return SArticle::DetonatorAssembly;
    if (item.nameDetonator)
        return SArticle::Detonator;
    return SArticle::Unrestricted;
}

// The materials 177.835(g) keeps detonators and detonator assemblies
// from: Division 1.1, 1.2 or 1.3 material other than detonators, detonator
// assemblies and boosters with detonators; detonating cord of Division
// 1.4; Division 1.5 material.
bool RestrictedBy835g(const Side &other)
{
    const int d = other.code.division;
    if (d >= 1 && d <= 3)
        return !other.item->nameDetonator;
    if (d == 4)
        return other.item->nameDetonatingCord;
    return d == 5;
}

// A Division 1.4S material S with another explosive.
int With14S(const Side &S, const Side &other)
{
    if (!RestrictedBy835g(other))
        return kNoFinding;
    switch (KindOf14S(*S.item)) {
    case SArticle::DetonatorAssembly: return kDetonatorAssemblies;
    case SArticle::Detonator:
    case SArticle::Unknown: return kDetonators;
    case SArticle::Unrestricted: return kNoFinding;
    }
    return kNoFinding;
}

// Explosives with each other, 177.848(f), (g): letters p and q.
int ExplosivesPair(const Side &P, const Side &Q)
{
    const char p = P.code.compatGroup;
    const char q = Q.code.compatGroup;
    auto in = [](char c, const char *set) { return c != 0 && std::strchr(set, c) != nullptr; };
    if (p == q && p != 'L')
        return kNoFinding;
    if (p == 'L' && q == 'L')
        return P.item->pid != Q.item->pid ? kGroupL : kNoFinding;
    if (in(p, "CDEN") && in(q, "CDEN"))
        return kNoFinding;
    if (in(p, "CDEG") && in(q, "CDEG"))
        return kNoFinding;
    if (P.code.division <= 2 && Q.item->pid == kPidFireworks14S)
        return kFireworks;
    if ((p == 'B' && q == 'D') || (p == 'D' && q == 'B'))
        return kDetonators;
    // Group S goes with every group but A and L (177.848(f)); 177.835(g)
    // alone restricts the 1.4S detonators and detonator assemblies.
    if (p == 'S' && q != 'A' && q != 'L' && q != 0)
        return With14S(P, Q);
    if (q == 'S' && p != 'A' && p != 'L' && p != 0)
        return With14S(Q, P);
    return kCompatibilityGroups;
}

// The 177.848(d) table row Q for an explosive P; columns are P's division.
int ExplosiveWith(const Side &P, const Side &Q)
{
    enum Column { kMass, k13, k14, k16, kNone };
    Column col;
    switch (P.code.division) {
    case 1: case 2: case 5: col = kMass; break;
    case 3: col = k13; break;
    case 4: col = k14; break;
    case 6: col = k16; break;
    default: col = kNone; break;
    }
    if (col == kNone)
        return kNoFinding;
    // Cells per column: 1.1/1.2/1.5, 1.3, 1.4, 1.6.
    auto row = [col](int mass, int d13, int d14, int d16) {
        const int cells[] = {mass, d13, d14, d16};
        return cells[col];
    };
    const int n = kNoFinding;
    const HazDiv &q = Q.code;
    if (IsDivision(q, 2, 1))
        return row(kDoNotLoad, kDoNotLoad, kSeparate, n);
    if (IsDivision(q, 2, 2))
        return row(kDoNotLoad, n, n, n);
    if (IsDivision(q, 2, 3))
        return (Zone(Q) == 'A' || Zone(Q) == 'B') ? row(kDoNotLoad, kDoNotLoad, kSeparate, n) : n;
    if (q.hazClass == 3)
        return IsComb(Q) ? n : row(kDoNotLoad, kDoNotLoad, kSeparate, n);
    if (IsDivision(q, 4, 1))
        return row(kDoNotLoad, n, n, n);
    if (IsDivision(q, 4, 2))
        return row(kDoNotLoad, kDoNotLoad, kSeparate, n);
    if (IsDivision(q, 4, 3))
        return row(kDoNotLoad, kDoNotLoad, n, n);
    if (q.hazClass == 5) {
        const bool exception = (P.code.division == 1 || P.code.division == 5) && Q.item->ammoniumNitrate;
        return row(exception ? kAmmoniumNitrate : kDoNotLoad, kDoNotLoad, n, n);
    }
    if (PoisonLiquidZoneA(Q))
        return row(kDoNotLoad, kDoNotLoad, kSeparate, n);
    if (q.hazClass == 7)
        return row(kDoNotLoad, n, n, n);
    if (Class8Liquid(Q))
        return row(kDoNotLoad, kDoNotLoad, kSeparate, n);
    return n;
}

// The 177.848(d) table for P of classes 2 to 8 (P not greater than Q).
int OtherClasses(const Side &P, const Side &Q)
{
    const HazDiv &p = P.code;
    const HazDiv &q = Q.code;
    if (IsDivision(p, 2, 1)) {
        if (IsDivision(q, 2, 3) && Zone(Q) == 'A')
            return kDoNotLoad;
        if (IsDivision(q, 2, 3) && Zone(Q) == 'B')
            return kSeparate;
        if (PoisonLiquidZoneA(Q) || q.hazClass == 7)
            return kSeparate;
        return kNoFinding;
    }
    if (IsDivision(p, 2, 3) && (Zone(P) == 'A' || Zone(P) == 'B')) {
        if (IsClass3(Q) || q.hazClass == 4 || q.hazClass == 5 || Class8Liquid(Q))
            return Zone(P) == 'A' ? kDoNotLoad : kSeparate;
        return kNoFinding;
    }
    if (IsClass3(P)) {
        if (IsDivision(q, 5, 1))
            return kSeparate;
        if (PoisonLiquidZoneA(Q))
            return kDoNotLoad;
        return kNoFinding;
    }
    if (p.hazClass == 4) {
        if (PoisonLiquidZoneA(Q))
            return kDoNotLoad;
        if (Class8Liquid(Q))
            return p.division == 2 ? kDoNotLoad : kNotAboveOrAdjacent;
        return kNoFinding;
    }
    if (p.hazClass == 5) {
        if (PoisonLiquidZoneA(Q))
            return kDoNotLoad;
        if (Class8Liquid(Q))
            return kNotAboveOrAdjacent;
        return kNoFinding;
    }
    if (PoisonLiquidZoneA(P) && Class8Liquid(Q))
        return kDoNotLoad;
    return kNoFinding;
}

} // namespace

int CheckHazardPair(const KindFacts &A, const KindFacts &B, int a, int b)
{
    if (!A.ValidHazard(a) || !B.ValidHazard(b))
        return kNoFinding;
    Side P{&A, A.code[a], A.codeText[a]};
    Side Q{&B, B.code[b], B.codeText[b]};
    if (Before(Q.code, P.code)) {
        const Side t = P;
        P = Q;
        Q = t;
    }

    int s = kNoFinding;
    // A subsidiary explosive of unknown division and group (bare "1").
    if (P.code.hazClass == 1 && P.code.division == 0)
        s = kUnknownExplosive;
    if (P.code.hazClass == 1 && Q.code.hazClass == 1 && P.code.division != 0)
        s = ExplosivesPair(P, Q);

    const int table = P.code.hazClass == 1 ? ExplosiveWith(P, Q) : OtherClasses(P, Q);
    if (table != kNoFinding)
        s = table;

    // 177.848(e)(6): two materials of the same class that conflict only
    // through a subsidiary hazard may react dangerously with each other.
    const int primaryA = A.code[0].hazClass;
    const int primaryB = B.code[0].hazClass;
    if (primaryA == primaryB && primaryA != 1 && (a != 0 || b != 0) && s != kNoFinding && s != kSeparate &&
        s != 6 && s != 29)
        s = kSameClass;
    return s;
}

int CheckItemPair(const KindFacts &A, const KindFacts &B)
{
    if (A.pid == B.pid)
        return kNoFinding;
    // 177.848(c): cyanides or cyanide mixtures may not be loaded with acids.
    if ((A.cyanide && B.acid) || (B.cyanide && A.acid))
        return 6;
    // A corrosive (label 8) that is not known to be an acid: the user judges.
    if ((A.cyanide && B.corrosiveLabel) || (B.cyanide && A.corrosiveLabel))
        return 29;
    return kNoFinding;
}

bool PairSignature::Read(const KindFacts &k)
{
    *this = PairSignature{};
    if (k.HazardCount() > kMostCodes)
        return false;
    bool explosive = false, groupL = false, liquidMatters = false, zoneMatters = false, poison = false,
         oxidizer = false;
    codeCount = k.HazardCount();
    for (int c = 0; c < codeCount; ++c) {
        const HazDiv &d = k.code[c];
        const Side side{&k, d, k.codeText[c]};
        explosive = explosive || d.hazClass == 1;
        groupL = groupL || (d.hazClass == 1 && d.compatGroup == 'L');
        poison = poison || IsDivision(d, 6, 1);
        liquidMatters = liquidMatters || d.hazClass == 8 || IsDivision(d, 6, 1);
        zoneMatters = zoneMatters || IsDivision(d, 2, 3) || IsDivision(d, 6, 1);
        oxidizer = oxidizer || d.hazClass == 5;
        code[c] = uint32_t{d.hazClass} << 24 | uint32_t{d.division} << 16 |
                  uint32_t{static_cast<unsigned char>(d.compatGroup)} << 8 | (IsComb(side) ? 1u : 0u);
    }
    physicalState = liquidMatters ? k.physicalState : 0;
    hazardZone = zoneMatters ? k.hazardZone : 0;
    packingGroup = static_cast<int16_t>(poison ? k.packingGroup : 0);
    const bool bits[] = {k.cyanide,
                         k.acid,
                         k.corrosiveLabel,
                         oxidizer && k.ammoniumNitrate,
                         explosive && k.nameNos,
                         explosive && k.nameDetonator,
                         explosive && k.nameDetonatorAssembly,
                         explosive && k.nameBooster,
                         explosive && k.nameDetonatingCord,
                         explosive && k.pid == kPidFireworks14S};
    for (size_t b = 0; b < std::size(bits); ++b)
        flags |= bits[b] ? 1u << b : 0u;
    groupLPid = groupL ? k.pid : 0;
    return true;
}

uint64_t PairSignature::Hash() const
{
    uint64_t h = 0x9e3779b97f4a7c15ULL;
    auto mix = [&h](uint64_t v) {
        h = (h ^ v) * 0xff51afd7ed558ccdULL;
        h ^= h >> 29;
    };
    for (int c = 0; c < codeCount; ++c)
        mix(code[c]);
    mix(static_cast<uint64_t>(codeCount) << 32 | static_cast<uint32_t>(groupLPid));
    mix(uint64_t{static_cast<unsigned char>(physicalState)} << 40 | uint64_t{static_cast<unsigned char>(hazardZone)} << 32 |
        uint64_t{static_cast<uint16_t>(packingGroup)} << 16);
    mix(flags);
    return h;
}

int CheckHazardPair(const Hazmat *A, const Hazmat *B, int a, int b)
{
    return CheckHazardPair(ReadKindFacts(A), ReadKindFacts(B), a, b);
}

int CheckItemPair(const Hazmat *A, const Hazmat *B)
{
    return CheckItemPair(ReadKindFacts(A), ReadKindFacts(B));
}

} // namespace dravlen
