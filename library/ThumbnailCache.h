#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <array>

// The desktop's shared thumbnail cache: PNG files named by the MD5 of the
// file's URI in the size folders "normal" (128 pixels), "large" (256),
// "x-large" (512) and "xx-large" (1024) of one root folder, each carrying
// the file's URI ("Thumb::URI") and modification time ("Thumb::MTime"). A
// thumbnail counts only while both still match the file. Files this program
// could not read are noted under "fail/velmora", so they are not tried
// again while unchanged. Files are written whole to a temporary name and
// renamed, readable by the owner alone (0600), in folders of mode 0700.
class ThumbnailCache
{
public:
    // The cache under `root`, normally rootFor() of the environment.
    explicit ThumbnailCache(const QString &root);

    // $XDG_CACHE_HOME/thumbnails, or $HOME/.cache/thumbnails when the first
    // is unset or not absolute.
    static QString rootFor(const QString &xdgCacheHome, const QString &home);
    // The file's URI ("file:///..." with the path percent-encoded) and the
    // name of its thumbnail: the URI's MD5 in hexadecimal, ".png".
    static QByteArray uriOf(const QString &file);
    static QString thumbnailName(const QString &file);

    // A valid thumbnail of `file` at least `needed` in size (the smallest
    // folder that can hold one is looked in first), reduced to `needed`;
    // null when there is none.
    QImage find(const QString &file, const QSize &needed) const;
    // Stores `picture`, the whole of `file` reduced, in the smallest folder
    // its longer side fits; false when it could not be written.
    bool store(const QString &file, const QImage &picture) const;

    // Notes that `file` as it is now could not be read.
    bool storeFailure(const QString &file) const;
    // Whether the note for `file` is there and still matches it.
    bool hasFailure(const QString &file) const;

    struct Folder
    {
        const char *name;
        int size;
    };
    static const std::array<Folder, 4> &folders();

private:
    QImage readValid(const QString &path, const QString &file) const;
    bool write(const QString &folder, const QString &file, const QImage &image) const;

    QString m_root;
};
