// One placard picture as the screen shows it: rendered from its SVG at the
// screen's pixel density, with the identification number set into the
// picture's number area and the compatibility group of an explosive into
// its place (172.332(c), 172.522(b)), both found by element in the picture.
#pragma once

#include <QImage>
#include <QRectF>
#include <QString>

namespace velmora {

// The placard `resource` ("IDB_P_B30") `side` device-independent pixels
// square at `pixelRatio`; `idNumber` (0: none) in the number area and
// `compatibilityGroup` (0: none) in its place when the picture has them.
// A null image when there is no such picture.
QImage placardArt(const QString &resource, int side, qreal pixelRatio, int idNumber, char compatibilityGroup);

// Where the element `id` of the placard picture lies, in a picture `side`
// pixels square; empty when the picture has no such element.
QRectF placardPart(const QString &resource, const QString &id, int side);

} // namespace velmora
