#pragma once

#include "library/IconItem.h"

#include <QMimeData>
#include <QVector>

// Image records on the clipboard or in a drag. The rows are held as they are
// (their pictures and bytes shared, nothing copied) and written out as
// "image/Velmora" records only when the data is asked for, typically by
// another program: a copy of hundreds of thumbnailed rows costs nothing until
// then. A panel of this program takes the rows directly through records().
class IconRecordsMime : public QMimeData
{
    Q_OBJECT
public:
    explicit IconRecordsMime(QVector<IconItem> records);

    const QVector<IconItem> &records() const { return m_records; }
    // The rows `mime` carries when it is one of these; null otherwise.
    static const QVector<IconItem> *recordsOf(const QMimeData *mime);

    QStringList formats() const override;
    bool hasFormat(const QString &mimeType) const override;

protected:
    QVariant retrieveData(const QString &mimeType, QVariant::Type type) const override;

private:
    QVector<IconItem> m_records;
    mutable QByteArray m_encoded; // written on the first request
};
