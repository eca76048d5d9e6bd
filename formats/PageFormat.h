#pragma once

#include "formats/DataDock.h"
#include "formats/LayoutCatalogue.h"
#include "formats/PhotoSizeSelect.h"

#include <QModelIndex>
#include <QVector>
#include <QWidget>

#include <functional>

class LayoutView;
class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QStandardItemModel;

// The layout chooser: the catalogue of layouts for the paper as thumbnails,
// with the options that go with choosing (placing closely, auto crop, adding
// images or empty pages). `mode`: 0 choose while the document is empty,
// 1 add pages, 2 change the layout of all pages, 3 of the selected pages.
class PageFormat : public QWidget
{
    Q_OBJECT
public:
    PageFormat(const DataDock &data, int mode, QWidget *parent = nullptr);

    // Makes the current layout the application's template and keeps the
    // options (run when the dialog is accepted).
    void store();
    bool hasLayouts() const;
    const LayoutCatalogue &catalogue() const { return m_catalogue; }
    LayoutView *view() const { return m_view; }
    void retranslate();

    // The layout editor, once the program has one: run modally on the
    // template page, then the catalogue is read again.
    using LayoutEditor = std::function<void(QWidget *parent)>;
    static void setLayoutEditor(LayoutEditor editor);

Q_SIGNALS:
    void getFotoSize(QVector<PhotoSizeSelect> &sizes);

public Q_SLOTS:
    void changeData(DataDock data);
    void changeFormat(int index);
    void changeNPages(int n);
    void changeAddImages(bool checked);
    void changePlacingClosely(bool checked);
    void editListItem(QModelIndex index);
    void editLayout();

private:
    void rebuild();
    void updatePaperLine();
    void openEditor();
    QString currentText() const;

    DataDock m_data;
    int m_mode;
    bool m_changed = false;
    QString m_currentName;
    QVector<PhotoSizeSelect> m_sizes;
    LayoutCatalogue m_catalogue;

    QStandardItemModel *m_model;
    QLabel *titleLabel;
    QLabel *paperLabel;
    QLabel *infoLabel;
    LayoutView *m_view;
    QCheckBox *closelyBox;
    QCheckBox *addImagesBox = nullptr;
    QCheckBox *autoCropBox;
    QPushButton *editButton;
    QLabel *addLabel = nullptr;
    QSpinBox *pagesBox = nullptr;
    QLabel *pagesLabel = nullptr;
};
