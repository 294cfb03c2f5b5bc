// The Saved Truckloads list against the real engine: the scan with each
// file's legality summary, files that are not truckloads, the filter,
// renaming, deleting and the spreadsheet lines.
#include "saved/saved_list.h"
#include "settings/settings.h"

#include "dravlen.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>

using namespace velmora;

namespace {

struct ItemSpec {
    const char *id;
    int packingGroup;
    uint32_t weight;
    bool bulk;
};

// Writes a truckload of the given items to folder/name.vlm.
void saveTruckload(const QString &folder, const QString &name, std::initializer_list<ItemSpec> items)
{
    auto *engine = static_cast<Engine *>(std::calloc(1, static_cast<size_t>(GetSizeOf_Engine())));
    Init_Engine(engine);
    Load *load = GetLoad_Engine(engine);
    for (const ItemSpec &spec : items) {
        alignas(std::max_align_t) unsigned char storage[256] = {};
        auto *item = reinterpret_cast<Hazmat *>(storage);
        Init_Hazmat(item, SearchCT_HazData(spec.id, 2, 0));
        SetPackingGroup_Hazmat(item, spec.packingGroup);
        SetWeight_Hazmat(item, spec.weight);
        if (spec.bulk)
            SetBulkPackaging_Hazmat(item, -1);
        QVERIFY(Add_Load(load, item) >= 0);
        Reset_Hazmat(item, 0);
    }
    QVERIFY(Save_Load(load, QFile::encodeName(folder + name + QStringLiteral(".vlm")).constData()));
    Destroy_Engine(engine);
    std::free(engine);
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

const SavedRow *rowNamed(const ScanResult &r, const QString &name)
{
    for (const SavedRow &row : r.rows)
        if (row.name == name)
            return &row;
    return nullptr;
}

} // namespace

class SavedListTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    QString folder_;
    int ruleset_ = 0;

private slots:
    void initTestCase()
    {
        folder_ = dir_.path() + QLatin1Char('/');
        // The engine's current ruleset, as the main window would pass it.
        auto *engine = static_cast<Engine *>(std::calloc(1, static_cast<size_t>(GetSizeOf_Engine())));
        Init_Engine(engine);
        ruleset_ = GetRuleset_Engine(engine);
        Destroy_Engine(engine);
        std::free(engine);
        saveTruckload(folder_, QStringLiteral("Gas Tanker"), {{"UN1203", 2, 3000, true}});
        saveTruckload(folder_, QStringLiteral("Empty"), {});
        saveTruckload(folder_, QStringLiteral("Red Mix"), {{"UN0081", 0, 1000, false}, {"UN1203", 2, 1000, false}});
        // Files that are not truckloads are left out, never fatal.
        writeBytes(folder_ + QStringLiteral("blank.vlm"), QByteArray());
        writeBytes(folder_ + QStringLiteral("foreign.vlm"), QByteArray("\x07\0\0\0\xff\xff\xff\x7f garbage", 17));
        QVERIFY(QDir(folder_).mkdir(QStringLiteral("folder.vlm")));
        writeBytes(folder_ + QStringLiteral("notes.txt"), QByteArray("not listed"));
    }

    void legalityScanSummarisesEachFile()
    {
        ScanOptions options;
        options.folders = {folder_};
        options.ruleset = ruleset_;
        int progressCalls = 0;
        const ScanResult r = scanSavedTruckloads(options, SavedFilter{}, [&](int n) {
            progressCalls = n;
            return true;
        });
        QCOMPARE(r.loaded, 3);
        QCOMPARE(progressCalls, 3);
        QCOMPARE(int(r.rows.size()), 3);
        const SavedRow *gas = rowNamed(r, QStringLiteral("Gas Tanker"));
        const SavedRow *empty = rowNamed(r, QStringLiteral("Empty"));
        const SavedRow *mix = rowNamed(r, QStringLiteral("Red Mix"));
        QVERIFY(gas && empty && mix);
        QCOMPARE(gas->legalityText, QStringLiteral("Yes"));
        QVERIFY(gas->placards == QStringLiteral("Mult. Ops.") || gas->placards.toInt() >= 1);
        QCOMPARE(empty->legalityText, QStringLiteral("Yes"));
        QCOMPARE(empty->placards, QStringLiteral("0"));
        QCOMPARE(mix->legalityText, QStringLiteral("No"));
        QCOMPARE(mix->legality, 1);
        QVERIFY(mix->messages.toInt() >= 1);
        // Icons: red for the illegal load, white with a frame otherwise.
        QCOMPARE(mix->icon.actualSize(QSize(100, 100)), QSize(77, 77));
        QCOMPARE(mix->icon.pixmap(77, 77).toImage().pixelColor(3, 3), QColor(255, 0, 0));
        QCOMPARE(empty->icon.pixmap(77, 77).toImage().pixelColor(40, 60), QColor(Qt::white));
        QCOMPARE(gas->folder, folder_);
        QVERIFY(QFileInfo(gas->path()).exists());
        QCOMPARE(scanStatusText(r, SavedFilter{}), QStringLiteral("3 saved truckloads found"));

        // Stopping: the window is closing.
        const ScanResult stopped = scanSavedTruckloads(options, SavedFilter{}, [](int) { return false; });
        QCOMPARE(stopped.loaded, 1);
        QVERIFY(stopped.rows.empty());
    }

    void plainScanAndFilter()
    {
        ScanOptions options;
        options.folders = {folder_};
        options.ruleset = ruleset_;
        options.processLegality = false;
        SavedFilter filter;
        filter.nameText = QStringLiteral("gas,red");
        filter.matchMode = QStringLiteral("Any Words");
        filter.legalityOn = true;   // not applied without legality
        filter.acceptedLegality = {QStringLiteral("No")};
        const ScanResult r = scanSavedTruckloads(options, filter);
        QCOMPARE(r.loaded, 3);
        QCOMPARE(int(r.rows.size()), 2);
        QVERIFY(!r.rows[0].processed);
        QCOMPARE(scanStatusText(r, filter), QStringLiteral("2 of 3 loads (filtered)"));
    }

    void filterCases()
    {
        const QDate today = QDate::currentDate();
        SavedFilter anyWords;
        anyWords.nameText = QStringLiteral("gas,red");
        anyWords.matchMode = QStringLiteral("Any Words");
        SavedFilter allWords = anyWords;
        allWords.matchMode = QStringLiteral("All Words");
        SavedFilter exact;
        exact.nameText = QStringLiteral("Gas");
        exact.matchMode = QStringLiteral("Exact");
        SavedFilter lastDay;
        lastDay.dateOn = true;
        lastDay.to = QDateTime::currentDateTime();
        lastDay.from = lastDay.to.addDays(-1);
        SavedFilter illegalOnly;
        illegalOnly.legalityOn = true;
        illegalOnly.acceptedLegality = {QStringLiteral("No")};
        SavedFilter locationsOnly;
        locationsOnly.locationsOn = true;

        const struct {
            const char *what;
            const SavedFilter &filter;
            QString name;
            QDate day;
            QString legality;
            bool passes;
        } cases[] = {
            {"any: gas", anyWords, QStringLiteral("GAS Tanker"), today, QStringLiteral("Yes"), true},
            {"any: red", anyWords, QStringLiteral("Tired"), today, QStringLiteral("Yes"), true},
            {"any: neither", anyWords, QStringLiteral("Acids"), today, QStringLiteral("Yes"), false},
            {"all: one word only", allWords, QStringLiteral("Gas Tanker"), today, QStringLiteral("Yes"), false},
            {"all: both", allWords, QStringLiteral("Red gas"), today, QStringLiteral("Yes"), true},
            {"exact", exact, QStringLiteral("gas"), today, QStringLiteral("Yes"), true},
            {"exact: longer", exact, QStringLiteral("gas 2"), today, QStringLiteral("Yes"), false},
            {"yesterday", lastDay, QStringLiteral("x"), today.addDays(-1), QStringLiteral("Yes"), true},
            {"two days ago", lastDay, QStringLiteral("x"), today.addDays(-2), QStringLiteral("Yes"), false},
            {"illegal", illegalOnly, QStringLiteral("x"), today, QStringLiteral("No"), true},
            {"undetermined", illegalOnly, QStringLiteral("x"), today, QStringLiteral("???"), false},
            {"locations only", locationsOnly, QStringLiteral("x"), today, QStringLiteral("???"), true},
            {"inactive", SavedFilter{}, QStringLiteral("x"), today, QStringLiteral("No"), true},
        };
        for (const auto &c : cases)
            QVERIFY2(passesFilter(c.filter, c.name, c.day, c.legality, true) == c.passes, c.what);
    }

    void renameAndDelete()
    {
        QTemporaryDir d;
        const QString folder = d.path() + QLatin1Char('/');
        saveTruckload(folder, QStringLiteral("One"), {{"UN1203", 2, 3000, true}});
        saveTruckload(folder, QStringLiteral("Two"), {});
        SavedRow one;
        one.name = QStringLiteral("One");
        one.fileName = QStringLiteral("One.vlm");
        one.folder = folder;
        const QByteArray oneBytes = [&] {
            QFile f(one.path());
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();

        QVERIFY(!renameSaved(one, QStringLiteral("Two"), false));   // would replace without asking
        QVERIFY(QFile::exists(one.path()));
        QVERIFY(renameSaved(one, QStringLiteral("Two"), true));
        QVERIFY(!QFile::exists(one.path()));
        QFile two(folder + QStringLiteral("Two.vlm"));
        QVERIFY(two.open(QIODevice::ReadOnly));
        QCOMPARE(two.readAll(), oneBytes);
        QVERIFY(!renameSaved(one, QStringLiteral("Three"), false));   // gone

        QCOMPARE(deleteQuestion(QStringLiteral("Two")), QStringLiteral("Are you sure you want to delete \"Two\" ?"));
        SavedRow row;
        row.name = QStringLiteral("Two");
        row.fileName = QStringLiteral("Two.vlm");
        row.folder = folder;
        // A read-only file is neither deleted nor replaced by a rename.
        const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
        QVERIFY(QFile::setPermissions(row.path(), readOnly));
        QVERIFY(!deleteSaved(row));
        saveTruckload(folder, QStringLiteral("Three"), {});
        SavedRow three;
        three.name = QStringLiteral("Three");
        three.fileName = QStringLiteral("Three.vlm");
        three.folder = folder;
        QVERIFY(!renameSaved(three, QStringLiteral("Two"), true));
        QVERIFY(QFile::exists(three.path()));
        QVERIFY(QFile::setPermissions(row.path(), readOnly | QFileDevice::WriteOwner));
        QVERIFY(deleteSaved(row));
        QVERIFY(!deleteSaved(row));
    }

    void spreadsheetLines()
    {
        ScanOptions options;
        options.folders = {folder_};
        options.ruleset = ruleset_;
        options.processLegality = false;
        SavedFilter onlyGas;
        onlyGas.nameText = QStringLiteral("gas");
        const ScanResult r = scanSavedTruckloads(options, onlyGas);
        QCOMPARE(int(r.rows.size()), 1);
        std::vector<SavedRow> rows = r.rows;
        SavedRow empty;
        empty.name = QStringLiteral("Empty");
        empty.fileName = QStringLiteral("Empty.vlm");
        empty.folder = folder_;
        rows.push_back(empty);   // a truckload without items gives no line
        const QStringList lines = csvLines(rows, ruleset_);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], QStringLiteral("Truckload,Date,Proper Shipping Name,Class,ID,PG,Permit,Weight,Packaging,PIH"));
        const QString prefix = QStringLiteral("\"Gas Tanker\",") + r.rows[0].lastSavedText() + QStringLiteral(",\"Gasoline");
        QVERIFY2(lines[1].startsWith(prefix), qPrintable(lines[1]));
        QVERIFY2(lines[1].contains(QStringLiteral("\",\"3\",UN1203,II,")), qPrintable(lines[1]));
        QVERIFY2(lines[1].endsWith(QStringLiteral(",Bulk,None")), qPrintable(lines[1]));

        const QString csv = folder_ + QStringLiteral("out.csv");
        QVERIFY(writeCsv(csv, lines));
        QFile f(csv);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toLatin1());
        QVERIFY(!writeCsv(folder_ + QStringLiteral("no/such/folder.csv"), lines));
    }
};

QTEST_MAIN(SavedListTest)
#include "saved_list_test.moc"
