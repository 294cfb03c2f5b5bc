#include "auditors/cargo_tank/cti_window.h"

#include "auditors/cargo_tank/tank_chart.h"
#include "auditors/cargo_tank/tank_html.h"
#include "auditors/cargo_tank/tank_printing.h"

#include "dravlen.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>
#include <QSplitter>
#include <QTabWidget>
#include <QTimeEdit>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace velmora::cargo_tank {

namespace {

enum Tab { InspectionTab = 0, ViolationsTab = 1, DetailsTab = 2 };

const char *const kReportTitles[] = {"Inspection Report", "Questions (unanswered)", "Questions (current)",
                                     "Violations"};

} // namespace

QString nonBulkWarning()
{
    return QStringLiteral("There are non-bulk hazmats on the load.\n\nNon-bulk hazmats are usually not loaded on a "
                          "Motor Cargo Tank,\nand Motor Cargo Tank Auditor cannot check tank compatability \nwith "
                          "these hazmats. \n\nAre you sure you wish to continue? ");
}

TCTI_MainFrm::TCTI_MainFrm(const InspectionHost &host, QWidget *parent)
    : QDialog(parent), host_(host), inspection_(host.engine)
{
    setWindowTitle(QStringLiteral("Motor Cargo Tank Inspection"));
    setModal(true);
    setMinimumSize(750, 450);
    resize(1150, 760);
    inspection_.changed = [this] { markDirty(); };
    inspection_.confirmIllegal = [this](const QString &tank) {
        return host_.prompts->show(PromptType::Error,
                                   QStringLiteral("Choosing this vehicle will make ") +
                                       QStringLiteral("this load illegal") +
                                       QStringLiteral(".  Are you sure you want to choose ") + tank +
                                       QStringLiteral("?"),
                                   PromptButtons::YesNo) == PromptAnswer::Yes;
    };
    runChart = [this](const QString &path) {
        TCTI_TankViewFrm chart(this);
        chart.openRegulation = host_.openRegulation;
        if (!chart.loadChart(path)) {
            host_.prompts->error(QStringLiteral("Unable to open the Cargo Tank List file"));
            return ChartChoice{};
        }
        chart.exec();
        return chart.choice();
    };
    choosePrinter = [this](QPrinter &printer) { return askPrinter(printer, this); };

    buildMenus();
    buildPanels();

    // Opening: the tanks, the header from the truckload, its tank.
    updatingCombo_ = true;
    cbTank->addItems(tankNames());
    cbTank->setCurrentIndex(-1);
    updatingCombo_ = false;
    readHeader();
    if (inspection_.open())
        selectTankInCombo(inspection_.currentTank());
    violationsValid_ = false;
    showForms();
    enableCommands();
}

TCTI_MainFrm::~TCTI_MainFrm() = default;

void TCTI_MainFrm::buildMenus()
{
    auto *bar = new QMenuBar(this);
    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    actSave = file->addAction(QStringLiteral("&Save"), this, &TCTI_MainFrm::SaveClick);
    actSave->setShortcut(QKeySequence::Save);
    actSaveAs = file->addAction(QStringLiteral("Save &As..."), this, &TCTI_MainFrm::SaveClick);
    QMenu *print = file->addMenu(QStringLiteral("&Print"));
    for (int r = 0; r < 4; ++r)
        actPrint[r] = print->addAction(QString::fromLatin1(kReportTitles[r]), this, [this, r] { PrintClick(r); });
    file->addSeparator();
    file->addAction(QStringLiteral("&Close"), this, &QDialog::close);

    QMenu *edit = bar->addMenu(QStringLiteral("&Edit"));
    actCopy = edit->addAction(QStringLiteral("&Copy"), this, &TCTI_MainFrm::CopyClick);
    actCopy->setShortcut(QKeySequence::Copy);
    actPaste = edit->addAction(QStringLiteral("&Paste"), this, &TCTI_MainFrm::PasteClick);
    actPaste->setShortcut(QKeySequence::Paste);
    actSelectAll = edit->addAction(QStringLiteral("Select &All"), this, &TCTI_MainFrm::SelectAllClick);
    actSelectAll->setShortcut(QKeySequence::SelectAll);
    for (QAction *a : {actCopy, actPaste, actSelectAll})
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);

    QMenu *view = bar->addMenu(QStringLiteral("&View"));
    actCurrent = view->addAction(QStringLiteral("&Current Inspection"), this, [this] { pnlCurrent->show(); });
    actViewTanks = view->addAction(QStringLiteral("All &Tanks..."), this, &TCTI_MainFrm::ViewTanksClick);
    view->addSeparator();
    actYes = view->addAction(QStringLiteral("Set All Answers to &Yes"));
    actYes->setCheckable(true);
    connect(actYes, &QAction::triggered, this, &TCTI_MainFrm::YesClick);
    actNo = view->addAction(QStringLiteral("Set All Answers to &No"));
    actNo->setCheckable(true);
    connect(actNo, &QAction::triggered, this, &TCTI_MainFrm::NoClick);
    actReset = view->addAction(QStringLiteral("&Reset Inspection"), this, &TCTI_MainFrm::ResetClick);
    actNew = view->addAction(QStringLiteral("&New Inspection"), this, &TCTI_MainFrm::NewInspectionClick);

    QMenu *help = bar->addMenu(QStringLiteral("&Help"));
    actContents = help->addAction(QStringLiteral("&Contents"), this, &TCTI_MainFrm::ContentsClick);
    actContents->setShortcut(QKeySequence::HelpContents);

    auto *tools = new QToolBar(this);
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tools->addAction(actNew);
    tools->addAction(actSave);
    auto *printButton = new QToolButton(tools);
    printButton->setText(QStringLiteral("Print"));
    printButton->setPopupMode(QToolButton::InstantPopup);
    printButton->setMenu(print);
    tools->addWidget(printButton);
    tools->addSeparator();
    tools->addAction(actYes);
    tools->addAction(actNo);
    tools->addAction(actReset);
    tools->addSeparator();
    QAction *viewTanks = tools->addAction(QStringLiteral("View Tanks"), this, &TCTI_MainFrm::ViewTanksClick);
    viewTanks->setToolTip(QStringLiteral("View Tanks"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(bar);
    layout->addWidget(tools);

    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &TCTI_MainFrm::enableCommands);
}

void TCTI_MainFrm::buildPanels()
{
    auto *splitter = new QSplitter(this);
    pnlCurrent = new QWidget(splitter);
    auto *panel = new QVBoxLayout(pnlCurrent);
    auto *title = new QHBoxLayout;
    auto *caption = new QLabel(QStringLiteral("<b>Current Inspection</b>"), pnlCurrent);
    auto *close = new QToolButton(pnlCurrent);
    close->setText(QStringLiteral("X"));
    close->setAutoRaise(true);
    close->setToolTip(QStringLiteral("Close the Current Inspection panel"));
    connect(close, &QToolButton::clicked, pnlCurrent, &QWidget::hide);
    title->addWidget(caption, 1);
    title->addWidget(close);
    panel->addLayout(title);

    auto *form = new QFormLayout;
    cbTank = new QComboBox(pnlCurrent);
    cbTank->setPlaceholderText(QStringLiteral("Choose a tank"));
    edtReportNumber = new QLineEdit(pnlCurrent);
    edtUsdot = new QLineEdit(pnlCurrent);
    edtInspector = new QLineEdit(pnlCurrent);
    edtCarrier = new QLineEdit(pnlCurrent);
    dtpStartDate = new QDateEdit(QDate::currentDate(), pnlCurrent);
    dtpStartDate->setCalendarPopup(true);
    dtpStartDate->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    dtpStartTime = new QTimeEdit(QTime::currentTime(), pnlCurrent);
    form->addRow(QStringLiteral("&Tank:"), cbTank);
    form->addRow(QStringLiteral("&Report Number:"), edtReportNumber);
    form->addRow(QStringLiteral("US&DOT Number:"), edtUsdot);
    form->addRow(QStringLiteral("&Inspector:"), edtInspector);
    form->addRow(QStringLiteral("&Carrier:"), edtCarrier);
    form->addRow(QStringLiteral("Start &Date:"), dtpStartDate);
    form->addRow(QStringLiteral("Start Ti&me:"), dtpStartTime);
    panel->addLayout(form);
    webTank = new TankBrowser(pnlCurrent);
    panel->addWidget(webTank, 1);

    tabs = new QTabWidget(splitter);
    webInspection = new TankBrowser(tabs);
    webViolations = new TankBrowser(tabs);
    webDetails = new TankBrowser(tabs);
    tabs->addTab(webInspection, QStringLiteral("Inspection"));
    tabs->addTab(webViolations, QStringLiteral("Violations"));
    tabs->addTab(webDetails, QStringLiteral("Details"));
    splitter->addWidget(pnlCurrent);
    splitter->addWidget(tabs);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({width() / 4, width() * 3 / 4});
    layout()->addWidget(splitter);

    connect(cbTank, &QComboBox::currentIndexChanged, this, &TCTI_MainFrm::cbTankChange);
    connect(tabs, &QTabWidget::currentChanged, this, &TCTI_MainFrm::tabChange);
    for (TankBrowser *view : {webInspection, webViolations, webDetails, webTank}) {
        connect(view, &TankBrowser::linkClicked, this, &TCTI_MainFrm::linkClick);
        connect(view, &QTextEdit::copyAvailable, this, &TCTI_MainFrm::enableCommands);
    }
    for (QLineEdit *edit : {edtReportNumber, edtUsdot, edtInspector, edtCarrier})
        connect(edit, &QLineEdit::textEdited, this, [this] { markDirty(); });
    connect(dtpStartDate, &QDateEdit::userDateChanged, this, [this] { markDirty(); });
    connect(dtpStartTime, &QTimeEdit::userTimeChanged, this, [this] { markDirty(); });
}

void TCTI_MainFrm::readHeader()
{
    edtReportNumber->setText(inspection_.value(kReportNumberKey));
    edtUsdot->setText(inspection_.value(kUsdotNumberKey));
    edtCarrier->setText(inspection_.value(kCarrierKey));
    if (inspection_.hasValue(kInspectorKey))
        edtInspector->setText(inspection_.value(kInspectorKey));
    else if (host_.settings)
        edtInspector->setText(QString::fromStdString(host_.settings->defaultInspName));
    const QDate date = parseStoredDate(inspection_.value(kStartDateKey));
    dtpStartDate->setDate(date.isValid() ? date : QDate::currentDate());
    const QTime time = QLocale().toTime(inspection_.value(kStartTimeKey), QLocale::ShortFormat);
    dtpStartTime->setTime(time.isValid() ? time : QTime::currentTime());
}

void TCTI_MainFrm::storeHeader()
{
    inspection_.storeValue(kReportNumberKey, edtReportNumber->text());
    inspection_.storeValue(kUsdotNumberKey, edtUsdot->text());
    inspection_.storeValue(kInspectorKey, edtInspector->text());
    inspection_.storeValue(kCarrierKey, edtCarrier->text());
    inspection_.storeValue(kStartDateKey, storedDate(dtpStartDate->date()));
    inspection_.storeValue(kStartTimeKey, QLocale().toString(dtpStartTime->time(), QLocale::ShortFormat));
}

void TCTI_MainFrm::markDirty()
{
    if (host_.setDirty)
        host_.setDirty(true);
}

QString TCTI_MainFrm::picturesFolder() const { return host_.programFolder + QStringLiteral("Data/CTI/Tanks/"); }

QString TCTI_MainFrm::referenceText() const
{
    const QString name = referenceFile(inspection_.currentTank());
    if (name.isEmpty())
        return {};
    QFile file(host_.programFolder + QStringLiteral("Data/CTI/Reference/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void TCTI_MainFrm::showForms()
{
    if (inspection_.currentTank().isEmpty()) {
        // No tank: the question table with its header only, no violations.
        webInspection->showPage(questionsForm(QuestionsPage{}));
        webViolations->showPage(violationsList(QString(), {}, false));
        webDetails->showPage(tankPage(TankPage{.large = true}));
        webTank->showPage(tankPage(TankPage{}));
        return;
    }
    webInspection->showPage(questionsForm(inspection_.questionsPage(false)));
    refreshTank();
    if (tabs->currentIndex() == ViolationsTab)
        refreshViolations(false);
}

void TCTI_MainFrm::refreshTank()
{
    webTank->showPage(tankPage(inspection_.tankPage(false, picturesFolder(), QString())));
    webDetails->showPage(tankPage(inspection_.tankPage(true, picturesFolder(), referenceText())));
}

void TCTI_MainFrm::refreshViolations(bool warn)
{
    webViolations->showPage(violationsList(inspection_.currentTank(), inspection_.violationRows(), true));
    violationsValid_ = true;
    if (warn && host_.settings && host_.settings->ctViolationWarning) {
        const QString text = unansweredWarning(inspection_.unansweredNumbers());
        if (!text.isEmpty())
            host_.prompts->information(text);
    }
}

void TCTI_MainFrm::enableCommands()
{
    const bool tank = !inspection_.currentTank().isEmpty();
    for (QAction *a : {actSave, actSaveAs, actReset})
        a->setEnabled(tank);
    for (QAction *a : actPrint)
        a->setEnabled(tank);
    const bool onInspection = tabs->currentIndex() == InspectionTab;
    actYes->setEnabled(onInspection);
    actNo->setEnabled(onInspection);
    const QMimeData *mime = QApplication::clipboard()->mimeData();
    actPaste->setEnabled(mime && mime->hasText());
    actCopy->setEnabled(true);
    actSelectAll->setEnabled(true);
}

void TCTI_MainFrm::selectTankInCombo(const QString &tank)
{
    updatingCombo_ = true;
    cbTank->setCurrentIndex(tank.isEmpty() ? -1 : cbTank->findText(tank));
    updatingCombo_ = false;
}

void TCTI_MainFrm::afterChoice(TankInspection::Choice choice)
{
    if (choice == TankInspection::Choice::Refused) {
        selectTankInCombo(inspection_.currentTank());
        return;
    }
    if (choice == TankInspection::Choice::Unchanged)
        return;
    selectTankInCombo(inspection_.currentTank());
    violationsValid_ = false;
    showForms();
    enableCommands();
}

void TCTI_MainFrm::cbTankChange(int index)
{
    if (updatingCombo_ || index < 0)
        return;
    afterChoice(inspection_.chooseTank(cbTank->itemText(index)));
}

void TCTI_MainFrm::openChart(const QString &variant)
{
    const ChartChoice choice = runChart(chartPath(host_.programFolder, variant));
    if (!choice.valid)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const TankInspection::Choice result = inspection_.chooseFromChart(choice);
    QApplication::restoreOverrideCursor();
    afterChoice(result == TankInspection::Choice::Unchanged ? TankInspection::Choice::Chosen : result);
    edtReportNumber->setFocus();
}

void TCTI_MainFrm::ViewTanksClick() { openChart(QString()); }

void TCTI_MainFrm::linkClick(const QString &href)
{
    int question = 0, answer = 0;
    if (parseAnswerHref(href, &question, &answer)) {
        inspection_.answer(question, answer);
        violationsValid_ = false;
        webInspection->showPage(questionsForm(inspection_.questionsPage(false)));
        if (question == 0 && hasVacuumQuestion(inspection_.currentTank()))
            refreshTank();
        return;
    }
    if (href == QLatin1String("//")) {
        if (hasVacuumQuestion(inspection_.currentTank()))
            openChart(inspection_.currentTank().right(3));
        return;
    }
    const int oos = outOfServiceIndex(href);
    if (oos >= 0) {
        inspection_.toggleOutOfService(oos);
        refreshViolations(false);
        return;
    }
    const QString citation = citationOfHref(href);
    if (!citation.isEmpty() && host_.openRegulation) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        host_.openRegulation(citation);
        QApplication::restoreOverrideCursor();
    }
}

void TCTI_MainFrm::tabChange(int index)
{
    enableCommands();
    if (index == ViolationsTab && !inspection_.currentTank().isEmpty())
        refreshViolations(true);
}

void TCTI_MainFrm::YesClick(bool on)
{
    inspection_.setYesDefault(on);
    actNo->setChecked(false);
    violationsValid_ = false;
    if (!inspection_.currentTank().isEmpty())
        showForms();
}

void TCTI_MainFrm::NoClick(bool on)
{
    inspection_.setNoDefault(on);
    actYes->setChecked(false);
    violationsValid_ = false;
    if (!inspection_.currentTank().isEmpty())
        showForms();
}

void TCTI_MainFrm::ResetClick()
{
    inspection_.resetAnswers();
    violationsValid_ = false;
    for (QLineEdit *edit : {edtReportNumber, edtUsdot, edtInspector, edtCarrier})
        edit->clear();
    showForms();
}

void TCTI_MainFrm::NewInspectionClick()
{
    inspection_.newInspection();
    selectTankInCombo(QString());
    for (QLineEdit *edit : {edtReportNumber, edtUsdot, edtInspector, edtCarrier})
        edit->clear();
    dtpStartDate->setDate(QDate::currentDate());
    dtpStartTime->setTime(QTime::currentTime());
    violationsValid_ = false;
    showForms();
    enableCommands();
}

void TCTI_MainFrm::SaveClick()
{
    storeHeader();
    if (host_.saveTruckload)
        host_.saveTruckload();
    storeHeader();
}

QStringList TCTI_MainFrm::reportPage(Report report)
{
    const QString tank = inspection_.currentTank();
    switch (report) {
    case Report::Violations:
        return violationsList(tank, inspection_.violationRows(), false);
    case Report::QuestionsCurrent:
        return questionsForm(inspection_.questionsPage(false));
    case Report::QuestionsUnanswered:
        return questionsForm(inspection_.questionsPage(true));
    case Report::InspectionReport:
        break;
    }
    InspectionHeader header;
    header.reportNumber = edtReportNumber->text();
    header.usdotNumber = edtUsdot->text();
    header.inspector = edtInspector->text();
    header.carrier = edtCarrier->text();
    header.date = QLocale().toString(dtpStartDate->date(), QLocale::ShortFormat);
    header.time = QLocale().toString(dtpStartTime->time(), QLocale::ShortFormat);
    return inspectionReport(tank, header, questionsForm(inspection_.questionsPage(false)),
                            violationsList(tank, inspection_.violationRows(), false));
}

void TCTI_MainFrm::PrintClick(int report)
{
    if (report < 0 || report > 3 || inspection_.currentTank().isEmpty())
        return;
    const QStringList page = reportPage(static_cast<Report>(report));
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setDocName(QString::fromLatin1(kReportTitles[report]));
    if (!choosePrinter(printer))
        return;
    if (!printPage(page, printer, QDateTime::currentDateTime()))
        host_.prompts->error(QStringLiteral("Unable to print the ") + QString::fromLatin1(kReportTitles[report]) +
                             QStringLiteral("."));
}

QLineEdit *TCTI_MainFrm::focusedEdit() const
{
    for (QLineEdit *edit : {edtReportNumber, edtUsdot, edtInspector, edtCarrier})
        if (edit->hasFocus())
            return edit;
    return nullptr;
}

void TCTI_MainFrm::CopyClick()
{
    if (QLineEdit *edit = focusedEdit(); edit && edit->hasSelectedText()) {
        edit->copy();
        return;
    }
    auto *page = static_cast<TankBrowser *>(tabs->currentWidget());
    if (page->textCursor().hasSelection()) {
        page->copy();
        return;
    }
    for (QLineEdit *edit : {edtUsdot, edtReportNumber, edtCarrier, edtInspector})
        if (!edit->text().isEmpty()) {
            QApplication::clipboard()->setText(edit->text());
            return;
        }
}

void TCTI_MainFrm::PasteClick()
{
    if (QLineEdit *edit = focusedEdit())
        edit->paste();
}

void TCTI_MainFrm::SelectAllClick()
{
    if (QLineEdit *edit = focusedEdit()) {
        edit->selectAll();
        return;
    }
    static_cast<TankBrowser *>(tabs->currentWidget())->selectAll();
}

void TCTI_MainFrm::ContentsClick()
{
    if (!host_.openHelp || !host_.openHelp(QStringLiteral("common_module_cti.htm")))
        host_.prompts->error(QStringLiteral("Unable to open the Motor Cargo Tank help file."));
}

void TCTI_MainFrm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!shown_) {
        shown_ = true;
        edtReportNumber->setFocus();
    }
}

void TCTI_MainFrm::done(int result)
{
    storeHeader();
    QDialog::done(result);
}

bool openCargoTankInspection(const InspectionHost &host, QWidget *parent, const std::function<void(TCTI_MainFrm &)> &run)
{
    if (HasNonBulk_Load(GetLoad_Engine(host.engine)) &&
        host.prompts->show(PromptType::Warning, nonBulkWarning(), PromptButtons::YesNo) != PromptAnswer::Yes)
        return false;
    TCTI_MainFrm window(host, parent);
    if (run)
        run(window);
    else
        window.exec();
    return true;
}

} // namespace velmora::cargo_tank
