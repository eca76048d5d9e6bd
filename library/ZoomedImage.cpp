#include "library/ZoomedImage.h"

#include <QPaintEvent>
#include <QPainter>

ZoomedImage::ZoomedImage(QWidget *parent) : QWidget(parent)
{
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void ZoomedImage::setImage(const QImage &image, const QSize &fullSize)
{
    m_image = image;
    m_fullSize = image.isNull() ? QSize() : fullSize;
    update();
}

void ZoomedImage::setMessage(const QString &text)
{
    m_message = text;
    update();
}

void ZoomedImage::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (m_image.isNull()) {
        if (!m_message.isEmpty())
            painter.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap, m_message);
        return;
    }
    if (width() < 1 || height() < 1)
        return;
    // Widget pixels per decoded pixel, and the decoded pixels under the
    // exposed rectangle (a pixel more on each side for the smoothing).
    const double sx = double(width()) / m_image.width();
    const double sy = double(height()) / m_image.height();
    const QRectF exposed(event->rect());
    const QRect source = QRectF(exposed.x() / sx, exposed.y() / sy, exposed.width() / sx, exposed.height() / sy)
                             .toAlignedRect()
                             .adjusted(-1, -1, 1, 1)
                             .intersected(m_image.rect());
    if (source.isEmpty())
        return;
    painter.setClipRect(event->rect());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, sx < 4 || sy < 4);
    painter.drawImage(QRectF(source.x() * sx, source.y() * sy, source.width() * sx, source.height() * sy),
                      m_image, QRectF(source));
}
