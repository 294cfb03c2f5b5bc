// The program's files: hazmat.ini, vlmdns.dat and UserDefinedHelpLinks.txt.
#include "settings/do_not_ship.h"
#include "settings/help_links.h"
#include "settings/ini_file.h"
#include "app/program_folder.h"
#include "settings/settings.h"

#include <QTemporaryDir>
#include <QtTest>

#include "frontend/file_io.h"

#include <QDir>

#include <algorithm>
#include <climits>
#include <csignal>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace velmora;

namespace {

std::string readFile(const QString &path)
{
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const QString &path, const std::string &bytes)
{
    std::ofstream out(path.toStdString(), std::ios::binary);
    out << bytes;
}

} // namespace

class ShellFilesTest : public QObject {
    Q_OBJECT
private slots:
    void iniKeepsUnknownLinesAndEditsInPlace();
    void firstRunWritesSkeletonThenSecondStartStampsVersion();
    void garbageValuesReadAsFallbacks();
    void currentVersionDecidesTheRewrite();
    void customMessageLineBreaks();
    void doNotShipScrambleIsSelfInverse();
    void doNotShipFileRoundTrip();
    void doNotShipPasswordIsUpperCased();
    void helpLinksEntries();
    void foldersFollowWritability();
    void installedDataSitUnderThePrefix();
    void damagedSettingsFileIsLeftAlone();
    void unreadableDoNotShipListIsAnError();
    void killedSaveLeavesOldOrNewContent();
    void temporaryFilesStayShortAndStaleOnesGo();
};

void ShellFilesTest::iniKeepsUnknownLinesAndEditsInPlace()
{
    IniFile ini;
    ini.parse("; made by hand\r\n[General]\r\nsavepath = /loads/ \r\nOther=keep\r\n\r\n[Extra]\r\nA=1\r\n");
    QCOMPARE(ini.value("GENERAL", "SavePath").value(), std::string("/loads/"));   // any case, trimmed
    QVERIFY(!ini.value("General", "Missing"));
    QVERIFY(!ini.value("Nowhere", "A"));
    ini.setValue("General", "SavePath", "/new/");
    ini.setValue("General", "Added", "x");
    ini.setValue("Fresh", "K", "v");
    // Read with CR LF, written with LF.
    QCOMPARE(ini.text(), std::string("; made by hand\n[General]\nSavePath=/new/\nOther=keep\nAdded=x\n\n"
                                     "[Extra]\nA=1\n\n[Fresh]\nK=v\n"));

    // A line ended by several carriage returns (an editor that doubled them)
    // loses them all, so writing and reading the file again is stable.
    IniFile doubled;
    doubled.parse("[SavedLoads]\r\nOdd.Key=0\r\r\r\nDefaultViewStyle=1\r\n");
    QCOMPARE(doubled.text(), std::string("[SavedLoads]\nOdd.Key=0\nDefaultViewStyle=1\n"));
    IniFile reread;
    reread.parse(doubled.text());
    QCOMPARE(reread.text(), doubled.text());
}

void ShellFilesTest::firstRunWritesSkeletonThenSecondStartStampsVersion()
{
    QTemporaryDir dir;
    const std::string folder = withTrailingSeparator(dir.path().toStdString());
    const std::string path = folder + kSettingsFileName;

    SettingsStart first = startSettings(path, folder, folder);
    QCOMPARE(int(first.outcome), int(SettingsStart::Outcome::FirstRun));
    QCOMPARE(first.settings, firstRunSettings(folder));
    QCOMPARE(readFile(QString::fromStdString(path)), skeletonText());
    QVERIFY(skeletonText().find("[General]\nEnableSavePrompt=\nSPExpandAll=\nSPViolationWarning=\n") == 0);
    QVERIFY(skeletonText().find("CurrentVersion=\n\n[PlacardOptions]\nEnableBulk=\nEnableDangerousFirst=\n\n"
                                "[SavedLoads]\n") != std::string::npos);
    QVERIFY(skeletonText().find("\r") == std::string::npos);

    // The next start reads the empty skeleton as fallbacks and rewrites it.
    SettingsStart second = startSettings(path, folder, folder);
    QCOMPARE(int(second.outcome), int(SettingsStart::Outcome::Read));
    IniFile written;
    QVERIFY(written.load(path));
    QCOMPARE(written.value("General", "CurrentVersion").value(), std::string("7.51.1"));
    QCOMPARE(written.value("General", "EnableSavePrompt").value(), std::string("1"));
    QCOMPARE(written.value("PlacardOptions", "EnableDangerousFirst").value(), std::string("0"));
    QCOMPARE(written.value("General", "SavePath").value(), folder);
    QCOMPARE(written.value("General", "ERGPath").value(), folder);
    QCOMPARE(written.value("SavedLoads", "DefaultViewStyle").value(), std::string("0"));
    QVERIFY(written.value("General", "SPExpandAll"));   // lines the program does not use stay
    QCOMPARE(readSettings(written, folder), [&] { Settings s = firstRunSettings(folder); s.currentVersion = "7.51.1"; return s; }());
}

void ShellFilesTest::garbageValuesReadAsFallbacks()
{
    IniFile ini;
    ini.parse("[General]\nEnableSavePrompt=yes\nCTViolationWarning=2\nEnableDefaultID=True\nDefaultPrintAll=\n"
              "EnableDefaultInsp=0\nDefaultInspName=Never Read\nSavePath=\nDNSPath=/srv/dns\nEnablePathEdit=-1\n"
              "[PlacardOptions]\nEnableBulk=True\nEnableDangerousFirst=True\n"
              "[SavedLoads]\nDefaultViewStyle=2\n"
              "[Certification]\nEnableTrailer=off\nEnableSupervisorSig=1\nCustomMessage=a||b\n");
    const Settings s = readSettings(ini, "/prog/");
    const Settings fallback = firstRunSettings("/prog/");
    QCOMPARE(s.enableSavePrompt, fallback.enableSavePrompt);
    QCOMPARE(s.ctViolationWarning, true);
    QCOMPARE(s.enableDefaultID, false);
    QCOMPARE(s.defaultPrintAll, false);
    QCOMPARE(s.defaultInspName, std::string());   // read only when EnableDefaultInsp is true
    QCOMPARE(s.savePath, std::string("/prog/"));
    QCOMPARE(s.dnsPath, std::string("/srv/dns/"));
    QCOMPARE(s.enablePathEdit, true);
    QCOMPARE(s.enableBulk, true);               // True is not a value; true is the fallback
    QCOMPARE(s.enableDangerousFirst, false);    // ... and false here
    QCOMPARE(s.defaultViewStyle, 0);
    QCOMPARE(s.processLegality, true);          // missing
    QCOMPARE(s.enableTrailer, true);
    QCOMPARE(s.enableSupervisorSig, true);
    QCOMPARE(s.customMessage, std::string("a||b"));
}

void ShellFilesTest::currentVersionDecidesTheRewrite()
{
    struct Case {
        const char *version;
        bool rewritten;
    } cases[] = {{"7.51.1", false}, {"7.51.0", true}, {"8.0", true}, {"", true}};
    for (const auto &c : cases) {
        QTemporaryDir dir;
        const std::string folder = withTrailingSeparator(dir.path().toStdString());
        const QString path = dir.filePath(kSettingsFileName);
        const std::string original = std::string("[General]\r\nCurrentVersion=") + c.version + "\r\nEnableBulk=zz\r\n";
        writeFile(path, original);
        startSettings(path.toStdString(), folder, folder);
        QCOMPARE(readFile(path) != original, c.rewritten);
    }
    // A rewrite that fails keeps the values read and reports it.
    QTemporaryDir dir;
    const QString path = dir.filePath(kSettingsFileName);
    writeFile(path, "[PlacardOptions]\r\nEnableBulk=0\r\n");
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    if (QFileInfo(path).isWritable())
        QSKIP("running with permissions that ignore read-only files");
    const SettingsStart s = startSettings(path.toStdString(), "/p/", "/p/");
    QCOMPARE(int(s.outcome), int(SettingsStart::Outcome::ReadRewriteFailed));
    QCOMPARE(s.settings.enableBulk, false);
}

void ShellFilesTest::customMessageLineBreaks()
{
    QCOMPARE(customMessageForDisplay("first||second"), std::string("first\r\nsecond"));
    QCOMPARE(customMessageForStorage("first\r\nsecond\nthird"), std::string("first||second||third"));
}

void ShellFilesTest::doNotShipScrambleIsSelfInverse()
{
    std::string all;
    for (int i = 0; i < 256 * 3; ++i)
        all += static_cast<char>(i & 0xFF);
    QCOMPARE(scrambleDoNotShip(scrambleDoNotShip(all)), all);
    const std::string zeros(64, '\0');
    const std::string s = scrambleDoNotShip(zeros);
    // Key 5281 = 0x14A1: position 0 is ~0xA1, position 8 is ~(0x14A1 >> 8) = ~0x14.
    QCOMPARE(static_cast<uint8_t>(s[0]), uint8_t(0x5E));
    QCOMPARE(static_cast<uint8_t>(s[8]), uint8_t(0xEB));
    for (int i : {16, 20, 31, 48, 63})   // shifts of 16 or more: complemented
        QCOMPARE(static_cast<uint8_t>(s[static_cast<size_t>(i)]), uint8_t(0xFF));
    QCOMPARE(static_cast<uint8_t>(s[32]), uint8_t(0x5E));   // position counts modulo 32
}

void ShellFilesTest::doNotShipFileRoundTrip()
{
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    int error = -1;
    QCOMPARE(loadDoNotShip(folder, error), std::optional(std::vector<std::string>{}));   // no file: empty list
    QCOMPARE(error, 0);
    const std::vector<std::string> ids{"UN1203", "NA1993", "UN0190"};
    QVERIFY(saveDoNotShip(folder, ids));
    const std::string bytes = readFile(dir.filePath(kDoNotShipFileName));
    QCOMPARE(bytes, scrambleDoNotShip("UN1203\nNA1993\nUN0190\n"));
    QCOMPARE(loadDoNotShip(folder, error), std::optional(ids));
    QVERIFY(!doNotShipFileReadOnly(folder));
    // A list written with CR LF line ends still reads.
    writeFile(dir.filePath(kDoNotShipFileName), scrambleDoNotShip("UN1203\r\nNA1993\r\nUN0190\r\n"));
    QCOMPARE(loadDoNotShip(folder, error), std::optional(ids));
    QVERIFY(saveDoNotShip(folder, {}));
    QCOMPARE(QFileInfo(dir.filePath(kDoNotShipFileName)).size(), qint64(0));
    QCOMPARE(loadDoNotShip(folder, error), std::optional(std::vector<std::string>{}));
    QVERIFY(!saveDoNotShip(folder + "/no/such/folder", ids));
}

void ShellFilesTest::doNotShipPasswordIsUpperCased()
{
    IniFile ini;
    QCOMPARE(doNotShipPassword(ini), std::string(kDefaultDoNotShipPassword));
    ini.parse("[DoNotShip]\nPassword=Secret7\n");
    const std::string password = doNotShipPassword(ini);
    QCOMPARE(password, std::string("SECRET7"));
    QVERIFY(doNotShipPasswordAccepted("secret7", password));
    QVERIFY(doNotShipPasswordAccepted("Secret7", password));
    QVERIFY(!doNotShipPasswordAccepted("secret", password));
}

void ShellFilesTest::helpLinksEntries()
{
    const HelpLinks links = buildHelpLinks({"no bar here", "Agency|https://example.org/a|b", "|nocaption", "notarget|", "Local|doc.pdf"});
    QVERIFY(links.hasSeparator);
    QCOMPARE(links.entries.size(), size_t(2));
    QCOMPARE(links.entries[0].caption, std::string("Agency"));
    QCOMPARE(links.entries[0].target, std::string("https://example.org/a|b"));
    QCOMPARE(links.entries[0].line, 2);
    QCOMPARE(links.entries[1].line, 5);
    QVERIFY(!buildHelpLinks({}).hasSeparator);
    QVERIFY(buildHelpLinks({"only a caption"}).hasSeparator);   // the separator comes with any line
    QCOMPARE(helpLinkTarget("A|b|c"), std::string("b|c"));

    QTemporaryDir dir;
    writeFile(dir.filePath(kHelpLinksFileName), "One|https://one.example\r\nTwo|two.html\r\n");
    QCOMPARE(readHelpLinkLines(dir.path().toStdString()),
             (std::vector<std::string>{"One|https://one.example", "Two|two.html"}));
}

void ShellFilesTest::foldersFollowWritability()
{
    const Folders own = chooseFolders("/opt/velmora", true, "/home/u/.config", "/home/u/.local/share");
    QCOMPARE(own.programFolder, std::string("/opt/velmora/"));
    QCOMPARE(own.settingsFolder, std::string("/opt/velmora/"));
    QCOMPARE(own.dataFolder, std::string("/opt/velmora/"));
    const Folders user = chooseFolders("/usr/share/velmora/", false, "/home/u/.config", "/home/u/.local/share/");
    QCOMPARE(user.programFolder, std::string("/usr/share/velmora/"));
    QCOMPARE(user.settingsFolder, std::string("/home/u/.config/velmora/"));
    QCOMPARE(user.dataFolder, std::string("/home/u/.local/share/velmora/"));
}

void ShellFilesTest::installedDataSitUnderThePrefix()
{
    // An executable in <prefix>/bin finds its data in <prefix>/share/velmora;
    // anywhere else (a build tree, a folder unpacked as one piece) the data
    // sit beside the executable, even when some share/velmora exists nearby.
    const std::vector<std::string> present = {"/usr/share/velmora/", "/opt/share/velmora/", "/home/u/share/velmora/",
                                              "/share/velmora/"};
    const auto isFolder = [&](const std::string &path) {
        return std::find(present.begin(), present.end(), path) != present.end();
    };
    struct Case {
        const char *executableFolder;
        const char *programFolder;
        bool installed;
    } const cases[] = {
        {"/usr/bin", "/usr/share/velmora/", true},
        {"/usr/bin/", "/usr/share/velmora/", true},
        {"/bin", "/share/velmora/", true},
        {"/usr/local/bin", "/usr/local/bin/", false},           // no data under that prefix
        {"/work/build/bin", "/work/build/bin/", false},         // the build tree
        {"/opt/velmora", "/opt/velmora/", false},               // not a bin folder
        {"/home/u/binaries", "/home/u/binaries/", false},
        {"/home/u/xbin", "/home/u/xbin/", false},
    };
    for (const Case &c : cases) {
        const DataLocation at = locateProgramFolder(c.executableFolder, isFolder);
        QVERIFY2(at.programFolder == c.programFolder, c.executableFolder);
        QVERIFY2(at.installed == c.installed, c.executableFolder);
    }
}

void ShellFilesTest::damagedSettingsFileIsLeftAlone()
{
    // A file that exists but holds no settings (emptied by a crash of an
    // older version, or not a settings file at all) is neither read as
    // settings nor rewritten with defaults: the folders it named, the shared
    // Do Not Ship folder among them, stay recoverable.
    // The start of an executable, NUL bytes included.
    static const char kForeign[] = "\x7f" "ELF\x02\x01\x01\0\0garbage=1";
    struct Case {
        const char *name;
        std::string content;
        bool damaged;
    } const cases[] = {
        {"empty", "", true},
        {"blank lines", "\n\r\n  \n", true},
        {"foreign text", std::string(kForeign, sizeof kForeign - 1), true},
        {"only unknown sections", "[Window]\nLeft=10\n", true},
        {"one known section", "[SavedLoads]\nProcessLegality=0\n", false},
    };
    for (const Case &c : cases) {
        QTemporaryDir dir;
        const std::string folder = withTrailingSeparator(dir.path().toStdString());
        const QString path = dir.filePath(kSettingsFileName);
        writeFile(path, c.content);
        const SettingsStart s = startSettings(path.toStdString(), folder, folder);
        QVERIFY2((s.outcome == SettingsStart::Outcome::Damaged) == c.damaged, c.name);
        if (c.damaged) {
            QCOMPARE(readFile(path), c.content);
            QCOMPARE(s.settings, firstRunSettings(folder));
        } else {
            QCOMPARE(s.settings.processLegality, false);
        }
    }
    // A folder in the file's place cannot be read either.
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(kSettingsFileName));
    const std::string folder = withTrailingSeparator(dir.path().toStdString());
    QCOMPARE(int(startSettings(folder + kSettingsFileName, folder, folder).outcome),
             int(SettingsStart::Outcome::Damaged));
    QVERIFY(!rewriteSettings(folder + kSettingsFileName, firstRunSettings(folder), folder));
}

void ShellFilesTest::unreadableDoNotShipListIsAnError()
{
    // A list that exists but cannot be read must not read as "nothing is
    // forbidden".
    struct Case {
        const char *name;
        std::function<void(const QString &path)> make;
        int error;
    } const cases[] = {
        {"folder", [](const QString &path) { QDir().mkdir(path); }, EISDIR},
        {"pipe", [](const QString &path) { ::mkfifo(QFile::encodeName(path).constData(), 0600); }, EINVAL},
        {"no read permission",
         [](const QString &path) {
             writeFile(path, scrambleDoNotShip("UN1203\n"));
             QFile::setPermissions(path, QFileDevice::WriteOwner);
         },
         EACCES},
    };
    for (const Case &c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath(kDoNotShipFileName);
        c.make(path);
        if (c.error == EACCES && ::access(QFile::encodeName(path).constData(), R_OK) == 0)
            continue;   // running as the administrator, who reads anything
        int error = 0;
        QVERIFY2(!loadDoNotShip(dir.path().toStdString(), error), c.name);
        QCOMPARE(error, c.error);
        const std::string text = doNotShipUnreadableText(dir.path().toStdString(), error);
        QVERIFY2(text.find(path.toStdString()) != std::string::npos, text.c_str());
    }
}

namespace {

// Forks a child that saves `a` and `b` in turn, for ever, kills it with
// SIGKILL after a random moment, and checks the file is then exactly the
// content of one of them (as `read` gives it).  Repeated `rounds` times.
void killWhileSaving(const char *what, const std::function<void(bool a)> &save,
                     const std::function<std::string()> &read, const std::string &a, const std::string &b,
                     int rounds)
{
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> wait(0, 3000);   // microseconds
    for (int round = 0; round < rounds; ++round) {
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            for (bool first = true;; first = !first)
                save(first);
        }
        ::usleep(static_cast<useconds_t>(1000 + wait(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        const std::string content = read();
        QVERIFY2(content == a || content == b,
                 qPrintable(QStringLiteral("%1: round %2 read %3 bytes").arg(QLatin1String(what)).arg(round).arg(content.size())));
    }
}

} // namespace

void ShellFilesTest::killedSaveLeavesOldOrNewContent()
{
    QTemporaryDir dir;
    const std::string folder = withTrailingSeparator(dir.path().toStdString());
    const std::string iniPath = folder + kSettingsFileName;

    // The settings file: two sets of settings saved in turn.
    Settings one = firstRunSettings(folder), two = one;
    one.dnsPath = "/srv/shared/do-not-ship/";
    two.dnsPath = "/srv/other/";
    two.customMessage = std::string(3000, 'x');   // a longer file
    QVERIFY(writeSkeleton(iniPath));
    QVERIFY(rewriteSettings(iniPath, one, folder));
    const std::string textOne = readFile(QString::fromStdString(iniPath));
    QVERIFY(rewriteSettings(iniPath, two, folder));
    const std::string textTwo = readFile(QString::fromStdString(iniPath));
    killWhileSaving(
        "settings", [&](bool first) { rewriteSettings(iniPath, first ? one : two, folder); },
        [&] { return readFile(QString::fromStdString(iniPath)); }, textOne, textTwo, 40);

    // The Do Not Ship list: a short list and a long one saved in turn.
    std::vector<std::string> shortList{"UN1203"}, longList;
    for (int i = 1000; i < 3000; ++i)
        longList.push_back("UN" + std::to_string(i));
    const auto listAsText = [](const std::vector<std::string> &ids) {
        std::string t;
        for (const auto &id : ids)
            t += id + ",";
        return t;
    };
    QVERIFY(saveDoNotShip(folder, shortList));
    killWhileSaving(
        "Do Not Ship list", [&](bool first) { saveDoNotShip(folder, first ? shortList : longList); },
        [&] {
            int error = 0;
            const auto ids = loadDoNotShip(folder, error);
            return ids ? listAsText(*ids) : std::string("unreadable");
        },
        listAsText(shortList), listAsText(longList), 40);

    // The killed children's temporary files go with the next save.
    QVERIFY(saveDoNotShip(folder, shortList));
    const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(left, (QStringList{QString::fromLatin1(kSettingsFileName), QString::fromLatin1(kDoNotShipFileName)}));
}

void ShellFilesTest::temporaryFilesStayShortAndStaleOnesGo()
{
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/";
    // Names up to NAME_MAX bytes save: the temporary name does not grow with them.
    for (size_t length : {size_t(5), size_t(247), size_t(251), size_t(NAME_MAX)}) {
        const std::string path = folder + std::string(length - 4, 'n') + ".vlm";
        QCOMPARE(frontend::replaceFileAtomically(path, "content"), 0);
        QCOMPARE(readFile(QString::fromStdString(path)), std::string("content"));
        QVERIFY(::unlink(path.c_str()) == 0);
    }
    QCOMPARE(frontend::replaceFileAtomically(folder + std::string(NAME_MAX + 1, 'n'), "x"), ENAMETOOLONG);

    // Which names are ours.
    struct Name {
        const char *name;
        bool ours;
    } const names[] = {{".velmora-123-0.tmp", true}, {".velmora-1-77.tmp", true}, {".velmora--0.tmp", false},
                       {".velmora-12a-0.tmp", false}, {".velmora-123-.tmp", false}, {"velmora-123-0.tmp", false},
                       {".velmora-123-0.tmpx", false}, {"a.vlm.tmp123-0", false}};
    for (const Name &n : names)
        QVERIFY2(frontend::isTemporaryFileName(n.name) == n.ours, n.name);

    // A temporary file of a process that is gone is stale; one of a running
    // process (this one, the parent) and files of other patterns stay.
    const pid_t gone = ::fork();
    if (gone == 0)
        ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    const std::string stale = ".velmora-" + std::to_string(gone) + "-0.tmp";
    const std::string running = ".velmora-" + std::to_string(::getppid()) + "-0.tmp";
    for (const std::string &name : {stale, running, std::string("keep.vlm.tmp1-0")})
        writeFile(QString::fromStdString(folder + name), "x");
    frontend::removeStaleTemporaries(folder);
    QVERIFY(!QFile::exists(QString::fromStdString(folder + stale)));
    QVERIFY(QFile::exists(QString::fromStdString(folder + running)));
    QVERIFY(QFile::exists(QString::fromStdString(folder + "keep.vlm.tmp1-0")));
}

QTEST_GUILESS_MAIN(ShellFilesTest)
#include "settings_files_test.moc"
