// The cargo tank inspection window on the real engine, headless: opening
// (non-bulk warning, empty forms), choosing tanks (selector, chart, legality
// question, answer modes, vacuum question), answering by clicking the page,
// violations with the out-of-service mark, the unanswered-question reminder,
// printing to PDF, and saving then reopening the truckload with the
// inspection intact.  Also checks the links of the supplied chart and
// reference pages.
#include "auditors/cargo_tank/cti_window.h"
#include "auditors/cargo_tank/open_from_main_window.h"
#include "auditors/cargo_tank/tank_chart.h"
#include "auditors/cargo_tank/tank_html.h"
#include "auditors/cargo_tank/tank_printing.h"
#include "support/fakes.h"
#include "app/dravlen_library.h"
#include "app/main_window.h"
#include "truckload/truckload_view.h"
#include "saved/saved_store.h"
#include "support/truckload_items.h"

#include "dravlen.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDirIterator>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTimer>
#include <QPrinter>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>

using namespace velmora;
using namespace velmora::cargo_tank;
using namespace velmora::test;

namespace {

QString programFolder() { return QCoreApplication::applicationDirPath() + QLatin1Char('/'); }

// Puts an item of an ID on the truckload in bulk or non-bulk packaging.
void addPackagedItem(Engine *engine, const char *id, bool bulk)
{
    alignas(std::max_align_t) unsigned char storage[256] = {};
    auto *item = reinterpret_cast<Hazmat *>(storage);
    Init_Hazmat(item, SearchCT_HazData(id, 2, 0));
    SetPackingGroup_Hazmat(item, 2);
    SetWeight_Hazmat(item, 3000);
    SetBulkPackaging_Hazmat(item, bulk ? -1 : 0);
    QVERIFY(Add_Load(GetLoad_Engine(engine), item) >= 0);
    Reset_Hazmat(item, 0);
}

// A window's world: the engine, scripted prompts, the saved-truckloads
// store in a temporary folder and the main window's dirty flag.
struct Fixture {
    QTemporaryDir dir;
    TestEngine engine;
    ScriptedPrompts prompts;
    Settings settings;
    SavedStore store{engine.get(), prompts, settings};
    std::deque<std::optional<QString>> truckIds;
    bool dirty = false;
    QStringList citations;

    Fixture()
    {
        settings.savePath = withTrailingSeparator(dir.path().toStdString());
        store.askTruckId = scriptedTruckIds(truckIds);
        store.askSavePath = scriptedSaveNames(truckIds);
        store.isDirty = [this] { return dirty; };
        store.setDirty = [this](bool on) { dirty = on; };
    }
    InspectionHost host()
    {
        InspectionHost h;
        h.engine = engine.get();
        h.prompts = &prompts;
        h.settings = &settings;
        h.programFolder = programFolder();
        h.saveTruckload = [this] { return store.saveAs(); };
        h.setDirty = [this](bool on) { dirty = on; };
        h.openRegulation = [this](const QString &c) { citations << c; };
        return h;
    }
    Load *load() const { return engine.load(); }
};

void chooseTank(CargoTankInspectionWindow &w, const QString &tank)
{
    const int index = w.tankList->findText(tank);
    QVERIFY2(index >= 0, qPrintable(tank));
    w.tankList->setCurrentIndex(index);
}

// Clicks the link of `href` in a page view like a user would.
bool clickLink(TankBrowser *view, const QString &href)
{
    for (QTextBlock block = view->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().anchorHref() != href)
                continue;
            QTextCursor cursor(view->document());
            cursor.setPosition(fragment.position() + 1);
            view->ensureCursorVisible();
            view->setTextCursor(cursor);
            const QPoint at = view->cursorRect(cursor).center() - QPoint(2, 0);
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
            return true;
        }
    }
    return false;
}

QStringList hrefsOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList hrefs;
    static const QRegularExpression href(QStringLiteral("HREF=\"([^\"]*)\""), QRegularExpression::CaseInsensitiveOption);
    for (auto it = href.globalMatch(QString::fromUtf8(file.readAll())); it.hasNext();)
        hrefs << it.next().captured(1);
    return hrefs;
}

} // namespace

class CargoTankWindowTest : public QObject {
    Q_OBJECT
private slots:
    void nonBulkWarningBeforeOpening_data()
    {
        QTest::addColumn<bool>("bulk");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<int>("warnings");
        QTest::newRow("bulk load opens at once") << true << int(PromptAnswer::No) << true << 0;
        QTest::newRow("non-bulk, Yes") << false << int(PromptAnswer::Yes) << true << 1;
        QTest::newRow("non-bulk, No") << false << int(PromptAnswer::No) << false << 1;
    }
    void nonBulkWarningBeforeOpening()
    {
        QFETCH(bool, bulk);
        QFETCH(int, answer);
        QFETCH(bool, opened);
        QFETCH(int, warnings);
        Fixture f;
        addPackagedItem(f.engine.get(), "UN1203", bulk);
        f.prompts.answers = {static_cast<PromptAnswer>(answer)};
        bool ran = false;
        QCOMPARE(openCargoTankInspection(f.host(), nullptr, [&](CargoTankInspectionWindow &) { ran = true; }), opened);
        QCOMPARE(ran, opened);
        QCOMPARE(int(f.prompts.shown.size()), warnings);
        if (warnings) {
            QCOMPARE(f.prompts.shown[0].type, PromptType::Warning);
            QCOMPARE(f.prompts.shown[0].text, nonBulkWarning());
        }
    }

    // The whole roadside flow on a gasoline load: choose DOT/TC 406, fill
    // the header, answer by clicking, mark a violation out of service, save;
    // then open the saved file and find the inspection as it was.
    void inspectSaveAndReopen()
    {
        Fixture f;
        addPackagedItem(f.engine.get(), "UN1203", true);
        QString saved;
        {
            CargoTankInspectionWindow w(f.host());
            w.show();
            QVERIFY(!w.actSave->isEnabled());
            QCOMPARE(w.inspectionPage->pageLines().count(), 12);   // the header row only
            chooseTank(w, QStringLiteral("DOT/TC 406"));
            QVERIFY(w.actSave->isEnabled());
            QCOMPARE(QString::fromLatin1(GetVehicle_Load(f.load())), QStringLiteral("DOT/TC 406"));
            QVERIFY(f.dirty);

            QTest::keyClicks(w.reportNumberEdit, QStringLiteral("R-2026-17"));
            QTest::keyClicks(w.usdotEdit, QStringLiteral("1234567"));
            w.inspectorEdit->clear();
            QTest::keyClicks(w.inspectorEdit, QStringLiteral("J. Ortiz"));
            QTest::keyClicks(w.carrierEdit, QStringLiteral("Valley Fuel"));
            w.startDateEdit->setDate(QDate(2026, 12, 9));

            QVERIFY(clickLink(w.inspectionPage, QStringLiteral("answer:1:No")));
            QCOMPARE(GetAnswer_Vehicle(f.load(), 1, 0), 0);
            QVERIFY(clickLink(w.inspectionPage, QStringLiteral("answer:2:Yes")));
            QCOMPARE(GetAnswer_Vehicle(f.load(), 2, 0), 1);
            QVERIFY(w.inspectionPage->pageLines().join(QString()).contains(
                QLatin1String("CHECKED ID=\"1\" NAME=\"1\" VALUE=\"No\"")));

            // A regulation link of the page opens the viewer at its citation.
            const QString reg = w.inspectionPage->pageLines().filter(QStringLiteral("quarvel cite=")).first();
            const QString href = reg.section(QLatin1Char('"'), 1, 1);
            QVERIFY(clickLink(w.inspectionPage, href));
            QCOMPARE(f.citations, QStringList{citationOfHref(href)});

            w.tabs->setCurrentIndex(1);
            const auto rows = w.inspection().violationRows();
            QCOMPARE(int(rows.size()), 1);
            QCOMPARE(rows[0].questionReference, 1);
            QCOMPARE(rows[0].outOfService, OutOfService::Unknown);
            QVERIFY(clickLink(w.violationsPage, outOfServiceHref(0)));
            QCOMPARE(w.inspection().violationRows()[0].outOfService, OutOfService::Yes);

            f.truckIds = {QStringLiteral("Tanker 9")};
            w.actSave->trigger();
            saved = f.store.pathFor(QStringLiteral("Tanker 9"));
            QVERIFY(QFileInfo::exists(saved));
            QVERIFY(!f.dirty);
            w.close();
        }

        Reset_Load(f.load());
        QCOMPARE(f.store.open(saved), SavedStore::OpenResult::Opened);
        CargoTankInspectionWindow w(f.host());
        QCOMPARE(w.tankList->currentText(), QStringLiteral("DOT/TC 406"));
        QCOMPARE(w.reportNumberEdit->text(), QStringLiteral("R-2026-17"));
        QCOMPARE(w.usdotEdit->text(), QStringLiteral("1234567"));
        QCOMPARE(w.inspectorEdit->text(), QStringLiteral("J. Ortiz"));
        QCOMPARE(w.carrierEdit->text(), QStringLiteral("Valley Fuel"));
        QCOMPARE(w.startDateEdit->date(), QDate(2026, 12, 9));
        QCOMPARE(QString::fromLatin1(GetValue_Vehicle(f.load(), kStartDateKey)), QStringLiteral("12-9-2026"));
        QCOMPARE(GetAnswer_Vehicle(f.load(), 1, 0), 0);
        QCOMPARE(GetAnswer_Vehicle(f.load(), 2, 0), 1);
        const auto rows = w.inspection().violationRows();
        QCOMPARE(int(rows.size()), 1);
        QCOMPARE(rows[0].outOfService, OutOfService::Yes);
    }

    void inspectorNameDefault_data()
    {
        QTest::addColumn<bool>("stored");
        QTest::addColumn<bool>("useDefault");
        QTest::addColumn<QString>("shown");
        QTest::newRow("absent key takes the setting") << false << true << "Default Officer";
        QTest::newRow("stored name wins") << true << true << "Stored Officer";
        QTest::newRow("the default turned off gives no name") << false << false << "";
    }
    void inspectorNameDefault()
    {
        QFETCH(bool, stored);
        QFETCH(bool, useDefault);
        QFETCH(QString, shown);
        Fixture f;
        f.settings.enableDefaultInsp = useDefault;
        f.settings.defaultInspName = "Default Officer";
        if (stored)
            SetValue_Vehicle(f.load(), kInspectorKey, "Stored Officer");
        CargoTankInspectionWindow w(f.host());
        QCOMPARE(w.inspectorEdit->text(), shown);
    }

    void legalityPromptOnTankChange_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("tank");
        QTest::newRow("No keeps the previous tank") << int(PromptAnswer::No) << "DOT/TC 406";
        QTest::newRow("Yes takes the tank") << int(PromptAnswer::Yes) << "MC/TC 338";
    }
    void legalityPromptOnTankChange()
    {
        QFETCH(int, answer);
        QFETCH(QString, tank);
        Fixture f;
        addPackagedItem(f.engine.get(), "UN1203", true);
        SetVehicle_Load(f.load(), "DOT/TC 406");
        CargoTankInspectionWindow w(f.host());
        QVERIFY(f.prompts.shown.empty());   // opening asks nothing
        f.prompts.answers = {static_cast<PromptAnswer>(answer)};
        chooseTank(w, QStringLiteral("MC/TC 338"));
        QCOMPARE(int(f.prompts.shown.size()), 1);
        QCOMPARE(f.prompts.shown[0].type, PromptType::Error);
        QCOMPARE(f.prompts.shown[0].text, QStringLiteral("Choosing this vehicle will make this load illegal.  Are "
                                                         "you sure you want to choose MC/TC 338?"));
        QCOMPARE(w.tankList->currentText(), tank);
        QCOMPARE(w.inspection().currentTank(), tank);
        QCOMPARE(QString::fromLatin1(GetVehicle_Load(f.load())), tank);
        const bool refused = tank == QLatin1String("DOT/TC 406");
        QCOMPARE(w.inspection().notApproved(), refused ? QString() : QStringLiteral("UN1203"));
        QCOMPARE(w.tankPanel->pageLines().join(QString()).contains(
                     QLatin1String("MC/TC 338 is not approved to carry UN1203")),
                 !refused);
    }

    // With "Set All Answers to Yes" on, a newly chosen tank shows every
    // question answered Yes; Reset empties answers and header; New
    // Inspection leaves no tank.
    void answerModesResetAndNew()
    {
        Fixture f;
        CargoTankInspectionWindow w(f.host());
        chooseTank(w, QStringLiteral("MC/TC 307"));
        w.actYes->trigger();
        QVERIFY(w.actYes->isChecked());
        chooseTank(w, QStringLiteral("MC/TC 312"));
        const uint32_t count = GetNumQuestions_Vehicle(f.load(), 0);
        QVERIFY(count > 10);
        for (uint32_t i = 0; i < count; ++i)
            QCOMPARE(GetAnswer_Vehicle(f.load(), i, 0), 1);
        QCOMPARE(w.inspectionPage->pageLines().filter(QStringLiteral("CHECKED ID=")).count(), int(count));
        // The Yes answer of the vacuum question settles it as vacuum loaded.
        chooseTank(w, QStringLiteral("DOT/TC 412"));
        QVERIFY(w.inspection().vacuumDecided() && w.inspection().vacuum());
        QVERIFY(w.tankPanel->pageLines().join(QString()).contains(QLatin1String("Tanks/407s.svg")));

        w.actNo->trigger();
        QVERIFY(!w.actYes->isChecked());
        QCOMPARE(GetAnswer_Vehicle(f.load(), 0, 0), 0);
        w.actNo->trigger();   // both off: every answer unanswered
        QCOMPARE(GetAnswer_Vehicle(f.load(), 0, 0), 2);

        w.carrierEdit->setText(QStringLiteral("Acme"));
        w.inspection().answer(3, 0);
        w.actReset->trigger();
        QCOMPARE(GetAnswer_Vehicle(f.load(), 3, 0), 2);
        QVERIFY(w.carrierEdit->text().isEmpty());

        w.actNew->trigger();
        QCOMPARE(QString::fromLatin1(GetVehicle_Load(f.load())), QStringLiteral("Unit Load"));
        QCOMPARE(w.tankList->currentIndex(), -1);
        QVERIFY(!w.actSave->isEnabled());
    }

    // Entering the Violations tab reminds of unanswered questions when the
    // setting asks for it.
    void unansweredReminder_data()
    {
        QTest::addColumn<bool>("warn");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("setting on") << true
                                    << QStringList{"Please answer the following inspection questions: 3, 7"};
        QTest::newRow("setting off") << false << QStringList{};
    }
    void unansweredReminder()
    {
        QFETCH(bool, warn);
        QFETCH(QStringList, texts);
        Fixture f;
        f.settings.ctViolationWarning = warn;
        CargoTankInspectionWindow w(f.host());
        chooseTank(w, QStringLiteral("MC/TC 306"));
        const uint32_t count = GetNumQuestions_Vehicle(f.load(), 0);
        for (uint32_t i = 0; i < count; ++i)
            if (i != 2 && i != 6)
                w.inspection().answer(int(i), 1);
        w.tabs->setCurrentIndex(1);
        QCOMPARE(f.prompts.texts(), texts);
        QVERIFY(w.violationsPage->pageLines().contains(QStringLiteral("<B><BIG><BIG>None</BIG></BIG></B>")));
    }

    // DOT/TC 407: the View Tank link opens the 407 chart; its vacuum link
    // settles the question, the picture and the family.
    void vacuumFromTheChart()
    {
        Fixture f;
        CargoTankInspectionWindow w(f.host());
        w.show();
        QStringList opened;
        QStringList missing;
        w.runChart = [&](const QString &path) {
            opened << QFileInfo(path).fileName();
            if (!QFileInfo::exists(path))
                missing << path;
            return parseChartLink(QStringLiteral("DOT/TC 407 Vacuum"));
        };
        chooseTank(w, QStringLiteral("DOT/TC 407"));
        QVERIFY(!w.tankPanel->pageLines().join(QString()).contains(QLatin1String("<IMG")));
        QVERIFY(clickLink(w.inspectionPage, QStringLiteral("//")));
        QCOMPARE(opened, QStringList{"407 Road Trailer Identification Chart.htm"});
        QCOMPARE(missing, QStringList{});
        QVERIFY(w.inspection().vacuum() && w.inspection().vacuumDecided());
        QCOMPARE(GetAnswer_Vehicle(f.load(), 0, 0), 1);
        QVERIFY(w.tankPanel->pageLines().join(QString()).contains(QLatin1String("Tanks/407s.svg")));
        QVERIFY(w.detailsPage->pageLines().join(QString()).contains(QLatin1String("Tanks/407.svg")));

        // The whole chart from the menu: a plain tank clears the vacuum.
        w.runChart = [&](const QString &path) {
            opened << QFileInfo(path).fileName();
            return parseChartLink(QStringLiteral("MC/TC 338"));
        };
        w.actViewTanks->trigger();
        QCOMPARE(opened.last(), QStringLiteral("Road Trailer Identification Chart.htm"));
        QCOMPARE(w.tankList->currentText(), QStringLiteral("MC/TC 338"));
        QVERIFY(!w.inspection().vacuum());
    }

    // Copy takes the page's selection, else the first filled header field;
    // Paste goes to the focused field; Select All selects the page.
    void copyPasteSelectAll()
    {
        Fixture f;
        CargoTankInspectionWindow w(f.host());
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        chooseTank(w, QStringLiteral("MC/TC 331"));
        w.carrierEdit->setText(QStringLiteral("Prairie Gas"));
        w.usdotEdit->setText(QStringLiteral("7654321"));
        QClipboard *clipboard = QApplication::clipboard();

        w.reportNumberEdit->setFocus();
        w.actCopy->trigger();
        QCOMPARE(clipboard->text(), QStringLiteral("7654321"));

        w.inspectionPage->setFocus();
        w.actSelectAll->trigger();
        w.actCopy->trigger();
        QVERIFY(clipboard->text().contains(QLatin1String("MC/TC 331 Tank Inspection")));

        clipboard->setText(QStringLiteral("R-99"));
        QVERIFY(w.actPaste->isEnabled());
        w.reportNumberEdit->setFocus();
        w.actPaste->trigger();
        QCOMPARE(w.reportNumberEdit->text(), QStringLiteral("R-99"));
        w.actSelectAll->trigger();
        QCOMPARE(w.reportNumberEdit->selectedText(), QStringLiteral("R-99"));
    }

    void missingChartFile()
    {
        Fixture f;
        QTemporaryDir empty;
        InspectionHost host = f.host();
        host.programFolder = empty.path() + QLatin1Char('/');
        CargoTankInspectionWindow w(host);
        chooseTank(w, QStringLiteral("MC/TC 331"));
        w.actViewTanks->trigger();
        QCOMPARE(f.prompts.texts(), QStringList{"Unable to open the Cargo Tank List file"});
        QCOMPARE(w.inspection().currentTank(), QStringLiteral("MC/TC 331"));
    }

    // The supplied chart: clicking a tank name chooses it; every link of
    // the charts names a tank or cites a section, every link of the
    // reference tables cites a section.
    void suppliedPages()
    {
        TankChartWindow chart;
        QVERIFY(chart.loadChart(chartPath(programFolder(), QString())));
        chart.show();
        QVERIFY(clickLink(chart.view, QStringLiteral("MC/TC 312")));
        QVERIFY(chart.choice().valid);
        QCOMPARE(chart.choice().tank, QStringLiteral("MC/TC 312"));

        for (const QString &variant : {QString(), QStringLiteral("407"), QStringLiteral("412")}) {
            const QStringList hrefs = hrefsOf(chartPath(programFolder(), variant));
            QVERIFY(!hrefs.isEmpty());
            for (const QString &href : hrefs)
                QVERIFY2(parseChartLink(href).valid || !citationOfHref(href).isEmpty(), qPrintable(href));
            if (!variant.isEmpty())
                QVERIFY(hrefs.contains(QStringLiteral("DOT/TC ") + variant + QStringLiteral(" Vacuum")));
        }
        for (const QString &tank : tankNames()) {
            const QString file = referenceFile(tank);
            if (file.isEmpty())
                continue;
            const QStringList hrefs = hrefsOf(programFolder() + QStringLiteral("Data/CTI/Reference/") + file);
            QVERIFY2(hrefs.size() > 10, qPrintable(file));
            for (const QString &href : hrefs)
                QVERIFY2(!citationOfHref(href).isEmpty(), qPrintable(href));
            QVERIFY(hrefs.contains(regulationHref(QStringLiteral("180.407(c)"))));
        }
        for (const char *base : {"306", "307", "312", "331", "338", "407"})
            for (const char *suffix : {".svg", "s.svg"}) {
                const QImage picture = pagePicture(programFolder() + "Data/CTI/Tanks/" + base + suffix);
                QVERIFY2(picture.width() > 100, suffix);
            }
    }

    // From the main window's Auditing menu: the inspection works on its
    // truckload, and afterwards its vehicle list shows the tank chosen.
    void openedFromTheMainWindow()
    {
        QTemporaryDir dir;
        const std::string folder = withTrailingSeparator(dir.path().toStdString());
        DravlenLibrary lib;
        ScriptedPrompts prompts;
        MainWindow main(lib, prompts, {folder, folder, folder});
        QVERIFY(main.started());
        addPackagedItem(main.engine(), "UN1203", true);
        QString caption;
        QTimer::singleShot(0, [&] {
            auto *w = qobject_cast<CargoTankInspectionWindow *>(QApplication::activeModalWidget());
            if (!w)
                return;
            caption = w->windowTitle();
            chooseTank(*w, QStringLiteral("DOT/TC 406"));
            w->close();
        });
        QAction *command = main.findChild<QAction *>(QStringLiteral("actMotorCargoTankInspection"));
        QVERIFY(command);
        QVERIFY(main.auditingMenu()->actions().contains(command));
        QCOMPARE(command->text(), QStringLiteral("&Motor Cargo Tank Inspection"));
        QCOMPARE(main.popupMenu()->actions().value(3)->text(), QStringLiteral("Motor Cargo Tank Inspection"));
        command->trigger();
        QCOMPARE(caption, QStringLiteral("Motor Cargo Tank Inspection"));
        QCOMPARE(main.truckloadView()->vehicleSelector()->currentText(), QStringLiteral("DOT/TC 406"));
        QVERIFY(main.isDirty());
    }

    void printsEachReportToPdf()
    {
        Fixture f;
        addPackagedItem(f.engine.get(), "UN1203", true);
        CargoTankInspectionWindow w(f.host());
        chooseTank(w, QStringLiteral("DOT/TC 406"));
        w.inspection().answer(0, 0);
        QTemporaryDir out;
        for (int report = 0; report < 4; ++report) {
            const QString path = out.filePath(QString::number(report) + ".pdf");
            w.choosePrinter = [&](QPrinter &printer) {
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setOutputFileName(path);
                return true;
            };
            w.actPrint[report]->trigger();
            QFile pdf(path);
            QVERIFY2(pdf.open(QIODevice::ReadOnly), qPrintable(path));
            QVERIFY(pdf.read(5) == "%PDF-");
        }
        QVERIFY(f.prompts.shown.empty());
        const QStringList report = w.reportPage(CargoTankInspectionWindow::Report::InspectionReport);
        QVERIFY(report.contains(QStringLiteral("<!--DOT/TC 406-->")));
        QCOMPARE(report.filter(QStringLiteral("<!--Violations-->")).count(), 1);
        QVERIFY(!w.reportPage(CargoTankInspectionWindow::Report::QuestionsUnanswered).join(QString()).contains(
            QLatin1String("CHECKED")));
    }
};

QTEST_MAIN(CargoTankWindowTest)
#include "window_test.moc"
