#include "arrange/DocumentEdit.h"

DocumentEdit::DocumentEdit(Document &document, const QString &what)
    : m_doc(document), m_what(what), m_pages(document.pages())
{
}

Page *DocumentEdit::pageAt(int index)
{
    if (index < 0)
        return nullptr;
    if (index < m_pages.size())
        return &m_pages[index];
    if (layout().frames.isEmpty())
        return nullptr;
    ensurePage(index);
    return &m_pages[index];
}

void DocumentEdit::ensurePage(int index)
{
    while (m_pages.size() <= index)
        m_pages.append(Document::newPage(layout(), m_pages.size()));
}

void DocumentEdit::commit()
{
    if (m_done)
        return;
    m_done = true;
    const QVector<Page> before = m_doc.pages();
    m_doc.setPages(m_pages);
    if (!m_what.isEmpty())
        Q_EMIT m_doc.edited(m_what, before, m_doc.pages());
}
