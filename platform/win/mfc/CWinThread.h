#pragma once
// The user-interface thread object: its message loop runs the pre-translate chain and idle
// processing. CWinApp, the application, is the main thread's CWinThread.

#include "platform/win/mfc/CCmdTarget.h"

class CWnd;

class CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    ~CWinThread() override;

    CWnd* m_pMainWnd = nullptr;
    CWnd* m_pActiveWnd = nullptr;
    MSG m_msgCur{};

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // The message loop: idle processing while the queue is empty, then PumpMessage until
    // WM_QUIT (or, on the hand-driven clock, until nothing can arrive any more).
    virtual int Run();
    // Retrieves one message and pre-translates, translates and dispatches it. FALSE on WM_QUIT
    // or when no message can come.
    virtual BOOL PumpMessage();
    // The target window and its ancestors up to the main window, then the main window for
    // messages of windows outside it (modeless dialogs, pop-ups).
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL IsIdleMessage(MSG* pMsg);
    virtual CWnd* GetMainWnd();
};

// The thread object of the user-interface thread (the application), or null.
CWinThread* AfxGetThread();
// Pumps one message through the current thread's pre-translate chain.
BOOL AfxPumpMessage();
