#pragma once

#include "formats/ChooserMode.h"
#include "formats/Page.h"
#include "formats/PageSetup.h"
#include "formats/SizedDialog.h"

class OrderTab;
class PageFormat;
class PhotoSize;
class PageSettingsTab;
class QPushButton;
class QTabWidget;

// The layout chooser dialog: the chooser (PageFormat) beside "Page Settings"
// and "Photo Sizes". While pages are added or the layout of some pages is
// changed the paper stays the document's: the page settings cannot be
// changed.
class TabPageFormat : public SizedDialog
{
    Q_OBJECT
public:
    // The dialog edits a copy of `values`, starting from the page setup
    // `setup`.
    TabPageFormat(ChooserMode mode, const FormatSettings &values, const PageSetup &setup,
                  QWidget *parent = nullptr);

    // After an accepted exec(): takes the photo sizes, the chosen layout, the
    // options and the page setup as edited into values().
    void store();
    const Page &chosenLayout() const;
    void retranslate();

    PageFormat *chooser() const { return m_pageFormat; }
    PageSettingsTab *pageSettings() const { return m_pageSettings; }
    PhotoSize *photoSizes() const { return m_photoSizes; }
    QTabWidget *tabWidget() const { return tabs; }
    QPushButton *okButton() const { return m_okButton; }

    // Adds the "Order" tab for `photos` (the selected images): Ok on it
    // takes the order instead of a layout.
    void offerOrder(const QStringList &photos);
    OrderTab *orderTab() const { return m_order; }
    // The dialog was accepted on the "Order" tab.
    bool orderChosen() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    void updateOk();

    ChooserMode m_mode;
    QTabWidget *tabs;
    PageSettingsTab *m_pageSettings; // made first: it brings the setup into range
    PageFormat *m_pageFormat;
    PhotoSize *m_photoSizes;
    QPushButton *m_okButton;
    QPushButton *m_cancelButton;
    OrderTab *m_order = nullptr;
};
