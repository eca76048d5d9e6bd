#pragma once

#include "formats/StampDefaults.h"

#include <QColor>
#include <QDialog>
#include <QFont>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class ScopeBox;

// The stamp dialog: the date taken and/or the file name printed over the
// photographs, in a font, a colour and one of eight positions, and the
// frames it goes to (selected images, selected pages, all pages).
class DateStamp : public QDialog
{
    Q_OBJECT
public:
    explicit DateStamp(const StampDefaults &values, QWidget *parent = nullptr);

    // The stamp as the dialog shows it (scope in allPageDateStamp).
    StampDefaults values() const;

    // Pieces for tests.
    QCheckBox *fileNameBox() const { return m_fileNameBox; }
    QCheckBox *dateBox() const { return m_dateBox; }
    QLineEdit *sample() const { return m_sample; }
    QButtonGroup *positions() const { return m_positions; }
    QButtonGroup *scopes() const;

    // "Courier 10/75", with " Italic" for a slanted font.
    static QString fontDescription(const QFont &font);

public Q_SLOTS:
    void changeDateStamp(bool on);
    void changeFileNameStamp(bool on);
    void changeColor();
    void changeFont();

private:
    void updateEnabling();
    void showSample();

    QFont m_font;
    QColor m_color;
    QCheckBox *m_fileNameBox = nullptr;
    QCheckBox *m_dateBox = nullptr;
    QLineEdit *m_sample = nullptr;
    QPushButton *m_fontButton = nullptr;
    QPushButton *m_colorButton = nullptr;
    QLabel *m_fontLabel = nullptr;
    QLabel *m_colorLabel = nullptr;
    ScopeBox *m_scopes = nullptr;
    QButtonGroup *m_positions = nullptr;
};
