#include "formats/LayoutCommand.h"

#include "formats/LayoutDraft.h"

LayoutCommand::LayoutCommand(LayoutDraft *draft, QVector<Change> changes, int gesture)
    : m_draft(draft), m_changes(std::move(changes)), m_gesture(gesture)
{
}

void LayoutCommand::undo() { apply(false); }

void LayoutCommand::redo() { apply(true); }

void LayoutCommand::apply(bool forward)
{
    for (const Change &c : m_changes) {
        const std::optional<QRectF> &state = forward ? c.after : c.before;
        if (state)
            m_draft->put(c.id, *state);
        else
            m_draft->remove(c.id);
    }
    m_draft->announce(frameIds());
}

QList<int> LayoutCommand::frameIds() const
{
    QList<int> ids;
    for (const Change &c : m_changes)
        ids.append(c.id);
    return ids;
}

bool LayoutCommand::isGeometry() const
{
    for (const Change &c : m_changes)
        if (!c.before || !c.after)
            return false;
    return !m_changes.isEmpty();
}

bool LayoutCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = dynamic_cast<const LayoutCommand *>(other);
    if (!next || m_gesture == 0 || next->m_gesture != m_gesture || !isGeometry() || !next->isGeometry()
        || next->frameIds() != frameIds())
        return false;
    bool unchanged = true;
    for (int i = 0; i < m_changes.size(); ++i) {
        m_changes[i].after = next->m_changes.at(i).after;
        unchanged &= m_changes.at(i).after == m_changes.at(i).before;
    }
    // A drag that ends where it began leaves no step behind.
    setObsolete(unchanged);
    return true;
}
