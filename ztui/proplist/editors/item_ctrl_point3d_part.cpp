#include "ztui/proplist/editors/item_ctrl_point3d_part.h"

#include "ztui/proplist/model/PropertyItem_imp.h"
#include "ztui/proplist/model/PropertyList_imp.h"
#include "ztui/proplist/model/ValueText.h"

#include <algorithm>

namespace zt {

namespace {

double& Coordinate(DPoint3d& point, int part)
{
    return part == 0 ? point.x : part == 1 ? point.y : point.z;
}

} // namespace

item_ctrl_point3d_part::item_ctrl_point3d_part(PropertyItem_imp& item, int part, CWnd* parent,
                                               UINT id)
    : m_item(&item), m_part(std::clamp(part, 0, 2))
{
    if (!m_window.CreateComposite(CRect(0, 0, 0, 0), parent, id))
        return;
    m_window.SetCaption(CoordinateText());
    // A read-only point shows its coordinates but takes no clicks.
    if (item.isReadOnly())
        m_window.EnableWindow(FALSE);
    m_window.SetCallbacks([this](const CString& text) { onTextCommitted(text); },
                          [this] { onButton(); });
}

item_ctrl_point3d_part::~item_ctrl_point3d_part() = default;

CString item_ctrl_point3d_part::CoordinateText() const
{
    // A point standing for several different ones shows the placeholder in every row.
    if (m_item->hasDisplayText())
        return m_item->displayText();
    DPoint3d point = m_item->point();
    return valuetext::FormatCoordinate(Coordinate(point, m_part));
}

bool item_ctrl_point3d_part::rebind(PropertyItem_imp& item, int part)
{
    if (!m_window.ResetForReuse())
        return false;
    m_item = &item;
    m_part = std::clamp(part, 0, 2);
    m_window.SetCaption(CoordinateText());
    m_window.EnableWindow(!item.isReadOnly());
    return true;
}

void item_ctrl_point3d_part::move(const RECT& rect)
{
    if (!m_window.m_hWnd)
        return;
    m_window.MoveWindow(&rect, TRUE);
    m_window.Invalidate(FALSE);
}

void item_ctrl_point3d_part::itemChanged()
{
    if (m_window.m_hWnd)
        m_window.SetCaption(CoordinateText());
}

void item_ctrl_point3d_part::onTextCommitted(const CString& text)
{
    // Leaving the placeholder as it stands is no entry: the several values stay. The general
    // mixed-value rule wins over the composite editor's commit on every focus loss, which would
    // write the shown text over every selected object.
    if (m_item->hasDisplayText() && text == m_item->displayText())
        return;
    DPoint3d point = m_item->point();
    Coordinate(point, m_part) = valuetext::ReadNumber(text);
    m_item->setPoint(point);
    // The handler may rebuild the list and destroy this holder: nothing of it is used after.
    if (PropertyList_imp* list = m_item->owner())
        list->NotifyValueChanged(*m_item);
}

void item_ctrl_point3d_part::onButton()
{
    if (PropertyList_imp* list = m_item->owner())
        list->NotifyButtonClicked(*m_item);
}

} // namespace zt
