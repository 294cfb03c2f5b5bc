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

CargoTankInspectionWindow::CargoTankInspectionWindow(const InspectionHost &host, QWidget *parent)
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
        TankChartWindow chart(this);
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
    tankList->addItems(tankNames());
    tankList->setCurrentIndex(-1);
    updatingCombo_ = false;
    readHeader();
    if (inspection_.open())
        selectTankInCombo(inspection_.currentTank());
    violationsValid_ = false;
    showForms();
    enableCommands();
}

CargoTankInspectionWindow::~CargoTankInspectionWindow() = default;

void CargoTankInspectionWindow::buildMenus()
{
    auto *bar = new QMenuBar(this);
    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    actSave = file->addAction(QStringLiteral("&Save"), this, &CargoTankInspectionWindow::save);
    actSave->setShortcut(QKeySequence::Save);
    actSaveAs = file->addAction(QStringLiteral("Save &As..."), this, &CargoTankInspectionWindow::save);
    QMenu *print = file->addMenu(QStringLiteral("&Print"));
    for (int r = 0; r < 4; ++r)
        actPrint[r] = print->addAction(QString::fromLatin1(kReportTitles[r]), this, [this, r] { printReport(r); });
    file->addSeparator();
    file->addAction(QStringLiteral("&Close"), this, &QDialog::close);

    QMenu *edit = bar->addMenu(QStringLiteral("&Edit"));
    actCopy = edit->addAction(QStringLiteral("&Copy"), this, &CargoTankInspectionWindow::copySelection);
    actCopy->setShortcut(QKeySequence::Copy);
    actPaste = edit->addAction(QStringLiteral("&Paste"), this, &CargoTankInspectionWindow::pasteIntoField);
    actPaste->setShortcut(QKeySequence::Paste);
    actSelectAll = edit->addAction(QStringLiteral("Select &All"), this, &CargoTankInspectionWindow::selectAllOfFocus);
    actSelectAll->setShortcut(QKeySequence::SelectAll);
    for (QAction *a : {actCopy, actPaste, actSelectAll})
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);

    QMenu *view = bar->addMenu(QStringLiteral("&View"));
    actCurrent = view->addAction(QStringLiteral("&Current Inspection"), this, [this] { currentInspectionPanel->show(); });
    actViewTanks = view->addAction(QStringLiteral("All &Tanks..."), this, &CargoTankInspectionWindow::viewTanks);
    view->addSeparator();
    actYes = view->addAction(QStringLiteral("Set All Answers to &Yes"));
    actYes->setCheckable(true);
    connect(actYes, &QAction::triggered, this, &CargoTankInspectionWindow::setAllAnswersYes);
    actNo = view->addAction(QStringLiteral("Set All Answers to &No"));
    actNo->setCheckable(true);
    connect(actNo, &QAction::triggered, this, &CargoTankInspectionWindow::setAllAnswersNo);
    actReset = view->addAction(QStringLiteral("&Reset Inspection"), this, &CargoTankInspectionWindow::resetInspection);
    actNew = view->addAction(QStringLiteral("&New Inspection"), this, &CargoTankInspectionWindow::startNewInspection);

    QMenu *help = bar->addMenu(QStringLiteral("&Help"));
    actContents = help->addAction(QStringLiteral("&Contents"), this, &CargoTankInspectionWindow::showHelpContents);
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
    QAction *viewTanks = tools->addAction(QStringLiteral("View Tanks"), this, &CargoTankInspectionWindow::viewTanks);
    viewTanks->setToolTip(QStringLiteral("View Tanks"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(bar);
    layout->addWidget(tools);

    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &CargoTankInspectionWindow::enableCommands);
}

void CargoTankInspectionWindow::buildPanels()
{
    auto *splitter = new QSplitter(this);
    currentInspectionPanel = new QWidget(splitter);
    auto *panel = new QVBoxLayout(currentInspectionPanel);
    auto *title = new QHBoxLayout;
    auto *caption = new QLabel(QStringLiteral("<b>Current Inspection</b>"), currentInspectionPanel);
    auto *close = new QToolButton(currentInspectionPanel);
    close->setText(QStringLiteral("X"));
    close->setAutoRaise(true);
    close->setToolTip(QStringLiteral("Close the Current Inspection panel"));
    connect(close, &QToolButton::clicked, currentInspectionPanel, &QWidget::hide);
    title->addWidget(caption, 1);
    title->addWidget(close);
    panel->addLayout(title);

    auto *form = new QFormLayout;
    tankList = new QComboBox(currentInspectionPanel);
    tankList->setPlaceholderText(QStringLiteral("Choose a tank"));
    reportNumberEdit = new QLineEdit(currentInspectionPanel);
    usdotEdit = new QLineEdit(currentInspectionPanel);
    inspectorEdit = new QLineEdit(currentInspectionPanel);
    carrierEdit = new QLineEdit(currentInspectionPanel);
    startDateEdit = new QDateEdit(QDate::currentDate(), currentInspectionPanel);
    startDateEdit->setCalendarPopup(true);
    startDateEdit->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    startTimeEdit = new QTimeEdit(QTime::currentTime(), currentInspectionPanel);
    form->addRow(QStringLiteral("&Tank:"), tankList);
    form->addRow(QStringLiteral("&Report Number:"), reportNumberEdit);
    form->addRow(QStringLiteral("US&DOT Number:"), usdotEdit);
    form->addRow(QStringLiteral("&Inspector:"), inspectorEdit);
    form->addRow(QStringLiteral("&Carrier:"), carrierEdit);
    form->addRow(QStringLiteral("Start &Date:"), startDateEdit);
    form->addRow(QStringLiteral("Start Ti&me:"), startTimeEdit);
    panel->addLayout(form);
    tankPanel = new TankBrowser(currentInspectionPanel);
    panel->addWidget(tankPanel, 1);

    tabs = new QTabWidget(splitter);
    inspectionPage = new TankBrowser(tabs);
    violationsPage = new TankBrowser(tabs);
    detailsPage = new TankBrowser(tabs);
    tabs->addTab(inspectionPage, QStringLiteral("Inspection"));
    tabs->addTab(violationsPage, QStringLiteral("Violations"));
    tabs->addTab(detailsPage, QStringLiteral("Details"));
    splitter->addWidget(currentInspectionPanel);
    splitter->addWidget(tabs);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({width() / 4, width() * 3 / 4});
    layout()->addWidget(splitter);

    connect(tankList, &QComboBox::currentIndexChanged, this, &CargoTankInspectionWindow::chooseTankFromList);
    connect(tabs, &QTabWidget::currentChanged, this, &CargoTankInspectionWindow::tabChanged);
    for (TankBrowser *view : {inspectionPage, violationsPage, detailsPage, tankPanel}) {
        connect(view, &TankBrowser::linkClicked, this, &CargoTankInspectionWindow::followLink);
        connect(view, &QTextEdit::copyAvailable, this, &CargoTankInspectionWindow::enableCommands);
    }
    for (QLineEdit *edit : {reportNumberEdit, usdotEdit, inspectorEdit, carrierEdit})
        connect(edit, &QLineEdit::textEdited, this, [this] { markDirty(); });
    connect(startDateEdit, &QDateEdit::userDateChanged, this, [this] { markDirty(); });
    connect(startTimeEdit, &QTimeEdit::userTimeChanged, this, [this] { markDirty(); });
}

void CargoTankInspectionWindow::readHeader()
{
    reportNumberEdit->setText(inspection_.value(kReportNumberKey));
    usdotEdit->setText(inspection_.value(kUsdotNumberKey));
    carrierEdit->setText(inspection_.value(kCarrierKey));
    if (inspection_.hasValue(kInspectorKey))
        inspectorEdit->setText(inspection_.value(kInspectorKey));
    else if (host_.settings && host_.settings->enableDefaultInsp)
        inspectorEdit->setText(QString::fromStdString(host_.settings->defaultInspName));
    const QDate date = parseStoredDate(inspection_.value(kStartDateKey));
    startDateEdit->setDate(date.isValid() ? date : QDate::currentDate());
    const QTime time = QLocale().toTime(inspection_.value(kStartTimeKey), QLocale::ShortFormat);
    startTimeEdit->setTime(time.isValid() ? time : QTime::currentTime());
}

void CargoTankInspectionWindow::storeHeader()
{
    inspection_.storeValue(kReportNumberKey, reportNumberEdit->text());
    inspection_.storeValue(kUsdotNumberKey, usdotEdit->text());
    inspection_.storeValue(kInspectorKey, inspectorEdit->text());
    inspection_.storeValue(kCarrierKey, carrierEdit->text());
    inspection_.storeValue(kStartDateKey, storedDate(startDateEdit->date()));
    inspection_.storeValue(kStartTimeKey, QLocale().toString(startTimeEdit->time(), QLocale::ShortFormat));
}

void CargoTankInspectionWindow::markDirty()
{
    if (host_.setDirty)
        host_.setDirty(true);
}

QString CargoTankInspectionWindow::picturesFolder() const { return host_.programFolder + QStringLiteral("Data/CTI/Tanks/"); }

QString CargoTankInspectionWindow::referenceText() const
{
    const QString name = referenceFile(inspection_.currentTank());
    if (name.isEmpty())
        return {};
    QFile file(host_.programFolder + QStringLiteral("Data/CTI/Reference/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void CargoTankInspectionWindow::showForms()
{
    if (inspection_.currentTank().isEmpty()) {
        // No tank: the question table with its header only, no violations.
        inspectionPage->showPage(questionsForm(QuestionsPage{}));
        violationsPage->showPage(violationsList(QString(), {}, false));
        TankPage details;
        details.large = true;
        detailsPage->showPage(tankPage(details));
        tankPanel->showPage(tankPage(TankPage{}));
        return;
    }
    inspectionPage->showPage(questionsForm(inspection_.questionsPage(false)));
    refreshTank();
    if (tabs->currentIndex() == ViolationsTab)
        refreshViolations(false);
}

void CargoTankInspectionWindow::refreshTank()
{
    tankPanel->showPage(tankPage(inspection_.tankPage(false, picturesFolder(), QString())));
    detailsPage->showPage(tankPage(inspection_.tankPage(true, picturesFolder(), referenceText())));
}

void CargoTankInspectionWindow::refreshViolations(bool warn)
{
    violationsPage->showPage(violationsList(inspection_.currentTank(), inspection_.violationRows(), true));
    violationsValid_ = true;
    if (warn && host_.settings && host_.settings->ctViolationWarning) {
        const QString text = unansweredWarning(inspection_.unansweredNumbers());
        if (!text.isEmpty())
            host_.prompts->information(text);
    }
}

void CargoTankInspectionWindow::enableCommands()
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

void CargoTankInspectionWindow::selectTankInCombo(const QString &tank)
{
    updatingCombo_ = true;
    tankList->setCurrentIndex(tank.isEmpty() ? -1 : tankList->findText(tank));
    updatingCombo_ = false;
}

void CargoTankInspectionWindow::afterChoice(TankInspection::Choice choice)
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

void CargoTankInspectionWindow::chooseTankFromList(int index)
{
    if (updatingCombo_ || index < 0)
        return;
    afterChoice(inspection_.chooseTank(tankList->itemText(index)));
}

void CargoTankInspectionWindow::openChart(const QString &variant)
{
    const ChartChoice choice = runChart(chartPath(host_.programFolder, variant));
    if (!choice.valid)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const TankInspection::Choice result = inspection_.chooseFromChart(choice);
    QApplication::restoreOverrideCursor();
    afterChoice(result == TankInspection::Choice::Unchanged ? TankInspection::Choice::Chosen : result);
    reportNumberEdit->setFocus();
}

void CargoTankInspectionWindow::viewTanks() { openChart(QString()); }

void CargoTankInspectionWindow::followLink(const QString &href)
{
    int question = 0, answer = 0;
    if (parseAnswerHref(href, &question, &answer)) {
        inspection_.answer(question, answer);
        violationsValid_ = false;
        inspectionPage->showPage(questionsForm(inspection_.questionsPage(false)));
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

void CargoTankInspectionWindow::tabChanged(int index)
{
    enableCommands();
    if (index == ViolationsTab && !inspection_.currentTank().isEmpty())
        refreshViolations(true);
}

void CargoTankInspectionWindow::setAllAnswersYes(bool on)
{
    inspection_.setYesDefault(on);
    actNo->setChecked(false);
    violationsValid_ = false;
    if (!inspection_.currentTank().isEmpty())
        showForms();
}

void CargoTankInspectionWindow::setAllAnswersNo(bool on)
{
    inspection_.setNoDefault(on);
    actYes->setChecked(false);
    violationsValid_ = false;
    if (!inspection_.currentTank().isEmpty())
        showForms();
}

void CargoTankInspectionWindow::resetInspection()
{
    inspection_.resetAnswers();
    violationsValid_ = false;
    for (QLineEdit *edit : {reportNumberEdit, usdotEdit, inspectorEdit, carrierEdit})
        edit->clear();
    showForms();
}

void CargoTankInspectionWindow::startNewInspection()
{
    inspection_.newInspection();
    selectTankInCombo(QString());
    for (QLineEdit *edit : {reportNumberEdit, usdotEdit, inspectorEdit, carrierEdit})
        edit->clear();
    startDateEdit->setDate(QDate::currentDate());
    startTimeEdit->setTime(QTime::currentTime());
    violationsValid_ = false;
    showForms();
    enableCommands();
}

void CargoTankInspectionWindow::save()
{
    storeHeader();
    if (host_.saveTruckload)
        host_.saveTruckload();
    storeHeader();
}

QStringList CargoTankInspectionWindow::reportPage(Report report)
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
    header.reportNumber = reportNumberEdit->text();
    header.usdotNumber = usdotEdit->text();
    header.inspector = inspectorEdit->text();
    header.carrier = carrierEdit->text();
    header.date = QLocale().toString(startDateEdit->date(), QLocale::ShortFormat);
    header.time = QLocale().toString(startTimeEdit->time(), QLocale::ShortFormat);
    return inspectionReport(tank, header, questionsForm(inspection_.questionsPage(false)),
                            violationsList(tank, inspection_.violationRows(), false));
}

void CargoTankInspectionWindow::printReport(int report)
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

QLineEdit *CargoTankInspectionWindow::focusedEdit() const
{
    for (QLineEdit *edit : {reportNumberEdit, usdotEdit, inspectorEdit, carrierEdit})
        if (edit->hasFocus())
            return edit;
    return nullptr;
}

void CargoTankInspectionWindow::copySelection()
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
    for (QLineEdit *edit : {usdotEdit, reportNumberEdit, carrierEdit, inspectorEdit})
        if (!edit->text().isEmpty()) {
            QApplication::clipboard()->setText(edit->text());
            return;
        }
}

void CargoTankInspectionWindow::pasteIntoField()
{
    if (QLineEdit *edit = focusedEdit())
        edit->paste();
}

void CargoTankInspectionWindow::selectAllOfFocus()
{
    if (QLineEdit *edit = focusedEdit()) {
        edit->selectAll();
        return;
    }
    static_cast<TankBrowser *>(tabs->currentWidget())->selectAll();
}

void CargoTankInspectionWindow::showHelpContents()
{
    if (!host_.openHelp || !host_.openHelp(QStringLiteral("common_module_cti.htm")))
        host_.prompts->error(QStringLiteral("Unable to open the Motor Cargo Tank help file."));
}

void CargoTankInspectionWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!shown_) {
        shown_ = true;
        reportNumberEdit->setFocus();
    }
}

void CargoTankInspectionWindow::done(int result)
{
    storeHeader();
    QDialog::done(result);
}

bool openCargoTankInspection(const InspectionHost &host, QWidget *parent, const std::function<void(CargoTankInspectionWindow &)> &run)
{
    if (HasNonBulk_Load(GetLoad_Engine(host.engine)) &&
        host.prompts->show(PromptType::Warning, nonBulkWarning(), PromptButtons::YesNo) != PromptAnswer::Yes)
        return false;
    CargoTankInspectionWindow window(host, parent);
    if (run)
        run(window);
    else
        window.exec();
    return true;
}

} // namespace velmora::cargo_tank
