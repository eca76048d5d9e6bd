#pragma once

#include <QImage>
#include <QWidget>

// The picture of the image viewer at any zoom: the widget is as large as the
// zoomed image, but a paint draws only the part that is exposed, straight
// from the decoded image, so a zoom of 500 % costs what 100 % costs. The
// decoded image may be smaller than the file's pixels (`fullSize`); the
// widget's size is always in the file's pixels times the zoom. Without an
// image it shows a message, when it has one.
class ZoomedImage : public QWidget
{
    Q_OBJECT
public:
    explicit ZoomedImage(QWidget *parent = nullptr);

    // `image` already turned; `fullSize` the size it stands for (turned too).
    void setImage(const QImage &image, const QSize &fullSize);
    const QImage &image() const { return m_image; }
    QSize fullSize() const { return m_fullSize; }
    void setMessage(const QString &text);
    QString message() const { return m_message; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_image;
    QSize m_fullSize;
    QString m_message;
};
