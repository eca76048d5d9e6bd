#pragma once

#include <QList>
#include <QRectF>
#include <QUndoCommand>
#include <QVector>

#include <optional>

class LayoutDraft;

// One undoable change of the layout editor: frames added, removed or given a
// new geometry. Consecutive geometry changes of the same frames that belong
// to one gesture (a drag, a run of arrow-key steps) merge into one step.
class LayoutCommand : public QUndoCommand
{
public:
    struct Change
    {
        int id = -1;
        std::optional<QRectF> before; // none: the frame did not exist
        std::optional<QRectF> after;  // none: the frame is gone
    };

    // `gesture` 0 never merges; equal non-zero gestures merge.
    LayoutCommand(LayoutDraft *draft, QVector<Change> changes, int gesture);

    void undo() override;
    void redo() override;
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand *other) override;

    QList<int> frameIds() const;

private:
    bool isGeometry() const;
    void apply(bool forward);

    LayoutDraft *m_draft;
    QVector<Change> m_changes;
    int m_gesture;
};
