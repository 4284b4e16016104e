#pragma once
// The rows the property list shows, derived from its items at every rebuild: groups in the
// order of their first item, each with its rows, and the flat list of visible rows (every
// group's header, then its rows when the group is expanded).

#include "ztui/proplist/window/PropertyRows.h"

#include <memory>
#include <vector>

namespace zt {

class ZTUI_EXPORT ListBoxPropertyDataMgr
{
public:
    // Rebuilds groups and rows from the items, in insertion order. Groups are matched by exact,
    // case-sensitive name; a group's expanded flag comes from its first item.
    void Build(const std::vector<std::unique_ptr<PropertyItem_imp>>& items);
    void Clear();
    // Rebuilds the flat list of visible rows from the groups' current expanded flags.
    void UpdateVisibleRows();

    const std::vector<std::unique_ptr<prop_group>>& groups() const { return m_groups; }
    const std::vector<prop_item_baseObj*>& visibleRows() const { return m_visible; }
    // The visible row at index, or null when the index is out of range.
    prop_item_baseObj* visibleRow(int index) const;
    void CollectGroupStates(PropertyMgrUI::GroupStateMap& states) const;

private:
    std::vector<std::unique_ptr<prop_group>> m_groups;
    std::vector<prop_item_baseObj*> m_visible;
};

} // namespace zt
