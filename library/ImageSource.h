#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <memory>

// Where a file carried by the open project lies in that project file.
struct EmbeddedFile
{
    qint64 position = 0;
    qint64 size = 0;
    QByteArray bytes; // the file's bytes when kept in memory, else empty
};

// File path -> its copy inside the project file.
using EmbeddedTable = QHash<QString, EmbeddedFile>;

// Reads the bytes of image files: from disk, or, when the file cannot be
// read there, from the copy the open project carries. A value: the project
// path and the table are fixed when it is made, so a copy may be handed to
// worker threads and read there while the document changes.
class ImageSource
{
public:
    ImageSource() = default;
    ImageSource(const QString &projectPath, const EmbeddedTable &table);

    const QString &projectPath() const { return m_projectPath; }
    const EmbeddedTable &table() const;

    // The file's bytes from disk (plain files only); else the project's
    // copy; else empty.
    QByteArray bytes(const QString &fileName) const;

    // The copy of `fileName` kept in the project. Not in the table: false,
    // `out` untouched. Held in memory: `out` := those bytes, false.
    // Otherwise read from the project file; true when that worked (the
    // bytes can be read again and need not be kept).
    bool embeddedBytes(const QString &fileName, QByteArray &out) const;

    // The largest image file read: a few hundred megabytes hold any image
    // within the pixel cap the readers decode.
    static constexpr qint64 MaxFileBytes = 400 * 1000 * 1000;

    // The whole file when it is a plain file (after following links) of at
    // most MaxFileBytes that begins as an image the readers know.
    static bool readPlainFile(const QString &fileName, QByteArray &out);

    // The byte array stored at `position` (the offset of its length field,
    // the whole 64 bits) of the project file `projectPath`; empty when the
    // position does not point at a byte array lying wholly inside the file.
    static QByteArray readEmbedded(const QString &projectPath, qint64 position);

private:
    QString m_projectPath;
    std::shared_ptr<const EmbeddedTable> m_table;
};
