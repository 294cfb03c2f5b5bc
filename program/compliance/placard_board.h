// The compliance view's placards: each drawn whole, in rows that wrap at
// the view's width with room between them, so that no placard covers
// another at any window size, and rendered at the screen's pixel density.
// The placard under the pointer is emphasised by darkening the others.
#pragma once

#include "compliance/compliance_results.h"

#include <QImage>
#include <QWidget>
#include <vector>

namespace velmora {

struct PlacardGrid {
    int side = 0;                  // each placard's square, in pixels
    std::vector<QRect> cells;      // one square per placard
    QSize size;                    // the whole arrangement
};

// n placards in rows within `width`: as large as kMaxSide while one row
// holds them, smaller (down to kMinSide) to keep them on as few rows as the
// width allows, then wrapped; rows are centred.  The board centres the
// whole arrangement in a taller widget.
PlacardGrid placardGrid(int n, int width);
constexpr int kPlacardMaxSide = 150, kPlacardMinSide = 90, kPlacardGap = 14;

class PlacardBoard : public QWidget {
    Q_OBJECT
public:
    explicit PlacardBoard(QWidget *parent = nullptr);

    void setPlacards(std::vector<PlacardEntry> placards);
    const std::vector<PlacardEntry> &placards() const { return placards_; }
    int count() const { return static_cast<int>(placards_.size()); }
    // The placard whose diamond holds point (widget coordinates), or -1.
    int placardAt(QPointF point) const;
    int emphasis() const { return emphasis_; }
    // Placard i as drawn (at the screen's pixel density), for the
    // information panel and checks.
    QImage pictureOf(int i, int side) const;
    const PlacardGrid &grid() const { return grid_; }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void placardHovered(int index);   // -1 when the pointer leaves the placards

protected:
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *) override;
    void mouseMoveEvent(QMouseEvent *) override;
    void leaveEvent(QEvent *) override;

private:
    void relayout();
    void setEmphasis(int i);
    // The pictures at the grid's side and the screen's density, rendered
    // once per layout: normal and darkened.
    const QImage &cached(int i, bool dark);

    std::vector<PlacardEntry> placards_;
    PlacardGrid grid_;
    int emphasis_ = -1;
    std::vector<QImage> normal_, dark_;
    qreal cachedRatio_ = 0;
};

} // namespace velmora
