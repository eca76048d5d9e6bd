// The folder panel's commands on files: printing selection, trash, turns.
#include "library/FolderPanel.h"

#include "library/IconsList.h"
#include "library/IconsModel.h"
#include "library/ViewImage.h"
#include "platform/RecycleBin.h"

#include <QAction>

void FolderPanel::copyToSelect()
{
    QVector<IconItem> items;
    for (int row : selectedRows())
        items.append(m_model->item(row));
    if (!items.isEmpty())
        Q_EMIT selectForPrinting(items);
}

void FolderPanel::selectFile(QString name)
{
    const int row = m_model->indexOfFileName(name);
    if (row < 0) {
        // The folder of an image opened by name is listed a moment later.
        m_pendingSelect = name;
        return;
    }
    m_pendingSelect.clear();
    const QModelIndex index = m_model->index(row);
    m_view->setCurrentIndex(index);
    m_view->scrollTo(index);
    copyToSelect();
}

bool FolderPanel::trashFile(const QString &fileName)
{
    if (!RecycleBin::moveToTrash(fileName))
        return false;
    m_model->updateDir(m_model->dirPath());
    return true;
}

void FolderPanel::filesToTrash()
{
    QStringList names;
    for (int row : selectedRows())
        names.append(m_model->item(row).fileName);
    for (const QString &name : names)
        trashFile(name);
    Q_EMIT stringSelection(QString());
}

void FolderPanel::turnSelected(bool clockwise)
{
    const QList<int> rows = selectedRows();
    for (int row : rows)
        turnRow(row, clockwise);
    const QModelIndex current = m_view->currentIndex();
    if (current.isValid() && rows.contains(current.row()))
        currentItem(current);
}

int FolderPanel::viewerMode() const
{
    return ViewImage::FolderFiles;
}

void FolderPanel::viewerRotation(const QModelIndex &index, int angle, int)
{
    m_model->rotateTo(index, angle);
    const QString name = index.data(IconsModel::FileNameRole).toString();
    Q_EMIT fileRotated(name, angle);
    if (index == m_view->currentIndex())
        currentItem(index);
    Q_EMIT indexRotate(index);
}

bool FolderPanel::viewerDelete(int row)
{
    return trashFile(m_model->item(row).fileName);
}
