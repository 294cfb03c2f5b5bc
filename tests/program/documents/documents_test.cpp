// Printing, preview and PDF export of report pages: a cancelled or failing
// printer prints nothing and says so, a PDF goes where the user says or is
// refused with the path named, and the preview shows the pages that print.
#include "documents/documents.h"
#include "documents/report_jobs.h"
#include "support/fakes.h"

#include <QDir>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace velmora;

namespace {

// Three pages of a report: each paragraph starts a page.
reports::PrintJob threePages()
{
    QString html = QStringLiteral("<HTML><BODY>");
    for (int i = 1; i <= 3; ++i)
        html += QStringLiteral("<P%1>Section %2 of the report</P>")
                    .arg(i > 1 ? QStringLiteral(" STYLE=\"page-break-before: always;\"") : QString())
                    .arg(i);
    return htmlPrintJob(html + QStringLiteral("</BODY></HTML>"), QStringLiteral("Truck ID: DOCK 4"));
}

QString pdfText(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class DocumentsTest : public QObject {
    Q_OBJECT

private slots:
    void printing_data();
    void printing();
    void pdfExport_data();
    void pdfExport();
    void previewShowsThePagesThatPrint();
    void certificationFollowsWhenAskedFor_data();
    void certificationFollowsWhenAskedFor();
    void savedTruckloadFile_data();
    void savedTruckloadFile();
};

void DocumentsTest::printing_data()
{
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("output");     // printer output under the test folder
    QTest::addColumn<int>("fromPage");
    QTest::addColumn<int>("toPage");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QStringList>("printed");
    QTest::addColumn<QStringList>("notPrinted");

    QTest::newRow("all pages") << true << "printer.pdf" << 0 << 0 << int(DocumentOutcome::Done)
                               << QStringList{"Section 1", "Section 2", "Section 3", "Truck ID: DOCK 4", "Page 3"}
                               << QStringList{};
    QTest::newRow("page range chosen in the dialog")
        << true << "printer.pdf" << 2 << 3 << int(DocumentOutcome::Done) << QStringList{"Section 2", "Section 3"}
        << QStringList{"Section 1"};
    QTest::newRow("dialog cancelled") << false << "printer.pdf" << 0 << 0 << int(DocumentOutcome::Cancelled)
                                      << QStringList{} << QStringList{};
    QTest::newRow("printer that fails") << true << "no such folder/printer.pdf" << 0 << 0
                                        << int(DocumentOutcome::Failed) << QStringList{} << QStringList{};
}

void DocumentsTest::printing()
{
    QFETCH(bool, accept);
    QFETCH(QString, output);
    QFETCH(int, fromPage);
    QFETCH(int, toPage);
    QFETCH(int, outcome);
    QFETCH(QStringList, printed);
    QFETCH(QStringList, notPrinted);

    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(output);
    test::ScriptedPrompts prompts;
    DocumentOutput documents(nullptr, prompts);
    // The print dialog's answer: a printer that writes a file.
    documents.askPrinter = [&](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        if (fromPage > 0) {
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(fromPage, toPage);
        }
        return accept;
    };

    QCOMPARE(int(documents.print(threePages(), QStringLiteral("Placarding instructions"))), outcome);
    switch (DocumentOutcome(outcome)) {
    case DocumentOutcome::Done: {
        QVERIFY(prompts.shown.empty());
        QCOMPARE(documents.status(), QStringLiteral("Printed Placarding instructions"));
        const QString text = pdfText(path);
        for (const QString &p : printed)
            QVERIFY2(text.contains(p), qPrintable(p + QStringLiteral(" missing from: ") + text));
        for (const QString &p : notPrinted)
            QVERIFY2(!text.contains(p), qPrintable(p));
        break;
    }
    case DocumentOutcome::Cancelled:
        QVERIFY(prompts.shown.empty());
        QVERIFY(!QFile::exists(path));
        QCOMPARE(documents.status(), QStringLiteral("Printing cancelled: nothing was printed."));
        break;
    case DocumentOutcome::Failed:
        QCOMPARE(prompts.shown.size(), size_t(1));
        QCOMPARE(prompts.shown[0].type, PromptType::Error);
        QVERIFY(prompts.shown[0].text.startsWith(QStringLiteral("The report could not be printed.")));
        QCOMPARE(documents.status(), QStringLiteral("Printing failed."));
        break;
    }
}

void DocumentsTest::pdfExport_data()
{
    QTest::addColumn<QString>("answer");     // the file dialog's answer, under the test folder; "-" = cancelled
    QTest::addColumn<QString>("written");    // the file expected, "" = none
    QTest::addColumn<int>("outcome");

    QTest::newRow("named with its suffix") << "TRUCK 12.pdf" << "TRUCK 12.pdf" << int(DocumentOutcome::Done);
    QTest::newRow("suffix added") << "TRUCK 12" << "TRUCK 12.pdf" << int(DocumentOutcome::Done);
    QTest::newRow("dialog cancelled") << "-" << "" << int(DocumentOutcome::Cancelled);
    QTest::newRow("folder that does not exist") << "gone/TRUCK 12.pdf" << "" << int(DocumentOutcome::Failed);
}

void DocumentsTest::pdfExport()
{
    QFETCH(QString, answer);
    QFETCH(QString, written);
    QFETCH(int, outcome);

    QTemporaryDir dir;
    test::ScriptedPrompts prompts;
    DocumentOutput documents(nullptr, prompts);
    QString offered;
    documents.askPdfPath = [&](const QString &suggested) {
        offered = suggested;
        return answer == QLatin1String("-") ? QString() : QDir(dir.path()).filePath(answer);
    };

    QCOMPARE(int(documents.exportPdf(threePages(), QStringLiteral("TRUCK 12.pdf"))), outcome);
    QCOMPARE(offered, QStringLiteral("TRUCK 12.pdf"));
    const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    if (written.isEmpty()) {
        QVERIFY(left.isEmpty());
    } else {
        QCOMPARE(left, QStringList{written});
        QVERIFY(pdfText(QDir(dir.path()).filePath(written)).contains(QStringLiteral("Section 3")));
    }
    if (DocumentOutcome(outcome) == DocumentOutcome::Failed) {
        QCOMPARE(prompts.shown.size(), size_t(1));
        QVERIFY2(prompts.shown[0].text.contains(QDir(dir.path()).filePath(answer)), qPrintable(prompts.shown[0].text));
    } else {
        QVERIFY(prompts.shown.empty());
    }
}

void DocumentsTest::previewShowsThePagesThatPrint()
{
    test::ScriptedPrompts prompts;
    DocumentOutput documents(nullptr, prompts);
    std::unique_ptr<QPrintPreviewDialog> dialog(documents.createPreview(threePages(), QStringLiteral("Preview")));
    auto *widget = dialog->findChild<QPrintPreviewWidget *>();
    QVERIFY(widget);
    widget->updatePreview();
    QCOMPARE(widget->pageCount(), 3);
    QVERIFY(prompts.shown.empty());
}

void DocumentsTest::certificationFollowsWhenAskedFor_data()
{
    QTest::addColumn<bool>("certification");
    QTest::addColumn<bool>("allOptions");
    QTest::addColumn<int>("documents");
    QTest::addColumn<QStringList>("options");   // option titles printed
    QTest::newRow("current option") << false << false << 1 << QStringList{"Placarding Option 2"};
    QTest::newRow("all options with certification")
        << true << true << 2 << QStringList{"Placarding Option 1", "Placarding Option 2", "Placarding Option 3"};
}

void DocumentsTest::certificationFollowsWhenAskedFor()
{
    QFETCH(bool, certification);
    QFETCH(bool, allOptions);
    QFETCH(int, documents);
    QFETCH(QStringList, options);

    reports::TruckloadReport report;
    report.truckId = QStringLiteral("TRUCK 12");
    report.options.resize(3);
    Settings settings;
    settings.enablePrintCertification = certification;
    settings.enableDefaultMessage = false;
    settings.enableCustomMessage = true;
    settings.customMessage = "Seen by the yard supervisor.";
    TruckloadJobOptions job;
    job.currentOption = 1;
    job.allOptions = allOptions;
    const reports::PrintJob printed = truckloadJob(report, settings, job);
    QCOMPARE(int(printed.size()), documents);
    for (const QString &title : options)
        QVERIFY(printed[0].html.contains(title));
    QCOMPARE(printed[0].html.count(QStringLiteral("Placarding Option ")), options.size());
    if (certification) {
        QVERIFY(printed[1].html.contains(QStringLiteral("Seen by the yard supervisor.")));
        QCOMPARE(printed[1].footerLeft, QStringLiteral("Truck ID: TRUCK 12"));
    }
}

void DocumentsTest::savedTruckloadFile_data()
{
    QTest::addColumn<QByteArray>("bytes");   // empty: the sample saved truckload
    QTest::addColumn<bool>("readable");
    QTest::newRow("saved truckload") << QByteArray() << true;
    QTest::newRow("not a truckload") << QByteArray("PK\x03\x04 a zip file, not a truckload") << false;
    QTest::newRow("empty file") << QByteArray("") << false;
}

void DocumentsTest::savedTruckloadFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, readable);

    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("TRUCK 7.vlm"));
    if (readable) {
        QVERIFY(QFile::copy(QStringLiteral(VELMORA_CLI_SAMPLES "/TRUCK 7.vlm"), path));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QString error;
    const std::optional<reports::TruckloadReport> report = readSavedTruckload(path, Settings{}, &error);
    QCOMPARE(report.has_value(), readable);
    if (readable) {
        QCOMPARE(report->truckId, QStringLiteral("TRUCK 7"));
        QVERIFY(!report->manifest.empty());
        QVERIFY(!report->options.empty());
    } else {
        QCOMPARE(error, QLatin1Char('"') + path + QStringLiteral("\" is not a readable truckload."));
    }
}

QTEST_MAIN(DocumentsTest)
#include "documents_test.moc"
