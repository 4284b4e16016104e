// The entry point MFC supplies: an MFC program has no main of its own. Its one application
// object, constructed before main, is initialised, runs its message loop and exits.

#include <afxwin.h>

#include "platform/base/Encoding.h"

#include <string>

int main(int argc, char** argv)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    static std::wstring commandLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            commandLine += L' ';
        commandLine += zt::base::Utf8ToWide(argv[i]);
    }
    app->m_lpCmdLine = commandLine.data();
    app->m_nCmdShow = SW_SHOWDEFAULT;
    if (!app->InitInstance()) {
        // As MFC does: a main window made before the failure goes, then the application exits.
        if (CWnd* main = app->m_pMainWnd; main && main->m_hWnd)
            main->DestroyWindow();
        return app->ExitInstance();
    }
    return app->Run();
}
