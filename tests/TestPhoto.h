#pragma once

// Photographs written as real JPEG files for the tests: a plain colour, with
// an optional black band on top (to tell the picture's turn) and white
// square in the middle (to tell its position).

#include <QColor>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QString>

enum TestPhotoMarks { PlainPhoto = 0, TopBand = 1, CentreSquare = 2 };

inline QImage testPicture(int w, int h, QColor color, int marks = PlainPhoto)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(color);
    QPainter p(&img);
    if (marks & TopBand)
        p.fillRect(0, 0, w, h / 8, Qt::black);
    if (marks & CentreSquare)
        p.fillRect(w / 2 - h / 8, h / 2 - h / 8, h / 4, h / 4, Qt::white);
    return img;
}

// Writes `img` as a JPEG at `path` (quality −1: the writer's default);
// returns the path, or an empty string when it could not be written.
inline QString saveTestJpeg(const QImage &img, const QString &path, int quality = -1)
{
    QImageWriter writer(path, "jpeg");
    writer.setQuality(quality);
    return writer.write(img) ? path : QString();
}

inline QString writeTestJpeg(const QString &path, int w, int h, QColor color, int marks = PlainPhoto,
                             int quality = -1)
{
    return saveTestJpeg(testPicture(w, h, color, marks), path, quality);
}
