#include "truckload/add_item.h"

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
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QVBoxLayout>

#include <cstddef>
#include <cstring>
#include <set>

namespace velmora {

namespace {

QString latin1(const char *s) { return s ? QString::fromLatin1(s) : QString(); }

const char *const kZoneNames[] = {"Hazard Zone A", "Hazard Zone B", "Hazard Zone C", "Hazard Zone D"};
const char *const kPackingGroupNames[] = {"", "Packing Group I", "Packing Group II", "Packing Group III"};

// The dialog's work item and the scratch items live in the 256 bytes the
// program reserves for an item held outside a truckload.
class ScratchItem {
public:
    explicit ScratchItem(int pid) { Init_Hazmat(item(), pid); }
    ~ScratchItem() { Reset_Hazmat(item(), 0); }
    ScratchItem(const ScratchItem &) = delete;
    ScratchItem &operator=(const ScratchItem &) = delete;
    Hazmat *item() { return reinterpret_cast<Hazmat *>(storage_); }

private:
    alignas(std::max_align_t) unsigned char storage_[256];
};

} // namespace

std::vector<int> pidsOfId(const std::string &id)
{
    std::vector<int> pids;
    std::set<int> seen;
    for (int pid = SearchCT_HazData(id.c_str(), 2, 0); pid != 0; pid = SearchCT_HazData(id.c_str(), 2, pid)) {
        if (!seen.insert(pid).second)
            break;
        const CTRec *row = GetCTRec_HazData(pid);
        const char *rowId = row ? GetElement_CTRec(row, -1, 3, 0) : nullptr;
        if (rowId && id == rowId)
            pids.push_back(pid);
    }
    return pids;
}

std::vector<ShippingNameEntry> shippingNameEntries(const std::string &id)
{
    std::vector<ShippingNameEntry> entries;
    for (int pid : pidsOfId(id)) {
        const CTRec *row = GetCTRec_HazData(pid);
        const int names = GetNumElements_CTRec(row, -1, 14);
        for (int i = 0; i < names; ++i) {
            QString text = latin1(GetElement_CTRec(row, -1, 14, i));
            const QString desc = latin1(GetElement_CTRec(row, -1, 16, i));
            if (!desc.isEmpty())
                text += QStringLiteral(" (") + desc + QLatin1Char(')');
            entries.push_back({text, pid, i + 1});
        }
    }
    return entries;
}

TAddItem::TAddItem(Hazmat *given, bool fromSearch, const AddItemContext &context, QWidget *parent)
    : QDialog(parent), given_(given), ctx_(context), fromSearch_(fromSearch)
{
    static_assert(sizeof(workStorage_) == 256);
    Q_ASSERT(GetSizeOf_Hazmat() <= static_cast<int>(sizeof(workStorage_)));
    Init_Hazmat(work(), 0);
    setObjectName(QStringLiteral("AddItem"));
    setWindowTitle(QStringLiteral("New Load Item..."));
    buildForm();

    // Opening.
    clearDialog();
    const char *id = GetID_Hazmat(given_);
    if (id && std::strlen(id) == 6) {
        Copy_Hazmat(work(), given_);
        edit_ = true;
        EdtIDNumber->setText(latin1(id));   // runs the ID entry in edit mode
        if (chosen_ && (GetWeight_Hazmat(given_, GetWeightUnit_Hazmat(given_)) != 0 ||
                        IsBulkPackaging_Hazmat(given_) || IsExceptedQuantity_Hazmat(given_))) {
            setWindowTitle(QStringLiteral("Edit Load Item..."));
            loadRemainingFields();
        }
        edit_ = false;
        if (!ChkBoxExceptedQty->isChecked())
            EdtWeight->setFocus();
    }
}

TAddItem::~TAddItem() { Reset_Hazmat(work(), 0); }

Hazmat *TAddItem::work() { return reinterpret_cast<Hazmat *>(workStorage_); }
const Hazmat *TAddItem::workItem() const { return reinterpret_cast<const Hazmat *>(workStorage_); }

void TAddItem::buildForm()
{
    auto *top = new QVBoxLayout(this);

    auto *basic = new QGroupBox(QStringLiteral("Basic Description"), this);
    auto *bg = new QGridLayout(basic);
    bg->addWidget(new QLabel(QStringLiteral("Shipping Name"), basic), 0, 0);
    ComboBoxPSN = new QComboBox(basic);
    ComboBoxPSN->setObjectName(QStringLiteral("ComboBoxPSN"));
    ComboBoxPSN->setMaxVisibleItems(10);
    EdtPSN = new QLineEdit(basic);
    EdtPSN->setObjectName(QStringLiteral("EdtPSN"));
    EdtPSN->setReadOnly(true);
    auto *psnRow = new QHBoxLayout;
    psnRow->addWidget(ComboBoxPSN, 1);
    psnRow->addWidget(EdtPSN, 1);
    bg->addLayout(psnRow, 0, 1, 1, 3);
    bg->addWidget(new QLabel(QStringLiteral("Hazard Class"), basic), 1, 0);
    EdtHazardClass = new QLineEdit(basic);
    EdtHazardClass->setReadOnly(true);
    bg->addWidget(EdtHazardClass, 1, 1);
    bg->addWidget(new QLabel(QStringLiteral("Subsidiary Hazard Class"), basic), 1, 2);
    EdtSubHazClass = new QLineEdit(basic);
    EdtSubHazClass->setReadOnly(true);
    bg->addWidget(EdtSubHazClass, 1, 3);
    bg->addWidget(new QLabel(QStringLiteral("ID Number"), basic), 2, 0);
    EdtIDNumber = new QLineEdit(basic);
    EdtIDNumber->setObjectName(QStringLiteral("EdtIDNumber"));
    EdtIDNumber->setMaxLength(6);
    bg->addWidget(EdtIDNumber, 2, 1);
    bg->addWidget(new QLabel(QStringLiteral("Packing Group"), basic), 2, 2);
    ComboBoxPackingGroup = new QComboBox(basic);
    EdtPackingGroup = new QLineEdit(basic);
    EdtPackingGroup->setReadOnly(true);
    auto *pgRow = new QHBoxLayout;
    pgRow->addWidget(ComboBoxPackingGroup, 1);
    pgRow->addWidget(EdtPackingGroup, 1);
    bg->addLayout(pgRow, 2, 3);
    top->addWidget(basic);

    auto *more = new QGroupBox(QStringLiteral("Additional Descriptions"), this);
    auto *mg = new QGridLayout(more);
    mg->addWidget(new QLabel(QStringLiteral("Weight"), more), 0, 0);
    EdtWeight = new QLineEdit(more);
    EdtWeight->setObjectName(QStringLiteral("EdtWeight"));
    EdtWeight->setMaxLength(7);
    EdtWeight->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), EdtWeight));
    ComboWtUnits = new QComboBox(more);
    ComboWtUnits->addItems({QStringLiteral("lbs."), QStringLiteral("kgs.")});
    auto *wRow = new QHBoxLayout;
    wRow->addWidget(EdtWeight);
    wRow->addWidget(ComboWtUnits);
    wRow->addWidget(new QLabel(QStringLiteral("(Not required when bulk.)"), more));
    mg->addLayout(wRow, 0, 1, 1, 3);
    mg->addWidget(new QLabel(QStringLiteral("PIH Info"), more), 1, 0);
    EdtPIH = new QLineEdit(more);
    EdtPIH->setReadOnly(true);
    ComboBoxHazZone = new QComboBox(more);
    auto *zRow = new QHBoxLayout;
    zRow->addWidget(EdtPIH, 1);
    zRow->addWidget(ComboBoxHazZone, 1);
    mg->addLayout(zRow, 1, 1, 1, 3);
    lblTI = new QLabel(QStringLiteral("Transport Index"), more);
    mg->addWidget(lblTI, 2, 0);
    const auto *tenthsValidator = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), this);
    EdtTI = new QLineEdit(more);
    EdtTI->setMaxLength(5);
    EdtTI->setValidator(tenthsValidator);
    mg->addWidget(EdtTI, 2, 1);
    lblCSI = new QLabel(QStringLiteral("CSI"), more);
    mg->addWidget(lblCSI, 2, 2);
    EdtCSI = new QLineEdit(more);
    EdtCSI->setMaxLength(4);
    EdtCSI->setValidator(tenthsValidator);
    mg->addWidget(EdtCSI, 2, 3);
    auto box = [&](const char *caption, const char *name, int r, int c) {
        auto *b = new QCheckBox(QString::fromLatin1(caption), more);
        b->setObjectName(QString::fromLatin1(name));
        mg->addWidget(b, r, c);
        connect(b, &QCheckBox::clicked, this, [this, b](bool on) { boxClicked(b, on); });
        return b;
    };
    ChkBoxLimitedQty = box("&Limited Quantity", "ChkBoxLimitedQty", 3, 0);
    ChkBoxBulk = box("&Bulk Package", "ChkBoxBulk", 3, 1);
    ChkBoxHazSub = box("Hazardous &Substance", "ChkBoxHazSub", 3, 2);
    ChkBoxElevateTemp = box("&Elevated Temperature", "ChkBoxElevateTemp", 4, 0);
    ChkBoxHazWaste = box("&Hazardous Waste", "ChkBoxHazWaste", 4, 1);
    ChkBoxMarPol = box("&Marine Pollutant", "ChkBoxMarPol", 4, 2);
    ChkBoxResidue = box("&Residue", "ChkBoxResidue", 5, 0);
    ChkBoxReverseLogistics = box("Reverse &Logistics", "ChkBoxReverseLogistics", 5, 1);
    ChkBoxExceptedQty = box("Excepted &Quantity", "ChkBoxExceptedQty", 5, 2);
    top->addWidget(more);

    lblQuestionCount = new QLabel(QStringLiteral("Specific Questions: 0"), this);
    top->addWidget(lblQuestionCount);
    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    auto *area = new QWidget(scroll);
    auto *av = new QVBoxLayout(area);
    for (int i = 0; i < QuestionSlots::kSlots; ++i) {
        QuestionPanel &p = pnlQuestion[i];
        p.panel = new QWidget(area);
        p.panel->setObjectName(QStringLiteral("pnlQuestion") + QString::number(i + 1));
        auto *pl = new QGridLayout(p.panel);
        p.text = new QLabel(p.panel);
        p.text->setWordWrap(true);
        pl->addWidget(p.text, 0, 0, 1, 4);
        p.link1 = new QLabel(p.panel);
        p.link1a = new QLabel(p.panel);
        for (QLabel *l : {p.link1, p.link1a}) {
            l->setTextFormat(Qt::RichText);
            connect(l, &QLabel::linkActivated, this, &TAddItem::openLink);
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
    BtnOK = new QPushButton(QStringLiteral("OK"), this);
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnOK->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto *help = new QPushButton(QStringLiteral("Help"), this);
    buttons->addWidget(BtnOK);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    top->addLayout(buttons);

    connect(EdtIDNumber, &QLineEdit::textChanged, this, [this] {
        const QString upper = EdtIDNumber->text().toUpper();
        if (upper != EdtIDNumber->text()) {
            EdtIDNumber->setText(upper);   // runs the ID entry again
            return;
        }
        EdtIDNumberChange();
    });
    // The lists choose on Enter or a click (activated), not on arrow keys.
    connect(ComboBoxPSN, &QComboBox::activated, this, &TAddItem::choosePSN);
    connect(ComboBoxPackingGroup, &QComboBox::activated, this, [this](int i) {
        if (i >= 0 && i < static_cast<int>(pgSlots_.size()))
            choosePackingGroup(pgSlots_[static_cast<size_t>(i)]);
    });
    connect(ComboBoxHazZone, &QComboBox::currentIndexChanged, this, &TAddItem::chooseZone);
    connect(EdtWeight, &QLineEdit::textEdited, this, &TAddItem::weightEdited);
    connect(EdtTI, &QLineEdit::editingFinished, this, [this] { normaliseTenths(EdtTI); });
    connect(EdtCSI, &QLineEdit::editingFinished, this, [this] { normaliseTenths(EdtCSI); });
    connect(BtnOK, &QPushButton::clicked, this, &TAddItem::BtnOKClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &TAddItem::BtnHelpClick);
}

void TAddItem::clearNameFields()
{
    chosen_ = false;
    entries_.clear();
    pgSlots_.clear();
    ComboBoxPSN->clear();
    ComboBoxPSN->setVisible(false);
    EdtPSN->clear();
    EdtPSN->setVisible(true);
    EdtHazardClass->clear();
    EdtSubHazClass->clear();
    ComboBoxPackingGroup->clear();
    ComboBoxPackingGroup->setVisible(false);
    EdtPackingGroup->clear();
    EdtPackingGroup->setVisible(true);
    for (QWidget *w : std::initializer_list<QWidget *>{ComboBoxPSN, EdtPSN, EdtHazardClass, EdtSubHazClass,
                                                       ComboBoxPackingGroup, EdtPackingGroup})
        w->setEnabled(false);
    BtnOK->setEnabled(false);   // nothing is chosen until a shipping name and packing group are
}

void TAddItem::clearDialog()
{
    clearNameFields();
    zoneChooser_ = zoneNone_ = false;
    EdtWeight->clear();
    EdtWeight->setEnabled(false);
    ComboWtUnits->setCurrentIndex(0);
    ComboWtUnits->setEnabled(false);
    EdtPIH->clear();
    EdtPIH->setVisible(true);
    {
        const QSignalBlocker block(ComboBoxHazZone);
        ComboBoxHazZone->clear();
    }
    ComboBoxHazZone->setVisible(false);
    for (QWidget *w : std::initializer_list<QWidget *>{lblTI, EdtTI, lblCSI, EdtCSI})
        w->setVisible(false);
    EdtTI->clear();
    EdtCSI->clear();
    for (QCheckBox *b : {ChkBoxLimitedQty, ChkBoxBulk, ChkBoxHazSub, ChkBoxElevateTemp, ChkBoxHazWaste, ChkBoxMarPol,
                         ChkBoxResidue, ChkBoxReverseLogistics, ChkBoxExceptedQty}) {
        b->setChecked(false);
        b->setEnabled(false);
    }
    slots_.clear();
    refreshQuestions();
    BtnOK->setEnabled(false);
}

void TAddItem::EdtIDNumberChange()
{
    const QString text = EdtIDNumber->text();
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
        for (int i = 0; i < 3; ++i)
            exists[i] = !pidsOfId(forms[i].toStdString()).empty();
        if (exists[0] && exists[1] && exists[2]) {
            prompts.error(QStringLiteral("Please type UN") + n + QStringLiteral(" or NA") + n + QStringLiteral(" or ID") +
                          n + QStringLiteral("."));
            clearNameFields();
            return;
        }
        for (int i = 0; i < 3; ++i)
            if (exists[i]) {
                EdtIDNumber->setText(forms[i]);
                return;
            }
        char *info = GetIDInfo_HazData(n.toLatin1().constData());
        const QString why = latin1(info);
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
        const QString why = latin1(info);
        qv_free(info);
        prompts.information(!why.isEmpty() ? why : text + QStringLiteral(" is not a recognized ID number."));
        return;
    }
    if (entries_.size() == 1) {
        EdtPSN->setText(entries_[0].text);
        EdtPSN->setEnabled(true);
        choosePSN(0);
        return;
    }
    EdtPSN->setVisible(false);
    ComboBoxPSN->setVisible(true);
    ComboBoxPSN->setEnabled(true);
    for (const auto &e : entries_)
        ComboBoxPSN->addItem(e.text);
    ComboBoxPSN->setCurrentIndex(-1);
    if (edit_) {
        const int pid = GetPID_Hazmat(given_), index = GetRomanIndex_Hazmat(given_);
        for (size_t i = 0; index != 0 && i < entries_.size(); ++i)
            if (entries_[i].pid == pid && entries_[i].nameIndex == index) {
                ComboBoxPSN->setCurrentIndex(static_cast<int>(i));
                choosePSN(static_cast<int>(i));
                return;
            }
    }
    if (isVisible())
        ComboBoxPSN->showPopup();
}

void TAddItem::choosePSN(int index)
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
        for (QCheckBox *b : {ChkBoxLimitedQty, ChkBoxBulk, ChkBoxHazSub, ChkBoxElevateTemp, ChkBoxHazWaste,
                             ChkBoxMarPol, ChkBoxResidue, ChkBoxReverseLogistics, ChkBoxExceptedQty})
            b->setChecked(false);
    }
    if (!ComboBoxPSN->isHidden() && ComboBoxPSN->currentIndex() != index)
        ComboBoxPSN->setCurrentIndex(index);
    EdtHazardClass->setEnabled(true);
    EdtSubHazClass->setEnabled(true);
    showClassText();

    pgSlots_.clear();
    ComboBoxPackingGroup->clear();
    if (HasPackingGroup_Hazmat(work(), 0)) {
        choosePackingGroup(0);
        return;
    }
    for (int s = 1; s <= 3; ++s)
        if (HasPackingGroup_Hazmat(work(), s))
            pgSlots_.push_back(s);
    if (pgSlots_.size() == 1) {
        EdtPackingGroup->setText(QString::fromLatin1(kPackingGroupNames[pgSlots_[0]]));
        EdtPackingGroup->setEnabled(true);
        choosePackingGroup(pgSlots_[0]);
        return;
    }
    EdtPackingGroup->setVisible(false);
    ComboBoxPackingGroup->setVisible(true);
    ComboBoxPackingGroup->setEnabled(true);
    for (int s : pgSlots_)
        ComboBoxPackingGroup->addItem(QString::fromLatin1(kPackingGroupNames[s]));
    ComboBoxPackingGroup->setCurrentIndex(-1);
    if (edit_) {
        const int pg = GetPackingGroup_Hazmat(given_);
        for (size_t i = 0; i < pgSlots_.size(); ++i)
            if (pgSlots_[i] == pg) {
                ComboBoxPackingGroup->setCurrentIndex(static_cast<int>(i));
                choosePackingGroup(pg);
                return;
            }
    }
    if (isVisible())
        ComboBoxPackingGroup->showPopup();
}

void TAddItem::showClassText()
{
    EdtHazardClass->setText(latin1(GetHazDivString_Hazmat(work(), 0)) + QStringLiteral(" (") +
                            latin1(GetHazDivDesc_Hazmat(work(), 0)) + QLatin1Char(')'));
    QStringList subs;
    for (int i = 1; i < GetNumHazDivs_Hazmat(work()); ++i)
        subs << latin1(GetHazDivString_Hazmat(work(), i));
    EdtSubHazClass->setText(subs.join(QStringLiteral(", ")));
}

void TAddItem::choosePackingGroup(int slot)
{
    if (!SetPackingGroup_Hazmat(work(), slot))
        return;
    if (!ComboBoxPackingGroup->isHidden()) {
        for (size_t i = 0; i < pgSlots_.size(); ++i)
            if (pgSlots_[i] == slot && ComboBoxPackingGroup->currentIndex() != static_cast<int>(i))
                ComboBoxPackingGroup->setCurrentIndex(static_cast<int>(i));
    }
    chosen_ = true;
    const QString primary = latin1(GetHazDivString_Hazmat(work(), 0));

    // 1. Radioactive material: transport index, and the criticality safety
    //    index of fissile material (172.203(d)).
    const bool radioactive = primary == QLatin1String("7");
    lblTI->setVisible(radioactive);
    EdtTI->setVisible(radioactive);
    EdtTI->setText(radioactive ? QStringLiteral("0.0") : QString());
    const bool csi = radioactive && NeedsCSI_Hazmat(work());
    lblCSI->setVisible(csi);
    EdtCSI->setVisible(csi);
    lblTI->setText(csi ? QStringLiteral("TI") : QStringLiteral("Transport Index"));

    // 2. Hazard zone of a material poisonous by inhalation (173.116, 173.133).
    {
        ScratchItem scratch(GetPID_Hazmat(work()));
        SetPackingGroup_Hazmat(scratch.item(), slot);
        const char zone = GetHazardZone_Hazmat(scratch.item());
        const QSignalBlocker block(ComboBoxHazZone);
        ComboBoxHazZone->clear();
        zoneChooser_ = zone == '?' || zone == '*';
        zoneNone_ = zone == '*';
        if (zoneChooser_) {
            for (const char *z : kZoneNames)
                ComboBoxHazZone->addItem(QString::fromLatin1(z));
            if (zoneNone_)
                ComboBoxHazZone->addItem(QStringLiteral("Not A PIH"));
            ComboBoxHazZone->setCurrentIndex(-1);
            EdtPIH->setVisible(false);
            ComboBoxHazZone->setVisible(true);
            ComboBoxHazZone->setEnabled(true);
        } else {
            EdtPIH->setText(zone ? QStringLiteral("This hazmat is a PIH, Hazard Zone ") + QChar::fromLatin1(zone)
                                 : QStringLiteral("This hazmat is not a Poison Inhalation Hazard."));
            EdtPIH->setVisible(true);
            ComboBoxHazZone->setVisible(false);
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
    EdtWeight->setEnabled(!ChkBoxExceptedQty->isChecked());
    ComboWtUnits->setEnabled(true);
    updateBoxes();
    updateOK();

    // 5. Focus.
    if (zoneChooser_ && isVisible() && !edit_)
        ComboBoxHazZone->showPopup();
    else
        EdtWeight->setFocus();
}

void TAddItem::chooseZone(int index)
{
    if (!zoneChooser_ || index < 0)
        return;
    SetHazardZone_Hazmat(work(), index < 4 ? static_cast<char>('A' + index) : '\0');
    testQuestion30();
}

void TAddItem::testQuestion30()
{
    if (offersQuestion30(work()))
        offer(30);
    else
        removeQuestion(30);
}

BoxStates TAddItem::boxes() const
{
    BoxStates b;
    b.bulk = ChkBoxBulk->isChecked();
    b.hazardousWaste = ChkBoxHazWaste->isChecked();
    b.elevatedTemperature = ChkBoxElevateTemp->isChecked();
    b.marinePollutant = ChkBoxMarPol->isChecked();
    return b;
}

void TAddItem::offer(int question)
{
    if (slots_.offer(question))
        refreshQuestions();
}

void TAddItem::removeQuestion(int question)
{
    if (slots_.remove(question))
        refreshQuestions();
}

void TAddItem::refreshQuestions()
{
    lblQuestionCount->setText(QStringLiteral("Specific Questions: ") + QString::number(slots_.count()));
    for (int i = 0; i < QuestionSlots::kSlots; ++i) {
        QuestionPanel &p = pnlQuestion[i];
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

void TAddItem::answerQuestion(int question, bool yes)
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
        if (yes && ChkBoxBulk->isChecked() && offersQuestion20(work(), boxes()))
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
        const bool csi = !EdtTI->isHidden() && NeedsCSI_Hazmat(work());
        lblCSI->setVisible(csi);
        EdtCSI->setVisible(csi);
        lblTI->setText(csi ? QStringLiteral("TI") : QStringLiteral("Transport Index"));
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

void TAddItem::updateBoxes()
{
    const Hazmat *item = work();
    const bool ltd = ChkBoxLimitedQty->isChecked(), bulk = ChkBoxBulk->isChecked(),
               eq = ChkBoxExceptedQty->isChecked();
    ChkBoxLimitedQty->setEnabled(chosen_ && !bulk && !eq && !ChkBoxResidue->isChecked() &&
                                 IsLimitedQuantityAllowed_Hazmat(item));
    ChkBoxBulk->setEnabled(chosen_ && !ltd && !eq && IsBulkPackagingAllowed_Hazmat(item));
    ChkBoxExceptedQty->setEnabled(chosen_ && !ltd && !bulk && IsExceptedQuantityAllowed_Hazmat(item));
    const bool rl = ltd && !ChkBoxHazWaste->isChecked() && IsReverseLogisticsAllowed_Hazmat(item);
    ChkBoxReverseLogistics->setEnabled(rl);
    if (!rl && ChkBoxReverseLogistics->isChecked()) {
        ChkBoxReverseLogistics->setChecked(false);
        SetReverseLogistics_Hazmat(work(), 0);
    }
    ChkBoxHazSub->setEnabled(chosen_ && IsHazardousSubstanceAllowed_Hazmat(item));
    ChkBoxHazWaste->setEnabled(chosen_ && IsHazardousWasteAllowed_Hazmat(item));
    ChkBoxResidue->setEnabled(chosen_ && IsResidueAllowed_Hazmat(item));
    if (chosen_ && IsElevatedTemperatureLocked_Hazmat(item)) {
        SetElevatedTemperature_Hazmat(work(), -1);
        ChkBoxElevateTemp->setChecked(true);
        ChkBoxElevateTemp->setEnabled(false);
    } else {
        ChkBoxElevateTemp->setEnabled(chosen_ && IsElevatedTemperatureAllowed_Hazmat(item));
    }
    if (chosen_ && IsMarinePollutantLocked_Hazmat(item)) {
        SetMarinePollutant_Hazmat(work(), -1);
        ChkBoxMarPol->setChecked(true);
        ChkBoxMarPol->setEnabled(false);
        offer(27);
    } else {
        ChkBoxMarPol->setEnabled(chosen_);
    }
}

void TAddItem::boxClicked(QCheckBox *box, bool on)
{
    const int v = on ? -1 : 0;
    if (box == ChkBoxLimitedQty) {
        SetLimitedQuantity_Hazmat(work(), v);
    } else if (box == ChkBoxBulk) {
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
    } else if (box == ChkBoxExceptedQty) {
        SetExceptedQuantity_Hazmat(work(), v);
        if (on)
            EdtWeight->clear();
        EdtWeight->setEnabled(!on);
    } else if (box == ChkBoxReverseLogistics) {
        SetReverseLogistics_Hazmat(work(), v);
    } else if (box == ChkBoxHazWaste) {
        SetHazardousWaste_Hazmat(work(), v);
        if (on && offersQuestion25(work(), boxes())) {
            offer(25);
        } else if (!on) {
            removeQuestion(25);
            SetLabPackExemption_Hazmat(work(), 0);
        }
    } else if (box == ChkBoxMarPol) {
        SetMarinePollutant_Hazmat(work(), v);
        if (on) {
            offer(27);
        } else {
            removeQuestion(27);
            SetMarinePollutantExemption_Hazmat(work(), 0);
        }
    } else if (box == ChkBoxElevateTemp) {
        SetElevatedTemperature_Hazmat(work(), v);
        if (on) {
            removeQuestion(3);
            removeQuestion(20);
            ReclassifyToCombustible_Hazmat(work(), 0);
            showClassText();
        } else {
            if (IsCombustibleAllowed_Hazmat(work()))
                offer(3);
            if (ChkBoxBulk->isChecked() && EdtHazardClass->text() == QLatin1String("COMB (Combustible)"))
                offer(20);
        }
    } else if (box == ChkBoxHazSub) {
        SetHazardousSubstance_Hazmat(work(), v);
    } else if (box == ChkBoxResidue) {
        SetResidue_Hazmat(work(), v);
    }
    updateBoxes();
    updateOK();
}

void TAddItem::weightEdited()
{
    if (!EdtWeight->text().isEmpty() && !wholeWeight(EdtWeight->text()))
        EdtWeight->clear();
    updateOK();
}

void TAddItem::updateOK()
{
    const auto w = wholeWeight(EdtWeight->text());
    BtnOK->setEnabled(chosen_ &&
                      (ChkBoxBulk->isChecked() || ChkBoxExceptedQty->isChecked() || (w && *w > 0)));
}

void TAddItem::normaliseTenths(QLineEdit *field)
{
    field->setText(tenthsText(tenthsFromText(field->text())));
}

void TAddItem::loadRemainingFields()
{
    const Hazmat *g = given_;
    const int unit = GetWeightUnit_Hazmat(g) ? 1 : 0;
    const uint32_t weight = GetWeight_Hazmat(g, unit);
    EdtWeight->setText(weight ? QString::number(weight) : QString());
    ComboWtUnits->setCurrentIndex(unit);
    if (!EdtTI->isHidden())
        EdtTI->setText(tenthsText(GetTransportIndex_Hazmat(g)));
    if (!EdtCSI->isHidden())
        EdtCSI->setText(tenthsText(GetCSI_Hazmat(g)));
    if (zoneChooser_) {
        const char zone = GetHazardZone_Hazmat(g);
        const QSignalBlocker block(ComboBoxHazZone);
        if (zone >= 'A' && zone <= 'D')
            ComboBoxHazZone->setCurrentIndex(zone - 'A');
        else if (zoneNone_ && !GetPIH_Hazmat(g))
            ComboBoxHazZone->setCurrentIndex(4);
    }
    // The boxes, in an order that lets each pass its enabling rule.
    const struct {
        QCheckBox *box;
        int (*is)(const Hazmat *);
    } qualifiers[] = {
        {ChkBoxResidue, IsResidue_Hazmat},         {ChkBoxLimitedQty, IsLimitedQuantity_Hazmat},
        {ChkBoxBulk, IsBulkPackaging_Hazmat},      {ChkBoxExceptedQty, IsExceptedQuantity_Hazmat},
        {ChkBoxHazSub, IsHazardousSubstance_Hazmat}, {ChkBoxHazWaste, IsHazardousWaste_Hazmat},
        {ChkBoxElevateTemp, IsElevatedTemperature_Hazmat}, {ChkBoxMarPol, IsMarinePollutant_Hazmat},
        {ChkBoxReverseLogistics, IsReverseLogistics_Hazmat},
    };
    for (const auto &q : qualifiers) {
        updateBoxes();
        if (q.is(g) && q.box->isEnabled() && !q.box->isChecked()) {
            q.box->setChecked(true);
            if (q.box == ChkBoxBulk && offersQuestion20(g, boxes()))
                slots_.offer(20);
            if (q.box == ChkBoxHazWaste && offersQuestion25(g, boxes()))
                slots_.offer(25);
            if (q.box == ChkBoxMarPol)
                slots_.offer(27);
        }
    }
    if (ChkBoxExceptedQty->isChecked()) {
        EdtWeight->clear();
        EdtWeight->setEnabled(false);
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

void TAddItem::BtnOKClick()
{
    Prompts &prompts = *ctx_.prompts;
    if (!chosen_)
        return;
    if (zoneChooser_ && ComboBoxHazZone->currentIndex() < 0) {
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
        const int z = ComboBoxHazZone->currentIndex();
        SetHazardZone_Hazmat(g, z < 4 ? static_cast<char>('A' + z) : '\0');
    }
    for (int i = 0; i < slots_.count(); ++i)
        applyAnswer(g, ctx_.load, slots_.question(i), slots_.answer(i) == QuestionSlots::Answer::Yes);
    SetExemption_Hazmat(g, 33, 0);
    SetBulkPackaging_Hazmat(g, 0);
    SetLimitedQuantity_Hazmat(g, 0);
    SetExceptedQuantity_Hazmat(g, 0);
    SetWeightUnit_Hazmat(g, ComboWtUnits->currentIndex() == 1 ? 1 : 0);
    SetWeight_Hazmat(g, wholeWeight(EdtWeight->text()).value_or(0));
    // In this order, so the engine's rules on combining them apply.
    SetLimitedQuantity_Hazmat(g, ChkBoxLimitedQty->isChecked() ? -1 : 0);
    SetBulkPackaging_Hazmat(g, ChkBoxBulk->isChecked() ? -1 : 0);
    SetExceptedQuantity_Hazmat(g, ChkBoxExceptedQty->isChecked() ? -1 : 0);
    SetReverseLogistics_Hazmat(g, ChkBoxReverseLogistics->isChecked() ? -1 : 0);
    SetResidue_Hazmat(g, ChkBoxResidue->isChecked() ? -1 : 0);
    SetMarinePollutant_Hazmat(g, ChkBoxMarPol->isChecked() ? -1 : 0);
    SetMarinePollutantExemption_Hazmat(g, slots_.answerOf(27) == QuestionSlots::Answer::Yes ? -1 : 0);
    SetHazardousSubstance_Hazmat(g, ChkBoxHazSub->isChecked() ? -1 : 0);
    SetElevatedTemperature_Hazmat(g, ChkBoxElevateTemp->isChecked() ? -1 : 0);
    SetHazardousWaste_Hazmat(g, ChkBoxHazWaste->isChecked() ? -1 : 0);
    SetExemption_Hazmat(g, 16, slots_.answerOf(20) == QuestionSlots::Answer::Yes ? -1 : 0);
    SetTransportIndex_Hazmat(g, !EdtTI->isHidden() ? tenthsFromText(EdtTI->text()) : 0);
    SetCSI_Hazmat(g, !EdtCSI->isHidden() ? tenthsFromText(EdtCSI->text()) : 0);
    accept();
}

void TAddItem::BtnHelpClick()
{
    if (!ctx_.openHelpPage || !ctx_.openHelpPage(QStringLiteral("common_dialog_item_editor.htm")))
        ctx_.prompts->error(QStringLiteral("Unable to open the help file."));
}

void TAddItem::openLink(const QString &link)
{
    if (isRegulationLink(link)) {
        if (ctx_.openRegulation)
            ctx_.openRegulation(regulationKey(link));
    } else if (ctx_.openDocument) {
        ctx_.openDocument(link);
    }
}

} // namespace velmora
