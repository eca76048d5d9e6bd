#pragma once

// A layout file as anyone may write it, frames unchecked (the program's own
// writer refuses frames off the paper): for tests of what the readers do
// with such files.

#include "formats/LayoutFile.h"

#include <QDataStream>
#include <QFile>
#include <QRect>
#include <QSize>
#include <QVector>

inline bool writeLayoutBytes(const QString &path, const QString &paperName, const QSize &paper,
                             const QVector<QRect> &frames)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&file);
    out.setVersion(QDataStream::Qt_5_1);
    out << LayoutFile::Magic << paperName << qint32(paper.width()) << qint32(paper.height()) << qint32(frames.size());
    for (const QRect &r : frames)
        out << qint32(r.x()) << qint32(r.y()) << qint32(r.width()) << qint32(r.height());
    return out.status() == QDataStream::Ok;
}
