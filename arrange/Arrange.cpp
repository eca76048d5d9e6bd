#include "arrange/Arrange.h"

#include "app/AppState.h"
#include "app/Settings.h"
#include "arrange/ArrangeEngine.h"
#include "arrange/ChangeChoose.h"
#include "arrange/PageRenderer.h"
#include "formats/PaperCatalogue.h"
#include "formats/TabPageFormat.h"
#include "library/IconRecord.h"
#include "library/IconsModel.h"
#include "library/Selected.h"

#include <QApplication>
#include <QClipboard>
#include <QDataStream>
#include <QDebug>
#include <QLabel>
#include <QMainWindow>
#include <QMimeData>
#include <QSettings>

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

void adoptSetup(const DataDock &setup)
{
    AppState &st = appState();
    st.page.pageSetup = setup;
    st.layout.unitScale = Settings::unitScaleFor(setup.unit);
    st.page.paperName = PaperCatalogue::paperName(setup);
    st.page.unitSuffix = PaperCatalogue::unitSuffix(setup.unit);
}

} // namespace

Arrange::Arrange(QWidget *parent)
    : QDockWidget(parent), m_label(new QLabel(this)), m_engine(new ArrangeEngine(m_doc, this))
{
    setObjectName(QStringLiteral("ArrangeDock"));
    setFeatures(DockWidgetClosable | DockWidgetMovable | DockWidgetFloatable);
    setMinimumSize(200, 200);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setWordWrap(true);
    setWidget(m_label);

    connect(m_engine, &ArrangeEngine::updateArrange, this, &Arrange::updateArrange);
    connect(m_engine, &ArrangeEngine::addImagesArrange, this, &Arrange::addImagesArrange);
    connect(m_engine, &ArrangeEngine::removeArrange, this, &Arrange::removeArrange);
    connect(m_engine, &ArrangeEngine::removeFrames, this, &Arrange::removeFrames);
    connect(m_engine, &ArrangeEngine::stringCountArrange, this, &Arrange::stringCountArrange);
    connect(m_engine, &ArrangeEngine::setModif, this, &Arrange::setModif);
    connect(m_engine, &ArrangeEngine::pagesRebuilt, this, &Arrange::showState);
    connect(m_engine, &ArrangeEngine::pagesChanged, this, &Arrange::showState);
    retranslate();
}

int Arrange::pageCount() const { return m_doc.pageCount(); }

int Arrange::currentPageIndex() const
{
    return m_doc.currentPage >= 0 && m_doc.currentPage < m_doc.pageCount() ? m_doc.currentPage : -1;
}

QList<int> Arrange::selectedPageIndexes() const { return selectedPages(); }

const Page &Arrange::page(int index) const { return m_doc.pages.at(index); }

void Arrange::drawPage(QPainter *painter, int pageIndex)
{
    if (!painter || pageIndex < 0 || pageIndex >= m_doc.pageCount())
        return;
    PageRenderer::drawPage(*painter, m_doc.pages.at(pageIndex));
}

void Arrange::layoutPrintableArea(int &width, int &height) const
{
    const Page &t = appState().templatePage;
    width = t.printableWidth();
    height = t.printableHeight();
}

void Arrange::setImageList(IconsModel *model) { m_images = model; }

QVector<IconItem> Arrange::chosenImages()
{
    if (!m_images) {
        if (const Selected *selected = window()->findChild<Selected *>())
            m_images = selected->model();
    }
    QVector<IconItem> images;
    if (!m_images)
        return images;
    for (int row = 0; row < m_images->rowCount(); ++row)
        images << m_images->item(row);
    return images;
}

QList<int> Arrange::selectedPages() const
{
    // Without a page list the current page is the selection.
    if (m_doc.currentPage < 0)
        return {};
    return {m_doc.currentPage};
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
        adoptSetup(chooser.takeResult());
        showDock();
        BusyCursor busy;
        if (answer == 0)
            m_engine->relayoutSelected(selectedPages());
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
    m_engine->addPages(st.layout.addPageCount);
}

void Arrange::clearAll() { m_engine->clear(); }

void Arrange::fillPageFrames(QDataStream *in, int nPage)
{
    if (!in)
        return;
    m_engine->fill(*in, nPage, 0, false);
    if (nPage >= 0 && nPage < m_doc.pageCount())
        m_doc.setCurrentPage(nPage);
}

void Arrange::fillFrames(QDataStream *in, int nFrame)
{
    if (in && m_doc.currentPage >= 0)
        m_engine->fill(*in, m_doc.currentPage, nFrame, true);
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
}

void Arrange::removePage() { m_engine->removePages(selectedPages()); }

void Arrange::removeFrame(int n)
{
    qDebug() << "Delete" << n;
    m_engine->removeSelectedFrames();
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

void Arrange::showState()
{
    QString text = QObject::tr("The page list and canvas are not part of this build yet.");
    if (!m_doc.isEmpty())
        text += QStringLiteral("\n\n") + QObject::tr("%n Page(s)", "Plural or singular", m_doc.pageCount());
    m_label->setText(text);
}

void Arrange::retranslate()
{
    setWindowTitle(QObject::tr("Arrange Images in the Layout"));
    showState();
}

void Arrange::readSettings(QSettings &s, bool)
{
    for (const char *key : {"/ArrangeH"})
        m_keptSettings.insert(QLatin1String(key), s.value(QLatin1String(key), QVariant()));
}

void Arrange::writeSettings(QSettings &s)
{
    for (const char *key : {"/ArrangeH"}) {
        const QVariant v = m_keptSettings.value(QLatin1String(key));
        s.setValue(QLatin1String(key), v.isValid() ? v : QVariant(QByteArray()));
    }
}

void Arrange::setPasteEnabled(bool) {}
void Arrange::setChooseEnabled(bool) {}
