// The auditors' data files: the reader against malformed input, and the
// committed scripts, lists and pictures against each other.
#include "auditors/scripts/auditor_folders.h"
#include "auditors/scripts/item_header.h"
#include "auditors/scripts/script_file.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace velmora::auditors;

namespace {

const QString kData = QStringLiteral(VELMORA_AUDITOR_DATA);

QString firstProblem(const DataFileLines &lines)
{
    return lines.problems.isEmpty() ? QString() : lines.problems.first().text();
}

// Every picture an action of a label script names: "PRIM@c@picture@..." and
// "SUB@c@picture@...".
QStringList labelPictures(const QString &action)
{
    if (!action.startsWith(u"PRIM@") && !action.startsWith(u"SUB@"))
        return {};
    return {action.split(u'@').value(2).trimmed()};
}

} // namespace

class AuditorScriptsTest : public QObject {
    Q_OBJECT
private slots:
    void readerReportsMalformedLines_data();
    void readerReportsMalformedLines();
    void readerBoundsAndEncodings();
    void readerKeepsGoodFilesWhole();
    void splitsScriptLines();
    void scriptNames_data();
    void scriptNames();
    void folderLookupIsCaseInsensitiveAndConfined();
    void committedDataFilesAreWellFormed();
    void everyPictureAScriptNamesExists();
    void everyQuestionCitesItsParagraph();
};

void AuditorScriptsTest::readerReportsMalformedLines_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("reason");

    const int label = int(DataFileKind::LabelScript), marking = int(DataFileKind::MarkingScript);
    const QByteArray good = "49 CFR 172.419|Is it?|NEXT|PRIM@49 CFR 172.419@3flmliq.jpg@NEXT\n";
    QTest::newRow("three fields") << good + "49 CFR 172.400|Is it?|NEXT\n" << label << 2 << "four fields";
    QTest::newRow("no bar at all") << QByteArray("just some words\n") << label << 1 << "four fields";
    QTest::newRow("empty question") << QByteArray("49 CFR 172.400| |NEXT|NEXT\n") << label << 1 << "question is empty";
    QTest::newRow("unknown action") << good + "\n49 CFR 1|Q?|NEXT|GOTO 7\n" << label << 3 << "unknown action \"GOTO 7\"";
    QTest::newRow("label without picture") << QByteArray("c|Q?|NEXT|PRIM@49 CFR 172.419@ @NEXT\n") << label << 1
                                           << "names no picture";
    QTest::newRow("label without continuation") << QByteArray("c|Q?|NEXT|SUB@49 CFR 172.419@x.gif\n") << label << 1
                                                << "not action@citation@picture";
    QTest::newRow("label continuing elsewhere") << QByteArray("c|Q?|NEXT|SUB@49 CFR 172.419@x.gif@LATER\n") << label
                                                << 1 << "neither in @NEXT nor in @STOP";
    QTest::newRow("error without message") << QByteArray("c|Q?|NEXT|ERROR@49 CFR 1\n") << label << 1 << "no \"*\"";
    QTest::newRow("empty action") << QByteArray("c|Q?||NEXT\n") << label << 1 << "no action";
    QTest::newRow("directive without code") << QByteArray("c|?DIV ?|NEXT|NEXT\n") << label << 1 << "names no hazard code";
    QTest::newRow("exempt marker not first") << good + "#\n" << label << 2 << "only as the first line";
    QTest::newRow("marking action unclosed") << QByteArray("c|Q?|NEXT|@GIF:HOT.GIF@TEXT:<TR></TR>\n") << marking << 1
                                             << "must end in @NEXT or @STOP";
    QTest::newRow("marking action unknown") << QByteArray("c|Q?|NEXT|SUB@c@x.gif@NEXT\n") << marking << 1
                                            << "unknown action";
    QTest::newRow("marking exempt marker") << QByteArray("#\n") << marking << 1 << "only as the first line";
    QTest::newRow("picture names") << QByteArray("3flmliq.jpg FLAMMABLE LIQUID\n") << int(DataFileKind::PictureNames)
                                   << 1 << "picture|alternative text";
    QTest::newRow("hot materials") << QByteArray("UN3257=HOT.GIF\nUN3258 HOT.GIF\n") << int(DataFileKind::HotMaterials)
                                   << 2 << "ID=picture";
    QTest::newRow("hot material without picture") << QByteArray("UN3257=\n") << int(DataFileKind::HotMaterials) << 1
                                                  << "ID=picture";
}

void AuditorScriptsTest::readerReportsMalformedLines()
{
    QFETCH(QByteArray, file);
    QFETCH(int, kind);
    QFETCH(int, line);
    QFETCH(QString, reason);
    const DataFileLines lines = parseDataFile(file, QStringLiteral("HAZMAT/T.DIV"), DataFileKind(kind));
    QCOMPARE(lines.problems.size(), 1);
    QCOMPARE(lines.problems.first().line, line);
    const QString text = firstProblem(lines);
    QVERIFY2(text.startsWith(QStringLiteral("HAZMAT/T.DIV, line %1: ").arg(line)), qPrintable(text));
    QVERIFY2(text.contains(reason), qPrintable(text));
    // The line stays in the script: the interpreter copes with it.
    QCOMPARE(lines.lines.size(), lines.fileLines.size());
    QVERIFY(lines.fileLines.contains(line));
}

void AuditorScriptsTest::readerBoundsAndEncodings()
{
    const QByteArray good = "c|Q?|NEXT|STOP\n";
    struct Case {
        const char *name;
        QByteArray bytes;
        int line;
        const char *reason;
        qsizetype kept;
    };
    const QList<Case> cases = {
        {"NUL byte", good + QByteArray("c|Q\0?|NEXT|STOP\n", 16), 2, "NUL byte", 1},
        {"not UTF-8", good + "c|Q\xff\xfe?|NEXT|STOP\n", 2, "not UTF-8", 1},
        {"line too long", good + "c|" + QByteArray(maxDataLineChars + 1, 'x') + "|NEXT|STOP\n", 2, "longer than", 1},
        {"file too large", QByteArray(maxDataFileBytes + 1, 'x'), 0, "larger than", 0},
        {"too many lines", good.repeated(maxDataFileLines + 3), int(maxDataFileLines) + 1, "more than", maxDataFileLines},
    };
    for (const Case &c : cases) {
        const DataFileLines lines = parseDataFile(c.bytes, QStringLiteral("HAZMAT/B.DIV"), DataFileKind::LabelScript);
        QVERIFY2(lines.problems.size() == 1, c.name);
        QCOMPARE(lines.problems.first().line, c.line);
        QVERIFY2(lines.problems.first().reason.contains(QLatin1String(c.reason)), c.name);
        QVERIFY2(lines.lines.size() == c.kept, c.name);
    }
    QTemporaryDir dir;
    // A missing file is an empty list, without a message.
    const DataFileLines missing = AuditorFolders(dir.path()).readDataFile(QStringLiteral("9.DIV"), DataFileKind::LabelScript);
    QVERIFY(missing.lines.isEmpty());
    QVERIFY(missing.problems.isEmpty());
}

void AuditorScriptsTest::readerKeepsGoodFilesWhole()
{
    // A byte order mark, CR LF line ends, blank lines and no final line end.
    const QByteArray bytes = "\xEF\xBB\xBF#exempt|x|NEXT|NEXT\r\n\r\n   \r\nc|Is it 38 \xC2\xB0" "C?|NEXT|STOP";
    const DataFileLines lines = parseDataFile(bytes, QStringLiteral("HAZMAT/3.0.DIV"), DataFileKind::LabelScript);
    QVERIFY2(lines.problems.isEmpty(), qPrintable(firstProblem(lines)));
    QCOMPARE(lines.lines, QStringList({QStringLiteral("#exempt|x|NEXT|NEXT"), QStringLiteral("c|Is it 38 °C?|NEXT|STOP")}));
    QCOMPARE(lines.fileLines, QList<int>({1, 4}));
}

void AuditorScriptsTest::splitsScriptLines()
{
    const ScriptLine s = splitScriptLine(QStringLiteral(" 49 CFR 172.325 | Is it hot? | NEXT |@GIF:HOT.GIF@TEXT:<TD>a|b</TD>@NEXT "));
    QCOMPARE(s.citation, QStringLiteral("49 CFR 172.325"));
    QCOMPARE(s.citeKey, QStringLiteral("49CFR172.325"));
    QCOMPARE(s.question, QStringLiteral("Is it hot?"));
    QCOMPARE(s.noAction, QStringLiteral("NEXT"));
    // Everything after the third bar is the yes-action, bars included.
    QCOMPARE(s.yesAction, QStringLiteral("@GIF:HOT.GIF@TEXT:<TD>a|b</TD>@NEXT"));
    const ScriptLine none = splitScriptLine(QStringLiteral("|?Yes|NEXT|STOP"));
    QVERIFY(none.citation.isEmpty());
    QCOMPARE(none.question, QStringLiteral("?Yes"));
}

void AuditorScriptsTest::scriptNames_data()
{
    QTest::addColumn<QString>("primary");
    QTest::addColumn<bool>("has11");
    QTest::addColumn<bool>("label");
    QTest::addColumn<bool>("pih");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("1.4S with 1.1.DIV") << "1.4S" << true << true << false << "1.4" << "4S";
    QTest::newRow("1.1D without 1.1.DIV") << "1.1D" << false << true << false << "1" << "1D";
    QTest::newRow("combustible") << "COMB" << true << true << false << "3.0" << "";
    QTest::newRow("class 3") << "3" << true << true << false << "3" << "";
    QTest::newRow("6.1 inhalation") << "6.1" << true << true << true << "6.11" << "";
    QTest::newRow("6.1 other") << "6.1" << true << true << false << "6.12" << "";
    QTest::newRow("6.1 marking") << "6.1" << true << false << true << "6.1" << "";
    QTest::newRow("long code") << "2.1X" << true << true << false << "2.1" << "";
}

void AuditorScriptsTest::scriptNames()
{
    QFETCH(QString, primary);
    QFETCH(bool, has11);
    QFETCH(bool, label);
    QFETCH(bool, pih);
    const ScriptName s = scriptName(primary, has11, label, pih);
    QTEST(s.name, "name");
    QTEST(s.explosiveSuffix, "suffix");
}

void AuditorScriptsTest::folderLookupIsCaseInsensitiveAndConfined()
{
    QTemporaryDir dir;
    QDir root(dir.path());
    QVERIFY(root.mkpath(QStringLiteral("LABELS")));
    QVERIFY(root.mkpath(QStringLiteral("HAZMAT")));
    QFile svg(root.filePath(QStringLiteral("LABELS/6POISN.svg")));
    QVERIFY(svg.open(QIODevice::WriteOnly));
    svg.write("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\"/>");
    svg.close();
    QFile secret(root.filePath(QStringLiteral("HAZMAT/secret.gif")));
    QVERIFY(secret.open(QIODevice::WriteOnly));
    secret.close();

    const AuditorFolders folders(dir.path());
    QVERIFY(folders.programFolder().endsWith(u'/'));
    QVERIFY(folders.hasLabelPicture(QStringLiteral("6poisn.gif")));
    QVERIFY(folders.hasLabelPicture(QStringLiteral("6POISN.GIF")));
    QVERIFY(!folders.hasLabelPicture(QStringLiteral("8corrv.gif")));
    QVERIFY(!folders.hasLabelPicture(QStringLiteral("../HAZMAT/secret.gif")));
    QVERIFY(!folders.hasLabelPicture(QStringLiteral("..")));
    QVERIFY(!folders.hasLabelPicture(QString()));
    QCOMPARE(folders.resolvePageImage(folders.picturePath(QStringLiteral("LABELS"), QStringLiteral("6POISN.GIF"))),
             root.filePath(QStringLiteral("LABELS/6POISN.svg")));
    // A page cannot reach a file outside the picture folders.
    QVERIFY(folders.resolvePageImage(folders.programFolder() + QStringLiteral("HAZMAT/secret.gif")).isEmpty());
    QVERIFY(folders.resolvePageImage(folders.programFolder() + QStringLiteral("LABELS/../HAZMAT/secret.gif")).isEmpty());
    QVERIFY(folders.resolvePageImage(QStringLiteral("/etc/passwd")).isEmpty());
}

void AuditorScriptsTest::committedDataFilesAreWellFormed()
{
    const AuditorFolders folders(kData);
    const QDir hazmat(kData + QStringLiteral("HAZMAT"));
    QStringList files = hazmat.entryList(QDir::Files);
    QVERIFY(files.contains(QStringLiteral("1.1.DIV")));
    QVERIFY(files.contains(QStringLiteral("SUBSIDIARY.DIV")));
    // One label script for every script name the naming rule can give.
    for (const char *name : {"1.1", "1.2", "1.3", "1.4", "1.5", "1.6", "2.1", "2.2", "2.3", "3", "3.0", "4.1", "4.2",
                             "4.3", "5.1", "5.2", "6.11", "6.12", "6.2", "7", "8", "9"})
        QVERIFY2(files.contains(QString::fromLatin1(name) + QStringLiteral(".DIV")), name);
    for (const QString &f : files) {
        DataFileKind kind = DataFileKind::HtmlLines;
        if (f.endsWith(QStringLiteral(".DIV")))
            kind = DataFileKind::LabelScript;
        else if (f == u"HOT.MRK")
            kind = DataFileKind::HotMaterials;
        else if (f.endsWith(QStringLiteral(".MRK")))
            kind = DataFileKind::MarkingScript;
        else if (f == u"LABELS.TXT")
            kind = DataFileKind::PictureNames;
        const DataFileLines lines = folders.readDataFile(f, kind);
        QVERIFY2(lines.problems.isEmpty(), qPrintable(firstProblem(lines)));
        QVERIFY2(!lines.lines.isEmpty(), qPrintable(f));
    }
}

void AuditorScriptsTest::everyPictureAScriptNamesExists()
{
    const AuditorFolders folders(kData);
    const QDir hazmat(kData + QStringLiteral("HAZMAT"));
    // Compatibility groups of each explosive division, for the "*" of "1_*.gif".
    const QHash<QString, QString> groups = {{"1.1", "ABCDEFGJL"}, {"1.2", "BCDEFGHJKL"}, {"1.3", "CFGHJKL"},
                                            {"1.4", "BCDEFGS"},   {"1.5", "D"},          {"1.6", "N"}};
    QSet<QString> labelNames;
    for (const QString &f : hazmat.entryList({QStringLiteral("*.DIV")}, QDir::Files)) {
        const QString division = f.chopped(4);
        for (const QString &line : folders.readDataFile(f, DataFileKind::LabelScript).lines) {
            const ScriptLine s = splitScriptLine(line);
            for (const QString &picture : labelPictures(s.noAction) + labelPictures(s.yesAction)) {
                if (!picture.contains(u'*')) {
                    labelNames << picture;
                    continue;
                }
                const QString letters = groups.value(division);
                QVERIFY2(!letters.isEmpty(), qPrintable(f + QStringLiteral(" uses \"*\" outside the explosives")));
                labelNames << QString(picture).replace(u'*', division.mid(2));
                for (QChar letter : letters)
                    labelNames << QString(picture).replace(u'*', division.mid(2) + letter);
            }
        }
    }
    // The pictures the program names itself.
    for (const char *p : {"8corrv.gif", "6pgiii.gif", "oxygen.gif", "9misc.gif", "9lithbat.gif", "overpack.jpg",
                          "na0027.gif", "bkpdr.gif", "3flmliq.jpg", "6POISN.GIF", "6pih.gif"})
        labelNames << QString::fromLatin1(p);
    const QStringList alternativeTexts = folders.readDataFile(QStringLiteral("LABELS.TXT"), DataFileKind::PictureNames).lines;
    for (const QString &picture : std::as_const(labelNames)) {
        QVERIFY2(folders.hasLabelPicture(picture), qPrintable(picture));
        const bool named = std::any_of(alternativeTexts.begin(), alternativeTexts.end(), [&](const QString &line) {
            return line.startsWith(picture + u'|', Qt::CaseInsensitive);
        });
        QVERIFY2(named, qPrintable(picture + QStringLiteral(" has no line in LABELS.TXT")));
    }
    // Every line of LABELS.TXT names a picture that is there.
    for (const QString &line : alternativeTexts)
        QVERIFY2(folders.hasLabelPicture(line.section(u'|', 0, 0)), qPrintable(line));

    QSet<QString> markNames{"LTD_QTY.GIF", "FISH.GIF", "sourcrude.GIF", "lithiumcells.gif", "UN3373.gif", "EQ.JPG",
                            "HOT.GIF"};
    static const QRegularExpression gif(QStringLiteral("GIF:([^@]+)"), QRegularExpression::CaseInsensitiveOption);
    for (const QString &f : hazmat.entryList({QStringLiteral("*.MRK")}, QDir::Files)) {
        const DataFileKind kind = f == u"HOT.MRK" ? DataFileKind::HotMaterials : DataFileKind::MarkingScript;
        for (const QString &line : folders.readDataFile(f, kind).lines) {
            if (kind == DataFileKind::HotMaterials) {
                markNames << line.section(u'=', 1).trimmed();
                continue;
            }
            for (auto m = gif.globalMatch(line); m.hasNext();)
                markNames << m.next().captured(1).trimmed();
        }
    }
    for (const QString &picture : std::as_const(markNames))
        QVERIFY2(!folders.pictureFile(QStringLiteral("Markings"), picture).isEmpty(), qPrintable(picture));
}

void AuditorScriptsTest::everyQuestionCitesItsParagraph()
{
    const AuditorFolders folders(kData);
    const QDir hazmat(kData + QStringLiteral("HAZMAT"));
    static const QRegularExpression cfr(QStringLiteral("^49 CFR 17[23]\\.\\d+[a-z]?(\\(\\w+\\))*$"));
    for (const QString &f : hazmat.entryList({QStringLiteral("*.DIV"), QStringLiteral("*.MRK")}, QDir::Files)) {
        if (f == u"HOT.MRK")
            continue;
        const DataFileKind kind = f.endsWith(QStringLiteral(".DIV")) ? DataFileKind::LabelScript : DataFileKind::MarkingScript;
        for (const QString &line : folders.readDataFile(f, kind).lines) {
            if (line.startsWith(u'#'))
                continue;
            const ScriptLine s = splitScriptLine(line);
            QVERIFY2(cfr.match(s.citation).hasMatch(), qPrintable(f + QStringLiteral(": ") + line.left(80)));
            for (const QString &a : {s.noAction, s.yesAction}) {
                // Label actions cite the section of the label they show.
                if (a.startsWith(u"PRIM@") || a.startsWith(u"SUB@") || a.startsWith(u"NO_PRIM@"))
                    QVERIFY2(cfr.match(a.section(u'@', 1, 1).trimmed()).hasMatch(), qPrintable(a));
            }
        }
    }
}

QTEST_GUILESS_MAIN(AuditorScriptsTest)
#include "auditor_scripts_test.moc"
