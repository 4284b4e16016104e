#pragma once
// The push button of button rows: owner-drawn from the style tree, with an optional icon drawn
// by the row's owner at its left.

#include "platform/base/CString.h"
#include "platform/win/afxwin.h"
#include "ztui/ZTUiExport.h"
#include "ztui/proplist/editors/PropertyButtonIcon.h"

namespace zt {

class actrl_Button_msgHook;

class ZTUI_EXPORT actrl_Button : public CButton
{
public:
    actrl_Button() = default;
    ~actrl_Button() override;

    void SetHook(actrl_Button_msgHook* hook) { m_hook = hook; }
    // Null: no icon.
    void SetIcon(PropertyMgrUI::DrawButtonIcon draw, int iconIndex)
    {
        m_drawIcon = draw;
        m_iconIndex = iconIndex;
    }
    int IconIndex() const { return m_iconIndex; }
    BOOL CreateButton(const CString& caption, const RECT& rect, CWnd* parent, UINT id);

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    afx_msg void OnClicked();
    DECLARE_MESSAGE_MAP()

private:
    actrl_Button_msgHook* m_hook = nullptr;
    PropertyMgrUI::DrawButtonIcon m_drawIcon = nullptr;
    int m_iconIndex = -1;
};

} // namespace zt
