#include "library/ImageFile.h"

#include "library/ImageSource.h"
#include "library/Exif.h"
#include "library/IconItem.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <cmath>

QImage decodePreview(const QByteArray &bytes, const PreviewRule &rule, QSize *fullSize)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    QSize size = rule.fallbackAspect;
    if (reader.supportsOption(QImageIOHandler::Size)) {
        const QSize reported = reader.size();
        if (reported.isValid() && !reported.isEmpty()) {
            size = reported;
            if (fullSize)
                *fullSize = reported;
        }
    }
    if (size.isEmpty())
        return QImage();
    const int sw = qMin(size.width(), rule.widthLimit);
    const int sh = qMax(1, int(std::lround(sw / (double(size.width()) / size.height()))));
    reader.setScaledSize(QSize(sw, sh));
    return reader.read();
}

void readIntoItem(IconItem &item, const PreviewRule &rule)
{
    if (item.fileData.isEmpty()) {
        QByteArray bytes;
        if (!ImageSource::readPlainFile(item.fileName, bytes))
            return;
        item.fileData = HeldBytes::loose(bytes);
    }
    QSize full(item.imageWidth, item.imageHeight);
    const QImage preview = decodePreview(item.fileData.bytes(), rule, &full);
    // An undecodable file keeps the picture it had.
    if (!preview.isNull()) {
        item.preview = preview;
        item.imageWidth = full.width();
        item.imageHeight = full.height();
    }
    item.rotation = exifRead(item.fileData.bytes(), item.shotTime);
}

IconFuture readIconFuture(const QString &fileName, const PreviewRule &rule)
{
    IconFuture result;
    if (!ImageSource::readPlainFile(fileName, result.data))
        return result;
    QSize full(0, 0);
    result.image = decodePreview(result.data, rule, &full);
    result.width = full.width();
    result.height = full.height();
    result.rotation = exifRead(result.data, result.date);
    return result;
}

bool isImageData(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return false;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return reader.canRead() && reader.size().isValid();
}

QImage decodeImage(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return reader.read();
}

QPixmap decodePixmap(const QByteArray &bytes)
{
    return QPixmap::fromImage(decodeImage(bytes));
}

QString fileSuffix(const QString &fileName)
{
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? fileName : fileName.mid(dot + 1);
}

QString fileBaseName(const QString &fileName)
{
    const QString last = fileName.section(QLatin1Char('/'), -1);
    const int dot = last.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? last : last.left(dot);
}
