#pragma once

#include "formats/ChooserMode.h"
#include "formats/PageSetup.h"
#include "formats/LayoutCatalogue.h"
#include "formats/PhotoSizeSelect.h"

#include <QModelIndex>
#include <QVector>
#include <QWidget>

struct FormatSettings;
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
    // `values`: the dialog's working copy of the preferences.
    PageFormat(FormatSettings *values, const PageSetup &data, ChooserMode mode, QWidget *parent = nullptr);

    // Takes the current layout as the chosen one and keeps the options in
    // the dialog's values (run when the dialog is accepted).
    void store();
    // The layout taken by store(); no frames when none was shown.
    const Page &chosenLayout() const { return m_chosen; }
    bool hasLayouts() const;
    const LayoutCatalogue &catalogue() const { return m_catalogue; }
    LayoutView *view() const { return m_view; }
    void retranslate();
    // The number of images the chosen layout will be filled with; with
    // "Add Images" the page count tells how many pages they will make.
    void setImageCount(int count);
    // The role of the catalogue's name of a row (its text is the name as
    // people read it).
    static constexpr int NameRole = Qt::UserRole;


public Q_SLOTS:
    void changeData(PageSetup data);
    void changeFormat(int index);
    void changeNPages(int n);
    void changeAddImages(bool checked);
    void changePlacingClosely(bool checked);
    void editListItem(QModelIndex index);
    void editLayout();

private:
    void rebuild();
    void updatePaperLine();
    void updatePageCount();
    // Runs the layout editor on `layout`, then reads the catalogue again
    // and selects the layout saved last, if any.
    void openEditor(const Page &layout);
    QString currentText() const;

    PageSetup m_data;
    ChooserMode m_mode;
    Page m_chosen;
    bool m_changed = false;
    int m_imageCount = 0;
    bool m_addImages = false; // "Add Images" is checked
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
    FormatSettings *m_values;
};
