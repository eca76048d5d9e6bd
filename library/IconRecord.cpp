#include "library/IconRecord.h"

#include "library/IconItem.h"

#include <QImageReader>

namespace {

// No thumbnail or preview comes near this many pixels; a record claiming more
// is damaged, and decoding it would allocate gigabytes for a few bytes.
constexpr qint64 MaxRecordPixels = qint64(1) << 24;

// An image as the stream writes it (a marker, then PNG data), its size
// checked before it is decoded.
void readRecordImage(QDataStream &in, QImage &image)
{
    image = QImage();
    qint32 marker = 0;
    in >> marker;
    if (in.status() != QDataStream::Ok || marker == 0)
        return;
    QImageReader reader(in.device(), "png");
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > MaxRecordPixels) {
        in.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    image = reader.read();
    if (image.isNull())
        in.setStatus(QDataStream::ReadPastEnd);
}

} // namespace

void writeIconRecord(QDataStream &out, const IconItem &item)
{
    out << item.state << item.imageWidth << item.imageHeight << item.rotation << item.useCount
        << item.icon << item.preview << item.fileName << item.fileTime << item.shotTime
        << item.fileSize << item.fileData.bytes();
}

Outcome readIconRecord(QDataStream &in, IconItem &item)
{
    const char *const damaged = QT_TRANSLATE_NOOP("QObject", "The images handed over are damaged.");
    in >> item.state >> item.imageWidth >> item.imageHeight >> item.rotation >> item.useCount;
    // Turns are quarter turns; anything else is damage (and would turn the
    // preview by an arbitrary angle).
    if (in.status() == QDataStream::Ok && item.rotation != 0 && item.rotation != 90
        && item.rotation != 180 && item.rotation != 270) {
        in.setStatus(QDataStream::ReadCorruptData);
        return Outcome::failure(damaged, QStringLiteral("a turn of %1 degrees").arg(item.rotation));
    }
    QImage icon;
    readRecordImage(in, icon);
    if (icon.isNull())
        item.icon = QPixmap();
    else
        item.icon = QPixmap::fromImage(icon, icon.depth() == 1 ? Qt::MonoOnly : Qt::AutoColor);
    readRecordImage(in, item.preview);
    QByteArray bytes;
    in >> item.fileName >> item.fileTime >> item.shotTime >> item.fileSize >> bytes;
    item.fileData = HeldBytes::loose(bytes);
    if (in.status() != QDataStream::Ok)
        return Outcome::failure(damaged, QStringLiteral("record of %1 cut short or damaged").arg(item.fileName));
    return Outcome();
}
