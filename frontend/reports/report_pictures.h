// The pictures of the printed reports, drawn as vectors onto whatever paints
// the page (printer, PDF, preview): placards from their SVG artwork with the
// identification number on numbered placards, marking pictures, orange
// number panels and the framed shipping name of a cargo tank of gas.
#pragma once

#include "report_model.h"

#include <QHash>
#include <QSizeF>
#include <QString>
#include <functional>
#include <vector>

class QPainter;
class QRectF;

namespace velmora::reports {

// One picture: its size on paper in points and how it draws itself into the
// rectangle the page layout gives it.
struct ReportPicture {
    QSizeF size;
    std::function<void(QPainter &, const QRectF &)> draw;
};

// What a named image of the HTML becomes: a run of pictures that wraps like
// words (so a long row of placards breaks onto the next line, never off the
// page), or `emptyText` when there is none.
struct PictureGroup {
    std::vector<ReportPicture> pictures;
    QString emptyText;
};
using ReportPictures = QHash<QString, PictureGroup>;

// Placards print one inch across the diagonal's square, with their name below.
ReportPicture placardPicture(const ReportPlacard &placard);
ReportPicture markingPicture(const ReportMarking &marking);

// The pictures named by truckloadReportHtml: every option's placards,
// allowed placards and markings.
ReportPictures truckloadPictures(const TruckloadReport &report);

// The file of a named picture in the program's artwork ("IDB_P_P30" ->
// ":/placards/IDB_P_P30.svg"); the artwork is compiled into this library.
QString pictureResourcePath(const QString &resource);

} // namespace velmora::reports
