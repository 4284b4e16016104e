#include "ztui/proplist/editors/ctrl_comboboxEx.h"

#include "ztui/proplist/model/PropertyItem_imp.h"
#include "ztui/proplist/model/PropertyList_imp.h"

namespace zt {

bool ctrl_comboboxEx::create(CWnd* parent, PropertyItem_imp& item, UINT id, DWORD)
{
    m_item = &item;
    m_combo.SetHook(this);
    m_combo.SetImageList(item.imageList());
    if (!m_combo.CreateCombo(CRect(0, 0, 0, 0), parent, id))
        return false;
    m_font.CreateFont(kFontHeight, 0, 0, 0, kFontWeight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                      DEFAULT_PITCH | FF_DONTCARE, kFontFace);
    m_combo.SetFont(&m_font, FALSE);
    Fill(item);
    return true;
}

bool ctrl_comboboxEx::rebind(PropertyItem_imp& item)
{
    if (!m_combo.m_hWnd)
        return false;
    m_item = &item;
    // The entry height comes from the images, and the new item may bring other ones.
    m_combo.SetImageList(item.imageList());
    m_combo.SetItemHeight(-1, static_cast<UINT>(m_combo.EntryHeight()));
    m_combo.ResetContent();
    m_combo.EnableWindow(TRUE);
    Fill(item);
    m_combo.Invalidate(FALSE);
    return true;
}

void ctrl_comboboxEx::Fill(PropertyItem_imp& item)
{
    for (const PropertyListEntry& entry : item.entries())
        m_combo.AddEntry(entry.text, entry.imageIndex);
    m_combo.SetCurSel(item.selectedIndex());
    if (item.hasDisplayText()) {
        m_combo.AddEntry(item.displayText(), -1);
        const int count = m_combo.GetCount();
        for (int i = 0; i < count; ++i) {
            CString text;
            m_combo.GetLBText(i, text);
            if (text == item.displayText()) {
                m_combo.SetCurSel(i);
                break;
            }
        }
    }
    if (item.isReadOnly())
        m_combo.EnableWindow(FALSE);
}

void ctrl_comboboxEx::move(const RECT& rect)
{
    if (!m_combo.m_hWnd)
        return;
    CRect r(rect);
    r.bottom += kListExtent;
    m_combo.MoveWindow(&r, TRUE);
    m_combo.Invalidate(FALSE);
}

void ctrl_comboboxEx::onSelChange(actrl_ComboBoxEx* combo, int index)
{
    if (!m_item || !combo || index < 0 || index >= combo->GetCount())
        return;
    CString text;
    combo->GetLBText(index, text);
    if (!text.IsEmpty() && (text == m_item->displayText() || index == m_item->selectedIndex()))
        return;
    m_item->setImageListSelection(index);
    // The owner's handler may rebuild the list and so destroy this editor.
    if (PropertyList_imp* list = m_item->owner())
        list->NotifyValueChanged(*m_item);
}

} // namespace zt
