#include "library/ViewImage.h"

#include "library/ColourTarget.h"
#include "library/DecodeGate.h"
#include "library/ImageFile.h"
#include "library/ProfileReader.h"
#include "library/WellScrollArea.h"
#include "library/ZoomedImage.h"
#include "platform/ExternalEditor.h"

#include <QAction>
#include <QApplication>
#include "library/LibraryLog.h"
#include <QEvent>
#include <QFile>
#include <QFileSystemWatcher>
#include <QBuffer>
#include <QImageReader>
#include <QScreen>
#include <QScrollBar>
#include <QToolBar>
#include <QTransform>
#include <QVBoxLayout>
#include <cmath>

namespace {
constexpr double MaxZoom = 5.0;
constexpr double MinZoom = 0.1;
} // namespace

ViewImage::ViewImage(const QString &fileName, const QByteArray &bytes, int rotation, int flags, int mode,
                     QWidget *parent)
    : QDialog(parent), m_fileName(fileName), m_bytes(bytes), m_rotation(rotation),
      m_resultCode(flags), m_mode(mode), m_picture(new ZoomedImage(this)),
      m_scrollArea(new WellScrollArea(this)), m_toolBar(new QToolBar(this)),
      m_watcher(new QFileSystemWatcher(this))
{
    setObjectName(QStringLiteral("ViewImage"));
    setWindowIcon(QIcon(QStringLiteral(":/images/zoomimage.png")));

    m_toolBar->setObjectName(QStringLiteral("SelectedToolBar"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    zoomInAct = makeAction("ZoomIn", "zoomIn", &ViewImage::zoomIn);
    zoomOutAct = makeAction("ZoomOut", "zoomOut", &ViewImage::zoomOut);
    normalSizeAct = makeAction("Actual", "normalSize", &ViewImage::normalSize);
    fitAct = makeAction("BestFit", "fitToWindow", &ViewImage::fitToWindow);
    rotateAct = makeAction("Rotate", "rotate", &ViewImage::rotate);
    rotateBackAct = makeAction("RotBack", "rotateB", &ViewImage::rotateB);
    previousAct = makeAction("previous", "previous", &ViewImage::previous);
    nextAct = makeAction("next", "next", &ViewImage::next);
    editAct = makeAction("edit", "edit", &ViewImage::edit);
    deleteAct = makeAction(mode == FolderFiles ? "trash" : "Clear", "del", &ViewImage::del);
    okAct = makeAction("Ok", "ok", &ViewImage::accept);
    cancelAct = makeAction("Cancel", "cancel", &ViewImage::reject);

    m_scrollArea->setBackgroundRole(QPalette::Dark);
    m_scrollArea->setAlignment(Qt::AlignCenter);
    m_scrollArea->setWidget(m_picture);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_scrollArea);

    nextAct->setEnabled(flags & HasNext);
    previousAct->setEnabled(flags & HasPrevious);
    m_resultCode = Nothing;

    decode(QSize());
    showRotated();
    connect(m_scrollArea, &WellScrollArea::zoomIn, this, &ViewImage::zoomIn);
    connect(m_scrollArea, &WellScrollArea::zoomOut, this, &ViewImage::zoomOut);
    connect(m_scrollArea, &WellScrollArea::rotate, this, &ViewImage::rotate);
    connect(m_scrollArea, &WellScrollArea::rotateB, this, &ViewImage::rotateB);
    connect(m_scrollArea, &WellScrollArea::next, this, &ViewImage::next);
    connect(m_scrollArea, &WellScrollArea::previous, this, &ViewImage::previous);
    connect(m_scrollArea, &WellScrollArea::normalSize, this, &ViewImage::normalSize);
    connect(m_scrollArea, &WellScrollArea::fitToWindow, this, &ViewImage::fitToWindow);
    connect(m_scrollArea, &WellScrollArea::edit, this, &ViewImage::edit);
    connect(m_scrollArea, &WellScrollArea::del, this, &ViewImage::del);
    connect(m_scrollArea, &WellScrollArea::reject, this, &ViewImage::reject);
    connect(m_scrollArea, &WellScrollArea::doubleClick, this, &ViewImage::accept);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &ViewImage::fileUpdate);
    retranslate();

    setWindowFlags(windowFlags() | Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint);
    // The whole screen also where no window manager maximises windows.
    if (QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    // Shown by exec(); the picture is fitted once the window has its size
    // (showEvent). Nothing here may run the event loop: the caller has not
    // started its own loop yet.
    setWindowState(windowState() | Qt::WindowMaximized);
    setModal(true);
    if (!m_fileName.isEmpty() && QFile::exists(m_fileName))
        m_watcher->addPath(m_fileName);
}

QAction *ViewImage::makeAction(const char *icon, const char *name, void (ViewImage::*slot)())
{
    auto *action = new QAction(QIcon(QStringLiteral(":/images/%1.png").arg(QLatin1String(icon))), QString(), this);
    action->setObjectName(QLatin1String(name));
    action->setPriority(QAction::LowPriority);
    connect(action, &QAction::triggered, this, slot);
    m_toolBar->addAction(action);
    return action;
}

void ViewImage::retranslate()
{
    setWindowTitle(QObject::tr("View") + QLatin1Char(' ') + m_fileName);
    const auto set = [](QAction *a, const QString &text, const QString &hint, const QString &tip) {
        a->setText(text + hint);
        a->setToolTip(text + hint);
        a->setStatusTip(tip);
    };
    set(zoomInAct, QObject::tr("Zoom In"), QStringLiteral(" Ctrl+ +"), QObject::tr("Zoom In (25%)"));
    set(zoomOutAct, QObject::tr("Zoom Out"), QStringLiteral(" Ctrl+ -"), QObject::tr("Zoom Out (25%)"));
    set(normalSizeAct, QObject::tr("Normal Size"), QStringLiteral(" Ctrl+1"), QObject::tr("Actual Size"));
    set(fitAct, QObject::tr("Best Fit"), QStringLiteral(" Ctrl+0"), QObject::tr("Best Fit to Window"));
    set(rotateAct, QObject::tr("Rotate"), QStringLiteral(" Alt+\u2191"), QObject::tr("Rotate"));
    set(rotateBackAct, QObject::tr("Rotate"), QStringLiteral(" Alt+\u2193"), QObject::tr("Rotate"));
    set(nextAct, QObject::tr("Next Image"), QStringLiteral(" Alt+\u2192"), QObject::tr("Next Image"));
    set(previousAct, QObject::tr("Previous Image"), QStringLiteral(" Alt+\u2190"), QObject::tr("Previous Image"));
    set(editAct, QObject::tr("Edit"), QStringLiteral(" Ctrl+E"), QObject::tr("Edit"));
    set(okAct, QObject::tr("Ok"), QStringLiteral(" Enter"), QObject::tr("Ok"));
    set(cancelAct, QObject::tr("Cancel"), QStringLiteral(" Esc"), QObject::tr("Cancel"));
    if (m_mode == FolderFiles)
        set(deleteAct, QObject::tr("Move to Trash"), QStringLiteral(" Delete"), QString());
    else
        set(deleteAct, QObject::tr("Delete"), QString(), QString());
}

void ViewImage::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_fitted)
        return;
    m_fitted = true;
    activateWindow();
    fitToWindow();
    m_scrollArea->setFocus();
}

void ViewImage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void ViewImage::decode(QSize limit)
{
    QBuffer buffer;
    buffer.setData(withinScanLimit(m_bytes));
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    m_fullSize = declaredSize(m_bytes); // HEIF and AVIF: from the container, not by decoding
    m_image = QImage();
    m_picture->setMessage(QString());
    if (m_fullSize.isEmpty()) {
        // The header did not tell: an undecodable file, or a format whose
        // size is only known after decoding (small ones, in practice).
        m_image = reader.read();
        m_fullSize = m_image.size();
        toScreen();
        return;
    }
    if (qint64(m_fullSize.width()) * m_fullSize.height() > MaxPixels) {
        m_picture->setMessage(QObject::tr("This image is too large to be shown: %1 × %2 pixels.")
                                  .arg(m_fullSize.width())
                                  .arg(m_fullSize.height()));
        m_fullSize = QSize();
        return;
    }
    if (limit.isEmpty()) {
        const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
        limit = screen ? screen->size() : QSize(1920, 1080);
        // A turned image fits the screen the other way round.
        if (m_rotation == 90 || m_rotation == 270)
            limit.transpose();
    }
    const QSize target = m_fullSize.width() <= limit.width() && m_fullSize.height() <= limit.height()
                             ? m_fullSize
                             : m_fullSize.scaled(limit, Qt::KeepAspectRatio);
    if (target != m_fullSize)
        reader.setScaledSize(target.expandedTo(QSize(1, 1)));
    // Within the memory a decoding may take, as for the pages.
    const qint64 cost = decodingBytes(reader, m_fullSize, m_fullSize, target);
    if (cost > DecodeGate::Budget) {
        m_picture->setMessage(faultText(DecodeFault::OverBudget, m_fullSize) + QLatin1Char('.'));
        m_fullSize = QSize();
        return;
    }
    const DecodeGate::Pass pass(cost);
    m_image = reader.read();
    toScreen();
}

void ViewImage::toScreen()
{
    ColourTarget::screen().convert(m_image, ProfileReader::sourceProfile(m_bytes, nullptr, m_image));
}

void ViewImage::decodeForZoom()
{
    if (m_image.isNull() || m_image.size() == m_fullSize)
        return;
    const double shown = m_scaleFactor * m_fullSize.width();
    if (shown <= m_image.width())
        return;
    // The zoom shows more pixels than are decoded: decode the file at its
    // own size, or as large as the detail limit allows.
    const double most = std::sqrt(double(MaxDetailPixels) / (double(m_fullSize.width()) * m_fullSize.height()));
    const QSize detail = most >= 1 ? m_fullSize : (QSizeF(m_fullSize) * most).toSize();
    if (detail.width() <= m_image.width())
        return;
    decode(detail);
    showRotated();
}

void ViewImage::showRotated()
{
    QSize full = m_fullSize;
    if (m_rotation == 90 || m_rotation == 270)
        full.transpose();
    if (m_rotation < 1)
        m_picture->setImage(m_image, full);
    else
        m_picture->setImage(m_image.transformed(QTransform().rotate(m_rotation)), full);
}

void ViewImage::updateZoomActions()
{
    zoomInAct->setEnabled(m_scaleFactor < MaxZoom);
    zoomOutAct->setEnabled(m_scaleFactor > MinZoom);
}

void ViewImage::scaleImage(double factor)
{
    m_scaleFactor *= factor;
    decodeForZoom();
    const QSize size = m_picture->fullSize();
    m_picture->resize(int(std::floor(size.width() * m_scaleFactor + 0.5)),
                      int(std::floor(size.height() * m_scaleFactor + 0.5)));
    // Keep the point in the middle of the view in the middle.
    for (QScrollBar *bar : {m_scrollArea->horizontalScrollBar(), m_scrollArea->verticalScrollBar()})
        bar->setValue(int(factor * bar->value() + (factor - 1) * bar->pageStep() / 2));
    updateZoomActions();
}

void ViewImage::zoomIn()
{
    if (m_scaleFactor < MaxZoom)
        scaleImage(1.25);
}

void ViewImage::zoomOut()
{
    if (m_scaleFactor > MinZoom)
        scaleImage(0.8);
}

void ViewImage::normalSize()
{
    m_scaleFactor = 1.0;
    decodeForZoom();
    const QSize size = m_picture->fullSize();
    m_picture->resize(size.isEmpty() ? m_scrollArea->maximumViewportSize() : size);
    updateZoomActions();
}

void ViewImage::fitToWindow()
{
    const QSize pix = m_picture->fullSize();
    if (pix.width() < 1 || pix.height() < 1) {
        // Nothing was decoded: there is nothing to fit.
        normalSize();
        return;
    }
    const QSize area = m_scrollArea->maximumViewportSize();
    m_scaleFactor = 0.98 * qMin(double(area.width()) / pix.width(), double(area.height()) / pix.height());
    scaleImage(1.0);
}

void ViewImage::rotate()
{
    m_rotation += 90;
    if (m_rotation >= 360)
        m_rotation = 0;
    showRotated();
    fitToWindow();
}

void ViewImage::rotateB()
{
    m_rotation -= 90;
    if (m_rotation < 0)
        m_rotation = 270;
    showRotated();
    fitToWindow();
}

void ViewImage::next()
{
    if (!nextAct->isEnabled())
        return;
    m_resultCode = ShowNext;
    accept();
}

void ViewImage::previous()
{
    if (!previousAct->isEnabled())
        return;
    m_resultCode = ShowPrevious;
    accept();
}

void ViewImage::del()
{
    if (!deleteAct->isEnabled())
        return;
    m_resultCode = DeleteImage;
    accept();
}

void ViewImage::edit()
{
    if (m_editor)
        m_editor->edit(m_fileName, this);
}

void ViewImage::fileUpdate(QString fileName)
{
    qCDebug(lcLibrary) << "fileUpdate :" << fileName;
    QFile file(fileName);
    m_bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    decode(QSize());
    showRotated();
    fitToWindow();
    // Editors that save through a new file leave the old one unwatched.
    if (QFile::exists(fileName) && !m_watcher->files().contains(fileName))
        m_watcher->addPath(fileName);
}
