#include "saved/legality_icon.h"

#include "compliance/placard_picture.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

namespace velmora {

QImage drawLegalityIcon(int legality, const std::vector<PlacardEntry> &placards, int fontAdjust)
{
    const QColor background = legality == 0 ? QColor(Qt::white)
                              : legality == 1 ? QColor(255, 0, 0)
                                              : QColor(255, 255, 0);
    QImage inner(75, 75, QImage::Format_ARGB32_Premultiplied);
    inner.fill(background);
    {
        QPainter p(&inner);
        if (placards.empty()) {
            p.setPen(Qt::black);
            p.drawRect(0, 0, 74, 74);
            QFont f = p.font();
            f.setBold(true);
            f.setPointSize(std::max(1, 10 - fontAdjust));
            p.setFont(f);
            const int ascent = p.fontMetrics().ascent();
            p.drawText(28, 2 + ascent, QStringLiteral("No"));
            p.drawText(7, 17 + ascent, QStringLiteral("Placards"));
        } else {
            // The whole option's picture (never emphasised, so no darkened
            // copies), scaled into the square.
            PlacardPainter picture;
            picture.onError = [](const QString &) {};   // a summary icon shows no message boxes
            picture.setFontAdjust(fontAdjust);
            picture.setPlacards(placards);
            const QImage drawn = picture.draw().scaled(75, 75, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            p.drawImage((75 - drawn.width()) / 2, (75 - drawn.height()) / 2, drawn);
        }
    }
    QImage icon(kLegalityIconSide, kLegalityIconSide, QImage::Format_ARGB32_Premultiplied);
    icon.fill(placards.empty() ? QColor(Qt::transparent) : background);
    QPainter p(&icon);
    p.drawImage(1, 1, inner);
    if (!placards.empty()) {
        p.setPen(Qt::black);
        p.drawRect(0, 0, kLegalityIconSide - 1, kLegalityIconSide - 1);
    }
    return icon;
}

namespace {

// What the icon shows, as a cache key: the verdict, the font adjustment and
// each placard's picture and number (nothing else of a placard is drawn).
QString iconKey(int legality, const std::vector<PlacardEntry> &placards, int fontAdjust)
{
    QString key = QStringLiteral("velmora-legality-icon:%1:%2").arg(legality).arg(fontAdjust);
    for (const PlacardEntry &p : placards)
        key += QStringLiteral(":%1/%2").arg(p.pictureKey).arg(p.idNumber);
    return key;
}

class LegalityIconEngine : public QIconEngine {
public:
    LegalityIconEngine(int legality, std::vector<PlacardEntry> placards, int fontAdjust)
        : legality_(legality), placards_(std::move(placards)), fontAdjust_(fontAdjust)
    {
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        QSize actual(kLegalityIconSide, kLegalityIconSide);
        if (actual.width() > size.width() || actual.height() > size.height())
            actual.scale(size, Qt::KeepAspectRatio);
        return actual;
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(kLegalityIconSide, kLegalityIconSide)};
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        const QSize actual = actualSize(size, mode, state);
        if (actual.isEmpty())
            return QPixmap();
        if (key_.isEmpty())
            key_ = iconKey(legality_, placards_, fontAdjust_);
        if (mode == QIcon::Normal && actual == QSize(kLegalityIconSide, kLegalityIconSide))
            return base();
        const QString sized = key_ + QStringLiteral("@%1x%2#%3").arg(actual.width()).arg(actual.height()).arg(mode);
        QPixmap pm;
        if (QPixmapCache::find(sized, &pm))
            return pm;
        pm = base();
        if (pm.size() != actual)
            pm = pm.scaled(actual, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (mode != QIcon::Normal && qobject_cast<QApplication *>(QCoreApplication::instance())) {
            QStyleOption option(0);
            option.palette = QGuiApplication::palette();
            const QPixmap generated = QApplication::style()->generatedIconPixmap(mode, pm, &option);
            if (!generated.isNull())
                pm = generated;
        }
        QPixmapCache::insert(sized, pm);
        return pm;
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : qApp->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

    QIconEngine *clone() const override { return new LegalityIconEngine(*this); }
    QString key() const override { return QStringLiteral("velmora-legality"); }

private:
    // The icon at its own size, drawn once per distinct key while cached.
    QPixmap base()
    {
        QPixmap pm;
        if (!QPixmapCache::find(key_, &pm)) {
            pm = QPixmap::fromImage(drawLegalityIcon(legality_, placards_, fontAdjust_));
            QPixmapCache::insert(key_, pm);
        }
        return pm;
    }

    int legality_;
    std::vector<PlacardEntry> placards_;
    int fontAdjust_;
    QString key_;
};

} // namespace

QIcon legalityIcon(int legality, std::vector<PlacardEntry> placards, int fontAdjust)
{
    return QIcon(new LegalityIconEngine(legality, std::move(placards), fontAdjust));
}

} // namespace velmora
