#pragma once

#include <QModelIndex>
#include <QWidget>

class DriveWatcher;
class QFileSystemModel;
class QFileSystemWatcher;
class QTimer;
class QTreeView;

// The folder tree of the folder panel. Choosing a folder makes it the
// application's current folder and asks for its images (updateThumbnails);
// a change inside the current folder asks for a refresh of the list
// (updateDir). Expanded folders and the current folder are watched; the tree
// is read anew when a drive comes or goes.
class TreeDir : public QWidget
{
    Q_OBJECT
public:
    // `mountTable`: the table the drive watcher follows; empty for the
    // system's own.
    explicit TreeDir(QWidget *parent = nullptr, const QString &mountTable = QString());

    // The folder the user works in: kept by the tree, read from and written
    // to the settings by the application.
    QString currentFolder() const { return m_currentFolder; }
    void setCurrentFolder(const QString &folder) { m_currentFolder = folder; }
    // Selects the current folder in the tree (and so loads it).
    void showCurrentFolder();
    QString currentDir() const { return m_currentDir; }
    QTreeView *treeView() const { return m_tree; }
    QFileSystemModel *dirModel() const { return m_model; }
    DriveWatcher *driveWatcher() const { return m_driveWatcher; }
    QStringList watchedFolders() const;

Q_SIGNALS:
    void updateThumbnails(QString path);
    void updateDir(QString path);
    // The tree was read anew after a drive came or went.
    void drivesUpdated();

public Q_SLOTS:
    void currentChanged(QModelIndex _index);
    void dirChanged(QString dirStr);
    void look(QModelIndex _index);
    void dontLook(QModelIndex _index);
    void timerUpdate();
    void updateDrives();

private:
    void scrollToFolder(const QModelIndex &index);
    void setDirModel();
    void watchFolder(const QString &path);

    QFileSystemModel *m_model = nullptr;
    QTreeView *m_tree;
    QFileSystemWatcher *m_watcher;
    QTimer *m_scrollTimer;
    DriveWatcher *m_driveWatcher;
    QString m_currentDir;
    QString m_currentFolder;
    // The folder to bring into view once its parents are read.
    QString m_pendingScroll;
    // The tree is being rebuilt: selecting the same folder again does not
    // reload the image list.
    bool m_rebuilding = false;
    // After a rebuild the model keeps reading folders in the background and
    // may move the tree's current item: until the user works in the tree
    // again, such moves are put back and the current folder stays.
    bool m_holdCurrent = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
