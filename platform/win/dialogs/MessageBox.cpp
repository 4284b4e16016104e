// The message box: a modal dialog built from a template in memory, or the scripted responder.
#include "platform/win/WinUser.h"
#include "platform/win/resources/ResourceModule.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace zt::win {

namespace {

std::mutex g_mutex;
MessageBoxResponder& Responder()
{
    static auto* r = new MessageBoxResponder();
    return *r;
}

struct ButtonChoice
{
    int id;
    const wchar_t* text;
};

std::vector<ButtonChoice> Buttons(UINT type)
{
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {{IDOK, L"OK"}, {IDCANCEL, L"Cancel"}};
    case MB_ABORTRETRYIGNORE:
        return {{IDABORT, L"&Abort"}, {IDRETRY, L"&Retry"}, {IDIGNORE, L"&Ignore"}};
    case MB_YESNOCANCEL:
        return {{IDYES, L"&Yes"}, {IDNO, L"&No"}, {IDCANCEL, L"Cancel"}};
    case MB_YESNO:
        return {{IDYES, L"&Yes"}, {IDNO, L"&No"}};
    case MB_RETRYCANCEL:
        return {{IDRETRY, L"&Retry"}, {IDCANCEL, L"Cancel"}};
    case MB_CANCELTRYCONTINUE:
        return {{IDCANCEL, L"Cancel"}, {IDTRYAGAIN, L"&Try Again"}, {IDCONTINUE, L"&Continue"}};
    default:
        return {{IDOK, L"OK"}};
    }
}

INT_PTR MessageBoxProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM)
{
    if (msg == WM_INITDIALOG) {
        // The focus starts on the default button, so that Enter and Space agree.
        LRESULT def = SendMessageW(dialog, DM_GETDEFID, 0, 0);
        HWND button = HIWORD(def) == DC_HASDEFID ? GetDlgItem(dialog, LOWORD(def)) : nullptr;
        if (!button)
            return TRUE;
        SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(button), TRUE);
        return FALSE;
    }
    if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        int id = LOWORD(wParam);
        if (GetDlgItem(dialog, id)) {
            EndDialog(dialog, id);
        } else if (id == IDCANCEL && GetDlgItem(dialog, IDOK) && !GetDlgItem(dialog, IDNO) &&
                   !GetDlgItem(dialog, IDRETRY)) {
            // Escape closes a box whose only answer is OK.
            EndDialog(dialog, IDOK);
        }
        return TRUE;
    }
    return FALSE;
}

} // namespace

void SetMessageBoxResponder(MessageBoxResponder responder)
{
    std::lock_guard lock(g_mutex);
    Responder() = std::move(responder);
}

} // namespace zt::win

using namespace zt::win;

int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type)
{
    MessageBoxResponder responder;
    {
        std::lock_guard lock(g_mutex);
        responder = Responder();
    }
    if (!text)
        text = L"";
    if (!caption)
        caption = L"Error";
    if (responder) {
        try {
            return responder(owner, text, caption, type);
        } catch (...) {
            return 0;
        }
    }
    std::vector<ButtonChoice> buttons = Buttons(type);
    DialogTemplate t;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;
    t.exStyle = (type & MB_TOPMOST) ? WS_EX_TOPMOST : 0;
    t.title = caption;
    // The text sets the width, within limits; lines wrap inside the static.
    std::wstring body = text;
    short longest = 0, lines = 1, run = 0;
    for (wchar_t c : body) {
        if (c == L'\n') {
            ++lines;
            run = 0;
        } else {
            longest = std::max<short>(longest, ++run);
        }
    }
    // The icon stands left of the text.
    static const WORD icons[] = {0, 32513, 32514, 32515, 32516};
    UINT iconKind = (type & MB_ICONMASK) >> 4;
    WORD iconId = iconKind < 5 ? icons[iconKind] : 0;
    short indent = iconId ? 30 : 0;
    short buttonsWidth = static_cast<short>(buttons.size() * 56 + 8);
    short width = std::clamp<short>(static_cast<short>(longest * 4 + 24 + indent), buttonsWidth,
                                    static_cast<short>(320 + indent));
    short textHeight = static_cast<short>(std::min(lines * 9 + (longest * 4 > 300 ? 18 : 0), 200));
    if (iconId)
        textHeight = std::max<short>(textHeight, 20);
    t.cx = width;
    t.cy = static_cast<short>(textHeight + 40);
    if (iconId)
        t.AddItem(L"Static", nullptr, 0xFFFF, SS_ICON, 10, 10, 20, 20).iconId = iconId;
    t.AddItem(L"Static", body.c_str(), 0xFFFF, SS_LEFT | SS_NOPREFIX,
              static_cast<short>(10 + indent), 10, static_cast<short>(width - 20 - indent),
              textHeight);
    int defIndex = static_cast<int>((type & MB_DEFMASK) >> 8);
    if (defIndex >= static_cast<int>(buttons.size()))
        defIndex = 0;
    short x = static_cast<short>(width - 8 - static_cast<short>(buttons.size()) * 56 + 6);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        DWORD style = WS_TABSTOP | (i == 0 ? WS_GROUP : 0) |
                      (static_cast<int>(i) == defIndex ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        t.AddItem(L"Button", buttons[i].text, buttons[i].id, style, static_cast<short>(x + i * 56),
                  static_cast<short>(textHeight + 18), 50, 14);
    }
    INT_PTR r = DialogBoxIndirectParamW(nullptr, &t, owner, &MessageBoxProc, 0);
    return r < 0 ? 0 : static_cast<int>(r);
}
