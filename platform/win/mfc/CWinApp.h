#pragma once
// The application object. At most one exists; it registers itself on construction.

#include "platform/win/mfc/CWinThread.h"

class CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    ~CWinApp() override;

    LPCTSTR m_pszAppName = nullptr;
    HINSTANCE m_hInstance = nullptr;
    // How the main window is first shown and the command line after the program's name, set
    // by the entry point before InitInstance.
    int m_nCmdShow = SW_SHOWNORMAL;
    LPTSTR m_lpCmdLine = nullptr;

    BOOL InitInstance() override;
    int ExitInstance() override;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
