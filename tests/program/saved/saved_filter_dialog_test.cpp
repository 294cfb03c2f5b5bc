// The filter dialog turns its controls into the filter the scan applies.
#include "support/fakes.h"
#include "saved/saved_filter_dialog.h"

#include <QCheckBox>
#include <QPushButton>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

using namespace velmora;
using namespace velmora::test;

class SavedFilterDialogTest : public QObject {
    Q_OBJECT
private slots:
    void controlsBecomeTheFilter()
    {
        ScriptedPrompts prompts;
        SavedFilterDialog d(SavedFilter{}, true, QStringLiteral("/loads/"), prompts);
        QCOMPARE(d.windowTitle(), QStringLiteral("Filter Saved Loads"));
        QVERIFY(!d.daysRadio->isEnabled());
        QCOMPARE(d.locationList->count(), 1);
        QVERIFY(!d.result(QDateTime::currentDateTime()).active());

        d.nameEdit->setText(QStringLiteral("gas,red"));
        d.matchCombo->setCurrentText(QStringLiteral("Any Words"));
        d.dateCheck->click();
        QVERIFY(d.daysRadio->isEnabled());
        d.daysRadio->click();
        QVERIFY(d.daysSpin->isEnabled() && !d.monthsSpin->isEnabled());
        d.daysSpin->setValue(0);   // counts never go below 1
        QCOMPARE(d.daysSpin->value(), 1);
        d.legalityCheck->click();
        d.illegalCheck->click();
        d.locationsCheck->click();
        d.chooseFolder = [] { return QStringLiteral("/more/loads"); };
        d.addButton->click();

        const QDateTime now(QDate(2025, 4, 3), QTime(12, 0));
        const SavedFilter f = d.result(now);
        QVERIFY(f.active() && f.nameOn() && f.dateOn && f.legalityOn && f.locationsOn);
        QCOMPARE(f.matchMode, QStringLiteral("Any Words"));
        QCOMPARE(f.from, now.addDays(-1));
        QCOMPARE(f.acceptedLegality, QStringList{QStringLiteral("No")});
        QCOMPARE(f.locations, (QStringList{QStringLiteral("/loads/"), QStringLiteral("/more/loads/")}));

        // Removing with nothing selected, then with an empty list.
        d.locationList->clearSelection();
        d.removeButton->click();
        QCOMPARE(prompts.texts().last(), QStringLiteral("Please select an item to delete."));
        d.locationList->clear();
        d.removeButton->click();
        QCOMPARE(prompts.texts().last(), QStringLiteral("There are no items to delete."));

        d.resetButton->click();
        QVERIFY(!d.result(now).active());
        QVERIFY(!d.daysRadio->isChecked());
    }

    void storedStateIsShownAndLegalityNeedsProcessing()
    {
        ScriptedPrompts prompts;
        SavedFilter stored;
        stored.dateOn = true;
        stored.to = QDateTime(QDate(2025, 4, 3), QTime(9, 0));
        stored.from = stored.to.addMonths(-3);
        SavedFilterDialog d(stored, false, QStringLiteral("/loads/"), prompts);
        QVERIFY(d.monthsRadio->isChecked());
        QCOMPARE(d.monthsSpin->value(), 3);
        QVERIFY(!d.legalityCheck->isEnabled());
    }
};

QTEST_MAIN(SavedFilterDialogTest)
#include "saved_filter_dialog_test.moc"
