#include "ztui/propertypanel/ZTDlgToolPanelBase.h"

namespace zt {

IMPLEMENT_DYNAMIC(ZTDlgToolPanelBase, CDialogEx)

BEGIN_MESSAGE_MAP(ZTDlgToolPanelBase, CDialogEx)
ON_WM_SETCURSOR()
END_MESSAGE_MAP()

ZTDlgToolPanelBase::ZTDlgToolPanelBase(UINT nIDTemplate, CWnd* pParent)
    : CDialogEx(nIDTemplate, pParent)
{}

ZTDlgToolPanelBase::~ZTDlgToolPanelBase() = default;

// The panel floats over the drawing view, whose cursor is a cross hair: over the panel the
// user is back among controls.
BOOL ZTDlgToolPanelBase::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (HCURSOR arrow = ::LoadCursorW(nullptr, IDC_ARROW)) {
        ::SetCursor(arrow);
        if (::GetCursor() == arrow)
            return TRUE;
    }
    return CDialogEx::OnSetCursor(pWnd, nHitTest, message);
}

void ZTDlgToolPanelBase::OnOK() {}
void ZTDlgToolPanelBase::_UpdateUI() {}
void ZTDlgToolPanelBase::_OnInitDialogUI() {}
void ZTDlgToolPanelBase::_OnClosedUI() {}
void ZTDlgToolPanelBase::PropertyListNotifyCB(long, PropertyMgrUI::PropertyItem&) {}

} // namespace zt
