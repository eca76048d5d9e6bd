#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// Asks whether a new layout applies to the selected pages or to all pages.
class ChangeChoose : public QDialog
{
    Q_OBJECT
public:
    // `previousAnswer`: 0 "For the Selected Pages", 1 "For All Pages".
    explicit ChangeChoose(int previousAnswer, QWidget *parent = nullptr);

    // 0 for the selected pages, 1 for all pages.
    int answer() const;
    void retranslate();

private:
    QLabel *questionLabel;
    QGroupBox *applyGroup;
    QRadioButton *selectedRadio;
    QRadioButton *allRadio;
    QPushButton *okButton;
    QPushButton *cancelButton;
};
