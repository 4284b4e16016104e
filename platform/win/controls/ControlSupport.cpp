#include "platform/win/controls/ControlSupport.h"

namespace zt::win::controls {

HFONT ControlFont(HFONT set)
{
    return set ? set : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void NotifyParent(HWND control, UINT code)
{
    HWND parent = GetParent(control);
    if (!parent)
        parent = GetWindow(control, GW_OWNER);
    if (!parent)
        return;
    SendMessageW(parent, WM_COMMAND,
                 MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(control)), static_cast<WORD>(code)),
                 reinterpret_cast<LPARAM>(control));
}

HBRUSH ParentCtlColor(HWND control, HDC dc, UINT ctlColorMessage)
{
    HWND parent = GetParent(control);
    HBRUSH brush = nullptr;
    if (parent)
        brush = reinterpret_cast<HBRUSH>(SendMessageW(parent, ctlColorMessage,
                                                      reinterpret_cast<WPARAM>(dc),
                                                      reinterpret_cast<LPARAM>(control)));
    if (!brush)
        brush = reinterpret_cast<HBRUSH>(DefWindowProcW(control, ctlColorMessage,
                                                        reinterpret_cast<WPARAM>(dc),
                                                        reinterpret_cast<LPARAM>(control)));
    return brush;
}

RECT ClientRect(HWND hwnd)
{
    RECT r{};
    GetClientRect(hwnd, &r);
    return r;
}

} // namespace zt::win::controls
