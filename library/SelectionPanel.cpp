#include "library/SelectionPanel.h"

#include "library/IconPainter.h"
#include "library/IconsList.h"
#include "library/IconsModel.h"
#include "library/ThumbnailScheduler.h"
#include "library/ViewImage.h"

#include <QAction>
#include <QLocale>
#include <QSettings>
#include <QToolBar>

SelectionPanel::SelectionPanel(QWidget *parent) : ImagePanel(ImageListRole::Selection, parent)
{
    setObjectName(QStringLiteral("SelectedDock"));
    setMinimumSize(100, 170);

    deleteAct = makeAction("delete", "deleteAct");
    rotateAct = makeAction("Rotate", "rotateAct");
    rotateBackAct = makeAction("RotBack", "rotateBackAct");
    for (QAction *a : {viewAct, selectAllAct, deleteAct, sortAct, rotateAct, rotateBackAct, editAct, copyAct, pasteAct})
        m_toolBar->addAction(a);
    setWidget(listFrame());

    connect(deleteAct, &QAction::triggered, this, &SelectionPanel::deleteIcons);
    connect(rotateAct, &QAction::triggered, this, &SelectionPanel::rotate);
    connect(rotateBackAct, &QAction::triggered, this, &SelectionPanel::rotBack);
    connect(m_view, &IconsList::keyDelete, this, &SelectionPanel::deleteIcons);
    connect(m_model, &IconsModel::changeCountImage, this, &SelectionPanel::countImages);
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this, &SelectionPanel::selectChanged);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this, &SelectionPanel::currentItem);
    // A row decoded in the background tells its size: the current image's
    // text follows.
    connect(m_model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &first, const QModelIndex &last) {
                const QModelIndex current = m_view->currentIndex();
                if (current.isValid() && current.row() >= first.row() && current.row() <= last.row())
                    currentItem(current);
            });
    // Drops and pastes that bring new images change the project.
    connect(m_model, &QAbstractItemModel::rowsInserted, this, [this] {
        if (!m_adding)
            Q_EMIT modifiedChanged(true);
    });

    setRowCommands(false);
    retranslate();
    // The status text of the empty list, once the main window listens.
    QMetaObject::invokeMethod(this, [this] { countImages(m_model->rowCount()); }, Qt::QueuedConnection);
}

int SelectionPanel::imageCount() const
{
    return m_model->rowCount();
}

void SelectionPanel::retranslate()
{
    setWindowTitle(QObject::tr("Selected Images"));
    retranslateCommon();
    deleteAct->setText(QObject::tr("Delete"));
    deleteAct->setStatusTip(QObject::tr("Delete Selected Images"));
    deleteAct->setToolTip(deleteAct->statusTip());
    rotateAct->setText(QObject::tr("Rotate"));
    rotateAct->setStatusTip(QObject::tr("Rotate") + QStringLiteral(" Alt+\u2191"));
    rotateAct->setToolTip(rotateAct->statusTip());
    rotateBackAct->setText(QObject::tr("Rotate"));
    rotateBackAct->setStatusTip(QObject::tr("Rotate") + QStringLiteral(" Alt+\u2193"));
    rotateBackAct->setToolTip(rotateBackAct->statusTip());
    wrapButtonTexts();
}

void SelectionPanel::readSettings(QSettings &s)
{
    readSort(s, QStringLiteral("/SelSort"), QStringLiteral("/SelSortDir"));
}

void SelectionPanel::writeSettings(QSettings &s)
{
    writeSort(s, QStringLiteral("/SelSort"), QStringLiteral("/SelSortDir"));
}

void SelectionPanel::clear()
{
    m_model->clear();
    countImages(0);
}

QString SelectionPanel::countText(int count)
{
    return QObject::tr("Selected %n Image(s)", "Plural or singular", qMax(0, count));
}

void SelectionPanel::countImages(int count)
{
    Q_EMIT stringAddImage(countText(count));
    sortIcons();
    m_thumbnails->restart();
}

void SelectionPanel::setRowCommands(bool enabled)
{
    for (QAction *a : {deleteAct, viewAct, rotateAct, rotateBackAct, editAct, copyAct})
        a->setEnabled(enabled);
}

void SelectionPanel::selectChanged(QItemSelection selected, QItemSelection)
{
    if (selected.isEmpty()) {
        setRowCommands(currentSelected().isValid());
        return;
    }
    for (QAction *a : {deleteAct, rotateAct, rotateBackAct, copyAct})
        a->setEnabled(true);
    const bool current = m_view->currentIndex().isValid();
    viewAct->setEnabled(current);
    editAct->setEnabled(current);
}

void SelectionPanel::currentItem(QModelIndex current)
{
    if (!current.isValid() || current.row() >= m_model->rowCount())
        return;
    const IconItem &item = m_model->item(current.row());
    Q_EMIT currentImageText(IconPainter::sizeText(item.fileSize) + QLatin1Char(' ')
                              + QLocale().toString(item.fileTime, QLocale::ShortFormat)
                              + QLatin1Char(' ') + QString::number(item.imageWidth) + QLatin1Char('x')
                              + QString::number(item.imageHeight));
}

void SelectionPanel::addFromFolder(QVector<IconItem> items)
{
    m_adding = true;
    for (const IconItem &item : items)
        m_model->addItem(item);
    m_adding = false;
    Q_EMIT m_model->changeCountImage(m_model->rowCount());
    Q_EMIT modifiedChanged(true);
    if (isHidden())
        show();
    raise();
}
