#pragma once
// The check box of check rows. Three-state when the row stands for several objects with
// different values, so that the mixed state can be shown until the user decides.

#include "platform/base/CString.h"
#include "platform/win/afxwin.h"
#include "ztui/ZTUiExport.h"

namespace zt {

class actrl_CheckBox_msgHook;

class ZTUI_EXPORT actrl_CheckBox : public CButton
{
public:
    actrl_CheckBox() = default;
    ~actrl_CheckBox() override;

    void SetHook(actrl_CheckBox_msgHook* hook) { m_hook = hook; }
    // An automatic check box; three-state when asked.
    BOOL CreateCheck(const CString& caption, const RECT& rect, CWnd* parent, UINT id,
                     bool threeState);

protected:
    afx_msg void OnClicked();
    DECLARE_MESSAGE_MAP()

private:
    actrl_CheckBox_msgHook* m_hook = nullptr;
};

} // namespace zt
