#include "ztui/dlglayout/CQDockDlg.h"

namespace QDlgResize_Space {

IMPLEMENT_DYNAMIC(CQDockDlg, QDlgResize)

CQDockDlg::CQDockDlg(UINT nIDTemplate, CWnd* pParent) : QDlgResize(nIDTemplate, pParent) {}

CQDockDlg::~CQDockDlg() = default;

CDockablePane* CQDockDlg::GetParentPane() const
{
    if (!m_hWnd)
        return nullptr;
    CWnd* parent = CWnd::FromHandlePermanent(::GetParent(m_hWnd));
    if (!parent || !parent->IsKindOf(RUNTIME_CLASS(CDockablePane)))
        return nullptr;
    return static_cast<CDockablePane*>(parent);
}

BOOL CQDockDlg::SetDlgCaption(const CString& caption)
{
    if (!m_hWnd)
        return FALSE;
    SetWindowText(caption);
    if (CDockablePane* pane = GetParentPane()) {
        pane->SetWindowText(caption);
        pane->Invalidate();
    }
    return TRUE;
}

BOOL CQDockDlg::CloseDlg()
{
    CDockablePane* pane = GetParentPane();
    if (!pane)
        return FALSE;
    pane->ShowPane(FALSE, FALSE, FALSE);
    return TRUE;
}

BOOL CQDockDlg::OnInitDialog()
{
    BOOL result = QDlgResize::OnInitDialog();
    InitSetCtrlPos();
    return result;
}

void CQDockDlg::InitSetCtrlPos() {}

void CQDockDlg::OnOK()
{
    CloseDlg();
}

void CQDockDlg::OnCancel()
{
    CloseDlg();
}

} // namespace QDlgResize_Space
