// Viewing and editing the images of a panel.
#include "library/ImagePanel.h"

#include "library/Exif.h"
#include "library/IconsList.h"
#include "library/IconsModel.h"
#include "library/ImageFile.h"
#include "library/ViewImage.h"
#include "platform/ExternalEditor.h"

#include <QItemSelectionModel>

void ImagePanel::editImg()
{
    const QModelIndex current = currentSelected();
    if (current.isValid() && m_editor)
        m_editor->edit(current.data(IconsModel::FileNameRole).toString(), this);
}

void ImagePanel::viewImg()
{
    const QModelIndex current = currentSelected();
    if (current.isValid())
        viewLoop(current.row());
}

void ImagePanel::viewImgIndex(QModelIndex index)
{
    if (index.isValid())
        viewLoop(index.row());
}

void ImagePanel::viewLoop(int row)
{
    while (row >= 0 && row < m_model->rowCount()) {
        const QModelIndex index = m_model->index(row);
        // Follow the viewer in the list, so that the panel ends where the
        // user stopped looking. The row is selected whatever keys are held
        // (Ctrl of Ctrl+W would otherwise toggle it off).
        m_view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        const IconItem &item = m_model->item(row);
        const QString fileName = item.fileName;
        const QByteArray bytes = item.fileData.isEmpty() ? m_model->imageSource().bytes(fileName) : item.fileData.bytes();
        int rotation = item.rotation;
        // A row not decoded yet does not know the turn its file asks for.
        if (!item.isDecoded()) {
            QDateTime unused;
            const int exif = exifRead(bytes, unused);
            if (exif > 0)
                rotation = exif;
        }
        const int rows = m_model->rowCount();
        const int flags = (row + 1 < rows ? ViewImage::HasNext : 0) | (row > 0 ? ViewImage::HasPrevious : 0);
        int result;
        int angle;
        {
            ViewImage viewer(fileName, bytes, rotation, flags, viewerMode(), this);
            viewer.setEditor(m_editor);
            if (viewer.exec() != QDialog::Accepted)
                return;
            angle = viewer.rotation();
            result = viewer.resultCode();
        }
        // The folder may have been read again while the viewer was open (a
        // file copied in, an editor's temporary file): the rows moved, so the
        // viewer's commands go to the file it showed, wherever it is now.
        row = m_model->findExact(fileName);
        if (row < 0)
            return;
        viewerRotation(m_model->index(row), angle, rotation);
        switch (result) {
        case ViewImage::ShowNext:
            ++row;
            break;
        case ViewImage::ShowPrevious:
            --row;
            break;
        case ViewImage::DeleteImage:
            if (!viewerDelete(row) || m_model->rowCount() == 0)
                return;
            row = qMin(row, m_model->rowCount() - 1);
            break;
        default:
            return;
        }
    }
}
