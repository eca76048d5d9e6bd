#include "platform/Program.h"
#include "app/OutputProgress.h"

#include "app/Shell.h"

#include <QCoreApplication>

OutputProgress::OutputProgress(QWidget *parent, int total) : m_dialog(parent)
{
    m_dialog.setWindowTitle(Program::name());
    m_dialog.setWindowModality(Qt::WindowModal);
    m_dialog.setCancelButtonText(QObject::tr("Cancel"));
    m_dialog.setAutoClose(false);
    m_dialog.setAutoReset(false);
    m_dialog.setMinimumDuration(0);
    m_dialog.setRange(0, qMax(1, total));
    m_dialog.setMinimumWidth(300);
}

OutputProgress::~OutputProgress() { m_dialog.close(); }

bool OutputProgress::step(int done, const QString &text)
{
    m_dialog.setLabelText(text);
    m_dialog.setValue(done);
    QCoreApplication::processEvents();
    return !m_dialog.wasCanceled();
}
