#include "compliance/placard_board.h"

#include "compliance/placard_art.h"
#include "frontend/compliance_vocabulary.h"
#include "compliance/pictures.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

constexpr int kDarken = 50;

QString resourceOf(const PlacardEntry &p)
{
    const PlacardPicture *picture = FindPlacardPictureByKey(p.pictureKey);
    return picture ? QString::fromLatin1(picture->resource) : QString();
}

} // namespace

PlacardGrid placardGrid(int n, int width)
{
    PlacardGrid g;
    if (n <= 0)
        return g;
    width = std::max(width, kPlacardMinSide + 2 * kPlacardGap);
    // as large as fits one row, within the limits
    const int oneRow = (width - kPlacardGap) / n - kPlacardGap;
    g.side = std::clamp(oneRow, kPlacardMinSide, kPlacardMaxSide);
    const int perRow = std::max(1, (width - kPlacardGap) / (g.side + kPlacardGap));
    const int rows = (n + perRow - 1) / perRow;
    for (int i = 0; i < n; ++i) {
        const int row = i / perRow, col = i % perRow;
        const int inRow = std::min(perRow, n - row * perRow);
        const int rowWidth = inRow * g.side + (inRow - 1) * kPlacardGap;
        const int x0 = (width - rowWidth) / 2;
        g.cells.emplace_back(x0 + col * (g.side + kPlacardGap), kPlacardGap + row * (g.side + kPlacardGap), g.side,
                             g.side);
    }
    g.size = QSize(width, kPlacardGap + rows * (g.side + kPlacardGap));
    return g;
}

PlacardBoard::PlacardBoard(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void PlacardBoard::setPlacards(std::vector<PlacardEntry> placards)
{
    placards_ = std::move(placards);
    emphasis_ = -1;
    normal_.clear();
    relayout();
}

void PlacardBoard::relayout()
{
    const int side = grid_.side;
    grid_ = placardGrid(static_cast<int>(placards_.size()), width());
    const int spare = height() - grid_.size.height();
    if (spare > 1)
        for (QRect &cell : grid_.cells)
            cell.translate(0, spare / 2);
    if (grid_.side != side)
        normal_.clear();
    updateGeometry();
    update();
}

const QImage &PlacardBoard::cached(int i, bool dark)
{
    if (normal_.size() != placards_.size() || cachedRatio_ != devicePixelRatioF()) {
        cachedRatio_ = devicePixelRatioF();
        normal_.clear();
        dark_.clear();
        for (int k = 0; k < count(); ++k)
            normal_.push_back(pictureOf(k, grid_.side));
    }
    if (!dark)
        return normal_[static_cast<size_t>(i)];
    if (dark_.size() != normal_.size()) {
        dark_.clear();
        for (const QImage &art : normal_) {
            QImage d = darkened(art, kDarken);
            d.setDevicePixelRatio(art.devicePixelRatio());
            dark_.push_back(d);
        }
    }
    return dark_[static_cast<size_t>(i)];
}

int PlacardBoard::heightForWidth(int width) const
{
    return placards_.empty() ? 60 : placardGrid(static_cast<int>(placards_.size()), width).size.height();
}

QSize PlacardBoard::sizeHint() const { return {600, heightForWidth(600)}; }
QSize PlacardBoard::minimumSizeHint() const { return {kPlacardMinSide + 2 * kPlacardGap, 60}; }

void PlacardBoard::resizeEvent(QResizeEvent *) { relayout(); }

QImage PlacardBoard::pictureOf(int i, int side) const
{
    if (i < 0 || i >= static_cast<int>(placards_.size()))
        return {};
    const PlacardEntry &p = placards_[static_cast<size_t>(i)];
    return placardArt(resourceOf(p), side, devicePixelRatioF(), p.idNumber, p.compatibilityGroup);
}

void PlacardBoard::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (placards_.empty()) {
        p.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, tr("No placards are required for this truckload."));
        return;
    }
    for (int i = 0; i < static_cast<int>(grid_.cells.size()); ++i)
        p.drawImage(grid_.cells[static_cast<size_t>(i)].topLeft(), cached(i, emphasis_ >= 0 && i != emphasis_));
}

int PlacardBoard::placardAt(QPointF point) const
{
    for (int i = 0; i < static_cast<int>(grid_.cells.size()); ++i) {
        const QRectF c = grid_.cells[static_cast<size_t>(i)];
        const qreal half = c.width() / 2;
        if (std::abs(point.x() - c.center().x()) + std::abs(point.y() - c.center().y()) <= half)
            return i;
    }
    return -1;
}

void PlacardBoard::setEmphasis(int i)
{
    if (i == emphasis_)
        return;
    emphasis_ = i;
    update();
    emit placardHovered(i);
}

void PlacardBoard::mouseMoveEvent(QMouseEvent *e)
{
    const int i = placardAt(e->position());
    // one placard alone is never darkened, but it still explains itself
    setEmphasis(i);
}

void PlacardBoard::leaveEvent(QEvent *) { setEmphasis(-1); }

} // namespace velmora
