#pragma once

#include <QListView>

// The thumbnails of the layout catalogue. Return opens the current layout
// as a double click does.
class LayoutView : public QListView
{
    Q_OBJECT
public:
    explicit LayoutView(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
