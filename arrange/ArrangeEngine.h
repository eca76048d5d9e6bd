#pragma once

#include "arrange/ArrangeOptions.h"
#include "arrange/Document.h"
#include "formats/OrderPacker.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <QVector>

class QDataStream;
struct IconItem;

// Puts photographs into frames: builds the pages from the document's current
// layout and a list of images, lays pages out again on a
// new layout, fills frames from image records, adds, empties and removes
// pages and frames. It works on a Document it does not own and tells its
// owner what to refresh through signals.
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
    // Gives the pages `selected` (in this order) the current layout; what no
    // longer fits goes onto pages appended after the last one.
    void relayoutSelected(const QList<int> &selected);
    // Lays every frame of every page, empty ones included, in sequence onto
    // the current layout.
    void relayoutAll();

    // Fills frames from the image records of `in`, starting at frame `frame`
    // of page `page`. With `replace` the first record replaces what that
    // frame holds; other records go into the following empty frames. Records
    // of frames dragged on the current page move or exchange frames instead.
    void fill(QDataStream &in, int page, int frame, bool replace);
    // The frame of the current page a paste goes into, or -1.
    int pasteTarget() const;

    // Appends `count` empty pages; returns the index of the first, or -1.
    int addPages(int count);
    // Empties the selected frames of the current page.
    void removeSelectedFrames();
    // Empties frame `frame` of the current page; returns how many frames
    // still show the same file, or -1 when there was nothing to take.
    int takeBack(int frame);
    // Removes the pages `rows`; false when nothing was removed.
    bool removePages(QList<int> rows);
    // Every frame showing `path` takes the new preview, size and rotation.
    void followRotation(const QString &path, const QImage &preview, int width, int height, int rotation);
    // Takes over the pages read from a project; false when there are none.
    // With `decodeNow` every frame's preview is made at once; without, the
    // frames wait for takePreview.
    bool adoptLoadedPages(bool decodeNow = true);
    // Every frame showing `name` that has no preview yet takes this one
    // (a reduced decoding of the file, not yet turned, and its full size).
    void takePreview(const QString &name, const QImage &decoded, const QSize &full);
    // Empties the document.
    void clear();

Q_SIGNALS:
    void updateArrange(QStringList names);
    void addImagesArrange(QStringList incList, QStringList decList);
    void removeArrange(QString name);
    void removeFrames(QStringList names);
    void stringCountArrange(QString text);
    void modifiedChanged(bool modified);
    // The page list must be made again from the pages.
    void pagesRebuilt();
    // Pages first..last changed (rows beyond the list are new pages).
    void pagesChanged(int first, int last);

private:
    struct Position
    {
        int page = 0;
        int frame = 0;
    };
    // Moves to the next frame, on the next page after the last frame.
    void advance(Position &pos) const;
    // The page `index`, appended from the template when missing; null when
    // the template has no frames to offer.
    Page *pageAt(int index);
    void emitCount();
    // Empties one frame: name kept by the caller, bytes released, counted.
    void emptyFrame(PhotoFrame &frame);
    // `frame` with the stamp and logo defaults and the photograph of
    // `item`, turned and cropped; counted and its name added to `names`.
    PhotoFrame placed(PhotoFrame frame, const IconItem &item, QStringList &names);
    void fillFromRecord(PhotoFrame &target, const IconItem &item);
    // Returns the last page touched.
    int moveFrames(QDataStream &in, IconItem item, int page, int frame, bool replace);

    const Page &layout() const { return m_doc.templatePage; }
    // Previews within the document's byte budget.
    PreviewRule previewRule() const;

    Document &m_doc;
    ArrangeOptions m_options;
};
