// Laying out and painting report pages: the HTML of a report becomes a
// paginated QTextDocument whose named pictures are drawn as vectors, with
// column heads of long tables repeated on every page and the page number in
// the footer.  The same painting serves printers, print previews and PDF
// files, so a preview shows exactly what prints.
#pragma once

#include "report_pictures.h"

#include <QPageLayout>
#include <QString>
#include <QUrl>
#include <memory>
#include <vector>

class QPagedPaintDevice;
class QTextDocument;

namespace velmora::reports {

struct Report {
    QString html;
    ReportPictures pictures;
    QString footerLeft;   // e.g. "Truck ID: TRUCK 12"; may be empty
    QUrl baseUrl;         // where relative image names of the HTML are found
};

// Documents printed one after the other; each starts on a new page and
// numbers its own pages from 1 (a truckload report and its certification
// page).
using PrintJob = std::vector<Report>;

// Letter or A4 with 15 mm margins.
QPageLayout reportPageLayout(QPageSize::PageSizeId size = QPageSize::Letter,
                             QPageLayout::Orientation orientation = QPageLayout::Portrait);

// The HTML as the layout engine reads it: the rows of column heads become
// table heads (repeated on each page) and bare colour numbers get their "#".
QString layoutHtml(const QString &html);

// The report laid out on pages of `layout`.  The document units are 1/96
// inch whatever the output device.
std::unique_ptr<QTextDocument> layOut(const Report &report, const QPageLayout &layout);

int pageCount(const Report &report, const QPageLayout &layout);

// Paints every document of the job onto `device` (already set up with its
// page layout).  Pages are counted from 1 over the whole job; with
// `fromPage` and `toPage` (0 = no limit) only that range is painted.  False
// with `error` set when the device cannot be painted.
bool paintJob(const PrintJob &job, QPagedPaintDevice *device, QString *error, int fromPage = 0, int toPage = 0);

// Writes the job as a PDF file at `path`, all or nothing: the file appears
// only when every page was written.  Returns the error to show (naming the
// path), empty on success.
QString writePdf(const PrintJob &job, const QString &path, const QPageLayout &layout, const QString &title = {});

} // namespace velmora::reports
