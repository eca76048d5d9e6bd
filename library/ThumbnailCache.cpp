#include "library/ThumbnailCache.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryFile>
#include <QUrl>

#include <cstdio>

namespace {

const char *const UriKey = "Thumb::URI";
const char *const MTimeKey = "Thumb::MTime";
const char *const FailFolder = "fail/velmora";

QString mtimeOf(const QFileInfo &info)
{
    return QString::number(info.lastModified().toSecsSinceEpoch());
}

} // namespace

ThumbnailCache::ThumbnailCache(const QString &root) : m_root(root) {}

QString ThumbnailCache::rootFor(const QString &xdgCacheHome, const QString &home)
{
    if (!xdgCacheHome.isEmpty() && QDir::isAbsolutePath(xdgCacheHome))
        return QDir(xdgCacheHome).filePath(QStringLiteral("thumbnails"));
    return QDir(home).filePath(QStringLiteral(".cache/thumbnails"));
}

const std::array<ThumbnailCache::Folder, 4> &ThumbnailCache::folders()
{
    static const std::array<Folder, 4> list = {{{"normal", 128}, {"large", 256}, {"x-large", 512}, {"xx-large", 1024}}};
    return list;
}

QByteArray ThumbnailCache::uriOf(const QString &file)
{
    return QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()).toEncoded();
}

QString ThumbnailCache::thumbnailName(const QString &file)
{
    return QString::fromLatin1(QCryptographicHash::hash(uriOf(file), QCryptographicHash::Md5).toHex())
        + QStringLiteral(".png");
}

QImage ThumbnailCache::readValid(const QString &path, const QString &file) const
{
    const QFileInfo info(file);
    if (!info.exists())
        return QImage();
    // The keys are taken from the image read, not from the reader's text
    // before it: the reader splits keys at their first colon.
    const QImage image = QImageReader(path, "png").read();
    if (image.text(QLatin1String(UriKey)) != QString::fromLatin1(uriOf(file))
        || image.text(QLatin1String(MTimeKey)) != mtimeOf(info))
        return QImage();
    return image;
}

QImage ThumbnailCache::find(const QString &file, const QSize &needed) const
{
    const QString name = thumbnailName(file);
    const int longer = qMax(needed.width(), needed.height());
    for (const Folder &folder : folders()) {
        if (folder.size < longer)
            continue;
        const QString path = QDir(m_root).filePath(QLatin1String(folder.name) + QLatin1Char('/') + name);
        if (!QFileInfo::exists(path))
            continue;
        const QImage image = readValid(path, file);
        // Too small, or of another shape (turned, or of another picture).
        if (image.width() < needed.width() || image.height() < needed.height()
            || qAbs(double(image.width()) / image.height() - double(needed.width()) / needed.height()) > 0.02)
            continue;
        if (image.size() == needed)
            return image;
        return image.scaled(needed, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return QImage();
}

bool ThumbnailCache::write(const QString &folder, const QString &file, const QImage &image) const
{
    const QString dir = QDir(m_root).filePath(folder);
    if (!QDir().mkpath(dir))
        return false;
    QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QFileInfo info(file);
    if (!info.exists())
        return false;
    QImage tagged = image;
    tagged.setText(QLatin1String(UriKey), QString::fromLatin1(uriOf(file)));
    tagged.setText(QLatin1String(MTimeKey), mtimeOf(info));
    tagged.setText(QStringLiteral("Software"), QStringLiteral("Velmora"));
    // Written whole under a temporary name (mode 0600) in the same folder,
    // then renamed over the old one: readers never see half a file.
    QTemporaryFile temp(QDir(dir).filePath(QStringLiteral("velmora-XXXXXX.png")));
    if (!temp.open())
        return false;
    QImageWriter writer(&temp, "png");
    writer.setQuality(80); // the fastest compression short of none
    if (!writer.write(tagged) || !temp.flush())
        return false;
    temp.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QString target = QDir(dir).filePath(thumbnailName(file));
    if (std::rename(QFile::encodeName(temp.fileName()).constData(), QFile::encodeName(target).constData()) != 0)
        return false;
    temp.setAutoRemove(false);
    return true;
}

bool ThumbnailCache::store(const QString &file, const QImage &picture) const
{
    if (picture.isNull())
        return false;
    const int longer = qMax(picture.width(), picture.height());
    for (const Folder &folder : folders()) {
        if (longer <= folder.size)
            return write(QLatin1String(folder.name), file, picture);
    }
    // Larger than the largest folder: reduced to fit it.
    const Folder &largest = folders().back();
    return write(QLatin1String(largest.name), file,
                 picture.scaled(largest.size, largest.size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

bool ThumbnailCache::storeFailure(const QString &file) const
{
    QImage mark(1, 1, QImage::Format_ARGB32);
    mark.fill(Qt::transparent);
    return write(QLatin1String(FailFolder), file, mark);
}

bool ThumbnailCache::hasFailure(const QString &file) const
{
    const QString path = QDir(m_root).filePath(QLatin1String(FailFolder) + QLatin1Char('/') + thumbnailName(file));
    return QFileInfo::exists(path) && !readValid(path, file).isNull();
}
