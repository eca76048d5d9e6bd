#include "formats/SizedDialog.h"

#include "formats/FormatSettings.h"

#include <QScreen>

namespace {
QPointer<SizedDialog> currentDialog;
// Room left on the screen for the window's frame and title bar, which are
// not known before the window is shown.
const QSize FrameRoom(16, 48);
}

SizedDialog::SizedDialog(const FormatSettings &values, QWidget *parent)
    : QDialog(parent), m_values(std::make_unique<FormatSettings>(values)), m_previous(currentDialog)
{
    currentDialog = this;
}

SizedDialog::~SizedDialog()
{
    if (currentDialog == this)
        currentDialog = m_previous;
}

SizedDialog *SizedDialog::current()
{
    return currentDialog;
}

QSize SizedDialog::fitted(const QSize &wanted, const QRect &available)
{
    return wanted.boundedTo((available.size() - FrameRoom).expandedTo(QSize(1, 1)));
}

void SizedDialog::showEvent(QShowEvent *event)
{
    // The natural size and a size remembered on a larger screen (or at a
    // smaller scale) are both cut to the screen the dialog opens on, and the
    // dialog is moved so that all of it, its buttons too, is on that screen.
    const QScreen *s = parentWidget() ? parentWidget()->screen() : screen();
    const QRect available = s ? s->availableGeometry() : QRect();
    if (s) {
        // Not resized yet: the size the pages ask for, rather than the
        // toolkit's two thirds of the screen.
        const QSize wanted = testAttribute(Qt::WA_Resized) ? this->size() : sizeHint();
        const QSize size = fitted(wanted, available);
        if (size != this->size())
            resize(size);
    }
    QDialog::showEvent(event);
    if (!s)
        return;
    QRect frame(pos(), size() + FrameRoom);
    if (!available.contains(frame)) {
        frame.moveLeft(qBound(available.left(), frame.left(), available.right() - frame.width() + 1));
        frame.moveTop(qBound(available.top(), frame.top(), available.bottom() - frame.height() + 1));
        move(frame.topLeft());
    }
}

int SizedDialog::exec()
{
    int result = Rejected;
    do {
        m_stayOpen = true;
        const OptionValues &o = m_values->options;
        if (o.dialogWidth > 0 && o.dialogHeight > 0)
            resize(o.dialogWidth, o.dialogHeight);
        result = QDialog::exec();
    } while (!m_stayOpen);
    return result;
}

void SizedDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    m_values->options.dialogWidth = width();
    m_values->options.dialogHeight = height();
}
