#include "ztui/proplist/PropertyRows.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace zt {

namespace {

constexpr int kItemRowHeight = 24;
constexpr int kHeaderRowHeight = 26;
constexpr int kMultiTextLineHeight = 16;
constexpr int kImageRowHeightWithoutImage = 60;
constexpr int kImageListRowPadding = 10;

PropertyRowKind RowKindOf(PropertyMgrUI::PropertyItemKind kind)
{
    using K = PropertyMgrUI::PropertyItemKind;
    switch (kind) {
    case K::Color:
        return PropertyRowKind::Color;
    case K::Image:
        return PropertyRowKind::Image;
    case K::EditButton:
        return PropertyRowKind::EditButton;
    case K::Angle:
        return PropertyRowKind::Angle;
    case K::SubGroup:
        return PropertyRowKind::SubGroup;
    default:
        return PropertyRowKind::Item;
    }
}

} // namespace

CString PropertyRow::text() const
{
    if (!m_item)
        return CString();
    if (m_kind == PropertyRowKind::PointPart) {
        CString s;
        s.Format(L"%s %c 坐标", m_item->name(), static_cast<wchar_t>(88 + m_part));
        return s;
    }
    return m_item->name();
}

HBITMAP PropertyRow::headBitmap() const
{
    return m_item ? m_item->headBitmap() : nullptr;
}

int PropertyRow::height(const PropertyRowMetrics& metrics) const
{
    using K = PropertyMgrUI::PropertyItemKind;
    switch (m_kind) {
    case PropertyRowKind::Group:
    case PropertyRowKind::SubGroup:
        return kHeaderRowHeight;
    case PropertyRowKind::PointPart:
    case PropertyRowKind::EditButton:
    case PropertyRowKind::Color:
        return kItemRowHeight;
    case PropertyRowKind::Image: {
        HBITMAP picture = m_item->image();
        return picture ? metrics.BitmapHeight(picture) : kImageRowHeightWithoutImage;
    }
    case PropertyRowKind::Angle:
    case PropertyRowKind::Item:
        break;
    }
    if (HBITMAP head = m_item->headBitmap())
        return std::max(metrics.BitmapHeight(head), kItemRowHeight);
    if (m_kind == PropertyRowKind::Item && m_item->kind() == K::ImageList) {
        if (int h = metrics.ImageListHeight(m_item->imageList()); h > 0)
            return h + kImageListRowPadding;
    }
    if (m_kind == PropertyRowKind::Item && m_item->kind() == K::MultiText)
        return m_item->lineCount() * kMultiTextLineHeight;
    return kItemRowHeight;
}

void PropertyRowModel::Clear()
{
    m_visible.clear();
    m_groups.clear();
}

void PropertyRowModel::Build(const std::vector<std::unique_ptr<PropertyItem_imp>>& items)
{
    Clear();
    // Keyed by views of the groups' own names, which stay put while the groups live.
    std::unordered_map<std::wstring_view, PropertyGroupRow*> byName;
    for (const auto& item : items) {
        const CString& groupName = item->groupName();
        std::wstring_view key(groupName.GetString(), static_cast<size_t>(groupName.GetLength()));
        auto found = byName.find(key);
        PropertyGroupRow* group = found == byName.end() ? nullptr : found->second;
        if (!group) {
            m_groups.push_back(
                std::make_unique<PropertyGroupRow>(groupName, item->groupExpanded()));
            group = m_groups.back().get();
            byName.emplace(std::wstring_view(group->name().GetString(),
                                             static_cast<size_t>(group->name().GetLength())),
                           group);
        }
        if (item->kind() == PropertyMgrUI::PropertyItemKind::Point) {
            for (int part = 0; part < 3; ++part)
                group->addRow(
                    std::make_unique<PropertyRow>(PropertyRowKind::PointPart, item.get(), part));
        } else {
            group->addRow(std::make_unique<PropertyRow>(RowKindOf(item->kind()), item.get(), 0));
        }
    }
    UpdateVisibleRows();
}

void PropertyRowModel::UpdateVisibleRows()
{
    m_visible.clear();
    for (const auto& group : m_groups) {
        m_visible.push_back(group.get());
        if (group->expanded())
            for (const auto& row : group->rows())
                m_visible.push_back(row.get());
    }
}

PropertyRow* PropertyRowModel::visibleRow(int index) const
{
    if (index < 0 || static_cast<size_t>(index) >= m_visible.size())
        return nullptr;
    return m_visible[static_cast<size_t>(index)];
}

void PropertyRowModel::CollectGroupStates(PropertyMgrUI::GroupStateMap& states) const
{
    for (const auto& group : m_groups)
        states[group->name().GetString()] = group->expanded();
}

} // namespace zt
