#pragma once
// The dialog manager's record of each dialog window.

#include "platform/win/WinUser.h"

namespace zt::win::dialogs {

struct DialogInfo
{
    HFONT font = nullptr;
    // The template's font, made for this dialog and deleted with it (WM_SETFONT may change
    // the font in use).
    HFONT ownedFont = nullptr;
    // Dialog base units of the template font (see DialogBaseUnits).
    int baseX = 0;
    int baseY = 0;
    // DM_SETDEFID's id; 0 until set, when the first default push button counts.
    int defId = 0;
    HWND savedFocus = nullptr;
    // WM_INITDIALOG returned FALSE: the dialog chose its focus (or none) itself, and
    // activation restores only what was saved.
    bool ownFocus = false;
    bool modal = false;
    bool ended = false;
    INT_PTR result = 0;
};

// The record, or null for a window that is not a dialog (yet).
DialogInfo* FindDialog(HWND dialog);

// Horizontal and vertical base units of a font: the average width of "A..Za..z" (the extent
// divided by 52, rounded to the nearest pixel) and the font's height (tmHeight).
SIZE DialogBaseUnits(HFONT font);

// Moves the focus to a control as the dialog manager does: an edit-like control (one that
// answers DLGC_HASSETSEL) has its text selected, and the default push-button look follows
// a focused push button.
void SetDialogFocus(HWND dialog, HWND control);

// Moves the default push-button look when the focus goes from oldFocus to newFocus inside the
// dialog, however it moved (keyboard or mouse): a focused push button looks like the default
// one, and the dialog's default button gets the look back when the focus leaves push buttons.
void UpdateDefaultLook(HWND dialog, HWND oldFocus, HWND newFocus);

// The modal loop: runs until EndDialog or the dialog's destruction, giving each message to
// filter (which returns TRUE when it consumed it) or else to IsDialogMessage. Returns FALSE
// when the loop stopped because nothing can arrive any more (the hand-driven clock with no
// idle work) or on WM_QUIT, which is posted again.
BOOL RunModalLoop(HWND dialog, BOOL (*filter)(MSG* msg));

} // namespace zt::win::dialogs
