#pragma once

#include <QScrollArea>

class QAction;

// The scroll area of the page canvas. It tells the scale the page is shown
// at: by default the whole page as large as the area allows ("fit"), never
// smaller than MinLongSide pixels on its long side; Ctrl + wheel and
// Ctrl +, Ctrl - and Ctrl 0 zoom in, out and back to fit. The scale follows
// every change of the area's size.
class CanvasView : public QScrollArea
{
    Q_OBJECT
public:
    // Small enough for a whole page in the panel of a small or scaled
    // screen (800 x 500 pixels at scale factor 2 on 1600 x 1000).
    static constexpr int MinLongSide = 150;
    static constexpr double ZoomStep = 1.25;

    explicit CanvasView(QWidget *parent = nullptr);

    // The paper shown, in hundredths of a millimetre.
    void setPageSize(const QSize &pageSize) { m_pageSize = pageSize; }
    // Hundredths of a millimetre per canvas pixel at the current zoom.
    int divisor() const;
    // 1 shows the page fitted; above 1 larger.
    double zoom() const { return m_zoom; }

    QAction *zoomInAction() const { return m_zoomIn; }
    QAction *zoomOutAction() const { return m_zoomOut; }
    QAction *fitAction() const { return m_fit; }
    void retranslate();

public Q_SLOTS:
    void zoomIn();
    void zoomOut();
    void fitPage();

Q_SIGNALS:
    // The scale may have changed: the area was resized or zoomed.
    void scaleChanged();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void setZoom(double zoom);
    // Hundredths of a millimetre per pixel that show the whole page in the
    // area; 0 while the area has no room.
    double fitScale() const;

    double m_zoom = 1.0;
    QSize m_pageSize;
    QAction *m_zoomIn;
    QAction *m_zoomOut;
    QAction *m_fit;
};
