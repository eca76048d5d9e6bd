#include "arrange/PageCanvas.h"

#include "arrange/CutGuides.h"

#include <QPainter>

PageCanvas::PageCanvas(QWidget *parent) : QFrame(parent) { setFocusPolicy(Qt::NoFocus); }

void PageCanvas::setGuides(const QVector<QLineF> &lines, int divisor)
{
    m_guides = lines;
    m_divisor = qMax(1, divisor);
    update();
}

void PageCanvas::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (m_guides.isEmpty())
        return;
    QPainter p(this);
    CutGuides::draw(p, m_guides, m_divisor, 0, 0);
}
