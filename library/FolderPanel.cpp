#include "library/FolderPanel.h"

#include "library/IconsList.h"
#include "library/IconsModel.h"
#include "library/ImageFile.h"
#include "library/ImageInfo.h"
#include "library/SelectionPanel.h"
#include "library/SortMenu.h"
#include "library/ThumbnailScheduler.h"
#include "library/TreeDir.h"

#include <QAction>
#include <QSettings>
#include <QSplitter>
#include <QToolBar>

FolderPanel::FolderPanel(QWidget *parent, const QString &mountTable)
    : ImagePanel(ImageListRole::Folder, parent), m_tree(new TreeDir(nullptr, mountTable)),
      m_info(new ImageInfo), m_vertical(new QSplitter(Qt::Vertical)), m_horizontal(new QSplitter(Qt::Horizontal))
{
    setObjectName(QStringLiteral("AvailableDock"));
    setMinimumSize(200, 200);

    printAct = makeAction("maket", "printAct");
    trashAct = makeAction("trash", "trashAct");
    for (QAction *a : {viewAct, selectAllAct, printAct, sortAct, editAct, trashAct, copyAct, pasteAct})
        m_toolBar->addAction(a);

    m_vertical->addWidget(m_tree);
    m_vertical->addWidget(m_info);
    m_vertical->setStretchFactor(0, 2);
    m_vertical->setStretchFactor(1, 1);
    m_horizontal->addWidget(m_vertical);
    m_horizontal->addWidget(listFrame());
    m_horizontal->setStretchFactor(0, 2);
    m_horizontal->setStretchFactor(1, 3);
    m_horizontal->setChildrenCollapsible(false);
    setWidget(m_horizontal);

    connect(printAct, &QAction::triggered, this, &FolderPanel::copyToSelect);
    connect(trashAct, &QAction::triggered, this, &FolderPanel::filesToTrash);
    connect(m_view, &IconsList::keyDelete, this, &FolderPanel::filesToTrash);
    connect(m_tree, &TreeDir::updateThumbnails, m_model, &IconsModel::setDirPath);
    connect(m_tree, &TreeDir::updateDir, m_model, &IconsModel::updateDir);
    connect(m_model, &IconsModel::countAddImage, this, &FolderPanel::countImages);
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this, &FolderPanel::selectChanged);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this, &FolderPanel::currentItem);

    showEmptyInformation();
    retranslate();
}

void FolderPanel::link(FolderPanel *available, SelectionPanel *selected)
{
    connect(available, &FolderPanel::selectForPrinting, selected, &SelectionPanel::addFromFolder);
    connect(available, &ImagePanel::fileRotated, selected, &ImagePanel::syncRotation);
    connect(selected, &ImagePanel::fileRotated, available, &ImagePanel::syncRotation);
}

void FolderPanel::retranslate()
{
    setWindowTitle(QObject::tr("Available%1Images").arg(QLatin1Char(' ')));
    retranslateCommon();
    printAct->setText(QObject::tr("Select for Printing"));
    printAct->setStatusTip(QObject::tr("Select Images for Printing"));
    printAct->setToolTip(printAct->statusTip());
    trashAct->setText(QObject::tr("Move to Trash"));
    trashAct->setStatusTip(QObject::tr("Move selected images to trash") + QStringLiteral(" Delete"));
    trashAct->setToolTip(trashAct->statusTip());
    wrapButtonTexts();
    m_info->retranslate();
    const int count = m_model->rowCount();
    Q_EMIT stringAddImage(count < 1 ? QString()
                                    : QObject::tr("Available %n Image(s)", "Plural or singular", count));
}

void FolderPanel::readSettings(QSettings &s)
{
    m_vertical->restoreState(s.value(QStringLiteral("/AvailableV")).toByteArray());
    m_horizontal->restoreState(s.value(QStringLiteral("/AvailableH")).toByteArray());
    readSort(s, QStringLiteral("/AvailSort"), QStringLiteral("/AvailSortDir"));
}

void FolderPanel::writeSettings(QSettings &s)
{
    s.setValue(QStringLiteral("/AvailableV"), m_vertical->saveState());
    s.setValue(QStringLiteral("/AvailableH"), m_horizontal->saveState());
    writeSort(s, QStringLiteral("/AvailSort"), QStringLiteral("/AvailSortDir"));
}

void FolderPanel::showCurrentFolder()
{
    m_tree->showCurrentFolder();
}

void FolderPanel::loadFolder(const QString &folder)
{
    m_model->setDirPath(folder);
}

void FolderPanel::countImages(int count)
{
    Q_EMIT stringAddImage(count < 1 ? QString()
                                    : QObject::tr("Available %n Image(s)", "Plural or singular", count));
    // A reloaded list has no selection any more.
    if (!m_view->selectionModel()->hasSelection())
        Q_EMIT stringSelection(QString());
    sortIcons();
    if (!m_pendingSelect.isEmpty() && m_model->indexOfFileName(m_pendingSelect) >= 0)
        selectFile(m_pendingSelect);
    m_thumbnails->restart();
}

void FolderPanel::setFileCommands(bool enabled)
{
    for (QAction *a : {viewAct, editAct, trashAct, copyAct})
        a->setEnabled(enabled);
}

void FolderPanel::selectChanged(QItemSelection selected)
{
    const int count = m_view->selectionModel()->selectedIndexes().size();
    Q_EMIT stringSelection(QObject::tr("Selected %n Image(s)", "Plural or singular", count));
    if (selected.isEmpty()) {
        if (currentSelected().isValid()) {
            printAct->setEnabled(true);
            setFileCommands(true);
        } else {
            showEmptyInformation();
        }
        return;
    }
    printAct->setEnabled(true);
    setFileCommands(m_view->currentIndex().isValid());
}

void FolderPanel::showEmptyInformation()
{
    for (QAction *a : {printAct, viewAct, editAct, trashAct})
        a->setEnabled(false);
    m_info->showEmpty();
    const QModelIndex current = m_view->currentIndex();
    if (current.isValid())
        currentItem(current);
    copyAct->setEnabled(false);
}

void FolderPanel::currentLost()
{
    m_view->scrollToTop();
    showEmptyInformation();
}

void FolderPanel::currentItem(QModelIndex current)
{
    if (!current.isValid() || current.row() >= m_model->rowCount())
        return;
    IconItem item = m_model->item(current.row());
    if (!item.isDecoded()) {
        // Read for the frame only; the list's row stays as it is.
        const int turned = item.rotation;
        readIntoItem(item, m_model->previewRule());
        if (item.rotation < 1)
            item.rotation = turned;
        if (!item.preview.isNull())
            IconsModel::turnItem(item, item.rotation / 90);
    }
    m_info->showItem(item);
}
