// Placarding under 49 CFR 172.504: the load summary, the allowed placards,
// whether a DANGEROUS option is offered, and building one option.
#pragma once

#include "dravlen.h"

#include <cstdint>
#include <vector>

namespace dravlen {

class PlacardKinds;
struct PlacardKind;
struct ItemReading;

// The placard keys (GetHash_Placard) fall below this bound.
constexpr uint32_t kPlacardKeys = 1u << 14;

// A placard with its key.
struct KeyedPlacard {
    uint32_t key;
    Placard placard;
};

// Room for the lists of the placarding steps, kept by an engine between its
// calculations: only room, never contents.
struct PlacardingRoom {
    std::vector<KeyedPlacard> allowed;   // DoAllPossiblePlacards: the placards offered, one per key
    std::vector<uint64_t> allowedKeys;   // the keys met, a bit per key
    std::vector<uint64_t> unchangedAt;   // BuildPlacardOption: a kind's add left the option as it was
    std::vector<Placard> placards;       // BuildPlacardOption: the option's placards while it is built
};

// 172.504(c): Table 2 materials need placards from 454 kg (1,001 pounds).
constexpr uint64_t kTable2Aggregate = 1001;
// 172.504(b): DANGEROUS may not stand for a category of 1,000 kg (2,205
// pounds) or more loaded at one facility.
constexpr uint64_t kDangerousCategoryLimit = 2205;

// The 172.504(b) and (c) figures exactly as the placarding reads them: for
// each item, whether it is a Table 2 material not excepted from placarding,
// whether it has a placardable subsidiary hazard, its category (primary
// class * 256 + division; -1 without a row) and the total weight of the
// placardable Table 2 materials of that category; and the aggregate of the
// placardable Table 2 materials without a placardable subsidiary.
struct Table2Figures {
    uint64_t aggregate = 0;
    std::vector<bool> placardable;
    std::vector<bool> subsidiary;
    std::vector<bool> bulk;
    std::vector<int> category;
    std::vector<uint64_t> categoryPounds;
};
Table2Figures ReadTable2Figures(Engine *engine);

// 172.505(b): the weight of uranium hexafluoride (UN2977, UN2978) aboard.
uint64_t UraniumHexafluoridePounds(Engine *engine);
uint64_t UraniumHexafluoridePounds(const PlacardKinds &kinds);

// 172.301(a)(3): the item whose number the vehicle shows as the single
// material of 8,820 pounds or more the shipper declared, or -1.
int FindSingleMaterialItem(Engine *engine);
int FindSingleMaterialItem(const Load *load);

// Recomputes the truckload's summary flags (all gasoline, all fuel oil, all
// one PID, any bulk, any bulk inhalation hazard).
void AnalyzeLoad(Engine *engine);

// Fills the output's allowed-placard list with every distinct placard any
// item could legitimately show.
void DoAllPossiblePlacards(Engine *engine);
void DoAllPossiblePlacards(Engine *engine, const PlacardKinds &kinds, PlacardingRoom *room = nullptr);

// Whether a DANGEROUS option is to be offered (172.504(b)).
bool IsDangerousPossible(Engine *engine);
bool IsDangerousPossible(Engine *engine, const PlacardKinds &kinds);

// Builds the output's current option: its placards, its identification
// number and HOT markings, and the messages that arise while placarding.
// `dangerous` selects the option that uses the DANGEROUS placard.
void BuildPlacardOption(Engine *engine, bool dangerous);
// The same, reading the placarding answers of the calculation's kinds, with
// the room of the engine when given.
void BuildPlacardOption(Engine *engine, bool dangerous, const PlacardKinds &kinds,
                        PlacardingRoom *room = nullptr);

// Operations on the output's current option; each does nothing when no
// option is current.
// Adds the item's primary placard, merging it with the placards already
// shown.  A non-zero marking type asks for the identification number of
// that type (1 single material, 2 inhalation hazard, 3 bulk) on the placard.
void AddPlacard(Output *out, const Hazmat *item, int markingType);
// The same for a kind of item; returns whether the option changed.
bool AddKindPlacard(Output *out, const PlacardKind &kind, int markingType);
// Adds the placards the item's subsidiary hazards need (172.505).
void AddSubsidiaryPlacards(Output *out, const Hazmat *item);
void AddSubsidiaryPlacards(Output *out, const ItemReading &item);
// Adds a marking of the given type for the item, unless the item is
// excepted from marking.
void AddMarking(Output *out, const Hazmat *item, int markingType);
void AddMarking(Output *out, const ItemReading &item, int markingType);

// The order of the placarding options: a standard option, and a DANGEROUS
// option when it is possible, listed first when the engine's switch says
// so.  Writes up to two entries (true = the DANGEROUS option) and returns
// their number.
int PlacardingOptionOrder(bool dangerousFirst, bool dangerousPossible, bool order[2]);

} // namespace dravlen
