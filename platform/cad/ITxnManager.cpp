#include "platform/cad/ITxnManager.h"
#include "platform/cad/DgnProject.h"

void ITxnManager::StartTxnGroup()
{
    std::lock_guard lock(m_project.m_mutex);
    ++m_groupDepth;
}

void ITxnManager::EndTxnGroup()
{
    std::lock_guard lock(m_project.m_mutex);
    if (m_groupDepth == 0)
        return;
    if (--m_groupDepth == 0 && !m_open.empty())
        m_undo.push_back(std::exchange(m_open, {}));
}

int ITxnManager::GetTxnGroupDepth() const
{
    std::lock_guard lock(m_project.m_mutex);
    return m_groupDepth;
}

void ITxnManager::Deactivate()
{
    std::lock_guard lock(m_project.m_mutex);
    ++m_deactivated;
}

void ITxnManager::Activate()
{
    std::lock_guard lock(m_project.m_mutex);
    if (m_deactivated > 0)
        --m_deactivated;
}

bool ITxnManager::IsActive() const
{
    std::lock_guard lock(m_project.m_mutex);
    return m_deactivated == 0;
}

bool ITxnManager::CanUndo() const
{
    std::lock_guard lock(m_project.m_mutex);
    return !m_undo.empty() || !m_open.empty();
}

bool ITxnManager::CanRedo() const
{
    std::lock_guard lock(m_project.m_mutex);
    return !m_redo.empty();
}

std::size_t ITxnManager::GetUndoCount() const
{
    std::lock_guard lock(m_project.m_mutex);
    return m_undo.size() + (m_open.empty() ? 0 : 1);
}

std::size_t ITxnManager::GetRedoCount() const
{
    std::lock_guard lock(m_project.m_mutex);
    return m_redo.size();
}

void ITxnManager::ClearHistory()
{
    std::lock_guard lock(m_project.m_mutex);
    m_undo.clear();
    m_redo.clear();
    m_open.clear();
    m_groupDepth = 0;
}

void ITxnManager::RecordLocked(Change change)
{
    if (m_deactivated > 0)
        return;
    m_redo.clear();
    if (m_groupDepth > 0)
        m_open.push_back(std::move(change));
    else
        m_undo.push_back(Step{std::move(change)});
}

void ITxnManager::CloseGroupsLocked()
{
    m_groupDepth = 0;
    if (!m_open.empty())
        m_undo.push_back(std::exchange(m_open, {}));
}

bool ITxnManager::Undo()
{
    {
        std::lock_guard lock(m_project.m_mutex);
        CloseGroupsLocked();
        if (m_undo.empty() || !m_project.m_open)
            return false;
        Step step = std::move(m_undo.back());
        m_undo.pop_back();
        for (auto it = step.rbegin(); it != step.rend(); ++it) {
            if (it->element)
                m_project.SetElementStateLocked(*it->element, it->elementBefore);
            else
                m_project.ApplyLevelStateLocked(it->levelId, it->levelBefore);
        }
        m_redo.push_back(std::move(step));
    }
    m_project.FlushNotifications();
    return true;
}

bool ITxnManager::Redo()
{
    {
        std::lock_guard lock(m_project.m_mutex);
        CloseGroupsLocked();
        if (m_redo.empty() || !m_project.m_open)
            return false;
        Step step = std::move(m_redo.back());
        m_redo.pop_back();
        for (const Change& change : step) {
            if (change.element)
                m_project.SetElementStateLocked(*change.element, change.elementAfter);
            else
                m_project.ApplyLevelStateLocked(change.levelId, change.levelAfter);
        }
        m_undo.push_back(std::move(step));
    }
    m_project.FlushNotifications();
    return true;
}
