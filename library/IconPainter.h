#pragma once

#include <QPixmap>
#include <QString>

struct IconItem;
struct ThumbnailValues;

// Drawing of the thumbnails of image lists and the texts shown with them.
namespace IconPainter {

// The thumbnail of `item` at the thumbnail size of `thumbs`: the
// placeholder picture while the item is not decoded (state 0 or 1), else its
// preview; the use count and the file name as caption.
QPixmap draw(const IconItem &item, const ThumbnailValues &thumbs);

// The caption under the picture, before it is cut to the width: the file's
// base name, after "N- " when the file is used N times.
QString caption(const IconItem &item);

// "512 bytes", "1 024 KB", "4 882 KB", ...
QString sizeText(qint64 bytes);

QString toolTip(const IconItem &item);

} // namespace IconPainter
