#include "library/TreeDir.h"

#include "platform/DriveWatcher.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFileSystemWatcher>
#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScrollBar>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

TreeDir::TreeDir(QWidget *parent, const QString &mountTable)
    : QWidget(parent), m_tree(new QTreeView(this)), m_watcher(new QFileSystemWatcher(this)),
      m_scrollTimer(new QTimer(this)),
      m_driveWatcher(mountTable.isEmpty() ? new DriveWatcher(this) : new DriveWatcher(mountTable, this))
{
    setObjectName(QStringLiteral("TreeDir"));
    m_tree->setObjectName(QStringLiteral("FolderTree"));
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setHeaderHidden(true);
    // Folder names are shown whole; a deep tree scrolls sideways instead of
    // eliding every name in a narrow panel.
    m_tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_tree->header()->setStretchLastSection(false);
    m_tree->setMinimumWidth(150);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tree);
    setDirModel();

    m_scrollTimer->setSingleShot(true);
    connect(m_scrollTimer, &QTimer::timeout, this, [this] {
        const QModelIndex index = m_model->index(m_pendingScroll);
        if (index.isValid())
            scrollToFolder(index);
    });
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &TreeDir::dirChanged);
    connect(m_tree, &QTreeView::expanded, this, &TreeDir::look);
    connect(m_tree, &QTreeView::collapsed, this, &TreeDir::dontLook);
    connect(m_driveWatcher, &DriveWatcher::driveChanged, this, &TreeDir::updateDrives);
    m_tree->installEventFilter(this);
    m_tree->viewport()->installEventFilter(this);
}

bool TreeDir::eventFilter(QObject *watched, QEvent *event)
{
    // A click or a key in the tree: the user chooses folders again.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
        m_holdCurrent = false;
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void TreeDir::setDirModel()
{
    auto *model = new QFileSystemModel(this);
    model->setObjectName(QStringLiteral("FolderModel"));
    model->setFilter(QDir::Dirs | QDir::NoDotAndDotDot);
    model->setReadOnly(true);
    model->setRootPath(QString());
    QFileSystemModel *old = m_model;
    QItemSelectionModel *oldSelection = m_tree->selectionModel();
    m_model = model;
    m_tree->setModel(model);
    // The view does not delete the selection model of its old model.
    delete oldSelection;
    for (int column = 1; column < model->columnCount(); ++column)
        m_tree->hideColumn(column);
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this, &TreeDir::currentChanged);
    // The model reads and sorts folders in the background: the current
    // folder is brought into view again once the folders above it are read.
    connect(model, &QFileSystemModel::directoryLoaded, this, [this](const QString &path) {
        if (!m_pendingScroll.isEmpty() && m_pendingScroll.startsWith(path))
            m_scrollTimer->start(150);
    });
    delete old;
}

void TreeDir::showCurrentFolder()
{
    const QString folder = m_currentFolder;
    const QModelIndex index = m_model->index(folder);
    if (!index.isValid())
        return;
    m_holdCurrent = false; // the program chose this folder
    m_pendingScroll = QFileInfo(folder).absoluteFilePath();
    scrollToFolder(index);
    m_tree->expand(index);
    m_tree->setCurrentIndex(index);
}

void TreeDir::currentChanged(QModelIndex _index)
{
    const QString path = m_model->filePath(_index);
    if (path != m_pendingScroll)
        m_pendingScroll.clear();
    if (path.isEmpty() || m_currentFolder.isEmpty())
        return;
    if ((m_rebuilding || m_holdCurrent) && path == m_currentDir)
        return;
    if (m_holdCurrent && path != m_currentDir) {
        // Moved by the rebuilt model, not by the user: back to the folder
        // once the model has finished the change it is in.
        QTimer::singleShot(0, this, [this] {
            const QModelIndex index = m_model->index(m_currentDir);
            if (index.isValid() && m_tree->currentIndex() != index) {
                m_tree->setCurrentIndex(index);
                m_tree->scrollTo(index);
            }
        });
        return;
    }
    m_currentFolder = path;
    Q_EMIT updateThumbnails(path);
    m_currentDir = path;
    watchFolder(path);
}

void TreeDir::watchFolder(const QString &path)
{
    if (!path.isEmpty() && !m_watcher->directories().contains(path) && QFileInfo(path).isDir())
        m_watcher->addPath(path);
}

void TreeDir::look(QModelIndex _index)
{
    watchFolder(m_model->filePath(_index));
}

void TreeDir::dontLook(QModelIndex _index)
{
    const QString path = m_model->filePath(_index);
    // The current folder stays watched: its image list follows it.
    if (!path.isEmpty() && path != m_currentDir)
        m_watcher->removePath(path);
}

void TreeDir::dirChanged(QString dirStr)
{
    if (dirStr == m_currentDir)
        Q_EMIT updateDir(dirStr);
}

void TreeDir::timerUpdate()
{
    // The folder model follows the folders it has read by itself: a change
    // leaves nothing for the tree to refresh.
}

void TreeDir::updateDrives()
{
    // A drive mounted over an existing folder changes nothing the folder
    // model notices: the tree is read again from the top, keeping the
    // expanded folders and the current one.
    QStringList expanded;
    for (const QString &folder : m_watcher->directories()) {
        const QModelIndex index = m_model->index(folder);
        if (index.isValid() && m_tree->isExpanded(index))
            expanded.append(folder);
    }
    m_rebuilding = true;
    setDirModel();
    for (const QString &folder : expanded) {
        const QModelIndex index = m_model->index(folder);
        if (index.isValid())
            m_tree->expand(index);
    }
    if (!m_currentDir.isEmpty()) {
        const QModelIndex index = m_model->index(m_currentDir);
        if (index.isValid()) {
            m_tree->setCurrentIndex(index);
            m_tree->scrollTo(index);
        }
    }
    m_rebuilding = false;
    m_holdCurrent = !m_currentDir.isEmpty();
    Q_EMIT drivesUpdated();
}

QStringList TreeDir::watchedFolders() const
{
    return m_watcher->directories();
}

void TreeDir::scrollToFolder(const QModelIndex &index)
{
    // Centre the folder vertically but keep the tree's left edge in view:
    // scrolling sideways to a deep folder would hide every name above it.
    m_tree->scrollTo(index, QAbstractItemView::PositionAtCenter);
    m_tree->horizontalScrollBar()->setValue(0);
}
