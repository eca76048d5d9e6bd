#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QImage>

// What the background thumbnail reader makes of one file.
struct ThumbnailResult
{
    int width = 0;     // full size as the image reader reports it, 0 if unknown
    int height = 0;
    int rotation = 0;  // from the EXIF orientation: 0, 90, 180, 270
    QDateTime date;    // EXIF date, invalid when there is none
    QImage image;      // the reduced preview, null when the file cannot be read
    QByteArray data;   // the whole file, empty when it cannot be opened
    QString problem;   // why `image` is null, for the user; empty when it is not
};
