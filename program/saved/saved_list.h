// The Saved Truckloads list: the scan of the ".vlm" files of the saved
// truckloads folder (or the filter's folders), each summarised by a private
// engine; the filter; renaming and deleting saved files; the spreadsheet
// export.  No window is needed: the view fills its list from the rows.
#pragma once

#include <QDateTime>
#include <QIcon>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace velmora {

struct SavedRow {
    QString name;       // file name without its final ".vlm" (any letter case)
    QString folder;     // with its trailing separator
    QString fileName;   // the file's real name: every command acts on folder + fileName
    QDateTime modified; // "Last Saved"
    bool readOnly = false;
    // With legality processed:
    bool processed = false;
    int legality = 2;   // 0 legal, 1 illegal, 2 cannot be determined
    QString legalityText, placards, markings, messages;
    QIcon icon;         // 77 by 77 (legalityIcon), drawn when first shown

    QString path() const { return folder + fileName; }
    QString lastSavedText() const;   // "mm/dd/yyyy hh:nn:ss"
};

struct SavedFilter {
    QString nameText;
    QString matchMode = QStringLiteral("All Words");   // "All Words", "Any Words", "Exact"
    bool dateOn = false;
    QDateTime from, to;
    bool legalityOn = false;
    QStringList acceptedLegality;   // of "Yes", "No", "???"
    bool locationsOn = false;
    QStringList locations;          // folders, each with a trailing separator

    bool nameOn() const { return !nameText.isEmpty(); }
    bool active() const { return nameOn() || dateOn || legalityOn || locationsOn; }
};

// Whether a file passes the filter; `legalityText` is ignored when
// `applyLegality` is false (the plain scan).
bool passesFilter(const SavedFilter &filter, const QString &name, const QDate &day, const QString &legalityText,
                  bool applyLegality);

struct ScanOptions {
    QStringList folders;   // in order, each with a trailing separator
    int ruleset = 0;       // the main engine's current ruleset
    bool processLegality = true;
    bool enableBulk = true;
    bool dangerousFirst = false;
    int fontAdjust = 0;
};

struct ScanResult {
    std::vector<SavedRow> rows;   // in scan order
    int loaded = 0;               // files read as truckloads
};

// Scans the folders.  A file that cannot be read as a truckload is left
// out and not counted.  `progress` runs after each loaded file with its
// count; answering false stops the scan (the window is closing).
ScanResult scanSavedTruckloads(const ScanOptions &options, const SavedFilter &filter,
                               const std::function<bool(int loaded)> &progress = {});

// The row name of a saved file: its name without the final ".vlm" in any
// letter case ("a.vlm.b.vlm" is "a.vlm.b", "T.VLM" is "T").
QString savedRowName(const QString &fileName);

// Legacy ".qxl" files of the folder take the extension ".vlm"; failures
// are ignored.
void convertLegacyFiles(const QString &folder);

// The end-of-scan texts.
QString noSavedTruckloadsText();
QString scanStatusText(const ScanResult &result, const SavedFilter &filter);

QString deleteQuestion(const QString &name);
// Deletes the row's file; false when it could not be deleted.
bool deleteSaved(const SavedRow &row);
// Renames the row's file to `newName` in its own folder, replacing a file
// of that name only when `replace`.  False on failure (nothing changed).
bool renameSaved(const SavedRow &row, const QString &newName, bool replace);

// The spreadsheet export: the header line, then one line per item of each
// row's truckload, read through a private engine under `ruleset`.
inline constexpr const char *kCsvHeader = "Truckload,Date,Proper Shipping Name,Class,ID,PG,Permit,Weight,Packaging,PIH";
QStringList csvLines(const std::vector<SavedRow> &rows, int ruleset);
bool writeCsv(const QString &path, const QStringList &lines);

} // namespace velmora
