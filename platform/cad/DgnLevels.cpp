#include "platform/cad/DgnLevels.h"
#include "platform/cad/DgnProject.h"

bvector<LevelDefinition> DgnLevels::GetLevels() const
{
    std::lock_guard lock(m_project.m_mutex);
    bvector<LevelDefinition> levels;
    for (const auto& [id, level] : m_project.m_levelTable)
        levels.push_back(level);
    return levels;
}

bool DgnLevels::FindLevelById(LevelId id, LevelDefinition& level) const
{
    std::lock_guard lock(m_project.m_mutex);
    auto it = m_project.m_levelTable.find(id);
    if (it == m_project.m_levelTable.end())
        return false;
    level = it->second;
    return true;
}

bool DgnLevels::FindLevelByName(const Utf8String& name, LevelDefinition& level) const
{
    std::lock_guard lock(m_project.m_mutex);
    for (const auto& [id, candidate] : m_project.m_levelTable)
        if (candidate.name == name) {
            level = candidate;
            return true;
        }
    return false;
}

bool DgnLevels::HasLevel(LevelId id) const
{
    std::lock_guard lock(m_project.m_mutex);
    return m_project.m_levelTable.count(id) != 0;
}

LevelId DgnLevels::CreateLevel(const Utf8String& name, LevelId requestedId,
                               const LevelDefinition& symbology)
{
    LevelId id = 0;
    {
        std::lock_guard lock(m_project.m_mutex);
        auto& table = m_project.m_levelTable;
        LevelDefinition existing;
        if (!m_project.m_open || name.empty() || FindLevelByName(name, existing) ||
            (requestedId > 0 && table.count(requestedId)))
            return 0;
        id = requestedId > 0 ? requestedId : (table.empty() ? 1 : table.rbegin()->first + 1);
        LevelDefinition level = symbology;
        level.id = id;
        level.name = name;
        m_project.m_txn.RecordLocked(ITxnManager::Change::ForLevel(id, std::nullopt, level));
        m_project.ApplyLevelStateLocked(id, level);
    }
    m_project.FlushNotifications();
    return id;
}

bool DgnLevels::ReplaceLevel(const LevelDefinition& level)
{
    {
        std::lock_guard lock(m_project.m_mutex);
        auto& table = m_project.m_levelTable;
        auto it = table.find(level.id);
        if (!m_project.m_open || it == table.end() || level.name.empty())
            return false;
        for (const auto& [id, other] : table)
            if (id != level.id && other.name == level.name)
                return false;
        if (it->second == level)
            return true;
        m_project.m_txn.RecordLocked(ITxnManager::Change::ForLevel(level.id, it->second, level));
        m_project.ApplyLevelStateLocked(level.id, level);
    }
    m_project.FlushNotifications();
    return true;
}

bool DgnLevels::DeleteLevel(LevelId id)
{
    {
        std::lock_guard lock(m_project.m_mutex);
        auto& table = m_project.m_levelTable;
        auto it = table.find(id);
        if (!m_project.m_open || id == LEVEL_DEFAULT_LEVEL_ID || it == table.end())
            return false;
        m_project.m_txn.RecordLocked(ITxnManager::Change::ForLevel(id, it->second, std::nullopt));
        m_project.ApplyLevelStateLocked(id, std::nullopt);
    }
    m_project.FlushNotifications();
    return true;
}
