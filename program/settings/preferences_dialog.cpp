#include "settings/preferences_dialog.h"

#include "settings/do_not_ship.h"
#include "settings/password_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace velmora {

namespace {

const char *const kDefaultMessage =
    "I have received this document from the Velmora Commercial software with instructions for required "
    "placards, markings and segregations.";

QString qs(const std::string &s) { return QString::fromStdString(s); }

// "#" and "ID Number" both sort as text, without regard to case.
class DoNotShipRow : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem &other) const override
    {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        return text(column).compare(other.text(column), Qt::CaseInsensitive) < 0;
    }
};

} // namespace

PreferencesDialog::PreferencesDialog(const Settings &settings, const std::vector<std::string> &doNotShip,
                               PreferencesContext context, QWidget *parent)
    : QDialog(parent), settings_(settings), context_(std::move(context)), dnsWorking_(doNotShip)
{
    setWindowTitle(QStringLiteral("Preferences"));
    setObjectName(QStringLiteral("PreferencesDialog"));
    if (!context_.askPassword) {
        const std::string password = context_.doNotShipPassword;
        context_.askPassword = [password](QWidget *p) { return PasswordDialog(password, p).exec() == QDialog::Accepted; };
    }
    if (!context_.chooseFolder) {
        context_.chooseFolder = [](QWidget *p, const QString &start) {
            return QFileDialog::getExistingDirectory(p, QStringLiteral("Select A Folder"), start);
        };
    }

    auto *layout = new QVBoxLayout(this);
    tabs = new QTabWidget(this);
    tabs->addTab(buildGeneralTab(), QStringLiteral("General"));
    tabs->addTab(buildAuditorsTab(), QStringLiteral("Auditors"));
    tabs->addTab(buildCertificationTab(), QStringLiteral("Certification"));
    tabs->addTab(buildDoNotShipTab(), QStringLiteral("Do Not Ship"));
    tabs->setCurrentIndex(0);
    layout->addWidget(tabs);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &PreferencesDialog::acceptIfValid);
    connect(buttons, &QDialogButtonBox::rejected, this, &PreferencesDialog::cancel);
    connect(tabs, &QTabWidget::currentChanged, this, &PreferencesDialog::tabChanged);
    updateEnabling();
}

QWidget *PreferencesDialog::buildGeneralTab()
{
    auto *page = new QWidget;
    auto *v = new QVBoxLayout(page);

    auto *placarding = new QGroupBox(QStringLiteral("Placarding Options"), page);
    auto *pl = new QVBoxLayout(placarding);
    dangerousFirstCheck = new QCheckBox(QStringLiteral("Show Dangerous placarding option first"), placarding);
    dangerousFirstCheck->setChecked(settings_.enableDangerousFirst);
    bulkPlacardsCheck = new QCheckBox(QStringLiteral("Display ID markings on placards"), placarding);
    bulkPlacardsCheck->setChecked(settings_.enableBulk);
    defaultPrintAllCheck =
        new QCheckBox(QStringLiteral("Use \"Print All Placarding Options\" as default"), placarding);
    defaultPrintAllCheck->setChecked(settings_.defaultPrintAll);
    pl->addWidget(dangerousFirstCheck);
    pl->addWidget(bulkPlacardsCheck);
    pl->addWidget(defaultPrintAllCheck);
    v->addWidget(placarding);

    auto *save = new QGroupBox(QStringLiteral("Save Options"), page);
    auto *sl = new QGridLayout(save);
    sl->addWidget(new QLabel(QStringLiteral("Directories:"), save), 0, 0, 1, 3);
    auto addFolderRow = [&](int row, const char *caption, const std::string &value, QLineEdit *&field,
                            QPushButton *&browse) {
        sl->addWidget(new QLabel(QString::fromLatin1(caption), save), row, 0);
        field = new QLineEdit(qs(value), save);
        sl->addWidget(field, row, 1);
        browse = new QPushButton(QStringLiteral("Browse..."), save);
        sl->addWidget(browse, row, 2);
        QLineEdit *f = field;
        connect(browse, &QPushButton::clicked, this, [this, f] {
            const QString chosen = context_.chooseFolder(this, f->text());
            if (!chosen.isEmpty())
                f->setText(QDir::toNativeSeparators(chosen));
        });
        field->setEnabled(settings_.enablePathEdit);
        browse->setEnabled(settings_.enablePathEdit);
    };
    addFolderRow(1, "Saved Loads:", settings_.savePath, savePathEdit, browseSaveButton);
    addFolderRow(2, "Custom Help Links:", settings_.menuItemsPath, menuItemsPathEdit, browseMenuButton);
    addFolderRow(3, "Do Not Ship:", settings_.dnsPath, doNotShipPathEdit, browseDoNotShipButton);
    savePromptCheck = new QCheckBox(QStringLiteral("Prompt save on exit"), save);
    savePromptCheck->setChecked(settings_.enableSavePrompt);
    defaultIdCheck = new QCheckBox(QStringLiteral("Use DateTime stamp as default Truck ID"), save);
    defaultIdCheck->setChecked(settings_.enableDefaultID);
    sl->addWidget(savePromptCheck, 4, 0, 1, 3);
    sl->addWidget(defaultIdCheck, 5, 0, 1, 3);
    v->addWidget(save);

    auto *view = new QGroupBox(QStringLiteral("Saved Loads Default View"), page);
    auto *vl = new QGridLayout(view);
    previewRadio = new QRadioButton(QStringLiteral("Preview"), view);
    reportRadio = new QRadioButton(QStringLiteral("Report"), view);
    (settings_.defaultViewStyle == 1 ? reportRadio : previewRadio)->setChecked(true);
    processLegalityCheck = new QCheckBox(QStringLiteral("Process legality of each saved load"), view);
    processLegalityCheck->setChecked(settings_.processLegality);
    vl->addWidget(previewRadio, 0, 0);
    vl->addWidget(reportRadio, 0, 1);
    vl->addWidget(processLegalityCheck, 1, 0, 1, 2);
    v->addWidget(view);
    v->addStretch();

    connect(processLegalityCheck, &QCheckBox::toggled, this, [this] {
        savedLoadsChanged_ = true;
        updateEnabling();
    });
    connect(previewRadio, &QRadioButton::toggled, this, [this] { savedLoadsChanged_ = true; });
    return page;
}

QWidget *PreferencesDialog::buildAuditorsTab()
{
    auto *page = new QWidget;
    auto *v = new QVBoxLayout(page);
    auto *group = new QGroupBox(QStringLiteral("Motor Cargo Tank Auditor"), page);
    auto *g = new QVBoxLayout(group);
    cargoTankWarningCheck = new QCheckBox(QStringLiteral("Warn about unanswered auditor questions"), group);
    cargoTankWarningCheck->setChecked(settings_.ctViolationWarning);
    defaultInspectionCheck = new QCheckBox(QStringLiteral("Always use default Inspector name"), group);
    defaultInspectionCheck->setChecked(settings_.enableDefaultInsp);
    inspectorNameEdit = new QLineEdit(qs(settings_.defaultInspName), group);
    g->addWidget(cargoTankWarningCheck);
    g->addWidget(defaultInspectionCheck);
    g->addWidget(new QLabel(QStringLiteral("Default Inspector name:"), group));
    g->addWidget(inspectorNameEdit);
    v->addWidget(group);
    v->addStretch();
    connect(defaultInspectionCheck, &QCheckBox::toggled, this, &PreferencesDialog::updateEnabling);
    return page;
}

QWidget *PreferencesDialog::buildCertificationTab()
{
    auto *page = new QWidget;
    auto *v = new QVBoxLayout(page);

    auto *print = new QGroupBox(QStringLiteral("Print Certification"), page);
    auto *pl = new QVBoxLayout(print);
    printCertificationCheck = new QCheckBox(QStringLiteral("Print Certification"), print);
    printCertificationCheck->setChecked(settings_.enablePrintCertification);
    pl->addWidget(printCertificationCheck);
    pl->addWidget(new QLabel(QStringLiteral("Driver acknowledgement of placarding instructions."), print));
    v->addWidget(print);

    auto *message = new QGroupBox(QStringLiteral("Message Display"), page);
    auto *ml = new QVBoxLayout(message);
    defaultMessageRadio = new QRadioButton(QStringLiteral("Default"), message);
    auto *defaultText = new QPlainTextEdit(QString::fromLatin1(kDefaultMessage), message);
    defaultText->setReadOnly(true);
    defaultText->setMaximumHeight(48);
    customMessageRadio = new QRadioButton(QStringLiteral("Custom"), message);
    customMessageEdit = new QPlainTextEdit(message);
    // Shown with real line breaks; stored with "||".
    customMessageEdit->setPlainText(qs(customMessageForDisplay(settings_.customMessage)).replace(
        QStringLiteral("\r\n"), QStringLiteral("\n")));
    customMessageEdit->setMaximumHeight(64);
    (settings_.enableCustomMessage ? customMessageRadio : defaultMessageRadio)->setChecked(true);
    ml->addWidget(defaultMessageRadio);
    ml->addWidget(defaultText);
    ml->addWidget(customMessageRadio);
    ml->addWidget(customMessageEdit);
    v->addWidget(message);

    auto *entries = new QGroupBox(QStringLiteral("Entry Item Display"), page);
    auto *el = new QGridLayout(entries);
    trailerCheck = new QCheckBox(QStringLiteral("Trailer"), entries);
    trailerCheck->setChecked(settings_.enableTrailer);
    driverSignatureCheck = new QCheckBox(QStringLiteral("Driver Signature"), entries);
    driverSignatureCheck->setChecked(settings_.enableDriverSig);
    supervisorSignatureCheck = new QCheckBox(QStringLiteral("Supervisor Signature"), entries);
    supervisorSignatureCheck->setChecked(settings_.enableSupervisorSig);
    customEntryCheck = new QCheckBox(QStringLiteral("Custom"), entries);
    customEntryCheck->setChecked(settings_.enableCustomEntryItem);
    customEntryEdit = new QLineEdit(qs(settings_.customEntryItem), entries);
    customEntryEdit->setMaxLength(60);
    el->addWidget(trailerCheck, 0, 0);
    el->addWidget(driverSignatureCheck, 0, 1);
    el->addWidget(supervisorSignatureCheck, 1, 0);
    el->addWidget(customEntryCheck, 2, 0);
    el->addWidget(customEntryEdit, 2, 1);
    v->addWidget(entries);
    v->addStretch();

    connect(customMessageRadio, &QRadioButton::toggled, this, &PreferencesDialog::updateEnabling);
    connect(customEntryCheck, &QCheckBox::toggled, this, &PreferencesDialog::updateEnabling);
    return page;
}

QWidget *PreferencesDialog::buildDoNotShipTab()
{
    auto *page = new QWidget;
    auto *v = new QVBoxLayout(page);
    auto *group = new QGroupBox(QStringLiteral("Do Not Ship Items"), page);
    auto *g = new QGridLayout(group);
    g->addWidget(new QLabel(QStringLiteral("ID Number:"), group), 0, 0);
    idNumberEdit = new QLineEdit(group);
    idNumberEdit->setObjectName(QStringLiteral("idNumberEdit"));
    connect(idNumberEdit, &QLineEdit::textEdited, this, [this](const QString &t) {
        if (t != t.toUpper()) {
            const int pos = idNumberEdit->cursorPosition();
            idNumberEdit->setText(t.toUpper());
            idNumberEdit->setCursorPosition(pos);
        }
    });
    g->addWidget(idNumberEdit, 0, 1);
    addButton = new QPushButton(QStringLiteral("Add"), group);
    deleteButton = new QPushButton(QStringLiteral("Delete"), group);
    deleteAllButton = new QPushButton(QStringLiteral("Delete All"), group);
    g->addWidget(addButton, 0, 2);
    g->addWidget(new QLabel(QStringLiteral("ID Number List:"), group), 1, 0, 1, 2);
    doNotShipTable = new QTreeWidget(group);
    doNotShipTable->setRootIsDecorated(false);
    doNotShipTable->setHeaderLabels({QStringLiteral("#"), QStringLiteral("ID Number")});
    doNotShipTable->setSelectionMode(QAbstractItemView::SingleSelection);
    g->addWidget(doNotShipTable, 2, 0, 3, 2);
    g->addWidget(deleteButton, 2, 2);
    g->addWidget(deleteAllButton, 3, 2);
    g->setRowStretch(4, 1);
    v->addWidget(group);

    idNumberEdit->setEnabled(false);
    addButton->setEnabled(false);
    doNotShipTable->setEnabled(false);
    deleteButton->setEnabled(false);
    deleteAllButton->setEnabled(false);

    connect(addButton, &QPushButton::clicked, this, &PreferencesDialog::addDoNotShipEntry);
    connect(deleteButton, &QPushButton::clicked, this, &PreferencesDialog::deleteDoNotShipEntries);
    connect(deleteAllButton, &QPushButton::clicked, this, &PreferencesDialog::deleteAllDoNotShipEntries);
    connect(doNotShipTable, &QTreeWidget::itemSelectionChanged, this,
            [this] { deleteButton->setEnabled(!doNotShipTable->selectedItems().isEmpty()); });
    connect(doNotShipTable->header(), &QHeaderView::sectionClicked, this, [this](int column) {
        dnsSortAscending_ = column == dnsSortColumn_ ? !dnsSortAscending_ : true;
        dnsSortColumn_ = column;
        doNotShipTable->sortItems(column, dnsSortAscending_ ? Qt::AscendingOrder : Qt::DescendingOrder);
    });
    return page;
}

void PreferencesDialog::updateEnabling()
{
    previewRadio->setEnabled(processLegalityCheck->isChecked());
    reportRadio->setEnabled(processLegalityCheck->isChecked());
    inspectorNameEdit->setReadOnly(!defaultInspectionCheck->isChecked());
    inspectorNameEdit->setEnabled(defaultInspectionCheck->isChecked());
    customMessageEdit->setReadOnly(!customMessageRadio->isChecked());
    customMessageEdit->setEnabled(customMessageRadio->isChecked());
    customEntryEdit->setReadOnly(!customEntryCheck->isChecked());
    customEntryEdit->setEnabled(customEntryCheck->isChecked());
}

void PreferencesDialog::fillDoNotShipTable()
{
    doNotShipTable->clear();
    int n = 0;
    for (const auto &id : dnsWorking_)
        new DoNotShipRow(doNotShipTable, {QString::number(++n), qs(id)});
    deleteAllButton->setEnabled(n > 0);
}

void PreferencesDialog::tabChanged(int index)
{
    if (index != 3)   // the "Do Not Ship" tab
        return;
    idNumberEdit->setEnabled(false);
    addButton->setEnabled(false);
    doNotShipTable->setEnabled(false);
    doNotShipTable->clear();
    deleteButton->setEnabled(false);
    deleteAllButton->setEnabled(false);
    if (!context_.askPassword(this))
        return;
    doNotShipTable->setEnabled(true);
    fillDoNotShipTable();
    idNumberEdit->setEnabled(true);
    addButton->setEnabled(true);
    idNumberEdit->setFocus();
}

void PreferencesDialog::addDoNotShipEntry()
{
    Prompts &prompts = *context_.prompts;
    const QString id = idNumberEdit->text().trimmed();
    if (id.isEmpty()) {
        prompts.error(QStringLiteral("Please enter an ID number."));
        return;
    }
    if (doNotShipFileReadOnly(context_.doNotShipFolder)) {
        prompts.error(QStringLiteral("The Do Not Ship file is Read-Only. Items cannot be added."));
        return;
    }
    const std::string idText = id.toStdString();
    if (!context_.library->idInfo(idText) &&
        prompts.show(PromptType::Error, id + QStringLiteral(" is not a recognized ID number. Add anyway?"),
                     PromptButtons::OkCancel) != PromptAnswer::Ok)
        return;
    if (std::find(dnsWorking_.begin(), dnsWorking_.end(), idText) != dnsWorking_.end() &&
        prompts.show(PromptType::Error, id + QStringLiteral(" already exists. Add anyway?"), PromptButtons::OkCancel) !=
            PromptAnswer::Ok)
        return;
    dnsWorking_.push_back(idText);
    new DoNotShipRow(doNotShipTable, {QString::number(doNotShipTable->topLevelItemCount() + 1), id});
    deleteAllButton->setEnabled(true);
    idNumberEdit->clear();
    idNumberEdit->setFocus();
    dnsEdited_ = true;
}

void PreferencesDialog::deleteDoNotShipEntries()
{
    const auto selected = doNotShipTable->selectedItems();
    if (selected.isEmpty())
        return;
    QTreeWidgetItem *row = selected.first();
    const std::string id = row->text(1).toStdString();
    const auto it = std::find(dnsWorking_.begin(), dnsWorking_.end(), id);
    if (it != dnsWorking_.end())
        dnsWorking_.erase(it);
    delete row;
    for (int i = 0; i < doNotShipTable->topLevelItemCount(); ++i)
        doNotShipTable->topLevelItem(i)->setText(0, QString::number(i + 1));
    dnsEdited_ = true;
    deleteButton->setEnabled(false);
    deleteAllButton->setEnabled(doNotShipTable->topLevelItemCount() > 0);
}

void PreferencesDialog::deleteAllDoNotShipEntries()
{
    dnsWorking_.clear();
    doNotShipTable->clear();
    deleteAllButton->setEnabled(false);
    deleteButton->setEnabled(false);
    dnsEdited_ = true;
}

void PreferencesDialog::storeFolder(QLineEdit *field, std::string &setting)
{
    const QString folder = field->text().trimmed();
    if (folder.isEmpty())
        return;
    if (QDir(folder).exists()) {
        setting = withTrailingSeparator(folder.toStdString());
        return;
    }
    context_.prompts->warning(QStringLiteral("The \"") + folder + QStringLiteral("\" directory doesn't exist."));
    field->clear();
}

void PreferencesDialog::acceptIfValid()
{
    Prompts &prompts = *context_.prompts;
    // 1-2: checks that keep the dialog open with nothing stored.
    if (customMessageRadio->isChecked() && customMessageEdit->toPlainText().isEmpty()) {
        prompts.warning(QStringLiteral("Please enter a Custom message"));
        tabs->setCurrentIndex(2);
        customMessageEdit->setFocus();
        return;
    }
    if (customEntryCheck->isChecked() && customEntryEdit->text().isEmpty()) {
        prompts.warning(QStringLiteral("Please enter a Custom Entry Item."));
        tabs->setCurrentIndex(2);
        customEntryEdit->setFocus();
        return;
    }
    Settings &s = settings_;
    // 3: certification.
    s.enableTrailer = trailerCheck->isChecked();
    s.enableDriverSig = driverSignatureCheck->isChecked();
    s.enableSupervisorSig = supervisorSignatureCheck->isChecked();
    s.enableCustomEntryItem = customEntryCheck->isChecked();
    s.customEntryItem = customEntryEdit->text().left(60).toStdString();
    s.enableDefaultMessage = defaultMessageRadio->isChecked();
    s.enableCustomMessage = customMessageRadio->isChecked();
    s.customMessage = customMessageForStorage(customMessageEdit->toPlainText().toStdString());
    // 4: the Do Not Ship list.
    if (dnsEdited_) {
        dnsStored_ = true;
        dnsEdited_ = false;
    }
    // 5: help links and Do Not Ship folders.
    storeFolder(menuItemsPathEdit, s.menuItemsPath);
    storeFolder(doNotShipPathEdit, s.dnsPath);
    // 6.
    s.enableBulk = bulkPlacardsCheck->isChecked();
    s.enableDangerousFirst = dangerousFirstCheck->isChecked();
    s.ctViolationWarning = cargoTankWarningCheck->isChecked();
    s.enableSavePrompt = savePromptCheck->isChecked();
    s.enableDefaultID = defaultIdCheck->isChecked();
    s.defaultPrintAll = defaultPrintAllCheck->isChecked();
    s.enableDefaultInsp = defaultInspectionCheck->isChecked();
    s.defaultInspName = inspectorNameEdit->text().toStdString();
    s.enablePrintCertification = printCertificationCheck->isChecked();
    // 7.
    processLegalityChanged_ = s.processLegality != processLegalityCheck->isChecked();
    s.processLegality = processLegalityCheck->isChecked();
    // 8-9.
    storeFolder(savePathEdit, s.savePath);
    s.defaultViewStyle = previewRadio->isChecked() ? 0 : 1;
    accept();
}

void PreferencesDialog::cancel() { reject(); }

void PreferencesDialog::reject()
{
    if (dnsEdited_ &&
        context_.prompts->show(PromptType::Confirmation,
                               QStringLiteral("You have unsaved Do Not Ship items. Cancel anyway?"),
                               PromptButtons::YesNo) != PromptAnswer::Yes) {
        tabs->setCurrentIndex(3);
        idNumberEdit->setFocus();
        return;
    }
    QDialog::reject();
}

} // namespace velmora
