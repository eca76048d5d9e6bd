// The selection panel's commands on its rows: removal and turns.
#include "library/SelectionPanel.h"

#include "library/IconsList.h"
#include "library/IconsModel.h"
#include "library/ViewImage.h"

void SelectionPanel::deleteIcons()
{
    const QModelIndex current = m_view->currentIndex();
    const int currentRow = current.isValid() ? current.row() : -1;
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    Q_EMIT modifiedChanged(true);
    for (int i = rows.size() - 1; i >= 0; --i)
        m_model->removeRows(rows.at(i), 1);
    // The same row number stays current (none past the end).
    m_view->setCurrentIndex(m_model->index(currentRow));
}

void SelectionPanel::turnSelected(bool clockwise)
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    Q_EMIT modifiedChanged(true);
    QModelIndexList turned;
    for (int row : rows) {
        turnRow(row, clockwise);
        turned.append(m_model->index(row));
    }
    if (turned.contains(m_view->currentIndex()))
        currentItem(m_view->currentIndex());
    Q_EMIT indexListRotate(turned);
}

int SelectionPanel::viewerMode() const
{
    return ViewImage::SelectionEntries;
}

void SelectionPanel::viewerRotation(const QModelIndex &index, int angle, int shownAngle)
{
    if (angle == shownAngle)
        return;
    Q_EMIT modifiedChanged(true);
    m_model->rotateTo(index, angle);
    Q_EMIT fileRotated(index.data(IconsModel::FileNameRole).toString(), angle);
    if (index == m_view->currentIndex())
        currentItem(index);
    Q_EMIT indexRotate(index);
}

bool SelectionPanel::viewerDelete(int row)
{
    // Leaving out an image changes the project like the delete command.
    Q_EMIT modifiedChanged(true);
    return m_model->removeRows(row, 1);
}
