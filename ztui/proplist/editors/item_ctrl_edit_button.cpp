#include "ztui/proplist/editors/item_ctrl_edit_button.h"

#include "ztui/proplist/model/PropertyItem_imp.h"
#include "ztui/proplist/model/PropertyList_imp.h"

#include <cstdint>

namespace zt {

item_ctrl_edit_button::item_ctrl_edit_button(PropertyItem_imp& item, CWnd* parent, UINT id)
    : m_item(&item)
{
    if (!m_window.CreateComposite(CRect(0, 0, 0, 0), parent, id))
        return;
    TakeUpItem();
    if (item.isReadOnly())
        m_window.EnableWindow(FALSE);
    m_window.SetCallbacks([this](const CString& text) { onTextCommitted(text); },
                          [this] { onButton(); });
}

item_ctrl_edit_button::~item_ctrl_edit_button() = default;

void item_ctrl_edit_button::TakeUpItem()
{
    m_window.SetButtonPicture(
        reinterpret_cast<HBITMAP>(static_cast<std::intptr_t>(m_item->editButtonData())));
    m_window.SetPlaceholder(m_item->hasDisplayText() ? m_item->displayText() : CString());
    m_window.SetFormatCheck(m_item->formatCheck());
    m_window.SetCaption(m_item->hasDisplayText() ? m_item->displayText()
                                                 : m_item->editButtonText());
}

bool item_ctrl_edit_button::rebind(PropertyItem_imp& item, int)
{
    if (!m_window.ResetForReuse())
        return false;
    m_item = &item;
    TakeUpItem();
    m_window.EnableWindow(!item.isReadOnly());
    return true;
}

void item_ctrl_edit_button::move(const RECT& rect)
{
    if (!m_window.m_hWnd)
        return;
    m_window.MoveWindow(&rect, TRUE);
    m_window.Invalidate(FALSE);
}

void item_ctrl_edit_button::itemChanged()
{
    if (m_window.m_hWnd)
        TakeUpItem();
}

void item_ctrl_edit_button::onTextCommitted(const CString& text)
{
    // Leaving the placeholder as it stands is no entry: the several values stay. The general
    // mixed-value rule wins over the composite editor's commit on every focus loss, which would
    // write the shown text over every selected object.
    if (m_item->hasDisplayText() && text == m_item->displayText())
        return;
    m_item->setEditButton(text);
    // The handler may rebuild the list and destroy this holder: nothing of it is used after.
    if (PropertyList_imp* list = m_item->owner())
        list->NotifyValueChanged(*m_item);
}

void item_ctrl_edit_button::onButton()
{
    if (PropertyList_imp* list = m_item->owner())
        list->NotifyButtonClicked(*m_item);
}

} // namespace zt
