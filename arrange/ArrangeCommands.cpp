// The dock's commands: layouts, pages, frames, clipboard and frame tools.
#include "arrange/Arrange.h"

#include "arrange/ArrangeEngine.h"
#include "arrange/ArrangeLog.h"
#include "arrange/ChangeChoose.h"
#include "arrange/FrameRecord.h"
#include "arrange/FrameToolEdits.h"
#include "arrange/KeyListView.h"
#include "arrange/PageItemModel.h"
#include "formats/PageFormat.h"
#include "formats/LayoutCatalogue.h"
#include "formats/OrderTab.h"
#include "formats/TabPageFormat.h"
#include "library/IconRecord.h"
#include "library/IconsModel.h"

#include <QApplication>
#include <QClipboard>
#include <QDataStream>
#include <QMimeData>
#include <QUrl>

#include <algorithm>

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

void Arrange::setPreferences(const FormatSettings &formats, const StampDefaults &stamp, const LogoDefaults &logo)
{
    m_formats = formats;
    m_stamp = stamp;
    m_logo = logo;
    applyOptions(m_formats.layout.addImagesMode);
    updateGuides();
}

void Arrange::applyOptions(bool addImages)
{
    ArrangeOptions options;
    options.autoCrop = m_formats.layout.autoCropEnabled;
    options.addImages = addImages;
    options.addPageCount = m_formats.layout.addPageCount;
    options.stamp = m_stamp;
    options.logo = m_logo;
    const ThumbnailValues &t = m_formats.thumbs;
    options.previewRule.fallbackAspect = QSize(t.iconWidth - 2, t.iconHeight - 12);
    m_engine->setOptions(options);
}

RenderOptions Arrange::renderOptions() const
{
    RenderOptions options;
    options.printFrame = m_formats.page.printFrame;
    if (m_formats.page.printCredit)
        options.creditText = m_creditText;
    else
        options.creditText.clear();
    options.source = m_doc.source;
    options.cutGuides = m_formats.page.cutGuides;
    options.colour = m_formats.page.paperColour().target();
    return options;
}

bool Arrange::runChooser(TabPageFormat &chooser)
{
    const bool accepted = chooser.exec() == QDialog::Accepted;
    // The print options and the dialog's size act whether or not the
    // dialog is accepted.
    const FormatSettings &edited = chooser.values();
    if (!accepted) {
        FormatSettings kept = m_formats;
        kept.page.printFrame = edited.page.printFrame;
        kept.page.printJobMax = edited.page.printJobMax;
        kept.options.dialogWidth = edited.options.dialogWidth;
        kept.options.dialogHeight = edited.options.dialogHeight;
        if (kept.page.printFrame != m_formats.page.printFrame || kept.page.printJobMax != m_formats.page.printJobMax
            || kept.options.dialogWidth != m_formats.options.dialogWidth
            || kept.options.dialogHeight != m_formats.options.dialogHeight) {
            m_formats = kept;
            Q_EMIT preferencesChanged();
        }
        return false;
    }
    chooser.store();
    m_formats = chooser.values();
    m_doc.templatePage = chooser.chosenLayout();
    for (PhotoFrame &f : m_doc.templatePage.frames)
        f.applyDefaults(m_stamp, m_logo, false);
    Q_EMIT preferencesChanged();
    return true;
}

bool Arrange::newChoose()
{
    int answer = 1;
    ChooserMode mode = ChooserMode::Choose;
    if (!m_doc.isEmpty()) {
        ChangeChoose question(m_chooseAnswer, this);
        if (question.exec() != QDialog::Accepted)
            return false;
        answer = m_chooseAnswer = question.answer();
        mode = answer == 1 ? ChooserMode::ChangeAll : ChooserMode::ChangeSelected;
    }
    TabPageFormat chooser(mode, m_formats, m_formats.page.pageSetup, this);
    if (mode == ChooserMode::Choose && m_images)
        chooser.chooser()->setImageCount(m_images->rowCount());
    const QVector<IconItem> images = chosenImages();
    if (answer == 1 && !images.isEmpty())
        chooser.offerOrder(fileNames(images));
    if (!runChooser(chooser))
        return false;
    if (chooser.orderChosen()) {
        arrangeOrder(*chooser.orderTab(), images);
        return true;
    }
    // A new layout for pages that exist always takes their images along.
    applyOptions(mode == ChooserMode::Choose ? m_formats.layout.addImagesMode : true);
    showDock();
    BusyCursor busy;
    if (answer == 0)
        m_engine->relayoutSelected(selectedPageIndexes());
    else
        m_engine->arrangeAll(chosenImages());
    applyOptions(m_formats.layout.addImagesMode);
    return true;
}

QVector<IconItem> Arrange::orderPrints(const OrderTab &order, const QVector<IconItem> &images)
{
    QVector<IconItem> prints;
    for (const OrderPrint &print : order.prints())
        prints << *std::find_if(images.cbegin(), images.cend(),
                                [&](const IconItem &item) { return item.fileName == print.photo; });
    return prints;
}

Page Arrange::orderPaper() const
{
    // The order's pages are the paper alone, each with frames of its own.
    Page paper = LayoutCatalogue::paperPage(m_formats.page.pageSetup);
    paper.title = QObject::tr("Order");
    return paper;
}

QStringList Arrange::fileNames(const QVector<IconItem> &images)
{
    QStringList names;
    for (const IconItem &item : images)
        names << item.fileName;
    return names;
}

void Arrange::arrangeOrder(const OrderTab &order, const QVector<IconItem> &images)
{
    m_doc.templatePage = orderPaper();
    applyOptions(true);
    showDock();
    BusyCursor busy;
    m_engine->arrangeOrder(order.sheets(), orderPrints(order, images));
    applyOptions(m_formats.layout.addImagesMode);
}

bool Arrange::changePaper(PageSetup &setup)
{
    TabPageFormat chooser(ChooserMode::ChangeAll, m_formats, setup, this);
    if (!runChooser(chooser))
        return false;
    setup = m_formats.page.pageSetup;
    applyOptions(m_formats.layout.addImagesMode);
    showDock();
    BusyCursor busy;
    m_engine->relayoutAll();
    return true;
}

void Arrange::addPages()
{
    // The paper stays as it is while pages are added.
    const PageSetup paper = m_formats.page.pageSetup;
    TabPageFormat chooser(ChooserMode::AddPages, m_formats, paper, this);
    const QVector<IconItem> images = chosenImages();
    if (!images.isEmpty())
        chooser.offerOrder(fileNames(images));
    if (!runChooser(chooser))
        return;
    m_formats.adoptPageSetup(paper);
    applyOptions(m_formats.layout.addImagesMode);
    if (m_doc.isEmpty())
        m_model->clear(); // the sizes are made again for the new layout
    int first = -1;
    if (chooser.orderChosen()) {
        // Another order goes after the pages there are.
        showDock();
        BusyCursor busy;
        applyOptions(true);
        first = m_engine->appendOrder(chooser.orderTab()->sheets(), orderPrints(*chooser.orderTab(), images),
                                      orderPaper());
        applyOptions(m_formats.layout.addImagesMode);
    } else {
        first = m_engine->addPages(m_formats.layout.addPageCount);
    }
    if (first >= 0)
        m_list->setCurrentIndex(m_model->index(first, 0));
    focusCurrentFrame();
}

void Arrange::clearAll()
{
    setViewPage(-1);
    m_engine->clear();
    m_model->clear();
    m_canvasPage = -1;
    resetCanvas();
    changeEnable(-1);
}

bool Arrange::adoptLoadedPages(const QVector<Page> &pages, bool decodeNow)
{
    const bool any = m_engine->adoptLoadedPages(pages, decodeNow);
    if (any)
        showDock();
    changeEnable(-1);
    return any;
}

void Arrange::fillPageFrames(QByteArray records, int nPage)
{
    QDataStream in(&records, QIODevice::ReadOnly);
    m_engine->fill(in, nPage, 0, false, m_selection.currentPage, QObject::tr("Drop Images"));
    if (nPage >= 0 && nPage < m_doc.pageCount())
        m_list->setCurrentIndex(m_model->index(nPage, 0));
}

void Arrange::fillFrames(QByteArray records, int nFrame)
{
    QDataStream in(&records, QIODevice::ReadOnly);
    if (m_selection.currentPage >= 0)
        m_engine->fill(in, m_selection.currentPage, nFrame, true, m_selection.currentPage, QObject::tr("Drop Images"));
    focusCurrentFrame();
}

void Arrange::paste()
{
    qCDebug(lcArrange) << "Arrange::paste";
    const int target = m_engine->pasteTarget(m_selection);
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
    m_engine->fill(in, m_selection.currentPage, target, true, m_selection.currentPage, QObject::tr("Paste"));
    focusCurrentFrame();
}

void Arrange::copy()
{
    qCDebug(lcArrange) << "Arrange::copy";
    auto *mime = new QMimeData;
    const int current = currentPageIndex();
    if (current >= 0) {
        const QVector<PhotoFrame> &frames = m_doc.page(current).frames;
        QList<int> chosen;
        QList<QUrl> urls;
        for (int i = 0; i < frames.size(); ++i) {
            if (m_selection.isFrameSelected(i) && !frames.at(i).isEmpty()) {
                chosen << i;
                urls << QUrl::fromLocalFile(frames.at(i).fileName);
            }
        }
        if (!chosen.isEmpty()) {
            mime->setUrls(urls);
            mime->setData(velmoraMimeType(), frameRecords(frames, chosen, IconItem::State::New));
        }
    }
    QApplication::clipboard()->setMimeData(mime);
    focusCurrentFrame();
}

void Arrange::removePage()
{
    if (currentPageIndex() >= 0)
        m_engine->removePages(selectedPageIndexes());
}

void Arrange::removeFrame(int n)
{
    qCDebug(lcArrange) << "Delete" << n;
    m_engine->removeSelectedFrames(m_selection);
    focusCurrentFrame();
}

void Arrange::clearFrame() { removeFrame(0); }

int Arrange::takeBackFrame(int frame)
{
    return m_engine->takeBack(m_selection.currentPage, frame);
}

void Arrange::cropEdit()
{
    const int current = currentPageIndex();
    if (current < 0)
        return;
    const QVector<PhotoFrame> &frames = m_doc.page(current).frames;
    for (int i = 0; i < frames.size(); ++i) {
        if (m_selection.isFrameSelected(i) && !frames.at(i).isEmpty()) {
            cropSeries(i);
            return;
        }
    }
}

void Arrange::cropEditFrame(int n)
{
    const int current = currentPageIndex();
    if (current >= 0 && n >= 0 && n < m_doc.page(current).frames.size()
        && !m_doc.page(current).frames.at(n).isEmpty())
        cropSeries(n);
    else
        cropEdit();
}

void Arrange::cropSeries(int frame)
{
    if (!m_tools)
        return;
    QPoint at(frame, currentPageIndex());
    const int startPage = at.y();
    for (;;) {
        // A copy: pictures decoded while the editor is open change the pages.
        const PhotoFrame shown = m_doc.page(at.y()).frames.at(at.x());
        // Nothing to crop when the photograph cannot be read; one whose
        // preview is still on its way is read by the editor itself.
        if ((shown.cache.preview.isNull() && !m_doc.awaitsPreview(shown)) || shown.imageWidth <= 0
            || shown.imageHeight <= 0)
            break;
        const QPoint next = FrameToolEdits::neighbourFilled(m_doc.pages(), at, 1);
        const QPoint previous = FrameToolEdits::neighbourFilled(m_doc.pages(), at, -1);
        const CropAnswer answer = m_tools->editCrop(shown, m_doc.source, next.x() >= 0, previous.x() >= 0, this);
        if (answer.step == CropStep::Cancel)
            break;
        PhotoFrame changed = shown;
        if (FrameToolEdits::adoptCrop(changed, answer.rect))
            m_engine->crop(at, changed);
        if (answer.step == CropStep::Ok)
            break;
        const QPoint to = answer.step == CropStep::Next ? next : previous;
        if (to.x() < 0)
            break;
        if (to.y() != at.y()) {
            setViewPage(to.y());
            m_list->setCurrentIndex(m_model->index(to.y(), 0));
        }
        at = to;
        // The frame being cropped is the one selected on the canvas.
        m_selection.frames.fill(false);
        if (at.x() < m_selection.frames.size())
            m_selection.frames[at.x()] = true;
        if (m_canvas)
            m_canvas->update();
        for (FrameWidget *w : frameWidgets())
            w->update();
    }
    m_tools->endCrop();
    if (currentPageIndex() != startPage && currentPageIndex() >= 0)
        showPage(currentPageIndex());
    changeEnable(-1);
    focusCurrentFrame();
}

const PhotoFrame *Arrange::firstFilledFrame() const
{
    const int current = currentPageIndex();
    if (current < 0 || m_doc.page(current).frames.isEmpty())
        return nullptr;
    const PhotoFrame &first = m_doc.page(current).frames.first();
    return first.isEmpty() ? nullptr : &first;
}

void Arrange::dateStamp()
{
    StampDefaults stamp;
    if (!m_tools || !m_tools->editStamp(FrameToolEdits::shownStamp(m_stamp, firstFilledFrame()), stamp, this))
        return;
    const QVector<QPoint> frames =
        FrameToolEdits::framesInScope(m_doc.pages(), stamp.allPageDateStamp,
                                      currentPageIndex(), m_selection.frames, selectedPageIndexes());
    m_engine->applyStamp(frames, stamp);
    adoptFrameDefaults(stamp, m_logo);
    m_list->setFocus();
}

void Arrange::logo()
{
    LogoDefaults logo;
    ToolScope scope = m_stamp.allPageDateStamp;
    if (!m_tools
        || !m_tools->editLogo(FrameToolEdits::shownLogo(m_logo, firstFilledFrame()), m_doc.source, logo, scope, this))
        return;
    const QVector<QPoint> frames = FrameToolEdits::framesInScope(m_doc.pages(), scope, currentPageIndex(),
                                                                 m_selection.frames, selectedPageIndexes());
    m_engine->applyLogo(frames, logo);
    StampDefaults stamp = m_stamp;
    stamp.allPageDateStamp = scope;
    adoptFrameDefaults(stamp, logo);
    m_list->setFocus();
}

void Arrange::adoptFrameDefaults(const StampDefaults &stamp, const LogoDefaults &logo)
{
    m_stamp = stamp;
    m_logo = logo;
    applyOptions(m_formats.layout.addImagesMode);
    updateGuides();
    Q_EMIT preferencesChanged();
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

