#include "compliance/placard_picture.h"

#include "frontend/compliance_vocabulary.h"
#include "compliance/pictures.h"
#include "compliance/placard_layout.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace velmora {

namespace {

constexpr int kDarken = 50;

} // namespace

QString placardKeyError(unsigned key)
{
    return QStringLiteral("A fatal error has occured. ERROR:") + QString::number(key);
}

void PlacardPainter::setPlacards(std::vector<PlacardEntry> placards)
{
    if (placards.size() > static_cast<size_t>(kMaxPlacardsShown))
        placards.resize(kMaxPlacardsShown);   // the positions end here
    placards_ = std::move(placards);
    reload_ = true;
}

void PlacardPainter::setFontAdjust(int adjust)
{
    if (adjust != fontAdjust_)
        reload_ = true;
    fontAdjust_ = adjust;
}

QImage PlacardPainter::pictureWithNumber(const PlacardEntry &placard) const
{
    const PlacardPicture *entry = FindPlacardPictureByKey(placard.pictureKey);
    QImage image = namedPicture(QString::fromLatin1(entry->resource), QSize(100, 100));
    if (image.isNull()) {   // a missing picture leaves the placard empty
        image = QImage(100, 100, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
    }
    if (placard.idNumber == 0)
        return image;
    // The identification number in the placard's white rectangle
    // (172.332(b)): black, in a 45 x (22 - f) box at (27 - adjustment, 41).
    const int f = fontAdjust_ == 4 ? 6 : fontAdjust_ == 2 ? 3 : fontAdjust_;
    QImage number(45, 22 - f, QImage::Format_ARGB32_Premultiplied);
    number.fill(Qt::transparent);
    {
        QPainter p(&number);
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(15 - f);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(number.rect(), Qt::AlignLeft | Qt::AlignTop, QString::number(placard.idNumber));
    }
    QPainter p(&image);
    p.drawImage(QPoint(27 - fontAdjust_, 41), number);
    return image;
}

void PlacardPainter::load()
{
    normal_.clear();
    dark_.clear();
    reload_ = false;
    for (const PlacardEntry &placard : placards_) {
        if (!FindPlacardPictureByKey(placard.pictureKey)) {
            // Loading stops here; the placards loaded so far are drawn.
            if (onError)
                onError(placardKeyError(placard.key));
            return;
        }
        normal_.push_back(pictureWithNumber(placard));
    }
}

QImage PlacardPainter::draw(int emphasis)
{
    if (placards_.empty()) {
        QImage image(150, 50, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setPen(Qt::black);
        p.drawText(image.rect(), Qt::AlignCenter | Qt::TextWordWrap,
                   QStringLiteral("No placards are required for this truckload."));
        return image;
    }
    if (reload_)
        load();
    // Darkened copies only when a placard is emphasised (the compliance
    // view's hover); summary icons never need them.
    if (emphasis >= 0 && dark_.size() != normal_.size()) {
        dark_.clear();
        for (const QImage &picture : normal_)
            dark_.push_back(darkened(picture, kDarken));
    }
    const int n = count();
    QImage image(placardCanvasSize(n), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < static_cast<int>(normal_.size()); ++i) {
        const QPoint at = placardPosition(i, n);
        QPainterPath clip;
        clip.addPolygon(placardDiamond(at));
        clip.closeSubpath();
        p.setClipPath(clip);
        p.drawImage(at, emphasis >= 0 && i != emphasis ? dark_[static_cast<size_t>(i)] : normal_[static_cast<size_t>(i)]);
    }
    return image;
}

int PlacardPainter::placardAt(QPoint point) const
{
    return placards_.empty() ? -1 : velmora::placardAt(point, count());
}

QString PlacardPainter::hoverText(int i) const
{
    return i >= 0 && i < count() ? placardHoverText(placards_[static_cast<size_t>(i)]) : QString();
}

QString placardHoverText(const PlacardEntry &placard)
{
    const PlacardPicture *picture = FindPlacardPictureByKey(placard.pictureKey);
    QString text = QStringLiteral("Name:  ") + (picture ? QString::fromLatin1(picture->name) : QString());
    if (placard.hazardClass == 0)   // DANGEROUS: no type and class lines
        return text + QStringLiteral("\n\n");
    text += QStringLiteral("\nType:  ") + (placard.primary ? QStringLiteral("Primary") : QStringLiteral("Subsidiary"));
    text += QStringLiteral("\nClass:  ") + QString::number(placard.hazardClass);
    if (placard.division >= 1)
        text += QStringLiteral("\nDiv: ") + QString::number(placard.division);
    return text;
}

QImage PlacardPainter::pictureOf(int i)
{
    if (reload_)
        load();
    return i >= 0 && i < static_cast<int>(normal_.size()) ? normal_[static_cast<size_t>(i)] : QImage();
}

} // namespace velmora
