#pragma once

#include "formats/IconSizeRule.h"

#include <QWidget>

struct FormatSettings;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The "General" tab: the size of the thumbnail cells with a sample cell,
// the program used to edit images, and whether photographs carry the credit
// line.
class GeneralTab : public QWidget
{
    Q_OBJECT
public:
    // `values`: the dialog's working copy of the preferences.
    explicit GeneralTab(FormatSettings *values, QWidget *parent = nullptr);

    const IconSizeRule &iconSize() const { return m_size; }
    QString editorPath() const;
    // Puts the edited values into the application; true when the thumbnail
    // cell size changed.
    bool store();
    void retranslate();

public Q_SLOTS:
    void browse();
    void keepChanged(int state);
    void widthChanged(int width);
    void heightChanged(int height);

protected:
    void changeEvent(QEvent *event) override;

private:
    void showSize();

    IconSizeRule m_size;
    QGroupBox *iconGroup = nullptr;
    QLabel *previewLabel = nullptr;
    QLabel *widthLabel = nullptr;
    QLabel *heightLabel = nullptr;
    QSpinBox *widthBox = nullptr;
    QSpinBox *heightBox = nullptr;
    QCheckBox *keepBox = nullptr;
    QGroupBox *editorGroup = nullptr;
    QLabel *editorLabel = nullptr;
    QPushButton *browseButton = nullptr;
    QLineEdit *m_editorEdit = nullptr;
    FormatSettings *m_values;
    QCheckBox *creditBox = nullptr;
};
