// The print commands: what Print, Print All, the compliance report and
// Export as PDF print in each view, and the reports of a saved truckload.
#include "documents/report_commands.h"
#include "support/fakes.h"
#include "support/truckload_items.h"

#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace velmora;

namespace {

struct Window {
    test::TestEngine engine;
    ReportView view = ReportView::Truckload;
    Settings settings;
    QString selectedSaved;
    test::ScriptedPrompts prompts;

    Window()
    {
        // Flammable and corrosive liquids, 1,200 lb together and under
        // 2,205 lb each: a standard and a DANGEROUS option (172.504(b)).
        test::addItem(engine.get(), "UN1203", 2, 600);
        test::addItem(engine.get(), "UN1830", 2, 600);
        SetName_Load(engine.load(), "TRUCK 12");
        Calculate_Engine(engine.get());
    }
    ReportSources sources()
    {
        return {[this] { return view; },
                [this] { return engine.get(); },
                [] { return 1; },
                [this] { return settings; },
                [] { return std::vector<reports::SearchReportRow>{{"Gasoline", "3", "UN1203", "II", ""}}; },
                [] { return reports::SavedLoadsReport{false, {{"TRUCK 7", "12/09/2026 17:02:11"}}}; },
                [this] { return selectedSaved; }};
    }
};

int optionsIn(const reports::PrintJob &job) { return int(job.front().html.count(QStringLiteral("Placarding Option "))); }

} // namespace

class ReportCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void printPrintsWhatTheViewShows_data();
    void printPrintsWhatTheViewShows();
    void printAllAndTheComplianceReport();
    void savedTruckload_data();
    void savedTruckload();
};

void ReportCommandsTest::printPrintsWhatTheViewShows_data()
{
    QTest::addColumn<int>("view");
    QTest::addColumn<bool>("printAll");        // "DefaultPrintAll"
    QTest::addColumn<bool>("certification");   // "EnablePrintCertification"
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("options");          // -1: every option
    QTest::addColumn<int>("documents");
    QTest::addColumn<QString>("pdfName");

    QTest::newRow("truckload view, current option")
        << int(ReportView::Truckload) << false << false << "Placarding Option 2" << 1 << 1 << "TRUCK 12.pdf";
    QTest::newRow("compliance view, every option by preference, certification")
        << int(ReportView::Compliance) << true << true << "Placarding Option 1" << -1 << 2 << "TRUCK 12.pdf";
    QTest::newRow("search view") << int(ReportView::Search) << true << true << "Search Results" << 0 << 1
                                 << "Search Results.pdf";
    QTest::newRow("saved truckloads view")
        << int(ReportView::SavedTruckloads) << false << true << "Saved Loads" << 0 << 1 << "Saved Loads.pdf";
}

void ReportCommandsTest::printPrintsWhatTheViewShows()
{
    QFETCH(int, view);
    QFETCH(bool, printAll);
    QFETCH(bool, certification);
    QFETCH(QString, expected);
    QFETCH(int, options);
    QFETCH(int, documents);
    QFETCH(QString, pdfName);

    Window window;
    window.view = ReportView(view);
    window.settings.defaultPrintAll = printAll;
    window.settings.enablePrintCertification = certification;
    ReportCommands commands(nullptr, window.prompts, window.sources());

    const reports::PrintJob job = commands.printJob();
    QCOMPARE(int(job.size()), documents);
    QVERIFY(job.front().html.contains(expected));
    QCOMPARE(optionsIn(job), options < 0 ? GetNumOutputs_Engine(window.engine.get()) : options);

    // Export as PDF writes the same pages under the truck ID or the report.
    QTemporaryDir dir;
    QString offered;
    commands.output().askPdfPath = [&](const QString &suggested) {
        offered = suggested;
        return QDir(dir.path()).filePath(suggested);
    };
    QCOMPARE(commands.exportPdf(), DocumentOutcome::Done);
    QCOMPARE(offered, pdfName);
    QVERIFY(QFile::exists(QDir(dir.path()).filePath(pdfName)));
}

void ReportCommandsTest::printAllAndTheComplianceReport()
{
    Window window;
    QVERIFY(GetNumOutputs_Engine(window.engine.get()) >= 2);
    ReportCommands commands(nullptr, window.prompts, window.sources());
    for (ReportView view : {ReportView::Truckload, ReportView::Search, ReportView::SavedTruckloads}) {
        window.view = view;
        QCOMPARE(optionsIn(commands.printAllJob()), GetNumOutputs_Engine(window.engine.get()));
        const reports::PrintJob report = commands.complianceReportJob();
        QCOMPARE(optionsIn(report), GetNumOutputs_Engine(window.engine.get()));
        QVERIFY(report.front().html.contains(QStringLiteral("Load legality:")));
    }
    // Print All goes to the printer; a cancelled dialog prints nothing.
    commands.output().askPrinter = [](QPrinter &) { return false; };
    QCOMPARE(commands.printAll(), DocumentOutcome::Cancelled);
    QCOMPARE(commands.status(), QStringLiteral("Printing cancelled: nothing was printed."));
    QVERIFY(window.prompts.shown.empty());
}

void ReportCommandsTest::savedTruckload_data()
{
    QTest::addColumn<bool>("readable");
    QTest::newRow("saved truckload") << true;
    QTest::newRow("damaged file") << false;
}

void ReportCommandsTest::savedTruckload()
{
    QFETCH(bool, readable);

    QTemporaryDir folder, out;
    Window window;
    window.view = ReportView::SavedTruckloads;
    window.selectedSaved = QDir(folder.path()).filePath(QStringLiteral("TRUCK 7.vlm"));
    if (readable) {
        QVERIFY(QFile::copy(QStringLiteral(VELMORA_CLI_SAMPLES "/TRUCK 7.vlm"), window.selectedSaved));
    } else {
        QFile damaged(window.selectedSaved);
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("VLM\x07 cut short");
    }
    ReportCommands commands(nullptr, window.prompts, window.sources());
    bool asked = false;
    commands.output().askPdfPath = [&](const QString &suggested) {
        asked = true;
        return QDir(out.path()).filePath(suggested);
    };

    const DocumentOutcome outcome = commands.exportSavedPdf();
    const QString pdf = QDir(out.path()).filePath(QStringLiteral("TRUCK 7.pdf"));
    if (readable) {
        QCOMPARE(outcome, DocumentOutcome::Done);
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(60000));
        const QString printed = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(printed.contains(QStringLiteral("Truck ID: TRUCK 7")), qPrintable(printed));
        QVERIFY(printed.contains(QStringLiteral("Load legality:")));
        QVERIFY(window.prompts.shown.empty());
    } else {
        QCOMPARE(outcome, DocumentOutcome::Failed);
        QVERIFY(!asked);
        QVERIFY(!QFile::exists(pdf));
        QCOMPARE(window.prompts.texts(), QStringList{QLatin1Char('"') + window.selectedSaved +
                                                     QStringLiteral("\" is not a readable truckload.")});
    }
}

QTEST_MAIN(ReportCommandsTest)
#include "report_commands_test.moc"
