// The program's named pictures (placards "IDB_P_..", markings "IDB_..",
// icons "IDI_..") rendered from their SVG resources at a given size.
#pragma once

#include <QImage>
#include <QString>

namespace velmora {

// The picture named `resource` at `size`, transparent around the artwork;
// a null image when there is no such resource.  Rendered pictures are kept,
// so asking again is cheap.
QImage namedPicture(const QString &resource, QSize size);

// The same picture with every colour channel lowered by `amount` (never
// below 0); alpha is kept.
QImage darkened(const QImage &image, int amount);

} // namespace velmora
