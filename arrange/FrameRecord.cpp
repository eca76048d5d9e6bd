#include "arrange/FrameRecord.h"

#include "formats/PhotoFrame.h"
#include "library/IconRecord.h"

#include <QDataStream>

QPixmap frameRecordIcon(const PhotoFrame &frame)
{
    if (frame.cache.preview.isNull())
        return QPixmap();
    const int k = qMax(1, qMax(frame.imageWidth, frame.imageHeight) / 74);
    const int w = qMax(1, frame.imageWidth / k);
    const int h = qMax(1, frame.imageHeight / k);
    return QPixmap::fromImage(frame.cache.preview.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

IconItem frameRecord(const PhotoFrame &frame, IconItem::State state, int index)
{
    IconItem item;
    item.state = state;
    item.imageWidth = frame.imageWidth;
    item.imageHeight = frame.imageHeight;
    item.rotation = frame.rotation;
    item.useCount = index;
    item.icon = frameRecordIcon(frame);
    item.preview = frame.cache.preview;
    item.fileName = frame.fileName;
    item.fileTime = frame.fileTime;
    item.shotTime = frame.shotTime;
    item.fileSize = frame.fileSize;
    item.fileData = frame.fileData;
    return item;
}

QByteArray frameRecords(const QVector<PhotoFrame> &all, const QList<int> &frames, IconItem::State state)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    for (int i : frames)
        if (i >= 0 && i < all.size())
            writeIconRecord(out, frameRecord(all.at(i), state, state == IconItem::State::FromFrame ? i : 0));
    return bytes;
}
