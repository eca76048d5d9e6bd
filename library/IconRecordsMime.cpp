#include "library/IconRecordsMime.h"

#include "library/IconRecord.h"

#include <QDataStream>

IconRecordsMime::IconRecordsMime(QVector<IconItem> records)
    : m_records(std::move(records))
{
}

const QVector<IconItem> *IconRecordsMime::recordsOf(const QMimeData *mime)
{
    const auto *own = qobject_cast<const IconRecordsMime *>(mime);
    return own ? &own->m_records : nullptr;
}

QStringList IconRecordsMime::formats() const
{
    QStringList list = QMimeData::formats();
    list.prepend(velmoraMimeType());
    return list;
}

bool IconRecordsMime::hasFormat(const QString &mimeType) const
{
    return mimeType == velmoraMimeType() || QMimeData::hasFormat(mimeType);
}

QVariant IconRecordsMime::retrieveData(const QString &mimeType, QVariant::Type type) const
{
    if (mimeType != velmoraMimeType())
        return QMimeData::retrieveData(mimeType, type);
    if (m_encoded.isEmpty() && !m_records.isEmpty()) {
        QDataStream out(&m_encoded, QIODevice::WriteOnly);
        for (const IconItem &record : m_records)
            writeIconRecord(out, record);
    }
    return m_encoded;
}
