#pragma once

#include "app/ExportValues.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QGroupBox;

// The choice of pages and JPEG quality before an export, as JPEG files or
// as one PDF (which has no quality). Reads the export values when built;
// store() writes them back once the dialog was accepted. "File names:"
// accepts the dialog with a request to choose the base name again. It also
// offers the trim marks (setCutGuides(), cutGuides()) and the credit line
// under the photographs (setCredit(), credit(): the switch of the options
// dialog, shown where it acts).
class ExportDialog : public QDialog
{
    Q_OBJECT
public:
    enum class Format { Jpeg, Pdf };

    // Shows `values`; store() hands the choices back. For a PDF `baseName`
    // is the file's whole name.
    ExportDialog(const ExportValues &values, const QString &baseName, QWidget *parent = nullptr,
                 Format format = Format::Jpeg);

    void store(ExportValues &values) const;
    void setCutGuides(bool on);
    bool cutGuides() const;
    void setCredit(bool on);
    bool credit() const;
    bool fileNamesRequested() const { return m_fileNames; }
    void retranslate();

public Q_SLOTS:
    void openFile();
    void changeMode(bool checked);

private:
    QString m_baseName;
    Format m_format;
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
    QCheckBox *guidesBox;
    QCheckBox *creditBox;
    QPushButton *okButton;
    QPushButton *cancelButton;
};
