#include "library/ImageSource.h"

#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <limits>

ImageSource::ImageSource(const QString &projectPath, const EmbeddedTable &table)
    : m_projectPath(projectPath), m_table(std::make_shared<const EmbeddedTable>(table))
{
}

const EmbeddedTable &ImageSource::table() const
{
    static const EmbeddedTable none;
    return m_table ? *m_table : none;
}

bool ImageSource::readPlainFile(const QString &fileName, QByteArray &out)
{
    // Only plain files: a device or a pipe named in a dropped record would be
    // read without end. Neither is a file larger than any image accepted, nor
    // one whose beginning no image reader knows, read whole.
    const QFileInfo info(fileName);
    if (!info.isFile() || info.size() > MaxFileBytes)
        return false;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || !QImageReader(&file).canRead() || !file.seek(0))
        return false;
    // The file may have grown since it was measured.
    QByteArray bytes = file.read(MaxFileBytes + 1);
    if (bytes.size() > MaxFileBytes)
        return false;
    out = bytes;
    return true;
}

QByteArray ImageSource::bytes(const QString &fileName) const
{
    QByteArray bytes;
    if (!readPlainFile(fileName, bytes) && !m_projectPath.isEmpty())
        embeddedBytes(fileName, bytes);
    return bytes;
}

bool ImageSource::embeddedBytes(const QString &fileName, QByteArray &out) const
{
    const EmbeddedTable &files = table();
    const auto it = files.constFind(fileName);
    if (it == files.constEnd())
        return false;
    if (!it->bytes.isEmpty()) {
        out = it->bytes;
        return false;
    }
    out = readEmbedded(m_projectPath, it->position);
    return !out.isEmpty();
}

QByteArray ImageSource::readEmbedded(const QString &projectPath, qint64 position)
{
    // The most a byte array holds: larger copies cannot be read whole.
    constexpr quint32 MaxBytes = std::numeric_limits<int>::max() - 64;
    QFile file(projectPath);
    if (position < 0 || !file.open(QIODevice::ReadOnly))
        return QByteArray();
    const qint64 size = file.size();
    if (position > size - 4 || !file.seek(position))
        return QByteArray();
    QDataStream in(&file);
    in.setVersion(QDataStream::Qt_5_1);
    quint32 length = 0;
    in >> length;
    // A length that does not fit what is left of the file is damage, not a
    // reason to allocate.
    if (in.status() != QDataStream::Ok || length == 0xffffffffu || qint64(length) > size - position - 4
        || length > MaxBytes)
        return QByteArray();
    QByteArray bytes(int(length), Qt::Uninitialized);
    if (length > 0 && file.read(bytes.data(), length) != qint64(length))
        return QByteArray();
    return bytes;
}
