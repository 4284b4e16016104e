// Keyboard navigation in dialogs and the dialog-item helpers.
#include "platform/win/dialogs/DialogState.h"

#include <cwchar>
#include <cwctype>
#include <vector>

using namespace zt::win::dialogs;

namespace {

// By the control's own styles: a dialog that is not shown yet still has an order.
bool Reachable(HWND h)
{
    DWORD style = static_cast<DWORD>(GetWindowLongW(h, GWL_STYLE));
    return (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

// The dialog's controls in tab order: children in z-order, descending into children that are
// control parents themselves (nested dialogs, panes).
void CollectControls(HWND parent, std::vector<HWND>& out)
{
    for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
        if (GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) {
            if (Reachable(h))
                CollectControls(h, out);
            continue;
        }
        out.push_back(h);
    }
}

LRESULT DlgCode(HWND control, MSG* msg)
{
    return control ? SendMessageW(control, WM_GETDLGCODE, msg ? msg->wParam : 0,
                                  reinterpret_cast<LPARAM>(msg))
                   : 0;
}

// The command of a button key: the focused push button, else the default one, else IDOK.
void PressDefault(HWND dialog, HWND focus)
{
    LRESULT code = DlgCode(focus, nullptr);
    int id = 0;
    HWND button = nullptr;
    if (focus && IsChild(dialog, focus) && (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) {
        button = focus;
        id = GetDlgCtrlID(focus);
    } else {
        LRESULT def = SendMessageW(dialog, DM_GETDEFID, 0, 0);
        id = HIWORD(def) == DC_HASDEFID ? LOWORD(def) : IDOK;
        button = GetDlgItem(dialog, id);
    }
    if (button && !IsWindowEnabled(button))
        return;
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

// The mnemonic of a control's text: the character after a single '&', upper-cased.
wchar_t Mnemonic(HWND control)
{
    wchar_t text[256];
    int n = GetWindowTextW(control, text, 256);
    for (int i = 0; i + 1 < n; ++i) {
        if (text[i] != L'&')
            continue;
        if (text[i + 1] == L'&') {
            ++i;
            continue;
        }
        return static_cast<wchar_t>(std::towupper(text[i + 1]));
    }
    return 0;
}

bool ActivateMnemonic(HWND dialog, HWND focus, wchar_t ch)
{
    std::vector<HWND> all;
    CollectControls(dialog, all);
    int n = static_cast<int>(all.size());
    int at = -1;
    for (int i = 0; i < n; ++i)
        if (all[static_cast<std::size_t>(i)] == focus)
            at = i;
    wchar_t wanted = static_cast<wchar_t>(std::towupper(ch));
    // The search starts after the focused control, so that repeated letters cycle.
    for (int step = 1; step <= n; ++step) {
        HWND h = all[static_cast<std::size_t>(((at + step) % n + n) % n)];
        if (!Reachable(h) || Mnemonic(h) != wanted)
            continue;
        LRESULT code = DlgCode(h, nullptr);
        if (code & DLGC_STATIC) {
            // A label (or a group box) hands its mnemonic to the control after it.
            HWND next = GetNextDlgTabItem(dialog, h, FALSE);
            if (next && next != h)
                SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
            return true;
        }
        if (code & DLGC_BUTTON) {
            if (!(code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)))
                SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(h), TRUE);
            SendMessageW(h, BM_CLICK, 0, 0);
            return true;
        }
        SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(h), TRUE);
        return true;
    }
    return false;
}

} // namespace

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous)
{
    if (!IsWindow(dialog))
        return nullptr;
    std::vector<HWND> all;
    CollectControls(dialog, all);
    int n = static_cast<int>(all.size());
    if (n == 0)
        return nullptr;
    int at = -1;
    for (int i = 0; i < n; ++i)
        if (all[i] == control)
            at = i;
    for (int step = 1; step <= n; ++step) {
        int i = at < 0 ? (previous ? n - step : step - 1)
                       : ((at + (previous ? -step : step)) % n + n) % n;
        HWND h = all[static_cast<std::size_t>(i)];
        if ((GetWindowLongW(h, GWL_STYLE) & WS_TABSTOP) && Reachable(h))
            return h;
    }
    return control;
}

HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous)
{
    if (!IsWindow(dialog))
        return nullptr;
    std::vector<HWND> all;
    CollectControls(dialog, all);
    int n = static_cast<int>(all.size());
    int at = -1;
    for (int i = 0; i < n; ++i)
        if (all[i] == control)
            at = i;
    if (at < 0)
        return n ? all.front() : nullptr;
    // The group runs from the control with WS_GROUP at or before this one to the control
    // before the next WS_GROUP.
    int first = at;
    while (first > 0 &&
           !(GetWindowLongW(all[static_cast<std::size_t>(first)], GWL_STYLE) & WS_GROUP))
        --first;
    int last = at;
    while (last + 1 < n &&
           !(GetWindowLongW(all[static_cast<std::size_t>(last + 1)], GWL_STYLE) & WS_GROUP))
        ++last;
    int size = last - first + 1;
    for (int step = 1; step < size; ++step) {
        int i = first + ((at - first + (previous ? -step : step)) % size + size) % size;
        HWND h = all[static_cast<std::size_t>(i)];
        if (Reachable(h))
            return h;
    }
    return control;
}

BOOL IsDialogMessageW(HWND dialog, LPMSG msg)
{
    if (!msg || !dialog || !IsWindow(dialog))
        return FALSE;
    if (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd))
        return FALSE;
    HWND focus = GetFocus();
    HWND target = msg->hwnd;
    if (msg->message == WM_KEYDOWN) {
        LRESULT code = DlgCode(target, msg);
        bool wantsAll = (code & DLGC_WANTALLKEYS) != 0;
        int vk = static_cast<int>(msg->wParam);
        switch (vk) {
        case VK_TAB:
            if (wantsAll || (code & DLGC_WANTTAB))
                break;
            {
                HWND next = GetNextDlgTabItem(dialog, focus, GetKeyState(VK_SHIFT) < 0);
                if (next)
                    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
            }
            return TRUE;
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
            if (wantsAll || (code & DLGC_WANTARROWS))
                break;
            {
                HWND next = GetNextDlgGroupItem(dialog, focus, vk == VK_LEFT || vk == VK_UP);
                if (next && next != focus) {
                    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
                    // An automatic radio button is chosen by moving to it.
                    if ((DlgCode(next, nullptr) & DLGC_RADIOBUTTON) &&
                        (GetWindowLongW(next, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON)
                        SendMessageW(next, BM_CLICK, 0, 0);
                }
            }
            return TRUE;
        case VK_RETURN:
            if (wantsAll)
                break;
            PressDefault(dialog, focus);
            return TRUE;
        case VK_ESCAPE: {
            if (wantsAll)
                break;
            HWND cancel = GetDlgItem(dialog, IDCANCEL);
            if (!cancel || IsWindowEnabled(cancel))
                SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                             reinterpret_cast<LPARAM>(cancel));
            return TRUE;
        }
        default:
            break;
        }
    } else if (msg->message == WM_CHAR || msg->message == WM_SYSCHAR) {
        LRESULT code = DlgCode(target, msg);
        wchar_t ch = static_cast<wchar_t>(msg->wParam);
        bool wantsChars = (code & (DLGC_WANTALLKEYS | DLGC_WANTCHARS)) != 0;
        // The characters of keys the dialog used are not passed on.
        if (msg->message == WM_CHAR && !wantsChars && (ch == L'\t' || ch == L'\r' || ch == 0x1B) &&
            !(ch == L'\t' && (code & DLGC_WANTTAB)))
            return TRUE;
        // A letter is a mnemonic with Alt, or alone where the focused control takes no text.
        if ((msg->message == WM_SYSCHAR || !wantsChars) && ch > L' ' &&
            ActivateMnemonic(dialog, focus, ch))
            return TRUE;
    }
    TranslateMessage(msg);
    DispatchMessageW(msg);
    return TRUE;
}

UINT GetDlgItemTextW(HWND dialog, int id, LPWSTR text, int maxCount)
{
    if (!text || maxCount <= 0)
        return 0;
    HWND h = GetDlgItem(dialog, id);
    if (!h) {
        text[0] = L'\0';
        return 0;
    }
    return static_cast<UINT>(GetWindowTextW(h, text, maxCount));
}

BOOL SetDlgItemTextW(HWND dialog, int id, LPCWSTR text)
{
    HWND h = GetDlgItem(dialog, id);
    return h ? SetWindowTextW(h, text) : FALSE;
}

UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned)
{
    if (translated)
        *translated = FALSE;
    wchar_t buf[64];
    if (!GetDlgItemTextW(dialog, id, buf, 64))
        return 0;
    const wchar_t* p = buf;
    while (*p == L' ')
        ++p;
    bool negative = false;
    if (*p == L'-' && isSigned) {
        negative = true;
        ++p;
    }
    if (*p < L'0' || *p > L'9')
        return 0;
    unsigned long long v = 0;
    for (; *p >= L'0' && *p <= L'9'; ++p) {
        v = v * 10 + static_cast<unsigned>(*p - L'0');
        if (v > (isSigned ? 0x80000000ull : 0xFFFFFFFFull))
            return 0;
    }
    while (*p == L' ')
        ++p;
    if (*p)
        return 0;
    if (isSigned && !negative && v > 0x7FFFFFFFull)
        return 0;
    if (translated)
        *translated = TRUE;
    return negative ? static_cast<UINT>(-static_cast<long long>(v)) : static_cast<UINT>(v);
}

BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned)
{
    wchar_t buf[32];
    if (isSigned)
        std::swprintf(buf, 32, L"%d", static_cast<int>(value));
    else
        std::swprintf(buf, 32, L"%u", value);
    return SetDlgItemTextW(dialog, id, buf);
}

LRESULT SendDlgItemMessageW(HWND dialog, int id, UINT msg, WPARAM wParam, LPARAM lParam)
{
    HWND h = GetDlgItem(dialog, id);
    return h ? SendMessageW(h, msg, wParam, lParam) : 0;
}

BOOL CheckDlgButton(HWND dialog, int id, UINT check)
{
    HWND h = GetDlgItem(dialog, id);
    if (!h)
        return FALSE;
    SendMessageW(h, BM_SETCHECK, check, 0);
    return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id)
{
    HWND h = GetDlgItem(dialog, id);
    return h ? static_cast<UINT>(SendMessageW(h, BM_GETCHECK, 0, 0)) : 0;
}

BOOL CheckRadioButton(HWND dialog, int firstId, int lastId, int checkId)
{
    BOOL any = FALSE;
    for (int id = firstId; id <= lastId; ++id)
        if (HWND h = GetDlgItem(dialog, id)) {
            SendMessageW(h, BM_SETCHECK, id == checkId ? BST_CHECKED : BST_UNCHECKED, 0);
            any = TRUE;
        }
    return any;
}

BOOL MapDialogRect(HWND dialog, LPRECT rect)
{
    DialogInfo* info = FindDialog(dialog);
    if (!info || !rect)
        return FALSE;
    rect->left = MulDiv(rect->left, info->baseX, 4);
    rect->right = MulDiv(rect->right, info->baseX, 4);
    rect->top = MulDiv(rect->top, info->baseY, 8);
    rect->bottom = MulDiv(rect->bottom, info->baseY, 8);
    return TRUE;
}

LONG GetDialogBaseUnits()
{
    SIZE units = DialogBaseUnits(nullptr);
    return MAKELONG(units.cx, units.cy);
}
