#include "ztui/proplist/window/ListBoxPropertyDataMgr.h"

#include <string_view>
#include <unordered_map>

namespace zt {

void ListBoxPropertyDataMgr::Clear()
{
    m_visible.clear();
    m_rowsOf.clear();
    m_groups.clear();
}

void ListBoxPropertyDataMgr::Build(const std::vector<std::unique_ptr<PropertyItem_imp>>& items)
{
    Clear();
    // Keyed by views of the groups' own names, which stay put while the groups live.
    std::unordered_map<std::wstring_view, prop_group*> byName;
    for (const auto& item : items) {
        const CString& groupName = item->groupName();
        std::wstring_view key(groupName.GetString(), static_cast<size_t>(groupName.GetLength()));
        auto found = byName.find(key);
        prop_group* group = found == byName.end() ? nullptr : found->second;
        if (!group) {
            m_groups.push_back(std::make_unique<prop_group>(groupName, item->groupExpanded()));
            group = m_groups.back().get();
            byName.emplace(std::wstring_view(group->name().GetString(),
                                             static_cast<size_t>(group->name().GetLength())),
                           group);
        }
        prop_item_baseObj::AddRowsOf(item.get(), *group);
    }
    UpdateVisibleRows();
}

void ListBoxPropertyDataMgr::UpdateVisibleRows()
{
    m_visible.clear();
    for (const auto& group : m_groups) {
        m_visible.push_back(group.get());
        if (group->expanded())
            for (const auto& row : group->rows())
                m_visible.push_back(row.get());
    }
}

prop_item_baseObj* ListBoxPropertyDataMgr::visibleRow(int index) const
{
    if (index < 0 || static_cast<size_t>(index) >= m_visible.size())
        return nullptr;
    return m_visible[static_cast<size_t>(index)];
}

std::span<const std::unique_ptr<prop_item_baseObj>>
ListBoxPropertyDataMgr::RowsOf(const PropertyItem_imp* item) const
{
    // Indexed on the first question after a rebuild: most rebuilds are never asked, and a
    // list of thousands would pay for the index at every refresh. Rows exist only for items,
    // so an empty index with groups is one not made yet.
    if (m_rowsOf.empty() && !m_groups.empty()) {
        auto& index = const_cast<ListBoxPropertyDataMgr*>(this)->m_rowsOf;
        for (const auto& group : m_groups) {
            const auto& rows = group->rows();
            for (size_t i = 0; i < rows.size(); ++i)
                if (rows[i]->item() && (i == 0 || rows[i - 1]->item() != rows[i]->item()))
                    index.emplace(rows[i]->item(), std::make_pair(group.get(), i));
        }
    }
    auto found = m_rowsOf.find(item);
    if (found == m_rowsOf.end())
        return {};
    const auto& rows = found->second.first->rows();
    const size_t first = found->second.second;
    size_t end = first;
    while (end < rows.size() && rows[end]->item() == item)
        ++end;
    return std::span(rows).subspan(first, end - first);
}

void ListBoxPropertyDataMgr::CollectGroupStates(PropertyMgrUI::GroupStateMap& states) const
{
    for (const auto& group : m_groups)
        states[group->name().GetString()] = group->expanded();
}

} // namespace zt
