#pragma once

#include <QGraphicsView>

// The preview of the logo dialog. "+" and "-" and the wheel change the
// logo's size, the arrow keys move it; the dialog does both.
class ViewLogo : public QGraphicsView
{
    Q_OBJECT
public:
    explicit ViewLogo(QGraphicsScene *scene, QWidget *parent = nullptr);

Q_SIGNALS:
    void sizeStep(int step);
    void moveStep(double dx, double dy);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
};
