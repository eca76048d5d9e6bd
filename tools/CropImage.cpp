#include "tools/CropImage.h"

#include "arrange/FrameToolEdits.h"
#include "library/ColourTarget.h"
#include "tools/CropCommand.h"

#include <QAction>
#include <QCursor>
#include <QGraphicsEllipseItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QToolBar>
#include <QTransform>
#include <QUndoStack>
#include <QVBoxLayout>

namespace {

constexpr double HandleSide = 8.0; // screen pixels

// The photograph as the frame shows it, at the frame's image size.
QPixmap framePicture(const PhotoFrame &f, const ImageSource &source)
{
    // The whole photograph, in the screen's colours.
    const DecodedImage decoded = f.photoFor(source, 0);
    QImage image = decoded.image;
    ColourTarget::screen().convert(image, decoded.profile);
    if (!image.isNull() && f.rotation % 360 != 0)
        image = image.transformed(QTransform().rotate(f.rotation));
    const QSize size(f.imageWidth, f.imageHeight);
    if (image.isNull())
        image = f.cache.preview;
    if (!image.isNull() && size.isValid() && !size.isEmpty() && image.size() != size)
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return QPixmap::fromImage(image);
}

const CropModel::Corner corners[4] = {CropModel::Corner::LeftTop, CropModel::Corner::RightTop,
                                      CropModel::Corner::LeftBottom, CropModel::Corner::RightBottom};
const CropView::Part cornerParts[4] = {CropView::Part::LeftTop, CropView::Part::RightTop,
                                       CropView::Part::LeftBottom, CropView::Part::RightBottom};

} // namespace

CropImage::CropImage(const PhotoFrame &frame, const ImageSource &source, bool hasNext, bool hasPrevious, bool outside,
                     QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                          | Qt::WindowCloseButtonHint),
      m_source(source)
{
    setObjectName(QStringLiteral("CropImage"));
    setModal(true);
    setWindowIcon(QIcon(QStringLiteral(":/images/Crop.png")));
    m_undoStack = new QUndoStack(this);
    m_scene = new QGraphicsScene(this);
    m_view = new CropView(m_scene, this);
    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("SelectedToolBar"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_view);
    createActions();
    m_outsideButton->setChecked(outside);

    connect(m_view, &CropView::dragged, this, &CropImage::onDragged);
    connect(m_view, &CropView::dragFinished, this, [this] {
        if (m_dragging && m_model.state() != m_dragStart)
            noteStep(m_dragStart);
        m_dragging = false;
    });
    connect(m_view, &CropView::rectDoubleClicked, this, &CropImage::acceptOk);
    connect(m_view, &CropView::wheelTurned, this, &CropImage::onWheel);
    connect(m_view, &CropView::keyPressed, this, &CropImage::onKey);
    setFrame(frame, hasNext, hasPrevious);
    retranslate();
    // Maximised; a window manager that does not maximise still gets most of
    // the screen.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        resize(screen->availableGeometry().size() * 0.85);
    setWindowState(Qt::WindowMaximized);
}

void CropImage::createActions()
{
    const auto make = [this](const char *icon, void (CropImage::*slot)()) {
        auto *a = new QAction(QIcon(QStringLiteral(":/images/") + QLatin1String(icon)), QString(), this);
        a->setPriority(QAction::LowPriority);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    m_zoomInAct = make("ZoomIn.png", &CropImage::zoomIn);
    m_zoomOutAct = make("ZoomOut.png", &CropImage::zoomOut);
    m_normalAct = make("Actual.png", &CropImage::normalSize);
    m_fitAct = make("BestFit.png", &CropImage::fitToWindow);
    m_rotateAct = make("Rotate.png", &CropImage::rotate);
    m_previousAct = make("previous.png", &CropImage::previous);
    m_nextAct = make("next.png", &CropImage::next);
    m_okAct = make("Ok.png", &CropImage::acceptOk);
    m_cancelAct = make("Cancel.png", &CropImage::reject);
    m_outsideButton = new QPushButton(this);
    m_outsideButton->setCheckable(true);
    m_outsideButton->setFocusPolicy(Qt::NoFocus);
    connect(m_outsideButton, &QPushButton::toggled, this, &CropImage::clickOutside);
    m_toolBar->addActions({m_zoomInAct, m_zoomOutAct, m_normalAct, m_fitAct, m_rotateAct});
    m_toolBar->addWidget(m_outsideButton);
    m_toolBar->addActions({m_previousAct, m_nextAct, m_okAct, m_cancelAct});
}

void CropImage::retranslate()
{
    const auto set = [](QAction *a, const QString &text, const char *key, const QString &tip) {
        a->setText(text + QLatin1String(key));
        a->setStatusTip(tip);
        a->setToolTip(tip);
    };
    set(m_zoomInAct, QObject::tr("Zoom In"), " Alt+ +", QObject::tr("Zoom In (25%)"));
    set(m_zoomOutAct, QObject::tr("Zoom Out"), " Alt+ -", QObject::tr("Zoom Out (25%)"));
    set(m_normalAct, QObject::tr("Normal Size"), " Alt+1", QObject::tr("Actual Size"));
    set(m_fitAct, QObject::tr("Best Fit"), " Alt+0", QObject::tr("Best Fit to Window"));
    set(m_rotateAct, QObject::tr("Rotate Frame"), " Alt+\u2191", QObject::tr("Rotate Frame"));
    set(m_previousAct, QObject::tr("Previous Image"), " Alt+\u2190", QObject::tr("Previous Image"));
    set(m_nextAct, QObject::tr("Next Image"), " Alt+\u2192", QObject::tr("Next Image"));
    set(m_okAct, QObject::tr("Ok"), " Enter", QObject::tr("Ok"));
    set(m_cancelAct, QObject::tr("Cancel"), " Esc", QObject::tr("Cancel"));
    m_outsideButton->setText(QObject::tr("Outside the Image"));
    m_outsideButton->setToolTip(QObject::tr("The mode in which the crop rectangle can be outside the image area."));
    setWindowTitle(QObject::tr("Crop") + QLatin1Char(' ') + m_frame.fileName);
}

void CropImage::setFrame(const PhotoFrame &frame, bool hasNext, bool hasPrevious)
{
    m_frame = frame;
    m_step = CropStep::Ok;
    m_nextAct->setEnabled(hasNext);
    m_previousAct->setEnabled(hasPrevious);
    m_undoStack->clear();
    m_dragging = false;
    buildScene();
    setWindowTitle(QObject::tr("Crop") + QLatin1Char(' ') + m_frame.fileName);
    fitToWindow();
}

void CropImage::buildScene()
{
    m_scene->clear();
    const QRectF crop(m_frame.cropX, m_frame.cropY, m_frame.cropWidth, m_frame.cropHeight);
    m_model = CropModel(crop, QSize(m_frame.imageWidth, m_frame.imageHeight), FrameToolEdits::frameAspect(m_frame),
                        m_outsideButton->isChecked());
    const QSize image = m_model.imageSize();
    auto *photo = m_scene->addPixmap(framePicture(m_frame, m_source));
    photo->setTransformationMode(Qt::SmoothTransformation);
    for (QGraphicsRectItem *&shade : m_shades) {
        shade = m_scene->addRect(QRectF(), Qt::NoPen, QBrush(Qt::black));
        shade->setOpacity(0.3);
    }
    QPen outline(QBrush(Qt::yellow), 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    m_rectItem = m_scene->addRect(QRectF(), outline, Qt::NoBrush);
    m_rectItem->setCursor(Qt::SizeAllCursor);
    m_rectItem->setData(CropView::PartKey, int(CropView::Part::Rect));
    for (int i = 0; i < 4; ++i) {
        m_handles[i] = m_scene->addEllipse(QRectF(), QPen(Qt::blue), QBrush(Qt::magenta));
        m_handles[i]->setData(CropView::PartKey, int(cornerParts[i]));
        const bool falling = i == 0 || i == 3;
        m_handles[i]->setCursor(falling ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor);
    }
    const int qw = image.width() / 4;
    const int qh = image.height() / 4;
    m_scene->setSceneRect(-qw, -qh, 6 * qw, 6 * qh);
    redraw();
}

void CropImage::redraw()
{
    if (!m_rectItem)
        return;
    const QRectF r = m_model.rect();
    m_rectItem->setRect(r);
    const double s = m_view->transform().m11() > 0 ? m_view->transform().m11() : 1.0;
    const double d = HandleSide / s;
    const QPointF points[4] = {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()};
    for (int i = 0; i < 4; ++i)
        m_handles[i]->setRect(points[i].x() - d / 2, points[i].y() - d / 2, d, d);
    const double iw = m_model.imageSize().width();
    const double ih = m_model.imageSize().height();
    const double lw = qBound(0.0, r.left(), iw);
    const double rw = qBound(0.0, iw - r.right(), iw);
    const double th = qBound(0.0, r.top(), ih);
    const double bh = qBound(0.0, ih - r.bottom(), ih);
    const double middle = qMax(0.0, iw - lw - rw);
    m_shades[0]->setRect(0, 0, lw, ih);
    m_shades[1]->setRect(iw - rw, 0, rw, ih);
    m_shades[2]->setRect(lw, 0, middle, th);
    m_shades[3]->setRect(lw, ih - bh, middle, bh);
}

void CropImage::zoomChanged()
{
    const double s = m_view->transform().m11();
    if (s <= 0)
        return;
    QPen outline = m_rectItem->pen();
    outline.setWidthF(1.0 / s);
    m_rectItem->setPen(outline);
    for (QGraphicsEllipseItem *h : m_handles) {
        QPen pen = h->pen();
        pen.setWidthF(1.0 / (3.5 * s));
        h->setPen(pen);
    }
    m_zoomInAct->setEnabled(1.0 / (3.5 * s) > 0.1);
    m_zoomOutAct->setEnabled(1.0 / (3.5 * s) < 5);
    redraw();
}

void CropImage::zoomIn()
{
    if (!m_zoomInAct->isEnabled())
        return;
    m_view->scale(1.25, 1.25);
    zoomChanged();
}

void CropImage::zoomOut()
{
    if (!m_zoomOutAct->isEnabled())
        return;
    m_view->scale(0.8, 0.8);
    zoomChanged();
}

void CropImage::normalSize()
{
    m_view->resetTransform();
    zoomChanged();
}

void CropImage::fitToWindow()
{
    m_view->fitInView(m_scene->sceneRect(), Qt::KeepAspectRatio);
    zoomChanged();
}

void CropImage::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    fitToWindow();
    m_view->setFocus();
}

template <typename Change> void CropImage::change(Change &&f)
{
    const CropModel::State before = m_model.state();
    f();
    if (m_model.state() != before)
        noteStep(before);
    redraw();
}

void CropImage::noteStep(const CropModel::State &before)
{
    m_undoStack->push(new CropCommand(before, m_model.state(), [this](const CropModel::State &state) {
        showState(state);
    }));
}

void CropImage::showState(const CropModel::State &state)
{
    m_model.setState(state);
    const QSignalBlocker quiet(m_outsideButton);
    m_outsideButton->setChecked(state.outside);
    redraw();
}

void CropImage::rotate()
{
    change([this] { m_model.rotate(); });
}

// Switching the mode is an undo step of its own, with the rectangle it
// pulled inside: Ctrl+Z gives back the rectangle and the mode that allowed
// it together, never a rectangle off the photograph with the mode off.
void CropImage::clickOutside(bool checked)
{
    if (m_outsideButton->isChecked() != checked)
        m_outsideButton->setChecked(checked); // comes back here through toggled
    else
        change([this, checked] { m_model.setOutside(checked); });
}

void CropImage::undo() { m_undoStack->undo(); }

void CropImage::redo() { m_undoStack->redo(); }

void CropImage::onDragged(CropView::Part part, QPointF delta)
{
    if (!m_dragging) {
        m_dragging = true;
        m_dragStart = m_model.state();
    }
    if (part == CropView::Part::Rect) {
        m_model.moveBy(delta.x(), delta.y());
    } else {
        for (int i = 0; i < 4; ++i)
            if (cornerParts[i] == part)
                m_model.dragCorner(corners[i], delta.x());
    }
    redraw();
}

void CropImage::onWheel(int delta)
{
    if (delta < 1)
        zoomOut();
    else
        zoomIn();
}

void CropImage::onKey(int key, Qt::KeyboardModifiers modifiers)
{
    const bool alt = modifiers & Qt::AltModifier;
    const bool ctrl = modifiers & Qt::ControlModifier;
    const bool shift = modifiers & Qt::ShiftModifier;
    if (ctrl && key == Qt::Key_Z) {
        if (shift)
            redo();
        else
            undo();
        return;
    }
    if (ctrl && key == Qt::Key_Y) {
        redo();
        return;
    }
    if (alt) {
        switch (key) {
        case Qt::Key_Minus: zoomOut(); return;
        case Qt::Key_Equal:
        case Qt::Key_Plus: zoomIn(); return;
        case Qt::Key_0: fitToWindow(); return;
        case Qt::Key_1: normalSize(); return;
        case Qt::Key_Up: rotate(); return;
        case Qt::Key_Right: next(); return;
        case Qt::Key_Left: previous(); return;
        default: break;
        }
    }
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: acceptOk(); return;
    case Qt::Key_Escape: reject(); return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (!alt || key == Qt::Key_Down)
            change([&] { m_model.stepKey(Qt::Key(key), shift, ctrl); });
        return;
    default: break;
    }
}

void CropImage::closeWith(CropStep step)
{
    m_step = step;
    accept();
}

void CropImage::previous()
{
    if (m_previousAct->isEnabled())
        closeWith(CropStep::Previous);
}

void CropImage::next()
{
    if (m_nextAct->isEnabled())
        closeWith(CropStep::Next);
}

void CropImage::acceptOk() { closeWith(CropStep::Ok); }
