#include "saved/saved_list.h"
#include "frontend/placard_limit.h"
#include "frontend/holders.h"
#include "frontend/file_io.h"

#include "dravlen.h"
#include "compliance/compliance_results.h"
#include "saved/legality_icon.h"
#include "saved/saved_store.h"
#include "truckload/truckload_editing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

namespace velmora {

namespace {

// Truckload images are a few kilobytes; a file far larger than any
// truckload is not read into memory during a scan.
constexpr qint64 kLargestImage = 64 * 1024 * 1024;

std::optional<QByteArray> readImage(const QString &path)
{
    QFile f(path);
    if (f.size() > kLargestImage || !f.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

// Reads a file into the load; false when it is not a readable truckload.
bool readInto(Load *load, const QString &path)
{
    const std::optional<QByteArray> bytes = readImage(path);
    if (!bytes || bytes->isEmpty())
        return false;
    // Read for the list only: no inspection questions are built.
    return UnserializeForCalculation_Load(load, bytes->constData(), static_cast<uint32_t>(bytes->size())) == 0;
}


// Summarises the truckload just read: legality and the first option.
void summarise(SavedRow &row, Engine *engine, const ScanOptions &options)
{
    Calculate_Engine(engine);
    frontend::computeWithinPlacardLimit(engine);
    row.processed = true;
    row.legality = GetLegality_Engine(engine);
    row.legalityText = row.legality == 0 ? QStringLiteral("Yes") : row.legality == 1 ? QStringLiteral("No")
                                                                                     : QStringLiteral("???");
    // The first option's placards (for the icon) and counts; the message
    // texts are not read for a list.
    Output *out = GetOutput_Engine(engine, 0);
    std::vector<PlacardEntry> placards;
    for (Placard *p = out ? GetFirstPlacardPointer_Output(out) : nullptr; p; p = GetNextPlacardPointer_Output(out))
        placards.push_back(placardEntry(p));
    row.placards = GetNumOutputs_Engine(engine) >= 2 ? QStringLiteral("Mult. Ops.")
                                                     : QString::number(placards.size());
    row.markings = QString::number(out ? GetNumMarkings_Output(out) : 0);
    row.messages = QString::number(out ? GetNumSegregations_Output(out) : 0);
    row.icon = legalityIcon(row.legality, std::move(placards), options.fontAdjust);
    SetBulkPlacards_Engine(engine, options.enableBulk ? -1 : 0);
}

} // namespace

QString savedRowName(const QString &fileName)
{
    const QLatin1String extension(".vlm");
    return fileName.endsWith(extension, Qt::CaseInsensitive) ? fileName.chopped(extension.size()) : fileName;
}

QString SavedRow::lastSavedText() const { return modified.toString(QStringLiteral("MM/dd/yyyy hh:mm:ss")); }

bool passesFilter(const SavedFilter &filter, const QString &name, const QDate &day, const QString &legalityText,
                  bool applyLegality)
{
    if (!filter.active())
        return true;
    if (filter.nameOn()) {
        const QString text = filter.nameText.toLower();
        const QString lowered = name.toLower();
        const QStringList words = text.split(QRegularExpression(QStringLiteral("[, ]")), Qt::SkipEmptyParts);
        bool ok = false;
        if (filter.matchMode == QLatin1String("Exact")) {
            ok = lowered == text;
        } else if (filter.matchMode == QLatin1String("Any Words")) {
            for (const QString &w : words)
                ok = ok || lowered.contains(w);
        } else {
            ok = !words.isEmpty();
            for (const QString &w : words)
                ok = ok && lowered.contains(w);
        }
        if (!ok)
            return false;
    }
    if (filter.dateOn && (day < filter.from.date() || day > filter.to.date()))
        return false;
    if (applyLegality && filter.legalityOn && !filter.acceptedLegality.contains(legalityText))
        return false;
    return true;
}

void convertLegacyFiles(const QString &folder)
{
    const QDir dir(folder);
    for (const QFileInfo &f : dir.entryInfoList({QStringLiteral("*.qxl")}, QDir::Files | QDir::Hidden)) {
        const QString target = dir.filePath(f.completeBaseName() + QStringLiteral(".vlm"));
        if (!QFileInfo::exists(target))
            QFile::rename(f.filePath(), target);
    }
}

ScanResult scanSavedTruckloads(const ScanOptions &options, const SavedFilter &filter,
                               const std::function<bool(int)> &progress)
{
    ScanResult result;
    frontend::EngineHolder engine;
    SetRuleset_Engine(engine.get(), options.ruleset);
    ShowDangerousOptionFirst_Engine(engine.get(), options.dangerousFirst ? -1 : 0);
    SetBulkPlacards_Engine(engine.get(), options.enableBulk ? -1 : 0);
    SetPlacardAllHazmats_Engine(engine.get(), 0);
    for (const QString &folder : options.folders) {
        const QDir dir(folder);
        // Regular files only: a device or pipe named "*.vlm" is never read.
        const QFileInfoList files =
            dir.entryInfoList({QStringLiteral("*.vlm")}, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Unsorted);
        for (const QFileInfo &file : files) {
            if (!readInto(engine.load(), file.filePath()))
                continue;
            ++result.loaded;
            if (progress && !progress(result.loaded))
                return result;
            SavedRow row;
            row.fileName = file.fileName();
            row.name = savedRowName(row.fileName);
            row.folder = QDir(folder).absolutePath() + QLatin1Char('/');
            row.modified = file.lastModified();
            row.readOnly = isReadOnlyFile(file.filePath());
            if (options.processLegality)
                summarise(row, engine.get(), options);
            if (passesFilter(filter, row.name, row.modified.date(), row.legalityText, options.processLegality))
                result.rows.push_back(std::move(row));
        }
    }
    return result;
}

QString noSavedTruckloadsText()
{
    return QStringLiteral("No saved truckloads yet. Build a truckload, then choose File > Save Truckload As... "
                          "to keep it here; File > Import Truckload... brings in a truckload file.");
}

QString scanStatusText(const ScanResult &result, const SavedFilter &filter)
{
    if (filter.active())
        return QString::number(result.rows.size()) + QStringLiteral(" of ") + QString::number(result.loaded) +
               QStringLiteral(" loads (filtered)");
    return QString::number(result.loaded) + QStringLiteral(" saved truckloads found");
}

QString deleteQuestion(const QString &name)
{
    return QStringLiteral("Are you sure you want to delete \"") + name + QStringLiteral("\" ?");
}

bool deleteSaved(const SavedRow &row)
{
    // A read-only saved truckload is kept, as the file system's own delete
    // of a read-only file refuses.
    if (isReadOnlyFile(row.path()))
        return false;
    return QFile::remove(row.path());
}

bool renameSaved(const SavedRow &row, const QString &newName, bool replace)
{
    const QString target = row.folder + newName + QStringLiteral(".vlm");
    if (!QFileInfo::exists(row.path()))
        return false;
    if (QFileInfo::exists(target) && (!replace || isReadOnlyFile(target)))
        return false;
    // rename(2) replaces the target in one step: either file survives whole.
    return std::rename(QFile::encodeName(row.path()).constData(), QFile::encodeName(target).constData()) == 0;
}

QStringList csvLines(const std::vector<SavedRow> &rows, int ruleset)
{
    QStringList lines{QString::fromLatin1(kCsvHeader)};
    frontend::EngineHolder engine;
    SetRuleset_Engine(engine.get(), ruleset);
    for (const SavedRow &row : rows) {
        if (!readInto(engine.load(), row.path()))
            continue;
        Load *load = engine.load();
        for (uint32_t i = 0; i < GetItemCount_Load(load); ++i) {
            const TruckloadRow r = truckloadRow(load, i);
            const Hazmat *item = GetHazmat_Load(load, i);
            const QString packaging = IsBulkPackaging_Hazmat(item)       ? QStringLiteral("Bulk")
                                      : IsLimitedQuantity_Hazmat(item) ? QStringLiteral("LTD QTY")
                                                                       : QStringLiteral("Non-Bulk");
            const char zone = GetHazardZone_Hazmat(item);
            const QString pih = zone ? QStringLiteral("Zone ") + QChar::fromLatin1(zone) : QStringLiteral("None");
            lines << QStringLiteral("\"") + row.name + QStringLiteral("\",") + row.lastSavedText() +
                         QStringLiteral(",\"") + r.psn + QStringLiteral("\",\"") + r.hazardClass +
                         QStringLiteral("\",") + QStringList{r.id, r.packingGroup, r.permit, r.weight, packaging, pih}.join(QLatin1Char(','));
        }
    }
    return lines;
}

bool writeCsv(const QString &path, const QStringList &lines)
{
    const QByteArray text = (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toLatin1();
    return frontend::replaceFileAtomically(QFile::encodeName(path).toStdString(),
                                           std::string_view(text.constData(), static_cast<size_t>(text.size()))) == 0;
}

} // namespace velmora
