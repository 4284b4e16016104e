#include "ztui/proplist/editors/item_ctrl_color_button.h"

#include "ztui/proplist/model/PropertyItem_imp.h"
#include "ztui/proplist/model/PropertyList_imp.h"

namespace zt {

namespace {

void CommitColor(PropertyItem_imp* item, COLORREF color)
{
    item->setColor(color);
    PropertyList_imp* list = item->owner();
    if (!list)
        return;
    std::weak_ptr<const void> alive = list->LifeToken();
    // A click handler that failed ends the choice there; one that cleared or destroyed the
    // list took the item with it.
    if (!list->NotifyButtonClicked(*item, L"colour choice") || alive.expired())
        return;
    list->NotifyValueChanged(*item, L"colour choice");
}

} // namespace

item_ctrl_color_button::item_ctrl_color_button(PropertyItem_imp& item, CWnd* parent, UINT id)
{
    if (m_button.CreateButton(CString(), CRect(0, 0, 0, 0), parent, id, item.color()))
        Bind(item);
}

void item_ctrl_color_button::Bind(PropertyItem_imp& item)
{
    if (item.isReadOnly()) {
        m_button.SetClickCallback({});
        return;
    }
    PropertyItem_imp* target = &item;
    ButtonColor* button = &m_button;
    m_button.SetClickCallback([target, button](UINT) {
        COLORREF color = button->GetColor();
        CommitColor(target, color);
    });
}

bool item_ctrl_color_button::rebind(PropertyItem_imp& item, int)
{
    if (!m_button.m_hWnd)
        return false;
    m_button.SetColor(item.color());
    Bind(item);
    return true;
}

item_ctrl_color_button::~item_ctrl_color_button()
{
    if (m_button.m_hWnd)
        m_button.DestroyWindow();
}

void item_ctrl_color_button::move(const RECT& rect)
{
    if (!m_button.m_hWnd)
        return;
    m_button.MoveWindow(&rect, TRUE);
    m_button.Invalidate(FALSE);
}

} // namespace zt
