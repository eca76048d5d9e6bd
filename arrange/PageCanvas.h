#pragma once

#include <QFrame>
#include <QLineF>
#include <QVector>

// The paper of the page canvas: the frame widgets of the current page sit
// on it, and with the trim-mark option on it draws the marks between them.
class PageCanvas : public QFrame
{
    Q_OBJECT
public:
    explicit PageCanvas(QWidget *parent = nullptr);

    // Marks in hundredths of a millimetre on the paper (none to draw none),
    // shown at `divisor` hundredths of a millimetre per pixel.
    void setGuides(const QVector<QLineF> &lines, int divisor);
    const QVector<QLineF> &guides() const { return m_guides; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QVector<QLineF> m_guides;
    int m_divisor = 1;
};
