#pragma once

#include "library/IconItem.h"
#include "library/ImagePanel.h"

#include <QVector>

class ImageInfo;
class QItemSelection;
class QSplitter;
class SelectionPanel;
class TreeDir;

// The folder panel: the folder tree, the information frame about the
// current image and the thumbnails of the current folder's images. From here
// images are viewed, edited, turned, copied and pasted as files, moved to the
// trash, sorted and chosen for printing.
class FolderPanel : public ImagePanel
{
    Q_OBJECT
public:
    // `mountTable`: see TreeDir; empty for the system's own.
    explicit FolderPanel(QWidget *parent = nullptr, const QString &mountTable = QString());

    void retranslate() override;
    void readSettings(QSettings &s);
    void writeSettings(QSettings &s);
    // Lets the folder tree go to its current folder.
    void showCurrentFolder();
    // Loads `folder` into the model without the tree.
    void loadFolder(const QString &folder);
    TreeDir *tree() const { return m_tree; }
    ImageInfo *information() const { return m_info; }

    // Connects the two panels: "Select for Printing" and rotations in either.
    static void link(FolderPanel *available, SelectionPanel *selected);

Q_SIGNALS:
    void stringSelection(QString text);
    // "Select for Printing": copies of the selected rows for the selection.
    void selectForPrinting(QVector<IconItem> items);

public Q_SLOTS:
    void countImages(int count);
    void copyToSelect();
    void selectChanged(QItemSelection selected);
    void currentItem(QModelIndex current) override;
    void filesToTrash();
    void selectFile(QString name);

protected:
    int viewerMode() const override;
    void viewerRotation(const QModelIndex &index, int angle, int shownAngle) override;
    bool viewerDelete(int row) override;
    void currentLost() override;
    void turnSelected(bool clockwise) override;
    const char *debugName() const override { return "Available"; }

private:
    void showEmptyInformation();
    void setFileCommands(bool enabled);
    // Moves the file to the trash; the folder is then read again so that its
    // row goes at once.
    bool trashFile(const QString &fileName);

    TreeDir *m_tree;
    ImageInfo *m_info;
    QSplitter *m_vertical;
    QSplitter *m_horizontal;
    QAction *printAct, *trashAct;
    // An image asked for before its folder was listed; chosen once it is.
    QString m_pendingSelect;
};
