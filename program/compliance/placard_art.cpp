#include "compliance/placard_art.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QSvgRenderer>

namespace velmora {

namespace {

QString placardPath(const QString &resource)
{
    return QStringLiteral(":/placards/") + resource + QStringLiteral(".svg");
}

QRectF partIn(QSvgRenderer &svg, const QString &id, qreal side)
{
    if (!svg.elementExists(id))
        return {};
    const QRectF box = svg.viewBoxF();
    const QRectF r = svg.boundsOnElement(id);
    const qreal k = side / box.width();
    return {(r.left() - box.left()) * k, (r.top() - box.top()) * k, r.width() * k, r.height() * k};
}

// Black bold digits or letter in `area`: capitals `fill` of its height
// and, where they are too wide, narrowed (down to two thirds) and then
// smaller.
void setText(QPainter &p, const QRectF &area, const QString &text, qreal fill)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(100);
    const qreal capitals = QFontMetricsF(font).capHeight() / 100;
    font.setPixelSize(qMax(1, qRound(area.height() * fill / capitals)));
    QFontMetricsF m(font);
    const qreal room = area.width();
    if (m.horizontalAdvance(text) > room) {
        font.setStretch(qMax(66, static_cast<int>(100 * room / m.horizontalAdvance(text))));
        m = QFontMetricsF(font);
        if (m.horizontalAdvance(text) > room)
            font.setPixelSize(qMax(1, static_cast<int>(font.pixelSize() * room / m.horizontalAdvance(text))));
    }
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(area, Qt::AlignCenter, text);
}

} // namespace

QRectF placardPart(const QString &resource, const QString &id, int side)
{
    QSvgRenderer svg(placardPath(resource));
    return svg.isValid() ? partIn(svg, id, side) : QRectF();
}

QImage placardArt(const QString &resource, int side, qreal pixelRatio, int idNumber, char compatibilityGroup)
{
    if (!QFile::exists(placardPath(resource)))
        return {};
    QSvgRenderer svg(placardPath(resource));
    if (!svg.isValid())
        return {};
    const int pixels = qMax(1, qRound(side * pixelRatio));
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    svg.render(&p, QRectF(0, 0, pixels, pixels));
    if (idNumber > 0) {
        const QRectF area = partIn(svg, QStringLiteral("number-area"), pixels);
        if (!area.isEmpty())
            setText(p, area.adjusted(area.width() * 0.04, area.height() * 0.08, -area.width() * 0.04,
                                     -area.height() * 0.08),
                    QString::number(idNumber).rightJustified(4, QLatin1Char('0')), 0.85);
    }
    if (compatibilityGroup != 0) {
        const QRectF slot = partIn(svg, QStringLiteral("compatibility"), pixels);
        if (!slot.isEmpty())
            setText(p, slot, QString(QLatin1Char(compatibilityGroup)), 1.0);   // as high as the division
    }
    p.end();
    image.setDevicePixelRatio(pixelRatio);
    return image;
}

} // namespace velmora
