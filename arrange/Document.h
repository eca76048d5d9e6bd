#pragma once

#include "formats/Page.h"
#include "library/ByteBudget.h"
#include "library/ImageSource.h"

#include <QObject>
#include <QSet>
#include <QStringList>
#include <QVector>

#include <functional>

// The document: the pages being laid out, the layout new pages are made
// from, the copies of image files the open project carries and the budget
// of image-file bytes held in memory. The application owns one and hands it
// to the page dock, the output commands and the image panels.
//
// The pages change only through a DocumentEdit (one step of the history),
// a restore from the history, the adoption of a project's pages or a reset;
// the placement counts are made again from the pages at each change and
// every change is announced by usesChanged().
class Document : public QObject
{
    Q_OBJECT
public:
    explicit Document(QObject *parent = nullptr);

    const QVector<Page> &pages() const { return m_pages; }
    const Page &page(int index) const { return m_pages.at(index); }
    int pageCount() const { return m_pages.size(); }
    bool isEmpty() const { return m_pages.isEmpty(); }
    bool hasPage(int index) const { return index >= 0 && index < m_pages.size(); }

    // The current layout: every new page starts as a copy of it. Its title
    // holds only the layout name; its frames hold no photograph.
    Page templatePage;
    // The open project's embedded files; a value, so that pages can be
    // drawn on other threads while the document changes.
    ImageSource source;
    // Image-file bytes held by the frames and the selection list.
    ByteBudget budget;
    // Files of an opened project whose previews the workers still read.
    QSet<QString> awaitedPreviews;

    // `frame` shows a photograph whose preview is still being read: it
    // says so, and the crop editor may open it (it reads the file itself).
    bool awaitsPreview(const PhotoFrame &frame) const
    {
        return !frame.isEmpty() && frame.cache.preview.isNull() && awaitedPreviews.contains(frame.fileName);
    }

    int placementCount() const { return m_placements; } // frame fillings, repeats counted
    int imageCount() const { return m_images; }         // distinct files in the frames
    int framesHolding(const QString &name) const;
    bool holds(const QString &name) const { return framesHolding(name) > 0; }
    // File names of all filled frames, page and frame order, repeats included.
    QStringList placedNames() const;
    // "Total N Arrangement(s) of M Image(s)", empty when nothing is placed.
    QString countingText() const;

    // A copy of `templatePage` titled for page `index` (0-based).
    static Page newPage(const Page &templatePage, int index);

    // The pages as the history kept them (undo, redo): not a step of its own.
    void restore(const QVector<Page> &pages);
    // The pages of a project just opened: not a step of the history.
    void adopt(const QVector<Page> &pages);
    // A new project: no pages, no layout, no embedded copies, no preview
    // awaited.
    void reset();

    // A change that is no edit of the user's (a preview decoded, a
    // photograph turned in an image list, titles in another language): made
    // to the pages and, through amended(), to every state the history keeps,
    // so that an undo never brings back what it changed. The change returns
    // the indexes of the pages it touched; so does amend().
    using PagesChange = std::function<QVector<int>(QVector<Page> &)>;
    QVector<int> amend(const PagesChange &change);
    // A change of every frame `change` accepts (returns true for).
    using FrameChange = std::function<bool(PhotoFrame &)>;
    static PagesChange eachFrame(const FrameChange &change);

Q_SIGNALS:
    // The pages changed; `placed` holds the file names of all filled frames
    // (repeats included), from which the image lists count their uses.
    void usesChanged(const QStringList &placed);
    // An edit named `what` changed the pages from `before` to `after`.
    void edited(const QString &what, const QVector<Page> &before, const QVector<Page> &after);
    // The pages were put back from the history.
    void restored();
    void amended(const Document::PagesChange &change);
    // The document began again (New, Open): the history is over.
    void started();

private:
    friend class DocumentEdit;
    // The one place the pages are replaced and counted.
    void setPages(const QVector<Page> &pages);

    QVector<Page> m_pages;
    int m_placements = 0;
    int m_images = 0;
};
