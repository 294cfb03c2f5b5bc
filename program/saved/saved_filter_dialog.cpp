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

TfrmSavedLoadsFilter::TfrmSavedLoadsFilter(const SavedFilter &filter, bool processLegality, const QString &savePath,
                                           Prompts &prompts, QWidget *parent)
    : QDialog(parent), prompts_(prompts), savePath_(savePath), processLegality_(processLegality)
{
    setWindowTitle(QStringLiteral("Filter Saved Loads"));
    auto *v = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    edtName = new QLineEdit(filter.nameText, this);
    cbMatch = new QComboBox(this);
    cbMatch->addItems({QStringLiteral("All Words"), QStringLiteral("Any Words"), QStringLiteral("Exact")});
    cbMatch->setCurrentText(filter.nameText.isEmpty() ? QStringLiteral("All Words") : filter.matchMode);
    form->addRow(QStringLiteral("Name Contains:"), edtName);
    form->addRow(QStringLiteral("Match:"), cbMatch);
    v->addLayout(form);

    auto *options = new QGroupBox(QStringLiteral("Filter Options"), this);
    auto *ov = new QVBoxLayout(options);
    chkDate = new QCheckBox(QStringLiteral("Date"), options);
    rbMonths = new QRadioButton(QStringLiteral("In the last"), options);
    rbDays = new QRadioButton(QStringLiteral("In the last"), options);
    rbBetween = new QRadioButton(QStringLiteral("Between"), options);
    spMonths = new QSpinBox(options);
    spDays = new QSpinBox(options);
    for (QSpinBox *s : {spMonths, spDays})
        s->setRange(1, std::numeric_limits<int>::max());
    dtFrom = new QDateEdit(options);
    dtTo = new QDateEdit(options);
    for (QDateEdit *d : {dtFrom, dtTo})
        d->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    ov->addWidget(chkDate);
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
    row(rbMonths, spMonths, QStringLiteral("months"));
    row(rbDays, spDays, QStringLiteral("days"));
    row(rbBetween, dtFrom, QStringLiteral("and"), dtTo);

    chkLegality = new QCheckBox(QStringLiteral("Legality"), options);
    chkLegal = new QCheckBox(QStringLiteral("Show Legal"), options);
    chkIllegal = new QCheckBox(QStringLiteral("Show Illegal"), options);
    chkUnknown = new QCheckBox(QStringLiteral("Show Unknown"), options);
    ov->addWidget(chkLegality);
    auto *lh = new QHBoxLayout;
    for (QCheckBox *c : {chkLegal, chkIllegal, chkUnknown})
        lh->addWidget(c);
    ov->addLayout(lh);

    chkLocations = new QCheckBox(QStringLiteral("Additional Locations"), options);
    lbLocations = new QListWidget(options);
    btnAdd = new QPushButton(QStringLiteral("+"), options);
    btnRemove = new QPushButton(QStringLiteral("-"), options);
    ov->addWidget(chkLocations);
    auto *loc = new QHBoxLayout;
    loc->addWidget(lbLocations, 1);
    auto *lb = new QVBoxLayout;
    lb->addWidget(btnAdd);
    lb->addWidget(btnRemove);
    lb->addStretch(1);
    loc->addLayout(lb);
    ov->addLayout(loc);
    v->addWidget(options);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    btnReset = buttons->addButton(QStringLiteral("Reset"), QDialogButtonBox::ResetRole);
    v->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(btnReset, &QPushButton::clicked, this, &TfrmSavedLoadsFilter::btnResetClick);
    connect(chkDate, &QCheckBox::clicked, this, &TfrmSavedLoadsFilter::chkDateClick);
    for (QRadioButton *r : {rbMonths, rbDays, rbBetween})
        connect(r, &QRadioButton::clicked, this, &TfrmSavedLoadsFilter::radioClick);
    connect(chkLegality, &QCheckBox::clicked, this, &TfrmSavedLoadsFilter::chkLegalityClick);
    connect(chkLocations, &QCheckBox::clicked, this, &TfrmSavedLoadsFilter::chkLocationsClick);
    connect(btnAdd, &QPushButton::clicked, this, &TfrmSavedLoadsFilter::btnAddClick);
    connect(btnRemove, &QPushButton::clicked, this, &TfrmSavedLoadsFilter::btnRemoveClick);
    chooseFolder = [this] { return QFileDialog::getExistingDirectory(this, QStringLiteral("Select A Folder"), savePath_); };

    // The stored state.
    const QDate today = QDate::currentDate();
    dtFrom->setDate(filter.dateOn ? filter.from.date() : today);
    dtTo->setDate(filter.dateOn ? filter.to.date() : today);
    spMonths->setValue(1);
    spDays->setValue(1);
    chkDate->setChecked(filter.dateOn);
    if (filter.dateOn) {
        const QDate from = filter.from.date(), to = filter.to.date();
        rbBetween->setChecked(true);
        for (int n = 1; n <= 1200 && !rbMonths->isChecked() && !rbDays->isChecked(); ++n) {
            if (to.addMonths(-n) == from) {
                rbMonths->setChecked(true);
                spMonths->setValue(n);
            } else if (to.addDays(-n) == from) {
                rbDays->setChecked(true);
                spDays->setValue(n);
            }
        }
    }
    chkLegality->setChecked(filter.legalityOn);
    chkLegal->setChecked(filter.acceptedLegality.contains(QStringLiteral("Yes")));
    chkIllegal->setChecked(filter.acceptedLegality.contains(QStringLiteral("No")));
    chkUnknown->setChecked(filter.acceptedLegality.contains(QStringLiteral("???")));
    chkLocations->setChecked(filter.locationsOn);
    lbLocations->addItems(filter.locations.isEmpty() ? QStringList{savePath_} : filter.locations);
    radioClick();
    chkLegalityClick();
    chkLocationsClick();
    chkLegality->setEnabled(processLegality_);
}

void TfrmSavedLoadsFilter::chkDateClick()
{
    const bool on = chkDate->isChecked();
    for (QRadioButton *r : {rbMonths, rbDays, rbBetween}) {
        r->setAutoExclusive(false);
        if (!on)
            r->setChecked(false);
        r->setAutoExclusive(true);
        r->setEnabled(on);
    }
    if (!on) {
        spMonths->setValue(1);
        spDays->setValue(1);
    }
    radioClick();
}

void TfrmSavedLoadsFilter::radioClick()
{
    const bool on = chkDate->isChecked();
    for (QRadioButton *r : {rbMonths, rbDays, rbBetween})
        r->setEnabled(on);
    spMonths->setEnabled(on && rbMonths->isChecked());
    spDays->setEnabled(on && rbDays->isChecked());
    dtFrom->setEnabled(on && rbBetween->isChecked());
    dtTo->setEnabled(on && rbBetween->isChecked());
}

void TfrmSavedLoadsFilter::chkLegalityClick()
{
    const bool on = chkLegality->isChecked() && processLegality_;
    for (QCheckBox *c : {chkLegal, chkIllegal, chkUnknown}) {
        if (!chkLegality->isChecked())
            c->setChecked(false);
        c->setEnabled(on);
    }
}

void TfrmSavedLoadsFilter::chkLocationsClick()
{
    const bool on = chkLocations->isChecked();
    if (!on) {
        lbLocations->clear();
        lbLocations->addItem(savePath_);
    }
    lbLocations->setEnabled(on);
    btnAdd->setEnabled(on);
    btnRemove->setEnabled(on);
}

void TfrmSavedLoadsFilter::btnAddClick()
{
    const QString folder = chooseFolder ? chooseFolder() : QString();
    if (folder.isEmpty())
        return;
    lbLocations->addItem(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'));
}

void TfrmSavedLoadsFilter::btnRemoveClick()
{
    if (lbLocations->count() == 0) {
        prompts_.information(QStringLiteral("There are no items to delete."));
        return;
    }
    QListWidgetItem *item = lbLocations->currentItem();
    if (!item || !item->isSelected()) {
        prompts_.information(QStringLiteral("Please select an item to delete."));
        return;
    }
    delete item;
}

void TfrmSavedLoadsFilter::btnResetClick()
{
    edtName->clear();
    cbMatch->setCurrentText(QStringLiteral("All Words"));
    chkDate->setChecked(false);
    chkDateClick();
    chkLegality->setChecked(false);
    chkLegalityClick();
    chkLocations->setChecked(false);
    chkLocationsClick();
}

SavedFilter TfrmSavedLoadsFilter::result(const QDateTime &now) const
{
    SavedFilter f;
    f.nameText = edtName->text();
    f.matchMode = cbMatch->currentText();
    if (chkDate->isChecked()) {
        if (rbMonths->isChecked()) {
            f.dateOn = true;
            f.to = now;
            f.from = now.addMonths(-spMonths->value());
        } else if (rbDays->isChecked()) {
            f.dateOn = true;
            f.to = now;
            f.from = now.addDays(-spDays->value());
        } else if (rbBetween->isChecked()) {
            f.dateOn = true;
            f.from = QDateTime(dtFrom->date(), QTime(0, 0));
            f.to = QDateTime(dtTo->date(), QTime(0, 0));
        }
    }
    if (chkLegal->isChecked())
        f.acceptedLegality << QStringLiteral("Yes");
    if (chkIllegal->isChecked())
        f.acceptedLegality << QStringLiteral("No");
    if (chkUnknown->isChecked())
        f.acceptedLegality << QStringLiteral("???");
    f.legalityOn = !f.acceptedLegality.isEmpty();
    f.locationsOn = chkLocations->isChecked();
    if (f.locationsOn)
        for (int i = 0; i < lbLocations->count(); ++i)
            f.locations << lbLocations->item(i)->text();
    return f;
}

} // namespace velmora
