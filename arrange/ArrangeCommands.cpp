// The dock's commands: layouts, pages, frames, clipboard and frame tools.
#include "arrange/Arrange.h"

#include "app/AppState.h"
#include "app/Settings.h"
#include "arrange/ArrangeEngine.h"
#include "arrange/ChangeChoose.h"
#include "arrange/FrameRecord.h"
#include "arrange/KeyListView.h"
#include "arrange/PageItemModel.h"
#include "formats/TabPageFormat.h"
#include "library/IconRecord.h"
#include "library/IconsModel.h"

#include <QApplication>
#include <QClipboard>
#include <QDataStream>
#include <QDebug>
#include <QMimeData>
#include <QUrl>

namespace {

// The wait cursor while the pages are being made.
struct BusyCursor
{
    BusyCursor()
    {
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        QCoreApplication::processEvents();
    }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

} // namespace

void Arrange::setImageList(IconsModel *model) { m_images = model; }

QVector<IconItem> Arrange::chosenImages()
{
    QVector<IconItem> images;
    if (!m_images)
        return images;
    for (int row = 0; row < m_images->rowCount(); ++row)
        images << m_images->item(row);
    return images;
}

void Arrange::showDock()
{
    if (isHidden())
        show();
    raise();
}

bool Arrange::chooseLayout() { return newChoose(); }

bool Arrange::newChoose()
{
    AppState &st = appState();
    const bool addImages = st.layout.addImagesMode;
    int answer = 1;
    int mode = 0;
    if (!m_doc.isEmpty()) {
        ChangeChoose question(m_chooseAnswer, this);
        if (question.exec() != QDialog::Accepted)
            return false;
        answer = m_chooseAnswer = question.answer();
        st.layout.addImagesMode = true;
        mode = answer == 1 ? 2 : 3;
    }
    TabPageFormat chooser(mode, &st.page.pageSetup, this);
    const bool accepted = chooser.exec() == QDialog::Accepted;
    if (accepted) {
        Settings::adoptPageSetup(appState(), chooser.takeResult());
        showDock();
        BusyCursor busy;
        if (answer == 0)
            m_engine->relayoutSelected(selectedPageIndexes());
        else
            m_engine->arrangeAll(chosenImages());
    }
    if (mode == 2)
        st.layout.addImagesMode = addImages;
    return accepted;
}

bool Arrange::changePaper(DataDock &setup)
{
    TabPageFormat chooser(2, &setup, this);
    if (chooser.exec() != QDialog::Accepted)
        return false;
    setup = chooser.takeResult();
    showDock();
    BusyCursor busy;
    m_engine->relayoutAll();
    return true;
}

void Arrange::addPages()
{
    AppState &st = appState();
    TabPageFormat chooser(1, &st.page.pageSetup, this);
    if (chooser.exec() != QDialog::Accepted)
        return;
    chooser.takeResult(); // the paper stays as it is while pages are added
    if (m_doc.isEmpty())
        m_model->clear(); // the sizes are made again for the new layout
    const int first = m_engine->addPages(st.layout.addPageCount);
    if (first >= 0)
        m_list->setCurrentIndex(m_model->index(first, 0));
    focusCurrentFrame();
}

void Arrange::clearAll()
{
    m_engine->clear();
    m_model->clear();
    m_canvasPage = -1;
    resetCanvas();
    changeEnable(-1);
}

void Arrange::fillPageFrames(QDataStream *in, int nPage)
{
    if (!in)
        return;
    m_engine->fill(*in, nPage, 0, false);
    if (nPage >= 0 && nPage < m_doc.pageCount())
        m_list->setCurrentIndex(m_model->index(nPage, 0));
}

void Arrange::fillFrames(QDataStream *in, int nFrame)
{
    if (in && m_doc.currentPage >= 0)
        m_engine->fill(*in, m_doc.currentPage, nFrame, true);
    focusCurrentFrame();
}

void Arrange::paste()
{
    qDebug() << "Arrange::paste";
    const int target = m_engine->pasteTarget();
    if (target < 0)
        return;
    const QMimeData *mime = QApplication::clipboard()->mimeData();
    if (!mime)
        return;
    QByteArray bytes;
    if (mime->hasFormat(velmoraMimeType())) {
        bytes = mime->data(velmoraMimeType());
    } else if (mime->hasUrls()) {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        IconsModel::itemsFromUrls(mime->urls(), out);
    } else {
        return;
    }
    QDataStream in(&bytes, QIODevice::ReadOnly);
    m_engine->fill(in, m_doc.currentPage, target, true);
    focusCurrentFrame();
}

void Arrange::copy()
{
    qDebug() << "Arrange::copy";
    auto *mime = new QMimeData;
    const int current = currentPageIndex();
    if (current >= 0) {
        const QVector<PhotoFrame> &frames = m_doc.pages.at(current).frames;
        QList<int> chosen;
        QList<QUrl> urls;
        for (int i = 0; i < frames.size(); ++i) {
            if (m_doc.isFrameSelected(i) && !frames.at(i).isEmpty()) {
                chosen << i;
                urls << QUrl::fromLocalFile(frames.at(i).fileName);
            }
        }
        if (!chosen.isEmpty()) {
            mime->setUrls(urls);
            mime->setData(velmoraMimeType(), frameRecords(frames, chosen, 0));
        }
    }
    QApplication::clipboard()->setMimeData(mime);
    focusCurrentFrame();
}

void Arrange::removePage() { m_engine->removePages(selectedPageIndexes()); }

void Arrange::removeFrame(int n)
{
    qDebug() << "Delete" << n;
    m_engine->removeSelectedFrames();
    focusCurrentFrame();
}

void Arrange::clearFrame() { removeFrame(0); }

void Arrange::backDrop(int *frame)
{
    if (!frame)
        return;
    const int still = m_engine->takeBack(*frame);
    if (still >= 0)
        *frame = still;
}

void Arrange::cropEdit()
{
    // The crop editor is opened here on the first selected filled frame.
    focusCurrentFrame();
}

void Arrange::cropEditFrame(int) { cropEdit(); }

void Arrange::dateStamp() { focusCurrentFrame(); }

void Arrange::logo() { focusCurrentFrame(); }

void Arrange::indexRotate(QModelIndex index)
{
    if (!index.isValid())
        return;
    m_engine->followRotation(index.data(IconsModel::FileNameRole).toString(),
                             index.data(IconsModel::PreviewRole).value<QImage>(),
                             index.data(IconsModel::ImageWidthRole).toInt(),
                             index.data(IconsModel::ImageHeightRole).toInt(),
                             index.data(IconsModel::RotationRole).toInt());
}

void Arrange::indexListRotate(QModelIndexList list)
{
    for (const QModelIndex &index : list)
        indexRotate(index);
}

void Arrange::testListArrange() { emit updateArrange(m_doc.placedNames()); }
