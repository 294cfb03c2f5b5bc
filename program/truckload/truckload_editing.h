// Truckload editing: the rows of the truckload list, adding, editing,
// removing, copying and pasting items with the legality warning around each
// change.  Runs on the engine alone, so it is tested without a window.
#pragma once

#include "app/prompts.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

struct Engine;
struct Hazmat;
struct Load;

namespace velmora {

struct DoNotShipList;

enum class ItemChange { Add, Edit, Paste };

// The question asked before a change moves legality from `before` to
// `after` (0 legal, 1 illegal, 2 cannot be determined), or "" when none is
// asked: "will make" when the load becomes illegal from a load that was not,
// "could make" when a legal load becomes undeterminable.
QString legalityQuestion(ItemChange change, int before, int after, const QString &psn);

// One row of the truckload list.
struct TruckloadRow {
    QString psn, hazardClass, id, packingGroup, permit, weight, packaging, pih;
};
TruckloadRow truckloadRow(Load *load, uint32_t index);
QString packingGroupText(int packingGroup);   // 0 "", 1 "I", 2 "II", 3 "III", -1 "???"
QString weightText(uint32_t weight, int unit); // "n/a", "500 kgs.", "1000 lbs."

// The errors shown for items on the Do Not Ship list, one per such item.
QStringList doNotShipWarnings(Load *load, const DoNotShipList &list);

class TruckloadEditor {
public:
    TruckloadEditor(Engine *engine, Prompts &prompts) : engine_(engine), prompts_(prompts) {}

    Load *load() const;
    bool dirty() const { return dirty_; }
    void setDirty(bool d) { dirty_ = d; }
    const QString &statusText() const { return status_; }

    // Each change keeps or undoes itself after the legality question; true
    // when it stays.  A change that is undone leaves the engine recomputed
    // for the truckload as it was.
    bool add(const Hazmat *item, ItemChange change = ItemChange::Add);
    bool edit(uint32_t index, const Hazmat *edited);
    // Removes the given rows (any order, duplicates ignored), last first.
    void remove(std::vector<uint32_t> rows);
    // The clipboard block of the given rows (in truckload order); empty for none.
    QByteArray copy(std::vector<uint32_t> rows) const;
    // Pastes a clipboard block.  The whole block is read first: a block that
    // breaks off, a record whose length runs past the end or an item the
    // engine cannot read shows a message and pastes nothing.  Returns the
    // number of items kept, or -1 for an unreadable block.  Each item that
    // would make the truckload illegal is asked about as it is added (none
    // once the truckload is illegal); the views refresh once.
    int paste(const QByteArray &block);

    // Runs after every change that was kept or undone, for the views to
    // refresh (recomputing the compliance view).
    std::function<void()> changed;

private:
    bool checkLegality(ItemChange change, const QString &psn, const std::function<bool()> &apply,
                       const std::function<void()> &undo);
    void notify();

    Engine *engine_;
    Prompts &prompts_;
    bool dirty_ = false;
    QString status_;
};

} // namespace velmora
