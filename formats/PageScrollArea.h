#pragma once

#include <QScrollArea>

// A page of a dialog's tabs inside a frameless scroll area: it asks for the
// whole size of its page, so the dialog opens showing all of it where the
// screen has room, and scrolls it where the screen is too small (a small
// screen, or a large scale factor) instead of pushing the dialog's buttons
// off the screen.
class PageScrollArea : public QScrollArea
{
    Q_OBJECT
public:
    explicit PageScrollArea(QWidget *page, QWidget *parent = nullptr);

    QSize sizeHint() const override;
};
