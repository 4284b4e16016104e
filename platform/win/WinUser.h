#pragma once
// The window manager's functions with their Win32 names and signatures. A program that includes
// this header can register a class and create windows with no other set-up: the desktop starts
// on first use, on the calling thread, which becomes its user-interface thread.
//
// Generic names (CreateWindowEx, SendMessage, ...) are inline functions that forward to the
// wide ones rather than macros, so that members of the same name (CWnd::SendMessage) are not
// renamed.

#include "platform/win/WinDlg.h"
#include "platform/win/WinGdi.h"
#include "platform/win/WinUserDefs.h"
#include "platform/win/WinUserDraw.h"
#include "platform/win/WinCtl.h"

// Classes.
ATOM RegisterClassExW(const WNDCLASSEXW* wc);
ATOM RegisterClassW(const WNDCLASSW* wc);
BOOL UnregisterClassW(LPCWSTR className, HINSTANCE instance);
BOOL GetClassInfoExW(HINSTANCE instance, LPCWSTR className, WNDCLASSEXW* wc);
BOOL GetClassInfoW(HINSTANCE instance, LPCWSTR className, WNDCLASSW* wc);
int GetClassNameW(HWND hwnd, LPWSTR className, int maxCount);
DWORD GetClassLongW(HWND hwnd, int index);

// Windows.
HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x,
                     int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     LPVOID param);
BOOL DestroyWindow(HWND hwnd);
BOOL IsWindow(HWND hwnd);
BOOL IsWindowVisible(HWND hwnd);
BOOL IsWindowEnabled(HWND hwnd);
BOOL IsChild(HWND parent, HWND hwnd);
BOOL IsIconic(HWND hwnd);
BOOL IsZoomed(HWND hwnd);
BOOL ShowWindow(HWND hwnd, int cmdShow);
BOOL EnableWindow(HWND hwnd, BOOL enable);
BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
BOOL BringWindowToTop(HWND hwnd);
BOOL GetWindowRect(HWND hwnd, LPRECT rect);
BOOL GetClientRect(HWND hwnd, LPRECT rect);
BOOL AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle);
BOOL ScreenToClient(HWND hwnd, LPPOINT point);
BOOL ClientToScreen(HWND hwnd, LPPOINT point);
int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count);
HWND SetParent(HWND child, HWND newParent);
HWND GetParent(HWND hwnd);
HWND GetAncestor(HWND hwnd, UINT flags);
HWND GetWindow(HWND hwnd, UINT cmd);
HWND GetTopWindow(HWND hwnd);
HWND GetNextWindow(HWND hwnd, UINT cmd);
HWND GetDesktopWindow();
HWND GetDlgItem(HWND dialog, int id);
int GetDlgCtrlID(HWND hwnd);
BOOL EnumChildWindows(HWND parent, WNDENUMPROC fn, LPARAM lParam);
BOOL EnumWindows(WNDENUMPROC fn, LPARAM lParam);
HWND FindWindowW(LPCWSTR className, LPCWSTR windowName);
HWND WindowFromPoint(POINT point);
HWND ChildWindowFromPoint(HWND parent, POINT point);
HWND ChildWindowFromPointEx(HWND parent, POINT point, UINT flags);
HWND RealChildWindowFromPoint(HWND parent, POINT point);
int GetWindowTextW(HWND hwnd, LPWSTR text, int maxCount);
int GetWindowTextLengthW(HWND hwnd);
BOOL SetWindowTextW(HWND hwnd, LPCWSTR text);
LONG_PTR GetWindowLongPtrW(HWND hwnd, int index);
LONG_PTR SetWindowLongPtrW(HWND hwnd, int index, LONG_PTR value);
LONG GetWindowLongW(HWND hwnd, int index);
LONG SetWindowLongW(HWND hwnd, int index, LONG value);
BOOL SetPropW(HWND hwnd, LPCWSTR name, HANDLE data);
HANDLE GetPropW(HWND hwnd, LPCWSTR name);
HANDLE RemovePropW(HWND hwnd, LPCWSTR name);
BOOL SetLayeredWindowAttributes(HWND hwnd, COLORREF key, BYTE alpha, DWORD flags);
BOOL GetLayeredWindowAttributes(HWND hwnd, COLORREF* key, BYTE* alpha, DWORD* flags);
int GetSystemMetrics(int index);
HMONITOR MonitorFromWindow(HWND hwnd, DWORD flags);
HMONITOR MonitorFromPoint(POINT point, DWORD flags);
HMONITOR MonitorFromRect(LPCRECT rect, DWORD flags);
BOOL GetMonitorInfoW(HMONITOR monitor, LPMONITORINFO info);
BOOL SystemParametersInfoW(UINT action, UINT param, LPVOID data, UINT winIni);

// Messages.
LRESULT DefWindowProcW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProcW(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT SendMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL PostMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL PostThreadMessageW(DWORD threadId, UINT msg, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
BOOL GetMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax);
BOOL PeekMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeMsg);
BOOL TranslateMessage(const MSG* msg);
LRESULT DispatchMessageW(const MSG* msg);
BOOL WaitMessage();
LONG GetMessageTime();
DWORD GetMessagePos();
UINT RegisterWindowMessageW(LPCWSTR name);
BOOL InSendMessage();
DWORD GetCurrentThreadId();

// Input.
UINT SendInput(UINT count, LPINPUT inputs, int size);
void mouse_event(DWORD flags, DWORD dx, DWORD dy, DWORD data, ULONG_PTR extraInfo);
void keybd_event(BYTE vk, BYTE scan, DWORD flags, ULONG_PTR extraInfo);
SHORT GetKeyState(int vk);
SHORT GetAsyncKeyState(int vk);
BOOL GetCursorPos(LPPOINT point);
BOOL SetCursorPos(int x, int y);
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
HCURSOR LoadCursorW(HINSTANCE instance, LPCWSTR name);
HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();
HWND SetFocus(HWND hwnd);
HWND GetFocus();
HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();
HWND GetForegroundWindow();
BOOL SetForegroundWindow(HWND hwnd);
BOOL AttachThreadInput(DWORD attach, DWORD attachTo, BOOL doAttach);
BOOL TrackMouseEvent(LPTRACKMOUSEEVENT track);
UINT GetDoubleClickTime();
BOOL DragDetect(HWND hwnd, POINT point);

// The caret: one per desktop, owned by a window, blinking on the desktop's clock. BeginPaint
// hides it while the owner paints and EndPaint shows it again.
BOOL CreateCaret(HWND hwnd, HBITMAP bitmap, int width, int height);
BOOL DestroyCaret();
BOOL ShowCaret(HWND hwnd);
BOOL HideCaret(HWND hwnd);
BOOL SetCaretPos(int x, int y);
BOOL GetCaretPos(LPPOINT point);
BOOL SetCaretBlinkTime(UINT milliseconds);
UINT GetCaretBlinkTime();

// The standard scroll bars of a window (WS_VSCROLL, WS_HSCROLL): kept and drawn by the window
// manager, tracked by DefWindowProc, which sends WM_VSCROLL/WM_HSCROLL. SB_CTL goes to a
// scroll bar control through its SBM_ messages.
int SetScrollInfo(HWND hwnd, int bar, LPCSCROLLINFO info, BOOL redraw);
BOOL GetScrollInfo(HWND hwnd, int bar, LPSCROLLINFO info);
int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw);
int GetScrollPos(HWND hwnd, int bar);
BOOL SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, BOOL redraw);
BOOL GetScrollRange(HWND hwnd, int bar, int* minPos, int* maxPos);
BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show);
BOOL EnableScrollBar(HWND hwnd, UINT bar, UINT arrows);

// Time.
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc);
BOOL KillTimer(HWND hwnd, UINT_PTR id);
DWORD GetTickCount();
ULONGLONG GetTickCount64();

// Painting.
HDC BeginPaint(HWND hwnd, LPPAINTSTRUCT ps);
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps);
HDC GetDC(HWND hwnd);
HDC GetWindowDC(HWND hwnd);
HDC GetDCEx(HWND hwnd, HRGN clip, DWORD flags);
int ReleaseDC(HWND hwnd, HDC dc);
BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);
BOOL InvalidateRgn(HWND hwnd, HRGN rgn, BOOL erase);
BOOL ValidateRect(HWND hwnd, const RECT* rect);
BOOL ValidateRgn(HWND hwnd, HRGN rgn);
BOOL GetUpdateRect(HWND hwnd, LPRECT rect, BOOL erase);
int GetUpdateRgn(HWND hwnd, HRGN rgn, BOOL erase);
BOOL RedrawWindow(HWND hwnd, const RECT* update, HRGN rgn, UINT flags);
BOOL UpdateWindow(HWND hwnd);
BOOL LockWindowUpdate(HWND hwnd);
// Moves the pixels of the client area (within scroll, clipped to clip; both client coordinates,
// null for the whole client area) by dx, dy and makes the uncovered part invalid (SW_INVALIDATE,
// SW_ERASE); SW_SCROLLCHILDREN moves the child windows along.
int ScrollWindowEx(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN update,
                   LPRECT updateRect, UINT flags);
BOOL ScrollWindow(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip);

// The generic (Unicode) spellings.
inline ATOM RegisterClassEx(const WNDCLASSEXW* wc)
{
    return RegisterClassExW(wc);
}
inline ATOM RegisterClass(const WNDCLASSW* wc)
{
    return RegisterClassW(wc);
}
inline BOOL UnregisterClass(LPCWSTR className, HINSTANCE instance)
{
    return UnregisterClassW(className, instance);
}
inline BOOL GetClassInfoEx(HINSTANCE instance, LPCWSTR className, WNDCLASSEXW* wc)
{
    return GetClassInfoExW(instance, className, wc);
}
inline BOOL GetClassInfo(HINSTANCE instance, LPCWSTR className, WNDCLASSW* wc)
{
    return GetClassInfoW(instance, className, wc);
}
inline int GetClassName(HWND hwnd, LPWSTR className, int maxCount)
{
    return GetClassNameW(hwnd, className, maxCount);
}
inline HWND CreateWindowEx(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x,
                           int y, int width, int height, HWND parent, HMENU menu,
                           HINSTANCE instance, LPVOID param)
{
    return CreateWindowExW(exStyle, className, windowName, style, x, y, width, height, parent, menu,
                           instance, param);
}
inline HWND CreateWindowW(LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y,
                          int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                          LPVOID param)
{
    return CreateWindowExW(0, className, windowName, style, x, y, width, height, parent, menu,
                           instance, param);
}
inline HWND CreateWindow(LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y,
                         int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                         LPVOID param)
{
    return CreateWindowW(className, windowName, style, x, y, width, height, parent, menu, instance,
                         param);
}
inline HWND FindWindow(LPCWSTR className, LPCWSTR windowName)
{
    return FindWindowW(className, windowName);
}
inline int GetWindowText(HWND hwnd, LPWSTR text, int maxCount)
{
    return GetWindowTextW(hwnd, text, maxCount);
}
inline int GetWindowTextLength(HWND hwnd)
{
    return GetWindowTextLengthW(hwnd);
}
inline BOOL SetWindowText(HWND hwnd, LPCWSTR text)
{
    return SetWindowTextW(hwnd, text);
}
inline LONG_PTR GetWindowLongPtr(HWND hwnd, int index)
{
    return GetWindowLongPtrW(hwnd, index);
}
inline LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value)
{
    return SetWindowLongPtrW(hwnd, index, value);
}
inline LONG GetWindowLong(HWND hwnd, int index)
{
    return GetWindowLongW(hwnd, index);
}
inline LONG SetWindowLong(HWND hwnd, int index, LONG value)
{
    return SetWindowLongW(hwnd, index, value);
}
inline BOOL SetProp(HWND hwnd, LPCWSTR name, HANDLE data)
{
    return SetPropW(hwnd, name, data);
}
inline HANDLE GetProp(HWND hwnd, LPCWSTR name)
{
    return GetPropW(hwnd, name);
}
inline HANDLE RemoveProp(HWND hwnd, LPCWSTR name)
{
    return RemovePropW(hwnd, name);
}
inline LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}
inline LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcW(proc, hwnd, msg, wParam, lParam);
}
inline LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return SendMessageW(hwnd, msg, wParam, lParam);
}
inline BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return PostMessageW(hwnd, msg, wParam, lParam);
}
inline BOOL PostThreadMessage(DWORD threadId, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return PostThreadMessageW(threadId, msg, wParam, lParam);
}
inline BOOL GetMessage(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax)
{
    return GetMessageW(msg, hwnd, filterMin, filterMax);
}
inline BOOL PeekMessage(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeMsg)
{
    return PeekMessageW(msg, hwnd, filterMin, filterMax, removeMsg);
}
inline LRESULT DispatchMessage(const MSG* msg)
{
    return DispatchMessageW(msg);
}
inline UINT RegisterWindowMessage(LPCWSTR name)
{
    return RegisterWindowMessageW(name);
}
inline BOOL GetMonitorInfo(HMONITOR monitor, LPMONITORINFO info)
{
    return GetMonitorInfoW(monitor, info);
}
inline BOOL SystemParametersInfo(UINT action, UINT param, LPVOID data, UINT winIni)
{
    return SystemParametersInfoW(action, param, data, winIni);
}
inline HCURSOR LoadCursor(HINSTANCE instance, LPCWSTR name)
{
    return LoadCursorW(instance, name);
}
inline DWORD GetClassLong(HWND hwnd, int index)
{
    return GetClassLongW(hwnd, index);
}
