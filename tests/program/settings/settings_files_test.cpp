// The program's files: hazmat.ini, vlmdns.dat and UserDefinedHelpLinks.txt.
#include "settings/do_not_ship.h"
#include "settings/help_links.h"
#include "settings/ini_file.h"
#include "app/program_folder.h"
#include "settings/settings.h"

#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <sstream>

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
    QCOMPARE(ini.text(), std::string("; made by hand\r\n[General]\r\nSavePath=/new/\r\nOther=keep\r\nAdded=x\r\n\r\n"
                                     "[Extra]\r\nA=1\r\n\r\n[Fresh]\r\nK=v\r\n"));
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
    QVERIFY(skeletonText().find("[General]\r\nEnableSavePrompt=\r\nSPExpandAll=\r\nSPViolationWarning=\r\n") == 0);
    QVERIFY(skeletonText().find("CurrentVersion=\r\n\r\n[PlacardOptions]\r\n") != std::string::npos);

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
    QVERIFY(loadDoNotShip(folder).empty());   // no file: empty list
    const std::vector<std::string> ids{"UN1203", "NA1993", "UN0190"};
    QVERIFY(saveDoNotShip(folder, ids));
    const std::string bytes = readFile(dir.filePath(kDoNotShipFileName));
    QCOMPARE(bytes, scrambleDoNotShip("UN1203\r\nNA1993\r\nUN0190\r\n"));
    QCOMPARE(loadDoNotShip(folder), ids);
    QVERIFY(!doNotShipFileReadOnly(folder));
    QVERIFY(saveDoNotShip(folder, {}));
    QCOMPARE(QFileInfo(dir.filePath(kDoNotShipFileName)).size(), qint64(0));
    QVERIFY(loadDoNotShip(folder).empty());
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
    const Folders user = chooseFolders("/usr/lib/velmora/", false, "/home/u/.config", "/home/u/.local/share/");
    QCOMPARE(user.programFolder, std::string("/usr/lib/velmora/"));
    QCOMPARE(user.settingsFolder, std::string("/home/u/.config/velmora/"));
    QCOMPARE(user.dataFolder, std::string("/home/u/.local/share/velmora/"));
}

QTEST_GUILESS_MAIN(ShellFilesTest)
#include "settings_files_test.moc"
