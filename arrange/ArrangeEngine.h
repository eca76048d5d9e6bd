#pragma once

#include "arrange/ArrangeOptions.h"
#include "arrange/Document.h"
#include "arrange/PageSelection.h"
#include "formats/OrderPacker.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QStringList>
#include <QVector>

#include <functional>

class DocumentEdit;
class QDataStream;
struct IconItem;

// Puts photographs into frames: builds the pages from the document's current
// layout and a list of images, lays pages out again on a new layout, fills
// frames from image records, adds, empties and removes pages and frames,
// crops, stamps and marks frames with the logo. Each of these is one edit of
// a Document it does not own (one step of the history); it tells its owner
// what to refresh through signals. What the page dock shows (the current
// page and the selected frames) is handed in.
class ArrangeEngine : public QObject
{
    Q_OBJECT
public:
    explicit ArrangeEngine(Document &document, QObject *parent = nullptr);

    Document &document() { return m_doc; }
    const ArrangeOptions &options() const { return m_options; }
    void setOptions(const ArrangeOptions &options) { m_options = options; }

    // Rebuilds the document from `images` ("Add Images") or makes the
    // configured number of empty pages ("Add Pages").
    void arrangeAll(const QVector<IconItem> &images);
    // Takes `pages` as the document (frames of their own, each page its
    // own) and fills their frames in page and frame order with `images`.
    void arrangePages(const QVector<Page> &pages, const QVector<IconItem> &images);
    // One page for each packed sheet, on the template's paper, a frame for
    // each print placed on it holding the image of that print (`prints`
    // follows the order's lines).
    void arrangeOrder(const QVector<OrderSheet> &sheets, const QVector<IconItem> &prints);
    // Appends the packed sheets as pages of `paper` after the last page,
    // the document's layout unchanged; returns the first new page or -1.
    int appendOrder(const QVector<OrderSheet> &sheets, const QVector<IconItem> &prints, const Page &paper);
    // Gives the pages `selected` (in this order) the current layout; what no
    // longer fits goes onto pages appended after the last one.
    void relayoutSelected(const QList<int> &selected);
    // Lays every frame of every page, empty ones included, in sequence onto
    // the current layout.
    void relayoutAll();

    // Fills frames from the image records of `in`, starting at frame `frame`
    // of page `page`. With `replace` the first record replaces what that
    // frame holds; other records go into the following empty frames. Records
    // of frames dragged on page `current` move or exchange frames instead.
    // `what` names the step ("Drop Images", "Paste").
    void fill(QDataStream &in, int page, int frame, bool replace, int current, const QString &what);
    // The frame of the current page a paste goes into, or -1.
    int pasteTarget(const PageSelection &view) const;

    // Appends `count` empty pages; returns the index of the first, or -1.
    int addPages(int count);
    // Empties the selected frames of the current page.
    void removeSelectedFrames(const PageSelection &view);
    // Empties frame `frame` of page `page`; returns how many frames still
    // show the same file, or -1 when there was nothing to take.
    int takeBack(int page, int frame);
    // Removes the pages `rows`; false when nothing was removed.
    bool removePages(QList<int> rows);
    // Frame `at` (QPoint(frame, page)) takes the crop of `cropped`.
    void crop(const QPoint &at, const PhotoFrame &cropped);
    // The frames `frames` (QPoint(frame, page)) take the stamp, or the logo.
    void applyStamp(const QVector<QPoint> &frames, const StampDefaults &stamp);
    void applyLogo(const QVector<QPoint> &frames, const LogoDefaults &logo);
    // Every frame showing `path` takes the new preview, size and rotation.
    void followRotation(const QString &path, const QImage &preview, int width, int height, int rotation);
    // Takes over the pages read from a project; false when there are none.
    // With `decodeNow` every frame's preview is made at once; without, the
    // frames wait for takePreview.
    bool adoptLoadedPages(QVector<Page> pages, bool decodeNow = true);
    // Every frame showing `name` that has no preview yet takes this one
    // (a reduced decoding of the file, not yet turned, and its full size).
    void takePreview(const QString &name, const QImage &decoded, const QSize &full);
    // Empties the document for a new project.
    void clear();

Q_SIGNALS:
    void stringCountArrange(QString text);
    void modifiedChanged(bool modified);
    // The page list must be made again from the pages; `current` is the page
    // to show (-1: the one shown, as far as it still exists).
    void pagesRebuilt(int current);
    // Pages first..last changed (rows beyond the list are new pages).
    void pagesChanged(int first, int last);

private:
    struct Position
    {
        int page = 0;
        int frame = 0;
    };
    // Moves to the next frame, on the next page after the last frame.
    void advance(const QVector<Page> &pages, Position &pos) const;
    void emitCount();
    // Commits the edit, then tells the counts.
    void finish(DocumentEdit &edit);
    // `frame` with the stamp and logo defaults and the photograph of
    // `item`, turned and cropped.
    PhotoFrame placed(PhotoFrame frame, const IconItem &item) const;
    // The same, reading each file once: `read` keeps the first frame placed
    // of each file, whose content later frames of it take.
    PhotoFrame placedOnce(const PhotoFrame &frame, const IconItem &item, QHash<QString, PhotoFrame> &read) const;
    // Fills the frames of `pages` from page `first` on, in page and frame
    // order, with `images`.
    void fillInOrder(QVector<Page> &pages, int first, const QVector<IconItem> &images) const;
    // A page of `paper` for each sheet, titled from page `first` on, with a
    // frame for each placement; the print of each frame is appended to `items`.
    static QVector<Page> orderPages(const QVector<OrderSheet> &sheets, const Page &paper, int first,
                                    QVector<IconItem> &items, const QVector<IconItem> &prints);
    void fillFromRecord(PhotoFrame &target, const IconItem &item);
    // Returns the last page touched, -1 when nothing moved.
    int moveFrames(DocumentEdit &edit, QDataStream &in, IconItem item, int page, int frame, bool replace,
                   int current);
    // One step `what`: `change` made to each of `frames` (QPoint(frame, page)).
    void changeFrames(const QVector<QPoint> &frames, const QString &what,
                      const std::function<void(PhotoFrame &)> &change);
    // Changes every frame `change` accepts, in the pages and in every state
    // the history keeps; the pages touched are refreshed.
    void amendFrames(const std::function<bool(PhotoFrame &)> &change);

    const Page &layout() const { return m_doc.templatePage; }
    // Previews within the document's byte budget.
    PreviewRule previewRule() const;

    Document &m_doc;
    ArrangeOptions m_options;
};
