#pragma once
// The rows the property list shows, derived from its items at every rebuild: groups in the
// order of their first item, each with its rows, and the flat list of visible rows (every
// group's header, then its rows when the group is expanded).

#include "ztui/proplist/window/PropertyRows.h"

#include <memory>
#include <span>
#include <unordered_map>
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
    // The rows made for an item (three for a point, none for an item of no row); owner code
    // sets values one at a time on lists of thousands, so this is a lookup, not a walk.
    std::span<const std::unique_ptr<prop_item_baseObj>> RowsOf(const PropertyItem_imp* item) const;

private:
    std::vector<std::unique_ptr<prop_group>> m_groups;
    std::vector<prop_item_baseObj*> m_visible;
    // Each item's rows lie next to each other in their group: the group and the first one,
    // indexed when first asked for (RowsOf).
    std::unordered_map<const PropertyItem_imp*, std::pair<const prop_group*, size_t>> m_rowsOf;
};

} // namespace zt
