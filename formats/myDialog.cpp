#include "formats/myDialog.h"

#include "app/AppState.h"

namespace {
QPointer<myDialog> currentDialog;
}

myDialog::myDialog(QWidget *parent) : QDialog(parent), m_previous(currentDialog)
{
    currentDialog = this;
}

myDialog::~myDialog()
{
    if (currentDialog == this)
        currentDialog = m_previous;
}

myDialog *myDialog::current()
{
    return currentDialog;
}

int myDialog::exec()
{
    int result = Rejected;
    do {
        m_stayOpen = true;
        const OptionValues &o = appState().options;
        if (o.dialogWidth > 0 && o.dialogHeight > 0)
            resize(o.dialogWidth, o.dialogHeight);
        result = QDialog::exec();
    } while (!m_stayOpen);
    return result;
}

void myDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    appState().options.dialogWidth = width();
    appState().options.dialogHeight = height();
}
