#include "compliance/marking_pictures.h"

#include "frontend/compliance_vocabulary.h"
#include "compliance/pictures.h"
#include "app/hazmat_library.h"

#include <QFontMetrics>
#include <QPainter>

namespace velmora {

QString markingNumberText(int idNumber)
{
    return QString::asprintf("%.4d", idNumber);
}

const MarkingEntry *MarkingPainter::at(int i) const
{
    return i >= 0 && i < count() ? &markings_[static_cast<size_t>(i)] : nullptr;
}

QImage MarkingPainter::picture(int i) const
{
    const MarkingEntry *m = at(i);
    if (!m)
        return {};
    const MarkingKind *kind = FindMarkingKind(m->type);
    if (kind && kind->picture) {
        QImage image = namedPicture(QString::fromLatin1(kind->picture), QSize(kind->width, kind->height));
        if (image.isNull()) {   // a missing picture leaves the marking empty
            image = QImage(kind->width, kind->height, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
        }
        return image;
    }
    QFont font;
    font.setBold(true);
    font.setPointSize(10 - fontAdjust_);
    if (m->type == 7) {
        // The shipping name in a black frame on white, 25 high.
        const int width = QFontMetrics(font).horizontalAdvance(m->shippingName) + 15;
        QImage image(width, 25, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter p(&image);
        p.setPen(Qt::black);
        p.drawRect(0, 0, width - 1, 24);
        p.setFont(font);
        p.drawText(QRect(8, 4, width - 8, 21), Qt::AlignLeft | Qt::AlignTop, m->shippingName);
        return image;
    }
    // The orange panel (172.332): the number in bold black on orange.
    QImage image(50, 25, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(255, 127, 0));
    QPainter p(&image);
    p.setPen(Qt::black);
    p.drawRect(0, 0, 49, 24);
    p.setFont(font);
    p.drawText(QRect(8, 4, 42, 21), Qt::AlignLeft | Qt::AlignTop, markingNumberText(m->idNumber));
    return image;
}

QString MarkingPainter::hoverText(int i) const
{
    const MarkingEntry *m = at(i);
    if (!m)
        return {};
    return fromLibraryText(MarkingHoverText(m->type, m->shippingName.toUtf8().toStdString()));
}

QString MarkingPainter::citation(int i) const
{
    const MarkingEntry *m = at(i);
    const MarkingKind *kind = m ? FindMarkingKind(m->type) : nullptr;
    return kind ? QString::fromLatin1(kind->citation) : QString();
}

} // namespace velmora
