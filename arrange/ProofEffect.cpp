#include "arrange/ProofEffect.h"

#include <QPainter>

ProofEffect::ProofEffect(std::shared_ptr<const ColourTransform> proof, QObject *parent)
    : QGraphicsEffect(parent), m_proof(std::move(proof))
{
}

void ProofEffect::draw(QPainter *painter)
{
    QPoint offset;
    const QPixmap source = sourcePixmap(Qt::DeviceCoordinates, &offset, QGraphicsEffect::NoPad);
    if (source.isNull())
        return;
    QImage image = source.toImage();
    if (m_proof)
        m_proof->apply(image);
    image.setDevicePixelRatio(source.devicePixelRatio());
    painter->save();
    painter->setWorldTransform(QTransform());
    painter->drawImage(offset, image);
    painter->restore();
}
