// The placarding answers of each kind of item, read once per calculation.
#include "compute/placard_kinds.h"

#include "compute/kind_facts.h"
#include "compute/load_figures.h"
#include "compute/placard_rules.h"
#include "compute/placarding.h"
#include "items/hazmat_internal.h"


namespace dravlen {
namespace {

// Exemption 2: the 173.159(e) battery exception.
constexpr unsigned kExemptionBatteries = 2;

bool TextIs(const char *text, const char *expected)
{
    if (!text)
        return false;
    for (; *expected; ++text, ++expected)
        if (*text != *expected)
            return false;
    return *text == '\0';
}

} // namespace

namespace {

// ReadPlacardKind into a kind made afresh.
void ReadPlacardKindInto(PlacardKind &k, const Hazmat *item, const KindFacts *facts)
{
    // The kind's reading and its primary hazard code as its facts hold them
    // (read and parsed once per calculation), or from the item.
    k.item = item;
    k.reading = facts ? facts->reading : ReadItem(item);
    const ItemReading &r = k.reading;
    const bool known = facts && facts->HazardCount() > 0 && facts->codeText[0][0] != '\0';
    k.exempt = ExemptFromPlacarding(r);
    k.table1 = IsTable1(r);
    const bool row = r.row != nullptr;
    // IsTable2_Hazmat: a row and not Table 1.
    k.placardable = row && !k.table1 && !k.exempt;
    k.subsidiary = HasPlacardableSubsidiary(r);
    k.placardableSubsidiary = k.placardable && k.subsidiary;
    k.bulk = IsBulkPackaging_Hazmat(item) != 0;
    k.elevated = IsElevatedTemperature_Hazmat(item) != 0;
    k.noIds = NoIDsOnPlacards(r);
    const char *primary = known ? facts->codeText[0] : HazardCode(r, 0);
    k.division62 = TextIs(primary, "6.2");
    k.class7 = TextIs(primary, "7");
    k.batteries = Held(r, kExemptionBatteries);
    const char *id = ItemID(r);
    k.sodiumBatteries = TextIs(id, "UN3292");
    k.uraniumHexafluoride = TextIs(id, "UN2977") || TextIs(id, "UN2978");
    k.inhalationZone = PoisonByInhalation(r) ? HazardZone(r) : 0;
    if (row) {
        const HazDiv d = known ? facts->code[0] : HazardDiv(r, 0);
        k.category = d.hazClass * 256 + d.division;
        k.placardGroup = PlacardGroup(d.hazClass);
    }
    k.idDigits = ItemIdDigits(r);
}

} // namespace

PlacardKind ReadPlacardKind(const Hazmat *item, const KindFacts *facts)
{
    PlacardKind k;
    ReadPlacardKindInto(k, item, facts);
    return k;
}

PlacardKinds::PlacardKinds(const Load *load) : load_(load)
{
    const LoadKinds kinds(load);
    Read(kinds);
}

PlacardKinds::PlacardKinds(const LoadKinds &kinds, PlacardKindsRoom *room) : load_(kinds.TheLoad()), room_(room)
{
    if (room) {
        kindOf_ = std::move(room->kindOf);
        pounds_ = std::move(room->pounds);
        kinds_ = std::move(room->kinds);
        categoryKind_ = std::move(room->categoryKind);
        categoryPounds_ = std::move(room->categoryPounds);
    }
    Read(kinds);
}

PlacardKinds::~PlacardKinds()
{
    if (!room_)
        return;
    room_->kindOf = std::move(kindOf_);
    room_->pounds = std::move(pounds_);
    room_->kinds = std::move(kinds_);
    room_->categoryKind = std::move(categoryKind_);
    room_->categoryPounds = std::move(categoryPounds_);
}

void PlacardKinds::Read(const LoadKinds &kinds)
{
    const uint32_t n = kinds.ItemCount();
    kindOf_.resize(n);
    pounds_.resize(n);
    for (uint32_t i = 0; i < n; ++i) {
        kindOf_[i] = kinds.KindOf(i);
        pounds_[i] = GetWeight_Hazmat(&load_->items[i], 0);
    }
    kinds_.clear();
    kinds_.reserve(kinds.KindCount());
    for (int k = 0; k < kinds.KindCount(); ++k)
        ReadPlacardKindInto(kinds_.emplace_back(), &load_->items[kinds.FirstItem(k)], &kinds.Facts(k));
    pih_ = dravlen::GreatestInhalationItem(load_, [this](uint32_t p) { return kinds_[kindOf_[p]].inhalationZone; });
    single_ = FindSingleMaterialItem(load_);

    // The weights of 172.504(b), (c) and 172.505(b), added up in one walk:
    // a category is numbered by its first kind.
    const int kindCount = static_cast<int>(kinds_.size());
    categoryKind_.resize(static_cast<size_t>(kindCount));
    for (int k = 0; k < kindCount; ++k) {
        int first = k;
        for (int c = 0; c < k; ++c) {
            if (categoryKind_[c] == c && kinds_[c].category == kinds_[k].category) {
                first = c;
                break;
            }
        }
        categoryKind_[k] = first;
    }
    categoryPounds_.assign(static_cast<size_t>(kindCount), 0);
    table2_ = 0;
    uraniumHexafluoride_ = 0;
    for (uint32_t i = 0; i < n; ++i) {
        const PlacardKind &k = kinds_[kindOf_[i]];
        if (k.uraniumHexafluoride)
            uraniumHexafluoride_ += pounds_[i];
        if (!k.placardable)
            continue;
        categoryPounds_[categoryKind_[kindOf_[i]]] += pounds_[i];
        if (!k.placardableSubsidiary)
            table2_ += pounds_[i];
    }
}

const Placard &PlacardKind::PrimaryPlacard(int markingType) const
{
    if (!made[markingType]) {
        Placard p{};
        MakePlacard(&p, reading, 0, markingType, 1);
        placard[markingType] = p;
        made[markingType] = true;
    }
    return placard[markingType];
}

bool PlacardKind::PrimaryVariants(Placard variants[3]) const
{
    if (!MakePlacardVariants(variants, reading, 0))
        return false;
    if (!plainMade) {
        plain = variants[0];
        plainMade = true;
    }
    if (!made[0]) {
        placard[0] = variants[1];
        made[0] = true;
    }
    return true;
}

const Placard &PlacardKind::PlainPlacard() const
{
    if (!plainMade) {
        Placard p{};
        MakePlacard(&p, reading, 0, 0, 0);
        plain = p;
        plainMade = true;
    }
    return plain;
}

} // namespace dravlen
