#include "ztui/proplist/editors/ctrl_CheckBox.h"

#include "ztui/proplist/model/PropertyItem_imp.h"
#include "ztui/proplist/model/PropertyList_imp.h"

namespace zt {

bool ctrl_CheckBox::create(CWnd* parent, PropertyItem_imp& item, UINT id, DWORD)
{
    m_item = &item;
    m_check.SetHook(this);
    m_threeState = item.hasDisplayText();
    if (!m_check.CreateCheck(item.text(), CRect(0, 0, 0, 0), parent, id, m_threeState))
        return false;
    m_check.SetCheck(item.checkValue() ? BST_CHECKED : BST_UNCHECKED);
    if (item.hasDisplayText())
        m_check.SetCheck(BST_INDETERMINATE);
    if (item.isReadOnly())
        m_check.EnableWindow(FALSE);
    return true;
}

bool ctrl_CheckBox::rebind(PropertyItem_imp& item)
{
    if (!m_check.m_hWnd || item.hasDisplayText() != m_threeState)
        return false;
    m_item = &item;
    m_check.SetWindowText(item.text());
    m_check.SetCheck(item.hasDisplayText() ? BST_INDETERMINATE
                                           : item.checkValue() ? BST_CHECKED : BST_UNCHECKED);
    m_check.EnableWindow(!item.isReadOnly());
    m_check.Invalidate(FALSE);
    return true;
}

void ctrl_CheckBox::move(const RECT& rect)
{
    if (!m_check.m_hWnd)
        return;
    m_check.MoveWindow(&rect, TRUE);
    m_check.Invalidate(FALSE);
}

void ctrl_CheckBox::onClick(actrl_CheckBox* checkbox)
{
    if (!m_item || !checkbox)
        return;
    const int state = checkbox->GetCheck();
    if (state == BST_INDETERMINATE)
        return;
    const bool checked = state == BST_CHECKED;
    if (checked == m_item->checkValue())
        return;
    m_item->setCheck(checked);
    // The owner's handler may rebuild the list and so destroy this editor.
    if (PropertyList_imp* list = m_item->owner())
        list->NotifyValueChanged(*m_item);
}

} // namespace zt
