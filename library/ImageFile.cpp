#include "library/ImageFile.h"

#include "app/AppState.h"
#include "library/Exif.h"
#include "library/IconItem.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <cmath>

PreviewRule PreviewRule::current()
{
    const AppState &st = appState();
    PreviewRule rule;
    rule.widthLimit = st.cachedBytes > AppState::CacheBudget ? 250 : 500;
    rule.fallbackAspect = QSize(st.thumbs.iconWidth - 2, st.thumbs.iconHeight - 12);
    return rule;
}

static bool readWholeFile(const QString &fileName, QByteArray &out)
{
    // Only plain files: a device or a pipe named in a dropped record would be
    // read without end.
    if (!QFileInfo(fileName).isFile())
        return false;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    out = file.readAll();
    return true;
}

static bool readProjectCopy(qint64 position, QByteArray &out)
{
    QFile file(appState().shell.currentFile);
    out.clear();
    if (position < 0 || !file.open(QIODevice::ReadOnly))
        return false;
    if (!file.seek(position))
        return false;
    QDataStream in(&file);
    in.setVersion(QDataStream::Qt_5_1);
    in >> out;
    if (in.status() != QDataStream::Ok) {
        out.clear();
        return false;
    }
    return true;
}

QByteArray imageBytes(const QString &fileName)
{
    QByteArray bytes;
    if (!readWholeFile(fileName, bytes) && !appState().shell.currentFile.isEmpty())
        embeddedBytes(fileName, bytes);
    return bytes;
}

bool embeddedBytes(const QString &fileName, QByteArray &out)
{
    const AppState &st = appState();
    const auto it = st.embeddedFiles.constFind(fileName);
    if (it == st.embeddedFiles.constEnd())
        return false;
    if (!it->bytes.isEmpty()) {
        out = it->bytes;
        return false;
    }
    return readProjectCopy(it->position, out);
}

bool keepWithinBudget(QByteArray &bytes)
{
    if (bytes.isEmpty())
        return false;
    qint64 &total = appState().cachedBytes;
    if (total > AppState::CacheBudget) {
        bytes.clear();
        return false;
    }
    total += bytes.size();
    return true;
}

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

void readIntoItem(IconItem &item)
{
    if (item.fileData.isEmpty() && !readWholeFile(item.fileName, item.fileData))
        return;
    QSize full(item.imageWidth, item.imageHeight);
    const QImage preview = decodePreview(item.fileData, PreviewRule::current(), &full);
    // An undecodable file keeps the picture it had.
    if (!preview.isNull()) {
        item.preview = preview;
        item.imageWidth = full.width();
        item.imageHeight = full.height();
    }
    item.rotation = exifRead(item.fileData, item.shotTime);
}

IconFuture readIconFuture(const QString &fileName, const PreviewRule &rule)
{
    IconFuture result;
    if (!readWholeFile(fileName, result.data))
        return result;
    QSize full(0, 0);
    result.image = decodePreview(result.data, rule, &full);
    result.width = full.width();
    result.height = full.height();
    result.rotation = exifRead(result.data, result.date);
    return result;
}

IconFuture readIconFuture(const QString &fileName)
{
    return readIconFuture(fileName, PreviewRule::current());
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
