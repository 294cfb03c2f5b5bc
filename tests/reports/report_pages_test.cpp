// The printed reports, rendered to PDF as the program prints them and read
// back with poppler's pdftotext: placards, markings, messages with their
// citations, legality, permit and certification wording of real
// truckloads; page layout of a long truckload; PDF files that cannot be
// written.
#include "report_document.h"
#include "report_html.h"
#include "report_reader.h"
#include "report_reasons.h"

#include "check/truckload_reader.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>

using namespace velmora::reports;

namespace {

// One engine for a test, in storage of the library's size.
class ReportEngine {
public:
    ReportEngine() : engine_(static_cast<Engine *>(std::calloc(1, static_cast<size_t>(GetSizeOf_Engine()))))
    {
        Init_Engine(engine_);
    }
    ~ReportEngine()
    {
        Destroy_Engine(engine_);
        std::free(engine_);
    }
    ReportEngine(const ReportEngine &) = delete;
    ReportEngine &operator=(const ReportEngine &) = delete;
    Engine *get() const { return engine_; }

private:
    Engine *engine_;
};

// The report of one of the command-line checker's sample truckloads.
TruckloadReport sampleReport(const QString &sample)
{
    QFile file(QStringLiteral(VELMORA_SAMPLES "/") + sample + QStringLiteral(".json"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing sample %s", qPrintable(sample));
    ReportEngine engine;
    velmora::check::ReadTruckloadJson(engine.get(), file.readAll().toStdString(), sample.toStdString());
    Calculate_Engine(engine.get());
    TruckloadReport report = readTruckloadReport(engine.get());
    readAllReasons(engine.get(), report);
    return report;
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        qFatal("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of a PDF (or of one page), each line with its runs of blanks
// made single.
QString pdfText(const QString &path, int page = 0)
{
    QStringList args{QStringLiteral("-layout")};
    if (page > 0)
        args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
    const QString text = run(QStringLiteral("pdftotext"), args << path << QStringLiteral("-"));
    QStringList lines;
    for (const QString &line : text.split(QLatin1Char('\n')))
        lines << line.simplified();
    return lines.join(QLatin1Char('\n'));
}

QString pdfInfo(const QString &path, const QString &field)
{
    const QRegularExpression line(QLatin1Char('^') + field + QStringLiteral(":\\s*(.*)$"),
                                  QRegularExpression::MultilineOption);
    return line.match(run(QStringLiteral("pdfinfo"), {path})).captured(1).trimmed();
}

int pdfPages(const QString &path) { return pdfInfo(path, QStringLiteral("Pages")).toInt(); }

// Writes the job to a PDF in `dir`; the file's path.  With VELMORA_KEEP_PDFS
// set to a folder, a copy stays there for review.
QString writeJob(const PrintJob &job, const QTemporaryDir &dir, const QString &name,
                 const QPageLayout &layout = reportPageLayout())
{
    const QString path = dir.filePath(name + QStringLiteral(".pdf"));
    const QString error = writePdf(job, path, layout);
    if (!error.isEmpty())
        qFatal("%s", qPrintable(error));
    const QByteArray keep = qgetenv("VELMORA_KEEP_PDFS");
    if (!keep.isEmpty()) {
        QFile::remove(QDir(QString::fromLocal8Bit(keep)).filePath(name + QStringLiteral(".pdf")));
        QFile::copy(path, QDir(QString::fromLocal8Bit(keep)).filePath(name + QStringLiteral(".pdf")));
    }
    return path;
}

Report truckloadDocument(const TruckloadReport &report, const TruckloadReportStyle &style)
{
    return {truckloadReportHtml(report, style, QStringLiteral("12/10/2026 04:30:00")), truckloadPictures(report),
            QStringLiteral("Truck ID: ") + report.truckId, {}};
}

QString fileTag(QString tag) { return tag.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("-")); }

} // namespace

class ReportPagesTest : public QObject {
    Q_OBJECT

private slots:
    void truckloadReport_data();
    void truckloadReport();
    void reasonsPage_data();
    void reasonsPage();
    void certificationPage_data();
    void certificationPage();
    void longTruckloadBreaksAcrossPages_data();
    void longTruckloadBreaksAcrossPages();
    void listReports_data();
    void listReports();
    void pdfThatCannotBeWritten_data();
    void pdfThatCannotBeWritten();

private:
    QTemporaryDir dir_;
};

void ReportPagesTest::truckloadReport_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<bool>("allOptions");
    QTest::addColumn<bool>("detailed");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("absent");

    QTest::newRow("cargo tank of gasoline, current option")
        << "gasoline-cargo-tank" << false << false
        << QStringList{"RAZU 7.51.1", "Velmora - Commercial", "Truck ID: TRUCK 12", "Manifest",
                       "UN1203", "Gasoline", "3000 lbs. Bulk", "Placarding Option 1",
                       "Bulk Combustible/Flammable", "1203",
                       "There are no segregations or restrictions for this truckload.", "Page 1"}
        << QStringList{"Placarding Option 2", "Load legality"};
    QTest::newRow("cargo tank of gasoline, all options with citations")
        << "gasoline-cargo-tank" << true << true
        << QStringList{"Placarding Option 1", "Placarding Option 2", "Placarding Option 3", "Gasoline",
                       "Flammable", "49 CFR 172.336(c)", "This truckload is legal.", "Hazmat safety permit: Not required"}
        << QStringList{};
    QTest::newRow("phosgene with gasoline: do not load, illegal, possible permit")
        << "do-not-load" << false << true
        << QStringList{"Poison Gas", "Do Not Load", "These materials may not be loaded, transported, or stored together.",
                       "[UN1076, UN1203]", "(49 CFR 177.848(d))", "49 CFR 385.403(c)", "This truckload is ILLEGAL.",
                       "May be required (49 CFR 385.403)", "Possible Permit"}
        << QStringList{"There are no segregations or restrictions"};
    QTest::newRow("mixed freight: DANGEROUS option and segregation")
        << "mixed-table2" << true << false
        << QStringList{"Placarding Option 1", "Placarding Option 2", "Dangerous", "Poison Gas", "Corrosive",
                       "Segregate", "Information"}
        << QStringList{"Load legality", "(49 CFR 177.848(d))"};
    QTest::newRow("under 1,001 pounds of Table 2 material")
        << "under-1001" << false << true
        << QStringList{"No placards are required for this truckload.", "This truckload is legal."}
        << QStringList{"Placarding Option 2"};
}

void ReportPagesTest::truckloadReport()
{
    QFETCH(QString, sample);
    QFETCH(bool, allOptions);
    QFETCH(bool, detailed);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, absent);

    const TruckloadReport report = sampleReport(sample);
    const QString path = writeJob({truckloadDocument(report, {allOptions, false, detailed})}, dir_,
                                  fileTag(QString::fromLatin1(QTest::currentDataTag())));
    // Compared without blanks: messages and placard names wrap anywhere.
    const auto squeezed = [](QString t) { return t.remove(QRegularExpression(QStringLiteral("\\s+"))); };
    const QString text = squeezed(pdfText(path));
    for (const QString &e : expected)
        QVERIFY2(text.contains(squeezed(e)), qPrintable(e + QStringLiteral(" missing from: ") + text));
    for (const QString &a : absent)
        QVERIFY2(!text.contains(squeezed(a)), qPrintable(a + QStringLiteral(" should not be printed")));
    // Placards and markings are drawn, never pasted in as bitmaps.
    const QStringList images = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path})
                                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(images.size(), 2);   // the two heading lines of the listing
}

// The reasons page: asked for, it starts on a page of its own after the
// options, with the rule, figures and citation of each reason of the options
// shown; not asked for, nothing of it is printed.
void ReportPagesTest::reasonsPage_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<bool>("allOptions");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("absent");
    QTest::newRow("mixed freight, every option")
        << "mixed-table2" << true
        << QStringList{"Placarding option 1 of 2", "Placarding option 2 of 2",
                       "FLAMMABLE for UN1993 (Class 3): Table 2 aggregate 1,400 lb ≥ 1,001 lb",
                       "DANGEROUS: in place of the Table 2 placards of Class 8 800 lb, Class 3 600 lb", "49 CFR 172.504(b)",
                       "177.848(d) table, 2.3 (UN1017) with 8 (UN1830)"}
        << QStringList{};
    QTest::newRow("under 1,001 pounds, current option")
        << "under-1001" << false
        << QStringList{"Placarding option 1 of 1", "no placard",
                       "UN1830 (Class 8), 500 lb: Table 2 aggregate 900 lb < 1,001 lb", "No hazmat safety permit"}
        << QStringList{};
    QTest::newRow("gasoline, current option only")
        << "gasoline-cargo-tank" << false
        << QStringList{"Placarding option 1 of 3", "1203 on the FLAMMABLE placard: in bulk packaging (3,000 lb)"}
        << QStringList{"Placarding option 2 of 3"};
}

void ReportPagesTest::reasonsPage()
{
    QFETCH(QString, sample);
    QFETCH(bool, allOptions);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, absent);
    const TruckloadReport report = sampleReport(sample);
    const QString tag = fileTag(QString::fromLatin1(QTest::currentDataTag()));
    const QString without = writeJob({truckloadDocument(report, {allOptions, false, true})}, dir_, tag + "-plain");
    const QString with = writeJob({truckloadDocument(report, {allOptions, false, true, true})}, dir_, tag);
    const auto squeezed = [](QString t) { return t.remove(QRegularExpression(QStringLiteral("\\s+"))); };
    QVERIFY(!pdfText(without).contains(QStringLiteral("Why:")));
    const int pages = pdfPages(with);
    QVERIFY(pages >= 2);
    // A page of its own, and no page left blank before it.
    const QString last = squeezed(pdfText(with, pages));
    QVERIFY2(last.startsWith(squeezed(QStringLiteral("Why: the rules and figures behind this report"))), qPrintable(last));
    QString text;
    for (int page = 1; page <= pages; ++page) {
        const QString pageText = squeezed(pdfText(with, page));
        QVERIFY2(pageText.size() > 60, qPrintable(QStringLiteral("page %1 is blank").arg(page)));
        text += pageText;
    }
    for (const QString &e : expected)
        QVERIFY2(last.contains(squeezed(e)), qPrintable(e + QStringLiteral(" missing from: ") + last));
    for (const QString &a : absent)
        QVERIFY2(!last.contains(squeezed(a)), qPrintable(a + QStringLiteral(" should not be printed")));
}

void ReportPagesTest::certificationPage_data()
{
    QTest::addColumn<CertificationSettings>("settings");
    QTest::addColumn<QStringList>("lines");     // each on a line of its own
    QTest::addColumn<QStringList>("absent");

    CertificationSettings defaults;
    defaults.enabled = true;
    QTest::newRow("default message, driver and trailer")
        << defaults
        << QStringList{"Certification", "I have received this document from the Velmora Commercial software",
                       "Driver Signature: _______________________________________________",
                       "Date: __________________ Trailer: _______________"}
        << QStringList{"Supervisor Signature:"};

    CertificationSettings custom = defaults;
    custom.defaultMessage = false;
    custom.customMessage = QStringLiteral("Placards checked at the dock.||Call dispatch before leaving.");
    custom.trailer = false;
    QTest::newRow("custom message in two lines, no trailer")
        << custom << QStringList{"Placards checked at the dock.", "Call dispatch before leaving."}
        << QStringList{"Trailer:", "I have received this document"};

    CertificationSettings crlf = custom;
    crlf.customMessage = QStringLiteral("Line one of the notice.\r\nLine two of the notice.");
    QTest::newRow("custom message with line breaks")
        << crlf << QStringList{"Line one of the notice.", "Line two of the notice."} << QStringList{};

    CertificationSettings supervisor = defaults;
    supervisor.driverSignature = false;
    supervisor.supervisorSignature = true;
    supervisor.customEntry = true;
    supervisor.customEntryCaption = QStringLiteral("Seal Number");
    QTest::newRow("supervisor and custom entry, no driver")
        << supervisor
        << QStringList{"Supervisor Signature: ___________________________________________",
                       "Seal Number _____________________________________________"}
        << QStringList{"Driver Signature:", "Trailer:"};
}

void ReportPagesTest::certificationPage()
{
    QFETCH(CertificationSettings, settings);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, absent);

    const TruckloadReport report = sampleReport(QStringLiteral("gasoline-cargo-tank"));
    const Report instructions = truckloadDocument(report, {});
    const Report certification{certificationHtml(report.truckId, settings, QStringLiteral("12/10/2026 04:30:00")),
                               {}, QStringLiteral("Truck ID: ") + report.truckId, {}};
    const QString path = writeJob({instructions, certification}, dir_,
                                  QStringLiteral("certification-") + fileTag(QString::fromLatin1(QTest::currentDataTag())));
    // The certification is a document of its own: it starts on a fresh page
    // that is numbered 1 again.
    const int pages = pdfPages(path);
    QCOMPARE(pages, pageCount(instructions, reportPageLayout()) + 1);
    const QString last = pdfText(path, pages);
    QVERIFY(last.contains(QStringLiteral("Truck ID: TRUCK 12")));
    QVERIFY(last.contains(QStringLiteral("Page 1")));
    QVERIFY(!pdfText(path, 1).contains(QStringLiteral("Certification")));
    const QStringList printed = last.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        int holding = 0;
        for (const QString &p : printed)
            holding += p.contains(line) ? 1 : 0;
        QVERIFY2(holding == 1, qPrintable(line + QStringLiteral(" not printed once in: ") + last));
        for (const QString &other : lines) {
            if (other != line && !line.contains(other))
                for (const QString &p : printed)
                    QVERIFY2(!(p.contains(line) && p.contains(other)), qPrintable(line + " shares its line with " + other));
        }
    }
    for (const QString &a : absent)
        QVERIFY2(!last.contains(a), qPrintable(a + QStringLiteral(" should not be printed")));
}

void ReportPagesTest::longTruckloadBreaksAcrossPages_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QString>("pageSize");   // as pdfinfo reports it
    QTest::newRow("Letter portrait") << int(QPageSize::Letter) << int(QPageLayout::Portrait) << "612 x 792 pts";
    QTest::newRow("Letter landscape") << int(QPageSize::Letter) << int(QPageLayout::Landscape) << "792 x 612 pts";
    QTest::newRow("A4 portrait") << int(QPageSize::A4) << int(QPageLayout::Portrait) << "595 x 842 pts";
    QTest::newRow("A4 landscape") << int(QPageSize::A4) << int(QPageLayout::Landscape) << "842 x 595 pts";
}

void ReportPagesTest::longTruckloadBreaksAcrossPages()
{
    QFETCH(int, size);
    QFETCH(int, orientation);
    QFETCH(QString, pageSize);

    // Sixty packages of five materials, each a row of the manifest.
    static const char *const ids[] = {"UN1090", "UN1830", "UN1263", "UN1170", "UN1789"};
    ReportEngine engine;
    for (int i = 0; i < 60; ++i) {
        alignas(std::max_align_t) unsigned char storage[256] = {};
        auto *item = reinterpret_cast<Hazmat *>(storage);
        Init_Hazmat(item, SearchCT_HazData(ids[i % 5], 2, 0));
        SetPackingGroup_Hazmat(item, 2);
        SetWeight_Hazmat(item, static_cast<uint32_t>(100 + i));
        QVERIFY(Add_Load(GetLoad_Engine(engine.get()), item) >= 0);
        Reset_Hazmat(item, 0);
    }
    SetName_Load(GetLoad_Engine(engine.get()), "LONG HAUL 60");
    Calculate_Engine(engine.get());
    const TruckloadReport report = readTruckloadReport(engine.get());
    QCOMPARE(int(report.manifest.size()), 60);

    const QPageLayout layout =
        reportPageLayout(QPageSize::PageSizeId(size), QPageLayout::Orientation(orientation));
    const Report document = truckloadDocument(report, {true, true, true});
    const QString path = writeJob({document}, dir_,
                                  QStringLiteral("long-") + fileTag(QString::fromLatin1(QTest::currentDataTag())), layout);
    const int pages = pdfPages(path);
    QVERIFY2(pages >= 2, qPrintable(QString::number(pages)));
    QCOMPARE(pages, pageCount(document, layout));
    QVERIFY(pdfInfo(path, QStringLiteral("Page size")).startsWith(pageSize));

    // Every weight is printed once (no row lost or cut at a page break), and
    // every page the manifest runs onto starts with its column heads.
    QString all;
    int pagesWithManifest = 0;
    for (int page = 1; page <= pages; ++page) {
        const QString text = pdfText(path, page);
        all += text;
        QVERIFY(text.contains(QStringLiteral("Page ") + QString::number(page)));
        if (text.contains(QStringLiteral(" lbs."))) {
            ++pagesWithManifest;
            QVERIFY2(text.contains(QRegularExpression(QStringLiteral("ID PSN Class PG Permit Weight Packaging PIH"))),
                     qPrintable(text));
        }
    }
    QVERIFY(pagesWithManifest >= 2);
    for (int i = 0; i < 60; ++i)
        QCOMPARE(all.count(QStringLiteral(" ") + QString::number(100 + i) + QStringLiteral(" lbs.")), 1);
    QVERIFY(all.contains(QStringLiteral("Segregations & Restrictions")));
}

void ReportPagesTest::listReports_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("absent");

    const QString at = QStringLiteral("12/10/2026 04:30:00");
    QTest::newRow("search results")
        << searchResultsHtml({{"Gasoline", "3", "UN1203", "II", ""},
                              {"Phosgene", "2.3, (8)", "UN1076", "", "Zone A"}},
                             at)
        << QStringList{"Search Results", "Proper Shipping Name Class ID PG Hazard Zone", "Gasoline 3 UN1203 II",
                       "Phosgene 2.3, (8) UN1076 Zone A"}
        << QStringList{"Truck ID"};
    QTest::newRow("saved loads processed for legality")
        << savedLoadsHtml({true, {{"TRUCK 12", "12/09/2026 17:02:11", "Legal", "3", "1", "0"},
                                  {"PHOSGENE AND GASOLINE", "12/09/2026 17:05:40", "Illegal", "1", "0", "4"}}},
                          at)
        << QStringList{"Saved Loads", "Truckload Last Saved Legal Placards Markings Messages",
                       "TRUCK 12 12/09/2026 17:02:11 Legal 3 1 0", "PHOSGENE AND GASOLINE 12/09/2026 17:05:40 Illegal"}
        << QStringList{};
    QTest::newRow("saved loads listed only")
        << savedLoadsHtml({false, {{"TRUCK 12", "12/09/2026 17:02:11"}}}, at)
        << QStringList{"Truckload Last Saved", "TRUCK 12 12/09/2026 17:02:11"}
        << QStringList{"Legal", "Placards"};
}

void ReportPagesTest::listReports()
{
    QFETCH(QString, html);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, absent);

    const QString path = writeJob({{html, {}, {}, {}}}, dir_, fileTag(QString::fromLatin1(QTest::currentDataTag())));
    const QString text = pdfText(path);
    for (const QString &e : expected)
        QVERIFY2(text.contains(e), qPrintable(e + QStringLiteral(" missing from: ") + text));
    for (const QString &a : absent)
        QVERIFY2(!text.contains(a), qPrintable(a + QStringLiteral(" should not be printed")));
}

void ReportPagesTest::pdfThatCannotBeWritten_data()
{
    QTest::addColumn<QString>("relative");   // under the test's folder
    QTest::newRow("folder that does not exist") << "no such folder/report.pdf";
    QTest::newRow("path that is a folder") << "a folder";
}

void ReportPagesTest::pdfThatCannotBeWritten()
{
    QFETCH(QString, relative);
    QTemporaryDir scratch;
    QVERIFY(QDir(scratch.path()).mkdir(QStringLiteral("a folder")));
    const QString path = QDir(scratch.path()).filePath(relative);
    const PrintJob job{truckloadDocument(sampleReport(QStringLiteral("gasoline-cargo-tank")), {})};

    const QString error = writePdf(job, path, reportPageLayout());
    QVERIFY2(error.contains(QLatin1Char('"') + path + QLatin1Char('"')), qPrintable(error));
    // Nothing half-written is left behind.
    QCOMPARE(QDir(scratch.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{QStringLiteral("a folder")});
    QVERIFY(QDir(QDir(scratch.path()).filePath(QStringLiteral("a folder"))).isEmpty());
}

QTEST_MAIN(ReportPagesTest)
#include "report_pages_test.moc"
