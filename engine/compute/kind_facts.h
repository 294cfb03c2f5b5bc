// What the segregation rules of 49 CFR 177.848 read of an item, read once
// per kind of item (SameKind) for one calculation.
//
// A truckload of n items has n (n - 1) / 2 pairs; reading an item's table
// row, exemptions and hazard codes through the item functions for every
// pair of hazard codes costs far more than the rules themselves.  The facts
// below are read once per kind and the pair rules work on them alone.  The
// texts are borrowed from the item and the reference tables, which outlive
// the calculation (in a LoadKinds, the ID and hazard code texts are
// interned: InternText); the table lives only during one pass.
#pragma once

#include "dravlen.h"
#include "items/hazmat_internal.h"

#include <cstdint>
#include <vector>

namespace dravlen {

struct KindFacts {
    const Hazmat *item = nullptr;         // the first item of the kind
    // The first item's reading: its row, slot, hazard codes and exemptions
    // stored, for the item questions the passes ask of the kind.
    ItemReading reading;
    int pid = 0;
    const char *id = "";
    int packingGroup = -1;
    char physicalState = 0;
    char hazardZone = 0;
    std::vector<const char *> codeText;   // hazard code texts, primary first ("" when none)
    std::vector<HazDiv> code;             // the same, parsed
    bool cyanide = false;                 // IsCyanide_Hazmat
    bool acid = false;                    // IsAcid_Hazmat
    bool corrosiveLabel = false;          // the row lists label 8
    // 177.848(e)(5): ammonium nitrate and ammonium nitrate fertilizers.
    bool ammoniumNitrate = false;
    // Words of the shipping name that 177.835(g) reads (lower case match);
    // read only for kinds with a class 1 hazard code.
    bool nameNos = false;
    bool nameDetonator = false;
    bool nameDetonatorAssembly = false;
    bool nameBooster = false;
    bool nameDetonatingCord = false;

    int HazardCount() const { return static_cast<int>(code.size()); }
    bool ValidHazard(int index) const { return index >= 0 && index < HazardCount(); }
    const char *Text(int index) const { return ValidHazard(index) ? codeText[index] : ""; }
};

KindFacts ReadKindFacts(const Hazmat *item);

// InternText of the texts read from the reference tables, remembered by
// the address they were read at: an address met again whose text is still
// the same is answered without hashing the text.
class InternedTexts {
public:
    const char *Intern(const char *text);

private:
    struct Entry {
        const char *read = nullptr;
        const char *interned = nullptr;
    };
    void Grow();

    // Open addressing by address, a power of two in size, under half full.
    std::vector<Entry> slots_;
    size_t count_ = 0;
};

// Room for the lists of a LoadKinds, kept by an engine between its
// calculations: a LoadKinds made with it reads every fact afresh (only the
// interned texts are kept, each checked against the text read).
struct KindsRoom {
    std::vector<int> kindOf;
    std::vector<uint32_t> first;
    std::vector<KindFacts> kinds;    // their hazard code lists keep their room too
    std::vector<uint32_t> slots;     // the kinds by what makes a kind, open addressing
    InternedTexts texts;
};

// The kinds of a truckload and their facts.
class LoadKinds {
public:
    explicit LoadKinds(const Load *load);
    // The same, the lists lent by room until the LoadKinds goes.
    LoadKinds(const Load *load, KindsRoom *room);
    ~LoadKinds();
    LoadKinds(const LoadKinds &) = delete;
    LoadKinds &operator=(const LoadKinds &) = delete;

    const Load *TheLoad() const { return load_; }
    uint32_t ItemCount() const { return static_cast<uint32_t>(kindOf_.size()); }
    int KindCount() const { return static_cast<int>(first_.size()); }
    // Kinds are numbered in the order of their first item.
    int KindOf(uint32_t item) const { return kindOf_[item]; }
    uint32_t FirstItem(int kind) const { return first_[kind]; }
    const KindFacts &Facts(int kind) const { return kinds_[kind]; }
    const KindFacts &ItemFacts(uint32_t item) const { return kinds_[kindOf_[item]]; }

private:
    void Read();
    const char *Intern(const char *text);

    const Load *load_;
    KindsRoom *room_ = nullptr;
    std::vector<int> kindOf_;
    std::vector<uint32_t> first_;
    // One entry per kind, and beyond KindCount() entries left from an
    // earlier calculation whose lists keep their room.
    std::vector<KindFacts> kinds_;
    std::vector<uint32_t> slots_;
};

} // namespace dravlen
