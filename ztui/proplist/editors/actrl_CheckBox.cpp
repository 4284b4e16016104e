#include "ztui/proplist/editors/actrl_CheckBox.h"

#include "ztui/proplist/editors/actrl_CheckBox_msgHook.h"

namespace zt {

BEGIN_MESSAGE_MAP(actrl_CheckBox, CButton)
ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

actrl_CheckBox::~actrl_CheckBox()
{
    m_hook = nullptr;
    if (m_hWnd)
        DestroyWindow();
}

BOOL actrl_CheckBox::CreateCheck(const CString& caption, const RECT& rect, CWnd* parent, UINT id,
                                 bool threeState)
{
    DWORD style =
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | (threeState ? BS_AUTO3STATE : BS_AUTOCHECKBOX);
    if (!Create(caption, style, rect, parent, id))
        return FALSE;
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return TRUE;
}

void actrl_CheckBox::OnClicked()
{
    // The editor's handler may destroy this window: nothing of it is touched afterwards.
    if (m_hook)
        m_hook->onClick(this);
}

} // namespace zt
