#include "formats/SizedDialog.h"

#include "formats/FormatSettings.h"

namespace {
QPointer<SizedDialog> currentDialog;
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
