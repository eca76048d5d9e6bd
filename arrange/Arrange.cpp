// The dock's widgets: toolbar, page list and canvas, texts and settings.
#include "arrange/Arrange.h"

#include "arrange/ArrangeEngine.h"
#include "arrange/CanvasView.h"
#include "arrange/CutGuides.h"
#include "arrange/PageCanvas.h"
#include "arrange/ProofEffect.h"
#include "arrange/FrameWidget.h"
#include "arrange/KeyListView.h"
#include "arrange/PageItemModel.h"
#include "arrange/PageRenderer.h"
#include "formats/PaperCatalogue.h"
#include "library/IconRecord.h"

#include "platform/FittingToolBar.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPainter>
#include <QSettings>
#include <QSplitter>
#include <QToolBar>
#include <QVBoxLayout>

Arrange::Arrange(Document &document, QWidget *parent)
    : QDockWidget(parent), m_doc(document), m_engine(new ArrangeEngine(document, this))
{
    setObjectName(QStringLiteral("ArrangeDock"));
    setFeatures(DockWidgetClosable | DockWidgetMovable | DockWidgetFloatable);
    createActions();
    createWidgets();
    applyOptions(m_formats.layout.addImagesMode);

    connect(m_engine, &ArrangeEngine::stringCountArrange, this, &Arrange::stringCountArrange);
    connect(m_engine, &ArrangeEngine::modifiedChanged, this, &Arrange::modifiedChanged);
    connect(m_engine, &ArrangeEngine::pagesRebuilt, this, [this](int current) {
        if (current >= 0 || m_doc.isEmpty())
            setViewPage(current);
        rebuildList();
    });
    connect(&m_doc, &Document::restored, this, &Arrange::showRestored);
    connect(m_engine, &ArrangeEngine::pagesChanged, this, &Arrange::updateItems);
    retranslate();
    changeEnable(-1);
}

void Arrange::createActions()
{
    const auto make = [this](const char *icon, void (Arrange::*slot)()) {
        auto *a = new QAction(QIcon(QStringLiteral(":/images/") + QLatin1String(icon)), QString(), this);
        a->setPriority(QAction::HighPriority);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    m_chooseAct = new QAction(QIcon(QStringLiteral(":/images/Choose.png")), QString(), this);
    m_chooseAct->setPriority(QAction::HighPriority);
    connect(m_chooseAct, &QAction::triggered, this, [this] { newChoose(); });
    m_addAct = make("AddPage.png", &Arrange::addPages);
    m_removeAct = make("RemovePage.png", &Arrange::removePage);
    m_cropAct = make("Crop.png", &Arrange::cropEdit);
    m_stampAct = make("DateStamp.png", &Arrange::dateStamp);
    m_logoAct = make("logo.png", &Arrange::logo);
    m_clearAct = make("Clear.png", &Arrange::clearFrame);
    m_copyAct = make("copy.png", &Arrange::copy);
    m_pasteAct = make("paste.png", &Arrange::paste);
}

void Arrange::createWidgets()
{
    auto *content = new QFrame(this);
    content->setFrameStyle(QFrame::Panel | QFrame::Raised);
    content->setLineWidth(1);
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_toolBar = new FittingToolBar(Qt::ToolButtonTextUnderIcon, content);
    m_toolBar->setObjectName(QStringLiteral("ArrangeToolBar"));
    m_toolBar->addActions({m_chooseAct, m_addAct, m_removeAct, m_cropAct, m_stampAct, m_logoAct, m_clearAct,
                           m_copyAct, m_pasteAct});
    layout->addWidget(m_toolBar);

    m_splitter = new QSplitter(Qt::Horizontal, content);
    layout->addWidget(m_splitter, 1);

    m_model = new PageItemModel(this);
    m_list = new KeyListView(m_splitter);
    m_list->setModel(m_model);
    m_list->setViewMode(QListView::IconMode);
    m_list->setUniformItemSizes(true);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setLayoutMode(QListView::SinglePass);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setMovement(QListView::Snap);
    m_list->setDropIndicatorShown(true);
    m_list->setDragDropMode(QAbstractItemView::DropOnly);
    m_list->setAcceptDrops(true);

    m_view = new CanvasView(m_splitter);
    m_view->setBackgroundRole(QPalette::Dark);
    m_view->setAlignment(Qt::AlignCenter);
    m_canvasArea = new QFrame;
    m_canvasArea->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_canvasArea->setFocusPolicy(Qt::NoFocus);
    setDarkTheme(false);
    m_canvasArea->setAutoFillBackground(true);
    m_canvasArea->resize(300, 300);
    m_view->setWidget(m_canvasArea);
    resetCanvas();
    connect(m_view, &CanvasView::scaleChanged, this, &Arrange::rescaleCanvas);
    // Room the dock gains goes to the canvas; the page list keeps its width.
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    setWidget(content);

    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current, const QModelIndex &) { currentItem(current); });
    connect(m_list, &KeyListView::keyDelete, this, &Arrange::removePage);
    connect(m_model, &PageItemModel::fillPageFrames, this, &Arrange::fillPageFrames);
}

void Arrange::setDarkTheme(bool dark)
{
    if (dark) {
        m_canvasArea->setStyleSheet(QStringLiteral("background-color: #909090"));
    } else {
        m_canvasArea->setStyleSheet(QString());
        m_canvasArea->setBackgroundRole(QPalette::Light);
    }
}

void Arrange::retranslate()
{
    setWindowTitle(QObject::tr("Arrange Images in the Layout"));
    m_view->retranslate();
    const auto set = [](QAction *a, const QString &text, const QString &tip) {
        a->setText(text);
        a->setStatusTip(tip);
        a->setToolTip(tip);
    };
    set(m_chooseAct, QObject::tr("Choose Layout"), QObject::tr("Selecting a page format for image arrangement"));
    set(m_addAct, QObject::tr("Add Pages"), QObject::tr("Add Pages"));
    set(m_removeAct, QObject::tr("Remove Pages"), QObject::tr("Delete selected pages"));
    set(m_cropAct, QObject::tr("Crop"), QObject::tr("Crop"));
    set(m_stampAct, QObject::tr("Stamp"), QObject::tr("Stamp"));
    set(m_logoAct, QObject::tr("Logo"), QObject::tr("Print the logo"));
    set(m_clearAct, QObject::tr("Clear"), QObject::tr("Clear"));
    set(m_copyAct, QObject::tr("Copy"), QObject::tr("Copy") + QStringLiteral(" Ctrl+C"));
    set(m_pasteAct, QObject::tr("Paste"), QObject::tr("Paste") + QStringLiteral(" Ctrl+V"));

    // Page titles carry the unit of the layout name and the word "Page ".
    const QString suffix = PaperCatalogue::unitSuffix(m_formats.page.pageSetup.unit);
    const bool suffixChanged = !m_unitSuffix.isEmpty() && suffix != m_unitSuffix;
    const auto mend = [&](QString name) {
        if (suffixChanged)
            name.replace(m_unitSuffix, suffix, Qt::CaseInsensitive);
        return name;
    };
    m_doc.amend([&](QVector<Page> &pages) {
        QVector<int> touched;
        for (int i = 0; i < pages.size(); ++i) {
            const QString title = Page::pageTitle(i + 1, mend(pages.at(i).layoutName()));
            if (title == pages.at(i).title)
                continue;
            pages[i].title = title;
            touched << i;
        }
        return touched;
    });
    for (int i = 0; i < m_doc.pageCount(); ++i) {
        if (QStandardItem *item = m_model->item(i)) {
            item->setText(m_doc.page(i).title);
            item->setToolTip(m_doc.page(i).title);
        }
    }
    if (suffixChanged)
        m_doc.templatePage.title = mend(m_doc.templatePage.title);
    m_unitSuffix = suffix;
    for (FrameWidget *w : frameWidgets())
        w->preparePicture();
}

void Arrange::readSettings(QSettings &s, bool)
{
    const QByteArray state = s.value(QStringLiteral("/ArrangeH")).toByteArray();
    if (state.isEmpty() || !m_splitter->restoreState(state)) {
        m_list->setMinimumWidth(50);
        m_view->setMinimumWidth(300);
        // A column of page icons beside a canvas as large as it can be.
        m_splitter->setSizes({140, QWIDGETSIZE_MAX / 2});
    }
}

void Arrange::writeSettings(QSettings &s) { s.setValue(QStringLiteral("/ArrangeH"), m_splitter->saveState()); }

void Arrange::setPasteEnabled(bool) { changeEnable(-1); }
void Arrange::setChooseEnabled(bool enabled) { m_chooseAct->setEnabled(enabled); }

void Arrange::setExportAction(QAction *action)
{
    m_exportAction = action;
    changeEnable(-1);
}

int Arrange::pageCount() const { return m_doc.pageCount(); }

int Arrange::currentPageIndex() const
{
    return m_doc.hasPage(m_selection.currentPage) ? m_selection.currentPage : -1;
}

QList<int> Arrange::selectedPageIndexes() const
{
    QList<int> rows;
    for (const QModelIndex &i : m_list->selectionModel()->selectedIndexes())
        if (i.row() < m_doc.pageCount() && !rows.contains(i.row()))
            rows << i.row();
    return rows;
}

const Page &Arrange::page(int index) const { return m_doc.page(index); }

void Arrange::drawPage(QPainter *painter, int pageIndex)
{
    if (!painter || pageIndex < 0 || pageIndex >= m_doc.pageCount())
        return;
    PageRenderer::drawPage(*painter, m_doc.page(pageIndex), renderOptions());
}

void Arrange::layoutPrintableArea(int &width, int &height) const
{
    const Page &t = m_doc.templatePage;
    width = t.printableWidth();
    height = t.printableHeight();
}

QList<FrameWidget *> Arrange::frameWidgets() const
{
    if (!m_canvas)
        return {};
    return m_canvas->findChildren<FrameWidget *>(QString(), Qt::FindDirectChildrenOnly);
}

void Arrange::computeSizes()
{
    const Page &t = m_doc.templatePage;
    const int w = t.width;
    const int h = t.height;
    if (w <= 0 || h <= 0)
        return;
    m_thumbDivisor = qMax(1, (w < h ? h : w) / 100);
    m_thumbWidth = w / m_thumbDivisor;
    m_thumbHeight = h / m_thumbDivisor;
    m_view->setPageSize(QSize(w, h));
    sizeCanvas();
    m_list->setIconSize(QSize(m_thumbWidth, m_thumbHeight));
}

void Arrange::sizeCanvas()
{
    const Page &t = m_doc.templatePage;
    if (t.width <= 0 || t.height <= 0)
        return;
    m_canvasDivisor = m_view->divisor();
    const QSize size(t.width / m_canvasDivisor, t.height / m_canvasDivisor);
    // A smaller page needs its minimum lowered before it can shrink.
    for (QWidget *w : {static_cast<QWidget *>(m_canvasArea), static_cast<QWidget *>(m_canvas.data())}) {
        if (!w)
            continue;
        w->setMinimumSize(size);
        w->resize(size);
    }
}

void Arrange::rescaleCanvas()
{
    if (m_thumbDivisor <= 0 || m_view->divisor() == m_canvasDivisor)
        return;
    sizeCanvas();
    const int current = currentPageIndex();
    if (current < 0 || current != m_canvasPage)
        return;
    const QVector<PhotoFrame> &frames = m_doc.page(current).frames;
    const int d = qMax(1, m_canvasDivisor);
    for (FrameWidget *w : frameWidgets()) {
        if (w->frameIndex < 0 || w->frameIndex >= frames.size())
            continue;
        const PhotoFrame &f = frames.at(w->frameIndex);
        w->divisor = d;
        w->setMinimumSize(f.width / d, f.height / d);
        w->resize(f.width / d, f.height / d);
        w->move(f.x / d, f.y / d);
        w->preparePicture();
    }
    updateGuides();
}

void Arrange::setCutGuides(bool on)
{
    m_formats.page.cutGuides = on;
    updateGuides();
}

void Arrange::setPrintCredit(bool on) { m_formats.page.printCredit = on; }

bool Arrange::setProof(bool on, bool markGamut)
{
    QString problem;
    const ColourTarget printer = m_formats.page.paperColour().target(&problem);
    const auto proof = on && !printer.isSrgb()
                           ? ColourTransformCache::instance().proof(ColourTarget::screen().profile, printer.profile,
                                                                    printer.intent, markGamut)
                           : nullptr;
    m_canvasArea->setGraphicsEffect(proof ? new ProofEffect(proof) : nullptr);
    return proof != nullptr;
}

void Arrange::updateGuides()
{
    if (!m_canvas)
        return;
    const int current = currentPageIndex();
    const bool shown = m_formats.page.cutGuides && current >= 0 && current == m_canvasPage;
    m_canvas->setGuides(shown ? CutGuides::lines(m_doc.page(current)) : QVector<QLineF>(), m_canvasDivisor);
}

QIcon Arrange::pageIcon(const Page &page) const
{
    if (m_thumbDivisor <= 0)
        return QIcon();
    return QIcon(PageRenderer::pageThumbnailPixmap(page, m_thumbWidth, m_thumbHeight, m_thumbDivisor));
}

void Arrange::updateItems(int first, int last)
{
    if (m_model->rowCount() == 0 || m_thumbDivisor <= 0)
        computeSizes();
    last = qMin(last, m_doc.pageCount() - 1);
    for (int row = qMax(first, 0); row <= last; ++row) {
        const Page &page = m_doc.page(row);
        if (QStandardItem *item = m_model->item(row))
            PageItemModel::updateItem(item, page, pageIcon(page));
        else
            m_model->appendRow(PageItemModel::makeItem(page, pageIcon(page)));
    }
    const int current = m_selection.currentPage;
    if (m_doc.hasPage(current)) {
        if (m_list->currentIndex().row() != current)
            m_list->setCurrentIndex(m_model->index(current, 0)); // shows the page
        else
            showPage(current);
    }
    changeEnable(-1);
}

void Arrange::rebuildList()
{
    m_model->clear();
    m_canvasPage = -1;
    if (!m_doc.isEmpty())
        computeSizes();
    for (const Page &page : m_doc.pages())
        m_model->appendRow(PageItemModel::makeItem(page, pageIcon(page)));
    m_list->setIconSize(QSize(m_thumbWidth, m_thumbHeight));
    if (m_selection.currentPage >= m_doc.pageCount())
        setViewPage(m_doc.pageCount() - 1);
    if (m_selection.currentPage < 0 && !m_doc.isEmpty())
        setViewPage(0);
    if (m_selection.currentPage < 0) {
        resetCanvas();
    } else {
        m_list->setCurrentIndex(m_model->index(m_selection.currentPage, 0));
        if (m_canvasPage != m_selection.currentPage)
            showPage(m_selection.currentPage);
    }
    changeEnable(-1);
}

void Arrange::resetCanvas()
{
    if (m_canvas) {
        // Frame widgets may be in the middle of a drag or a drop: they go
        // when control is back in the event loop.
        m_canvas->hide();
        m_canvas->setParent(nullptr);
        m_canvas->deleteLater();
    }
    m_currentFrame = nullptr;
    m_canvas = new PageCanvas(m_canvasArea);
    m_canvas->setMinimumSize(m_canvasArea->size());
    m_canvas->resize(m_canvasArea->size());
    m_canvas->show();
}

void Arrange::currentItem(QModelIndex index)
{
    if (!index.isValid() || index.row() >= m_doc.pageCount())
        return;
    showPage(index.row());
}

void Arrange::showPage(int row)
{
    const bool samePage = row == m_canvasPage && row == m_selection.currentPage;
    const QVector<bool> kept = m_selection.frames;
    const bool hadFocus = m_canvas && m_canvas->isAncestorOf(QApplication::focusWidget());
    resetCanvas();
    setViewPage(row);
    if (samePage && kept.size() == m_selection.frames.size())
        m_selection.frames = kept;
    m_canvasPage = row;
    const Page &page = m_doc.page(row);
    const int d = qMax(1, m_canvasDivisor);
    for (int i = 0; i < page.frames.size(); ++i) {
        const PhotoFrame &f = page.frames.at(i);
        auto *w = new FrameWidget(m_canvas, m_doc, m_selection, m_currentFrame);
        w->frameIndex = i;
        w->divisor = d;
        w->setMinimumSize(f.width / d, f.height / d);
        w->resize(f.width / d, f.height / d);
        w->move(f.x / d, f.y / d);
        w->preparePicture();
        if (i == 0)
            m_currentFrame = w;
        connect(w, &FrameWidget::fillFrames, this, &Arrange::fillFrames);
        connect(w, &FrameWidget::removeFrame, this, &Arrange::removeFrame);
        connect(w, &FrameWidget::doubleFrame, this, &Arrange::cropEditFrame);
        connect(w, &FrameWidget::changeFrame, this, &Arrange::changeEnable);
        connect(w, &FrameWidget::keyCopy, this, &Arrange::copy);
        connect(w, &FrameWidget::keyPaste, this, &Arrange::paste);
    }
    updateGuides();
    if (hadFocus)
        focusCurrentFrame();
    changeEnable(-1);
}

void Arrange::focusCurrentFrame()
{
    if (m_currentFrame)
        m_currentFrame->setFocus();
}

void Arrange::changeEnable(int)
{
    int selectedFilled = 0;
    int empty = 0;
    const int current = currentPageIndex();
    if (current >= 0) {
        const QVector<PhotoFrame> &frames = m_doc.page(current).frames;
        for (int i = 0; i < frames.size(); ++i) {
            if (frames.at(i).isEmpty())
                ++empty;
            else if (m_selection.isFrameSelected(i))
                ++selectedFilled;
        }
    }
    const bool clip = canPasteImages(QApplication::clipboard()->mimeData());
    m_cropAct->setEnabled(selectedFilled > 0);
    m_clearAct->setEnabled(selectedFilled > 0);
    m_copyAct->setEnabled(selectedFilled > 0);
    m_pasteAct->setEnabled(current >= 0 && clip && empty > 0);
    const bool pages = !m_doc.isEmpty();
    m_stampAct->setEnabled(pages);
    m_logoAct->setEnabled(pages);
    m_removeAct->setEnabled(pages);
    if (m_exportAction)
        m_exportAction->setEnabled(pages);
}

void Arrange::setViewPage(int row)
{
    m_selection.setCurrentPage(row, m_doc.hasPage(row) ? m_doc.page(row).frames.size() : 0);
}

void Arrange::showRestored()
{
    // The page shown stays, as far as it still exists; its frames may differ.
    m_canvasPage = -1;
    rebuildList();
    emit stringCountArrange(m_doc.countingText());
}
