#include "ztui/proplist/editors/ctrl_combobox.h"

#include "ztui/proplist/model/PropertyItem_imp.h"
#include "ztui/proplist/model/PropertyList_imp.h"

namespace zt {

bool ctrl_combobox::create(CWnd* parent, PropertyItem_imp& item, UINT id, DWORD extraStyle)
{
    m_item = &item;
    m_combo.SetHook(this);
    if (!m_combo.CreateCombo(CRect(0, 0, 0, 0), parent, id, extraStyle))
        return false;
    Fill(item);
    return true;
}

bool ctrl_combobox::rebind(PropertyItem_imp& item)
{
    // The choice-only or typing style is the kind's, which the parked editor shares.
    if (!m_combo.m_hWnd)
        return false;
    m_item = &item;
    m_combo.ResetContent();
    m_combo.EnableWindow(TRUE);
    Fill(item);
    m_combo.Invalidate(FALSE);
    return true;
}

void ctrl_combobox::Fill(PropertyItem_imp& item)
{
    for (const PropertyListEntry& entry : item.entries())
        m_combo.InsertEntry(-1, entry.text);
    m_combo.SetCurSel(item.selectedIndex());
    if (item.hasDisplayText()) {
        m_combo.InsertEntry(-1, item.displayText());
        m_combo.SetCurSel(m_combo.FindExact(item.displayText()));
    }
    if (item.isReadOnly())
        m_combo.EnableWindow(FALSE);
}

void ctrl_combobox::move(const RECT& rect)
{
    if (!m_combo.m_hWnd)
        return;
    CRect r(rect);
    r.bottom += kListExtent;
    m_combo.MoveWindow(&r, TRUE);
    m_combo.SetItemHeight(-1, actrl_ComboBox::kEntryHeight);
    m_combo.Invalidate(FALSE);
}

void ctrl_combobox::onSelChange(actrl_ComboBox* combo, int index)
{
    if (!m_item || !combo || index < 0 || index >= combo->GetCount())
        return;
    CString text;
    combo->GetLBText(index, text);
    // The placeholder stands for the mixed values only while the item shows it; otherwise an
    // entry that happens to read like an old or empty placeholder (the empty entry typed into
    // an editable list) is a value like any other.
    if ((m_item->hasDisplayText() && text == m_item->displayText()) ||
        index == m_item->selectedIndex())
        return;
    m_item->setSelectedIndex(index);
    // The owner's handler may rebuild the list and so destroy this editor.
    if (PropertyList_imp* list = m_item->owner())
        list->NotifyValueChanged(*m_item);
}

void ctrl_combobox::onEditEnter(actrl_ComboBox* combo, const CString& text)
{
    // An empty typing field is an entry too: the empty text is added, selected and reported.
    if (!m_item || !combo)
        return;
    int index = combo->FindExact(text);
    if (index < 0) {
        const int at = static_cast<int>(m_item->entries().size());
        index = combo->InsertEntry(at, text);
        if (index < 0)
            return;
        m_item->addListEntry(text, m_item->isEditableList());
    }
    combo->SetCurSel(index);
    onSelChange(combo, index);
}

} // namespace zt
