#pragma once
// The tooltip control's class. CWnd::EnableToolTips uses one of these per window: the window's
// OnToolHitTest finds the tool under the pointer and the tip asks the window for its text
// through TTN_NEEDTEXTW.

#include "platform/win/mfc/CWnd.h"

class CToolTipCtrl : public CWnd
{
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    CToolTipCtrl() = default;
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);

    // A tool without a rectangle and id is the window itself (TTF_IDISHWND, notifications to
    // its parent); otherwise a rectangle of the window's client area.
    BOOL AddTool(CWnd* pWnd, LPCTSTR lpszText = LPSTR_TEXTCALLBACK, LPCRECT lpRectTool = nullptr,
                 UINT_PTR nIDTool = 0);
    void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
    void UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void Activate(BOOL bActivate);
    void RelayEvent(LPMSG lpMsg);
    void SetDelayTime(UINT nDelay);
    void SetDelayTime(DWORD dwDuration, int iTime);
    int GetDelayTime(DWORD dwDuration) const;
    void Pop();
    int GetToolCount() const;

private:
    void FillInfo(TOOLINFOW& ti, CWnd* pWnd, UINT_PTR nIDTool) const;
};
