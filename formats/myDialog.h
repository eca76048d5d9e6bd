#pragma once

#include <QDialog>
#include <QPointer>

// A dialog that opens at the size it last had (shared by every such dialog
// through dialogWidth/dialogHeight) and that can be shown again after it hid
// itself: a caller that wants that clears the stay-open flag before hiding.
class myDialog : public QDialog
{
    Q_OBJECT
public:
    explicit myDialog(QWidget *parent = nullptr);
    ~myDialog() override;

    int exec() override;
    // The modal loop that ends next is run again.
    void clearStayOpen() { m_stayOpen = false; }

    // The dialog constructed last and still alive, if any.
    static myDialog *current();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    bool m_stayOpen = true;
    QPointer<myDialog> m_previous;
};
