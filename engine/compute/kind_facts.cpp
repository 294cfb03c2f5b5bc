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
    if (std::strlen(id) != 6)
        return false;
    for (const char *an : {"NA2072", "UN2067", "NA2069", "UN2071", "UN1942"})
        if (std::memcmp(id, an, 6) == 0)
            return true;
    return false;
}

// The entry's whole column 2 text, lower case (the same for every item of
// the entry, whichever of its names is chosen).
std::string LowerName(const ItemReading &r)
{
    const char *name = r.row ? GetElement_CTRec(r.row, -1, kColProperName, 0) : nullptr;
    std::string lower = name ? name : "";
    for (char &c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

// Reads the facts of item's kind into f, of which only the room of its
// lists is kept.
void ReadInto(const Hazmat *item, KindFacts &f)
{
    std::vector<const char *> texts = std::move(f.codeText);
    std::vector<HazDiv> codes = std::move(f.code);
    texts.clear();
    codes.clear();
    f = KindFacts{};
    f.codeText = std::move(texts);
    f.code = std::move(codes);

    const ItemReading r = ReadItem(item);
    f.item = item;
    f.reading = r;
    f.pid = item->pid;
    if (const char *id = ItemID(r))
        f.id = id;
    f.packingGroup = r.row ? r.slot : -1;
    f.physicalState = PhysicalState(item, r.row);
    f.hazardZone = HazardZone(r);
    const int n = r.hazardCount;
    f.codeText.reserve(n);
    f.code.reserve(n);
    bool explosive = false;
    for (int k = 0; k < n; ++k) {
        const char *text = HazardCode(r, k);
        f.codeText.push_back(text ? text : "");
        HazDiv d{};
        Init_HazDiv(&d, f.codeText.back());
        f.code.push_back(d);
        explosive = explosive || d.hazClass == 1;
    }
    f.cyanide = r.row && IsCyanide_CTRec(r.row);
    f.acid = r.row && IsAcid_CTRec(r.row);
    f.corrosiveLabel = SlotHas(r, kColLabelCodes, "8");
    f.ammoniumNitrate = AmmoniumNitrate(f.id);
    if (explosive) {
        const std::string name = LowerName(r);
        auto has = [&name](const char *words) { return name.find(words) != std::string::npos; };
        f.nameNos = has("n.o.s");
        f.nameDetonator = has("detonator");
        f.nameDetonatorAssembly = has("detonator assembl");
        f.nameBooster = has("booster");
        f.nameDetonatingCord = has("cord, detonating") || has("detonating cord");
    }
}

// What makes a kind (SameKind), hashed.
size_t KindHash(const Hazmat &x)
{
    uint64_t h = static_cast<uint32_t>(x.pid);
    for (const uint32_t v : {x.wordA, x.wordB, x.nameIndex, x.transportIndex, x.csi})
        h = (h ^ v) * 0x9E3779B97F4A7C15ull;
    return static_cast<size_t>(h ^ (h >> 29));
}

} // namespace

const char *InternedTexts::Intern(const char *text)
{
    if (text == nullptr || *text == '\0')
        return InternText(text);
    if (2 * (count_ + 1) > slots_.size())
        Grow();
    const size_t mask = slots_.size() - 1;
    const auto address = reinterpret_cast<uintptr_t>(text);
    for (size_t at = static_cast<size_t>((address * 0x9E3779B97F4A7C15ull) >> 32) & mask;; at = (at + 1) & mask) {
        Entry &e = slots_[at];
        if (e.read == text) {
            // The tables under the address may have changed since.
            if (std::strcmp(e.interned, text) != 0)
                e.interned = InternText(text);
            return e.interned;
        }
        if (e.read == nullptr) {
            e = {text, InternText(text)};
            ++count_;
            return e.interned;
        }
    }
}

void InternedTexts::Grow()
{
    std::vector<Entry> old = std::move(slots_);
    slots_.assign(old.empty() ? 64 : old.size() * 2, Entry{});
    const size_t mask = slots_.size() - 1;
    for (const Entry &e : old) {
        if (e.read == nullptr)
            continue;
        const auto address = reinterpret_cast<uintptr_t>(e.read);
        size_t at = static_cast<size_t>((address * 0x9E3779B97F4A7C15ull) >> 32) & mask;
        while (slots_[at].read != nullptr)
            at = (at + 1) & mask;
        slots_[at] = e;
    }
}

KindFacts ReadKindFacts(const Hazmat *item)
{
    KindFacts f;
    ReadInto(item, f);
    return f;
}

LoadKinds::LoadKinds(const Load *load) : load_(load) { Read(); }

LoadKinds::LoadKinds(const Load *load, KindsRoom *room)
    : load_(load), room_(room), kindOf_(std::move(room->kindOf)), first_(std::move(room->first)),
      kinds_(std::move(room->kinds)), slots_(std::move(room->slots))
{
    Read();
}

const char *LoadKinds::Intern(const char *text) { return room_ ? room_->texts.Intern(text) : InternText(text); }

LoadKinds::~LoadKinds()
{
    if (!room_)
        return;
    room_->kindOf = std::move(kindOf_);
    room_->first = std::move(first_);
    room_->kinds = std::move(kinds_);
    room_->slots = std::move(slots_);
}

void LoadKinds::Read()
{
    const uint32_t n = load_->itemCount;
    kindOf_.assign(n, -1);
    first_.clear();
    // The kinds met so far by what makes a kind: kind + 1 per slot, 0 when
    // free, under half full.  A kind is numbered when its first item is met.
    size_t size = 16;
    while (size < 2 * static_cast<size_t>(n))
        size *= 2;
    slots_.assign(size, 0);
    for (uint32_t i = 0; i < n; ++i) {
        const Hazmat &x = load_->items[i];
        for (size_t at = KindHash(x) & (size - 1);; at = (at + 1) & (size - 1)) {
            const uint32_t slot = slots_[at];
            if (slot != 0 && SameKind(load_->items[first_[slot - 1]], x)) {
                kindOf_[i] = static_cast<int>(slot - 1);
                break;
            }
            if (slot != 0)
                continue;
            const size_t k = first_.size();
            slots_[at] = static_cast<uint32_t>(k + 1);
            kindOf_[i] = static_cast<int>(k);
            first_.push_back(i);
            if (k == kinds_.size())
                kinds_.emplace_back();
            KindFacts &f = kinds_[k];
            ReadInto(&x, f);
            // Messages keep these texts beyond the calculation: interned once
            // per kind instead of once per message.
            f.id = Intern(f.id);
            for (const char *&text : f.codeText)
                text = Intern(text);
            break;
        }
    }
}

} // namespace dravlen
