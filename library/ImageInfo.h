#pragma once

#include "library/IconItem.h"

#include <QFrame>

class QLabel;

// The information frame of the folder panel: a preview of the current image
// fitted into the frame, its date and its size.
class ImageInfo : public QFrame
{
    Q_OBJECT
public:
    explicit ImageInfo(QWidget *parent = nullptr);

    // Shows `item` (its preview must be turned by its rotation already).
    void showItem(const IconItem &item);
    // "There is no image for viewing.", no date and no size.
    void showEmpty();
    bool isEmpty() const { return !m_hasItem; }
    QLabel *pictureLabel() const { return m_picture; }
    QLabel *dateLabel() const { return m_date; }
    QLabel *sizeLabel() const { return m_size; }
    void retranslate();

    // The size of a preview of an image of `image` pixels in a frame of
    // `frame`: 30 pixels of height and 15 of width are left for the texts
    // and the border, the aspect is kept and the image is never enlarged.
    static QSize fitSize(const QSize &frame, const QSize &image);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showPicture();

    QLabel *m_picture;
    QLabel *m_date;
    QLabel *m_size;
    IconItem m_item;
    bool m_hasItem = false;
};
