#include "auditors/auditor_print.h"

#include <QAbstractTextDocumentLayout>
#include <QDate>
#include <QLocale>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

#include <memory>

namespace velmora::auditors {

int printAuditReport(const QTextDocument &document, const QString &title, QPrinter &printer, int fromPage, int toPage)
{
    // The page is painted whole; the report keeps margins of 1.5 cm left,
    // 0.05 cm right and 2.5 cm top and bottom, with the header and the footer
    // in the top and bottom margins.
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer))
        return 0;
    const double dpi = printer.resolution();
    const QRectF page = printer.pageLayout().fullRectPixels(static_cast<int>(dpi));
    const double cm = dpi / 2.54;
    const QRectF body(page.left() + 1.5 * cm, page.top() + 2.5 * cm, page.width() - 1.55 * cm, page.height() - 5.0 * cm);
    // The clone keeps the original as its parent so that it finds the pictures.
    std::unique_ptr<QTextDocument> doc(document.clone(const_cast<QTextDocument *>(&document)));
    // Lay the page out at screen scale and draw it scaled to the printer.
    const double scale = dpi / 96.0;
    doc->setPageSize(QSizeF(body.width() / scale, body.height() / scale));
    const int pages = doc->pageCount();
    const int first = std::max(fromPage, 1);
    const int last = std::min(toPage, pages);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8);
    const double unit = dpi / 72.0;  // header and footer positions are in points
    int printed = 0;
    for (int n = first; n <= last; ++n) {
        if (printed > 0)
            printer.newPage();
        painter.save();
        painter.setFont(font);
        const double ascent = painter.fontMetrics().ascent();
        painter.drawText(QPointF(60 * unit, 20 * unit + ascent), title);
        const QString date = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
        const double dateWidth = painter.fontMetrics().horizontalAdvance(date);
        painter.drawText(QPointF(page.width() - 15 * unit - dateWidth, 20 * unit + ascent), date);
        if (n >= 2) {
            const QString number = QString::number(n);
            const double w = painter.fontMetrics().horizontalAdvance(number);
            painter.drawText(QPointF(page.width() - 50 * unit - w, page.height() - 15 * unit), number);
        }
        painter.restore();
        painter.save();
        painter.translate(body.topLeft());
        painter.scale(scale, scale);
        const QRectF view(0, (n - 1) * body.height() / scale, body.width() / scale, body.height() / scale);
        painter.setClipRect(QRectF(0, 0, view.width(), view.height()));
        painter.translate(0, -view.top());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view;
        doc->documentLayout()->draw(&painter, context);
        painter.restore();
        ++printed;
    }
    painter.end();
    return printed;
}

void printAuditReportWithDialog(const QTextDocument &document, const QString &title, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setMinMax(1, 9999);
    if (dialog.exec() != QDialog::Accepted) {
        if (printer.printerState() == QPrinter::Active)
            printer.abort();
        return;
    }
    if (printer.printRange() == QPrinter::PageRange)
        printAuditReport(document, title, printer, printer.fromPage(), printer.toPage());
    else
        printAuditReport(document, title, printer);
}

} // namespace velmora::auditors
