#pragma once

#include "arrange/Document.h"

// One change of the document's pages, made on a copy: commit() makes the
// copy the document's pages in one step of the history, named `what` (an
// empty name leaves no step). An edit not committed changes nothing. Pages
// share their data, so the copy costs little until a page is changed.
class DocumentEdit
{
public:
    DocumentEdit(Document &document, const QString &what);
    DocumentEdit(const DocumentEdit &) = delete;
    DocumentEdit &operator=(const DocumentEdit &) = delete;

    QVector<Page> &pages() { return m_pages; }
    const Page &layout() const { return m_doc.templatePage; }
    // The page `index`, appended from the layout (with those before it)
    // when missing; null when the layout has no frames to offer.
    Page *pageAt(int index);
    // Appends copies of the layout until page `index` exists.
    void ensurePage(int index);
    void commit();

private:
    Document &m_doc;
    QString m_what;
    QVector<Page> m_pages;
    bool m_done = false;
};
