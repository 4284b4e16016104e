#pragma once
// The hook on the graphics view's message pre-translation. Installed once the host's main frame
// is ready, it hands every message that the view pre-translates to ZTViewMsgEventListener
// first; a listener returning true consumes the message.
//
// The hook lives in the operation table of the view's window class (its run-time class): every
// view object of that class runs it, including views created later. While the listeners run,
// the class's original PreTranslateMessage is back in place, so that a message pre-translated
// meanwhile (a listener that pumps messages) goes straight to the view's own handling.

#include "platform/win/afxwin.h"
#include "ztui/ZTUiExport.h"

namespace zt {

class ZTUI_EXPORT GraphicsViewHook : public CWnd
{
public:
    // Run with `this` being the view, as the operation table calls it.
    BOOL PreTranslateMessage(MSG* msg) override;

    // The hook for a view object of the hooked class.
    static BOOL HookPreTranslate(CWnd* view, MSG* msg);
};

// Finds the graphics view below the application's main window (the first descendant, in the
// window system's enumeration order, of class "AfxFrameOrView120u" with WS_EX_CLIENTEDGE) and
// hooks its window class. Does nothing when there is no view or the hook is in place already.
ZTUI_EXPORT void InstallGraphicsViewHook();
// Puts the view class's original operations back; the library does this before it goes away.
ZTUI_EXPORT void UninstallGraphicsViewHook();
ZTUI_EXPORT bool IsGraphicsViewHookInstalled();

} // namespace zt
