#include "ztui/proplist/editors/item_ctrl_simple.h"

#include "ztui/proplist/editors/ctrl_CheckBox.h"
#include "ztui/proplist/editors/ctrl_angle.h"
#include "ztui/proplist/editors/ctrl_button.h"
#include "ztui/proplist/editors/ctrl_combobox.h"
#include "ztui/proplist/editors/ctrl_comboboxEx.h"
#include "ztui/proplist/editors/ctrl_double.h"
#include "ztui/proplist/editors/ctrl_integer.h"
#include "ztui/proplist/editors/ctrl_multitext.h"
#include "ztui/proplist/editors/ctrl_text.h"
#include "ztui/proplist/editors/edit_ctrl.h"
#include "ztui/proplist/window/PropertyRows.h"

#include <map>

namespace zt {

namespace {

using Kind = PropertyMgrUI::PropertyItemKind;
using EditorMaker = std::unique_ptr<ctrl_object> (*)();

struct EditorKind
{
    EditorMaker make;
    // Passed to the editor's create: the drop-down's choice-only or typing style.
    DWORD extraStyle = 0;
};

template <class T>
std::unique_ptr<ctrl_object> Make()
{
    return std::make_unique<T>();
}

// The editor of each kind; kinds without one (None, PointList) leave the value column empty.
const std::map<Kind, EditorKind>& EditorTable()
{
    static const std::map<Kind, EditorKind> table{
        {Kind::Integer, {&Make<edit_ctrl<ctrl_integer>>}},
        {Kind::Double, {&Make<edit_ctrl<ctrl_double>>}},
        {Kind::Angle, {&Make<edit_ctrl<ctrl_angle>>}},
        {Kind::Text, {&Make<edit_ctrl<ctrl_text>>}},
        {Kind::MultiText, {&Make<edit_ctrl<ctrl_multitext>>}},
        {Kind::List, {&Make<ctrl_combobox>, CBS_DROPDOWNLIST}},
        {Kind::EditableList, {&Make<ctrl_combobox>, CBS_DROPDOWN}},
        {Kind::ImageList, {&Make<ctrl_comboboxEx>}},
        {Kind::Check, {&Make<ctrl_CheckBox>}},
        {Kind::Button, {&Make<ctrl_button>}},
    };
    return table;
}

} // namespace

item_ctrl_simple::item_ctrl_simple(PropertyItem_imp& item, CWnd* parent, UINT id)
{
    const auto& table = EditorTable();
    auto it = table.find(item.kind());
    if (it == table.end())
        return;
    std::unique_ptr<ctrl_object> editor = it->second.make();
    if (editor->create(parent, item, id, it->second.extraStyle))
        m_editor = std::move(editor);
}

item_ctrl_simple::~item_ctrl_simple() = default;

bool item_ctrl_simple::HasEditor(const PropertyItem_imp& item)
{
    return EditorTable().count(item.kind()) != 0;
}

HWND item_ctrl_simple::window() const
{
    return m_editor ? m_editor->window() : nullptr;
}

void item_ctrl_simple::itemChanged()
{
    if (m_editor)
        m_editor->itemChanged();
}

bool item_ctrl_simple::rebind(PropertyItem_imp& item, int)
{
    return m_editor && m_editor->rebind(item);
}

void item_ctrl_simple::move(const RECT& rect)
{
    if (m_editor)
        m_editor->move(rect);
}

} // namespace zt
