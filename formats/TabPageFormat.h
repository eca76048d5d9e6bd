#pragma once

#include "formats/DataDock.h"
#include "formats/myDialog.h"

class PageFormat;
class PhotoSize;
class Preferences;
class QPushButton;
class QTabWidget;

// The layout chooser dialog: the chooser (PageFormat) beside "Page Settings"
// and "Photo Sizes". `mode` as for PageFormat; in mode 3 the page settings
// cannot be changed.
class TabPageFormat : public myDialog
{
    Q_OBJECT
public:
    TabPageFormat(int mode, const DataDock *setup, QWidget *parent = nullptr);

    // After an accepted exec(): stores the photo sizes, the chosen layout and
    // the options, and returns the page setup as edited.
    DataDock takeResult();
    void retranslate();

    PageFormat *chooser() const { return m_pageFormat; }
    Preferences *pageSettings() const { return m_preferences; }
    PhotoSize *photoSizes() const { return m_photoSizes; }
    QTabWidget *tabWidget() const { return tabs; }
    QPushButton *okButton() const { return m_okButton; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void updateOk();

    int m_mode;
    QTabWidget *tabs;
    PageFormat *m_pageFormat;
    Preferences *m_preferences;
    PhotoSize *m_photoSizes;
    QPushButton *m_okButton;
    QPushButton *m_cancelButton;
};
