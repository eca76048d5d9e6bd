#pragma once

#include <QGroupBox>
#include <QHash>

struct PaperColour;
class QComboBox;
class QLabel;
class QPushButton;

// The "Colour" group of the page settings: the printer's ICC profile for the
// paper shown and the rendering intent, kept per paper in the map handed in
// (the dialog's working copy).
class PaperColourBox : public QGroupBox
{
    Q_OBJECT
public:
    PaperColourBox(QHash<int, PaperColour> *papers, int paper, QWidget *parent = nullptr);

    // The paper (catalogue index) whose profile is shown and edited.
    void showPaper(int paper);
    void retranslate();

private:
    void fillProfiles();
    void profileChosen(int row);
    void intentChosen(int row);
    void browse();
    void store(const QString &path);

    QHash<int, PaperColour> *m_papers;
    int m_paper = 0;
    QLabel *m_profileLabel;
    QComboBox *m_profileCombo;
    QPushButton *m_browseButton;
    QLabel *m_intentLabel;
    QComboBox *m_intentCombo;
};
