#pragma once

#include "formats/PageSetup.h"
#include "formats/SizedDialog.h"

class GeneralTab;
class PhotoSize;
class PageSettingsTab;
class QCheckBox;
class QPushButton;
class QTabWidget;

// The options dialog: "Page Settings", "Photo Sizes" and "General", with
// "Show at Startup". It edits a copy of the preferences; the caller takes
// the copy when the dialog was accepted (the print options always).
class TabOptions : public SizedDialog
{
    Q_OBJECT
public:
    // The dialog edits a copy of `values`.
    explicit TabOptions(const FormatSettings &values, QWidget *parent = nullptr);

    // After an accepted exec(): takes "Show at Startup", the photo sizes and
    // the general options into values(), and returns the page setup as
    // edited (the caller checks it against the document before adopting it).
    PageSetup store();
    void retranslate();

    PageSettingsTab *pageSettings() const { return m_pageSettings; }
    PhotoSize *photoSizes() const { return m_photoSizes; }
    GeneralTab *general() const { return m_general; }

protected:
    void changeEvent(QEvent *event) override;

private:
    QTabWidget *tabs;
    PageSettingsTab *m_pageSettings;
    PhotoSize *m_photoSizes;
    GeneralTab *m_general;
    QCheckBox *showBox;
    QPushButton *okButton;
    QPushButton *cancelButton;
};
