#include "movehistory.h"

namespace pondrel {

void MoveHistory::record(const Snapshot &before)
{
    pushUndoStep(before);
    m_redoSteps.clear();
}

std::optional<Snapshot> MoveHistory::undo(const Snapshot &current)
{
    if (m_undoSteps.empty()) {
        return std::nullopt;
    }
    const Snapshot step = m_undoSteps.back();
    m_undoSteps.pop_back();
    m_redoSteps.push_back(current);
    return step;
}

std::optional<Snapshot> MoveHistory::redo(const Snapshot &current)
{
    if (m_redoSteps.empty()) {
        return std::nullopt;
    }
    const Snapshot step = m_redoSteps.back();
    m_redoSteps.pop_back();
    pushUndoStep(current);
    return step;
}

void MoveHistory::clear()
{
    m_undoSteps.clear();
    m_redoSteps.clear();
}

void MoveHistory::pushUndoStep(const Snapshot &snapshot)
{
    m_undoSteps.push_back(snapshot);
    if (m_undoSteps.size() > kLimit) {
        m_undoSteps.erase(m_undoSteps.begin());
    }
}

} // namespace pondrel
