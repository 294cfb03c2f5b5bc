// The main window's start-up with damaged files: a settings file that holds
// no settings is reported and left alone, a Do Not Ship list that cannot be
// read ends the run, and temporary files of killed saves are removed.
#include "support/fakes.h"
#include "app/main_window.h"
#include "settings/do_not_ship.h"
#include "settings/settings.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

using namespace velmora;
using namespace velmora::test;

namespace {

void writeFile(const QString &path, const std::string &bytes)
{
    std::ofstream out(path.toStdString(), std::ios::binary);
    out << bytes;
}

Folders foldersIn(const QTemporaryDir &dir)
{
    const std::string f = withTrailingSeparator(dir.path().toStdString());
    return {f, f, f};
}

} // namespace

class SettingsStartTest : public QObject {
    Q_OBJECT
private slots:
    void emptySettingsFileIsReportedAndKept()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath(kSettingsFileName), "");
        FakeLibrary lib;
        ScriptedPrompts prompts;
        MainWindow w(lib, prompts, foldersIn(dir));
        QVERIFY(w.started());
        QCOMPARE(prompts.shown.size(), size_t(1));
        QCOMPARE(prompts.shown[0].type, PromptType::Error);
        QVERIFY(prompts.shown[0].text.contains(dir.filePath(kSettingsFileName)));
        QCOMPARE(QFileInfo(dir.filePath(kSettingsFileName)).size(), qint64(0));
    }

    void unreadableDoNotShipListEndsTheRun()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(kDoNotShipFileName));   // exists, cannot be read as a list
        FakeLibrary lib;
        ScriptedPrompts prompts;
        {
            MainWindow w(lib, prompts, foldersIn(dir));
            QVERIFY(!w.started());
        }
        QCOMPARE(prompts.shown.size(), size_t(1));
        QCOMPARE(prompts.shown[0].type, PromptType::Error);
        QVERIFY(prompts.shown[0].text.startsWith(QStringLiteral("The Do Not Ship list ") + dir.filePath(kDoNotShipFileName)));
        QVERIFY(QFileInfo(dir.filePath(kDoNotShipFileName)).isDir());   // nothing written over it
    }

    void startRemovesTemporariesOfKilledSaves()
    {
        QTemporaryDir dir;
        const pid_t gone = ::fork();
        if (gone == 0)
            ::_exit(0);
        ::waitpid(gone, nullptr, 0);
        const QString stale = dir.filePath(QStringLiteral(".velmora-%1-3.tmp").arg(gone));
        writeFile(stale, "half a truckload");
        FakeLibrary lib;
        ScriptedPrompts prompts;
        MainWindow w(lib, prompts, foldersIn(dir));
        QVERIFY(w.started());
        QVERIFY(!QFile::exists(stale));
    }
};

QTEST_MAIN(SettingsStartTest)
#include "settings_start_test.moc"
