#include "ztui/proplist/editors/item_ctrl_image.h"

#include "ztui/proplist/model/PropertyItem_imp.h"
#include "ztui/proplist/model/PropertyList_imp.h"

namespace zt {

item_ctrl_image::item_ctrl_image(PropertyItem_imp& item, CWnd* parent, UINT id) : m_item(&item)
{
    if (!m_button.CreateButton(item.name(), CRect(0, 0, 0, 0), parent, id))
        return;
    m_button.SetPicture(item.image());
    if (!item.isReadOnly())
        m_button.SetClickCallback([this](UINT buttonId) { onClick(buttonId); });
}

bool item_ctrl_image::rebind(PropertyItem_imp& item, int)
{
    if (!m_button.m_hWnd)
        return false;
    m_item = &item;
    m_button.SetWindowText(item.name());
    m_button.SetPicture(item.image());
    if (item.isReadOnly())
        m_button.SetClickCallback({});
    else
        m_button.SetClickCallback([this](UINT buttonId) { onClick(buttonId); });
    m_button.Invalidate(FALSE);
    return true;
}

item_ctrl_image::~item_ctrl_image() = default;

void item_ctrl_image::move(const RECT& rect)
{
    if (!m_button.m_hWnd)
        return;
    m_button.MoveWindow(&rect, TRUE);
    m_button.Invalidate(FALSE);
}

void item_ctrl_image::itemChanged()
{
    if (m_button.m_hWnd && m_button.Picture() != m_item->image())
        m_button.SetPicture(m_item->image());
}

void item_ctrl_image::onClick(UINT)
{
    if (PropertyList_imp* list = m_item->owner())
        list->NotifyButtonClicked(*m_item);
}

} // namespace zt
