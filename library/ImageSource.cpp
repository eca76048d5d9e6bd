#include "library/ImageSource.h"

#include <QDataStream>
#include <QFile>
#include <QFileInfo>

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
    // read without end.
    if (!QFileInfo(fileName).isFile())
        return false;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    out = file.readAll();
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
    out.clear();
    QFile file(m_projectPath);
    if (it->position < 0 || !file.open(QIODevice::ReadOnly) || !file.seek(it->position))
        return false;
    QDataStream in(&file);
    in.setVersion(QDataStream::Qt_5_1);
    // A length that does not fit what is left of the file is damage, not a
    // reason to allocate.
    quint32 length = 0;
    in >> length;
    if (in.status() != QDataStream::Ok || length == 0xFFFFFFFFu
        || qint64(length) > file.size() - file.pos())
        return false;
    out.resize(int(length));
    if (in.readRawData(out.data(), int(length)) != int(length)) {
        out.clear();
        return false;
    }
    return true;
}
