// The auditor windows headless: the buttons drive the audit, the view shows
// the pictures, links reach the regulations program, the report prints.
#include "auditors/auditor_print.h"
#include "auditors/auditor_shell.h"
#include "auditors/auditor_view.h"
#include "auditors/labels/label_auditor.h"
#include "auditors/markings/marking_auditor.h"

#include <QAction>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QToolButton>
#include <QtTest>

using namespace velmora::auditors;

namespace {

const QString kData = QStringLiteral(VELMORA_AUDITOR_DATA);

AuditItem gasoline()
{
    AuditItem item;
    item.id = QStringLiteral("UN1203");
    item.shippingName = QStringLiteral("Gasoline");
    item.hazardCodes = {QStringLiteral("3")};
    item.packingGroup = 2;
    return item;
}

// Clicks YES on pages holding one of the texts, NO on the others.
void clickThrough(AuditorWindow &w, const QStringList &yesWhen)
{
    for (int n = 0; n < 40 && w.yesButton()->isEnabled(); ++n) {
        const QString page = w.audit().view();
        const bool yes = std::any_of(yesWhen.begin(), yesWhen.end(), [&](const QString &t) { return page.contains(t); });
        QTest::mouseClick(yes ? w.yesButton() : w.noButton(), Qt::LeftButton);
    }
}

} // namespace

class AuditorWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void labelAuditorRunsFromItsButtons();
    void viewServesOnlyTheProgramsPictures();
    void linksOpenTheRegulationsProgram();
    void printsTheReport();
    void markingAuditorShowsItsError();
};

void AuditorWindowsTest::labelAuditorRunsFromItsButtons()
{
    auto window = makeLabelAuditor(gasoline(), kData);
    QCOMPARE(window->windowTitle(), QStringLiteral("HazMat Label Auditor"));
    QList<AuditMessage> shown;
    window->setMessageShower([&](const AuditMessage &m) { shown << m; });
    window->show();
    QVERIFY(window->yesButton()->isEnabled());
    QVERIFY(window->answerPanel()->isVisible());
    QVERIFY(window->view()->toPlainText().contains(QStringLiteral("UN1203")));
    clickThrough(*window, {QStringLiteral("must be labeled?"), QStringLiteral("label is required")});
    QVERIFY(window->audit().finished());
    QVERIFY(!window->answerPanel()->isVisible());
    QVERIFY(window->printAction()->isEnabled());
    QVERIFY(window->view()->toPlainText().contains(QStringLiteral("Labeling Instructions")));
    QVERIFY(shown.isEmpty());
    // Retry starts over and disables printing until the next finish.
    window->retryAction()->trigger();
    QVERIFY(window->answerPanel()->isVisible());
    QVERIFY(!window->printAction()->isEnabled());
    QVERIFY(window->yesButton()->isEnabled());
}

void AuditorWindowsTest::viewServesOnlyTheProgramsPictures()
{
    AuditorView view{AuditorFolders(kData)};
    const QImage label = view.pictureFor(kData + QStringLiteral("LABELS/3flmliq.jpg"));
    QCOMPARE(label.size(), QSize(150, 150));
    // The centre of the FLAMMABLE LIQUID label is red (172.419(b)).
    const QColor centre = label.pixelColor(75, 60);
    QVERIFY2(centre.red() > 180 && centre.green() < 80, qPrintable(centre.name()));
    QCOMPARE(view.pictureFor(kData + QStringLiteral("Markings/LTD_QTY.GIF")).size(), QSize(120, 120));
    // Anything else is a blank placeholder, so the view does not ask again.
    QCOMPARE(view.pictureFor(kData + QStringLiteral("HAZMAT/3.DIV")).size(), QSize(1, 1));
    QCOMPARE(view.pictureFor(kData + QStringLiteral("LABELS/../HAZMAT/3.DIV")).size(), QSize(1, 1));
    QCOMPARE(view.pictureFor(kData + QStringLiteral("LABELS/missing.gif")).size(), QSize(1, 1));
}

void AuditorWindowsTest::linksOpenTheRegulationsProgram()
{
    QCOMPARE(regulationsArgumentOfLink(QStringLiteral("quarvel cite=49CFR172.419")), QStringLiteral("cite=49CFR172.419"));
    QVERIFY(regulationsArgumentOfLink(QStringLiteral("viewer /cgi-bin/qvget.cgi?db=HAZMAT&doc=LTDQTY.HTM")).isEmpty());
    QVERIFY(regulationsArgumentOfLink(QStringLiteral("QUARVEL cite=1")).isEmpty());

    QTemporaryDir dir;
    QStringList started;
    auto starter = [&](const QString &program, const QStringList &arguments) {
        started << program + u' ' + arguments.join(u' ');
        return true;
    };
    openAuditorLink(QStringLiteral("quarvel cite=49CFR172.419"), dir.path() + u'/', starter);
    QVERIFY2(started.isEmpty(), "no regulations program in the folder: nothing starts");
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Tavisto")));
    QFile viewer(dir.path() + QStringLiteral("/Tavisto/quarvel"));
    QVERIFY(viewer.open(QIODevice::WriteOnly));
    viewer.close();
    openAuditorLink(QStringLiteral("quarvel cite=49CFR172.419"), dir.path() + u'/', starter);
    openAuditorLink(QStringLiteral("http://example.com"), dir.path() + u'/', starter);
    QCOMPARE(started, QStringList{dir.path() + QStringLiteral("/Tavisto/quarvel cite=49CFR172.419")});

    // A click on the citation of a question page reaches the window's handler.
    auto window = makeLabelAuditor(gasoline(), kData);
    QStringList clicked;
    window->setLinkHandler([&](const QString &href) { clicked << href; });
    window->resize(746, 448);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QTextBrowser *view = window->view();
    QPoint at;
    for (QTextBlock b = view->document()->begin(); b.isValid() && at.isNull(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isAnchor()) {
                QTextCursor c(view->document());
                c.setPosition(it.fragment().position() + 1);
                at = view->cursorRect(c).center();
                break;
            }
    QVERIFY(!at.isNull());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(clicked.size(), 1);
    QVERIFY2(clicked.first().startsWith(QStringLiteral("quarvel cite=49CFR172.400a")), qPrintable(clicked.first()));
}

void AuditorWindowsTest::printsTheReport()
{
    auto window = makeLabelAuditor(gasoline(), kData);
    window->show();
    clickThrough(*window, {QStringLiteral("must be labeled?"), QStringLiteral("label is required")});
    QVERIFY(window->audit().finished());
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("labels.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    QCOMPARE(printAuditReport(*window->view()->document(), QStringLiteral("HazMat Labeling Report"), printer), 1);
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    QVERIFY(bytes.size() > 4000);
    // A range past the last page prints nothing.
    QPrinter none(QPrinter::HighResolution);
    none.setOutputFormat(QPrinter::PdfFormat);
    none.setOutputFileName(dir.filePath(QStringLiteral("none.pdf")));
    QCOMPARE(printAuditReport(*window->view()->document(), QStringLiteral("x"), none, 5, 9), 0);
}

void AuditorWindowsTest::markingAuditorShowsItsError()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("HAZMAT")));
    QFile f(dir.path() + QStringLiteral("/HAZMAT/3.MRK"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("49 CFR 172.312(a)|Arrows?|NEXT|LATER\n");
    f.close();
    auto window = makeMarkingAuditor(gasoline(), dir.path());
    QCOMPARE(window->windowTitle(), QStringLiteral("HazMat Package Marking Auditor"));
    QList<AuditMessage> shown;
    window->setMessageShower([&](const AuditMessage &m) { shown << m; });
    window->show();
    QVERIFY(!window->printAction()->isEnabled());
    QCOMPARE(shown.size(), 1);  // the reader's warning about the file
    QVERIFY(shown.first().text.contains(QStringLiteral("HAZMAT/3.MRK, line 1")));
    QTest::mouseClick(window->yesButton(), Qt::LeftButton);
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown.last().text, QStringLiteral("Division file \"3.MRK\" contains errors on line 1."));
    QVERIFY(!window->answerPanel()->isVisible());
}

QTEST_MAIN(AuditorWindowsTest)
#include "auditor_windows_test.moc"
