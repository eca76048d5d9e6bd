#pragma once

#include <QPointer>
#include <QPushButton>

class Document;
struct PageSelection;
class QDataStream;
class QPainter;
struct PhotoFrame;

// One frame of the current page on the page canvas: a button whose icon is
// the frame's picture. Frames are selected with the mouse and the keys,
// images are dropped on it, and its photograph is dragged to another frame
// or out of the page.
class FrameWidget : public QPushButton
{
    Q_OBJECT
public:
    // `current` is the dock's pointer to the frame widget that last had the
    // focus or a click; the widget keeps it up to date.
    FrameWidget(QWidget *parent, const Document &document, PageSelection &view, QPointer<FrameWidget> &current);

    int frameIndex = 0;
    int divisor = 1; // hundredths of a millimetre per canvas pixel
    int pressX = 0;
    int pressY = 0;

    // The frame's picture (or the hint of an empty frame) at the widget's
    // minimum size, made at the screen's pixel density.
    void preparePicture();
    // The ppi its photograph prints at when below PrintResolution::LowPpi
    // (the canvas shows it on a badge), else 0.
    int lowPpi() const { return m_lowPpi; }
    // Where the badge is drawn; empty when there is none.
    QRect badgeRect() const;

Q_SIGNALS:
    // Image records dropped on frame `nFrame`.
    void fillFrames(QByteArray records, int nFrame);
    void removeFrame(int nFrame);
    void doubleFrame(int nFrame);
    void changeFrame(int nFrame);
    void keyCopy();
    void keyPaste();

public Q_SLOTS:
    void slotClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    const PhotoFrame *frame() const;
    int frameCount() const;
    void select(int index, bool on);
    bool selected(int index) const;
    void repaintCanvas();
    void startDrag();
    void acceptDrag(QDragMoveEvent *event);

    void paintBadge(QPainter &painter) const;

    const Document &m_doc;
    PageSelection &m_view;
    QPointer<FrameWidget> &m_current;
    int m_lowPpi = 0;
};
