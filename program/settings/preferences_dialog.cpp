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

TfrmPreference::TfrmPreference(const Settings &settings, const std::vector<std::string> &doNotShip,
                               PreferencesContext context, QWidget *parent)
    : QDialog(parent), settings_(settings), context_(std::move(context)), dnsWorking_(doNotShip)
{
    setWindowTitle(QStringLiteral("Preferences"));
    setObjectName(QStringLiteral("frmPreference"));
    if (!context_.askPassword) {
        const std::string password = context_.doNotShipPassword;
        context_.askPassword = [password](QWidget *p) { return TPasswordDlg(password, p).exec() == QDialog::Accepted; };
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
    connect(buttons, &QDialogButtonBox::accepted, this, &TfrmPreference::btnOKClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &TfrmPreference::btnCancelClick);
    connect(tabs, &QTabWidget::currentChanged, this, &TfrmPreference::TabChange);
    updateEnabling();
}

QWidget *TfrmPreference::buildGeneralTab()
{
    auto *page = new QWidget;
    auto *v = new QVBoxLayout(page);

    auto *placarding = new QGroupBox(QStringLiteral("Placarding Options"), page);
    auto *pl = new QVBoxLayout(placarding);
    chkDangerousFirst = new QCheckBox(QStringLiteral("Show Dangerous placarding option first"), placarding);
    chkDangerousFirst->setChecked(settings_.enableDangerousFirst);
    chkBulk = new QCheckBox(QStringLiteral("Display ID markings on placards"), placarding);
    chkBulk->setChecked(settings_.enableBulk);
    ChkboxDefaultPrintAll =
        new QCheckBox(QStringLiteral("Use \"Print All Placarding Options\" as default"), placarding);
    ChkboxDefaultPrintAll->setChecked(settings_.defaultPrintAll);
    pl->addWidget(chkDangerousFirst);
    pl->addWidget(chkBulk);
    pl->addWidget(ChkboxDefaultPrintAll);
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
    addFolderRow(1, "Saved Loads:", settings_.savePath, edtSavePath, btnBrowseSave);
    addFolderRow(2, "Custom Help Links:", settings_.menuItemsPath, edtMenuItemsPath, btnBrowseMenu);
    addFolderRow(3, "Do Not Ship:", settings_.dnsPath, edtDNSPath, btnBrowseDNS);
    chkSavePrompt = new QCheckBox(QStringLiteral("Prompt save on exit"), save);
    chkSavePrompt->setChecked(settings_.enableSavePrompt);
    chkDefaultID = new QCheckBox(QStringLiteral("Use DateTime stamp as default Truck ID"), save);
    chkDefaultID->setChecked(settings_.enableDefaultID);
    sl->addWidget(chkSavePrompt, 4, 0, 1, 3);
    sl->addWidget(chkDefaultID, 5, 0, 1, 3);
    v->addWidget(save);

    auto *view = new QGroupBox(QStringLiteral("Saved Loads Default View"), page);
    auto *vl = new QGridLayout(view);
    rbPreview = new QRadioButton(QStringLiteral("Preview"), view);
    rbReport = new QRadioButton(QStringLiteral("Report"), view);
    (settings_.defaultViewStyle == 1 ? rbReport : rbPreview)->setChecked(true);
    chkProcessLegality = new QCheckBox(QStringLiteral("Process legality of each saved load"), view);
    chkProcessLegality->setChecked(settings_.processLegality);
    vl->addWidget(rbPreview, 0, 0);
    vl->addWidget(rbReport, 0, 1);
    vl->addWidget(chkProcessLegality, 1, 0, 1, 2);
    v->addWidget(view);
    v->addStretch();

    connect(chkProcessLegality, &QCheckBox::toggled, this, [this] {
        savedLoadsChanged_ = true;
        updateEnabling();
    });
    connect(rbPreview, &QRadioButton::toggled, this, [this] { savedLoadsChanged_ = true; });
    return page;
}

QWidget *TfrmPreference::buildAuditorsTab()
{
    auto *page = new QWidget;
    auto *v = new QVBoxLayout(page);
    auto *group = new QGroupBox(QStringLiteral("Motor Cargo Tank Auditor"), page);
    auto *g = new QVBoxLayout(group);
    chkCTWarning = new QCheckBox(QStringLiteral("Warn about unanswered auditor questions"), group);
    chkCTWarning->setChecked(settings_.ctViolationWarning);
    chkDefaultInsp = new QCheckBox(QStringLiteral("Always use default Inspector name"), group);
    chkDefaultInsp->setChecked(settings_.enableDefaultInsp);
    edtInspName = new QLineEdit(qs(settings_.defaultInspName), group);
    g->addWidget(chkCTWarning);
    g->addWidget(chkDefaultInsp);
    g->addWidget(new QLabel(QStringLiteral("Default Inspector name:"), group));
    g->addWidget(edtInspName);
    v->addWidget(group);
    v->addStretch();
    connect(chkDefaultInsp, &QCheckBox::toggled, this, &TfrmPreference::updateEnabling);
    return page;
}

QWidget *TfrmPreference::buildCertificationTab()
{
    auto *page = new QWidget;
    auto *v = new QVBoxLayout(page);

    auto *print = new QGroupBox(QStringLiteral("Print Certification"), page);
    auto *pl = new QVBoxLayout(print);
    chkPrintCertification = new QCheckBox(QStringLiteral("Print Certification"), print);
    chkPrintCertification->setChecked(settings_.enablePrintCertification);
    pl->addWidget(chkPrintCertification);
    pl->addWidget(new QLabel(QStringLiteral("Driver acknowledgement of placarding instructions."), print));
    v->addWidget(print);

    auto *message = new QGroupBox(QStringLiteral("Message Display"), page);
    auto *ml = new QVBoxLayout(message);
    rbDefaultMessage = new QRadioButton(QStringLiteral("Default"), message);
    auto *defaultText = new QPlainTextEdit(QString::fromLatin1(kDefaultMessage), message);
    defaultText->setReadOnly(true);
    defaultText->setMaximumHeight(48);
    rbCustomMessage = new QRadioButton(QStringLiteral("Custom"), message);
    memoCustomMessage = new QPlainTextEdit(message);
    // Shown with real line breaks; stored with "||".
    memoCustomMessage->setPlainText(qs(customMessageForDisplay(settings_.customMessage)).replace(
        QStringLiteral("\r\n"), QStringLiteral("\n")));
    memoCustomMessage->setMaximumHeight(64);
    (settings_.enableCustomMessage ? rbCustomMessage : rbDefaultMessage)->setChecked(true);
    ml->addWidget(rbDefaultMessage);
    ml->addWidget(defaultText);
    ml->addWidget(rbCustomMessage);
    ml->addWidget(memoCustomMessage);
    v->addWidget(message);

    auto *entries = new QGroupBox(QStringLiteral("Entry Item Display"), page);
    auto *el = new QGridLayout(entries);
    chkTrailer = new QCheckBox(QStringLiteral("Trailer"), entries);
    chkTrailer->setChecked(settings_.enableTrailer);
    chkDriverSig = new QCheckBox(QStringLiteral("Driver Signature"), entries);
    chkDriverSig->setChecked(settings_.enableDriverSig);
    chkSupervisorSig = new QCheckBox(QStringLiteral("Supervisor Signature"), entries);
    chkSupervisorSig->setChecked(settings_.enableSupervisorSig);
    chkCustomEntry = new QCheckBox(QStringLiteral("Custom"), entries);
    chkCustomEntry->setChecked(settings_.enableCustomEntryItem);
    edtCustomEntry = new QLineEdit(qs(settings_.customEntryItem), entries);
    edtCustomEntry->setMaxLength(60);
    el->addWidget(chkTrailer, 0, 0);
    el->addWidget(chkDriverSig, 0, 1);
    el->addWidget(chkSupervisorSig, 1, 0);
    el->addWidget(chkCustomEntry, 2, 0);
    el->addWidget(edtCustomEntry, 2, 1);
    v->addWidget(entries);
    v->addStretch();

    connect(rbCustomMessage, &QRadioButton::toggled, this, &TfrmPreference::updateEnabling);
    connect(chkCustomEntry, &QCheckBox::toggled, this, &TfrmPreference::updateEnabling);
    return page;
}

QWidget *TfrmPreference::buildDoNotShipTab()
{
    auto *page = new QWidget;
    auto *v = new QVBoxLayout(page);
    auto *group = new QGroupBox(QStringLiteral("Do Not Ship Items"), page);
    auto *g = new QGridLayout(group);
    g->addWidget(new QLabel(QStringLiteral("ID Number:"), group), 0, 0);
    edtIDNumber = new QLineEdit(group);
    edtIDNumber->setObjectName(QStringLiteral("edtIDNumber"));
    connect(edtIDNumber, &QLineEdit::textEdited, this, [this](const QString &t) {
        if (t != t.toUpper()) {
            const int pos = edtIDNumber->cursorPosition();
            edtIDNumber->setText(t.toUpper());
            edtIDNumber->setCursorPosition(pos);
        }
    });
    g->addWidget(edtIDNumber, 0, 1);
    btnAdd = new QPushButton(QStringLiteral("Add"), group);
    btnDelete = new QPushButton(QStringLiteral("Delete"), group);
    btnDeleteAll = new QPushButton(QStringLiteral("Delete All"), group);
    g->addWidget(btnAdd, 0, 2);
    g->addWidget(new QLabel(QStringLiteral("ID Number List:"), group), 1, 0, 1, 2);
    lvDoNotShip = new QTreeWidget(group);
    lvDoNotShip->setRootIsDecorated(false);
    lvDoNotShip->setHeaderLabels({QStringLiteral("#"), QStringLiteral("ID Number")});
    lvDoNotShip->setSelectionMode(QAbstractItemView::SingleSelection);
    g->addWidget(lvDoNotShip, 2, 0, 3, 2);
    g->addWidget(btnDelete, 2, 2);
    g->addWidget(btnDeleteAll, 3, 2);
    g->setRowStretch(4, 1);
    v->addWidget(group);

    edtIDNumber->setEnabled(false);
    btnAdd->setEnabled(false);
    lvDoNotShip->setEnabled(false);
    btnDelete->setEnabled(false);
    btnDeleteAll->setEnabled(false);

    connect(btnAdd, &QPushButton::clicked, this, &TfrmPreference::btnAddClick);
    connect(btnDelete, &QPushButton::clicked, this, &TfrmPreference::btnDeleteClick);
    connect(btnDeleteAll, &QPushButton::clicked, this, &TfrmPreference::btnDeleteAllClick);
    connect(lvDoNotShip, &QTreeWidget::itemSelectionChanged, this,
            [this] { btnDelete->setEnabled(!lvDoNotShip->selectedItems().isEmpty()); });
    connect(lvDoNotShip->header(), &QHeaderView::sectionClicked, this, [this](int column) {
        dnsSortAscending_ = column == dnsSortColumn_ ? !dnsSortAscending_ : true;
        dnsSortColumn_ = column;
        lvDoNotShip->sortItems(column, dnsSortAscending_ ? Qt::AscendingOrder : Qt::DescendingOrder);
    });
    return page;
}

void TfrmPreference::updateEnabling()
{
    rbPreview->setEnabled(chkProcessLegality->isChecked());
    rbReport->setEnabled(chkProcessLegality->isChecked());
    edtInspName->setReadOnly(!chkDefaultInsp->isChecked());
    edtInspName->setEnabled(chkDefaultInsp->isChecked());
    memoCustomMessage->setReadOnly(!rbCustomMessage->isChecked());
    memoCustomMessage->setEnabled(rbCustomMessage->isChecked());
    edtCustomEntry->setReadOnly(!chkCustomEntry->isChecked());
    edtCustomEntry->setEnabled(chkCustomEntry->isChecked());
}

void TfrmPreference::fillDoNotShipTable()
{
    lvDoNotShip->clear();
    int n = 0;
    for (const auto &id : dnsWorking_)
        new DoNotShipRow(lvDoNotShip, {QString::number(++n), qs(id)});
    btnDeleteAll->setEnabled(n > 0);
}

void TfrmPreference::TabChange(int index)
{
    if (index != 3)   // the "Do Not Ship" tab
        return;
    edtIDNumber->setEnabled(false);
    btnAdd->setEnabled(false);
    lvDoNotShip->setEnabled(false);
    lvDoNotShip->clear();
    btnDelete->setEnabled(false);
    btnDeleteAll->setEnabled(false);
    if (!context_.askPassword(this))
        return;
    lvDoNotShip->setEnabled(true);
    fillDoNotShipTable();
    edtIDNumber->setEnabled(true);
    btnAdd->setEnabled(true);
    edtIDNumber->setFocus();
}

void TfrmPreference::btnAddClick()
{
    Prompts &prompts = *context_.prompts;
    const QString id = edtIDNumber->text().trimmed();
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
    new DoNotShipRow(lvDoNotShip, {QString::number(lvDoNotShip->topLevelItemCount() + 1), id});
    btnDeleteAll->setEnabled(true);
    edtIDNumber->clear();
    edtIDNumber->setFocus();
    dnsEdited_ = true;
}

void TfrmPreference::btnDeleteClick()
{
    const auto selected = lvDoNotShip->selectedItems();
    if (selected.isEmpty())
        return;
    QTreeWidgetItem *row = selected.first();
    const std::string id = row->text(1).toStdString();
    const auto it = std::find(dnsWorking_.begin(), dnsWorking_.end(), id);
    if (it != dnsWorking_.end())
        dnsWorking_.erase(it);
    delete row;
    for (int i = 0; i < lvDoNotShip->topLevelItemCount(); ++i)
        lvDoNotShip->topLevelItem(i)->setText(0, QString::number(i + 1));
    dnsEdited_ = true;
    btnDelete->setEnabled(false);
    btnDeleteAll->setEnabled(lvDoNotShip->topLevelItemCount() > 0);
}

void TfrmPreference::btnDeleteAllClick()
{
    dnsWorking_.clear();
    lvDoNotShip->clear();
    btnDeleteAll->setEnabled(false);
    btnDelete->setEnabled(false);
    dnsEdited_ = true;
}

void TfrmPreference::storeFolder(QLineEdit *field, std::string &setting)
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

void TfrmPreference::btnOKClick()
{
    Prompts &prompts = *context_.prompts;
    // 1-2: checks that keep the dialog open with nothing stored.
    if (rbCustomMessage->isChecked() && memoCustomMessage->toPlainText().isEmpty()) {
        prompts.warning(QStringLiteral("Please enter a Custom message"));
        tabs->setCurrentIndex(2);
        memoCustomMessage->setFocus();
        return;
    }
    if (chkCustomEntry->isChecked() && edtCustomEntry->text().isEmpty()) {
        prompts.warning(QStringLiteral("Please enter a Custom Entry Item."));
        tabs->setCurrentIndex(2);
        edtCustomEntry->setFocus();
        return;
    }
    Settings &s = settings_;
    // 3: certification.
    s.enableTrailer = chkTrailer->isChecked();
    s.enableDriverSig = chkDriverSig->isChecked();
    s.enableSupervisorSig = chkSupervisorSig->isChecked();
    s.enableCustomEntryItem = chkCustomEntry->isChecked();
    s.customEntryItem = edtCustomEntry->text().left(60).toStdString();
    s.enableDefaultMessage = rbDefaultMessage->isChecked();
    s.enableCustomMessage = rbCustomMessage->isChecked();
    s.customMessage = customMessageForStorage(memoCustomMessage->toPlainText().toStdString());
    // 4: the Do Not Ship list.
    if (dnsEdited_) {
        dnsStored_ = true;
        dnsEdited_ = false;
    }
    // 5: help links and Do Not Ship folders.
    storeFolder(edtMenuItemsPath, s.menuItemsPath);
    storeFolder(edtDNSPath, s.dnsPath);
    // 6.
    s.enableBulk = chkBulk->isChecked();
    s.enableDangerousFirst = chkDangerousFirst->isChecked();
    s.ctViolationWarning = chkCTWarning->isChecked();
    s.enableSavePrompt = chkSavePrompt->isChecked();
    s.enableDefaultID = chkDefaultID->isChecked();
    s.defaultPrintAll = ChkboxDefaultPrintAll->isChecked();
    s.enableDefaultInsp = chkDefaultInsp->isChecked();
    s.defaultInspName = edtInspName->text().toStdString();
    s.enablePrintCertification = chkPrintCertification->isChecked();
    // 7.
    processLegalityChanged_ = s.processLegality != chkProcessLegality->isChecked();
    s.processLegality = chkProcessLegality->isChecked();
    // 8-9.
    storeFolder(edtSavePath, s.savePath);
    s.defaultViewStyle = rbPreview->isChecked() ? 0 : 1;
    accept();
}

void TfrmPreference::btnCancelClick() { reject(); }

void TfrmPreference::reject()
{
    if (dnsEdited_ &&
        context_.prompts->show(PromptType::Confirmation,
                               QStringLiteral("You have unsaved Do Not Ship items. Cancel anyway?"),
                               PromptButtons::YesNo) != PromptAnswer::Yes) {
        tabs->setCurrentIndex(3);
        edtIDNumber->setFocus();
        return;
    }
    QDialog::reject();
}

} // namespace velmora
