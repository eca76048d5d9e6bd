#pragma once

#include "formats/FormatSettings.h"

#include <memory>

#include <QDialog>
#include <QPointer>

// A dialog that opens at the size it last had (shared by every such dialog
// through dialogWidth/dialogHeight) and that can be shown again after it hid
// itself: a caller that wants that clears the stay-open flag before hiding.
// It never opens larger than the screen it is on, and its pages scroll when
// the screen is smaller than they are (a small screen, or a large scale).
class SizedDialog : public QDialog
{
    Q_OBJECT
public:
    // The dialog works on a copy of `values`.
    explicit SizedDialog(const FormatSettings &values, QWidget *parent = nullptr);

    // The preferences as edited so far; the caller takes them when the
    // dialog was accepted (and the print options and dialog size always).
    const FormatSettings &values() const { return *m_values; }
    ~SizedDialog() override;

    int exec() override;
    // The modal loop that ends next is run again.
    void clearStayOpen() { m_stayOpen = false; }

    // The dialog constructed last and still alive, if any.
    static SizedDialog *current();

    // `wanted` made small enough for a window on `available` (a screen's
    // available area) with its frame and title bar.
    static QSize fitted(const QSize &wanted, const QRect &available);

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

protected:
    // Owned by the dialog; the tabs edit it through this pointer.
    std::unique_ptr<FormatSettings> m_values;

private:
    bool m_stayOpen = true;
    QPointer<SizedDialog> m_previous;
};
