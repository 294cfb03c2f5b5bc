// Saving and opening the current truckload as ".vlm" files, against the
// real engine library: names from the truck ID, the overwrite question,
// files the engine refuses, the removal question and the dirty flag.
#include "support/fakes.h"
#include "app/dravlen_library.h"
#include "app/main_window.h"
#include "saved/saved_truckloads.h"
#include "saved/saved_store.h"
#include "saved/truck_id_dialog.h"

#include "dravlen.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QMessageBox>
#include <QTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include "support/truckload_items.h"

#include <QtTest>

#include <cerrno>
#include <cstring>

using namespace velmora;
using namespace velmora::test;

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A store on a real engine whose truck ID dialog answers from a script.
struct Fixture {
    QTemporaryDir dir;
    DravlenLibrary lib;
    ScriptedPrompts prompts;
    Settings settings;
    SavedStore store;
    std::deque<std::optional<QString>> truckIds;
    QStringList proposals;   // the files the Save As dialog was opened on
    bool dirty = false;
    int replaced = 0;
    QString status;

    Fixture() : store((lib.initEngine(), lib.engine()), prompts, settings)
    {
        settings.savePath = withTrailingSeparator(dir.path().toStdString());
        store.askTruckId = scriptedTruckIds(truckIds);
        store.askSavePath = [this](const QString &proposed) {
            proposals << proposed;
            return scriptedSaveNames(truckIds)(proposed);
        };
        store.isDirty = [this] { return dirty; };
        store.setDirty = [this](bool on) { dirty = on; };
        store.truckloadReplaced = [this](bool) { ++replaced; };
        store.status = [this](const QString &t) { status = t; };
    }
    Load *load() { return GetLoad_Engine(lib.engine()); }
    QString folder() const { return QString::fromStdString(settings.savePath); }
};

} // namespace

class SavedStoreTest : public QObject {
    Q_OBJECT
private slots:
    void saveThenOpenRoundTrip()
    {
        Fixture f;
        addItem(f.lib.engine(), "UN1203", 2, 3000);
        addItem(f.lib.engine(), "UN1830", 2, 500);
        SetVehicle_Load(f.load(), "MC/TC 306");
        Set8820Criteria_Load(f.load(), 0);
        SetDODShipment_Load(f.load(), 1);
        f.dirty = true;
        f.truckIds = {QStringLiteral("Tanker 7")};

        QVERIFY(f.store.saveAs());
        const QString path = f.folder() + QStringLiteral("Tanker 7.vlm");
        QVERIFY(QFile::exists(path));
        QVERIFY(!f.dirty);
        QCOMPARE(f.store.name(), QStringLiteral("Tanker 7"));
        QVERIFY(f.prompts.shown.empty());
        // The file holds exactly the engine's image of the stamped truckload.
        uint32_t size = 0;
        void *image = Serialize_Load(f.load(), &size);
        QCOMPARE(fileBytes(path), QByteArray(static_cast<const char *>(image), static_cast<qsizetype>(size)));
        qv_free(image);

        // Read back into an emptied truckload.
        Reset_Load(f.load());
        f.store.setName(QString());
        f.dirty = true;
        f.prompts.answers = {PromptAnswer::No};   // do not save the changed empty truckload
        QCOMPARE(f.store.open(path), SavedStore::OpenResult::Opened);
        QCOMPARE(GetItemCount_Load(f.load()), 2u);
        QCOMPARE(QString::fromLatin1(GetID_Hazmat(GetHazmat_Load(f.load(), 0))), QStringLiteral("UN1203"));
        QCOMPARE(QString::fromLatin1(GetVehicle_Load(f.load())), QStringLiteral("MC/TC 306"));
        QCOMPARE(IsDODShipment_Load(f.load()), 1);
        QCOMPARE(QString::fromLatin1(GetValue_Vehicle(f.load(), "Saved_Version")), QStringLiteral("\"7.51.1\""));
        QCOMPARE(QString::fromLatin1(GetValue_Vehicle(f.load(), "Saved_Edition")), QStringLiteral("RAZU"));
        QCOMPARE(f.store.name(), QStringLiteral("Tanker 7"));
        QCOMPARE(f.status, QStringLiteral("Loaded the saved truckload \"Tanker 7\""));
        QVERIFY(!f.dirty);
        QCOMPARE(f.replaced, 1);
        QCOMPARE(f.prompts.texts(),
                 QStringList{QStringLiteral("Do you want to save the changes made to the current truckload?")});
    }

    void overwriteAsksAndReplacesWholly()
    {
        Fixture f;
        addItem(f.lib.engine(), "UN1203", 2, 3000);
        addItem(f.lib.engine(), "UN1830", 2, 500);
        f.truckIds = {QStringLiteral("Load"), QStringLiteral("Load"), QStringLiteral("Load")};
        QVERIFY(f.store.saveAs());
        const QString path = f.folder() + QStringLiteral("Load.vlm");
        const QByteArray before = fileBytes(path);

        // No: the file stays as it was, the name stays.
        Remove_Load(f.load(), 1);
        f.prompts.answers = {PromptAnswer::No};
        QVERIFY(!f.store.saveAs());
        QCOMPARE(f.prompts.texts().last(),
                 QStringLiteral("Are you sure that you want to overwrite Load with the current truckload?"));
        QCOMPARE(fileBytes(path), before);
        QCOMPARE(f.store.name(), QStringLiteral("Load"));

        // Yes: the file holds the shorter truckload alone.
        QVERIFY(f.store.saveAs());
        QVERIFY(fileBytes(path).size() < before.size());
        Reset_Load(f.load());
        QCOMPARE(f.store.open(path), SavedStore::OpenResult::Opened);
        QCOMPARE(GetItemCount_Load(f.load()), 1u);
    }

    void cancelledSaveAsSavesNothingAndKeepsTheName()
    {
        Fixture f;
        f.store.setName(QStringLiteral("Old"));
        f.dirty = true;
        f.truckIds = {std::nullopt};
        QVERIFY(!f.store.saveAs());
        QCOMPARE(f.store.name(), QStringLiteral("Old"));
        QVERIFY(f.dirty);
        QVERIFY(QDir(f.folder()).entryList({QStringLiteral("*.vlm")}).isEmpty());
    }

    void unreadableFilesAreRefused()
    {
        Fixture f;
        addItem(f.lib.engine(), "UN1203", 2, 3000);
        f.truckIds = {QStringLiteral("Good")};
        QVERIFY(f.store.saveAs());
        const QByteArray good = fileBytes(f.folder() + QStringLiteral("Good.vlm"));
        QByteArray futureVersion = good;
        futureVersion[0] = 9;
        QByteArray badBlock = good;
        badBlock[4] = 10;   // vehicle block length not a multiple of 4

        const struct {
            const char *name;
            QByteArray bytes;
        } cases[] = {
            {"empty", QByteArray()},
            {"foreign", QByteArray("PK\x03\x04 this is a zip file, not a truckload")},
            {"future version", futureVersion},
            {"bad vehicle block", badBlock},
            {"truncated", good.left(10)},
        };
        for (const auto &c : cases) {
            const QString path = f.folder() + QString::fromLatin1(c.name) + QStringLiteral(".vlm");
            writeBytes(path, c.bytes);
            f.prompts.shown.clear();
            QCOMPARE(f.store.open(path), SavedStore::OpenResult::Refused);
            QCOMPARE(f.prompts.shown.size(), size_t(1));
            QCOMPARE(f.prompts.shown[0].type, PromptType::Error);
            QVERIFY2(f.prompts.shown[0].text.contains(QString::fromLatin1(c.name)), c.name);
            QCOMPARE(GetItemCount_Load(f.load()), 1u);
            QCOMPARE(f.store.name(), QStringLiteral("Good"));
        }
        QVERIFY(f.store.open(f.folder() + QStringLiteral("missing.vlm")) == SavedStore::OpenResult::Refused);
        QCOMPARE(f.replaced, 0);
    }

    void itemsThatWouldBeLostAreAskedAbout()
    {
        Fixture f;
        addItem(f.lib.engine(), "UN1203", 2, 3000);
        addItem(f.lib.engine(), "UN1830", 2, 500);
        f.truckIds = {QStringLiteral("Two")};
        QVERIFY(f.store.saveAs());
        // Give the second item record a PID no table row has.
        QByteArray bytes = fileBytes(f.folder() + QStringLiteral("Two.vlm"));
        uint32_t vehicleBlock = 0, dictLength = 0;
        std::memcpy(&vehicleBlock, bytes.constData() + 4, 4);
        const qsizetype first = 12 + vehicleBlock;
        std::memcpy(&dictLength, bytes.constData() + first + 28, 4);
        const qsizetype second = first + 32 + dictLength;
        const uint32_t noSuchPid = 99999;
        std::memcpy(bytes.data() + second, &noSuchPid, 4);
        const QString path = f.folder() + QStringLiteral("Lossy.vlm");
        writeBytes(path, bytes);

        const QString question = QStringLiteral("Some hazardous materials have no representation in the new hazardous "
                                                "materials table and will be removed from the load.  Continue?");
        // Declined: the current truckload (two items, its name) stays.
        Remove_Load(f.load(), 1);
        f.prompts.answers = {PromptAnswer::No};
        QCOMPARE(f.store.open(path), SavedStore::OpenResult::Declined);
        QCOMPARE(f.prompts.texts(), QStringList{question});
        QCOMPARE(GetItemCount_Load(f.load()), 1u);
        QCOMPARE(QString::fromLatin1(GetID_Hazmat(GetHazmat_Load(f.load(), 0))), QStringLiteral("UN1203"));
        QCOMPARE(f.store.name(), QStringLiteral("Two"));

        // Accepted: the readable item arrives.
        Reset_Load(f.load());
        QCOMPARE(f.store.open(path), SavedStore::OpenResult::Opened);
        QCOMPARE(GetItemCount_Load(f.load()), 1u);
        QCOMPARE(f.store.name(), QStringLiteral("Lossy"));
    }

    void failedSavesReportAndKeepTheOldFile()
    {
        Fixture f;
        addItem(f.lib.engine(), "UN1203", 2, 3000);
        // A folder that does not exist.
        f.settings.savePath = f.folder().toStdString() + "nowhere/";
        f.truckIds = {QStringLiteral("Lost")};
        QVERIFY(!f.store.saveAs());
        QCOMPARE(f.prompts.texts().last(), QStringLiteral("Velmora - Commercial was unable to save your truckload. "
                                                          "Cannot find the path specified."));
        QVERIFY(f.store.name().isEmpty());

        // A target that cannot be replaced by a file keeps what it was.
        f.settings.savePath = withTrailingSeparator(f.dir.path().toStdString());
        QVERIFY(QDir(f.folder()).mkdir(QStringLiteral("Held.vlm")));
        f.truckIds = {QStringLiteral("Held")};
        f.prompts.answers = {PromptAnswer::Yes};
        QVERIFY(!f.store.saveAs());
        QVERIFY(f.prompts.texts().last().startsWith(QStringLiteral("Velmora - Commercial was unable to save your truckload. Please")));
        QVERIFY(QFileInfo(f.folder() + QStringLiteral("Held.vlm")).isDir());
    }

    void readOnlyFileIsNotOverwritten()
    {
        Fixture f;
        addItem(f.lib.engine(), "UN1203", 2, 3000);
        f.truckIds = {QStringLiteral("Locked"), QStringLiteral("Locked")};
        QVERIFY(f.store.saveAs());
        const QString path = f.folder() + QStringLiteral("Locked.vlm");
        const QByteArray before = fileBytes(path);
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
        QVERIFY(isReadOnlyFile(path));
        addItem(f.lib.engine(), "UN1830", 2, 500);
        f.prompts.answers = {PromptAnswer::Yes};
        QVERIFY(!f.store.saveAs());
        QCOMPARE(f.prompts.texts().last(),
                 QStringLiteral("Velmora - Commercial was unable to save your truckload. This file is read-only."));
        QCOMPARE(fileBytes(path), before);
        QCOMPARE(f.store.name(), QStringLiteral("Locked"));
    }

    // Save As writes where the user points the file dialog; the truck ID is
    // the file's name, and Save then writes that same file.
    void saveAsGoesWhereTheUserChooses()
    {
        Fixture f;
        QTemporaryDir elsewhere;
        const QString other = elsewhere.path() + QLatin1Char('/');
        addItem(f.lib.engine(), "UN1203", 2, 3000);
        f.dirty = true;
        f.settings.enableDefaultID = false;

        // Unnamed: the dialog opens on the saved-truckloads folder.
        f.store.askSavePath = [&](const QString &proposed) -> std::optional<QString> {
            f.proposals << proposed;
            return other + QStringLiteral("Trip 4");   // typed without the extension
        };
        QVERIFY(f.store.saveAs());
        QCOMPARE(f.proposals.last(), f.folder() + QStringLiteral(".vlm"));
        QCOMPARE(f.store.name(), QStringLiteral("Trip 4"));
        QCOMPARE(f.store.filePath(), other + QStringLiteral("Trip 4.vlm"));
        QVERIFY(QFile::exists(other + QStringLiteral("Trip 4.vlm")));
        QVERIFY(!QFile::exists(f.folder() + QStringLiteral("Trip 4.vlm")));
        QVERIFY(!f.dirty);
        QCOMPARE(f.status, QStringLiteral("Saved the truckload \"Trip 4\""));

        // Save writes the same file, not one in the saved-truckloads folder.
        addItem(f.lib.engine(), "UN1830", 2, 500);
        const QByteArray before = fileBytes(other + QStringLiteral("Trip 4.vlm"));
        QVERIFY(f.store.save());
        QVERIFY(fileBytes(other + QStringLiteral("Trip 4.vlm")).size() > before.size());
        QVERIFY(QDir(f.folder()).entryList({QStringLiteral("*.vlm")}).isEmpty());

        // A second Save As opens on that file.
        f.store.askSavePath = [&](const QString &proposed) -> std::optional<QString> {
            f.proposals << proposed;
            return std::nullopt;
        };
        QVERIFY(!f.store.saveAs());
        QCOMPARE(f.proposals.last(), other + QStringLiteral("Trip 4.vlm"));

        // A file whose extension is in capitals keeps its own name when
        // opened and saved again.
        QVERIFY(QFile::rename(other + QStringLiteral("Trip 4.vlm"), other + QStringLiteral("T.VLM")));
        f.dirty = false;
        QCOMPARE(f.store.open(other + QStringLiteral("T.VLM")), SavedStore::OpenResult::Opened);
        QCOMPARE(f.store.name(), QStringLiteral("T"));
        QVERIFY(f.store.save());
        QCOMPARE(QDir(other).entryList({QStringLiteral("*")}, QDir::Files), QStringList{QStringLiteral("T.VLM")});

        // A name no truck ID may have is refused with its message; nothing
        // is written and the truckload keeps its name and file.
        f.store.askSavePath = [&](const QString &) -> std::optional<QString> {
            return other + QStringLiteral("a|b.vlm");
        };
        f.prompts.shown.clear();
        QVERIFY(!f.store.saveAs());
        QCOMPARE(f.prompts.shown.size(), size_t(1));
        QCOMPARE(f.prompts.shown[0].type, PromptType::Error);
        QVERIFY(!QFile::exists(other + QStringLiteral("a|b.vlm")));
        QCOMPARE(f.store.name(), QStringLiteral("T"));
        QCOMPARE(f.store.filePath(), other + QStringLiteral("T.VLM"));

        // New forgets the file: the next Save As opens on the saved folder
        // with the date-time stamp when default IDs are on.
        f.store.newTruckload();
        f.settings.enableDefaultID = true;
        f.store.askSavePath = [&](const QString &proposed) -> std::optional<QString> {
            f.proposals << proposed;
            return std::nullopt;
        };
        QVERIFY(!f.store.saveAs());
        QVERIFY(f.proposals.last().startsWith(f.folder()));
        QVERIFY(f.proposals.last().endsWith(QStringLiteral(".vlm")));
        QVERIFY(f.proposals.last().size() > f.folder().size() + 4 + 10);
    }

    void importCopiesOnlyAnOpenedFileAndAsksBeforeReplacing()
    {
        Fixture f;
        QTemporaryDir elsewhere;
        addItem(f.lib.engine(), "UN1203", 2, 3000);
        const QString outside = elsewhere.filePath(QStringLiteral("Shared.vlm"));
        QVERIFY(f.store.exportCurrent(outside));
        const QString inside = f.folder() + QStringLiteral("Shared.vlm");

        // A file that is not a truckload is neither opened nor copied.
        const QString junk = elsewhere.filePath(QStringLiteral("Junk.vlm"));
        writeBytes(junk, QByteArray("junk"));
        QCOMPARE(f.store.importFile(junk), SavedStore::OpenResult::Refused);
        QVERIFY(!QFile::exists(f.folder() + QStringLiteral("Junk.vlm")));

        // Opened and copied in.
        Reset_Load(f.load());
        QCOMPARE(f.store.importFile(outside), SavedStore::OpenResult::Opened);
        QCOMPARE(GetItemCount_Load(f.load()), 1u);
        QCOMPARE(fileBytes(inside), fileBytes(outside));

        // A saved truckload of that name is replaced only after Yes.
        writeBytes(inside, QByteArray("older saved truckload"));
        f.prompts.answers = {PromptAnswer::No};
        QCOMPARE(f.store.importFile(outside), SavedStore::OpenResult::Opened);
        QCOMPARE(f.prompts.texts().last(),
                 QStringLiteral("Are you sure that you want to overwrite Shared with the current truckload?"));
        QCOMPARE(fileBytes(inside), QByteArray("older saved truckload"));
        f.prompts.answers = {PromptAnswer::Yes};
        f.store.importFile(outside);
        QCOMPARE(fileBytes(inside), fileBytes(outside));
    }

    void truckIdNamesTheTruckloadAndMarksItChanged()
    {
        Fixture f;
        QStringList titles;
        f.store.nameChanged = [&] { titles << f.store.name(); };
        f.truckIds = {QStringLiteral("Route 9"), std::nullopt, QStringLiteral("Route 9")};
        QVERIFY(f.store.enterTruckId());
        QVERIFY(f.dirty);
        QCOMPARE(QString::fromLatin1(GetName_Load(f.load())), QStringLiteral("Route 9"));
        f.dirty = false;
        QVERIFY(!f.store.enterTruckId());   // cancelled: nothing changes
        QVERIFY(f.store.enterTruckId());    // the same name: not a change
        QVERIFY(!f.dirty);
        QCOMPARE(f.store.name(), QStringLiteral("Route 9"));
        QCOMPARE(titles.first(), QStringLiteral("Route 9"));
    }

    void saveFailureTexts()
    {
        const struct {
            int errnum;
            bool existed;
            const char *tail;
        } cases[] = {
            {ENOENT, false, "Cannot find the path specified."},
            {EACCES, false, "File access was denied."},
            {ENOSPC, false, "There is not enough space on the disk."},
            {ENOSPC, true, "There is not enough space on the disk."},
            {EINVAL, false, "The specified path is invalid."},
            {ENAMETOOLONG, false, "The filename is too long."},
            {EIO, false, "Error Code: 5"},
            {EIO, true, "contact your System Administrator or Help Desk."},
        };
        for (const auto &c : cases) {
            const QString text = saveFailureText(c.errnum, c.existed);
            QVERIFY2(text.startsWith(QStringLiteral("Velmora - Commercial was unable to save your truckload.")), c.tail);
            QVERIFY2(text.endsWith(QString::fromLatin1(c.tail)), qPrintable(text));
        }
    }

    void truckIdChecks()
    {
        const QString folder = QStringLiteral("/data/loads/");   // 12 characters
        const QString longest(kMaxTruckloadPath - 1 - 12 - 4, QLatin1Char('x'));
        const struct {
            QString text;
            QString problem;
        } cases[] = {
            {QStringLiteral("Truck 12"), QString()},
            {QString(), QStringLiteral("You must enter a truckload name.")},
            {longest, QString()},
            {longest + QLatin1Char('x'), QStringLiteral("Unable to save your truckload. The filename is too long.")},
            {QStringLiteral("a/b"), QStringLiteral("A truckload name cannot contain any of the following characters:\n"
                                                   "\t\t\\ / : * ? \" < > |")},
            {QStringLiteral("why?"), QStringLiteral("A truckload name cannot contain any of the following characters:\n"
                                                    "\t\t\\ / : * ? \" < > |")},
        };
        for (const auto &c : cases)
            QCOMPARE(truckIdProblem(folder, c.text), c.problem);
        QCOMPARE(dateTimeStampId(QDateTime(QDate(2025, 4, 3), QTime(9, 5, 7, 42))), QStringLiteral("202543957" "42"));
    }

    void dialogRefusesThenAccepts()
    {
        ScriptedPrompts prompts;
        TruckIdDialog d(prompts, QStringLiteral("/tmp/"), QString(), false, true);
        QCOMPARE(d.windowTitle(), QStringLiteral("Truck ID"));
        QVERIFY(d.text().startsWith(QString::number(QDate::currentDate().year())));
        d.truckIdEdit->setText(QStringLiteral("a|b"));
        d.acceptIfValid();
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(prompts.shown.size(), size_t(1));
        d.truckIdEdit->setText(QStringLiteral("ab"));
        d.acceptIfValid();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        TruckIdDialog rename(prompts, QStringLiteral("/tmp/"), QString(), true, false);
        QCOMPARE(rename.windowTitle(), QStringLiteral("Rename Truck ID"));
        QVERIFY(rename.text().isEmpty());
    }

    void newAsksAndKeepsTheTruckloadWhenTheSaveIsCancelled()
    {
        Fixture f;
        addItem(f.lib.engine(), "UN1203", 2, 3000);   // not named yet: Save asks for a truck ID
        f.dirty = true;
        f.truckIds = {std::nullopt};
        f.prompts.answers = {PromptAnswer::Yes};
        QVERIFY(!f.store.newTruckload());
        QCOMPARE(GetItemCount_Load(f.load()), 1u);
        QVERIFY(f.dirty);

        f.prompts.answers = {PromptAnswer::No};
        QVERIFY(f.store.newTruckload());
        QCOMPARE(GetItemCount_Load(f.load()), 0u);
        QVERIFY(f.store.name().isEmpty());
        QVERIFY(!f.dirty);
        QCOMPARE(f.status, QStringLiteral("Ready"));
    }

    // Every path that would replace a changed truckload asks Save, Discard
    // or Cancel in a real message box; Escape there keeps the truckload.
    void escapeOnEachPromptKeepsTheTruckload_data()
    {
        QTest::addColumn<QString>("command");
        for (const char *c : {"New", "Open", "Import", "Exit"})
            QTest::newRow(c) << QString::fromLatin1(c);
    }
    void escapeOnEachPromptKeepsTheTruckload()
    {
        QFETCH(QString, command);
        QTemporaryDir dir;
        const std::string folder = withTrailingSeparator(dir.path().toStdString());
        DravlenLibrary lib;
        MessageBoxPrompts prompts;
        ScriptedDialogs dialogs;
        MainWindow w(lib, prompts, {folder, folder, folder}, &dialogs);
        QVERIFY(w.started());
        // a saved truckload that Open and Import would read
        addItem(lib.engine(), "UN1830", 2, 500);
        const QString other = QString::fromStdString(folder) + QStringLiteral("Other.vlm");
        QVERIFY(Save_Load(GetLoad_Engine(lib.engine()), other.toLocal8Bit().constData()));
        Reset_Load(GetLoad_Engine(lib.engine()));
        dialogs.fileDialog = [&](bool, const QString &, const QString &) { return other; };
        addItem(lib.engine(), "UN1203", 2, 3000);
        addItem(lib.engine(), "UN1090", 2, 100);
        w.setDirty(true);
        w.show();
        QVERIFY(w.isWindowModified());

        QString asked;
        QTimer answer;
        answer.setInterval(10);
        connect(&answer, &QTimer::timeout, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                answer.stop();
                asked = box->text();
                QVERIFY(box->button(QMessageBox::Save) && box->button(QMessageBox::Discard) &&
                        box->button(QMessageBox::Cancel));
                QTest::keyClick(box, Qt::Key_Escape);
            }
        });
        answer.start();
        if (command == QLatin1String("New"))
            w.savedTruckloads()->newAction()->trigger();
        else if (command == QLatin1String("Open"))
            w.savedTruckloads()->openAction()->trigger();
        else if (command == QLatin1String("Import"))
            w.savedTruckloads()->importAction()->trigger();
        else
            QVERIFY(!w.close());
        QCOMPARE(asked, QStringLiteral("Do you want to save the changes made to the current truckload?"));
        QCOMPARE(GetItemCount_Load(GetLoad_Engine(lib.engine())), 2u);
        QCOMPARE(QString::fromLatin1(GetID_Hazmat(GetHazmat_Load(GetLoad_Engine(lib.engine()), 0))),
                 QStringLiteral("UN1203"));
        QVERIFY(w.isDirty());
        QVERIFY(w.isWindowModified());
        QVERIFY(w.isVisible());
        w.setDirty(false);   // let the window close quietly
    }

    void saveWritesUnderTheTruckIdWithoutAsking()
    {
        Fixture f;
        addItem(f.lib.engine(), "UN1203", 2, 3000);
        f.dirty = true;
        f.truckIds = {QStringLiteral("Tanker 9")};
        QVERIFY(f.store.save());   // no name yet: asks for the truck ID
        QVERIFY(!f.dirty);
        const QString path = f.folder() + QStringLiteral("Tanker 9.vlm");
        const QByteArray first = fileBytes(path);
        addItem(f.lib.engine(), "UN1830", 2, 500);
        f.dirty = true;
        QVERIFY(f.store.save());   // named: written again without a question
        QVERIFY(f.truckIds.empty());
        QVERIFY(f.prompts.shown.empty());
        QVERIFY(fileBytes(path).size() > first.size());
        QVERIFY(!f.dirty);
    }

    void closingWithChangesSavesThroughTheWindow()
    {
        QTemporaryDir dir;
        const std::string folder = withTrailingSeparator(dir.path().toStdString());
        DravlenLibrary lib;
        ScriptedPrompts prompts;
        ScriptedDialogs dialogs;
        MainWindow w(lib, prompts, {folder, folder, folder}, &dialogs);
        QVERIFY(w.started());
        QVERIFY(w.savedStore());
        std::deque<std::optional<QString>> ids{std::nullopt, QStringLiteral("Closing")};
        dialogs.saveAsDialog = scriptedSaveNames(ids);
        addItem(lib.engine(), "UN1203", 2, 3000);
        w.setDirty(true);

        QCloseEvent cancelled;
        QCoreApplication::sendEvent(&w, &cancelled);
        QVERIFY(!cancelled.isAccepted());
        QVERIFY(w.isDirty());

        QCloseEvent saved;
        QCoreApplication::sendEvent(&w, &saved);
        QVERIFY(saved.isAccepted());
        QVERIFY(QFile::exists(QString::fromStdString(w.settings().savePath) + QStringLiteral("Closing.vlm")));
    }
};

QTEST_MAIN(SavedStoreTest)
#include "saved_store_test.moc"
