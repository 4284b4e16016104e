#include "ztui/proplist/editors/ctrl_button.h"

#include "ztui/proplist/model/PropertyItem_imp.h"
#include "ztui/proplist/model/PropertyList_imp.h"

namespace zt {

bool ctrl_button::create(CWnd* parent, PropertyItem_imp& item, UINT id, DWORD)
{
    m_item = &item;
    m_button.SetHook(this);
    if (item.buttonData() != 0)
        m_button.SetIcon(PropertyMgrUI::ButtonIconDrawer(item.buttonData()),
                         PropertyMgrUI::ButtonIconIndex(item.tag()));
    if (!m_button.CreateButton(item.buttonText(), CRect(0, 0, 0, 0), parent, id))
        return false;
    // A read-only row offers no action.
    if (item.isReadOnly())
        m_button.EnableWindow(FALSE);
    return true;
}

bool ctrl_button::rebind(PropertyItem_imp& item)
{
    if (!m_button.m_hWnd)
        return false;
    m_item = &item;
    if (item.buttonData() != 0)
        m_button.SetIcon(PropertyMgrUI::ButtonIconDrawer(item.buttonData()),
                         PropertyMgrUI::ButtonIconIndex(item.tag()));
    else
        m_button.SetIcon(nullptr, -1);
    m_button.SetWindowText(item.buttonText());
    m_button.EnableWindow(!item.isReadOnly());
    m_button.Invalidate(FALSE);
    return true;
}

void ctrl_button::move(const RECT& rect)
{
    if (!m_button.m_hWnd)
        return;
    m_button.MoveWindow(&rect, TRUE);
    m_button.Invalidate(FALSE);
}

void ctrl_button::onClick(actrl_Button*)
{
    if (!m_item)
        return;
    // The owner's handler may rebuild the list and so destroy this editor.
    if (PropertyList_imp* list = m_item->owner())
        list->NotifyButtonClicked(*m_item);
}

} // namespace zt
