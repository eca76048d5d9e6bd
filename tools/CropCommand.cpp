#include "tools/CropCommand.h"

#include <utility>

CropCommand::CropCommand(const CropModel::State &before, const CropModel::State &after, Show show)
    : m_before(before), m_after(after), m_show(std::move(show))
{
}

void CropCommand::undo() { m_show(m_before); }

void CropCommand::redo() { m_show(m_after); }
