// The facts of each kind of item of a truckload, read once per calculation.
#include "compute/kind_facts.h"

#include "compute/item_facts.h"
#include "compute/item_kinds.h"
#include "compute/messages.h"

#include <cctype>
#include <cstring>
#include <string>
#include <utility>

namespace dravlen {
namespace {

bool AmmoniumNitrate(const char *id)
{
    for (const char *an : {"NA2072", "UN2067", "NA2069", "UN2071", "UN1942"})
        if (std::strcmp(id, an) == 0)
            return true;
    return false;
}

// The entry's whole column 2 text, lower case (the same for every item of
// the entry, whichever of its names is chosen).
std::string LowerName(const Hazmat *item)
{
    const char *name = GetPSN_Hazmat(item);
    std::string lower = name ? name : "";
    for (char &c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

} // namespace

KindFacts ReadKindFacts(const Hazmat *item)
{
    KindFacts f;
    f.item = item;
    f.pid = GetPID_Hazmat(item);
    if (const char *id = GetID_Hazmat(item))
        f.id = id;
    f.packingGroup = GetPackingGroup_Hazmat(item);
    f.physicalState = GetPhysicalState_Hazmat(item);
    f.hazardZone = static_cast<char>(GetHazardZone_Hazmat(item));
    const int n = HazardCount(item);
    f.codeText.reserve(n);
    f.code.reserve(n);
    bool explosive = false;
    for (int k = 0; k < n; ++k) {
        const char *text = GetHazDivString_Hazmat(item, k);
        f.codeText.push_back(text ? text : "");
        HazDiv d{};
        Init_HazDiv(&d, f.codeText.back());
        f.code.push_back(d);
        explosive = explosive || d.hazClass == 1;
    }
    f.cyanide = IsCyanide_Hazmat(item) != 0;
    f.acid = IsAcid_Hazmat(item) != 0;
    f.corrosiveLabel = RowLists(item, kColLabelCodes, "8");
    f.ammoniumNitrate = AmmoniumNitrate(f.id);
    if (explosive) {
        const std::string name = LowerName(item);
        auto has = [&name](const char *words) { return name.find(words) != std::string::npos; };
        f.nameNos = has("n.o.s");
        f.nameDetonator = has("detonator");
        f.nameDetonatorAssembly = has("detonator assembl");
        f.nameBooster = has("booster");
        f.nameDetonatingCord = has("cord, detonating") || has("detonating cord");
    }
    return f;
}

LoadKinds::LoadKinds(const Load *load) : load_(load)
{
    const std::vector<uint32_t> first = FirstOfKind(load);
    kindOf_.assign(load->itemCount, -1);
    for (uint32_t i = 0; i < load->itemCount; ++i) {
        if (first[i] != i) {
            kindOf_[i] = kindOf_[first[i]];
            continue;
        }
        kindOf_[i] = static_cast<int>(kinds_.size());
        first_.push_back(i);
        KindFacts f = ReadKindFacts(&load->items[i]);
        // Messages keep these texts beyond the calculation: interned once
        // per kind instead of once per message.
        f.id = InternText(f.id);
        for (const char *&text : f.codeText)
            text = InternText(text);
        kinds_.push_back(std::move(f));
    }
}

} // namespace dravlen
