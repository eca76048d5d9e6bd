#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QImage>
#include <QPixmap>
#include <QString>

// One image file of an image list.
struct IconItem
{
    // 0 new, no icon drawn; 1 placeholder icon, preview not decoded;
    // 2 preview decoded; 3 only in a drag payload: dragged out of a page frame.
    qint32 state = 0;
    qint32 imageWidth = 0;  // full size after rotation, 0 until known
    qint32 imageHeight = 0;
    QString fileName;       // absolute path, the identity of the row
    QDateTime fileTime;     // last modification
    QDateTime shotTime;     // date taken
    qint32 fileSize = 0;
    QByteArray fileData;    // the whole file when held in memory
    QPixmap icon;           // the drawn thumbnail
    QImage preview;         // reduced copy, already turned by rotation
    qint32 rotation = 0;    // degrees clockwise: 0, 90, 180, 270
    qint32 useCount = 0;    // page frames showing the file
};
