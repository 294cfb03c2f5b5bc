#include "compliance/message_tiles.h"

#include "frontend/compliance_vocabulary.h"
#include "compliance/pictures.h"

#include <QPainter>

#include <algorithm>

namespace velmora {

namespace {

int tilesPerRow(int width) { return std::max(1, width / kMessageTileWidth); }

} // namespace

QRect messageTileRect(int i, int width)
{
    const int perRow = tilesPerRow(width);
    return {(i % perRow) * kMessageTileWidth, (i / perRow) * kMessageTileHeight, kMessageTileWidth,
            kMessageTileHeight};
}

QString messageItemText(const MessageEntry &m)
{
    if (m.pid1 == 0 && m.pid2 == 0)
        return QStringLiteral("[Warning]");
    if (m.pid2 != 0)
        return QStringLiteral("[%1,%2]").arg(m.id1, m.id2);
    return m.id1;
}

QString messageHoverText(const MessageEntry &m)
{
    if (m.citation.isEmpty())
        return m.reason;
    return m.reason + QStringLiteral("\n\nClick to view the regulation.");
}

QImage MessageTilePainter::draw(int width, int focus) const
{
    const QColor window = palette_.color(QPalette::Window);
    const QColor text = palette_.color(QPalette::WindowText);
    if (messages_.empty()) {
        QImage image(310, kMessageTileHeight, QImage::Format_ARGB32_Premultiplied);
        image.fill(window);
        QPainter p(&image);
        p.setPen(text);
        p.drawText(image.rect(), Qt::AlignCenter | Qt::TextWordWrap,
                   QStringLiteral("There are no segregations or restrictions for this truckload."));
        return image;
    }
    const int perRow = tilesPerRow(width);
    const int rows = (count() + perRow - 1) / perRow;
    QImage image(std::max(width, kMessageTileWidth), rows * kMessageTileHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(window);
    QPainter p(&image);
    QFont heading = p.font();
    heading.setBold(true);
    heading.setPointSize(10 - fontAdjust_);
    QFont items = p.font();
    items.setPointSize(10 - fontAdjust_);
    for (int i = 0; i < count(); ++i) {
        const MessageEntry &m = messages_[static_cast<size_t>(i)];
        const QRect tile = messageTileRect(i, width);
        // Radiation (type 0) tiles are yellow with black text.
        const bool radiation = m.type == 0;
        p.fillRect(tile, radiation ? QColor(255, 255, 0) : window);
        p.drawImage(tile.topLeft(),
                    namedPicture(QString::fromStdString(MessageIconResource(m.type, m.code)), QSize(32, 32)));
        p.setPen(radiation ? QColor(Qt::black) : text);
        const QRect words(tile.left() + 34, tile.top(), tile.width() - 36, tile.height() / 2);
        p.setFont(heading);
        p.drawText(words, Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(MessageHeading(m.type)));
        p.setFont(items);
        p.drawText(words.translated(0, tile.height() / 2), Qt::AlignLeft | Qt::AlignVCenter, messageItemText(m));
        if (i == focus) {
            p.setPen(QPen(text, 1, Qt::DotLine));
            p.drawRect(tile.adjusted(0, 0, -1, -1));
        }
    }
    return image;
}

int MessageTilePainter::messageAt(QPoint point, int width) const
{
    for (int i = 0; i < count(); ++i)
        if (messageTileRect(i, width).contains(point))
            return i;
    return -1;
}

} // namespace velmora
