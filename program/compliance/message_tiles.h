// MessageTilePainter: the segregation and legality messages of a computation as a
// grid of 155 x 32 tiles, laid left to right and wrapped when the next tile
// would pass the available width.
#pragma once

#include "compliance/compliance_results.h"

#include <QImage>
#include <QPalette>
#include <QRect>
#include <vector>

namespace velmora {

constexpr int kMessageTileWidth = 155;
constexpr int kMessageTileHeight = 32;

// Tile i of the grid for an available width.
QRect messageTileRect(int i, int width);

// The items a message concerns: "[Warning]" when it names none, "[id1,id2]"
// when it names two, else the first item's ID text.
QString messageItemText(const MessageEntry &message);

// The message panel text: the reason and, with a citation, the click hint.
QString messageHoverText(const MessageEntry &message);

class MessageTilePainter {
public:
    void setMessages(std::vector<MessageEntry> messages) { messages_ = std::move(messages); }
    const std::vector<MessageEntry> &messages() const { return messages_; }
    int count() const { return static_cast<int>(messages_.size()); }
    void setFontAdjust(int adjust) { fontAdjust_ = adjust; }
    void setPalette(const QPalette &palette) { palette_ = palette; }

    // The grid for an available width, with a focus rectangle around tile
    // `focus` (-1: none).  With no messages a 310 x 32 picture with "There
    // are no segregations or restrictions for this truckload.".
    QImage draw(int width, int focus = -1) const;

    // The message whose tile holds point, or -1.
    int messageAt(QPoint point, int width) const;

private:
    std::vector<MessageEntry> messages_;
    int fontAdjust_ = 0;
    QPalette palette_;
};

} // namespace velmora
