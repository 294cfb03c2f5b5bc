#include "truckload/truckload_editing.h"
#include "compliance/verdict.h"
#include "frontend/holders.h"
#include "app/hazmat_library.h"

#include "dravlen.h"
#include "truckload/clipboard.h"
#include "settings/do_not_ship.h"
#include "search/search_listing.h"
#include "settings/settings.h"

#include <QStringList>

#include <algorithm>
#include <cstddef>

namespace velmora {

namespace {

std::vector<uint32_t> distinctSorted(std::vector<uint32_t> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

} // namespace

QString legalityQuestion(ItemChange change, int before, int after, const QString &psn)
{
    const QString title = QString::fromLatin1(kProductTitle);
    const bool will = before != 1 && after == 1;
    const bool could = before == 0 && after == 2;
    if (!will && !could)
        return {};
    switch (change) {
    case ItemChange::Add:
        return will ? QStringLiteral("Adding this item to the truckload will make the truckload illegal. Are you sure "
                                     "you want to add this?")
                    : QStringLiteral("Adding this item to the truckload could make the truckload illegal.  ") + title +
                          QStringLiteral(" is unable to determine if the load is legal. Are you sure you want to add "
                                         "this?");
    case ItemChange::Edit:
        return will ? QStringLiteral("Editing this item will make the truckload illegal. Are you sure you want to edit "
                                     "this?")
                    : QStringLiteral("Editing this item could make the truckload illegal. ") + title +
                          QStringLiteral(" is unable to determine if the load is legal. Are you sure you want to edit "
                                         "this?");
    case ItemChange::Paste:
        return QStringLiteral("Adding \"") + psn + QStringLiteral("\"\r") +
               (will ? QStringLiteral("to the truckload will make the truckload illegal.")
                     : QStringLiteral("to the truckload could make the truckload illegal.")) +
               QStringLiteral("\r\rAre you sure you want to add this?");
    }
    return {};
}

QString packingGroupText(int packingGroup)
{
    switch (packingGroup) {
    case 0: return {};
    case 1: return QStringLiteral("I");
    case 2: return QStringLiteral("II");
    case 3: return QStringLiteral("III");
    default: return QStringLiteral("???");
    }
}

QString weightText(uint32_t weight, int unit)
{
    if (weight == 0)
        return QStringLiteral("n/a");
    return QString::number(weight) + (unit ? QStringLiteral(" kgs.") : QStringLiteral(" lbs."));
}

TruckloadRow truckloadRow(Load *load, uint32_t index)
{
    TruckloadRow r;
    const Hazmat *item = GetHazmat_Load(load, index);
    if (!item)
        return r;
    r.psn = displayPsn(GetRomanPSN_Hazmat(item) ? GetRomanPSN_Hazmat(item) : "");
    std::vector<std::string> codes;
    for (int i = 0; i < GetNumHazDivs_Hazmat(item); ++i)
        codes.push_back(GetHazDivString_Hazmat(item, i) ? GetHazDivString_Hazmat(item, i) : "");
    r.hazardClass = QString::fromStdString(classText(codes));
    r.id = fromLibraryText(GetID_Hazmat(item));
    r.packingGroup = packingGroupText(GetPackingGroup_Hazmat(item));
    r.permit = fromLibraryText(HazmatPermitString_Load(load, index));
    const int unit = GetWeightUnit_Hazmat(item);
    r.weight = weightText(GetWeight_Hazmat(item, unit), unit);
    if (IsBulkPackaging_Hazmat(item))
        r.packaging = QStringLiteral("Bulk");
    else if (IsLimitedQuantity_Hazmat(item))
        r.packaging = QStringLiteral("LTD QTY");
    else if (IsExceptedQuantity_Hazmat(item))
        r.packaging = QStringLiteral("EX QTY");
    else
        r.packaging = QStringLiteral("Non-Bulk");
    const char zone = GetHazardZone_Hazmat(item);
    const QString letter = zone ? QString(QChar::fromLatin1(zone)).trimmed() : QString();
    r.pih = letter.isEmpty() ? QStringLiteral("None") : QStringLiteral("Zone ") + letter;
    return r;
}

QStringList doNotShipWarnings(Load *load, const DoNotShipList &list)
{
    QStringList out;
    for (uint32_t i = 0; i < GetItemCount_Load(load); ++i) {
        const char *id = GetID_Hazmat(GetHazmat_Load(load, i));
        if (id && list.contains(id))
            out << fromLibraryText(id) + QStringLiteral(" is on the DO NOT SHIP list.");
    }
    return out;
}

Load *TruckloadEditor::load() const { return GetLoad_Engine(engine_); }

void TruckloadEditor::notify()
{
    if (changed)
        changed();
}

bool TruckloadEditor::checkLegality(ItemChange change, const QString &psn, const std::function<bool()> &apply,
                                    const std::function<void()> &undo)
{
    Calculate_Engine(engine_);
    const int before = GetLegality_Engine(engine_);
    if (!apply())
        return false;
    Calculate_Engine(engine_);
    const int after = GetLegality_Engine(engine_);
    QString question = legalityQuestion(change, before, after, psn);
    if (!question.isEmpty())   // and the rule that decides it, with its citation
        question += decidingFindingsText(engine_);
    if (!question.isEmpty() &&
        prompts_.show(PromptType::Confirmation, question, PromptButtons::YesNo) != PromptAnswer::Yes) {
        undo();
        // Recompute, so nothing shows or prints the results of the rejected load.
        Calculate_Engine(engine_);
        notify();
        return false;
    }
    dirty_ = true;
    notify();
    return true;
}

bool TruckloadEditor::add(const Hazmat *item, ItemChange change)
{
    Load *l = load();
    int index = -1;
    const bool kept = checkLegality(
        change, fromLibraryText(GetPSN_Hazmat(item)),
        [&] {
            index = Add_Load(l, item);
            return index >= 0;
        },
        [&] { Remove_Load(l, static_cast<uint32_t>(index)); });
    if (kept)
        status_ = fromLibraryText(GetID_Hazmat(item)) + QStringLiteral(" added to truckload");
    return kept;
}

bool TruckloadEditor::edit(uint32_t index, const Hazmat *edited)
{
    Load *l = load();
    if (index >= GetItemCount_Load(l))
        return false;
    frontend::ItemHolder saved;
    Copy_Hazmat(saved.get(), GetHazmat_Load(l, index));
    return checkLegality(
        ItemChange::Edit, fromLibraryText(GetPSN_Hazmat(edited)),
        [&] {
            Copy_Hazmat(GetHazmat_Load(l, index), edited);
            return true;
        },
        [&] { Copy_Hazmat(GetHazmat_Load(l, index), saved.get()); });
}

void TruckloadEditor::remove(std::vector<uint32_t> rows)
{
    rows = distinctSorted(std::move(rows));
    Load *l = load();
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        Remove_Load(l, *it);
    dirty_ = true;
    Calculate_Engine(engine_);
    notify();
}

QByteArray TruckloadEditor::copy(std::vector<uint32_t> rows) const
{
    rows = distinctSorted(std::move(rows));
    std::vector<Hazmat *> items;
    for (uint32_t r : rows)
        if (Hazmat *item = GetHazmat_Load(load(), r))
            items.push_back(item);
    return clipboardBlock(items);
}

int TruckloadEditor::paste(const QByteArray &block)
{
    const auto spans = clipboardRecords(block);
    const uint32_t version = GetLatestSerialHazmatVersion();
    bool readable = spans.has_value();
    // Every record must read as one whole item before anything is added.
    for (size_t i = 0; readable && i < spans->size(); ++i) {
        frontend::ItemHolder scratch;
        const RecordSpan &s = (*spans)[i];
        readable = Unserialize_Hazmat(scratch.get(), block.constData() + s.offset, version) ==
                   static_cast<uint32_t>(s.length);
    }
    if (!readable) {
        prompts_.error(unreadableClipboardText());
        return -1;
    }
    // Each item that changes the truckload's legality is asked about as it
    // is added.  Adding an item never makes a truckload more legal (every
    // finding is about an item, a pair of items or a total that only
    // grows), so the legality after each item climbs from legal through
    // "cannot be determined" to illegal: when it is the same after the
    // last item as before the first, no item in between changes it.  The
    // item that does is found by halving the run (a few calculations
    // instead of one per item), asked about, and the search goes on after
    // it.  Once the truckload is illegal nothing more is asked.
    Load *l = load();
    const auto addRecord = [&](size_t r) {
        frontend::ItemHolder scratch;
        Unserialize_Hazmat(scratch.get(), block.constData() + (*spans)[r].offset, version);
        return Add_Load(l, scratch.get());
    };
    const auto legalityNow = [&] {
        Calculate_Engine(engine_);
        return GetLegality_Engine(engine_);
    };
    int legality = legalityNow();
    int kept = 0;
    size_t lastKept = spans->size();
    size_t next = 0;
    while (next < spans->size()) {
        // The rest of the block, added; run[k] is the record of the k-th
        // item added after `start`.
        const uint32_t start = GetItemCount_Load(l);
        std::vector<size_t> run;
        for (size_t r = next; r < spans->size(); ++r)
            if (addRecord(r) >= 0)
                run.push_back(r);
        next = spans->size();
        if (run.empty())
            break;
        int after = legality == 1 ? 1 : legalityNow();
        if (after == legality) {
            kept += static_cast<int>(run.size());
            lastKept = run.back();
            break;
        }
        // Keeps the first `count` items of the run in the truckload.
        const auto keepFirst = [&](size_t count) {
            while (GetItemCount_Load(l) > start + count)
                Remove_Load(l, GetItemCount_Load(l) - 1);
            while (GetItemCount_Load(l) < start + count)
                if (addRecord(run[GetItemCount_Load(l) - start]) < 0)
                    break;  // it was added before: cannot happen
        };
        // The first item after which the legality differs: the last one
        // does.
        size_t lo = 0, hi = run.size() - 1;
        while (lo < hi) {
            const size_t mid = lo + (hi - lo) / 2;
            keepFirst(mid + 1);
            if (legalityNow() != legality)
                hi = mid;
            else
                lo = mid + 1;
        }
        keepFirst(lo + 1);
        after = legalityNow();
        kept += static_cast<int>(lo);
        if (lo > 0)
            lastKept = run[lo - 1];
        const Hazmat *added = GetHazmat_Load(l, start + static_cast<uint32_t>(lo));
        if (!added)
            break;
        const QString question =
            legalityQuestion(ItemChange::Paste, legality, after, fromLibraryText(GetPSN_Hazmat(added)));
        if (!question.isEmpty() &&
            prompts_.show(PromptType::Confirmation, question, PromptButtons::YesNo) != PromptAnswer::Yes) {
            Remove_Load(l, start + static_cast<uint32_t>(lo));
        } else {
            ++kept;
            lastKept = run[lo];
            legality = after;
        }
        next = run[lo] + 1;
    }
    if (kept > 0) {
        dirty_ = true;
        frontend::ItemHolder last;
        Unserialize_Hazmat(last.get(), block.constData() + (*spans)[lastKept].offset, version);
        status_ = fromLibraryText(GetID_Hazmat(last.get())) + QStringLiteral(" added to truckload");
    }
    if (!spans->empty()) {
        // Nothing shows or prints the results of a rejected item.
        Calculate_Engine(engine_);
        notify();
    }
    return kept;
}

} // namespace velmora
