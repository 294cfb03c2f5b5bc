// The add/edit item dialog against the real Hazardous Materials Table,
// driven headless with scripted answers.
#include "support/fakes.h"
#include "dravlen.h"
#include "truckload/add_item.h"
#include "truckload/item_questions.h"
#include "settings/do_not_ship.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <cstdlib>
#include <cstring>
#include <vector>

using namespace velmora;
using namespace velmora::test;

namespace {

// An item in the 256 bytes the program reserves for one.
struct Item {
    alignas(std::max_align_t) unsigned char storage[256];
    explicit Item(int pid = 0) { Init_Hazmat(get(), pid); }
    ~Item() { Reset_Hazmat(get(), 0); }
    Hazmat *get() { return reinterpret_cast<Hazmat *>(storage); }
};

QByteArray record(Hazmat *item)
{
    QByteArray bytes(static_cast<qsizetype>(GetSerialSize_Hazmat(item, 7)), '\0');
    Serialize_Hazmat(item, bytes.data());
    return bytes;
}

std::vector<int> shown(const QuestionSlots &qs)
{
    std::vector<int> q;
    for (int i = 0; i < qs.count(); ++i)
        q.push_back(qs.question(i));
    return q;
}

bool has(const std::vector<int> &v, int n) { return std::find(v.begin(), v.end(), n) != v.end(); }

int entryOfPid(const AddItemDialog &d, int pid)
{
    for (size_t i = 0; i < d.nameEntries().size(); ++i)
        if (d.nameEntries()[i].pid == pid)
            return static_cast<int>(i);
    return -1;
}

} // namespace

class AddItemTest : public QObject {
    Q_OBJECT

    Engine *engine_ = nullptr;
    ScriptedPrompts prompts_;
    DoNotShipList dns_;

    AddItemContext context()
    {
        AddItemContext c;
        c.prompts = &prompts_;
        c.load = GetLoad_Engine(engine_);
        c.doNotShip = &dns_;
        c.organisation = QStringLiteral("Acme Freight");
        return c;
    }

private slots:
    void initTestCase()
    {
        engine_ = static_cast<Engine *>(std::calloc(1, static_cast<size_t>(GetSizeOf_Engine())));
        Init_Engine(engine_);
        QVERIFY(GetSizeOf_Hazmat() <= 256);
    }
    void cleanupTestCase()
    {
        Destroy_Engine(engine_);
        std::free(engine_);
    }
    void init()
    {
        prompts_.shown.clear();
        prompts_.answers.clear();
        dns_.ids.clear();
    }

    void tenthsNormalisation()
    {
        const struct {
            const char *text;
            uint32_t tenths;
            const char *shown;
        } cases[] = {
            {"1.25", 13, "1.3"},   {"3", 30, "3.0"},       {"12345", 9999, "999.9"}, {"10.04", 100, "10.0"},
            {"0.95", 10, "1.0"},   {"1.24", 12, "1.2"},    {"3.", 30, "3.0"},        {"", 0, "0.0"},
            {"1.2.3", 0, "0.0"},   {".5", 5, "0.5"},       {"99999999999", 9999, "999.9"},
        };
        for (const auto &c : cases) {
            QCOMPARE(tenthsFromText(QString::fromLatin1(c.text)), c.tenths);
            QCOMPARE(tenthsText(tenthsFromText(QString::fromLatin1(c.text))), QString::fromLatin1(c.shown));
        }
    }

    void citationsSplitIntoLinks()
    {
        QCOMPARE(citationLinks(QStringLiteral("49 CFR 173.12(b), 49 CFR 173.12(e)")),
                 QStringList({QStringLiteral("49 CFR 173.12(b)"), QStringLiteral("49 CFR 173.12(e)")}));
        QCOMPARE(regulationKey(QStringLiteral("49 CFR 173.154(b)(1)")), QStringLiteral("49CFR173.154(b)(1)"));
        QVERIFY(!isRegulationLink(QStringLiteral("http://example.org/x")));
        QVERIFY(dialogQuestion(29) == nullptr);
        QCOMPARE(QString::fromLatin1(dialogQuestion(36)->text),
                 QStringLiteral("Is a \"Corrosive\" subsidiary risk label required for this hazmat?"));
    }

    void questionSlotsMoveUpKeepingAnswers()
    {
        QuestionSlots s;
        for (int q : {2, 7, 9, 3})
            QVERIFY(s.offer(q));
        QVERIFY(!s.offer(7));   // already shown
        s.setAnswer(9, QuestionSlots::Answer::No);
        s.setAnswer(3, QuestionSlots::Answer::Yes);
        QVERIFY(s.remove(7));
        QCOMPARE(s.count(), 3);
        QCOMPARE(s.question(1), 9);
        QCOMPARE(s.answer(1), QuestionSlots::Answer::No);
        QCOMPARE(s.answer(2), QuestionSlots::Answer::Yes);
        QCOMPARE(s.firstUnanswered(), 0);
        for (int q = 10; q < 20; ++q)
            s.offer(q);
        QCOMPARE(s.count(), QuestionSlots::kSlots);   // never more than ten panels
    }

    // What the dialog shows for representative entries once the shipping
    // name and packing group are chosen.
    void qualifierVisibility()
    {
        const struct {
            const char *id;
            int pid;        // entry to choose when several are listed
            int slot;       // packing group to choose, or -1 when chosen at once
            bool chooser;   // hazard zone chooser in use
            int zoneEntries;
            const char *pihText;
            bool ti, csi;
            std::vector<int> asked, notAsked;
        } cases[] = {
            // Gasoline: no zone; "Is this leaded gasoline?" (exemption 13).
            {"UN1203", 631, -1, false, 0, "This hazmat is not a Poison Inhalation Hazard.", false, false, {17}, {1, 3, 6}},
            // Anhydrous ammonia 2.2: zone D fixed by the table, no chooser.
            {"UN1005", 472, -1, false, 0, "This hazmat is a PIH, Hazard Zone D", false, false, {}, {1, 30}},
            // Chloropicrin mixtures 6.1 PG I: zone to choose, "Not A PIH"
            // offered; the physical state is asked (liquid PIH, 173.226).
            {"UN1583", 917, 1, true, 5, "", false, false, {1}, {30}},
            // 2.3 gas with zone to choose and no "Not A PIH".
            {"UN1071", 528, -1, true, 4, "", false, false, {}, {1}},
            // Fissile radioactive Type B(U): transport index and CSI, HRCQ asked.
            {"UN3328", 2383, -1, false, 0, "This hazmat is not a Poison Inhalation Hazard.", true, true, {6, 16}, {26}},
            // Type A package: transport index, no CSI; Yellow III asked (no HRCQ).
            {"UN2915", 1951, -1, false, 0, "This hazmat is not a Poison Inhalation Hazard.", true, false, {26}, {6}},
            // Fuel oil: combustible reclassification asked (173.120(b)(2)).
            {"NA1993", 58, -1, false, 0, "This hazmat is not a Poison Inhalation Hazard.", false, false, {3}, {20}},
        };
        for (const auto &c : cases) {
            const QByteArray tag = c.id;
            Item given;
            AddItemDialog d(given.get(), false, context());
            d.idNumberEdit->setText(QString::fromLatin1(c.id));
            if (d.nameEntries().size() > 1) {
                QVERIFY2(!d.shippingNameCombo->isHidden(), tag);
                d.choosePSN(entryOfPid(d, c.pid));
            } else {
                QVERIFY2(!d.shippingNameEdit->isHidden(), tag);
            }
            QCOMPARE(GetPID_Hazmat(d.workItem()), c.pid);
            if (c.slot >= 0) {
                QVERIFY2(!d.idChosen(), tag);   // the packing group must still be chosen
                QVERIFY2(!d.packingGroupCombo->isHidden(), tag);
                d.choosePackingGroup(c.slot);
            }
            QVERIFY2(d.idChosen(), tag);
            QCOMPARE(d.usesZoneChooser(), c.chooser);
            if (c.chooser) {
                QVERIFY2(!d.hazardZoneCombo->isHidden(), tag);
                QCOMPARE(d.hazardZoneCombo->count(), c.zoneEntries);
                QCOMPARE(d.hazardZoneCombo->itemText(0), QStringLiteral("Hazard Zone A"));
                if (c.zoneEntries == 5)
                    QCOMPARE(d.hazardZoneCombo->itemText(4), QStringLiteral("Not A PIH"));
            } else {
                QCOMPARE(d.inhalationHazardEdit->text(), QString::fromLatin1(c.pihText));
            }
            QCOMPARE(!d.transportIndexEdit->isHidden(), c.ti);
            QCOMPARE(!d.criticalitySafetyIndexEdit->isHidden(), c.csi);
            if (c.ti)
                QCOMPARE(d.transportIndexEdit->text(), QStringLiteral("0.0"));
            if (c.csi)
                QCOMPARE(d.transportIndexLabel->text(), QStringLiteral("TI"));
            const auto q = shown(d.questions());
            for (int n : c.asked)
                QVERIFY2(has(q, n), tag + " asks " + QByteArray::number(n));
            for (int n : c.notAsked)
                QVERIFY2(!has(q, n), tag + " does not ask " + QByteArray::number(n));
            QCOMPARE(d.questionCountLabel->text(), QStringLiteral("Specific Questions: ") + QString::number(q.size()));
            QVERIFY2(prompts_.shown.empty(), tag);
        }
    }

    // "1993" has UN1993 and several NA1993 entries: the dialog asks which,
    // listing both, and takes the one chosen; cancelling chooses none.
    void bareNumberWithUnAndNaEntriesAsks()
    {
        for (const bool choose : {true, false}) {
            Item given;
            AddItemDialog d(given.get(), false, context());
            QStringList listed;
            d.chooseIdEntry = [&](const QString &number, const std::vector<EntryChoice> &entries) -> std::optional<int> {
                [&] { QCOMPARE(number, QStringLiteral("1993")); }();
                int diesel = 0;
                for (const EntryChoice &e : entries) {
                    listed << e.id + QLatin1Char(' ') + e.shippingName;
                    if (e.id == QLatin1String("NA1993") && e.shippingName.startsWith(QLatin1String("Diesel fuel")))
                        diesel = e.pid;
                }
                return choose ? std::optional<int>(diesel) : std::nullopt;
            };
            d.idNumberEdit->setText(QStringLiteral("1993"));
            QVERIFY(listed.filter(QStringLiteral("UN1993")).size() >= 1);
            QVERIFY(listed.filter(QStringLiteral("NA1993")).size() >= 3);
            if (choose) {
                QCOMPARE(d.idNumberEdit->text(), QStringLiteral("NA1993"));
                QVERIFY(d.shippingNameCombo->currentText().startsWith(QLatin1String("Diesel fuel")));
            } else {
                QCOMPARE(d.idNumberEdit->text(), QStringLiteral("1993"));
                QVERIFY(!d.idChosen());
            }
        }
    }

    void idEntryOfBareNumbersAndUnknownIds()
    {
        Item given;
        AddItemDialog d(given.get(), false, context());
        d.idNumberEdit->setText(QStringLiteral("1203"));   // UN wins over NA
        QCOMPARE(d.idNumberEdit->text(), QStringLiteral("UN1203"));
        d.idNumberEdit->setText(QStringLiteral("8000"));
        QCOMPARE(d.idNumberEdit->text(), QStringLiteral("ID8000"));
        d.idNumberEdit->setText(QStringLiteral("un1005"));   // upper-cased as typed
        QCOMPARE(d.idNumberEdit->text(), QStringLiteral("UN1005"));
        QVERIFY(d.nameEntries().size() >= 2);   // the 2.2 and the 2.3 entries
        d.idNumberEdit->setText(QStringLiteral("UN9999"));
        QVERIFY(!d.idChosen());
        QCOMPARE(prompts_.shown.size(), size_t(1));
        QCOMPARE(prompts_.shown[0].type, PromptType::Information);
        QVERIFY(!prompts_.shown[0].text.isEmpty());
    }

    void doNotShipIdIsRefused()
    {
        dns_.ids = {"UN1203"};
        Item given;
        AddItemDialog d(given.get(), false, context());
        d.idNumberEdit->setText(QStringLiteral("UN1203"));
        QVERIFY(!d.idChosen());
        QVERIFY(!d.okButton->isEnabled());
        QCOMPARE(prompts_.texts(), QStringList{QStringLiteral("UN1203 is prohibited by Acme Freight DO NOT SHIP")});
        QCOMPARE(prompts_.shown[0].type, PromptType::Error);
    }

    void okRefusesMissingZoneAndUnansweredQuestion()
    {
        Item given;
        AddItemDialog d(given.get(), false, context());
        d.idNumberEdit->setText(QStringLiteral("UN1583"));
        d.choosePSN(entryOfPid(d, 917));
        d.choosePackingGroup(1);
        d.weightEdit->setText(QStringLiteral("100"));
        d.weightEdit->textEdited(d.weightEdit->text());
        QVERIFY(d.okButton->isEnabled());
        d.acceptIfValid();
        QCOMPARE(prompts_.texts(), QStringList{QStringLiteral("A hazard zone must be selected.")});
        QCOMPARE(d.result(), int(QDialog::Rejected));

        // Zone A of a liquid in packing group I brings 173.226(f).
        d.hazardZoneCombo->setCurrentIndex(0);
        d.answerQuestion(1, true);
        QVERIFY(has(shown(d.questions()), 30));
        d.answerQuestion(1, false);   // not a liquid: the question goes
        QVERIFY(!has(shown(d.questions()), 30));
        d.answerQuestion(1, true);
        d.acceptIfValid();
        QCOMPARE(prompts_.texts().last(), QStringLiteral("Please answer the question."));
        QCOMPARE(d.result(), int(QDialog::Rejected));
        for (int i = 0; i < d.questions().count(); ++i)
            if (d.questions().answer(i) == QuestionSlots::Answer::None)
                d.answerQuestion(d.questions().question(i), true);
        d.acceptIfValid();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(GetHazardZone_Hazmat(given.get()), 'A');
        QCOMPARE(GetPhysicalState_Hazmat(given.get()), 'L');
        QVERIFY(HasExemption_Hazmat(given.get(), 25));
        QCOMPARE(GetWeight_Hazmat(given.get(), 0), 100u);
    }

    void notAPihLeavesNoZone()
    {
        Item given;
        AddItemDialog d(given.get(), false, context());
        d.idNumberEdit->setText(QStringLiteral("UN1583"));
        d.choosePSN(entryOfPid(d, 917));
        d.choosePackingGroup(1);
        d.hazardZoneCombo->setCurrentIndex(4);
        d.answerQuestion(1, false);
        d.weightEdit->setText(QStringLiteral("5"));
        d.acceptIfValid();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(GetPIH_Hazmat(given.get()), 0);
    }

    void exceptedQuantityNeedsNoWeight()
    {
        Item given;
        AddItemDialog d(given.get(), false, context());
        d.idNumberEdit->setText(QStringLiteral("UN1203"));
        if (d.nameEntries().size() > 1)
            d.choosePSN(0);
        QVERIFY(!d.okButton->isEnabled());
        QVERIFY(d.exceptedQuantityCheck->isEnabled());
        d.exceptedQuantityCheck->click();
        QVERIFY(d.okButton->isEnabled());
        QVERIFY(!d.weightEdit->isEnabled());
        QVERIFY(!d.limitedQuantityCheck->isEnabled());
        QVERIFY(!d.bulkCheck->isEnabled());
        d.idNumberEdit->setText(QStringLiteral("UN120"));   // a changed ID chooses nothing
        QVERIFY(!d.okButton->isEnabled());
        d.idNumberEdit->setText(QStringLiteral("UN1203"));
        if (d.nameEntries().size() > 1)
            d.choosePSN(0);
        d.exceptedQuantityCheck->click();
        QVERIFY(d.okButton->isEnabled());
        d.answerQuestion(17, false);
        d.acceptIfValid();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QVERIFY(IsExceptedQuantity_Hazmat(given.get()));
        QCOMPARE(GetWeight_Hazmat(given.get(), 0), 0u);
    }

    // Fissile exempt material (173.453) needs no criticality safety index.
    void fissileExemptHidesTheCsi()
    {
        Item given;
        AddItemDialog d(given.get(), false, context());
        d.idNumberEdit->setText(QStringLiteral("UN3328"));
        QVERIFY(!d.criticalitySafetyIndexEdit->isHidden());
        d.answerQuestion(16, true);
        QCOMPARE(!d.criticalitySafetyIndexEdit->isHidden(), NeedsCSI_Hazmat(d.workItem()) != 0);
        QVERIFY(d.criticalitySafetyIndexEdit->isHidden());
        QCOMPARE(d.transportIndexLabel->text(), QStringLiteral("Transport Index"));
        d.answerQuestion(6, false);   // not HRCQ: Yellow III is asked
        QVERIFY(has(shown(d.questions()), 26));
        d.answerQuestion(6, true);
        QVERIFY(!has(shown(d.questions()), 26));
    }

    void radioactiveTransportIndexStoredInTenths()
    {
        Item given;
        AddItemDialog d(given.get(), false, context());
        d.idNumberEdit->setText(QStringLiteral("UN2915"));
        d.transportIndexEdit->setText(QStringLiteral("10.04"));
        d.transportIndexEdit->editingFinished();
        QCOMPARE(d.transportIndexEdit->text(), QStringLiteral("10.0"));
        d.weightEdit->setText(QStringLiteral("20"));
        d.weightEdit->textEdited(d.weightEdit->text());
        d.answerQuestion(26, true);
        for (int i = 0; i < d.questions().count(); ++i)
            if (d.questions().answer(i) == QuestionSlots::Answer::None)
                d.answerQuestion(d.questions().question(i), false);
        d.acceptIfValid();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(GetTransportIndex_Hazmat(given.get()), 100u);
        QCOMPARE(GetRadiationClassification_Hazmat(given.get()), '3');
    }

    // Fuel oil in bulk reclassified combustible is asked 172.504(f)(2);
    // elevated temperature takes both questions away again.
    void combustibleBulkQuestions()
    {
        Item given;
        AddItemDialog d(given.get(), false, context());
        d.idNumberEdit->setText(QStringLiteral("NA1993"));
        d.choosePSN(entryOfPid(d, 58));
        d.bulkCheck->click();
        d.answerQuestion(3, true);
        QCOMPARE(d.hazardClassEdit->text(), QStringLiteral("COMB (Combustible)"));
        QVERIFY(has(shown(d.questions()), 20));
        d.answerQuestion(3, false);
        QCOMPARE(d.hazardClassEdit->text(), QStringLiteral("3 (Flammable)"));
        QVERIFY(!has(shown(d.questions()), 20));
        d.answerQuestion(3, true);
        QVERIFY(has(shown(d.questions()), 20));
        QVERIFY(d.elevatedTemperatureCheck->isEnabled());
        d.elevatedTemperatureCheck->click();
        QVERIFY(!has(shown(d.questions()), 3));
        QVERIFY(!has(shown(d.questions()), 20));
        QCOMPARE(d.hazardClassEdit->text(), QStringLiteral("3 (Flammable)"));
        d.elevatedTemperatureCheck->click();
        QVERIFY(has(shown(d.questions()), 3));
    }

    // The quantities of 49 CFR 385.403: shown for the items they apply to,
    // stored when given, refused with the reason when out of range.
    void permitQuantities()
    {
        const struct {
            const char *id;
            bool bulk;
            QLineEdit *AddItemDialog::*field;
            const char *text;
            const char *error;  // null: accepted
        } cases[] = {
            {"UN0081", false, &AddItemDialog::netExplosiveMassEdit, "60", nullptr},
            {"UN0081", false, &AddItemDialog::netExplosiveMassEdit, "100.5",
             "The net explosive mass: expected a value from 0 to the item's weight (100 lb)."},
            {"UN0081", false, &AddItemDialog::packageCapacityEdit, "451",
             "The largest package: expected more than 0 and at most 450 litres (a non-bulk package)."},
            {"UN1971", true, &AddItemDialog::bulkCapacityEdit, "3500", nullptr},
            {"UN1971", true, &AddItemDialog::bulkCapacityEdit, "0",
             "The bulk capacity: expected more than 0 and at most 50,000 gallons."},
        };
        for (const auto &c : cases) {
            const QByteArray tag = QByteArray(c.id) + " " + c.text;
            init();
            Item given;
            AddItemDialog d(given.get(), false, context());
            d.idNumberEdit->setText(QString::fromLatin1(c.id));
            if (d.nameEntries().size() > 1)
                d.choosePSN(0);
            QVERIFY2(d.idChosen(), tag);
            QCOMPARE(d.netExplosiveMassEdit->isHidden(), std::strncmp(c.id, "UN00", 4) != 0);
            if (c.bulk)
                d.bulkCheck->click();
            QCOMPARE(d.packageCapacityEdit->isHidden(), c.bulk);
            QCOMPARE(d.bulkCapacityEdit->isHidden(), !c.bulk);
            d.weightEdit->setText(QStringLiteral("100"));
            d.weightEdit->textEdited(d.weightEdit->text());
            (d.*c.field)->setText(QString::fromLatin1(c.text));
            for (int i = 0; i < d.questions().count(); ++i)
                if (d.questions().answer(i) == QuestionSlots::Answer::None)
                    d.answerQuestion(d.questions().question(i), false);
            d.acceptIfValid();
            double value = -1;
            if (c.error) {
                QCOMPARE(prompts_.texts(), QStringList{QString::fromLatin1(c.error)});
                QVERIFY2(d.result() != QDialog::Accepted, tag);
                continue;
            }
            QVERIFY2(d.result() == QDialog::Accepted, tag + " " + prompts_.texts().join('|').toLatin1());
            if (c.field == &AddItemDialog::netExplosiveMassEdit)
                QVERIFY(GetNetExplosiveMass_Hazmat(given.get(), WEIGHT_POUNDS, &value));
            else
                QVERIFY(GetBulkCapacity_Hazmat(given.get(), &value));
            // Stored to the gram: pounds come back within a thousandth.
            QVERIFY2(std::abs(value - QString::fromLatin1(c.text).toDouble()) < 0.001, tag);
        }
    }

    // An item confirmed in the dialog, opened again for an edit, comes back
    // unchanged when the user just presses OK.
    void editingRoundTrip()
    {
        const struct {
            const char *id;
            int pid;
            bool bulk;
        } cases[] = {{"NA1993", 58, true}, {"UN3328", 2383, false}, {"UN1005", 473, false}};
        for (const auto &c : cases) {
            const QByteArray tag = c.id;
            Item first;
            {
                AddItemDialog d(first.get(), false, context());
                d.idNumberEdit->setText(QString::fromLatin1(c.id));
                if (d.nameEntries().size() > 1)
                    d.choosePSN(entryOfPid(d, c.pid));
                if (c.bulk)
                    d.bulkCheck->click();
                d.weightUnitCombo->setCurrentIndex(1);
                d.weightEdit->setText(QStringLiteral("500"));
                d.weightEdit->textEdited(d.weightEdit->text());
                if (!d.transportIndexEdit->isHidden())
                    d.transportIndexEdit->setText(QStringLiteral("2.5"));
                if (!d.criticalitySafetyIndexEdit->isHidden())
                    d.criticalitySafetyIndexEdit->setText(QStringLiteral("1.5"));
                // The permit quantities come back too.
                QVERIFY2(d.packageCapacityEdit->isHidden() == c.bulk, tag);
                QVERIFY2(d.bulkCapacityEdit->isHidden() == !c.bulk, tag);
                (c.bulk ? d.bulkCapacityEdit : d.packageCapacityEdit)->setText(QString::fromLatin1(c.bulk ? "3600.25" : "0.75"));
                bool yes = true;
                for (int i = 0; i < d.questions().count(); ++i, yes = !yes)
                    if (d.questions().answer(i) == QuestionSlots::Answer::None)
                        d.answerQuestion(d.questions().question(i), yes);
                for (int i = 0; i < d.questions().count(); ++i)   // follow-up questions
                    if (d.questions().answer(i) == QuestionSlots::Answer::None)
                        d.answerQuestion(d.questions().question(i), false);
                d.acceptIfValid();
                QVERIFY2(d.result() == QDialog::Accepted, tag + " " + prompts_.texts().join('|').toLatin1());
            }
            QCOMPARE(GetWeight_Hazmat(first.get(), 1), 500u);
            Item copy;
            Copy_Hazmat(copy.get(), first.get());
            AddItemDialog edit(copy.get(), false, context());
            QCOMPARE(edit.windowTitle(), QStringLiteral("Edit Load Item..."));
            QCOMPARE(edit.weightEdit->text(), QStringLiteral("500"));
            QCOMPARE(edit.weightUnitCombo->currentText(), QStringLiteral("kgs."));
            QCOMPARE(edit.bulkCheck->isChecked(), c.bulk);
            QCOMPARE((c.bulk ? edit.bulkCapacityEdit : edit.packageCapacityEdit)->text(),
                     QString::fromLatin1(c.bulk ? "3600.25" : "0.75"));
            QCOMPARE(edit.questions().firstUnanswered(), -1);
            edit.acceptIfValid();
            QVERIFY2(edit.result() == QDialog::Accepted, tag);
            QCOMPARE(record(copy.get()), record(first.get()));
            QVERIFY2(prompts_.shown.empty(), tag);
        }
    }

    void itemFromSearchIsNewAndBound()
    {
        Item given(631);
        AddItemDialog d(given.get(), true, context());
        QCOMPARE(d.windowTitle(), QStringLiteral("New Load Item..."));
        QCOMPARE(d.idNumberEdit->text(), QStringLiteral("UN1203"));
        QCOMPARE(GetPID_Hazmat(d.workItem()), 631);
    }

    void helpFailureIsReported()
    {
        Item given;
        AddItemContext c = context();
        QString asked;
        c.openHelpPage = [&](const QString &page) {
            asked = page;
            return false;
        };
        AddItemDialog d(given.get(), false, c);
        d.showHelp();
        QCOMPARE(asked, QStringLiteral("common_dialog_item_editor.htm"));
        QCOMPARE(prompts_.texts(), QStringList{QStringLiteral("Unable to open the help file.")});
        QString cited, opened;
        c.openRegulation = [&](const QString &cite) { cited = cite; };
        c.openDocument = [&](const QString &target) {
            opened = target;
            return true;
        };
        AddItemDialog links(given.get(), false, c);
        links.openLink(QStringLiteral("49 CFR 173.12(b)"));
        links.openLink(QStringLiteral("https://example.org/page"));
        QCOMPARE(cited, QStringLiteral("49CFR173.12(b)"));
        QCOMPARE(opened, QStringLiteral("https://example.org/page"));
    }
};

QTEST_MAIN(AddItemTest)
#include "add_item_test.moc"
