#include "truckload/add_item.h"
#include "frontend/entries.h"
#include "frontend/holders.h"
#include "frontend/quantity_facts.h"

#include "dravlen.h"
#include "settings/do_not_ship.h"
#include "app/hazmat_library.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QVBoxLayout>

#include <cmath>
#include <cstddef>
#include <cstring>
#include <set>

namespace velmora {

namespace {

const char *const kZoneNames[] = {"Hazard Zone A", "Hazard Zone B", "Hazard Zone C", "Hazard Zone D"};
const char *const kPackingGroupNames[] = {"", "Packing Group I", "Packing Group II", "Packing Group III"};

} // namespace

std::vector<ShippingNameEntry> shippingNameEntries(const std::string &id)
{
    std::vector<ShippingNameEntry> entries;
    for (int pid : frontend::entriesOfId(id)) {
        const CTRec *row = GetCTRec_HazData(pid);
        const int names = GetNumElements_CTRec(row, -1, 14);
        for (int i = 0; i < names; ++i) {
            QString text = fromLibraryText(GetElement_CTRec(row, -1, 14, i));
            const QString desc = fromLibraryText(GetElement_CTRec(row, -1, 16, i));
            if (!desc.isEmpty())
                text += QStringLiteral(" (") + desc + QLatin1Char(')');
            entries.push_back({text, pid, i + 1});
        }
    }
    return entries;
}

AddItemDialog::AddItemDialog(Hazmat *given, bool fromSearch, const AddItemContext &context, QWidget *parent)
    : QDialog(parent), given_(given), ctx_(context), fromSearch_(fromSearch)
{
    static_assert(sizeof(workStorage_) == 256);
    Q_ASSERT(GetSizeOf_Hazmat() <= static_cast<int>(sizeof(workStorage_)));
    Init_Hazmat(work(), 0);
    setObjectName(QStringLiteral("AddItemDialog"));
    setWindowTitle(QStringLiteral("New Load Item..."));
    chooseIdEntry = [this](const QString &number, const std::vector<EntryChoice> &entries) {
        return chooseEntry(this, number, entries);
    };
    buildForm();

    // Opening.
    clearDialog();
    const char *id = GetID_Hazmat(given_);
    if (id && std::strlen(id) == 6) {
        Copy_Hazmat(work(), given_);
        edit_ = true;
        idNumberEdit->setText(fromLibraryText(id));   // runs the ID entry in edit mode
        if (chosen_ && (GetWeight_Hazmat(given_, GetWeightUnit_Hazmat(given_)) != 0 ||
                        IsBulkPackaging_Hazmat(given_) || IsExceptedQuantity_Hazmat(given_))) {
            setWindowTitle(QStringLiteral("Edit Load Item..."));
            loadRemainingFields();
        }
        edit_ = false;
        if (!exceptedQuantityCheck->isChecked())
            weightEdit->setFocus();
    }
}

AddItemDialog::~AddItemDialog() { Reset_Hazmat(work(), 0); }

Hazmat *AddItemDialog::work() { return reinterpret_cast<Hazmat *>(workStorage_); }
const Hazmat *AddItemDialog::workItem() const { return reinterpret_cast<const Hazmat *>(workStorage_); }

void AddItemDialog::buildForm()
{
    auto *top = new QVBoxLayout(this);

    auto *basic = new QGroupBox(QStringLiteral("Basic Description"), this);
    auto *bg = new QGridLayout(basic);
    bg->addWidget(new QLabel(QStringLiteral("Shipping Name"), basic), 0, 0);
    shippingNameCombo = new QComboBox(basic);
    shippingNameCombo->setObjectName(QStringLiteral("shippingNameCombo"));
    shippingNameCombo->setMaxVisibleItems(10);
    shippingNameEdit = new QLineEdit(basic);
    shippingNameEdit->setObjectName(QStringLiteral("shippingNameEdit"));
    shippingNameEdit->setReadOnly(true);
    auto *psnRow = new QHBoxLayout;
    psnRow->addWidget(shippingNameCombo, 1);
    psnRow->addWidget(shippingNameEdit, 1);
    bg->addLayout(psnRow, 0, 1, 1, 3);
    bg->addWidget(new QLabel(QStringLiteral("Hazard Class"), basic), 1, 0);
    hazardClassEdit = new QLineEdit(basic);
    hazardClassEdit->setReadOnly(true);
    bg->addWidget(hazardClassEdit, 1, 1);
    bg->addWidget(new QLabel(QStringLiteral("Subsidiary Hazard Class"), basic), 1, 2);
    subsidiaryClassEdit = new QLineEdit(basic);
    subsidiaryClassEdit->setReadOnly(true);
    bg->addWidget(subsidiaryClassEdit, 1, 3);
    bg->addWidget(new QLabel(QStringLiteral("ID Number"), basic), 2, 0);
    idNumberEdit = new QLineEdit(basic);
    idNumberEdit->setObjectName(QStringLiteral("idNumberEdit"));
    idNumberEdit->setMaxLength(6);
    bg->addWidget(idNumberEdit, 2, 1);
    bg->addWidget(new QLabel(QStringLiteral("Packing Group"), basic), 2, 2);
    packingGroupCombo = new QComboBox(basic);
    packingGroupEdit = new QLineEdit(basic);
    packingGroupEdit->setReadOnly(true);
    auto *pgRow = new QHBoxLayout;
    pgRow->addWidget(packingGroupCombo, 1);
    pgRow->addWidget(packingGroupEdit, 1);
    bg->addLayout(pgRow, 2, 3);
    top->addWidget(basic);

    auto *more = new QGroupBox(QStringLiteral("Additional Descriptions"), this);
    auto *mg = new QGridLayout(more);
    mg->addWidget(new QLabel(QStringLiteral("Weight"), more), 0, 0);
    weightEdit = new QLineEdit(more);
    weightEdit->setObjectName(QStringLiteral("weightEdit"));
    weightEdit->setMaxLength(7);
    weightEdit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), weightEdit));
    weightUnitCombo = new QComboBox(more);
    weightUnitCombo->addItems({QStringLiteral("lbs."), QStringLiteral("kgs.")});
    auto *wRow = new QHBoxLayout;
    wRow->addWidget(weightEdit);
    wRow->addWidget(weightUnitCombo);
    wRow->addWidget(new QLabel(QStringLiteral("(Not required when bulk.)"), more));
    mg->addLayout(wRow, 0, 1, 1, 3);
    mg->addWidget(new QLabel(QStringLiteral("PIH Info"), more), 1, 0);
    inhalationHazardEdit = new QLineEdit(more);
    inhalationHazardEdit->setReadOnly(true);
    hazardZoneCombo = new QComboBox(more);
    auto *zRow = new QHBoxLayout;
    zRow->addWidget(inhalationHazardEdit, 1);
    zRow->addWidget(hazardZoneCombo, 1);
    mg->addLayout(zRow, 1, 1, 1, 3);
    transportIndexLabel = new QLabel(QStringLiteral("Transport Index"), more);
    mg->addWidget(transportIndexLabel, 2, 0);
    const auto *tenthsValidator = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), this);
    transportIndexEdit = new QLineEdit(more);
    transportIndexEdit->setMaxLength(5);
    transportIndexEdit->setValidator(tenthsValidator);
    mg->addWidget(transportIndexEdit, 2, 1);
    criticalitySafetyIndexLabel = new QLabel(QStringLiteral("CSI"), more);
    mg->addWidget(criticalitySafetyIndexLabel, 2, 2);
    criticalitySafetyIndexEdit = new QLineEdit(more);
    criticalitySafetyIndexEdit->setMaxLength(4);
    criticalitySafetyIndexEdit->setValidator(tenthsValidator);
    mg->addWidget(criticalitySafetyIndexEdit, 2, 3);
    auto box = [&](const char *caption, const char *name, int r, int c) {
        auto *b = new QCheckBox(QString::fromLatin1(caption), more);
        b->setObjectName(QString::fromLatin1(name));
        mg->addWidget(b, r, c);
        connect(b, &QCheckBox::clicked, this, [this, b](bool on) { boxClicked(b, on); });
        return b;
    };
    limitedQuantityCheck = box("&Limited Quantity", "limitedQuantityCheck", 3, 0);
    bulkCheck = box("&Bulk Package", "bulkCheck", 3, 1);
    hazardousSubstanceCheck = box("Hazardous &Substance", "hazardousSubstanceCheck", 3, 2);
    elevatedTemperatureCheck = box("&Elevated Temperature", "elevatedTemperatureCheck", 4, 0);
    hazardousWasteCheck = box("&Hazardous Waste", "hazardousWasteCheck", 4, 1);
    marinePollutantCheck = box("&Marine Pollutant", "marinePollutantCheck", 4, 2);
    residueCheck = box("&Residue", "residueCheck", 5, 0);
    reverseLogisticsCheck = box("Reverse &Logistics", "reverseLogisticsCheck", 5, 1);
    exceptedQuantityCheck = box("Excepted &Quantity", "exceptedQuantityCheck", 5, 2);
    const auto *decimalValidator =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,8}([.][0-9]{0,3})?")), this);
    auto fact = [&](const char *caption, const char *name, const char *tip, int column, QLabel *&label) {
        label = new QLabel(QString::fromLatin1(caption), more);
        auto *edit = new QLineEdit(more);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setValidator(decimalValidator);
        edit->setPlaceholderText(QStringLiteral("not given"));
        edit->setToolTip(QString::fromLatin1(tip));
        label->setBuddy(edit);
        auto *cell = new QHBoxLayout;
        cell->addWidget(label);
        cell->addWidget(edit, 1);
        mg->addLayout(cell, 6, column);
        return edit;
    };
    netExplosiveMassEdit = fact("Net Explosive Mass", "netExplosiveMassEdit",
                                "Net explosive mass in the weight's unit: more than 25 kg (55 lb) of Division 1.1, "
                                "1.2 or 1.3 needs a hazmat safety permit (49 CFR 385.403(b)).",
                                0, netExplosiveMassLabel);
    packageCapacityEdit = fact("Largest Package (L)", "packageCapacityEdit",
                               "Capacity of the largest package or inner package in litres: more than 1 L of a "
                               "hazard zone A material needs a hazmat safety permit (49 CFR 385.403(c)).",
                               1, packageCapacityLabel);
    bulkCapacityEdit = fact("Bulk Capacity (gal)", "bulkCapacityEdit",
                            "Capacity of the bulk packaging in gallons: 13,248 L (3,500 gallons) or more of a hazard "
                            "zone C or D material or of methane needs a hazmat safety permit (49 CFR 385.403(e), (f)).",
                            2, bulkCapacityLabel);
    top->addWidget(more);

    questionCountLabel = new QLabel(QStringLiteral("Specific Questions: 0"), this);
    top->addWidget(questionCountLabel);
    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    auto *area = new QWidget(scroll);
    auto *av = new QVBoxLayout(area);
    for (int i = 0; i < QuestionSlots::kSlots; ++i) {
        QuestionPanel &p = questionPanel[i];
        p.panel = new QWidget(area);
        p.panel->setObjectName(QStringLiteral("questionPanel") + QString::number(i + 1));
        auto *pl = new QGridLayout(p.panel);
        p.text = new QLabel(p.panel);
        p.text->setWordWrap(true);
        pl->addWidget(p.text, 0, 0, 1, 4);
        p.link1 = new QLabel(p.panel);
        p.link1a = new QLabel(p.panel);
        for (QLabel *l : {p.link1, p.link1a}) {
            l->setTextFormat(Qt::RichText);
            connect(l, &QLabel::linkActivated, this, &AddItemDialog::openLink);
        }
        pl->addWidget(p.link1, 1, 0);
        pl->addWidget(p.link1a, 1, 1);
        p.yes = new QRadioButton(QStringLiteral("Yes"), p.panel);
        p.no = new QRadioButton(QStringLiteral("No"), p.panel);
        p.group = new QButtonGroup(p.panel);
        p.group->addButton(p.yes);
        p.group->addButton(p.no);
        pl->addWidget(p.yes, 1, 2);
        pl->addWidget(p.no, 1, 3);
        connect(p.yes, &QRadioButton::clicked, this, [this, i] { answerQuestion(slots_.question(i), true); });
        connect(p.no, &QRadioButton::clicked, this, [this, i] { answerQuestion(slots_.question(i), false); });
        av->addWidget(p.panel);
    }
    av->addStretch();
    scroll->setWidget(area);
    top->addWidget(scroll, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto *help = new QPushButton(QStringLiteral("Help"), this);
    buttons->addWidget(okButton);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    top->addLayout(buttons);

    connect(idNumberEdit, &QLineEdit::textChanged, this, [this] {
        const QString upper = idNumberEdit->text().toUpper();
        if (upper != idNumberEdit->text()) {
            idNumberEdit->setText(upper);   // runs the ID entry again
            return;
        }
        idNumberChanged();
    });
    // The lists choose on Enter or a click (activated), not on arrow keys.
    connect(shippingNameCombo, &QComboBox::activated, this, &AddItemDialog::choosePSN);
    connect(packingGroupCombo, &QComboBox::activated, this, [this](int i) {
        if (i >= 0 && i < static_cast<int>(pgSlots_.size()))
            choosePackingGroup(pgSlots_[static_cast<size_t>(i)]);
    });
    connect(hazardZoneCombo, &QComboBox::currentIndexChanged, this, &AddItemDialog::chooseZone);
    connect(weightEdit, &QLineEdit::textEdited, this, &AddItemDialog::weightEdited);
    connect(transportIndexEdit, &QLineEdit::editingFinished, this, [this] { normaliseTenths(transportIndexEdit); });
    connect(criticalitySafetyIndexEdit, &QLineEdit::editingFinished, this, [this] { normaliseTenths(criticalitySafetyIndexEdit); });
    connect(okButton, &QPushButton::clicked, this, &AddItemDialog::acceptIfValid);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &AddItemDialog::showHelp);
}

void AddItemDialog::clearNameFields()
{
    chosen_ = false;
    entries_.clear();
    pgSlots_.clear();
    shippingNameCombo->clear();
    shippingNameCombo->setVisible(false);
    shippingNameEdit->clear();
    shippingNameEdit->setVisible(true);
    hazardClassEdit->clear();
    subsidiaryClassEdit->clear();
    packingGroupCombo->clear();
    packingGroupCombo->setVisible(false);
    packingGroupEdit->clear();
    packingGroupEdit->setVisible(true);
    for (QWidget *w : std::initializer_list<QWidget *>{shippingNameCombo, shippingNameEdit, hazardClassEdit, subsidiaryClassEdit,
                                                       packingGroupCombo, packingGroupEdit})
        w->setEnabled(false);
    okButton->setEnabled(false);   // nothing is chosen until a shipping name and packing group are
}

void AddItemDialog::clearDialog()
{
    clearNameFields();
    zoneChooser_ = zoneNone_ = false;
    weightEdit->clear();
    weightEdit->setEnabled(false);
    weightUnitCombo->setCurrentIndex(0);
    weightUnitCombo->setEnabled(false);
    inhalationHazardEdit->clear();
    inhalationHazardEdit->setVisible(true);
    {
        const QSignalBlocker block(hazardZoneCombo);
        hazardZoneCombo->clear();
    }
    hazardZoneCombo->setVisible(false);
    for (QWidget *w : std::initializer_list<QWidget *>{transportIndexLabel, transportIndexEdit, criticalitySafetyIndexLabel, criticalitySafetyIndexEdit})
        w->setVisible(false);
    transportIndexEdit->clear();
    criticalitySafetyIndexEdit->clear();
    for (QLineEdit *e : {netExplosiveMassEdit, packageCapacityEdit, bulkCapacityEdit})
        e->clear();
    for (QCheckBox *b : {limitedQuantityCheck, bulkCheck, hazardousSubstanceCheck, elevatedTemperatureCheck, hazardousWasteCheck, marinePollutantCheck,
                         residueCheck, reverseLogisticsCheck, exceptedQuantityCheck}) {
        b->setChecked(false);
        b->setEnabled(false);
    }
    slots_.clear();
    refreshQuestions();
    okButton->setEnabled(false);
}

void AddItemDialog::idNumberChanged()
{
    const QString text = idNumberEdit->text();
    Prompts &prompts = *ctx_.prompts;
    if (text.isEmpty()) {
        clearDialog();
        return;
    }
    if (text.size() == 4 && text[0].isDigit()) {
        // A bare number: UN before NA before ID.
        const QString n = text;
        const QString forms[] = {QStringLiteral("UN") + n, QStringLiteral("NA") + n, QStringLiteral("ID") + n};
        bool exists[3];
        int formsFound = 0;
        for (int i = 0; i < 3; ++i)
            formsFound += (exists[i] = !frontend::entriesOfId(forms[i].toStdString()).empty()) ? 1 : 0;
        if (formsFound > 1) {
            // UN1993 and the NA1993 entries (diesel fuel, fuel oil, ...): ask.
            std::vector<EntryChoice> choices;
            std::vector<std::pair<QString, ShippingNameEntry>> behind;
            for (int i = 0; i < 3; ++i)
                for (const ShippingNameEntry &e : exists[i] ? shippingNameEntries(forms[i].toStdString())
                                                            : std::vector<ShippingNameEntry>{}) {
                    const int index = static_cast<int>(choices.size());
                    choices.push_back({index + 1, forms[i], e.text, {}, {}});
                    behind.emplace_back(forms[i], e);
                }
            const std::optional<int> chosen = chooseIdEntry ? chooseIdEntry(n, choices) : std::nullopt;
            if (!chosen || *chosen < 1 || *chosen > static_cast<int>(behind.size())) {
                clearNameFields();
                return;
            }
            const auto &[form, entry] = behind[static_cast<size_t>(*chosen - 1)];
            idNumberEdit->setText(form);   // lists that ID's names
            for (size_t i = 0; i < entries_.size(); ++i)
                if (entries_[i].pid == entry.pid && entries_[i].nameIndex == entry.nameIndex &&
                    !shippingNameCombo->isHidden())
                    shippingNameCombo->setCurrentIndex(static_cast<int>(i));
            return;
        }
        for (int i = 0; i < 3; ++i)
            if (exists[i]) {
                idNumberEdit->setText(forms[i]);
                return;
            }
        char *info = GetIDInfo_HazData(n.toUtf8().constData());
        const QString why = fromLibraryText(info);
        qv_free(info);
        if (!why.isEmpty())
            prompts.information(why);
        else
            prompts.information(QStringLiteral("Neither UN") + n + QStringLiteral(" nor NA") + n +
                                QStringLiteral(" nor ID") + n + QStringLiteral(" is a recognized ID number."));
        return;
    }
    if (text.size() != 6) {
        clearNameFields();
        return;
    }
    clearNameFields();
    const std::string id = text.toStdString();
    if (ctx_.doNotShip && ctx_.doNotShip->contains(id)) {
        prompts.error(text + QStringLiteral(" is prohibited by ") + ctx_.organisation + QStringLiteral(" DO NOT SHIP"));
        return;
    }
    entries_ = shippingNameEntries(id);
    if (entries_.empty()) {
        char *info = GetIDInfo_HazData(id.c_str());
        const QString why = fromLibraryText(info);
        qv_free(info);
        prompts.information(!why.isEmpty() ? why : text + QStringLiteral(" is not a recognized ID number."));
        return;
    }
    if (entries_.size() == 1) {
        shippingNameEdit->setText(entries_[0].text);
        shippingNameEdit->setEnabled(true);
        choosePSN(0);
        return;
    }
    shippingNameEdit->setVisible(false);
    shippingNameCombo->setVisible(true);
    shippingNameCombo->setEnabled(true);
    for (const auto &e : entries_)
        shippingNameCombo->addItem(e.text);
    shippingNameCombo->setCurrentIndex(-1);
    if (edit_) {
        const int pid = GetPID_Hazmat(given_), index = GetRomanIndex_Hazmat(given_);
        for (size_t i = 0; index != 0 && i < entries_.size(); ++i)
            if (entries_[i].pid == pid && entries_[i].nameIndex == index) {
                shippingNameCombo->setCurrentIndex(static_cast<int>(i));
                choosePSN(static_cast<int>(i));
                return;
            }
    }
    if (isVisible())
        shippingNameCombo->showPopup();
}

void AddItemDialog::choosePSN(int index)
{
    if (index < 0 || index >= static_cast<int>(entries_.size()))
        return;
    const ShippingNameEntry &e = entries_[static_cast<size_t>(index)];
    if (edit_ && e.pid == GetPID_Hazmat(given_)) {
        // The item being edited keeps everything the user gave it.
        Copy_Hazmat(work(), given_);
        if (GetRomanIndex_Hazmat(work()) != e.nameIndex)
            SetRomanIndex_Hazmat(work(), e.nameIndex);
    } else {
        Reset_Hazmat(work(), e.pid);
        SetRomanIndex_Hazmat(work(), e.nameIndex);
        // A freshly bound item holds no qualifiers: the boxes follow it.
        for (QCheckBox *b : {limitedQuantityCheck, bulkCheck, hazardousSubstanceCheck, elevatedTemperatureCheck, hazardousWasteCheck,
                             marinePollutantCheck, residueCheck, reverseLogisticsCheck, exceptedQuantityCheck})
            b->setChecked(false);
    }
    if (!shippingNameCombo->isHidden() && shippingNameCombo->currentIndex() != index)
        shippingNameCombo->setCurrentIndex(index);
    hazardClassEdit->setEnabled(true);
    subsidiaryClassEdit->setEnabled(true);
    showClassText();

    pgSlots_.clear();
    packingGroupCombo->clear();
    if (HasPackingGroup_Hazmat(work(), 0)) {
        choosePackingGroup(0);
        return;
    }
    for (int s = 1; s <= 3; ++s)
        if (HasPackingGroup_Hazmat(work(), s))
            pgSlots_.push_back(s);
    if (pgSlots_.size() == 1) {
        packingGroupEdit->setText(QString::fromLatin1(kPackingGroupNames[pgSlots_[0]]));
        packingGroupEdit->setEnabled(true);
        choosePackingGroup(pgSlots_[0]);
        return;
    }
    packingGroupEdit->setVisible(false);
    packingGroupCombo->setVisible(true);
    packingGroupCombo->setEnabled(true);
    for (int s : pgSlots_)
        packingGroupCombo->addItem(QString::fromLatin1(kPackingGroupNames[s]));
    packingGroupCombo->setCurrentIndex(-1);
    if (edit_) {
        const int pg = GetPackingGroup_Hazmat(given_);
        for (size_t i = 0; i < pgSlots_.size(); ++i)
            if (pgSlots_[i] == pg) {
                packingGroupCombo->setCurrentIndex(static_cast<int>(i));
                choosePackingGroup(pg);
                return;
            }
    }
    if (isVisible())
        packingGroupCombo->showPopup();
}

void AddItemDialog::showClassText()
{
    hazardClassEdit->setText(fromLibraryText(GetHazDivString_Hazmat(work(), 0)) + QStringLiteral(" (") +
                            fromLibraryText(GetHazDivDesc_Hazmat(work(), 0)) + QLatin1Char(')'));
    QStringList subs;
    for (int i = 1; i < GetNumHazDivs_Hazmat(work()); ++i)
        subs << fromLibraryText(GetHazDivString_Hazmat(work(), i));
    subsidiaryClassEdit->setText(subs.join(QStringLiteral(", ")));
}

void AddItemDialog::choosePackingGroup(int slot)
{
    if (!SetPackingGroup_Hazmat(work(), slot))
        return;
    if (!packingGroupCombo->isHidden()) {
        for (size_t i = 0; i < pgSlots_.size(); ++i)
            if (pgSlots_[i] == slot && packingGroupCombo->currentIndex() != static_cast<int>(i))
                packingGroupCombo->setCurrentIndex(static_cast<int>(i));
    }
    chosen_ = true;
    const QString primary = fromLibraryText(GetHazDivString_Hazmat(work(), 0));

    // 1. Radioactive material: transport index, and the criticality safety
    //    index of fissile material (172.203(d)).
    const bool radioactive = primary == QLatin1String("7");
    transportIndexLabel->setVisible(radioactive);
    transportIndexEdit->setVisible(radioactive);
    transportIndexEdit->setText(radioactive ? QStringLiteral("0.0") : QString());
    const bool csi = radioactive && NeedsCSI_Hazmat(work());
    criticalitySafetyIndexLabel->setVisible(csi);
    criticalitySafetyIndexEdit->setVisible(csi);
    transportIndexLabel->setText(csi ? QStringLiteral("TI") : QStringLiteral("Transport Index"));

    // 2. Hazard zone of a material poisonous by inhalation (173.116, 173.133).
    {
        frontend::ItemHolder scratch(GetPID_Hazmat(work()));
        SetPackingGroup_Hazmat(scratch.get(), slot);
        const char zone = GetHazardZone_Hazmat(scratch.get());
        const QSignalBlocker block(hazardZoneCombo);
        hazardZoneCombo->clear();
        zoneChooser_ = zone == '?' || zone == '*';
        zoneNone_ = zone == '*';
        if (zoneChooser_) {
            for (const char *z : kZoneNames)
                hazardZoneCombo->addItem(QString::fromLatin1(z));
            if (zoneNone_)
                hazardZoneCombo->addItem(QStringLiteral("Not A PIH"));
            hazardZoneCombo->setCurrentIndex(-1);
            inhalationHazardEdit->setVisible(false);
            hazardZoneCombo->setVisible(true);
            hazardZoneCombo->setEnabled(true);
        } else {
            inhalationHazardEdit->setText(zone ? QStringLiteral("This hazmat is a PIH, Hazard Zone ") + QChar::fromLatin1(zone)
                                 : QStringLiteral("This hazmat is not a Poison Inhalation Hazard."));
            inhalationHazardEdit->setVisible(true);
            hazardZoneCombo->setVisible(false);
        }
    }

    // 3. Item-specific questions.
    slots_.clear();
    if (primary == QLatin1String("8") && slot == 1)
        SetExemption_Hazmat(work(), 31, 0);
    for (int q : questionsForPackingGroup(work(), ctx_.load, boxes()))
        slots_.offer(q);
    refreshQuestions();

    // 4. Qualifier boxes.
    weightEdit->setEnabled(!exceptedQuantityCheck->isChecked());
    weightUnitCombo->setEnabled(true);
    updateBoxes();
    updateOK();

    // 5. Focus.
    if (zoneChooser_ && isVisible() && !edit_)
        hazardZoneCombo->showPopup();
    else
        weightEdit->setFocus();
}

void AddItemDialog::chooseZone(int index)
{
    if (!zoneChooser_ || index < 0)
        return;
    SetHazardZone_Hazmat(work(), index < 4 ? static_cast<char>('A' + index) : '\0');
    testQuestion30();
}

void AddItemDialog::testQuestion30()
{
    if (offersQuestion30(work()))
        offer(30);
    else
        removeQuestion(30);
}

BoxStates AddItemDialog::boxes() const
{
    BoxStates b;
    b.bulk = bulkCheck->isChecked();
    b.hazardousWaste = hazardousWasteCheck->isChecked();
    b.elevatedTemperature = elevatedTemperatureCheck->isChecked();
    b.marinePollutant = marinePollutantCheck->isChecked();
    return b;
}

void AddItemDialog::offer(int question)
{
    if (slots_.offer(question))
        refreshQuestions();
}

void AddItemDialog::removeQuestion(int question)
{
    if (slots_.remove(question))
        refreshQuestions();
}

void AddItemDialog::refreshQuestions()
{
    questionCountLabel->setText(QStringLiteral("Specific Questions: ") + QString::number(slots_.count()));
    for (int i = 0; i < QuestionSlots::kSlots; ++i) {
        QuestionPanel &p = questionPanel[i];
        const bool shown = i < slots_.count();
        p.panel->setVisible(shown);
        if (!shown)
            continue;
        const DialogQuestion *q = dialogQuestion(slots_.question(i));
        p.text->setText(q ? QString::fromLatin1(q->text) : QString());
        const QStringList links = citationLinks(q ? QString::fromLatin1(q->citation) : QString());
        QLabel *labels[2] = {p.link1, p.link1a};
        for (int k = 0; k < 2; ++k) {
            const bool has = k < links.size();
            labels[k]->setVisible(has);
            labels[k]->setText(has ? QStringLiteral("<a href=\"%1\">%1</a>").arg(links[k].toHtmlEscaped()) : QString());
        }
        const auto a = slots_.answer(i);
        p.group->setExclusive(false);
        p.yes->setChecked(a == QuestionSlots::Answer::Yes);
        p.no->setChecked(a == QuestionSlots::Answer::No);
        p.group->setExclusive(true);
    }
}

void AddItemDialog::answerQuestion(int question, bool yes)
{
    if (!slots_.contains(question))
        return;
    slots_.setAnswer(question, yes ? QuestionSlots::Answer::Yes : QuestionSlots::Answer::No);
    switch (question) {
    case 1:
        applyAnswer(work(), ctx_.load, 1, yes);
        testQuestion30();
        break;
    case 3:
        applyAnswer(work(), ctx_.load, 3, yes);
        showClassText();
        if (yes && bulkCheck->isChecked() && offersQuestion20(work(), boxes()))
            offer(20);
        else if (!yes)
            removeQuestion(20);
        updateBoxes();
        break;
    case 6:
        if (yes)
            removeQuestion(26);
        else
            offer(26);
        break;
    case 16: {
        applyAnswer(work(), ctx_.load, 16, yes);
        const bool csi = !transportIndexEdit->isHidden() && NeedsCSI_Hazmat(work());
        criticalitySafetyIndexLabel->setVisible(csi);
        criticalitySafetyIndexEdit->setVisible(csi);
        transportIndexLabel->setText(csi ? QStringLiteral("TI") : QStringLiteral("Transport Index"));
        break;
    }
    case 34:
    case 35:
        applyAnswer(work(), ctx_.load, question, yes);
        updateBoxes();
        break;
    case 36:
        applyAnswer(work(), ctx_.load, 36, yes);
        showClassText();
        break;
    default:
        break;
    }
    refreshQuestions();
}

void AddItemDialog::updateBoxes()
{
    const Hazmat *item = work();
    const bool ltd = limitedQuantityCheck->isChecked(), bulk = bulkCheck->isChecked(),
               eq = exceptedQuantityCheck->isChecked();
    limitedQuantityCheck->setEnabled(chosen_ && !bulk && !eq && !residueCheck->isChecked() &&
                                 IsLimitedQuantityAllowed_Hazmat(item));
    bulkCheck->setEnabled(chosen_ && !ltd && !eq && IsBulkPackagingAllowed_Hazmat(item));
    exceptedQuantityCheck->setEnabled(chosen_ && !ltd && !bulk && IsExceptedQuantityAllowed_Hazmat(item));
    const bool rl = ltd && !hazardousWasteCheck->isChecked() && IsReverseLogisticsAllowed_Hazmat(item);
    reverseLogisticsCheck->setEnabled(rl);
    if (!rl && reverseLogisticsCheck->isChecked()) {
        reverseLogisticsCheck->setChecked(false);
        SetReverseLogistics_Hazmat(work(), 0);
    }
    hazardousSubstanceCheck->setEnabled(chosen_ && IsHazardousSubstanceAllowed_Hazmat(item));
    hazardousWasteCheck->setEnabled(chosen_ && IsHazardousWasteAllowed_Hazmat(item));
    residueCheck->setEnabled(chosen_ && IsResidueAllowed_Hazmat(item));
    if (chosen_ && IsElevatedTemperatureLocked_Hazmat(item)) {
        SetElevatedTemperature_Hazmat(work(), -1);
        elevatedTemperatureCheck->setChecked(true);
        elevatedTemperatureCheck->setEnabled(false);
    } else {
        elevatedTemperatureCheck->setEnabled(chosen_ && IsElevatedTemperatureAllowed_Hazmat(item));
    }
    if (chosen_ && IsMarinePollutantLocked_Hazmat(item)) {
        SetMarinePollutant_Hazmat(work(), -1);
        marinePollutantCheck->setChecked(true);
        marinePollutantCheck->setEnabled(false);
        offer(27);
    } else {
        marinePollutantCheck->setEnabled(chosen_);
    }
    updateQuantityFacts();
}

void AddItemDialog::updateQuantityFacts()
{
    // The work item follows the boxes, so bulk packaging decides between
    // the package and the bulk capacity.
    const Hazmat *item = work();
    const bool bulk = bulkCheck->isChecked();
    const struct {
        QLabel *label;
        QLineEdit *edit;
        bool shown;
    } facts[] = {
        {netExplosiveMassLabel, netExplosiveMassEdit, chosen_ && frontend::takesNetExplosiveMass(item)},
        {packageCapacityLabel, packageCapacityEdit, chosen_ && !bulk && GetPID_Hazmat(item) != 0},
        {bulkCapacityLabel, bulkCapacityEdit, chosen_ && bulk && GetPID_Hazmat(item) != 0},
    };
    for (const auto &f : facts) {
        f.label->setVisible(f.shown);
        f.edit->setVisible(f.shown);
    }
}

// Stores the quantity facts of the shown fields in item (an empty field:
// not given); false, with the reason shown, when a value is refused.
bool AddItemDialog::applyQuantityFacts(Hazmat *item)
{
    ClearNetExplosiveMass_Hazmat(item);
    ClearPackageCapacity_Hazmat(item);
    ClearBulkCapacity_Hazmat(item);
    const struct {
        QLineEdit *edit;
        const char *name;
        std::string (*problem)(const Hazmat *, double);
        int (*set)(Hazmat *, double, int);
    } facts[] = {
        {netExplosiveMassEdit, "net explosive mass", frontend::netExplosiveMassProblem,
         [](Hazmat *h, double v, int unit) { return SetNetExplosiveMass_Hazmat(h, v, unit); }},
        {packageCapacityEdit, "largest package", frontend::packageCapacityProblem,
         [](Hazmat *h, double v, int) { return SetPackageCapacity_Hazmat(h, v); }},
        {bulkCapacityEdit, "bulk capacity", frontend::bulkCapacityProblem,
         [](Hazmat *h, double v, int) { return SetBulkCapacity_Hazmat(h, v); }},
    };
    for (const auto &f : facts) {
        const QString text = f.edit->text().trimmed();
        if (f.edit->isHidden() || text.isEmpty())
            continue;
        bool ok = false;
        const double value = QLocale::c().toDouble(text, &ok);
        const std::string why = ok ? f.problem(item, value) : std::string("expected a number");
        if (!why.empty()) {
            ctx_.prompts->error(QStringLiteral("The %1: %2.").arg(QLatin1String(f.name), QString::fromStdString(why)));
            f.edit->setFocus();
            return false;
        }
        f.set(item, value, GetWeightUnit_Hazmat(item));
    }
    return true;
}

void AddItemDialog::boxClicked(QCheckBox *box, bool on)
{
    const int v = on ? -1 : 0;
    if (box == limitedQuantityCheck) {
        SetLimitedQuantity_Hazmat(work(), v);
    } else if (box == bulkCheck) {
        SetBulkPackaging_Hazmat(work(), v);
        if (on) {
            removeQuestion(25);
            SetLabPackExemption_Hazmat(work(), 0);
            if (offersQuestion20(work(), boxes()))
                offer(20);
        } else {
            removeQuestion(20);
            if (offersQuestion25(work(), boxes()))
                offer(25);
        }
    } else if (box == exceptedQuantityCheck) {
        SetExceptedQuantity_Hazmat(work(), v);
        if (on)
            weightEdit->clear();
        weightEdit->setEnabled(!on);
    } else if (box == reverseLogisticsCheck) {
        SetReverseLogistics_Hazmat(work(), v);
    } else if (box == hazardousWasteCheck) {
        SetHazardousWaste_Hazmat(work(), v);
        if (on && offersQuestion25(work(), boxes())) {
            offer(25);
        } else if (!on) {
            removeQuestion(25);
            SetLabPackExemption_Hazmat(work(), 0);
        }
    } else if (box == marinePollutantCheck) {
        SetMarinePollutant_Hazmat(work(), v);
        if (on) {
            offer(27);
        } else {
            removeQuestion(27);
            SetMarinePollutantExemption_Hazmat(work(), 0);
        }
    } else if (box == elevatedTemperatureCheck) {
        SetElevatedTemperature_Hazmat(work(), v);
        if (on) {
            removeQuestion(3);
            removeQuestion(20);
            ReclassifyToCombustible_Hazmat(work(), 0);
            showClassText();
        } else {
            if (IsCombustibleAllowed_Hazmat(work()))
                offer(3);
            if (bulkCheck->isChecked() && hazardClassEdit->text() == QLatin1String("COMB (Combustible)"))
                offer(20);
        }
    } else if (box == hazardousSubstanceCheck) {
        SetHazardousSubstance_Hazmat(work(), v);
    } else if (box == residueCheck) {
        SetResidue_Hazmat(work(), v);
    }
    updateBoxes();
    updateOK();
}

void AddItemDialog::weightEdited()
{
    if (!weightEdit->text().isEmpty() && !wholeWeight(weightEdit->text()))
        weightEdit->clear();
    updateOK();
}

void AddItemDialog::updateOK()
{
    const auto w = wholeWeight(weightEdit->text());
    okButton->setEnabled(chosen_ &&
                      (bulkCheck->isChecked() || exceptedQuantityCheck->isChecked() || (w && *w > 0)));
}

void AddItemDialog::normaliseTenths(QLineEdit *field)
{
    field->setText(tenthsText(tenthsFromText(field->text())));
}

void AddItemDialog::loadRemainingFields()
{
    const Hazmat *g = given_;
    const int unit = GetWeightUnit_Hazmat(g) ? 1 : 0;
    const uint32_t weight = GetWeight_Hazmat(g, unit);
    weightEdit->setText(weight ? QString::number(weight) : QString());
    weightUnitCombo->setCurrentIndex(unit);
    const auto number = [](double v) { return QLocale::c().toString(v, 'g', 12); };
    double fact = 0;
    if (GetNetExplosiveMass_Hazmat(g, unit, &fact))
        netExplosiveMassEdit->setText(number(std::round(fact * 1000) / 1000));
    if (GetPackageCapacity_Hazmat(g, &fact))
        packageCapacityEdit->setText(number(fact));
    if (GetBulkCapacity_Hazmat(g, &fact))
        bulkCapacityEdit->setText(number(fact));
    if (!transportIndexEdit->isHidden())
        transportIndexEdit->setText(tenthsText(GetTransportIndex_Hazmat(g)));
    if (!criticalitySafetyIndexEdit->isHidden())
        criticalitySafetyIndexEdit->setText(tenthsText(GetCSI_Hazmat(g)));
    if (zoneChooser_) {
        const char zone = GetHazardZone_Hazmat(g);
        const QSignalBlocker block(hazardZoneCombo);
        if (zone >= 'A' && zone <= 'D')
            hazardZoneCombo->setCurrentIndex(zone - 'A');
        else if (zoneNone_ && !GetPIH_Hazmat(g))
            hazardZoneCombo->setCurrentIndex(4);
    }
    // The boxes, in an order that lets each pass its enabling rule.
    const struct {
        QCheckBox *box;
        int (*is)(const Hazmat *);
    } qualifiers[] = {
        {residueCheck, IsResidue_Hazmat},         {limitedQuantityCheck, IsLimitedQuantity_Hazmat},
        {bulkCheck, IsBulkPackaging_Hazmat},      {exceptedQuantityCheck, IsExceptedQuantity_Hazmat},
        {hazardousSubstanceCheck, IsHazardousSubstance_Hazmat}, {hazardousWasteCheck, IsHazardousWaste_Hazmat},
        {elevatedTemperatureCheck, IsElevatedTemperature_Hazmat}, {marinePollutantCheck, IsMarinePollutant_Hazmat},
        {reverseLogisticsCheck, IsReverseLogistics_Hazmat},
    };
    for (const auto &q : qualifiers) {
        updateBoxes();
        if (q.is(g) && q.box->isEnabled() && !q.box->isChecked()) {
            q.box->setChecked(true);
            if (q.box == bulkCheck && offersQuestion20(g, boxes()))
                slots_.offer(20);
            if (q.box == hazardousWasteCheck && offersQuestion25(g, boxes()))
                slots_.offer(25);
            if (q.box == marinePollutantCheck)
                slots_.offer(27);
        }
    }
    if (exceptedQuantityCheck->isChecked()) {
        weightEdit->clear();
        weightEdit->setEnabled(false);
    }
    // Answers read back from the item; answers can bring further questions.
    for (int pass = 0; pass < 3; ++pass) {
        for (int i = 0; i < slots_.count(); ++i) {
            const int q = slots_.question(i);
            if (slots_.answer(i) != QuestionSlots::Answer::None)
                continue;
            const bool yes = answerFromItem(g, ctx_.load, q);
            slots_.setAnswer(q, yes ? QuestionSlots::Answer::Yes : QuestionSlots::Answer::No);
            if (q == 6 && !yes)
                slots_.offer(26);
            if (q == 1 && offersQuestion30(work()))
                slots_.offer(30);
        }
    }
    refreshQuestions();
    updateBoxes();
    updateOK();
}

void AddItemDialog::acceptIfValid()
{
    Prompts &prompts = *ctx_.prompts;
    if (!chosen_)
        return;
    if (zoneChooser_ && hazardZoneCombo->currentIndex() < 0) {
        prompts.error(QStringLiteral("A hazard zone must be selected."));
        return;
    }
    if (slots_.firstUnanswered() >= 0) {
        prompts.error(QStringLiteral("Please answer the question."));
        return;
    }
    Hazmat *g = given_;
    Copy_Hazmat(g, work());
    if (zoneChooser_) {
        const int z = hazardZoneCombo->currentIndex();
        SetHazardZone_Hazmat(g, z < 4 ? static_cast<char>('A' + z) : '\0');
    }
    for (int i = 0; i < slots_.count(); ++i)
        applyAnswer(g, ctx_.load, slots_.question(i), slots_.answer(i) == QuestionSlots::Answer::Yes);
    SetExemption_Hazmat(g, 33, 0);
    SetBulkPackaging_Hazmat(g, 0);
    SetLimitedQuantity_Hazmat(g, 0);
    SetExceptedQuantity_Hazmat(g, 0);
    SetWeightUnit_Hazmat(g, weightUnitCombo->currentIndex() == 1 ? 1 : 0);
    SetWeight_Hazmat(g, wholeWeight(weightEdit->text()).value_or(0));
    // In this order, so the engine's rules on combining them apply.
    SetLimitedQuantity_Hazmat(g, limitedQuantityCheck->isChecked() ? -1 : 0);
    SetBulkPackaging_Hazmat(g, bulkCheck->isChecked() ? -1 : 0);
    SetExceptedQuantity_Hazmat(g, exceptedQuantityCheck->isChecked() ? -1 : 0);
    SetReverseLogistics_Hazmat(g, reverseLogisticsCheck->isChecked() ? -1 : 0);
    SetResidue_Hazmat(g, residueCheck->isChecked() ? -1 : 0);
    SetMarinePollutant_Hazmat(g, marinePollutantCheck->isChecked() ? -1 : 0);
    SetMarinePollutantExemption_Hazmat(g, slots_.answerOf(27) == QuestionSlots::Answer::Yes ? -1 : 0);
    SetHazardousSubstance_Hazmat(g, hazardousSubstanceCheck->isChecked() ? -1 : 0);
    SetElevatedTemperature_Hazmat(g, elevatedTemperatureCheck->isChecked() ? -1 : 0);
    SetHazardousWaste_Hazmat(g, hazardousWasteCheck->isChecked() ? -1 : 0);
    SetExemption_Hazmat(g, 16, slots_.answerOf(20) == QuestionSlots::Answer::Yes ? -1 : 0);
    SetTransportIndex_Hazmat(g, !transportIndexEdit->isHidden() ? tenthsFromText(transportIndexEdit->text()) : 0);
    SetCSI_Hazmat(g, !criticalitySafetyIndexEdit->isHidden() ? tenthsFromText(criticalitySafetyIndexEdit->text()) : 0);
    if (!applyQuantityFacts(g))
        return;
    accept();
}

void AddItemDialog::showHelp()
{
    if (!ctx_.openHelpPage || !ctx_.openHelpPage(QStringLiteral("common_dialog_item_editor.htm")))
        ctx_.prompts->error(QStringLiteral("Unable to open the help file."));
}

void AddItemDialog::openLink(const QString &link)
{
    if (isRegulationLink(link)) {
        if (ctx_.openRegulation)
            ctx_.openRegulation(regulationKey(link));
    } else if (ctx_.openDocument) {
        ctx_.openDocument(link);
    }
}

} // namespace velmora
