#include "report_pictures.h"

#include "report_html.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QSvgRenderer>

static void initReportArtwork()
{
    // The artwork lives in a static library: make sure its resources are
    // registered before the first picture is drawn.
    Q_INIT_RESOURCE(velmora_report_pictures);
}

namespace velmora::reports {

namespace {

constexpr qreal kPlacardSide = 72;      // one inch
constexpr qreal kCaptionHeight = 20;
constexpr qreal kPictureWidth = 90;     // room for a two-line caption

void ensureArtwork()
{
    static const bool registered = (initReportArtwork(), true);
    Q_UNUSED(registered);
}

QFont pictureFont(qreal pixelSize, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setBold(bold);
    return font;
}

// Draws the SVG named `resource` into `target`; false when there is none.
bool drawArtwork(QPainter &painter, const QString &resource, const QRectF &target)
{
    ensureArtwork();
    const QString path = pictureResourcePath(resource);
    if (resource.isEmpty() || !QFile::exists(path))
        return false;
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return false;
    renderer.render(&painter, target);
    return true;
}

void drawMissing(QPainter &painter, const QRectF &target)
{
    painter.save();
    painter.setPen(QPen(Qt::black, target.width() / 100));
    const QPointF c = target.center();
    const qreal r = target.width() / 2;
    painter.drawPolygon(QPolygonF({QPointF(c.x(), c.y() - r), QPointF(c.x() + r, c.y()), QPointF(c.x(), c.y() + r),
                                   QPointF(c.x() - r, c.y())}));
    painter.restore();
}

QString panelNumber(int idNumber) { return QStringLiteral("%1").arg(idNumber, 4, 10, QLatin1Char('0')); }

} // namespace

QString pictureResourcePath(const QString &resource)
{
    if (resource.startsWith(QLatin1String("IDB_P_")))
        return QStringLiteral(":/placards/") + resource + QStringLiteral(".svg");
    return QStringLiteral(":/markings/") + resource + QStringLiteral(".svg");
}

ReportPicture placardPicture(const ReportPlacard &placard)
{
    ReportPicture picture;
    picture.size = QSizeF(kPictureWidth, kPlacardSide + kCaptionHeight);
    picture.draw = [placard](QPainter &painter, const QRectF &rect) {
        const qreal unit = rect.width() / kPictureWidth;   // page units per point
        const qreal side = kPlacardSide * unit;
        const QRectF diamond(rect.left() + (rect.width() - side) / 2, rect.top(), side, side);
        if (!drawArtwork(painter, placard.resource, diamond))
            drawMissing(painter, diamond);
        painter.save();
        if (placard.idNumber > 0) {
            // The number area of a numbered placard (172.332(b)): the white
            // band across the middle of the artwork.
            const qreal s = side / 100;
            const QRectF band(diamond.left() + 22 * s, diamond.top() + 39 * s, 56 * s, 24 * s);
            painter.setFont(pictureFont(17 * s, true));
            painter.setPen(Qt::black);
            painter.drawText(band, Qt::AlignCenter, panelNumber(placard.idNumber));
        }
        painter.setFont(pictureFont(7.5 * unit, false));
        painter.setPen(Qt::black);
        const QRectF caption(rect.left(), diamond.bottom() + 1 * unit, rect.width(), rect.bottom() - diamond.bottom());
        painter.drawText(caption, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, placard.name);
        painter.restore();
    };
    return picture;
}

ReportPicture markingPicture(const ReportMarking &marking)
{
    ReportPicture picture;
    const int type = marking.type;
    if (!marking.picture.isEmpty()) {
        // Wide word markings (FUEL OIL, GASOLINE, INHALATION HAZARD,
        // NON-ODORIZED) or square ones (marine pollutant, HOT, ...).
        const bool wide = type == 4 || type == 5 || type == 6 || type == 12;
        picture.size = wide ? QSizeF(105, 25) : QSizeF(kPlacardSide, kPlacardSide);
        const QString resource = marking.picture;
        picture.draw = [resource](QPainter &painter, const QRectF &rect) {
            if (!drawArtwork(painter, resource, rect))
                painter.drawRect(rect);
        };
        return picture;
    }
    if (type == 7) {
        // The cargo tank's framed shipping name (172.328(b)).
        const QString name = marking.shippingName;
        const QFontMetricsF metrics(pictureFont(10, true));
        picture.size = QSizeF(metrics.horizontalAdvance(name) + 16, 22);
        picture.draw = [name](QPainter &painter, const QRectF &rect) {
            const qreal unit = rect.height() / 22;
            painter.save();
            painter.setPen(QPen(Qt::black, unit));
            painter.setBrush(Qt::white);
            painter.drawRect(rect.adjusted(unit / 2, unit / 2, -unit / 2, -unit / 2));
            painter.setFont(pictureFont(10 * unit, true));
            painter.drawText(rect, Qt::AlignCenter, name);
            painter.restore();
        };
        return picture;
    }
    // An orange panel with the identification number (172.332).
    const QString number = panelNumber(marking.idNumber);
    picture.size = QSizeF(60, 30);
    picture.draw = [number](QPainter &painter, const QRectF &rect) {
        const qreal unit = rect.height() / 30;
        painter.save();
        painter.setPen(QPen(Qt::black, 1.5 * unit));
        painter.setBrush(QColor(255, 127, 0));
        painter.drawRect(rect.adjusted(unit, unit, -unit, -unit));
        painter.setFont(pictureFont(16 * unit, true));
        painter.drawText(rect, Qt::AlignCenter, number);
        painter.restore();
    };
    return picture;
}

ReportPictures truckloadPictures(const TruckloadReport &report)
{
    ReportPictures pictures;
    for (size_t n = 0; n < report.options.size(); ++n) {
        const PlacardingOption &option = report.options[n];
        const int index = static_cast<int>(n);
        PictureGroup placards{{}, QStringLiteral("No placards are required for this truckload.")};
        for (const ReportPlacard &p : option.placards)
            placards.pictures.push_back(placardPicture(p));
        pictures.insert(placardsPictureName(index), placards);
        PictureGroup allowed{{}, QStringLiteral("None")};
        for (const ReportPlacard &p : option.allowed)
            allowed.pictures.push_back(placardPicture(p));
        pictures.insert(allowedPictureName(index), allowed);
        for (size_t i = 0; i < option.markings.size(); ++i)
            pictures.insert(markingPictureName(index, static_cast<int>(i)), {{markingPicture(option.markings[i])}, {}});
    }
    return pictures;
}

} // namespace velmora::reports
