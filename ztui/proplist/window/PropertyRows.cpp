#include "ztui/proplist/window/PropertyRows.h"

#include "ztui/proplist/editors/item_ctrl_color_button.h"
#include "ztui/proplist/editors/item_ctrl_edit_button.h"
#include "ztui/proplist/editors/item_ctrl_image.h"
#include "ztui/proplist/editors/item_ctrl_point3d_part.h"
#include "ztui/proplist/editors/item_ctrl_simple.h"
#include "ztui/proplist/painting/PropertyRowPainter.h"
#include "ztui/proplist/style/PropertyStyle.h"
#include "ztui/proplist/window/ListBoxProperty.h"

#include <algorithm>
#include <typeinfo>
#include <string_view>

namespace zt {

namespace {

constexpr int kMultiTextLineHeight = 16;
constexpr int kImageRowHeightWithoutImage = 60;
constexpr int kImageListRowPadding = 10;

// The editor identifiers of each row class, for every list: ordinary and angle rows are made by
// the thousand and go back to their start, the others only grow.
constexpr int kWrapAfter = 10000;
EditorIdCounter g_ordinaryIds(100, kWrapAfter);
EditorIdCounter g_angleIds(100, kWrapAfter);
EditorIdCounter g_coordinateIds(1000);
EditorIdCounter g_editButtonIds(4000);
EditorIdCounter g_colorIds(2000);
EditorIdCounter g_imageIds(2000);

template <class Row>
bool AddIfTaken(PropertyItem_imp* item, prop_group& group)
{
    if (!Row::Takes(item->kind()))
        return false;
    Row::AddRows(item, group);
    return true;
}

// The item row classes with kinds of their own, asked in turn; every other kind is ordinary.
template <class... Rows>
void AddRowsOfFirstTaker(PropertyItem_imp* item, prop_group& group)
{
    if (!(AddIfTaken<Rows>(item, group) || ...))
        prop_item_comn::AddRows(item, group);
}

} // namespace

void prop_item_baseObj::AddRowsOf(PropertyItem_imp* item, prop_group& group)
{
    AddRowsOfFirstTaker<prop_sub_group, prop_item_angle, prop_item_point3d_part,
                        prop_item_edit_button, prop_item_color_button, prop_item_image>(item,
                                                                                        group);
}

void prop_sub_group::AddRows(PropertyItem_imp* item, prop_group& group)
{
    group.addRow(std::make_unique<prop_sub_group>(item));
}

void prop_item_comn::AddRows(PropertyItem_imp* item, prop_group& group)
{
    group.addRow(std::make_unique<prop_item_comn>(item));
}

void prop_item_angle::AddRows(PropertyItem_imp* item, prop_group& group)
{
    group.addRow(std::make_unique<prop_item_angle>(item));
}

void prop_item_point3d_part::AddRows(PropertyItem_imp* item, prop_group& group)
{
    for (int part = 0; part < 3; ++part)
        group.addRow(std::make_unique<prop_item_point3d_part>(item, part));
}

void prop_item_edit_button::AddRows(PropertyItem_imp* item, prop_group& group)
{
    group.addRow(std::make_unique<prop_item_edit_button>(item));
}

void prop_item_color_button::AddRows(PropertyItem_imp* item, prop_group& group)
{
    group.addRow(std::make_unique<prop_item_color_button>(item));
}

void prop_item_image::AddRows(PropertyItem_imp* item, prop_group& group)
{
    group.addRow(std::make_unique<prop_item_image>(item));
}

EditorIdCounter* prop_item_comn::editorIds() const
{
    return &g_ordinaryIds;
}

EditorIdCounter* prop_item_angle::editorIds() const
{
    return &g_angleIds;
}

EditorIdCounter* prop_item_point3d_part::editorIds() const
{
    return &g_coordinateIds;
}

EditorIdCounter* prop_item_edit_button::editorIds() const
{
    return &g_editButtonIds;
}

EditorIdCounter* prop_item_color_button::editorIds() const
{
    return &g_colorIds;
}

EditorIdCounter* prop_item_image::editorIds() const
{
    return &g_imageIds;
}

prop_item_baseObj::prop_item_baseObj(PropertyRowKind kind, PropertyItem_imp* item, int part)
    : m_kind(kind), m_item(item), m_part(part)
{}

prop_item_baseObj::~prop_item_baseObj() = default;

CString prop_item_baseObj::text() const
{
    return m_item ? m_item->name() : CString();
}

CString prop_item_point3d_part::text() const
{
    CString s;
    s.Format(L"%s %c 坐标", item()->name(), static_cast<wchar_t>(L'X' + part()));
    return s;
}

HBITMAP prop_item_baseObj::headBitmap() const
{
    return m_item ? m_item->headBitmap() : nullptr;
}

int prop_item_baseObj::height(const PropertyRowMetrics& metrics) const
{
    return itemRowHeight(metrics);
}

int prop_item_baseObj::itemRowHeight(const PropertyRowMetrics& metrics) const
{
    // Compared by value: a class constant bound to a reference would be emitted as a unique
    // symbol, which keeps the library from unloading.
    if (HBITMAP head = headBitmap()) {
        int h = metrics.BitmapHeight(head);
        return h > kItemRowHeight ? h : kItemRowHeight;
    }
    return kItemRowHeight;
}

int prop_item_comn::height(const PropertyRowMetrics& metrics) const
{
    using K = PropertyMgrUI::PropertyItemKind;
    if (headBitmap())
        return itemRowHeight(metrics);
    if (item()->kind() == K::ImageList) {
        if (int h = metrics.ImageListHeight(item()->imageList()); h > 0)
            return h + kImageListRowPadding;
    }
    if (item()->kind() == K::MultiText)
        return item()->lineCount() * kMultiTextLineHeight;
    return kItemRowHeight;
}

int prop_item_image::height(const PropertyRowMetrics& metrics) const
{
    HBITMAP picture = item()->image();
    return picture ? metrics.BitmapHeight(picture) : kImageRowHeightWithoutImage;
}

std::unique_ptr<item_ctrl> prop_item_baseObj::createDefaultEditor(CWnd*, UINT)
{
    return nullptr;
}

std::unique_ptr<item_ctrl> prop_item_comn::createDefaultEditor(CWnd* parent, UINT id)
{
    // No holder for a kind without an editor: an empty one could never be reused for another
    // row, and every scroll past such rows would make more of them.
    if (!item_ctrl_simple::HasEditor(*item()))
        return nullptr;
    return std::make_unique<item_ctrl_simple>(*item(), parent, id);
}

std::unique_ptr<item_ctrl> prop_item_angle::createDefaultEditor(CWnd* parent, UINT id)
{
    return std::make_unique<item_ctrl_simple>(*item(), parent, id);
}

std::unique_ptr<item_ctrl> prop_item_point3d_part::createDefaultEditor(CWnd* parent, UINT id)
{
    return std::make_unique<item_ctrl_point3d_part>(*item(), part(), parent, id);
}

std::unique_ptr<item_ctrl> prop_item_edit_button::createDefaultEditor(CWnd* parent, UINT id)
{
    return std::make_unique<item_ctrl_edit_button>(*item(), parent, id);
}

std::unique_ptr<item_ctrl> prop_item_color_button::createDefaultEditor(CWnd* parent, UINT id)
{
    return std::make_unique<item_ctrl_color_button>(*item(), parent, id);
}

std::unique_ptr<item_ctrl> prop_item_image::createDefaultEditor(CWnd* parent, UINT id)
{
    return std::make_unique<item_ctrl_image>(*item(), parent, id);
}

EditorClass prop_item_baseObj::editorClass() const
{
    return {std::type_index(typeid(*this)), 0};
}

EditorClass prop_item_comn::editorClass() const
{
    const int variant = static_cast<int>(item()->kind()) * 4 + (item()->isReadOnly() ? 2 : 0) +
                        (item()->hasDisplayText() ? 1 : 0);
    return {std::type_index(typeid(*this)), variant};
}

bool prop_item_baseObj::adoptEditor(std::unique_ptr<item_ctrl>& editor)
{
    if (!editor || !m_item || !editor->rebind(*m_item, m_part))
        return false;
    m_editor = std::move(editor);
    return true;
}

void prop_item_baseObj::moveEditor(const RECT& rect)
{
    if (!m_editor || !m_editor->window())
        return;
    m_editor->move(rect);
    ::ShowWindow(m_editor->window(), SW_SHOWNA);
}

void prop_item_baseObj::hideEditor()
{
    if (m_editor && m_editor->window())
        ::ShowWindow(m_editor->window(), SW_HIDE);
}

item_ctrl* prop_item_baseObj::editor(ListBoxProperty* list)
{
    if (!m_editor && list)
        m_editor = list->CreateEditor(*this);
    return m_editor.get();
}

void prop_item_baseObj::draw(const DRAWITEMSTRUCT& drawItem, double split)
{
    drawNameCell(drawItem, split);
}

void prop_item_baseObj::drawNameCell(const DRAWITEMSTRUCT& drawItem, double split) const
{
    if (CDC* dc = CDC::FromHandle(drawItem.hDC)) {
        int saved = dc->SaveDC();
        PropertyRowPainter(PropertyStyle::Get()).DrawNameCell(dc, *this, drawItem.rcItem, split);
        dc->RestoreDC(saved);
    }
}

void prop_group::draw(const DRAWITEMSTRUCT& drawItem, double)
{
    if (CDC* dc = CDC::FromHandle(drawItem.hDC)) {
        int saved = dc->SaveDC();
        PropertyRowPainter(PropertyStyle::Get()).DrawGroupHeader(dc, *this, drawItem.rcItem);
        dc->RestoreDC(saved);
    }
}

void prop_sub_group::draw(const DRAWITEMSTRUCT& drawItem, double)
{
    if (CDC* dc = CDC::FromHandle(drawItem.hDC)) {
        int saved = dc->SaveDC();
        PropertyRowPainter(PropertyStyle::Get()).DrawSubGroup(dc, *this, drawItem.rcItem);
        dc->RestoreDC(saved);
    }
}

void prop_item_baseObj::measure(MEASUREITEMSTRUCT& measureItem,
                                const PropertyRowMetrics& metrics) const
{
    measureItem.itemHeight = static_cast<UINT>(height(metrics));
}

void prop_item_baseObj::onLButtonDown(ListBoxProperty&, UINT, CPoint) {}

void prop_item_baseObj::onLButtonUp(ListBoxProperty&, UINT, CPoint) {}

void prop_group::onLButtonDown(ListBoxProperty& list, UINT, CPoint point)
{
    // The list selected this row under the pointer before passing the press on.
    CRect r;
    if (list.GetItemRect(list.GetCurSel(), &r) == LB_ERR || point.x <= r.right - kGlyphZone)
        return;
    setExpanded(!expanded());
    list.Repopulate();
}

} // namespace zt
