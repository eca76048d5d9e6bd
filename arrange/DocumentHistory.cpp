#include "arrange/DocumentHistory.h"

#include <QAction>
#include <QUndoCommand>
#include <QUndoStack>

namespace {

// One edit: the pages before and after it.
class PagesStep : public QUndoCommand
{
public:
    PagesStep(Document &document, const QString &what, const QVector<Page> &before, const QVector<Page> &after)
        : QUndoCommand(what), m_doc(document), m_before(before), m_after(after)
    {
    }

    // The edit is already made when the step is pushed.
    void redo() override
    {
        if (m_done)
            m_doc.restore(m_after);
        m_done = true;
    }
    void undo() override { m_doc.restore(m_before); }

    void amend(const Document::PagesChange &change)
    {
        change(m_before);
        change(m_after);
    }

private:
    Document &m_doc;
    QVector<Page> m_before;
    QVector<Page> m_after;
    bool m_done = false;
};

// Steps kept: enough to take back a good while of work without holding the
// bytes of every photograph ever placed.
constexpr int StepLimit = 100;

} // namespace

DocumentHistory::DocumentHistory(Document &document, QObject *parent)
    : QObject(parent), m_doc(document), m_stack(new QUndoStack(this)), m_undo(new QAction(this)),
      m_redo(new QAction(this))
{
    m_stack->setUndoLimit(StepLimit);
    m_undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    m_undo->setEnabled(false);
    m_redo->setEnabled(false);
    connect(m_undo, &QAction::triggered, m_stack, &QUndoStack::undo);
    connect(m_redo, &QAction::triggered, m_stack, &QUndoStack::redo);
    connect(m_stack, &QUndoStack::canUndoChanged, m_undo, &QAction::setEnabled);
    connect(m_stack, &QUndoStack::canRedoChanged, m_redo, &QAction::setEnabled);
    connect(m_stack, &QUndoStack::undoTextChanged, this, &DocumentHistory::retranslate);
    connect(m_stack, &QUndoStack::redoTextChanged, this, &DocumentHistory::retranslate);
    connect(m_stack, &QUndoStack::cleanChanged, this, &DocumentHistory::cleanChanged);
    connect(&document, &Document::edited, this, &DocumentHistory::push);
    connect(&document, &Document::amended, this, &DocumentHistory::amend);
    connect(&document, &Document::started, m_stack, &QUndoStack::clear);
    retranslate();
}

void DocumentHistory::push(const QString &what, const QVector<Page> &before, const QVector<Page> &after)
{
    m_stack->push(new PagesStep(m_doc, what, before, after));
}

void DocumentHistory::amend(const Document::PagesChange &change)
{
    // The steps are the stack's; it hands them out as constant only.
    for (int i = 0; i < m_stack->count(); ++i)
        static_cast<PagesStep *>(const_cast<QUndoCommand *>(m_stack->command(i)))->amend(change);
}

void DocumentHistory::setClean() { m_stack->setClean(); }

bool DocumentHistory::isClean() const { return m_stack->isClean(); }

void DocumentHistory::retranslate()
{
    const QString undo = m_stack->undoText();
    const QString redo = m_stack->redoText();
    m_undo->setText(undo.isEmpty() ? QObject::tr("Undo") : QObject::tr("Undo %1").arg(undo));
    m_redo->setText(redo.isEmpty() ? QObject::tr("Redo") : QObject::tr("Redo %1").arg(redo));
}
