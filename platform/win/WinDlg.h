#pragma once
// The functions of the standard controls, dialogs, message boxes and resources with their
// Win32 names and signatures. Included from WinUser.h.

#include "platform/win/WinDlgDefs.h"

// Dialogs. A template names a resource in the module given (see resources/ResourceModule.h).
HWND CreateDialogParamW(HINSTANCE instance, LPCWSTR templateName, HWND parent, DLGPROC proc,
                        LPARAM initParam);
HWND CreateDialogIndirectParamW(HINSTANCE instance, const void* dialogTemplate, HWND parent,
                                DLGPROC proc, LPARAM initParam);
INT_PTR DialogBoxParamW(HINSTANCE instance, LPCWSTR templateName, HWND parent, DLGPROC proc,
                        LPARAM initParam);
INT_PTR DialogBoxIndirectParamW(HINSTANCE instance, const void* dialogTemplate, HWND parent,
                                DLGPROC proc, LPARAM initParam);
BOOL EndDialog(HWND dialog, INT_PTR result);
LRESULT DefDlgProcW(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL IsDialogMessageW(HWND dialog, LPMSG msg);
UINT GetDlgItemTextW(HWND dialog, int id, LPWSTR text, int maxCount);
BOOL SetDlgItemTextW(HWND dialog, int id, LPCWSTR text);
UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned);
BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned);
LRESULT SendDlgItemMessageW(HWND dialog, int id, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL CheckDlgButton(HWND dialog, int id, UINT check);
UINT IsDlgButtonChecked(HWND dialog, int id);
BOOL CheckRadioButton(HWND dialog, int firstId, int lastId, int checkId);
HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);
HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous);
BOOL MapDialogRect(HWND dialog, LPRECT rect);
LONG GetDialogBaseUnits();

// Message boxes. See zt::win::SetMessageBoxResponder for tests and headless hosts.
int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);

// Resources.
HICON LoadIconW(HINSTANCE instance, LPCWSTR name);
HANDLE LoadImageW(HINSTANCE instance, LPCWSTR name, UINT type, int cx, int cy, UINT flags);
int LoadStringW(HINSTANCE instance, UINT id, LPWSTR buffer, int maxCount);
HRSRC FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type);
// Calls the function for each name of a resource type in a module: string names first, in
// upper case and sorted, then numeric ids (MAKEINTRESOURCE) in ascending order. RT_DIALOG,
// RT_GROUP_ICON and RT_STRING (string-table blocks, id / 16 + 1) are known. FALSE with
// ERROR_RESOURCE_ENUM_USER_STOP when the function stops the walk, ERROR_RESOURCE_TYPE_NOT_FOUND
// when the module has no resource of the type, ERROR_RESOURCE_DATA_NOT_FOUND when it has none.
using ENUMRESNAMEPROCW = BOOL (*)(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR param);
BOOL EnumResourceNamesW(HMODULE module, LPCWSTR type, ENUMRESNAMEPROCW enumFunc, LONG_PTR param);

inline HWND CreateDialogParam(HINSTANCE instance, LPCWSTR templateName, HWND parent, DLGPROC proc,
                              LPARAM initParam)
{
    return CreateDialogParamW(instance, templateName, parent, proc, initParam);
}
inline HWND CreateDialog(HINSTANCE instance, LPCWSTR templateName, HWND parent, DLGPROC proc)
{
    return CreateDialogParamW(instance, templateName, parent, proc, 0);
}
inline HWND CreateDialogIndirectParam(HINSTANCE instance, const void* dialogTemplate, HWND parent,
                                      DLGPROC proc, LPARAM initParam)
{
    return CreateDialogIndirectParamW(instance, dialogTemplate, parent, proc, initParam);
}
inline INT_PTR DialogBoxParam(HINSTANCE instance, LPCWSTR templateName, HWND parent, DLGPROC proc,
                              LPARAM initParam)
{
    return DialogBoxParamW(instance, templateName, parent, proc, initParam);
}
inline INT_PTR DialogBox(HINSTANCE instance, LPCWSTR templateName, HWND parent, DLGPROC proc)
{
    return DialogBoxParamW(instance, templateName, parent, proc, 0);
}
inline INT_PTR DialogBoxIndirectParam(HINSTANCE instance, const void* dialogTemplate, HWND parent,
                                      DLGPROC proc, LPARAM initParam)
{
    return DialogBoxIndirectParamW(instance, dialogTemplate, parent, proc, initParam);
}
inline LRESULT DefDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefDlgProcW(dialog, msg, wParam, lParam);
}
inline BOOL IsDialogMessage(HWND dialog, LPMSG msg)
{
    return IsDialogMessageW(dialog, msg);
}
inline UINT GetDlgItemText(HWND dialog, int id, LPWSTR text, int maxCount)
{
    return GetDlgItemTextW(dialog, id, text, maxCount);
}
inline BOOL SetDlgItemText(HWND dialog, int id, LPCWSTR text)
{
    return SetDlgItemTextW(dialog, id, text);
}
inline LRESULT SendDlgItemMessage(HWND dialog, int id, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return SendDlgItemMessageW(dialog, id, msg, wParam, lParam);
}
inline int MessageBox(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type)
{
    return MessageBoxW(owner, text, caption, type);
}
inline HICON LoadIcon(HINSTANCE instance, LPCWSTR name)
{
    return LoadIconW(instance, name);
}
inline HANDLE LoadImage(HINSTANCE instance, LPCWSTR name, UINT type, int cx, int cy, UINT flags)
{
    return LoadImageW(instance, name, type, cx, cy, flags);
}
inline int LoadString(HINSTANCE instance, UINT id, LPWSTR buffer, int maxCount)
{
    return LoadStringW(instance, id, buffer, maxCount);
}
inline HRSRC FindResource(HMODULE module, LPCWSTR name, LPCWSTR type)
{
    return FindResourceW(module, name, type);
}
inline BOOL EnumResourceNames(HMODULE module, LPCWSTR type, ENUMRESNAMEPROCW enumFunc,
                              LONG_PTR param)
{
    return EnumResourceNamesW(module, type, enumFunc, param);
}

#include <functional>

namespace zt::win {

// Answers every MessageBox (and AfxMessageBox) instead of a window while it is set: tests and
// hosts without a screen script the user's choice. The responder receives the owner, the text,
// the caption and the type flags and returns the button id (IDOK, IDYES, ...). An empty
// function restores the real, modal message-box window.
using MessageBoxResponder =
    std::function<int(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type)>;
void SetMessageBoxResponder(MessageBoxResponder responder);

} // namespace zt::win
