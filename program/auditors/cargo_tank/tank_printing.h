// Printing an inspection page: a QPrinter (from the print dialog, or a PDF
// printer in the tests) gets the page paginated with the print date and
// time at the top right and "Page n" at the bottom right of each sheet.
// Kept in one file so the program's shared print path can replace it.
#pragma once

#include <QDateTime>
#include <QStringList>

class QPrinter;
class QWidget;

namespace velmora::cargo_tank {

// Margins of the printed inspection pages, in inches.
inline constexpr double kPrintSideMargin = 1.0;
inline constexpr double kPrintTopBottomMargin = 1.5;

// Prints the page's lines; honours the printer's page range (all pages when
// none is set).  False when nothing could be printed.
bool printPage(const QStringList &lines, QPrinter &printer, const QDateTime &printedAt);

// The print dialog: true when the user chose to print.
bool askPrinter(QPrinter &printer, QWidget *parent);

} // namespace velmora::cargo_tank
