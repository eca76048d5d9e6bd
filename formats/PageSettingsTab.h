#pragma once

#include "formats/PageSetup.h"

#include <QWidget>

struct FormatSettings;
class PageSetupModel;
class PaperColourBox;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSpinBox;

// The "Page Settings" tab: unit, orientation, paper, margins and the two
// print options. The editing rules live in PageSetupModel; this widget shows
// the model and hands it every edit.
class PageSettingsTab : public QWidget
{
    Q_OBJECT
public:
    // `values`: the dialog's working copy of the preferences (print options).
    PageSettingsTab(FormatSettings *values, const PageSetup &data, QWidget *parent = nullptr);

    PageSetup data() const;
    PageSetupModel *model() const { return m_model; }
    void retranslate();

Q_SIGNALS:
    void changedMeasureUnits(int unit);
    void changedData(PageSetup data);

public Q_SLOTS:
    void changeMeasureUnits(bool checked);
    void changeOrientation(bool checked);
    void paperSizeChanged(int index);
    void widthChanged(double value);
    void heightChanged(double value);
    void borderlessChanged(int state);
    void printFrameChanged(int state);
    void leftChanged(double value);
    void rightChanged(double value);
    void topChanged(double value);
    void bottomChanged(double value);
    void printJobMaxChanged(int pages);

protected:
    void changeEvent(QEvent *event) override;

private:
    void buildControls();
    void connectControls();
    void fillPaperList();
    void showModel();
    QDoubleSpinBox *lengthBox(double max);

    PageSetupModel *m_model;

    QGroupBox *unitsGroup = nullptr;
    QRadioButton *inchRadio = nullptr;
    QRadioButton *mmRadio = nullptr;
    QRadioButton *cmRadio = nullptr;
    QGroupBox *orientationGroup = nullptr;
    QRadioButton *portraitRadio = nullptr;
    QRadioButton *landscapeRadio = nullptr;
    QGroupBox *paperGroup = nullptr;
    QComboBox *paperCombo = nullptr;
    QLabel *widthLabel = nullptr;
    QLabel *heightLabel = nullptr;
    QDoubleSpinBox *widthBox = nullptr;
    QDoubleSpinBox *heightBox = nullptr;
    QGroupBox *marginsGroup = nullptr;
    QCheckBox *borderlessBox = nullptr;
    QLabel *topLabel = nullptr;
    QLabel *bottomLabel = nullptr;
    QLabel *leftLabel = nullptr;
    QLabel *rightLabel = nullptr;
    QDoubleSpinBox *topBox = nullptr;
    QDoubleSpinBox *bottomBox = nullptr;
    QDoubleSpinBox *leftBox = nullptr;
    QDoubleSpinBox *rightBox = nullptr;
    QLabel *previewLabel = nullptr;
    QGroupBox *printGroup = nullptr;
    QLabel *jobLabel = nullptr;
    QSpinBox *jobBox = nullptr;
    QCheckBox *frameBox = nullptr;
    PaperColourBox *colourBox = nullptr; // the printer profile of the paper
    FormatSettings *m_values;
};
