#pragma once

#include "formats/DataDock.h"
#include "formats/myDialog.h"

class PathEdit;
class PhotoSize;
class Preferences;
class QCheckBox;
class QPushButton;
class QTabWidget;

// The options dialog: "Page Settings", "Photo Sizes" and "General", with
// "Show at Startup". Nothing reaches the application before takeResult(),
// except the print options, which act at once.
class TabOptions : public myDialog
{
    Q_OBJECT
public:
    TabOptions(const DataDock *setup, QWidget *parent = nullptr);

    // After an accepted exec(): stores "Show at Startup", the photo sizes and
    // the general options, and returns the page setup as edited.
    DataDock takeResult();
    void retranslate();

    Preferences *pageSettings() const { return m_preferences; }
    PhotoSize *photoSizes() const { return m_photoSizes; }
    PathEdit *general() const { return m_general; }

Q_SIGNALS:
    // Sent by takeResult() when the thumbnail cell size changed (the new size
    // is already in the application's values); the image lists follow it.
    void iconSizeChanged(int width, int height);

protected:
    void changeEvent(QEvent *event) override;

private:
    QTabWidget *tabs;
    Preferences *m_preferences;
    PhotoSize *m_photoSizes;
    PathEdit *m_general;
    QCheckBox *showBox;
    QPushButton *okButton;
    QPushButton *cancelButton;
};
