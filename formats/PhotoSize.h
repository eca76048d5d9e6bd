#pragma once

#include "formats/PhotoSizeList.h"

#include <QVector>
#include <QWidget>

struct FormatSettings;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The "Photo Sizes" tab: the list of print sizes of the current unit with a
// tick for each size offered as a layout, and the controls to add and delete
// sizes. The lists are edited in working copies (PhotoSizeList) that reach
// the application only through store().
class PhotoSize : public QWidget
{
    Q_OBJECT
public:
    // `values`: the dialog's working copy of the preferences (the lists).
    PhotoSize(FormatSettings *values, int unit, QWidget *parent = nullptr);

    const PhotoSizeList &sizes() const { return m_sizes; }
    // Makes the working lists the application's lists.
    void store();
    void retranslate();

public Q_SLOTS:
    void addSize();
    void deleteSize();
    void changeMeasureUnits(int unit);
    void currentRow(int row);
    void widthChanged(double value);
    void heightChanged(double value);

protected:
    void changeEvent(QEvent *event) override;

private:
    void fillList();
    void tickChanged(QListWidgetItem *item);
    QListWidgetItem *makeRow(int row);
    bool confirmDelete(const QString &text);

    PhotoSizeList m_sizes;
    QListWidget *list = nullptr;
    QLabel *widthLabel = nullptr;
    QLabel *heightLabel = nullptr;
    QDoubleSpinBox *widthBox = nullptr;
    QDoubleSpinBox *heightBox = nullptr;
    QPushButton *addButton = nullptr;
    QPushButton *deleteButton = nullptr;
    FormatSettings *m_values;
};
