#pragma once

// The dock that owns the document: the pages, the document state and the
// arrangement engine. The page list and the canvas are still to come; until
// then the dock shows a short note, and its commands act on the current page.

#include "arrange/Document.h"

#include <QDockWidget>
#include <QModelIndexList>
#include <QPointer>
#include <QStringList>
#include <QVariantMap>
#include <QVector>

class ArrangeEngine;
class IconsModel;
class QDataStream;
class QLabel;
class QPainter;
class QSettings;
struct DataDock;
struct IconItem;

class Arrange : public QDockWidget
{
    Q_OBJECT
public:
    explicit Arrange(QWidget *parent = nullptr);

    int pageCount() const;
    // The page shown on the canvas, -1 when there is none.
    int currentPageIndex() const;
    // The pages selected in the page list, in the order they were selected.
    QList<int> selectedPageIndexes() const;
    // Page `index` (0 <= index < pageCount()).
    const Page &page(int index) const;
    // Draws page `pageIndex` into the painter's window (printing, export);
    // nothing for an index beyond the document.
    void drawPage(QPainter *painter, int pageIndex);
    // Printable width and height of the current layout, in hundredths of a
    // millimetre (zero while there is no layout).
    void layoutPrintableArea(int &width, int &height) const;
    // Opens the layout choice; false when the user cancelled.
    bool chooseLayout();
    // Opens the layout choice on `setup`; when accepted every page is laid
    // out again and `setup` holds the accepted page setup.
    bool changePaper(DataDock &setup);
    void clearAll();
    void retranslate();
    void readSettings(QSettings &s, bool noGeometry);
    void writeSettings(QSettings &s);
    void setPasteEnabled(bool enabled);
    void setChooseEnabled(bool enabled);

    Document &document() { return m_doc; }
    ArrangeEngine *engine() const { return m_engine; }
    // The list of images chosen for printing (the selection dock's model).
    // When none was given, the selection dock of the main window is used.
    void setImageList(IconsModel *model);

Q_SIGNALS:
    void updateArrange(QStringList names);
    void addImagesArrange(QStringList incList, QStringList decList);
    void removeArrange(QString name);
    void removeFrames(QStringList names);
    void stringCountArrange(QString text);
    void setModif(bool modified);

public Q_SLOTS:
    void indexListRotate(QModelIndexList list);
    void indexRotate(QModelIndex index);
    void testListArrange();
    void fillPageFrames(QDataStream *in, int nPage);
    void fillFrames(QDataStream *in, int nFrame);
    void backDrop(int *frame);
    void removePage();
    bool newChoose();
    void addPages();
    void removeFrame(int n);
    void clearFrame();
    void paste();

private:
    QVector<IconItem> chosenImages();
    // The pages the page-wide commands act on.
    QList<int> selectedPages() const;
    void showDock();
    void showState();

    QLabel *m_label;
    QVariantMap m_keptSettings; // carried through unchanged
    Document m_doc;
    ArrangeEngine *m_engine;
    QPointer<IconsModel> m_images;
    int m_chooseAnswer = 0; // 0 for the selected pages, 1 for all pages
};
