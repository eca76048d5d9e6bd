#pragma once

// Photographs written as real JPEG files for the tests: a plain colour, with
// an optional black band on top (to tell the picture's turn) and white
// square in the middle (to tell its position); frames showing them, and
// the pixel tests for pages drawn with them.

#include "formats/PhotoFrame.h"
#include "library/ImageFile.h"

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

// A frame of w x h (1/100 mm) showing the photograph at `path`, turned and
// cropped to fill or fit it as the arrangement does; stamps in black.
inline PhotoFrame arrangedFrame(const QString &path, int w, int h, bool fill)
{
    PhotoFrame f;
    f.width = w;
    f.height = h;
    f.fileName = path;
    f.loadImage(PreviewRule());
    f.turnFromImage();
    f.autoCrop(fill);
    f.stamp.color = Qt::black;
    f.stamp.font = QFont(QStringLiteral("DejaVu Sans"), 10);
    return f;
}

inline bool isDark(QRgb c) { return qGray(c) < 80; }
inline bool isRed(QRgb c) { return qRed(c) > 180 && qGreen(c) < 80 && qBlue(c) < 80; }
inline bool isBlue(QRgb c) { return qBlue(c) > 180 && qRed(c) < 80 && qGreen(c) < 80; }

// How many pixels of `r` pass `test`.
inline int countIn(const QImage &img, const QRect &r, bool (*test)(QRgb))
{
    int n = 0;
    const QRect c = r & img.rect();
    for (int y = c.top(); y <= c.bottom(); ++y)
        for (int x = c.left(); x <= c.right(); ++x)
            n += test(img.pixel(x, y)) ? 1 : 0;
    return n;
}
