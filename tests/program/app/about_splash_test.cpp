// The About box and the splash window.
#include "app/about_box.h"
#include "app/build_date.h"
#include "app/splash_screen.h"
#include "settings/program_version.h"

#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

using namespace velmora;

class AboutSplashTest : public QObject {
    Q_OBJECT
private slots:
    void aboutBox()
    {
        AboutBox about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QCOMPARE(about.windowTitle(), QStringLiteral("About Velmora - Commercial"));
        const bool large = about.logicalDpiX() >= 120;
        QCOMPARE(about.size(), large ? QSize(565, 330) : QSize(480, 290));
        QStringList texts;
        QLabel *picture = nullptr, *title = nullptr;
        for (QLabel *l : about.findChildren<QLabel *>()) {
            if (l->text().isEmpty())
                picture = l;
            else
                texts << l->text();
            if (l->text().endsWith(QStringLiteral(" CM")))
                title = l;
        }
        QCOMPARE(texts, (QStringList{QStringLiteral("Velmora - Commercial ") + kProgramVersion + QStringLiteral(" CM"),
                                     QStringLiteral("Build Date:\t\t") + kBuildDate}));
        // The build's own day, as a reader writes it, never a fixed text.
        const QDate built = QLocale(QLocale::English).toDate(QString::fromLatin1(kBuildDate), QStringLiteral("d MMMM yyyy"));
        QVERIFY2(built.isValid(), kBuildDate);
        QVERIFY(built <= QDate::currentDate().addDays(1));
        QVERIFY(built > QDate(2025, 4, 23));   // not the fixed day the box once showed
        // The picture is on the left of the texts.
        QVERIFY(picture && title && !picture->pixmap().isNull());
        QVERIFY(picture->geometry().right() < title->geometry().left());
        // OK sits 15 pixels in from the bottom right corner and closes the box.
        const auto buttons = about.findChildren<QPushButton *>();
        QCOMPARE(buttons.size(), 1);
        QPushButton *ok = buttons.first();
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QCOMPARE(about.width() - 1 - ok->geometry().right(), 15);
        QCOMPARE(about.height() - 1 - ok->geometry().bottom(), 15);
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }

    void splashClosesAndFreesItselfAfterTwoSeconds()
    {
        QPointer<SplashScreen> splash = new SplashScreen;
        QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(splash->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(splash->size(), QSize(347, 293));
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        QCOMPARE(splash->grab().toImage().pixelColor(340, 10), QColor(Qt::white));
        QTest::qWait(1500);
        QVERIFY(splash && splash->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(splash.isNull(), 2000);
    }
};

QTEST_MAIN(AboutSplashTest)
#include "about_splash_test.moc"
