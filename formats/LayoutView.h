#pragma once

#include <QListView>

// The thumbnails of the layout catalogue. Return opens the current layout
// as a double click does.
class LayoutView : public QListView
{
    Q_OBJECT
public:
    explicit LayoutView(QWidget *parent = nullptr);
    // Room for five layouts side by side in three rows, so that the
    // chooser opens large enough to compare them (the dialog is cut to the
    // screen when it opens, and its size is remembered).
    QSize sizeHint() const override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
