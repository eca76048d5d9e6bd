#include "arrange/CanvasView.h"

#include <QAction>
#include <QResizeEvent>
#include <QWheelEvent>

#include <cmath>

namespace {

// Room left round the page inside the area, in pixels.
constexpr int Border = 4;

} // namespace

CanvasView::CanvasView(QWidget *parent)
    : QScrollArea(parent), m_zoomIn(new QAction(this)), m_zoomOut(new QAction(this)), m_fit(new QAction(this))
{
    // Ctrl and the key that carries "+" (reported as "=" or as "+").
    m_zoomIn->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    m_zoomOut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    m_fit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    for (QAction *a : {m_zoomIn, m_zoomOut, m_fit}) {
        // Active while the canvas or one of its frames has the focus.
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(a);
    }
    connect(m_zoomIn, &QAction::triggered, this, &CanvasView::zoomIn);
    connect(m_zoomOut, &QAction::triggered, this, &CanvasView::zoomOut);
    connect(m_fit, &QAction::triggered, this, &CanvasView::fitPage);
    retranslate();
}

void CanvasView::retranslate()
{
    m_zoomIn->setText(QObject::tr("Zoom In"));
    m_zoomOut->setText(QObject::tr("Zoom Out"));
    m_fit->setText(QObject::tr("Fit Page"));
}

double CanvasView::fitScale() const
{
    const QSize room = maximumViewportSize() - QSize(2 * Border, 2 * Border);
    if (!m_pageSize.isValid() || room.width() <= 0 || room.height() <= 0)
        return 0;
    return qMax(double(m_pageSize.width()) / room.width(), double(m_pageSize.height()) / room.height());
}

int CanvasView::divisor() const
{
    // The largest divisor: the page's long side at MinLongSide pixels.
    const int coarsest = qMax(1, qMax(m_pageSize.width(), m_pageSize.height()) / MinLongSide);
    const double fit = fitScale();
    if (fit <= 0)
        return coarsest;
    return qBound(1, int(std::ceil(fit / m_zoom - 1e-9)), coarsest);
}

void CanvasView::setZoom(double zoom)
{
    // No further than a divisor of 1 one way and the smallest page the
    // other: beyond them a step would change nothing but the number.
    const double fit = fitScale();
    if (fit > 0) {
        const double coarsest = qMax(1, qMax(m_pageSize.width(), m_pageSize.height()) / MinLongSide);
        zoom = qBound(qMin(1.0, fit / coarsest), zoom, qMax(1.0, fit));
    }
    if (qFuzzyCompare(zoom, m_zoom))
        return;
    m_zoom = zoom;
    emit scaleChanged();
}

void CanvasView::zoomIn() { setZoom(m_zoom * ZoomStep); }
void CanvasView::zoomOut() { setZoom(m_zoom / ZoomStep); }
void CanvasView::fitPage() { setZoom(1.0); }

void CanvasView::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    emit scaleChanged();
}

void CanvasView::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QScrollArea::wheelEvent(event);
        return;
    }
    const int delta = event->angleDelta().y();
    if (delta > 0)
        zoomIn();
    else if (delta < 0)
        zoomOut();
    event->accept();
}
