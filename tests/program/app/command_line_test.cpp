// The program's command line: options, the truckload file a desktop
// double-click passes, and what is refused.
#include "app/command_line.h"

#include <QtTest>

using namespace velmora;

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void arguments();
    void helpAndVersionAmongOtherArguments();
};

void CommandLineTest::arguments()
{
    struct Case {
        QStringList args;
        bool help, version, quit;
        QString file;
        QString error;   // empty: accepted
    } const cases[] = {
        {{}, false, false, false, {}, {}},
        {{"--version"}, false, true, false, {}, {}},
        {{"-h"}, true, false, false, {}, {}},
        {{"--help", "--version"}, true, true, false, {}, {}},
        {{"--quit-after-start"}, false, false, true, {}, {}},
        {{"/home/u/TRUCK 7.vlm"}, false, false, false, "/home/u/TRUCK 7.vlm", {}},
        {{"--quit-after-start", "a.vlm"}, false, false, true, "a.vlm", {}},
        // after "--" a name that starts with a dash is a file
        {{"--", "--odd.vlm"}, false, false, false, "--odd.vlm", {}},
        {{"--nope"}, false, false, false, {}, "unknown option --nope"},
        {{"a.vlm", "b.vlm"}, false, false, false, "a.vlm", "one truckload file at a time (a.vlm, b.vlm)"},
    };
    for (const Case &c : cases) {
        const ProgramArguments a = parseProgramArguments(c.args);
        const QByteArray what = c.args.join(' ').toUtf8();
        QVERIFY2(a.help == c.help, what.constData());
        QVERIFY2(a.version == c.version, what.constData());
        QVERIFY2(a.quitAfterStart == c.quit, what.constData());
        QCOMPARE(a.truckloadFile, c.file);
        QCOMPARE(a.error, c.error);
    }
}

void CommandLineTest::helpAndVersionAmongOtherArguments()
{
    // Answered before Qt takes its own options out, so those stand beside them.
    struct Case {
        QStringList args;
        bool help, version;
    } const cases[] = {
        {{"-platform", "offscreen", "--version"}, false, true},
        {{"--nope", "-h"}, true, false},
        {{"a.vlm", "--help", "--version"}, true, true},
        {{"--", "--version"}, false, false},   // a file named --version
        {{"a.vlm"}, false, false},
    };
    for (const Case &c : cases) {
        const ProgramArguments a = helpOrVersion(c.args);
        const QByteArray what = c.args.join(' ').toUtf8();
        QVERIFY2(a.help == c.help, what.constData());
        QVERIFY2(a.version == c.version, what.constData());
    }
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
