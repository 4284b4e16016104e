#include "platform/win/mfc/CDialog.h"

#include "platform/win/dialogs/DialogState.h"
#include "platform/win/mfc/CDynLinkLibrary.h"
#include "platform/win/mfc/CWinApp.h"
#include "platform/win/resources/ResourceModule.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

namespace {

// Every message reaches the dialog object through its window procedure; the dialog
// procedure itself has nothing to add.
INT_PTR AfxDlgProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

BOOL ModalFilter(MSG* msg)
{
    return CWnd::WalkPreTranslateTree(nullptr, msg);
}

std::wstring TemplateKey(LPCTSTR name)
{
    if (!name)
        return {};
    if (IS_INTRESOURCE(name))
        return L"#" + std::to_wstring(static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name)));
    return name;
}

} // namespace

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCEW(nIDTemplate)), m_nIDHelp(nIDTemplate),
      m_pParentWnd(pParentWnd)
{}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : m_pParentWnd(pParentWnd), m_templateName(TemplateKey(lpszTemplateName))
{
    m_lpszTemplateName = m_templateName.c_str();
}

HWND CDialog::ParentHandle() const
{
    if (m_pParentWnd && m_pParentWnd->m_hWnd)
        return m_pParentWnd->m_hWnd;
    if (CWnd* main = AfxGetMainWnd())
        return main->m_hWnd;
    return ::GetActiveWindow();
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return Create(MAKEINTRESOURCEW(nIDTemplate), pParentWnd);
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    if (!lpszTemplateName || m_hWnd)
        return FALSE;
    if (pParentWnd)
        m_pParentWnd = pParentWnd;
    HINSTANCE module = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
    auto t = module ? zt::win::ResourceModule::FindDialog(module, lpszTemplateName) : std::nullopt;
    if (!t)
        return FALSE;
    return CreateIndirect(*t, m_pParentWnd, module);
}

BOOL CDialog::CreateIndirect(const zt::win::DialogTemplate& dialogTemplate, CWnd* pParentWnd,
                             HINSTANCE hInstance)
{
    if (m_hWnd)
        return FALSE;
    if (pParentWnd)
        m_pParentWnd = pParentWnd;
    HWND parent = m_pParentWnd && m_pParentWnd->m_hWnd ? m_pParentWnd->m_hWnd : nullptr;
    if (!parent && !(dialogTemplate.style & WS_CHILD))
        parent = ParentHandle();
    AfxHookWindowCreate(this);
    HWND h = ::CreateDialogIndirectParamW(hInstance ? hInstance : AfxGetResourceHandle(),
                                          &dialogTemplate, parent, &AfxDlgProc, 0);
    AfxUnhookWindowCreate();
    if (!h) {
        if (m_hWnd)
            Detach();
        return FALSE;
    }
    return TRUE;
}

INT_PTR CDialog::DoModal()
{
    if (m_hWnd || !m_lpszTemplateName)
        return -1;
    HINSTANCE module = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
    auto t =
        module ? zt::win::ResourceModule::FindDialog(module, m_lpszTemplateName) : std::nullopt;
    if (!t)
        return -1;
    t->style = (t->style & ~WS_CHILD) | WS_POPUP;
    HWND parent = ParentHandle();
    HWND owner = parent ? ::GetAncestor(parent, GA_ROOT) : nullptr;
    bool disabled = owner && ::IsWindowEnabled(owner);
    if (disabled)
        ::EnableWindow(owner, FALSE);
    m_bModal = TRUE;
    CWnd* savedParent = m_pParentWnd;
    INT_PTR result = -1;
    if (CreateIndirect(*t, owner ? CWnd::FromHandle(owner) : nullptr, module)) {
        zt::win::dialogs::DialogInfo* info = zt::win::dialogs::FindDialog(m_hWnd);
        if (info)
            info->modal = true;
        if (info && !info->ended && !IsWindowVisible()) {
            ShowWindow(SW_SHOWNORMAL);
            UpdateWindow();
        }
        zt::win::dialogs::RunModalLoop(m_hWnd, &ModalFilter);
        info = m_hWnd ? zt::win::dialogs::FindDialog(m_hWnd) : nullptr;
        if (info && info->ended)
            result = info->result;
    }
    m_pParentWnd = savedParent;
    // The owner comes back before the dialog goes, so that it is activated again.
    if (disabled)
        ::EnableWindow(owner, TRUE);
    if (m_hWnd)
        DestroyWindow();
    m_bModal = FALSE;
    return result;
}

void CDialog::EndDialog(int nResult)
{
    if (m_hWnd)
        ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::OnInitDialog()
{
    return TRUE;
}

void CDialog::OnOK()
{
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    return OnInitDialog();
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if (!pMsg || !m_hWnd)
        return FALSE;
    return ::IsDialogMessageW(m_hWnd, pMsg);
}

void CDialog::NextDlgCtrl() const
{
    ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, 0, 0);
}

void CDialog::PrevDlgCtrl() const
{
    ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, 1, 0);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    if (pWndCtrl)
        ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), TRUE);
}

DWORD CDialog::GetDefID() const
{
    return static_cast<DWORD>(::SendMessageW(m_hWnd, DM_GETDEFID, 0, 0));
}

void CDialog::SetDefID(UINT nID)
{
    ::SendMessageW(m_hWnd, DM_SETDEFID, nID, 0);
}

void CDialog::MapDialogRect(LPRECT lpRect) const
{
    ::MapDialogRect(m_hWnd, lpRect);
}

BOOL CDialog::CheckDlgButton(int nIDButton, UINT nCheck)
{
    return ::CheckDlgButton(m_hWnd, nIDButton, nCheck);
}

UINT CDialog::IsDlgButtonChecked(int nIDButton) const
{
    return ::IsDlgButtonChecked(m_hWnd, nIDButton);
}

UINT CDialog::GetDlgItemInt(int nID, BOOL* lpTrans, BOOL bSigned) const
{
    return ::GetDlgItemInt(m_hWnd, nID, lpTrans, bSigned);
}

void CDialog::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned)
{
    ::SetDlgItemInt(m_hWnd, nID, nValue, bSigned);
}

void CDialog::SetDlgItemText(int nID, LPCTSTR lpszString)
{
    ::SetDlgItemTextW(m_hWnd, nID, lpszString);
}

int CDialog::GetDlgItemText(int nID, CString& rString) const
{
    HWND h = ::GetDlgItem(m_hWnd, nID);
    if (!h) {
        rString.Empty();
        return 0;
    }
    CWnd::FromHandle(h)->GetWindowText(rString);
    return rString.GetLength();
}

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT)
{
    CWnd* main = AfxGetMainWnd();
    CWinApp* app = AfxGetApp();
    LPCTSTR caption = app && app->m_pszAppName ? app->m_pszAppName : L"";
    return ::MessageBoxW(main ? main->m_hWnd : nullptr, lpszText, caption, nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString text;
    if (!text.LoadString(nIDPrompt))
        return 0;
    return AfxMessageBox(text, nType, nIDHelp);
}
