#include "library/IconPainter.h"

#include "library/ThumbnailValues.h"
#include "library/IconItem.h"
#include "library/ImageFile.h"

#include <QLocale>
#include <QObject>
#include <QPainter>

#include <cmath>

namespace IconPainter {

namespace {

// The picture of a row not decoded yet.
const QImage &placeholderImage()
{
    static const QImage image = QImage(QStringLiteral(":/images/Image3.png"))
                                    .scaledToHeight(74, Qt::SmoothTransformation);
    return image;
}

} // namespace

QPixmap draw(const IconItem &item, const ThumbnailValues &thumbs)
{
    const int iw = thumbs.iconWidth;
    const int ih = thumbs.iconHeight;
    QPixmap pixmap(iw, ih);
    pixmap.fill(item.useCount != 0 ? QColor(255, 199, 116) : thumbs.fillColor);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);

    const bool placeholder = !item.isDecoded();
    if (placeholder || !item.preview.isNull()) {
        double aspect = 0.9;
        if (!placeholder) {
            aspect = item.imageWidth > 0 && item.imageHeight > 0
                         ? double(item.imageWidth) / item.imageHeight
                         : double(item.preview.width()) / qMax(1, item.preview.height());
        }
        int h = ih - 12;
        int w = int(std::lround(aspect * h));
        int x;
        if (w > iw) {
            w = iw;
            h = int(std::lround(iw / aspect));
            x = 0;
        } else {
            x = (iw - w) / 2;
        }
        const int y = (ih - h - 12) / 2;
        const QRect target(x, y, w - 1, h);
        if (placeholder) {
            if (!placeholderImage().isNull())
                painter.drawImage(target, placeholderImage(), QRect(0, 0, w, h));
        } else if (w > 0 && h > 0) {
            const QImage scaled =
                item.preview.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            painter.drawImage(target, scaled, QRect(0, 0, w, h));
        }
        painter.drawRect(target);
    }

    painter.setPen(Qt::darkBlue);
    // The largest font whose whole line fits the 12-pixel band: with a
    // taller one the underscores and descenders fall off the bottom edge.
    QFont font = painter.font();
    for (int pixels = 10; pixels > 6; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).height() <= 12)
            break;
    }
    painter.setFont(font);
    const QString text = painter.fontMetrics().elidedText(caption(item), Qt::ElideRight, iw);
    painter.drawText(QRect(0, ih - 12, iw, 12), 0x85, text);
    painter.end();
    return pixmap;
}

QString caption(const IconItem &item)
{
    const QString name = fileBaseName(item.fileName);
    return item.useCount > 0 ? QString::number(item.useCount) + QStringLiteral("- ") + name : name;
}

QString sizeText(qint64 bytes)
{
    qint64 n = bytes;
    int unit = 0;
    while (n > 1024000) {
        n >>= 10;
        ++unit;
    }
    QString digits = QString::number(n);
    if (digits.size() > 3 + (n < 0 ? 1 : 0))
        digits.insert(digits.size() - 3, QLatin1Char(' '));
    switch (unit) {
    case 0: return digits + QLatin1Char(' ') + QObject::tr("bytes");
    case 1: return digits + QLatin1Char(' ') + QObject::tr("KB");
    case 2: return digits + QLatin1Char(' ') + QObject::tr("MB");
    case 3: return digits + QLatin1Char(' ') + QObject::tr("GB");
    case 4: return digits + QLatin1Char(' ') + QObject::tr("TB");
    default: return digits + QStringLiteral(" ?");
    }
}

QString toolTip(const IconItem &item)
{
    QString tip = item.fileName + QStringLiteral("<br>")
                  + QLocale().toString(item.fileTime, QLocale::ShortFormat)
                  + QStringLiteral("<br>") + sizeText(item.fileSize);
    if (item.isDecoded())
        tip += QStringLiteral("<br>") + QString::number(item.imageWidth) + QLatin1Char('x')
               + QString::number(item.imageHeight);
    if (!item.problem.isEmpty())
        tip += QStringLiteral("<br>") + item.problem.toHtmlEscaped();
    return tip;
}

} // namespace IconPainter
