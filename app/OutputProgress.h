#pragma once

#include <QProgressDialog>

// Progress of printing or exporting many pages: shows the page being done,
// keeps the window repainting between pages and offers Cancel.
class OutputProgress
{
public:
    OutputProgress(QWidget *parent, int total);
    ~OutputProgress();

    // Before the next page; false once the user cancelled.
    bool step(int done, const QString &text);
    bool cancelled() const { return m_dialog.wasCanceled(); }

private:
    QProgressDialog m_dialog;
};
