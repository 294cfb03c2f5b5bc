// PlacardPainter: the picture of one option's placards.  Placards stand on the
// canvas by the position table and are clipped to their diamonds; the one
// under the pointer is emphasised by drawing all the others darker.
#pragma once

#include "compliance/compliance_results.h"

#include <QImage>
#include <QPoint>
#include <QString>
#include <functional>
#include <vector>

namespace velmora {

class PlacardPainter {
public:
    // Reports a placard that has no picture ("A fatal error has occured.
    // ERROR:" and its key); called once per loading, not on every redraw.
    std::function<void(const QString &)> onError;

    // The placards to draw, in option order.  Only the first 28 fit the
    // picture; the caller keeps options within that (computeWithinPlacardLimit).
    void setPlacards(std::vector<PlacardEntry> placards);
    const std::vector<PlacardEntry> &placards() const { return placards_; }
    int count() const { return static_cast<int>(placards_.size()); }

    // The screen font adjustment (0, 2 or 4) that shrinks the drawn numbers.
    void setFontAdjust(int adjust);

    // The picture with placard `emphasis` normal and the others darkened, or
    // all normal for -1.  With no placards a 150 x 50 picture with the text
    // "No placards are required for this truckload.".
    QImage draw(int emphasis = -1);

    // The placard whose diamond holds point (picture coordinates), or -1.
    int placardAt(QPoint point) const;

    // The lines of the information panel for placard i.
    QString hoverText(int i) const;

    // The normal picture of placard i after loading (for checks).
    QImage pictureOf(int i);

private:
    void load();
    QImage pictureWithNumber(const PlacardEntry &placard) const;

    std::vector<PlacardEntry> placards_;
    std::vector<QImage> normal_, dark_;
    int fontAdjust_ = 0;
    bool reload_ = true;
};

// The error text for a placard key that has no picture.
QString placardKeyError(unsigned key);

// The information panel's lines for a placard: its name, and for all but
// DANGEROUS whether it is primary or subsidiary, its class and division.
QString placardHoverText(const PlacardEntry &placard);

} // namespace velmora
