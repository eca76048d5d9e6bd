#include "library/ImagePanel.h"

#include "library/IconRecord.h"
#include "library/IconsList.h"
#include "library/IconsModel.h"
#include "library/SortMenu.h"
#include "library/ThumbnailScheduler.h"

#include "platform/FittingToolBar.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include "library/LibraryLog.h"
#include <QFrame>
#include <QMimeData>
#include <QSettings>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

ImagePanel::ImagePanel(ImageListRole role, QWidget *parent)
    : QDockWidget(parent), m_model(new IconsModel(role, true, this)), m_view(new IconsList),
      m_thumbnails(new ThumbnailScheduler(m_view, this)), m_toolBar(new FittingToolBar(Qt::ToolButtonTextUnderIcon)),
      m_sortMenu(new SortMenu(this)),
      m_listFrame(new QFrame)
{
    setFeatures(DockWidgetClosable | DockWidgetMovable | DockWidgetFloatable);
    m_view->setModel(m_model);
    m_view->setAcceptDrops(true);
    m_view->setDropIndicatorShown(true);
    // A plain drag copies: the images stay where they came from.
    m_view->setDefaultDropAction(Qt::CopyAction);

    m_toolBar->setObjectName(QStringLiteral("SelectedToolBar"));
    m_toolBar->setIconSize(QSize(24, 24));
    viewAct = makeAction("zoomimage", "viewAct");
    selectAllAct = makeAction("selectAll", "selectAllAct");
    sortAct = makeAction("sort", "sortAct");
    sortAct->setMenu(m_sortMenu);
    editAct = makeAction("edit", "editAct");
    copyAct = makeAction("copy", "copyAct");
    pasteAct = makeAction("paste", "pasteAct");

    m_listFrame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_listFrame->setLineWidth(1);
    auto *column = new QVBoxLayout(m_listFrame);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_toolBar);
    column->addWidget(m_view);

    connect(viewAct, &QAction::triggered, this, &ImagePanel::viewImg);
    connect(selectAllAct, &QAction::triggered, this, &ImagePanel::selectIcons);
    connect(sortAct, &QAction::triggered, this, &ImagePanel::sortIcons);
    connect(editAct, &QAction::triggered, this, &ImagePanel::editImg);
    connect(copyAct, &QAction::triggered, this, &ImagePanel::copyImg);
    connect(pasteAct, &QAction::triggered, this, &ImagePanel::pasteImg);
    connect(m_sortMenu->keyGroup(), &QActionGroup::triggered, this, &ImagePanel::switchSort);
    connect(m_sortMenu->directionGroup(), &QActionGroup::triggered, this, &ImagePanel::switchDirect);
    connect(m_view, &IconsList::keyView, this, &ImagePanel::viewImg);
    connect(m_view, &IconsList::keyEdit, this, &ImagePanel::editImg);
    connect(m_view, &IconsList::keyCopy, this, &ImagePanel::copyImg);
    connect(m_view, &IconsList::keyPaste, this, &ImagePanel::pasteImg);
    connect(m_view, &IconsList::keyRotate, this, &ImagePanel::rotate);
    connect(m_view, &IconsList::keyRotBack, this, &ImagePanel::rotBack);
    connect(m_view, &IconsList::activated, this, &ImagePanel::viewImgIndex);
    connect(m_model, &IconsModel::fileModif, this, &ImagePanel::fileModif);
}

QAction *ImagePanel::makeAction(const char *icon, const char *name)
{
    auto *action = new QAction(QIcon(QStringLiteral(":/images/%1.png").arg(QLatin1String(icon))), QString(), this);
    action->setObjectName(QLatin1String(name));
    return action;
}

void ImagePanel::retranslateCommon()
{
    const auto set = [](QAction *a, const QString &text, const QString &tip) {
        a->setText(text);
        a->setStatusTip(tip);
        a->setToolTip(tip);
    };
    set(viewAct, QObject::tr("View"), QObject::tr("View") + QStringLiteral(" Ctrl+W"));
    set(selectAllAct, QObject::tr("Select All"), QObject::tr("Select All Images") + QStringLiteral(" Ctrl+A"));
    sortAct->setIconText(QObject::tr("Sort"));
    sortAct->setStatusTip(QObject::tr("Selecting the Sort Mode"));
    sortAct->setToolTip(QObject::tr("Selecting the Sort Mode"));
    set(editAct, QObject::tr("Edit"), QObject::tr("Edit") + QStringLiteral(" Ctrl+E"));
    set(copyAct, QObject::tr("Copy"), QObject::tr("Copy") + QStringLiteral(" Ctrl+C"));
    set(pasteAct, QObject::tr("Paste"), QObject::tr("Paste") + QStringLiteral(" Ctrl+V"));
    m_sortMenu->retranslate();
}

void ImagePanel::wrapButtonTexts()
{
    for (QAction *a : m_toolBar->actions()) {
        const QString text = a == sortAct ? a->iconText().section(QLatin1Char('\n'), 0).simplified() : a->text();
        int split = -1;
        if (text.size() > 9) {
            // The blank nearest the middle.
            for (int i = 0; i < text.size(); ++i) {
                if (text.at(i) == QLatin1Char(' ')
                    && (split < 0 || qAbs(i - text.size() / 2) < qAbs(split - text.size() / 2)))
                    split = i;
            }
        }
        a->setIconText(split < 0 ? text : text.left(split) + QLatin1Char('\n') + text.mid(split + 1));
    }
}

void ImagePanel::setPasteEnabled(bool enabled)
{
    pasteAct->setEnabled(enabled);
}

QModelIndex ImagePanel::currentSelected() const
{
    const QModelIndex current = m_view->currentIndex();
    if (current.isValid() && m_view->selectionModel()->isSelected(current))
        return current;
    return QModelIndex();
}

QList<int> ImagePanel::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : m_view->selectionModel()->selectedIndexes())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void ImagePanel::selectIcons()
{
    m_view->selectAll();
}

void ImagePanel::switchSort(QAction *action)
{
    m_model->setSortKey(action->data().toInt());
    sortIcons();
}

void ImagePanel::switchDirect(QAction *action)
{
    m_model->setSortReverse(action->data().toInt() != 0);
    sortIcons();
}

void ImagePanel::sortIcons()
{
    const QModelIndex current = currentSelected();
    const QString name = current.isValid() ? current.data(IconsModel::FileNameRole).toString() : QString();
    m_model->sortItems();
    const int row = m_model->indexOfFileName(name);
    if (row >= 0) {
        const QModelIndex index = m_model->index(row);
        m_view->setCurrentIndex(index);
        m_view->scrollTo(index, QAbstractItemView::EnsureVisible);
    } else {
        currentLost();
    }
    m_thumbnails->restart();
}

void ImagePanel::readSort(QSettings &s, const QString &keyName, const QString &directionName)
{
    const int key = s.value(keyName, 0).toInt();
    const bool reverse = s.value(directionName, 0).toInt() != 0;
    m_model->setSortKey(key >= 0 && key <= 4 ? key : 0);
    m_model->setSortReverse(reverse);
    m_sortMenu->setChoice(m_model->sortKey(), reverse);
}

void ImagePanel::writeSort(QSettings &s, const QString &keyName, const QString &directionName) const
{
    s.setValue(keyName, m_model->sortKey());
    s.setValue(directionName, m_model->sortReverse() ? 1 : 0);
}

void ImagePanel::fileModif(QString name)
{
    const QModelIndex current = currentSelected();
    if (current.isValid() && current.data(IconsModel::FileNameRole).toString() == name)
        currentItem(current);
}

void ImagePanel::syncRotation(QString name, int angle)
{
    const QModelIndex index = m_model->rotateFileTo(name, angle);
    if (index.isValid() && index == m_view->currentIndex())
        currentItem(index);
}

void ImagePanel::rotate()
{
    turnSelected(true);
}

void ImagePanel::rotBack()
{
    turnSelected(false);
}

void ImagePanel::copyImg()
{
    qCDebug(lcLibrary).noquote() << QStringLiteral("%1::copy").arg(QLatin1String(debugName()));
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    QModelIndexList indexes;
    QList<QUrl> urls;
    for (int row : rows) {
        indexes.append(m_model->index(row));
        urls.append(QUrl::fromLocalFile(m_model->index(row).data(IconsModel::FileNameRole).toString()));
    }
    QMimeData *mime = m_model->mimeData(indexes);
    mime->setUrls(urls);
    QApplication::clipboard()->setMimeData(mime);
}

void ImagePanel::pasteImg()
{
    qCDebug(lcLibrary).noquote() << QStringLiteral("%1::paste").arg(QLatin1String(debugName()));
    const QMimeData *mime = QApplication::clipboard()->mimeData();
    if (canPasteImages(mime))
        m_model->dropMimeData(mime, Qt::CopyAction, 0, 0, QModelIndex());
}

void ImagePanel::turnRow(int row, bool clockwise)
{
    const QModelIndex index = m_model->index(row);
    if (clockwise)
        m_model->rotateIcon(index);
    else
        m_model->rotateBack(index);
    const IconItem &item = m_model->item(row);
    Q_EMIT fileRotated(item.fileName, item.rotation);
}
