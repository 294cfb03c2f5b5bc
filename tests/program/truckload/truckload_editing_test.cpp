// Truckload editing on the real engine: legality warnings around add, edit
// and paste, removal, the clipboard block and its bounds checks, the list's
// rows, and the main window's editing commands.
#include "support/fakes.h"
#include "dravlen.h"
#include "truckload/clipboard.h"
#include "settings/do_not_ship.h"
#include "app/dravlen_library.h"
#include "app/main_window.h"
#include "truckload/truckload_view.h"
#include "truckload/truckload_commands.h"
#include "search/search_view.h"
#include "truckload/truckload_editing.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <cstdlib>
#include <deque>
#include <cstring>

using namespace velmora;
using namespace velmora::test;

namespace {

constexpr int kGasoline = 631;        // UN1203, class 3
constexpr int kHydrogenCyanide = 511; // UN1051, 6.1 zone A: may not travel with class 3 (177.848)
constexpr int kChlorine = 482;        // UN1017, 2.3 zone B
constexpr int kPhosgene = 532;        // UN1076, 2.3 zone A: with chlorine, legality cannot be determined
constexpr int kAmmonia = 473;         // UN1005, 2.3, zone D

struct Item {
    alignas(std::max_align_t) unsigned char storage[256];
    explicit Item(int pid = 0, uint32_t weight = 1000, int unit = 0)
    {
        Init_Hazmat(get(), pid);
        SetWeightUnit_Hazmat(get(), unit);
        SetWeight_Hazmat(get(), weight);
    }
    ~Item() { Reset_Hazmat(get(), 0); }
    Hazmat *get() { return reinterpret_cast<Hazmat *>(storage); }
};

QByteArray record(Hazmat *item)
{
    QByteArray bytes(static_cast<qsizetype>(GetSerialSize_Hazmat(item, 7)), '\0');
    Serialize_Hazmat(item, bytes.data());
    return bytes;
}

std::vector<int> pids(Load *load)
{
    std::vector<int> p;
    for (uint32_t i = 0; i < GetItemCount_Load(load); ++i)
        p.push_back(GetPID_Hazmat(GetHazmat_Load(load, i)));
    return p;
}

void putLE32(QByteArray &b, qsizetype at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

} // namespace

class TruckloadEditingTest : public QObject {
    Q_OBJECT

    Engine *engine_ = nullptr;
    ScriptedPrompts prompts_;

    Load *load() { return GetLoad_Engine(engine_); }
    void fill(TruckloadEditor &ed, std::initializer_list<int> items)
    {
        for (int pid : items) {
            Item it(pid);
            QVERIFY(ed.add(it.get()));
        }
    }

private slots:
    void initTestCase()
    {
        engine_ = static_cast<Engine *>(std::calloc(1, static_cast<size_t>(GetSizeOf_Engine())));
        Init_Engine(engine_);
    }
    void cleanupTestCase()
    {
        Destroy_Engine(engine_);
        std::free(engine_);
    }
    void init()
    {
        Reset_Load(load());
        Calculate_Engine(engine_);
        prompts_.shown.clear();
        prompts_.answers.clear();
    }

    void questionTexts()
    {
        const QString title = QStringLiteral("Velmora - Commercial");
        const struct {
            ItemChange change;
            int before, after;
            QString text;
        } cases[] = {
            {ItemChange::Add, 0, 1,
             "Adding this item to the truckload will make the truckload illegal. Are you sure you want to add this?"},
            {ItemChange::Add, 2, 1,
             "Adding this item to the truckload will make the truckload illegal. Are you sure you want to add this?"},
            {ItemChange::Add, 0, 2,
             "Adding this item to the truckload could make the truckload illegal.  " + title +
                 " is unable to determine if the load is legal. Are you sure you want to add this?"},
            {ItemChange::Edit, 0, 1, "Editing this item will make the truckload illegal. Are you sure you want to edit this?"},
            {ItemChange::Edit, 0, 2,
             "Editing this item could make the truckload illegal. " + title +
                 " is unable to determine if the load is legal. Are you sure you want to edit this?"},
            {ItemChange::Paste, 0, 1,
             "Adding \"Chlorine\"\rto the truckload will make the truckload illegal.\r\rAre you sure you want to add this?"},
            {ItemChange::Paste, 0, 2,
             "Adding \"Chlorine\"\rto the truckload could make the truckload illegal.\r\rAre you sure you want to add this?"},
            // No question: already illegal, stays legal, or from undeterminable to undeterminable.
            {ItemChange::Add, 1, 1, ""},
            {ItemChange::Add, 0, 0, ""},
            {ItemChange::Add, 2, 2, ""},
            {ItemChange::Add, 1, 2, ""},
        };
        for (const auto &c : cases)
            QCOMPARE(legalityQuestion(c.change, c.before, c.after, QStringLiteral("Chlorine")), c.text);
    }

    // Adding an item that makes the load illegal asks; Yes keeps it, No
    // takes it off again and leaves the engine computed for the old load.
    void addAsksBeforeMakingTheLoadIllegal()
    {
        for (const PromptAnswer answer : {PromptAnswer::Yes, PromptAnswer::No}) {
            Reset_Load(load());
            TruckloadEditor ed(engine_, prompts_);
            fill(ed, {kGasoline});
            int notified = 0;
            ed.changed = [&] { ++notified; };
            ed.setDirty(false);
            prompts_.shown.clear();
            prompts_.answers = {answer};
            Item cyanide(kHydrogenCyanide);
            QCOMPARE(ed.add(cyanide.get()), answer == PromptAnswer::Yes);
            QCOMPARE(prompts_.shown.size(), size_t(1));
            QCOMPARE(prompts_.shown[0].type, PromptType::Confirmation);
            QCOMPARE(prompts_.shown[0].buttons, PromptButtons::YesNo);
            QVERIFY(prompts_.shown[0].text.contains("will make the truckload illegal"));
            // The warning names the rule broken, the items and the paragraph.
            const QString why = prompts_.shown[0].text.section(QStringLiteral("\n\n"), 1);
            QVERIFY2(why.startsWith(QLatin1String("The rule it breaks:\nUN1051 and UN1203: ")) ||
                         why.startsWith(QLatin1String("The rule it breaks:\nUN1203 and UN1051: ")),
                     qPrintable(why));
            QVERIFY2(why.contains(QLatin1String("may not be loaded")) && why.contains(QLatin1String("(49 CFR 177.848")),
                     qPrintable(why));
            QCOMPARE(notified, 1);
            if (answer == PromptAnswer::Yes) {
                QCOMPARE(pids(load()), (std::vector<int>{kGasoline, kHydrogenCyanide}));
                QVERIFY(ed.dirty());
                QCOMPARE(ed.statusText(), QStringLiteral("UN1051 added to truckload"));
                QCOMPARE(GetLegality_Engine(engine_), 1);
            } else {
                QCOMPARE(pids(load()), std::vector<int>{kGasoline});
                QVERIFY(!ed.dirty());
                QCOMPARE(GetLegality_Engine(engine_), 0);   // recomputed after the undo
            }
        }
    }

    void addAsksWhenLegalityBecomesUndeterminable()
    {
        TruckloadEditor ed(engine_, prompts_);
        fill(ed, {kChlorine});
        prompts_.answers = {PromptAnswer::No};
        Item phosgene(kPhosgene);
        QVERIFY(!ed.add(phosgene.get()));
        QCOMPARE(prompts_.texts().size(), 1);
        QVERIFY(prompts_.texts()[0].contains("could make the truckload illegal"));
        QVERIFY2(prompts_.texts()[0].contains(QLatin1String("\n\nWhat cannot be determined:\nUN")),
                 qPrintable(prompts_.texts()[0]));
        QCOMPARE(pids(load()), std::vector<int>{kChlorine});
    }

    void addToAnIllegalLoadAsksNothing()
    {
        TruckloadEditor ed(engine_, prompts_);
        fill(ed, {kGasoline, kHydrogenCyanide});   // scripted Yes
        prompts_.shown.clear();
        Item more(kGasoline);
        QVERIFY(ed.add(more.get()));
        QVERIFY(prompts_.shown.empty());
        QCOMPARE(GetItemCount_Load(load()), 3u);
    }

    void editKeepsOrRestoresTheItem()
    {
        for (const PromptAnswer answer : {PromptAnswer::Yes, PromptAnswer::No}) {
            Reset_Load(load());
            TruckloadEditor ed(engine_, prompts_);
            fill(ed, {kGasoline, kAmmonia});
            const QByteArray before = record(GetHazmat_Load(load(), 1));
            prompts_.shown.clear();
            prompts_.answers = {answer};
            Item edited(kHydrogenCyanide, 250);   // the user changed the ID in the dialog
            QCOMPARE(ed.edit(1, edited.get()), answer == PromptAnswer::Yes);
            QCOMPARE(prompts_.shown.size(), size_t(1));
            QVERIFY(prompts_.shown[0].text.startsWith("Editing this item will make the truckload illegal."));
            if (answer == PromptAnswer::Yes)
                QCOMPARE(record(GetHazmat_Load(load(), 1)), record(edited.get()));
            else
                QCOMPARE(record(GetHazmat_Load(load(), 1)), before);
            QCOMPARE(GetItemCount_Load(load()), 2u);
        }
        TruckloadEditor ed(engine_, prompts_);
        Item any(kGasoline);
        QVERIFY(!ed.edit(99, any.get()));   // no such row
    }

    void removeTakesTheSelectedRowsInAnyOrder()
    {
        TruckloadEditor ed(engine_, prompts_);
        fill(ed, {kGasoline, kAmmonia, kChlorine, kPhosgene, kGasoline});
        prompts_.shown.clear();
        ed.setDirty(false);
        ed.remove({3, 0, 2, 3});
        QCOMPARE(pids(load()), (std::vector<int>{kAmmonia, kGasoline}));
        QVERIFY(ed.dirty());
        QVERIFY(prompts_.shown.empty());
    }

    void copyThenPasteGivesEqualItems()
    {
        TruckloadEditor ed(engine_, prompts_);
        {
            Item kg(kAmmonia, 500, 1);
            SetBulkPackaging_Hazmat(kg.get(), -1);
            QVERIFY(ed.add(kg.get()));
        }
        fill(ed, {kGasoline, kChlorine});
        const QByteArray block = ed.copy({2, 0});
        QCOMPARE(block.size(), record(GetHazmat_Load(load(), 0)).size() + record(GetHazmat_Load(load(), 2)).size());
        const QByteArray first = record(GetHazmat_Load(load(), 0)), third = record(GetHazmat_Load(load(), 2));
        Reset_Load(load());
        QCOMPARE(ed.paste(block), 2);
        QCOMPARE(pids(load()), (std::vector<int>{kAmmonia, kChlorine}));   // in their old order
        QCOMPARE(record(GetHazmat_Load(load(), 0)), first);
        QCOMPARE(record(GetHazmat_Load(load(), 1)), third);
        QCOMPARE(ed.statusText(), QStringLiteral("UN1017 added to truckload"));
        QVERIFY(ed.copy({}).isEmpty());
    }

    void pasteAsksPerItem()
    {
        TruckloadEditor ed(engine_, prompts_);
        fill(ed, {kHydrogenCyanide});
        const QByteArray block = ed.copy({0});
        Reset_Load(load());
        fill(ed, {kGasoline});
        prompts_.shown.clear();
        prompts_.answers = {PromptAnswer::No};
        QCOMPARE(ed.paste(block), 0);
        QCOMPARE(prompts_.shown.size(), size_t(1));
        QVERIFY(prompts_.shown[0].text.startsWith("Adding \""));
        QVERIFY(prompts_.shown[0].text.contains("\"\rto the truckload will make the truckload illegal.\r\r"));
        QCOMPARE(pids(load()), std::vector<int>{kGasoline});
    }

    // Once an item made the truckload illegal no later one can be asked
    // about; the views hear of the whole paste once.
    void pasteAsksUntilTheTruckloadIsIllegalAndRefreshesOnce()
    {
        TruckloadEditor ed(engine_, prompts_);
        fill(ed, {kHydrogenCyanide, kChlorine, kAmmonia});
        const QByteArray block = ed.copy({0, 1, 2});
        Reset_Load(load());
        fill(ed, {kGasoline});
        int refreshes = 0;
        ed.changed = [&refreshes] { ++refreshes; };
        prompts_.shown.clear();
        prompts_.answers = {PromptAnswer::Yes};
        QCOMPARE(ed.paste(block), 3);
        QCOMPARE(prompts_.shown.size(), size_t(1));
        QCOMPARE(refreshes, 1);
        QCOMPARE(pids(load()), (std::vector<int>{kGasoline, kHydrogenCyanide, kChlorine, kAmmonia}));
        QCOMPARE(GetLegality_Engine(engine_), 1);
        QCOMPARE(ed.statusText(), QStringLiteral("UN1005 added to truckload"));
    }

    // A paste asks exactly what asking after every single item would ask,
    // wherever in a long block the legality changes and whatever the
    // answers: the reference below adds the items one at a time and
    // calculates after each.
    void pasteAsksWhatAskingAfterEveryItemAsks()
    {
        const auto repeat = [](std::vector<int> pids, int pid, int n) {
            pids.insert(pids.end(), static_cast<size_t>(n), pid);
            return pids;
        };
        const std::vector<int> longRun = repeat(repeat(repeat({}, kGasoline, 30), kHydrogenCyanide, 1), kGasoline, 5);
        std::vector<int> climbing = repeat({}, kAmmonia, 3);
        climbing.push_back(kChlorine);
        climbing = repeat(climbing, kAmmonia, 4);
        climbing.push_back(kPhosgene);
        climbing = repeat(climbing, kChlorine, 3);
        climbing.push_back(kGasoline);
        climbing = repeat(climbing, kAmmonia, 2);
        const struct {
            const char *name;
            std::vector<int> before, block;
            std::vector<PromptAnswer> answers;
            size_t questions;   // asked by the reference
        } cases[] = {
            {"poison late in a long legal run, refused", {kGasoline}, longRun, {PromptAnswer::No}, 1},
            {"poison late in a long legal run, kept", {kGasoline}, longRun, {PromptAnswer::Yes}, 1},
            {"undeterminable, then illegal", {}, climbing, {PromptAnswer::Yes, PromptAnswer::Yes}, 2},
            {"undeterminable kept, illegal refused", {}, climbing, {PromptAnswer::Yes, PromptAnswer::No}, 2},
            {"undeterminable refused, the rest legal", {}, climbing, {PromptAnswer::No, PromptAnswer::No}, 1},
            {"already illegal", {kGasoline, kHydrogenCyanide}, longRun, {}, 0},
        };
        for (const auto &c : cases) {
            QByteArray block;
            for (int pid : c.block) {
                Item it(pid);
                block += record(it.get());
            }
            // The reference: one item at a time, a calculation after each.
            Reset_Load(load());
            for (int pid : c.before) {
                Item it(pid);
                QVERIFY(Add_Load(load(), it.get()) >= 0);
            }
            std::deque<PromptAnswer> answers(c.answers.begin(), c.answers.end());
            QStringList asked;
            Calculate_Engine(engine_);
            int legality = GetLegality_Engine(engine_);
            for (int pid : c.block) {
                Item it(pid);
                const int index = Add_Load(load(), it.get());
                QVERIFY(index >= 0);
                Calculate_Engine(engine_);
                const int after = GetLegality_Engine(engine_);
                const QString q = legalityQuestion(ItemChange::Paste, legality, after,
                                                   QString::fromLatin1(GetPSN_Hazmat(it.get())));
                if (!q.isEmpty()) {
                    asked << q;
                    const PromptAnswer a = answers.empty() ? PromptAnswer::Yes : answers.front();
                    if (!answers.empty())
                        answers.pop_front();
                    if (a != PromptAnswer::Yes) {
                        Remove_Load(load(), static_cast<uint32_t>(index));
                        continue;
                    }
                }
                legality = after;
            }
            const std::vector<int> expected = pids(load());
            QVERIFY2(static_cast<size_t>(asked.size()) == c.questions, c.name);   // the case is what it claims

            Reset_Load(load());
            TruckloadEditor ed(engine_, prompts_);
            for (int pid : c.before) {
                Item it(pid);
                QVERIFY(Add_Load(load(), it.get()) >= 0);
            }
            prompts_.shown.clear();
            prompts_.answers.assign(c.answers.begin(), c.answers.end());
            const int kept = ed.paste(block);
            QVERIFY2(prompts_.texts() == asked, c.name);
            QVERIFY2(pids(load()) == expected, c.name);
            QCOMPARE(kept, static_cast<int>(expected.size() - c.before.size()));
        }
    }

    // Any program can post data under the format: a block that breaks off,
    // names a dictionary longer than what remains, or is not item records
    // at all pastes nothing and says so.
    void corruptBlocksPasteNothing()
    {
        TruckloadEditor ed(engine_, prompts_);
        fill(ed, {kGasoline, kChlorine});
        const QByteArray good = ed.copy({0, 1});
        const qsizetype firstLength = record(GetHazmat_Load(load(), 0)).size();

        QByteArray truncated = good.left(good.size() - 1);
        QByteArray shortTail = good + QByteArray(31, '\0');   // a second record head cut short
        QByteArray nTooLarge = good;
        putLE32(nTooLarge, firstLength + 28, 0xFFFFFFF0u);   // second record's N
        QByteArray nJustTooLarge = good;
        putLE32(nJustTooLarge, 28, static_cast<uint32_t>(firstLength - 32 + 1));
        QByteArray garbage(200, '\0');
        for (int i = 0; i < garbage.size(); ++i)
            garbage[i] = static_cast<char>((i * 37 + 11) & 0xFF);
        QByteArray unknownPid = good;
        putLE32(unknownPid, firstLength, 9999);   // second record names no table entry
        const struct {
            const char *name;
            QByteArray block;
        } cases[] = {
            {"truncated", truncated}, {"short tail", shortTail},  {"N too large", nTooLarge},
            {"N one too large", nJustTooLarge}, {"garbage", garbage}, {"unknown PID", unknownPid},
            {"tiny", QByteArray("abc")},
        };
        for (const auto &c : cases) {
            Reset_Load(load());
            prompts_.shown.clear();
            QCOMPARE(ed.paste(c.block), -1);
            QVERIFY2(GetItemCount_Load(load()) == 0, c.name);   // never a partial paste
            QCOMPARE(prompts_.texts(), QStringList{unreadableClipboardText()});
            QCOMPARE(prompts_.shown[0].type, PromptType::Error);
        }
        QVERIFY(clipboardRecords(QByteArray()).has_value());
        QCOMPARE(clipboardRecords(good)->size(), size_t(2));
    }

    void rowsOfTheTruckloadList()
    {
        TruckloadEditor ed(engine_, prompts_);
        {
            Item kg(kAmmonia, 500, 1);
            QVERIFY(ed.add(kg.get()));
            Item none(kGasoline, 0);
            QVERIFY(ed.add(none.get()));
            Item ltd(kGasoline, 20);
            SetLimitedQuantity_Hazmat(ltd.get(), -1);
            QVERIFY(ed.add(ltd.get()));
        }
        const TruckloadRow ammonia = truckloadRow(load(), 0);
        QCOMPARE(ammonia.id, QStringLiteral("UN1005"));
        QCOMPARE(ammonia.weight, QStringLiteral("500 kgs."));
        QCOMPARE(ammonia.pih, QStringLiteral("Zone D"));
        QCOMPARE(ammonia.packingGroup, QString());
        QCOMPARE(ammonia.packaging, QStringLiteral("Non-Bulk"));
        QVERIFY(ammonia.hazardClass.startsWith("2.3"));
        const TruckloadRow gasoline = truckloadRow(load(), 1);
        QCOMPARE(gasoline.weight, QStringLiteral("n/a"));
        QCOMPARE(gasoline.pih, QStringLiteral("None"));
        QCOMPARE(gasoline.packingGroup, QStringLiteral("II"));
        QCOMPARE(truckloadRow(load(), 2).packaging, QStringLiteral("LTD QTY"));
        QCOMPARE(weightText(1000, 0), QStringLiteral("1000 lbs."));
        QCOMPARE(packingGroupText(-1), QStringLiteral("???"));

        DoNotShipList dns;
        dns.ids = {"UN1203"};
        QCOMPARE(doNotShipWarnings(load(), dns),
                 QStringList({QStringLiteral("UN1203 is on the DO NOT SHIP list."),
                              QStringLiteral("UN1203 is on the DO NOT SHIP list.")}));
    }

    // The main window with the engine library: the commands add through the
    // (scripted) item dialog, copy and paste through the clipboard, and
    // refuse a Do Not Ship search result.
    void mainWindowCommands()
    {
        QTemporaryDir dir;
        const std::string f = dir.path().toStdString() + "/";
        DravlenLibrary lib;
        ScriptedPrompts prompts;
        ScriptedDialogs answers;
        MainWindow w(lib, prompts, Folders{f, f, f}, &answers);
        QVERIFY(w.started());
        QVERIFY(w.engine() != nullptr);
        QVERIFY(!w.isDirty());
        int itemDialogs = 0;
        const auto script = [&](Hazmat *item, bool fromSearch) {
            ++itemDialogs;
            if (!fromSearch)
                Reset_Hazmat(item, kChlorine);
            SetWeight_Hazmat(item, 100);
            return true;
        };
        answers.itemDialog = script;
        QVERIFY(w.truckloadCommands()->addAction()->isEnabled());
        QVERIFY(!w.truckloadCommands()->editAction()->isEnabled());
        w.truckloadCommands()->addAction()->trigger();
        QCOMPARE(itemDialogs, 1);
        QCOMPARE(w.truckloadView()->list()->topLevelItemCount(), 1);
        QCOMPARE(w.truckloadView()->list()->topLevelItem(0)->text(2), QStringLiteral("UN1017"));
        QCOMPARE(w.statusText(), QStringLiteral("UN1017 added to truckload"));
        QVERIFY(w.isDirty());

        w.truckloadView()->list()->topLevelItem(0)->setSelected(true);
        QVERIFY(w.truckloadCommands()->editAction()->isEnabled());
        QVERIFY(w.truckloadCommands()->copyAction()->isEnabled());
        w.truckloadCommands()->copyAction()->trigger();
        const QMimeData *data = QApplication::clipboard()->mimeData();
        QVERIFY(data && data->hasFormat(QStringLiteral("Hazmat Clipboard Data")));
        QVERIFY(w.truckloadCommands()->pasteAction()->isEnabled());
        w.truckloadCommands()->pasteAction()->trigger();
        QCOMPARE(w.truckloadView()->list()->topLevelItemCount(), 2);

        // A foreign block under the same format pastes nothing.
        auto *foreign = new QMimeData;
        foreign->setData(QStringLiteral("Hazmat Clipboard Data"), QByteArray(40, '\x7f'));
        QApplication::clipboard()->setMimeData(foreign);
        prompts.shown.clear();
        w.truckloadCommands()->pasteAction()->trigger();
        QCOMPARE(w.truckloadView()->list()->topLevelItemCount(), 2);
        QCOMPARE(prompts.texts(), QStringList{unreadableClipboardText()});

        // Edit through the dialog: a declined legality question restores the row.
        w.truckloadView()->list()->clearSelection();
        w.truckloadView()->list()->topLevelItem(0)->setSelected(true);
        w.truckloadView()->list()->setCurrentItem(w.truckloadView()->list()->topLevelItem(0));
        int editedPid = 0;
        answers.itemDialog = [&](Hazmat *item, bool) {
            editedPid = GetPID_Hazmat(item);   // a copy of the selected row
            Reset_Hazmat(item, kPhosgene);
            SetWeight_Hazmat(item, 100);
            return true;
        };
        prompts.shown.clear();
        prompts.answers = {PromptAnswer::No};
        w.truckloadCommands()->editAction()->trigger();
        QCOMPARE(editedPid, kChlorine);
        QCOMPARE(prompts.shown.size(), size_t(1));
        QCOMPARE(w.truckloadView()->list()->topLevelItem(0)->text(2), QStringLiteral("UN1017"));
        QVERIFY(!w.truckloadCommands()->cutAction()->isEnabled());   // the selection is gone after an edit

        // Cut puts the row on the clipboard and takes it off the truckload.
        w.truckloadView()->list()->topLevelItem(1)->setSelected(true);
        w.truckloadCommands()->cutAction()->trigger();
        QCOMPARE(w.truckloadView()->list()->topLevelItemCount(), 1);
        QVERIFY(clipboardHasItems());
        QCOMPARE(clipboardRecords(*clipboardBlockFromSystem())->size(), size_t(1));

        w.truckloadView()->list()->selectAll();
        w.truckloadCommands()->removeAction()->trigger();
        QCOMPARE(w.truckloadView()->list()->topLevelItemCount(), 0);
        QCOMPARE(w.statusText(), QStringLiteral("There are 0 items on this truckload."));
        QVERIFY(!w.truckloadCommands()->removeAction()->isEnabled());

        // Search double-click adds the result through the dialog.
        answers.itemDialog = script;
        w.showView(View::Search);
        w.searchView()->lookForEdit()->setText(QStringLiteral("UN1017"));
        w.searchView()->lookInCombo()->setCurrentIndex(2);
        w.searchView()->search();
        QVERIFY(w.searchView()->results()->topLevelItemCount() >= 1);
        w.searchView()->activateResult(w.searchView()->results()->topLevelItem(0));
        QCOMPARE(itemDialogs, 2);
        QCOMPARE(GetItemCount_Load(GetLoad_Engine(w.engine())), 1u);

        // Choosing another vehicle type marks the truckload changed.
        w.showView(View::Truckload);
        w.setDirty(false);
        QVERIFY(w.truckloadView()->vehicleSelector()->count() > 1);
        w.truckloadView()->vehicleSelector()->setCurrentIndex(1);
        QVERIFY(w.isDirty());
        QCOMPARE(QString::fromLatin1(GetVehicle_Load(GetLoad_Engine(w.engine()))), w.truckloadView()->vehicleSelector()->itemText(1));
    }
};

QTEST_MAIN(TruckloadEditingTest)
#include "truckload_editing_test.moc"
