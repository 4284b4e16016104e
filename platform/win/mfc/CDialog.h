#pragma once
// Dialogs of the class library: modeless (Create) and modal (DoModal) from a template found
// through the resource chain (the current resource module first, see CDynLinkLibrary.h).

#include "platform/win/mfc/CWnd.h"

namespace zt::win {
struct DialogTemplate;
}

class CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog() = default;
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);

    // Modeless, from the template given or the one of the constructor.
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    virtual BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    BOOL CreateIndirect(const zt::win::DialogTemplate& dialogTemplate, CWnd* pParentWnd = nullptr,
                        HINSTANCE hInstance = nullptr);
    // Runs the dialog modally: the owner is disabled until the dialog ends. Returns the value
    // given to EndDialog, or -1 when the dialog could not be created.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    BOOL PreTranslateMessage(MSG* pMsg) override;

    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* pWndCtrl);
    DWORD GetDefID() const;
    void SetDefID(UINT nID);
    void MapDialogRect(LPRECT lpRect) const;
    BOOL CheckDlgButton(int nIDButton, UINT nCheck);
    UINT IsDlgButtonChecked(int nIDButton) const;
    UINT GetDlgItemInt(int nID, BOOL* lpTrans = nullptr, BOOL bSigned = TRUE) const;
    void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
    void SetDlgItemText(int nID, LPCTSTR lpszString);
    int GetDlgItemText(int nID, CString& rString) const;

    LPCTSTR m_lpszTemplateName = nullptr;
    UINT m_nIDHelp = 0;
    CWnd* m_pParentWnd = nullptr;

protected:
    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    BOOL m_bModal = FALSE;

    DECLARE_MESSAGE_MAP()

private:
    HWND ParentHandle() const;
    std::wstring m_templateName;
};

// A message box owned by the main window with the application's name as caption.
int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = static_cast<UINT>(-1));
