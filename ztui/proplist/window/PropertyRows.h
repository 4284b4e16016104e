#pragma once
// The row classes of the property list: group and sub-group headers and one class per kind of
// item row, each deciding which items it shows, its height, its editor, the identifiers of its
// editor windows and its drawing, so that a new kind of row is one class (and one entry in the
// list of item row classes in PropertyRows.cpp). ListBoxPropertyDataMgr.h derives the rows
// from the items.

#include "platform/win/WinUserStructs.h"
#include "platform/win/mfc/CPoint.h"
#include "ztui/proplist/editors/item_ctrl.h"
#include "ztui/proplist/model/PropertyItem_imp.h"
#include "ztui/proplist/window/EditorIdCounter.h"

#include <memory>
#include <typeindex>
#include <utility>
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

class ListBoxProperty;
class prop_group;

// The editors a row can take over from rows that scrolled away: those of its own row class and,
// where a class makes different windows for its items, of the same variant.
using EditorClass = std::pair<std::type_index, int>;

// Sizes the rows cannot know by themselves: those of bitmaps and image lists.
class ZTUI_EXPORT PropertyRowMetrics
{
public:
    virtual ~PropertyRowMetrics() = default;
    virtual int BitmapHeight(HBITMAP bitmap) const = 0;
    // The height of the list's first image; 0 when it has none.
    virtual int ImageListHeight(CImageList* imageList) const = 0;
};

// One row of a group: an item row, or a group or sub-group header. A row owns the holder of
// its editor, made the first time the list lays the row out, so editors live exactly as long as
// the rows a rebuild made.
class ZTUI_EXPORT prop_item_baseObj
{
public:
    prop_item_baseObj(PropertyRowKind kind, PropertyItem_imp* item, int part);
    virtual ~prop_item_baseObj();
    prop_item_baseObj(const prop_item_baseObj&) = delete;
    prop_item_baseObj& operator=(const prop_item_baseObj&) = delete;

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
    // Places the editor (when it has a window) in its value cell and shows it without
    // activating it; the editor may use less than the rectangle.
    void moveEditor(const RECT& rect);
    void hideEditor();
    // The row's editor holder; with a list, one is made through the list when the row has none.
    item_ctrl* editor(ListBoxProperty* list);
    item_ctrl* editor() const { return m_editor.get(); }
    // Destroys the editor (and its window) now.
    void destroyEditor() { m_editor.reset(); }
    // The row gives up its editor (to be parked for another row of its class).
    std::unique_ptr<item_ctrl> takeEditor() { return std::move(m_editor); }
    // Takes over a parked editor of its class, bound to this row's item; false (the editor
    // stays with the caller) when the editor cannot show this item.
    bool adoptEditor(std::unique_ptr<item_ctrl>& editor);
    // The item's value was set: the editor, when there is one, shows it.
    void itemChanged()
    {
        if (m_editor)
            m_editor->itemChanged();
    }
    // Paints the row (header, or name cell) with the given divider split. A paint changes no
    // window: editors hear of new values when they are set (itemChanged).
    virtual void draw(const DRAWITEMSTRUCT& drawItem, double split);
    void measure(MEASUREITEMSTRUCT& measureItem, const PropertyRowMetrics& metrics) const;
    // Mouse presses the list passes on to its selected row after its own handling.
    virtual void onLButtonDown(ListBoxProperty& list, UINT flags, CPoint point);
    virtual void onLButtonUp(ListBoxProperty& list, UINT flags, CPoint point);

    // Operations of our own after the documented ones: each row class decides its height and
    // its editor, so that a new kind of row is one class.
    virtual int height(const PropertyRowMetrics& metrics) const;
    // The editor holder of the row's class; null for rows without an editor (headers).
    virtual std::unique_ptr<item_ctrl> createDefaultEditor(CWnd* parent, UINT id);
    // The identifiers of the row class's editor windows; null for rows without an editor.
    virtual EditorIdCounter* editorIds() const { return nullptr; }
    // Which parked editors the row can take over: by default those of its own class.
    virtual EditorClass editorClass() const;

    // Adds the rows of an item to its group: those of the first item row class that takes the
    // item's kind, else one ordinary row.
    static void AddRowsOf(PropertyItem_imp* item, prop_group& group);

protected:
    using Kind = PropertyMgrUI::PropertyItemKind;
    static constexpr int kItemRowHeight = 24;
    static constexpr int kHeaderRowHeight = 26;
    // An item row's height: its head bitmap's, at least an ordinary row's.
    int itemRowHeight(const PropertyRowMetrics& metrics) const;
    // Paints the name cell of an item row.
    void drawNameCell(const DRAWITEMSTRUCT& drawItem, double split) const;

private:
    PropertyRowKind m_kind;
    PropertyItem_imp* m_item; // null for group headers
    int m_part;
    std::unique_ptr<item_ctrl> m_editor;
};

class ZTUI_EXPORT prop_group final : public prop_item_baseObj
{
public:
    // Clicks this far from a header's right edge, or nearer, toggle the group.
    static constexpr int kGlyphZone = 30;

    prop_group(const CString& name, bool expanded)
        : prop_item_baseObj(PropertyRowKind::Group, nullptr, 0), m_name(name), m_expanded(expanded)
    {}
    CString text() const override { return m_name; }
    const CString& name() const { return m_name; }
    bool expanded() const { return m_expanded; }
    void setExpanded(bool expanded) { m_expanded = expanded; }
    const std::vector<std::unique_ptr<prop_item_baseObj>>& rows() const { return m_rows; }
    void addRow(std::unique_ptr<prop_item_baseObj> row) { m_rows.push_back(std::move(row)); }
    // A press on the glyph zone of the header toggles the group and repopulates the list.
    void onLButtonDown(ListBoxProperty& list, UINT flags, CPoint point) override;
    void draw(const DRAWITEMSTRUCT& drawItem, double split) override;
    int height(const PropertyRowMetrics&) const override { return kHeaderRowHeight; }

private:
    CString m_name;
    bool m_expanded;
    std::vector<std::unique_ptr<prop_item_baseObj>> m_rows;
};

// A SubGroup item: a header without glyph, indented under its group.
class ZTUI_EXPORT prop_sub_group final : public prop_item_baseObj
{
public:
    explicit prop_sub_group(PropertyItem_imp* item)
        : prop_item_baseObj(PropertyRowKind::SubGroup, item, 0)
    {}
    static bool Takes(Kind kind) { return kind == Kind::SubGroup; }
    static void AddRows(PropertyItem_imp* item, prop_group& group);
    void draw(const DRAWITEMSTRUCT& drawItem, double split) override;
    int height(const PropertyRowMetrics&) const override { return kHeaderRowHeight; }
};

// Every item kind without a row class of its own; its editor comes from the kind.
class ZTUI_EXPORT prop_item_comn final : public prop_item_baseObj
{
public:
    explicit prop_item_comn(PropertyItem_imp* item)
        : prop_item_baseObj(PropertyRowKind::Item, item, 0)
    {}
    // Image lists and multi-line texts make taller rows.
    int height(const PropertyRowMetrics& metrics) const override;
    std::unique_ptr<item_ctrl> createDefaultEditor(CWnd* parent, UINT id) override;
    EditorIdCounter* editorIds() const override;
    // The kind chooses the window, and read-only and mixed values its styles.
    EditorClass editorClass() const override;
    static void AddRows(PropertyItem_imp* item, prop_group& group);
};

class ZTUI_EXPORT prop_item_angle final : public prop_item_baseObj
{
public:
    explicit prop_item_angle(PropertyItem_imp* item)
        : prop_item_baseObj(PropertyRowKind::Angle, item, 0)
    {}
    static bool Takes(Kind kind) { return kind == Kind::Angle; }
    static void AddRows(PropertyItem_imp* item, prop_group& group);
    int height(const PropertyRowMetrics& metrics) const override { return itemRowHeight(metrics); }
    std::unique_ptr<item_ctrl> createDefaultEditor(CWnd* parent, UINT id) override;
    EditorIdCounter* editorIds() const override;
};

// One of the three coordinate rows of a Point item: part 0, 1 or 2 for X, Y, Z.
class ZTUI_EXPORT prop_item_point3d_part final : public prop_item_baseObj
{
public:
    prop_item_point3d_part(PropertyItem_imp* item, int part)
        : prop_item_baseObj(PropertyRowKind::PointPart, item, part)
    {}
    static bool Takes(Kind kind) { return kind == Kind::Point; }
    // Three rows: X, Y and Z.
    static void AddRows(PropertyItem_imp* item, prop_group& group);
    CString text() const override;
    int height(const PropertyRowMetrics&) const override { return kItemRowHeight; }
    std::unique_ptr<item_ctrl> createDefaultEditor(CWnd* parent, UINT id) override;
    EditorIdCounter* editorIds() const override;
};

class ZTUI_EXPORT prop_item_edit_button final : public prop_item_baseObj
{
public:
    explicit prop_item_edit_button(PropertyItem_imp* item)
        : prop_item_baseObj(PropertyRowKind::EditButton, item, 0)
    {}
    static bool Takes(Kind kind) { return kind == Kind::EditButton; }
    static void AddRows(PropertyItem_imp* item, prop_group& group);
    int height(const PropertyRowMetrics&) const override { return kItemRowHeight; }
    std::unique_ptr<item_ctrl> createDefaultEditor(CWnd* parent, UINT id) override;
    EditorIdCounter* editorIds() const override;
};

class ZTUI_EXPORT prop_item_color_button final : public prop_item_baseObj
{
public:
    explicit prop_item_color_button(PropertyItem_imp* item)
        : prop_item_baseObj(PropertyRowKind::Color, item, 0)
    {}
    static bool Takes(Kind kind) { return kind == Kind::Color; }
    static void AddRows(PropertyItem_imp* item, prop_group& group);
    int height(const PropertyRowMetrics&) const override { return kItemRowHeight; }
    std::unique_ptr<item_ctrl> createDefaultEditor(CWnd* parent, UINT id) override;
    EditorIdCounter* editorIds() const override;
};

class ZTUI_EXPORT prop_item_image final : public prop_item_baseObj
{
public:
    explicit prop_item_image(PropertyItem_imp* item)
        : prop_item_baseObj(PropertyRowKind::Image, item, 0)
    {}
    static bool Takes(Kind kind) { return kind == Kind::Image; }
    static void AddRows(PropertyItem_imp* item, prop_group& group);
    // As tall as the picture; a row without one keeps room for it.
    int height(const PropertyRowMetrics& metrics) const override;
    std::unique_ptr<item_ctrl> createDefaultEditor(CWnd* parent, UINT id) override;
    EditorIdCounter* editorIds() const override;
};

} // namespace zt
