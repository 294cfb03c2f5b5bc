// The print jobs of the main window and the saved list: placarding
// instructions (current option or all options), the detailed compliance
// report, each followed by the driver certification page when the
// preferences ask for it; the search results; the saved loads; and the
// reports of a saved truckload file, read without touching the current
// truckload.
#pragma once

#include "report_document.h"
#include "report_html.h"
#include "settings/settings.h"

#include <QDateTime>
#include <optional>

struct Engine;

namespace velmora {

reports::CertificationSettings certificationSettings(const Settings &settings);

// The date and time in the report header.
QString printedAtText(const QDateTime &when);

struct TruckloadJobOptions {
    int currentOption = 0;
    bool allOptions = false;     // Print All, or Print with "DefaultPrintAll"
    bool detailed = false;       // the compliance report
    bool showAllowed = false;    // the allowed placards column
    QDateTime printedAt = QDateTime::currentDateTime();
};

// The engine must be computed.  The certification page follows when
// "EnablePrintCertification" is on.
reports::PrintJob truckloadJob(Engine *engine, const Settings &settings, const TruckloadJobOptions &options);
reports::PrintJob truckloadJob(const reports::TruckloadReport &report, const Settings &settings,
                               const TruckloadJobOptions &options);

reports::PrintJob searchResultsJob(const std::vector<reports::SearchReportRow> &rows,
                                   const QDateTime &printedAt = QDateTime::currentDateTime());
reports::PrintJob savedLoadsJob(const reports::SavedLoadsReport &report,
                                const QDateTime &printedAt = QDateTime::currentDateTime());

// The report of the saved truckload file at `path`, computed under the
// engine switches of `settings` in an engine of its own; nullopt with
// `error` set when the file is not a readable truckload.
std::optional<reports::TruckloadReport> readSavedTruckload(const QString &path, const Settings &settings,
                                                           QString *error);

// The file name offered for a PDF of a truckload's report ("TRUCK 12.pdf").
QString pdfNameFor(const QString &truckId, const QString &fallback);

} // namespace velmora
