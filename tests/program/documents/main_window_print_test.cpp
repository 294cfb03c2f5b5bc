// The main window's print commands on a real truckload: Print prints the
// option the compliance view shows, Print All every option, and the
// toolbar carries Print.
#include "support/fakes.h"
#include "app/dravlen_library.h"
#include "app/main_window.h"
#include "documents/print_commands.h"
#include "compliance/compliance_view.h"
#include "documents/report_commands.h"

#include "dravlen.h"

#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

using namespace velmora;
using namespace velmora::test;

class MainWindowPrintTest : public QObject {
    Q_OBJECT
private slots:
    void printAndPrintAll()
    {
        QTemporaryDir dir;
        const std::string folder = withTrailingSeparator(dir.path().toStdString());
        DravlenLibrary lib;
        ScriptedPrompts prompts;
        MainWindow w(lib, prompts, {folder, folder, folder});
        QVERIFY(w.started());
        w.show();

        // Gasoline in a cargo tank: three placarding options.
        alignas(std::max_align_t) unsigned char storage[256] = {};
        auto *item = reinterpret_cast<Hazmat *>(storage);
        Init_Hazmat(item, SearchCT_HazData("UN1203", 2, 0));
        SetPackingGroup_Hazmat(item, 2);
        SetWeight_Hazmat(item, 3000);
        SetBulkPackaging_Hazmat(item, -1);
        QVERIFY(Add_Load(GetLoad_Engine(lib.engine()), item) >= 0);
        Reset_Hazmat(item, 0);
        SetVehicle_Load(GetLoad_Engine(lib.engine()), "MC/TC 306");
        w.showView(View::Compliance);
        w.complianceView()->showOption(3);

        QVERIFY(w.findChild<QToolBar *>()->actions().contains(w.printCommands()->printAction()));
        const QString pdf = QDir(dir.path()).filePath(QStringLiteral("printed.pdf"));
        w.reportCommands()->output().askPrinter = [&](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        };
        const auto printed = [&] {
            QProcess text;
            text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
            text.waitForFinished(60000);
            return QString::fromUtf8(text.readAllStandardOutput());
        };

        w.printCommands()->printAction()->trigger();
        QString text = printed();
        QVERIFY2(text.contains(QStringLiteral("Placarding Option 3")), qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("Placarding Option 1")));
        QVERIFY(text.contains(QStringLiteral("Gasoline")));
        QCOMPARE(w.statusText(), QStringLiteral("Printed Placarding Instructions"));

        w.printCommands()->printAllAction()->trigger();
        text = printed();
        for (const char *option : {"Placarding Option 1", "Placarding Option 2", "Placarding Option 3"})
            QVERIFY(text.contains(QLatin1String(option)));

        // A cancelled print dialog prints nothing and says so.
        QVERIFY(QFile::remove(pdf));
        w.reportCommands()->output().askPrinter = [](QPrinter &) { return false; };
        w.printCommands()->printAction()->trigger();
        QVERIFY(!QFile::exists(pdf));
        QCOMPARE(w.statusText(), QStringLiteral("Printing cancelled: nothing was printed."));
        QVERIFY(prompts.shown.empty());
    }
};

QTEST_MAIN(MainWindowPrintTest)
#include "main_window_print_test.moc"
