#pragma once

#include "tools/CropModel.h"

#include <QUndoCommand>

#include <functional>

// One undoable change in the crop editor: the rectangle, its aspect and the
// "Outside the Image" mode before and after. `show` puts a state on screen.
class CropCommand : public QUndoCommand
{
public:
    using Show = std::function<void(const CropModel::State &)>;

    CropCommand(const CropModel::State &before, const CropModel::State &after, Show show);

    void undo() override;
    void redo() override;

private:
    CropModel::State m_before;
    CropModel::State m_after;
    Show m_show;
};
