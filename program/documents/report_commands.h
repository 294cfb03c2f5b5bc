// The print commands of the main window and the saved list, apart from the
// window: Print (what the current view shows), Print All Placarding
// Options, Print Preview, the detailed Compliance Report, Export as PDF, and
// the saved list's "Placarding Preview", "Detailed Report" and "Export as
// PDF..." of the selected saved truckload.  The window hands in what it
// shows through `ReportSources`; the commands never reach into it.
#pragma once

#include "documents/documents.h"
#include "documents/report_jobs.h"

#include <functional>

namespace velmora {

enum class ReportView { Truckload, Compliance, Search, SavedTruckloads };

struct ReportSources {
    std::function<ReportView()> view;
    std::function<Engine *()> engine;            // the current truckload, computed
    std::function<int()> currentOption;          // the option the compliance view shows
    std::function<Settings()> settings;
    std::function<std::vector<reports::SearchReportRow>()> searchRows;
    std::function<reports::SavedLoadsReport()> savedLoads;
    std::function<QString()> selectedSavedFile;  // empty when no row is selected
};

class ReportCommands {
public:
    ReportCommands(QWidget *window, Prompts &prompts, ReportSources sources);

    // The printer, preview and file dialogs (hooks for the tests).
    DocumentOutput &output() { return output_; }

    // What Print prints in the current view: the placarding instructions
    // (every option when "DefaultPrintAll" is on, else the current one) in
    // the truckload and compliance views, the results in the search view,
    // the list in the saved truckloads view.
    reports::PrintJob printJob() const;
    // Every placarding option of the current truckload.
    reports::PrintJob printAllJob() const;
    // The detailed compliance report of the current truckload.
    reports::PrintJob complianceReportJob() const;

    DocumentOutcome print();
    DocumentOutcome printAll();
    void printPreview();
    void complianceReport();          // preview of the detailed report
    DocumentOutcome exportPdf();      // what Print prints, as a PDF

    // The selected saved truckload: its placarding instructions (every
    // option) or its detailed report in a preview, or the detailed report as
    // a PDF.  A file that cannot be read is reported and nothing is shown.
    void previewSavedPlacarding();
    void previewSavedReport();
    DocumentOutcome exportSavedPdf();

    QString status() const { return output_.status(); }

private:
    reports::PrintJob truckload(bool allOptions, bool detailed) const;
    std::optional<reports::PrintJob> savedJob(bool detailed);
    QString title() const;

    Prompts &prompts_;
    ReportSources sources_;
    DocumentOutput output_;
};

} // namespace velmora
