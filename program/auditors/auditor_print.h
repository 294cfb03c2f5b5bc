// Printing an auditor's report: the page as the view shows it, with the
// report title and the date at the top of every page and the page number
// at the bottom from page 2 on.  Kept in one file so that the program's
// shared print path can take its place.
#pragma once

#include <QString>

class QPrinter;
class QTextDocument;
class QWidget;

namespace velmora::auditors {

// Prints pages fromPage..toPage (1-based; toPage is clamped to the last
// page) of the document onto an accepted printer.  Returns the number of
// pages printed.
int printAuditReport(const QTextDocument &document, const QString &title, QPrinter &printer, int fromPage = 1,
                     int toPage = 9999);

// The print dialog (with page numbers) and the printing.
void printAuditReportWithDialog(const QTextDocument &document, const QString &title, QWidget *parent);

} // namespace velmora::auditors
