#pragma once
// The rows the property list shows, derived from its items at every rebuild: groups in the
// order of their first item, each with its rows, and the flat list of visible rows (every
// group's header, then its rows when the group is expanded).

#include "ztui/proplist/PropertyItem_imp.h"

#include <memory>
#include <vector>

namespace zt {

enum class PropertyRowKind
{
    Group,
    SubGroup, // a SubGroup item: a header row without glyph
    Item,     // every kind without a row class of its own
    Angle,
    PointPart, // one of the three coordinate rows of a Point item
    EditButton,
    Color,
    Image,
};

class PropertyGroupRow;

// Sizes the rows cannot know by themselves: those of bitmaps and image lists.
class ZTUI_EXPORT PropertyRowMetrics
{
public:
    virtual ~PropertyRowMetrics() = default;
    virtual int BitmapHeight(HBITMAP bitmap) const = 0;
    // The height of the list's first image; 0 when it has none.
    virtual int ImageListHeight(CImageList* imageList) const = 0;
};

// One row of a group: an item row, or a group or sub-group header.
class ZTUI_EXPORT PropertyRow
{
public:
    PropertyRow(PropertyRowKind kind, PropertyItem_imp* item, int part)
        : m_kind(kind), m_item(item), m_part(part)
    {}
    virtual ~PropertyRow() = default;

    PropertyRowKind kind() const { return m_kind; }
    PropertyItem_imp* item() const { return m_item; }
    // 0, 1 or 2 (X, Y, Z) for coordinate rows.
    int part() const { return m_part; }
    bool isHeader() const
    {
        return m_kind == PropertyRowKind::Group || m_kind == PropertyRowKind::SubGroup;
    }

    // The string the list box holds for the row.
    virtual CString text() const;
    HBITMAP headBitmap() const;
    int height(const PropertyRowMetrics& metrics) const;

private:
    PropertyRowKind m_kind;
    PropertyItem_imp* m_item; // null for group headers
    int m_part;
};

class ZTUI_EXPORT PropertyGroupRow final : public PropertyRow
{
public:
    PropertyGroupRow(const CString& name, bool expanded)
        : PropertyRow(PropertyRowKind::Group, nullptr, 0), m_name(name), m_expanded(expanded)
    {}
    CString text() const override { return m_name; }
    const CString& name() const { return m_name; }
    bool expanded() const { return m_expanded; }
    void setExpanded(bool expanded) { m_expanded = expanded; }
    const std::vector<std::unique_ptr<PropertyRow>>& rows() const { return m_rows; }
    void addRow(std::unique_ptr<PropertyRow> row) { m_rows.push_back(std::move(row)); }

private:
    CString m_name;
    bool m_expanded;
    std::vector<std::unique_ptr<PropertyRow>> m_rows;
};

class ZTUI_EXPORT PropertyRowModel
{
public:
    // Rebuilds groups and rows from the items, in insertion order. Groups are matched by exact,
    // case-sensitive name; a group's expanded flag comes from its first item.
    void Build(const std::vector<std::unique_ptr<PropertyItem_imp>>& items);
    void Clear();
    // Rebuilds the flat list of visible rows from the groups' current expanded flags.
    void UpdateVisibleRows();

    const std::vector<std::unique_ptr<PropertyGroupRow>>& groups() const { return m_groups; }
    const std::vector<PropertyRow*>& visibleRows() const { return m_visible; }
    // The visible row at index, or null when the index is out of range.
    PropertyRow* visibleRow(int index) const;
    void CollectGroupStates(PropertyMgrUI::GroupStateMap& states) const;

private:
    std::vector<std::unique_ptr<PropertyGroupRow>> m_groups;
    std::vector<PropertyRow*> m_visible;
};

} // namespace zt
