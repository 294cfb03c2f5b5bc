#include "saved/saved_filter_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <limits>

namespace velmora {

SavedFilterDialog::SavedFilterDialog(const SavedFilter &filter, bool processLegality, const QString &savePath,
                                           Prompts &prompts, QWidget *parent)
    : QDialog(parent), prompts_(prompts), savePath_(savePath), processLegality_(processLegality)
{
    setWindowTitle(QStringLiteral("Filter Saved Loads"));
    auto *v = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    nameEdit = new QLineEdit(filter.nameText, this);
    matchCombo = new QComboBox(this);
    matchCombo->addItems({QStringLiteral("All Words"), QStringLiteral("Any Words"), QStringLiteral("Exact")});
    matchCombo->setCurrentText(filter.nameText.isEmpty() ? QStringLiteral("All Words") : filter.matchMode);
    form->addRow(QStringLiteral("Name Contains:"), nameEdit);
    form->addRow(QStringLiteral("Match:"), matchCombo);
    v->addLayout(form);

    auto *options = new QGroupBox(QStringLiteral("Filter Options"), this);
    auto *ov = new QVBoxLayout(options);
    dateCheck = new QCheckBox(QStringLiteral("Date"), options);
    monthsRadio = new QRadioButton(QStringLiteral("In the last"), options);
    daysRadio = new QRadioButton(QStringLiteral("In the last"), options);
    betweenRadio = new QRadioButton(QStringLiteral("Between"), options);
    monthsSpin = new QSpinBox(options);
    daysSpin = new QSpinBox(options);
    for (QSpinBox *s : {monthsSpin, daysSpin})
        s->setRange(1, std::numeric_limits<int>::max());
    fromDateEdit = new QDateEdit(options);
    toDateEdit = new QDateEdit(options);
    for (QDateEdit *d : {fromDateEdit, toDateEdit})
        d->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    ov->addWidget(dateCheck);
    auto row = [&](QWidget *a, QWidget *b, const QString &after, QWidget *c = nullptr) {
        auto *h = new QHBoxLayout;
        h->addWidget(a);
        h->addWidget(b);
        h->addWidget(new QLabel(after, options));
        if (c)
            h->addWidget(c);
        h->addStretch(1);
        ov->addLayout(h);
    };
    row(monthsRadio, monthsSpin, QStringLiteral("months"));
    row(daysRadio, daysSpin, QStringLiteral("days"));
    row(betweenRadio, fromDateEdit, QStringLiteral("and"), toDateEdit);

    legalityCheck = new QCheckBox(QStringLiteral("Legality"), options);
    legalCheck = new QCheckBox(QStringLiteral("Show Legal"), options);
    illegalCheck = new QCheckBox(QStringLiteral("Show Illegal"), options);
    unknownCheck = new QCheckBox(QStringLiteral("Show Unknown"), options);
    ov->addWidget(legalityCheck);
    auto *lh = new QHBoxLayout;
    for (QCheckBox *c : {legalCheck, illegalCheck, unknownCheck})
        lh->addWidget(c);
    ov->addLayout(lh);

    locationsCheck = new QCheckBox(QStringLiteral("Additional Locations"), options);
    locationList = new QListWidget(options);
    addButton = new QPushButton(QStringLiteral("+"), options);
    removeButton = new QPushButton(QStringLiteral("-"), options);
    ov->addWidget(locationsCheck);
    auto *loc = new QHBoxLayout;
    loc->addWidget(locationList, 1);
    auto *lb = new QVBoxLayout;
    lb->addWidget(addButton);
    lb->addWidget(removeButton);
    lb->addStretch(1);
    loc->addLayout(lb);
    ov->addLayout(loc);
    v->addWidget(options);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    resetButton = buttons->addButton(QStringLiteral("Reset"), QDialogButtonBox::ResetRole);
    v->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(resetButton, &QPushButton::clicked, this, &SavedFilterDialog::reset);
    connect(dateCheck, &QCheckBox::clicked, this, &SavedFilterDialog::updateDateControls);
    for (QRadioButton *r : {monthsRadio, daysRadio, betweenRadio})
        connect(r, &QRadioButton::clicked, this, &SavedFilterDialog::updateDateRange);
    connect(legalityCheck, &QCheckBox::clicked, this, &SavedFilterDialog::updateLegalityControls);
    connect(locationsCheck, &QCheckBox::clicked, this, &SavedFilterDialog::updateLocationControls);
    connect(addButton, &QPushButton::clicked, this, &SavedFilterDialog::addLocation);
    connect(removeButton, &QPushButton::clicked, this, &SavedFilterDialog::removeLocation);
    chooseFolder = [this] { return QFileDialog::getExistingDirectory(this, QStringLiteral("Select A Folder"), savePath_); };

    // The stored state.
    const QDate today = QDate::currentDate();
    fromDateEdit->setDate(filter.dateOn ? filter.from.date() : today);
    toDateEdit->setDate(filter.dateOn ? filter.to.date() : today);
    monthsSpin->setValue(1);
    daysSpin->setValue(1);
    dateCheck->setChecked(filter.dateOn);
    if (filter.dateOn) {
        const QDate from = filter.from.date(), to = filter.to.date();
        betweenRadio->setChecked(true);
        for (int n = 1; n <= 1200 && !monthsRadio->isChecked() && !daysRadio->isChecked(); ++n) {
            if (to.addMonths(-n) == from) {
                monthsRadio->setChecked(true);
                monthsSpin->setValue(n);
            } else if (to.addDays(-n) == from) {
                daysRadio->setChecked(true);
                daysSpin->setValue(n);
            }
        }
    }
    legalityCheck->setChecked(filter.legalityOn);
    legalCheck->setChecked(filter.acceptedLegality.contains(QStringLiteral("Yes")));
    illegalCheck->setChecked(filter.acceptedLegality.contains(QStringLiteral("No")));
    unknownCheck->setChecked(filter.acceptedLegality.contains(QStringLiteral("???")));
    locationsCheck->setChecked(filter.locationsOn);
    locationList->addItems(filter.locations.isEmpty() ? QStringList{savePath_} : filter.locations);
    updateDateRange();
    updateLegalityControls();
    updateLocationControls();
    legalityCheck->setEnabled(processLegality_);
}

void SavedFilterDialog::updateDateControls()
{
    const bool on = dateCheck->isChecked();
    for (QRadioButton *r : {monthsRadio, daysRadio, betweenRadio}) {
        r->setAutoExclusive(false);
        if (!on)
            r->setChecked(false);
        r->setAutoExclusive(true);
        r->setEnabled(on);
    }
    if (!on) {
        monthsSpin->setValue(1);
        daysSpin->setValue(1);
    }
    updateDateRange();
}

void SavedFilterDialog::updateDateRange()
{
    const bool on = dateCheck->isChecked();
    for (QRadioButton *r : {monthsRadio, daysRadio, betweenRadio})
        r->setEnabled(on);
    monthsSpin->setEnabled(on && monthsRadio->isChecked());
    daysSpin->setEnabled(on && daysRadio->isChecked());
    fromDateEdit->setEnabled(on && betweenRadio->isChecked());
    toDateEdit->setEnabled(on && betweenRadio->isChecked());
}

void SavedFilterDialog::updateLegalityControls()
{
    const bool on = legalityCheck->isChecked() && processLegality_;
    for (QCheckBox *c : {legalCheck, illegalCheck, unknownCheck}) {
        if (!legalityCheck->isChecked())
            c->setChecked(false);
        c->setEnabled(on);
    }
}

void SavedFilterDialog::updateLocationControls()
{
    const bool on = locationsCheck->isChecked();
    if (!on) {
        locationList->clear();
        locationList->addItem(savePath_);
    }
    locationList->setEnabled(on);
    addButton->setEnabled(on);
    removeButton->setEnabled(on);
}

void SavedFilterDialog::addLocation()
{
    const QString folder = chooseFolder ? chooseFolder() : QString();
    if (folder.isEmpty())
        return;
    locationList->addItem(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'));
}

void SavedFilterDialog::removeLocation()
{
    if (locationList->count() == 0) {
        prompts_.information(QStringLiteral("There are no items to delete."));
        return;
    }
    QListWidgetItem *item = locationList->currentItem();
    if (!item || !item->isSelected()) {
        prompts_.information(QStringLiteral("Please select an item to delete."));
        return;
    }
    delete item;
}

void SavedFilterDialog::reset()
{
    nameEdit->clear();
    matchCombo->setCurrentText(QStringLiteral("All Words"));
    dateCheck->setChecked(false);
    updateDateControls();
    legalityCheck->setChecked(false);
    updateLegalityControls();
    locationsCheck->setChecked(false);
    updateLocationControls();
}

SavedFilter SavedFilterDialog::result(const QDateTime &now) const
{
    SavedFilter f;
    f.nameText = nameEdit->text();
    f.matchMode = matchCombo->currentText();
    if (dateCheck->isChecked()) {
        if (monthsRadio->isChecked()) {
            f.dateOn = true;
            f.to = now;
            f.from = now.addMonths(-monthsSpin->value());
        } else if (daysRadio->isChecked()) {
            f.dateOn = true;
            f.to = now;
            f.from = now.addDays(-daysSpin->value());
        } else if (betweenRadio->isChecked()) {
            f.dateOn = true;
            f.from = QDateTime(fromDateEdit->date(), QTime(0, 0));
            f.to = QDateTime(toDateEdit->date(), QTime(0, 0));
        }
    }
    if (legalCheck->isChecked())
        f.acceptedLegality << QStringLiteral("Yes");
    if (illegalCheck->isChecked())
        f.acceptedLegality << QStringLiteral("No");
    if (unknownCheck->isChecked())
        f.acceptedLegality << QStringLiteral("???");
    f.legalityOn = !f.acceptedLegality.isEmpty();
    f.locationsOn = locationsCheck->isChecked();
    if (f.locationsOn)
        for (int i = 0; i < locationList->count(); ++i)
            f.locations << locationList->item(i)->text();
    return f;
}

} // namespace velmora
