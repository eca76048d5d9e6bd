#include "arrange/FrameWidget.h"
#include "arrange/PageSelection.h"

#include "arrange/Document.h"
#include "arrange/FrameRecord.h"
#include "arrange/PageRenderer.h"
#include "arrange/PrintResolution.h"
#include "library/IconRecord.h"
#include "library/IconsModel.h"
#include "library/ImageFile.h"

#include <QApplication>
#include <QDataStream>
#include <QDrag>
#include <QKeyEvent>
#include <QMimeData>
#include <QFileInfo>
#include <QPainter>
#include <QPolygon>
#include <QTransform>

FrameWidget::FrameWidget(QWidget *parent, const Document &document, PageSelection &view,
                         QPointer<FrameWidget> &current)
    : QPushButton(parent), m_doc(document), m_view(view), m_current(current)
{
    setAcceptDrops(true);
    setAttribute(Qt::WA_DeleteOnClose);
    connect(this, &QPushButton::clicked, this, &FrameWidget::slotClicked);
    setFocusPolicy(Qt::StrongFocus);
    show();
}

const PhotoFrame *FrameWidget::frame() const
{
    const int p = m_view.currentPage;
    if (!m_doc.hasPage(p) || frameIndex < 0 || frameIndex >= m_doc.page(p).frames.size())
        return nullptr;
    return &m_doc.page(p).frames.at(frameIndex);
}

int FrameWidget::frameCount() const
{
    const int p = m_view.currentPage;
    return m_doc.hasPage(p) ? m_doc.page(p).frames.size() : 0;
}

bool FrameWidget::selected(int index) const { return m_view.isFrameSelected(index); }

void FrameWidget::select(int index, bool on)
{
    if (index >= 0 && index < m_view.frames.size())
        m_view.frames[index] = on;
}

void FrameWidget::repaintCanvas()
{
    if (QWidget *canvas = parentWidget())
        for (FrameWidget *w : canvas->findChildren<FrameWidget *>(QString(), Qt::FindDirectChildrenOnly))
            w->update();
}

void FrameWidget::preparePicture()
{
    const PhotoFrame *f = frame();
    m_lowPpi = 0;
    const QString fault = f ? faultText(f->cache.fault, QSize(f->imageWidth, f->imageHeight)) : QString();
    if (f && !f->fileName.isEmpty() && f->cache.preview.isNull() && !fault.isEmpty()) {
        // A refused photograph: the frame names the file and says why.
        setIcon(QIcon());
        setText(QFileInfo(f->fileName).fileName() + QLatin1Char('\n') + fault);
        setToolTip(f->fileName + QLatin1Char('\n') + fault);
        return;
    }
    if (f && m_doc.awaitsPreview(*f)) {
        setIcon(QIcon());
        setText(QFileInfo(f->fileName).fileName() + QLatin1Char('\n') + QObject::tr("Loading the photograph…"));
        setToolTip(f->fileName);
        return;
    }
    if (!f || f->fileName.isEmpty() || f->cache.preview.isNull()) {
        setIcon(QIcon());
        setText(QObject::tr("Drag desired\nimages to\nthe layout."));
        setToolTip(f ? f->fileName : QString());
        return;
    }
    const int w = qMax(1, minimumWidth());
    const int h = qMax(1, minimumHeight());
    QImage crop = f->canvasCrop();
    if (f->turned)
        crop = crop.transformed(QTransform().rotate(270));
    // Made at the screen's density, drawn in the widget's own pixels.
    const qreal ratio = qMax<qreal>(1, devicePixelRatioF());
    const QSize device(qRound(w * ratio), qRound(h * ratio));
    QPixmap picture(device);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::white);
    {
        QPainter p(&picture);
        if (!crop.isNull())
            p.drawImage(QRectF(0, 0, w, h), crop.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        if (f->stamp.printDateStamp || f->stamp.printFileName || f->logo.printLogo) {
            RenderOptions options;
            options.source = m_doc.source;
            PageRenderer::drawOverlays(p, *f, QRectF(0, 0, w, h), qMax(divisor, 1), options);
        }
        if (!fault.isEmpty()) {
            // A damaged file: a red corner on the frame, the reason in its tip.
            const int side = qMax(qMin(w, h) / 5, 6);
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::red);
            p.drawPolygon(QPolygon({QPoint(w - side, 0), QPoint(w, 0), QPoint(w, side)}));
        }
    }
    setText(QString());
    // The same picture in every state: a focused button draws its icon in
    // the active mode, which some desktop styles tint. The focus shows as
    // an outline (paintEvent).
    QIcon icon;
    for (QIcon::Mode mode : {QIcon::Normal, QIcon::Active, QIcon::Selected})
        icon.addPixmap(picture, mode);
    setIcon(icon);
    setIconSize(QSize(w, h));
    if (PrintResolution::isLow(*f))
        m_lowPpi = qMax(1, int(PrintResolution::effectivePpi(*f)));
    setToolTip(PrintResolution::frameTip(*f) + (fault.isEmpty() ? QString() : QLatin1Char('\n') + fault));
    update();
}

QRect FrameWidget::badgeRect() const
{
    if (m_lowPpi <= 0)
        return QRect();
    QFont font = this->font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    const QString text = QObject::tr("%1 ppi").arg(m_lowPpi);
    const int height = metrics.height() + 4;
    const QRect badge(4, 4, metrics.horizontalAdvance(text) + height + 8, height);
    // A frame too small for it shows the badge cut at its edge.
    return badge.intersected(rect().adjusted(1, 1, -1, -1));
}

void FrameWidget::paintBadge(QPainter &p) const
{
    const QRect r = badgeRect();
    if (r.isEmpty())
        return;
    // A red label with a white warning sign and the figure: unmistakable on
    // any photograph.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(QColor(200, 0, 0));
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    const double side = r.height() - 6;
    const QPointF top(r.left() + 4 + side / 2, r.top() + 3);
    const QPolygonF sign({top, QPointF(top.x() + side / 2, top.y() + side), QPointF(top.x() - side / 2, top.y() + side)});
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(sign);
    p.setPen(QPen(QColor(200, 0, 0), qMax(1.5, side / 8)));
    p.drawLine(QPointF(top.x(), top.y() + side * 0.35), QPointF(top.x(), top.y() + side * 0.7));
    p.drawPoint(QPointF(top.x(), top.y() + side * 0.85));
    QFont font = this->font();
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(r.adjusted(int(side) + 8, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft,
               QObject::tr("%1 ppi").arg(m_lowPpi));
    p.restore();
}

void FrameWidget::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    QPainter p(this);
    if (hasFocus() && !icon().isNull()) {
        p.save();
        p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DashLine));
        p.drawRect(QRectF(3.5, 3.5, width() - 7, height() - 7));
        p.restore();
    }
    paintBadge(p);
    if (m_view.currentPage < 0 || !selected(frameIndex))
        return;
    p.setPen(QPen(QBrush(Qt::green), 2, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    p.drawRoundedRect(QRectF(1, 1, width() - 2, height() - 2), 8, 8);
}

void FrameWidget::slotClicked()
{
    if (QApplication::keyboardModifiers() & Qt::ControlModifier) {
        select(frameIndex, !selected(frameIndex));
        update();
    } else {
        m_view.frames.fill(false);
        select(frameIndex, true);
        repaintCanvas();
    }
    m_current = this;
    emit changeFrame(frameIndex);
}

void FrameWidget::focusInEvent(QFocusEvent *event)
{
    const Qt::KeyboardModifiers mods = QApplication::keyboardModifiers();
    if (!selected(frameIndex) && !(mods & (Qt::ControlModifier | Qt::ShiftModifier)) && m_current != this) {
        m_view.frames.fill(false);
        select(frameIndex, true);
        repaintCanvas();
    }
    m_current = this;
    emit changeFrame(frameIndex);
    QPushButton::focusInEvent(event);
}

void FrameWidget::keyPressEvent(QKeyEvent *event)
{
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const int key = event->key();
    if (key == Qt::Key_Insert && ctrl) {
        emit keyCopy();
    } else if (key == Qt::Key_Insert && shift) {
        emit keyPaste();
    } else if (key == Qt::Key_C || key == Qt::Key_V || key == Qt::Key_A) {
        if (!ctrl)
            return;
        if (key == Qt::Key_C) {
            emit keyCopy();
        } else if (key == Qt::Key_V) {
            emit keyPaste();
        } else {
            m_view.frames.fill(true);
            repaintCanvas();
            // The dock's frame commands follow the new selection.
            emit changeFrame(frameIndex);
        }
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        emit doubleFrame(frameIndex);
    } else if (key == Qt::Key_Delete) {
        emit removeFrame(frameIndex);
    } else if (key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down) {
        const int step = key == Qt::Key_Left || key == Qt::Key_Up ? -1 : 1;
        const int next = frameIndex + step;
        if (next < 0 || next >= frameCount())
            return;
        if (shift) {
            if (selected(next))
                select(frameIndex, false); // the selection shrinks
            else
                select(next, true); // it grows
            repaintCanvas();
        }
        // The focus moves to the neighbouring frame in frame order.
        if (QWidget *canvas = parentWidget())
            for (FrameWidget *w : canvas->findChildren<FrameWidget *>(QString(), Qt::FindDirectChildrenOnly))
                if (w->frameIndex == next)
                    w->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    } else {
        QPushButton::keyPressEvent(event);
    }
}

void FrameWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    Q_UNUSED(event)
    emit doubleFrame(frameIndex);
}

void FrameWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        pressX = event->pos().x();
        pressY = event->pos().y();
        // A plain press on a frame outside the selection makes it the
        // selection, so that a drag starting here carries this frame and not
        // one selected earlier (after a drop the focus and the selection may
        // be on different frames).
        if (!(event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier)) && !selected(frameIndex)) {
            m_view.frames.fill(false);
            select(frameIndex, true);
            repaintCanvas();
            m_current = this;
            emit changeFrame(frameIndex);
        }
    }
    QPushButton::mousePressEvent(event);
}

void FrameWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton)) {
        QPushButton::mouseMoveEvent(event);
        return;
    }
    const QPoint moved = event->pos() - QPoint(pressX, pressY);
    if (moved.manhattanLength() < QApplication::startDragDistance()) {
        QPushButton::mouseMoveEvent(event);
        return;
    }
    startDrag();
}

void FrameWidget::startDrag()
{
    const int p = m_view.currentPage;
    if (p < 0 || p >= m_doc.pageCount())
        return;
    // A copy: a drop during the drag changes the pages.
    const QVector<PhotoFrame> frames = m_doc.page(p).frames;
    QList<int> chosen;
    for (int i = 0; i < frames.size(); ++i)
        if (selected(i) && !frames[i].isEmpty())
            chosen << i;
    if (chosen.isEmpty() && frameIndex < frames.size() && !frames[frameIndex].isEmpty())
        chosen << frameIndex;
    if (chosen.isEmpty())
        return;
    auto *mime = new QMimeData;
    mime->setData(velmoraMimeType(), frameRecords(frames, chosen, IconItem::State::FromFrame));
    auto *drag = new QDrag(this);
    drag->setMimeData(mime);
    const QPixmap icon = frameRecordIcon(frames[chosen.first()]);
    if (!icon.isNull())
        drag->setPixmap(icon);
    setDown(false);
    drag->exec(Qt::MoveAction);
}

void FrameWidget::dragEnterEvent(QDragEnterEvent *event) { acceptDrag(event); }

void FrameWidget::dragMoveEvent(QDragMoveEvent *event) { acceptDrag(event); }

void FrameWidget::acceptDrag(QDragMoveEvent *event)
{
    const QMimeData *mime = event->mimeData();
    if (mime->hasFormat(velmoraMimeType())) {
        if (event->source() == this) {
            event->setDropAction(Qt::MoveAction);
            event->accept();
        } else {
            event->acceptProposedAction();
        }
    } else if (mime->hasFormat(QStringLiteral("text/uri-list"))) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void FrameWidget::dropEvent(QDropEvent *event)
{
    const QMimeData *mime = event->mimeData();
    QByteArray bytes;
    const bool own = mime->hasFormat(velmoraMimeType());
    if (own) {
        bytes = mime->data(velmoraMimeType());
    } else if (mime->hasFormat(QStringLiteral("text/uri-list"))) {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        IconsModel::itemsFromUrls(mime->urls(), out);
    } else {
        event->ignore();
        return;
    }
    if (own && event->source() == this) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->acceptProposedAction();
    }
    emit fillFrames(bytes, frameIndex);
}
