#include "library/ImageInfo.h"

#include "library/IconPainter.h"

#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QVBoxLayout>
#include <cmath>

ImageInfo::ImageInfo(QWidget *parent)
    : QFrame(parent), m_picture(new QLabel(this)), m_date(new QLabel(this)), m_size(new QLabel(this))
{
    setObjectName(QStringLiteral("ImageInfo"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setMinimumHeight(60);
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setWordWrap(true);
    m_picture->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    m_date->setAlignment(Qt::AlignCenter);
    m_size->setAlignment(Qt::AlignCenter);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(0);
    layout->addWidget(m_picture, 1);
    layout->addWidget(m_date);
    layout->addWidget(m_size);
    showEmpty();
}

QSize ImageInfo::fitSize(const QSize &frame, const QSize &image)
{
    if (image.width() < 1 || image.height() < 1)
        return QSize();
    const double aspect = double(image.width()) / image.height();
    int h = frame.height() - 30;
    int w = int(std::floor(h * aspect + 0.5));
    if (w > frame.width() - 15) {
        w = frame.width() - 15;
        h = int(std::floor(w / aspect + 0.5));
    }
    if (w > image.width()) {
        w = image.width();
        h = image.height();
    }
    if (w < 1 || h < 1)
        return QSize();
    return QSize(w, h);
}

void ImageInfo::showEmpty()
{
    m_hasItem = false;
    m_item = IconItem();
    m_picture->setPixmap(QPixmap());
    m_picture->setText(QObject::tr("There is no image for viewing."));
    m_date->clear();
    m_size->clear();
}

void ImageInfo::showItem(const IconItem &item)
{
    m_item = item;
    m_hasItem = true;
    m_date->setText(QLocale().toString(item.fileTime, QLocale::ShortFormat));
    m_size->setText(IconPainter::sizeText(item.fileSize) + QLatin1Char(' ') + QString::number(item.imageWidth)
                    + QLatin1Char('x') + QString::number(item.imageHeight));
    showPicture();
}

void ImageInfo::showPicture()
{
    // A reader that cannot tell the full size leaves the preview's own.
    QSize full(m_item.imageWidth, m_item.imageHeight);
    if (full.width() < 1 || full.height() < 1)
        full = m_item.preview.size();
    const QSize fit = fitSize(size(), full);
    if (m_item.preview.isNull() || fit.isEmpty()) {
        m_picture->setPixmap(QPixmap());
        m_picture->setText(QObject::tr("There is no image for viewing."));
        return;
    }
    QPixmap pixmap(fit.width() + 2, fit.height() + 2);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, pixmap.width() - 1, pixmap.height() - 1);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(1, 1, fit.width(), fit.height()), m_item.preview);
    painter.end();
    m_picture->setPixmap(pixmap);
}

void ImageInfo::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    if (m_hasItem)
        showPicture();
}

void ImageInfo::retranslate()
{
    if (m_hasItem)
        showItem(m_item);
    else
        showEmpty();
}
