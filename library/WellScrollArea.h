#pragma once

#include <QScrollArea>

// The scroll area of the image viewer: keys, the mouse wheel and double
// clicks become the viewer's commands. Arrow keys scroll by 20 pixels; with
// Alt they step through the images (left, right) or turn the image (up,
// down). The wheel zooms and never scrolls.
class WellScrollArea : public QScrollArea
{
    Q_OBJECT
public:
    explicit WellScrollArea(QWidget *parent = nullptr);

Q_SIGNALS:
    void zoomIn();
    void zoomOut();
    void rotate();
    void rotateB();
    void reject();
    void next();
    void edit();
    void del();
    void previous();
    void fitToWindow();
    void doubleClick();
    void normalSize();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void scrollBy(QScrollBar *bar, int step);
};
