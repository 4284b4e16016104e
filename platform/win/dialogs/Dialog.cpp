// Dialogs from templates: creation, the default dialog procedure, ending and the modal loop.
#include "platform/win/Desktop.h"
#include "platform/win/WinError.h"
#include "platform/win/dialogs/DialogState.h"
#include "platform/win/resources/ResourceModule.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <unordered_set>

namespace zt::win::dialogs {

namespace {

std::unordered_map<HWND, std::unique_ptr<DialogInfo>>& Dialogs()
{
    static auto* map = new std::unordered_map<HWND, std::unique_ptr<DialogInfo>>();
    return *map;
}

// The record made for the dialog being created; bound at its first message.
thread_local DialogInfo* t_pending = nullptr;

// Dialogs made of a class whose procedure never reaches DefDlgProc (a template may name any
// class): their records and fonts are released when the window is freed, as DefDlgProc's
// WM_NCDESTROY does for the others. The set is locked because every window's destruction, on
// any thread, looks into it; the count lets those of no such dialog pass without the lock.
std::mutex g_foreignMutex;
std::unordered_set<HWND> g_foreign;
std::atomic<std::size_t> g_foreignCount{0};

void ForgetForeignDialog(HWND window)
{
    if (g_foreignCount.load(std::memory_order_acquire) == 0)
        return;
    {
        std::lock_guard lock(g_foreignMutex);
        if (!g_foreign.erase(window))
            return;
        g_foreignCount.store(g_foreign.size(), std::memory_order_release);
    }
    auto& map = Dialogs();
    auto it = map.find(window);
    if (it == map.end())
        return;
    if (it->second->ownedFont)
        DeleteObject(it->second->ownedFont);
    map.erase(it);
}

const wchar_t* PredefinedClass(WORD atom)
{
    switch (atom) {
    case kDlgItemButton:
        return L"Button";
    case kDlgItemEdit:
        return L"Edit";
    case kDlgItemStatic:
        return L"Static";
    case kDlgItemListBox:
        return L"ListBox";
    case kDlgItemScrollBar:
        return L"ScrollBar";
    case kDlgItemComboBox:
        return L"ComboBox";
    default:
        return nullptr;
    }
}

int FirstDefaultButton(HWND dialog)
{
    for (HWND h = GetWindow(dialog, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
        if (SendMessageW(h, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)
            return GetDlgCtrlID(h);
    return 0;
}

void SetPushStyle(HWND button, bool isDefault)
{
    if (!button)
        return;
    LRESULT code = SendMessageW(button, WM_GETDLGCODE, 0, 0);
    if (isDefault && (code & DLGC_UNDEFPUSHBUTTON))
        SendMessageW(button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    else if (!isDefault && (code & DLGC_DEFPUSHBUTTON))
        SendMessageW(button, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
}

bool DirectResult(UINT msg)
{
    return (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC) || msg == WM_COMPAREITEM ||
           msg == WM_INITDIALOG || msg == 0x0037 /* WM_QUERYDRAGICON */ ||
           msg == 0x002E /* WM_VKEYTOITEM */ || msg == 0x002F /* WM_CHARTOITEM */;
}

HWND FirstTabItem(HWND dialog)
{
    HWND h = GetNextDlgTabItem(dialog, nullptr, FALSE);
    return h && IsChild(dialog, h) ? h : nullptr;
}

// Where activation puts the focus: the control that had it last, else the first tab stop
// unless the dialog chose its own focus.
HWND FocusTarget(HWND dialog, DialogInfo* info)
{
    if (info->savedFocus && IsWindow(info->savedFocus) && IsChild(dialog, info->savedFocus))
        return info->savedFocus;
    return info->ownFocus ? nullptr : FirstTabItem(dialog);
}

} // namespace

DialogInfo* FindDialog(HWND dialog)
{
    auto& map = Dialogs();
    auto it = map.find(dialog);
    return it == map.end() ? nullptr : it->second.get();
}

SIZE DialogBaseUnits(HFONT font)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    static const wchar_t letters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE ext{};
    GetTextExtentPoint32W(dc, letters, 52, &ext);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    DeleteDC(dc);
    SIZE units{(ext.cx + 26) / 52, tm.tmHeight};
    if (units.cx <= 0)
        units.cx = 1;
    if (units.cy <= 0)
        units.cy = 1;
    return units;
}

void UpdateDefaultLook(HWND dialog, HWND oldFocus, HWND newFocus)
{
    DialogInfo* info = FindDialog(dialog);
    if (!info || !newFocus || !IsChild(dialog, newFocus))
        return;
    // The default look moves to a focused push button and back to the default one.
    int defId = info->defId ? info->defId : FirstDefaultButton(dialog);
    if (!info->defId && defId)
        info->defId = defId;
    HWND defButton = defId ? GetDlgItem(dialog, defId) : nullptr;
    if (oldFocus && oldFocus != newFocus && oldFocus != defButton && IsChild(dialog, oldFocus) &&
        (SendMessageW(oldFocus, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON))
        SetPushStyle(oldFocus, false);
    LRESULT code = SendMessageW(newFocus, WM_GETDLGCODE, 0, 0);
    if (code & (DLGC_UNDEFPUSHBUTTON | DLGC_DEFPUSHBUTTON)) {
        if (defButton && defButton != newFocus)
            SetPushStyle(defButton, false);
        SetPushStyle(newFocus, true);
    } else if (defButton) {
        SetPushStyle(defButton, true);
    }
}

void SetDialogFocus(HWND dialog, HWND control)
{
    if (!control || !IsWindow(control))
        return;
    UpdateDefaultLook(dialog, GetFocus(), control);
    SetFocus(control);
    if (SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        SendMessageW(control, 0x00B1 /* EM_SETSEL */, 0, -1);
}

BOOL RunModalLoop(HWND dialog, BOOL (*filter)(MSG* msg))
{
    for (;;) {
        DialogInfo* info = FindDialog(dialog);
        if (!info || info->ended || !IsWindow(dialog))
            return TRUE;
        MSG m{};
        BOOL got = GetMessageW(&m, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(m.wParam));
            return FALSE;
        }
        if (got == -1)
            return FALSE;
        if (filter && filter(&m))
            continue;
        if (!IsDialogMessageW(dialog, &m)) {
            TranslateMessage(&m);
            DispatchMessageW(&m);
        }
    }
}

} // namespace zt::win::dialogs

using namespace zt::win;
using namespace zt::win::dialogs;

HWND CreateDialogIndirectParamW(HINSTANCE instance, const void* dialogTemplate, HWND parent,
                                DLGPROC proc, LPARAM initParam)
{
    const auto* t = static_cast<const DialogTemplate*>(dialogTemplate);
    if (!t) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto info = std::make_unique<DialogInfo>();
    if (!t->fontName.empty() && t->pointSize > 0) {
        HDC screen = GetDC(nullptr);
        int height = -MulDiv(t->pointSize, GetDeviceCaps(screen, LOGPIXELSY), 72);
        ReleaseDC(nullptr, screen);
        info->font = CreateFontW(height, 0, 0, 0, t->fontWeight, t->fontItalic, FALSE, FALSE,
                                 DEFAULT_CHARSET, 0, 0, 0, 0, t->fontName.c_str());
        info->ownedFont = info->font;
    }
    if (!info->font)
        info->font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SIZE units = DialogBaseUnits(info->font);
    info->baseX = units.cx;
    info->baseY = units.cy;
    auto toX = [&](int v) { return MulDiv(v, units.cx, 4); };
    auto toY = [&](int v) { return MulDiv(v, units.cy, 8); };

    DWORD style = t->style;
    DWORD exStyle = t->exStyle;
    if (style & DS_MODALFRAME)
        exStyle |= WS_EX_DLGMODALFRAME;
    if (style & DS_CONTROL) {
        style = (style & ~(WS_POPUP | WS_CAPTION | WS_SYSMENU)) | WS_CHILD;
        exStyle |= WS_EX_CONTROLPARENT;
    }
    bool child = (style & WS_CHILD) != 0;
    HWND owner = parent;
    if (!child && parent)
        owner = GetAncestor(parent, GA_ROOT);
    RECT r{0, 0, toX(t->cx), toY(t->cy)};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    int width = r.right - r.left;
    int height = r.bottom - r.top;
    POINT pos{toX(t->x), toY(t->y)};
    if (!child) {
        // A pop-up dialog is placed relative to its owner's client area.
        if (owner)
            ClientToScreen(owner, &pos);
        if (style & DS_CENTER) {
            RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
            if (owner)
                GetWindowRect(owner, &area);
            pos = {area.left + (area.right - area.left - width) / 2,
                   area.top + (area.bottom - area.top - height) / 2};
        }
    }
    const wchar_t* cls = t->className.empty() ? WC_DIALOG : t->className.c_str();
    DialogInfo* raw = info.get();
    DialogInfo* savedPending = t_pending;
    t_pending = raw;
    HWND dlg = CreateWindowExW(
        exStyle, cls, t->title.c_str(),
        style & ~(WS_VISIBLE | DS_SETFONT | DS_MODALFRAME | DS_CENTER | DS_CONTROL | DS_3DLOOK |
                  DS_FIXEDSYS | DS_NOFAILCREATE | DS_SETFOREGROUND | DS_ABSALIGN | DS_SYSMODAL |
                  DS_LOCALEDIT | DS_NOIDLEMSG | DS_CENTERMOUSE | DS_CONTEXTHELP),
        pos.x, pos.y, width, height, child ? parent : owner, nullptr, instance, nullptr);
    // The record is bound to the window at its first message (the map owns it from then on);
    // a window of a class whose procedure never reaches DefDlgProc is bound here.
    bool bound = t_pending == nullptr;
    t_pending = savedPending;
    if (bound)
        (void)info.release();
    if (!dlg) {
        if (!bound && raw->ownedFont)
            DeleteObject(raw->ownedFont);
        return nullptr;
    }
    if (!bound) {
        Dialogs()[dlg] = std::move(info);
        static const bool observing =
            (zt::win::Desktop::AddDestructionObserver(&ForgetForeignDialog), true);
        (void)observing;
        std::lock_guard lock(g_foreignMutex);
        g_foreign.insert(dlg);
        g_foreignCount.store(g_foreign.size(), std::memory_order_release);
    }
    SetWindowLongPtrW(dlg, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(proc));
    SendMessageW(dlg, WM_SETFONT, reinterpret_cast<WPARAM>(raw->font), FALSE);

    for (const DialogItemTemplate& item : t->items) {
        const wchar_t* itemClass =
            item.className.empty() ? PredefinedClass(item.classAtom) : item.className.c_str();
        if (!itemClass)
            continue;
        RECT ir{toX(item.x), toY(item.y), toX(item.x + item.cx), toY(item.y + item.cy)};
        const wchar_t* text = item.text.c_str();
        DWORD itemStyle = item.style | WS_CHILD;
        bool staticIcon = std::wstring(itemClass) == L"Static" &&
                          (itemStyle & SS_TYPEMASK) == SS_ICON && item.iconId;
        if (staticIcon)
            text = MAKEINTRESOURCEW(item.iconId);
        HWND ctl = CreateWindowExW(item.exStyle | WS_EX_NOPARENTNOTIFY, itemClass, text, itemStyle,
                                   ir.left, ir.top, ir.right - ir.left, ir.bottom - ir.top, dlg,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(item.id)), instance,
                                   nullptr);
        if (!ctl) {
            if (t->style & DS_NOFAILCREATE)
                continue;
            DestroyWindow(dlg);
            return nullptr;
        }
        // Z-order is tab order: each control goes below the ones made before it.
        SetWindowPos(ctl, HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
        SendMessageW(ctl, WM_SETFONT, reinterpret_cast<WPARAM>(raw->font), FALSE);
        if (item.iconId && !staticIcon && (itemStyle & BS_ICON))
            SendMessageW(
                ctl, BM_SETIMAGE, IMAGE_ICON,
                reinterpret_cast<LPARAM>(LoadIconW(instance, MAKEINTRESOURCEW(item.iconId))));
    }
    if (!IsWindow(dlg))
        return nullptr;
    HWND first = FirstTabItem(dlg);
    LRESULT focus = SendMessageW(dlg, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), initParam);
    if (!IsWindow(dlg))
        return nullptr;
    if (focus && first && IsChild(dlg, first)) {
        SetDialogFocus(dlg, first);
    } else if (!focus) {
        raw->ownFocus = true;
        HWND chosen = GetFocus();
        if (chosen && IsChild(dlg, chosen))
            raw->savedFocus = chosen;
    }
    if (style & WS_VISIBLE) {
        ShowWindow(dlg, SW_SHOWNORMAL);
        UpdateWindow(dlg);
    }
    return dlg;
}

HWND CreateDialogParamW(HINSTANCE instance, LPCWSTR templateName, HWND parent, DLGPROC proc,
                        LPARAM initParam)
{
    auto t = ResourceModule::FindDialog(instance, templateName);
    if (!t) {
        SetLastError(1814); // ERROR_RESOURCE_NAME_NOT_FOUND
        return nullptr;
    }
    return CreateDialogIndirectParamW(instance, &*t, parent, proc, initParam);
}

INT_PTR DialogBoxIndirectParamW(HINSTANCE instance, const void* dialogTemplate, HWND parent,
                                DLGPROC proc, LPARAM initParam)
{
    const auto* t = static_cast<const DialogTemplate*>(dialogTemplate);
    if (!t)
        return -1;
    HWND owner = parent ? GetAncestor(parent, GA_ROOT) : nullptr;
    // The owner is disabled for the dialog's life and enabled again before the dialog goes,
    // so that activation returns to it.
    bool disabled = owner && IsWindowEnabled(owner);
    if (disabled)
        EnableWindow(owner, FALSE);
    DialogTemplate copy = *t;
    copy.style &= ~WS_CHILD;
    copy.style |= WS_POPUP;
    HWND dlg = CreateDialogIndirectParamW(instance, &copy, owner, proc, initParam);
    if (!dlg) {
        if (disabled)
            EnableWindow(owner, TRUE);
        return -1;
    }
    DialogInfo* info = FindDialog(dlg);
    if (info)
        info->modal = true;
    if (info && !info->ended && !IsWindowVisible(dlg)) {
        ShowWindow(dlg, SW_SHOWNORMAL);
        UpdateWindow(dlg);
    }
    BOOL ended = RunModalLoop(dlg, nullptr);
    info = FindDialog(dlg);
    INT_PTR result = info && info->ended ? info->result : -1;
    (void)ended;
    if (disabled)
        EnableWindow(owner, TRUE);
    if (IsWindow(dlg))
        DestroyWindow(dlg);
    return result;
}

INT_PTR DialogBoxParamW(HINSTANCE instance, LPCWSTR templateName, HWND parent, DLGPROC proc,
                        LPARAM initParam)
{
    auto t = ResourceModule::FindDialog(instance, templateName);
    if (!t) {
        SetLastError(1814);
        return -1;
    }
    return DialogBoxIndirectParamW(instance, &*t, parent, proc, initParam);
}

BOOL EndDialog(HWND dialog, INT_PTR result)
{
    DialogInfo* info = FindDialog(dialog);
    if (!info)
        return FALSE;
    info->ended = true;
    info->result = result;
    // The modal loop destroys the dialog; a modeless one is hidden and left to its owner.
    ShowWindow(dialog, SW_HIDE);
    return TRUE;
}

LRESULT DefDlgProcW(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto& map = Dialogs();
    // The first message of a new dialog binds its record; a record left under a reused
    // handle (a window that went without WM_NCDESTROY reaching us) is replaced.
    if (t_pending && (msg == WM_NCCREATE || !map.count(dialog))) {
        auto& slot = map[dialog];
        if (slot.get() != t_pending) {
            if (slot && slot->ownedFont)
                DeleteObject(slot->ownedFont);
            slot.reset(t_pending);
        }
        t_pending = nullptr;
    }
    DialogInfo* info = FindDialog(dialog);
    if (auto proc = reinterpret_cast<DLGPROC>(GetWindowLongPtrW(dialog, DWLP_DLGPROC))) {
        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 0);
        INT_PTR r = proc(dialog, msg, wParam, lParam);
        if (r) {
            if (DirectResult(msg))
                return r;
            return GetWindowLongPtrW(dialog, DWLP_MSGRESULT);
        }
    }
    if (!info)
        return DefWindowProcW(dialog, msg, wParam, lParam);
    switch (msg) {
    case WM_ERASEBKGND: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        auto brush = reinterpret_cast<HBRUSH>(
            SendMessageW(dialog, WM_CTLCOLORDLG, wParam, reinterpret_cast<LPARAM>(dialog)));
        if (!brush)
            brush = GetSysColorBrush(COLOR_BTNFACE);
        RECT r{};
        GetClientRect(dialog, &r);
        FillRect(dc, &r, brush);
        return 1;
    }
    case WM_SETFONT:
        info->font = reinterpret_cast<HFONT>(wParam);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(info->font);
    case DM_GETDEFID: {
        int id = info->defId ? info->defId : FirstDefaultButton(dialog);
        return id ? MAKELRESULT(id, DC_HASDEFID) : 0;
    }
    case DM_SETDEFID: {
        int oldId = info->defId ? info->defId : FirstDefaultButton(dialog);
        int newId = static_cast<int>(wParam);
        if (oldId && oldId != newId)
            SetPushStyle(GetDlgItem(dialog, oldId), false);
        info->defId = newId;
        if (newId)
            SetPushStyle(GetDlgItem(dialog, newId), true);
        return TRUE;
    }
    case WM_NEXTDLGCTL: {
        HWND target = nullptr;
        if (LOWORD(lParam))
            target = reinterpret_cast<HWND>(wParam);
        else
            target = GetNextDlgTabItem(dialog, GetFocus(), wParam != 0);
        if (target && IsChild(dialog, target))
            SetDialogFocus(dialog, target);
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(dialog, focus))
                info->savedFocus = focus;
        } else {
            if (HWND target = FocusTarget(dialog, info))
                SetDialogFocus(dialog, target);
        }
        return 0;
    case WM_SETFOCUS: {
        if (HWND target = FocusTarget(dialog, info))
            SetDialogFocus(dialog, target);
        return 0;
    }
    case WM_CLOSE: {
        HWND cancel = GetDlgItem(dialog, IDCANCEL);
        if (!cancel || IsWindowEnabled(cancel))
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                         reinterpret_cast<LPARAM>(cancel));
        return 0;
    }
    case WM_NCDESTROY: {
        auto it = map.find(dialog);
        if (it != map.end()) {
            if (it->second->ownedFont)
                DeleteObject(it->second->ownedFont);
            map.erase(it);
        }
        return DefWindowProcW(dialog, msg, wParam, lParam);
    }
    default:
        return DefWindowProcW(dialog, msg, wParam, lParam);
    }
}
