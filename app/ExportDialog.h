#pragma once

#include "app/ExportValues.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QGroupBox;

// The choice of pages and JPEG quality before an export. Reads the export
// values when built; store() writes them back once the dialog was accepted.
// "File names:" accepts the dialog with a request to choose the base name
// again.
class ExportDialog : public QDialog
{
    Q_OBJECT
public:
    // Shows `values`; store() hands the choices back.
    ExportDialog(const ExportValues &values, const QString &baseName, QWidget *parent = nullptr);

    void store(ExportValues &values) const;
    bool fileNamesRequested() const { return m_fileNames; }
    void retranslate();

public Q_SLOTS:
    void openFile();
    void changeMode(bool checked);

private:
    QString m_baseName;
    bool m_fileNames = false;
    QPushButton *fileButton;
    QLabel *nameLabel;
    QGroupBox *rangeBox;
    QRadioButton *allButton;
    QRadioButton *currentButton;
    QRadioButton *selectedButton;
    QRadioButton *pagesButton;
    QSpinBox *fromBox;
    QLabel *toLabel;
    QSpinBox *toBox;
    QLabel *qualityLabel;
    QSpinBox *qualityBox;
    QPushButton *okButton;
    QPushButton *cancelButton;
};
