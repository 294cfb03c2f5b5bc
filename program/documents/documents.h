// Printing, print preview and PDF export of report pages, for every window
// that prints: the main window's reports, the saved list and the auditor
// windows.  The dialogs that ask for a printer or a file name are hooks, so
// that tests drive the same code without a modal dialog.
#pragma once

#include "report_document.h"

#include <QString>
#include <functional>

class QPrinter;
class QPrintPreviewDialog;
class QWidget;

namespace velmora {

class Prompts;

enum class DocumentOutcome { Done, Cancelled, Failed };

class DocumentOutput {
public:
    // Messages (a printer that failed, a PDF that could not be written) go
    // through `prompts`; `parent` owns the dialogs.
    DocumentOutput(QWidget *parent, Prompts &prompts);

    // Shows the print dialog for `printer`; false when cancelled.  The
    // default is QPrintDialog.
    std::function<bool(QPrinter &printer)> askPrinter;
    // Asks where to write a PDF, offering `suggested`; empty when cancelled.
    // The default is the save-file dialog.
    std::function<QString(const QString &suggested)> askPdfPath;

    // Prints the job after the print dialog, the pages it chose.
    DocumentOutcome print(const reports::PrintJob &job, const QString &title);
    // Writes the job as a PDF file where the user says (".pdf" is added
    // when the name has no suffix).
    DocumentOutcome exportPdf(const reports::PrintJob &job, const QString &suggestedName);
    // Shows the pages in a preview window from which they can be printed.
    void preview(const reports::PrintJob &job, const QString &title);
    // The preview window, not shown yet (the caller owns it).
    QPrintPreviewDialog *createPreview(const reports::PrintJob &job, const QString &title);

    // What happened last, for the status bar: "Printed ...", "Printing
    // cancelled: nothing was printed.", "Saved ...".
    QString status() const { return status_; }

private:
    QWidget *parent_;
    Prompts &prompts_;
    QString status_;
};

// The page size of a new report: Letter where the user's locale measures in
// inches (the United States), A4 elsewhere.
QPageSize::PageSizeId defaultReportPageSize();

// One HTML page as a print job, for windows that print a page of their own
// (auditor reports): no named pictures, images found relative to `baseUrl`.
reports::PrintJob htmlPrintJob(const QString &html, const QString &footerLeft = {}, const QUrl &baseUrl = {});

} // namespace velmora
