#pragma once

#include <QListView>
#include <QModelIndex>

class IconsModel;

// The icon view of both image panels. It shows the model's thumbnails, tells
// which rows are on screen and when that may have changed (the decoding is
// ThumbnailScheduler's), and turns a few keys into signals for the panel's
// commands.
class IconsList : public QListView
{
    Q_OBJECT
public:
    explicit IconsList(QWidget *parent = nullptr);

    // The thumbnail size follows the model's.
    void setModel(QAbstractItemModel *model) override;
    // The model's thumbnail size changed.
    void updateIconSize();
    // The rows whose cells lie at least partly inside the viewport, in row
    // order; none while the view is hidden.
    QList<QModelIndex> visibleRows();

Q_SIGNALS:
    // Other rows may be on screen: the view was scrolled, resized or shown,
    // or its cells changed size.
    void visibleAreaChanged();
    void keyDelete();
    void keyRotate();
    void keyRotBack();
    void keyView();
    void keyEdit();
    void keyCopy();
    void keyPaste();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void showEvent(QShowEvent *event) override;

private:
    void applyIconSize();
};
