#include "compliance/pictures.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>

namespace velmora {

namespace {

QString resourcePath(const QString &resource)
{
    // Placards, markings and message/panel icons live in their own folders.
    if (resource.startsWith(QLatin1String("IDB_P_")))
        return QStringLiteral(":/placards/") + resource + QStringLiteral(".svg");
    if (resource.startsWith(QLatin1String("IDI_")))
        return QStringLiteral(":/segicons/") + resource + QStringLiteral(".svg");
    return QStringLiteral(":/markings/") + resource + QStringLiteral(".svg");
}

} // namespace

QImage namedPicture(const QString &resource, QSize size)
{
    static QHash<QString, QImage> cache;
    const QString cacheKey = resource + QLatin1Char('@') + QString::number(size.width()) + QLatin1Char('x') +
                             QString::number(size.height());
    const auto found = cache.constFind(cacheKey);
    if (found != cache.constEnd())
        return *found;
    const QString path = resourcePath(resource);
    QImage image;
    if (QFile::exists(path)) {
        QSvgRenderer renderer(path);
        if (renderer.isValid()) {
            image = QImage(size, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
        }
    }
    cache.insert(cacheKey, image);
    return image;
}

QImage darkened(const QImage &source, int amount)
{
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = line[x];
            line[x] = qRgba(std::max(qRed(c) - amount, 0), std::max(qGreen(c) - amount, 0),
                            std::max(qBlue(c) - amount, 0), qAlpha(c));
        }
    }
    return image;
}

} // namespace velmora
