#pragma once

// The dock that owns the document: the pages, the document state and the
// arrangement engine. It shows the pages as a list of thumbnails beside a
// canvas with the current page, and carries the page and frame commands.

#include "arrange/Document.h"
#include "arrange/PageSelection.h"
#include "arrange/RenderOptions.h"
#include "formats/FormatSettings.h"
#include "formats/LogoDefaults.h"
#include "formats/StampDefaults.h"
#include "library/FrameReturn.h"
#include "arrange/FrameWidget.h"
#include "arrange/PageCanvas.h"

#include <QDockWidget>
#include <QFrame>
#include <QModelIndexList>
#include <QPointer>
#include <QStringList>
#include <QVector>

class ArrangeEngine;
class OrderTab;
class CanvasView;
class FrameTools;
class IconsModel;
class KeyListView;
class PageItemModel;
class QAction;
class QDataStream;
class QPainter;
class QSettings;
class TabPageFormat;
class QSplitter;
class QToolBar;
struct PageSetup;
struct IconItem;

class Arrange : public QDockWidget, public FrameReturn
{
    Q_OBJECT
public:
    // The dock shows and edits `document`, which the application owns.
    explicit Arrange(Document &document, QWidget *parent = nullptr);

    // The user's preferences the dock works with. The application hands them
    // in; after the layout chooser changed them the dock sends
    // preferencesChanged() and the application takes them back.
    void setPreferences(const FormatSettings &formats, const StampDefaults &stamp, const LogoDefaults &logo);
    const FormatSettings &preferences() const { return m_formats; }
    // The stamp and logo new frames start with, as the Stamp and Logo
    // commands last set them (preferencesChanged() tells when).
    const StampDefaults &stampDefaults() const { return m_stamp; }
    const LogoDefaults &logoDefaults() const { return m_logo; }
    // What pages are drawn with: the print-frame option, the credit line
    // (none when the credit option is off) and the document's image source.
    RenderOptions renderOptions() const;
    void setCreditText(const QString &text) { m_creditText = text; }
    void setDarkTheme(bool dark);
    // Trim marks on the canvas and in what is printed (renderOptions()).
    void setCutGuides(bool on);
    // The credit line under the photographs of printed and exported pages.
    void setPrintCredit(bool on);
    // The soft proof of the canvas: the page as the printer profile of the
    // current paper prints it, with the colours beyond its reach marked
    // when `markGamut`. Without a paper profile there is none (false).
    bool setProof(bool on, bool markGamut);
    bool paperHasProfile() const { return m_formats.page.paperColour().hasProfile(); }

    // A photograph dragged from the canvas back onto an image list.
    int takeBackFrame(int frame) override;

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
    bool changePaper(PageSetup &setup);
    void clearAll();
    // Takes over the pages read from a project: each frame's preview is made
    // from its embedded copy, the first page's layout becomes the current
    // one and the image lists recount their uses. False when there are none.
    // With `decodeNow` false the previews come later through takePreview.
    bool adoptLoadedPages(const QVector<Page> &pages, bool decodeNow = true);
    void retranslate();
    void readSettings(QSettings &s, bool noGeometry);
    void writeSettings(QSettings &s);
    // The clipboard changed (the main window tells).
    void setPasteEnabled(bool enabled);
    void setChooseEnabled(bool enabled);
    // The main window's JPEG export command: enabled while there are pages.
    void setExportAction(QAction *action);

    Document &document() { return m_doc; }
    // The page on the canvas and the frames selected on it.
    const PageSelection &selection() const { return m_selection; }
    PageSelection &selection() { return m_selection; }
    ArrangeEngine *engine() const { return m_engine; }
    // The list of images chosen for printing (the selection dock's model).
    void setImageList(IconsModel *model);
    // The dialogs of the Crop, Stamp and Logo commands (not owned).
    void setFrameTools(FrameTools *tools) { m_tools = tools; }

    // Widgets, for the commands that give the focus back and for tests.
    KeyListView *pageList() const { return m_list; }
    PageItemModel *pageModel() const { return m_model; }
    QFrame *canvas() const { return m_canvas; }
    QFrame *canvasArea() const { return m_canvasArea; }
    CanvasView *canvasView() const { return m_view; }
    QList<FrameWidget *> frameWidgets() const;
    FrameWidget *currentFrameWidget() const { return m_currentFrame; }
    QToolBar *toolBar() const { return m_toolBar; }
    int thumbWidth() const { return m_thumbWidth; }
    int thumbHeight() const { return m_thumbHeight; }
    int thumbDivisor() const { return m_thumbDivisor; }
    int canvasDivisor() const { return m_canvasDivisor; }

    // Refreshes the list rows first..last (appending missing ones) and the
    // canvas of the current page.
    void updateItems(int first, int last);
    // Makes the page list again from the pages.
    void rebuildList();

Q_SIGNALS:
    void stringCountArrange(QString text);
    void modifiedChanged(bool modified);
    void preferencesChanged();

public Q_SLOTS:
    void indexListRotate(QModelIndexList list);
    void indexRotate(QModelIndex index);
    void currentItem(QModelIndex index);
    void fillPageFrames(QByteArray records, int nPage);
    void fillFrames(QByteArray records, int nFrame);
    void removePage();
    bool newChoose();
    void addPages();
    void removeFrame(int n);
    void clearFrame();
    void dateStamp();
    void logo();
    void paste();
    void copy();
    void cropEdit();
    void cropEditFrame(int n);
    void changeEnable(int n);

private:
    // Runs the chooser; when accepted takes its preferences and layout.
    bool runChooser(TabPageFormat &chooser);
    // The engine's options from the preferences, with "Add Images" as given.
    void applyOptions(bool addImages);
    void createWidgets();
    void createActions();
    QVector<IconItem> chosenImages();
    // Pages packed from the order of the chooser's "Order" tab.
    void arrangeOrder(const OrderTab &order, const QVector<IconItem> &images);
    // The image of each line of `order`, found among `images`.
    static QVector<IconItem> orderPrints(const OrderTab &order, const QVector<IconItem> &images);
    static QStringList fileNames(const QVector<IconItem> &images);
    // The current paper without frames, titled for orders.
    Page orderPaper() const;
    void showDock();
    // The sizes of the page icons and the canvas from the current layout.
    void computeSizes();
    // The canvas at the scale of its view.
    void sizeCanvas();
    // The view's scale changed: the frames of the page are placed and drawn
    // again at the new one, keeping their selection and focus.
    void rescaleCanvas();
    // The trim marks of the current page on the canvas, when they are on.
    void updateGuides();
    QIcon pageIcon(const Page &page) const;
    // A fresh, empty canvas frame in the canvas area.
    void resetCanvas();
    // Shows page `row` on the canvas; the frame selection is kept when the
    // page is the one already shown.
    void showPage(int row);
    // The page the canvas shows becomes `row`, no frame selected.
    void setViewPage(int row);
    // The pages came back from the history: list, canvas and counts again.
    void showRestored();
    void focusCurrentFrame();
    // The crop editor from frame `frame` of the current page on, stepping
    // through the filled frames as the user asks.
    void cropSeries(int frame);
    const PhotoFrame *firstFilledFrame() const;
    // The stamp and logo accepted in their dialogs become the ones new
    // frames take; the application is told.
    void adoptFrameDefaults(const StampDefaults &stamp, const LogoDefaults &logo);

    FormatSettings m_formats;
    StampDefaults m_stamp;
    LogoDefaults m_logo;
    QString m_creditText = RenderOptions::creditFor(QString());
    Document &m_doc;
    PageSelection m_selection;
    ArrangeEngine *m_engine;
    QPointer<IconsModel> m_images;
    QPointer<QAction> m_exportAction;
    FrameTools *m_tools = nullptr;
    int m_chooseAnswer = 0; // 0 for the selected pages, 1 for all pages
    int m_thumbWidth = 0;
    int m_thumbHeight = 0;
    int m_thumbDivisor = 0;
    int m_canvasDivisor = 0;
    int m_canvasPage = -1; // the page the canvas was built for
    QString m_unitSuffix;  // as translated when the titles were last made

    QToolBar *m_toolBar = nullptr;
    QSplitter *m_splitter = nullptr;
    KeyListView *m_list = nullptr;
    PageItemModel *m_model = nullptr;
    CanvasView *m_view = nullptr;
    QFrame *m_canvasArea = nullptr;
    QPointer<PageCanvas> m_canvas;
    QPointer<FrameWidget> m_currentFrame;

    QAction *m_chooseAct = nullptr;
    QAction *m_addAct = nullptr;
    QAction *m_removeAct = nullptr;
    QAction *m_cropAct = nullptr;
    QAction *m_stampAct = nullptr;
    QAction *m_logoAct = nullptr;
    QAction *m_clearAct = nullptr;
    QAction *m_copyAct = nullptr;
    QAction *m_pasteAct = nullptr;
};
