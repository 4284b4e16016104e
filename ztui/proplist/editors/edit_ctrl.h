#pragma once
// The editor of the rows edited as text: integer, length, angle, text and multi-line text.
// The kind decides the edit type, the text shown and how typed text becomes the value.

#include "platform/win/afxwin.h"
#include "ztui/proplist/editors/actrl_Edit.h"
#include "ztui/proplist/editors/actrl_Edit_msgHook.h"
#include "ztui/proplist/editors/ctrl_object.h"
#include "ztui/proplist/model/PropertyItem_imp.h"
#include "ztui/proplist/model/PropertyList_imp.h"

namespace zt {

template <class Kind>
class edit_ctrl final : public ctrl_object, public actrl_Edit_msgHook
{
public:
    // A single-line edit keeps this height in taller rows, centred.
    static constexpr int kBoxHeight = 24;

    bool create(CWnd* parent, PropertyItem_imp& item, UINT id, DWORD) override
    {
        m_item = &item;
        if (item.kind() == PropertyMgrUI::PropertyItemKind::MultiText) {
            m_edit.SetEditType(actrl_Edit::MultiTextEdit);
            m_edit.SetLineCount(item.lineCount());
        }
        m_edit.SetHook(this);
        if (!m_edit.CreateEdit(CRect(0, 0, 0, 0), parent, id, item.isReadOnly()))
            return false;
        if (item.isReadOnly())
            m_edit.EnableWindow(FALSE);
        m_edit.SetEditType(Kind::kEditType);
        m_edit.SetWindowText(item.hasDisplayText() ? item.displayText() : Kind::Text(item));
        m_edit.SetModify(FALSE);
        if (item.hasDisplayText())
            m_edit.SetPlaceholder(item.displayText());
        m_edit.SetFormatCheck(item.formatCheck());
        return true;
    }
    HWND window() const override { return m_edit.m_hWnd; }
    void move(const RECT& rect) override
    {
        if (!m_edit.m_hWnd)
            return;
        CRect r(rect);
        if (m_edit.IsSingleLine() && r.Height() >= kBoxHeight + 1) {
            int middle = (r.top + r.bottom) / 2;
            r.top = middle - kBoxHeight / 2;
            r.bottom = middle + kBoxHeight / 2;
        }
        m_edit.MoveWindow(&r, TRUE);
        m_edit.Invalidate(FALSE);
    }

    bool rebind(PropertyItem_imp& item) override
    {
        if (!m_edit.m_hWnd || item.isReadOnly() != m_edit.IsReadOnlyEdit() ||
            (item.kind() == PropertyMgrUI::PropertyItemKind::MultiText) != !m_edit.IsSingleLine())
            return false;
        // The old item's check must not judge the new text.
        m_edit.SetFormatCheck(nullptr);
        m_item = &item;
        if (!m_edit.IsSingleLine())
            m_edit.SetLineCount(item.lineCount());
        // Setting the text also empties the undo buffer and the modified flag.
        m_edit.SetWindowText(item.hasDisplayText() ? item.displayText() : Kind::Text(item));
        m_edit.SetModify(FALSE);
        m_edit.SetPlaceholder(item.hasDisplayText() ? item.displayText() : CString());
        m_edit.SetFormatCheck(item.formatCheck());
        m_edit.Invalidate(FALSE);
        return true;
    }
    void itemChanged() override
    {
        if (m_item && m_edit.m_hWnd)
            m_edit.SetFormatCheck(m_item->formatCheck());
    }

    void onKillFocus(actrl_Edit* edit, CWnd*) override
    {
        if (!m_item || !edit || !edit->m_hWnd)
            return;
        CString text;
        edit->GetWindowText(text);
        if (m_item->hasDisplayText() && text == m_item->displayText())
            return;
        if (!edit->GetModify())
            return;
        // Committed once: a later focus loss without typing writes nothing again.
        edit->SetModify(FALSE);
        PropertyItem_imp* item = m_item;
        const int lines = edit->LineCount();
        // The owner's handler may rebuild the list and so destroy this editor: nothing of it
        // is touched from here on. The list runs the handler inside its guard.
        Kind::Write(*item, text, lines);
        if (PropertyList_imp* list = item->owner())
            list->NotifyValueChanged(*item, L"edit commit");
    }
    void onSetFocus(actrl_Edit*, CWnd*) override {}

    actrl_Edit& edit() { return m_edit; }

private:
    PropertyItem_imp* m_item = nullptr;
    actrl_Edit m_edit;
};

} // namespace zt
