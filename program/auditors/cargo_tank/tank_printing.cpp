#include "auditors/cargo_tank/tank_printing.h"

#include "auditors/cargo_tank/tank_html.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QLocale>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

namespace velmora::cargo_tank {

namespace {

// A document that draws the tank pictures named in the page.
class PrintDocument : public QTextDocument {
protected:
    QVariant loadResource(int type, const QUrl &name) override
    {
        if (type == QTextDocument::ImageResource)
            return pagePicture(name.isLocalFile() ? name.toLocalFile() : name.toString());
        return QTextDocument::loadResource(type, name);
    }
};

} // namespace

bool printPage(const QStringList &lines, QPrinter &printer, const QDateTime &printedAt)
{
    printer.setPageMargins(QMarginsF(kPrintSideMargin, kPrintTopBottomMargin, kPrintSideMargin, kPrintTopBottomMargin),
                           QPageLayout::Inch);
    PrintDocument doc;
    doc.documentLayout()->setPaintDevice(&printer);
    doc.setDefaultFont(QFont(QStringLiteral("Arial"), 10));
    doc.setHtml(renderableHtml(lines));

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF area = printer.pageRect(QPrinter::DevicePixel);
    QFont small(QStringLiteral("Arial"), 8);
    painter.setFont(small);
    const qreal band = painter.fontMetrics().height() * 2.0;
    const QSizeF body(area.width(), area.height() - 2 * band);
    doc.setPageSize(body);
    const int pages = doc.pageCount();
    int from = printer.fromPage(), to = printer.toPage();
    if (from <= 0 && to <= 0) {
        from = 1;
        to = pages;
    }
    from = std::max(1, from);
    to = std::min(pages, to <= 0 ? pages : to);
    const QString stamp = QLocale::system().toString(printedAt, QLocale::ShortFormat);
    bool first = true;
    for (int page = from; page <= to; ++page) {
        if (!first)
            printer.newPage();
        first = false;
        painter.setFont(small);
        painter.drawText(QRectF(0, 0, area.width(), band), Qt::AlignRight | Qt::AlignTop, stamp);
        painter.drawText(QRectF(0, area.height() - band, area.width(), band), Qt::AlignRight | Qt::AlignBottom,
                         QStringLiteral("Page ") + QString::number(page));
        painter.save();
        painter.translate(0, band - (page - 1) * body.height());
        doc.drawContents(&painter, QRectF(0, (page - 1) * body.height(), body.width(), body.height()));
        painter.restore();
    }
    return painter.end();
}

bool askPrinter(QPrinter &printer, QWidget *parent)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setMinMax(1, 9999);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace velmora::cargo_tank
