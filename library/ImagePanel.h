#pragma once

#include "library/ImageListRole.h"

#include <QDockWidget>
#include <QModelIndex>

class ExternalEditor;

class IconsList;
class IconsModel;
class QAction;
class QFrame;
class QSettings;
class QToolBar;
class SortMenu;
class ThumbnailScheduler;

// What the two image panels (the folder panel and the selection panel) have
// in common: an IconsModel shown by an IconsList under a toolbar, the sort
// menu, viewing in the viewer, the external editor, copy and paste through
// the clipboard, and the rotation of a file kept in step between the panels.
class ImagePanel : public QDockWidget
{
    Q_OBJECT
public:
    // The external editor the panel and its viewer open images in.
    void setEditor(ExternalEditor *editor) { m_editor = editor; }

    IconsModel *model() const { return m_model; }
    IconsList *view() const { return m_view; }
    ThumbnailScheduler *thumbnails() const { return m_thumbnails; }
    SortMenu *sortMenu() const { return m_sortMenu; }
    QToolBar *toolBar() const { return m_toolBar; }
    void setPasteEnabled(bool enabled);
    // The index that is current and selected; invalid otherwise.
    QModelIndex currentSelected() const;
    // Selected rows, lowest first.
    QList<int> selectedRows() const;
    virtual void retranslate() = 0;

Q_SIGNALS:
    void stringAddImage(QString text);
    // A row was turned in the viewer (for the frames showing the file).
    void indexRotate(QModelIndex index);
    // The rotation of `name` changed here; the other panel follows.
    void fileRotated(QString name, int angle);

public Q_SLOTS:
    void selectIcons();
    void sortIcons();
    void switchSort(QAction *action);
    void switchDirect(QAction *action);
    void viewImg();
    void viewImgIndex(QModelIndex index);
    void editImg();
    void copyImg();
    void pasteImg();
    void fileModif(QString name);
    // Turns this panel's row of `name` to `angle` (the other panel turned it).
    void syncRotation(QString name, int angle);
    void rotate();
    void rotBack();
    virtual void currentItem(QModelIndex current) = 0;

protected:
    ImagePanel(ImageListRole role, QWidget *parent);

    QAction *makeAction(const char *icon, const char *name);
    // The frame holding the toolbar above the view, without margins.
    QFrame *listFrame() const { return m_listFrame; }
    // Texts of the actions both panels have.
    void retranslateCommon();
    // Long button texts go on two lines under the icon, so that the toolbar
    // keeps its commands in sight in a narrow panel.
    void wrapButtonTexts();
    void readSort(QSettings &s, const QString &keyName, const QString &directionName);
    void writeSort(QSettings &s, const QString &keyName, const QString &directionName) const;

    // The viewer loop's differences between the panels.
    virtual int viewerMode() const = 0;
    // After an accepted viewer: the rotation the user left the image at and
    // the one it was shown with at first.
    virtual void viewerRotation(const QModelIndex &index, int angle, int shownAngle) = 0;
    // The viewer's delete; false when the row could not go.
    virtual bool viewerDelete(int row) = 0;
    // Turns the selected rows a quarter turn.
    virtual void turnSelected(bool clockwise) = 0;
    // Turns one row a quarter and tells the other panel.
    void turnRow(int row, bool clockwise);
    // The sort lost the current image.
    virtual void currentLost() {}
    virtual const char *debugName() const = 0;

    IconsModel *m_model;
    IconsList *m_view;
    ThumbnailScheduler *m_thumbnails;
    QToolBar *m_toolBar;
    SortMenu *m_sortMenu;
    QAction *viewAct, *selectAllAct, *sortAct, *editAct, *copyAct, *pasteAct;

private:
    ExternalEditor *m_editor = nullptr;
    void viewLoop(int row);
    QFrame *m_listFrame;
};
