#pragma once

#include "library/ColourTransformCache.h"

#include <QGraphicsEffect>

#include <memory>

// The soft proof of the page canvas: the widget and everything on it drawn
// as the printer's profile would print it (paper white included), perhaps
// with the colours beyond the printer's reach marked.
class ProofEffect : public QGraphicsEffect
{
    Q_OBJECT
public:
    ProofEffect(std::shared_ptr<const ColourTransform> proof, QObject *parent = nullptr);

protected:
    void draw(QPainter *painter) override;

private:
    std::shared_ptr<const ColourTransform> m_proof;
};
