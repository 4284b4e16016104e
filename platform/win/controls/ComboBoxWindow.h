#pragma once
// The combo box window: a selection field (an edit child for CBS_DROPDOWN, painted by the
// combo for CBS_DROPDOWNLIST), a drop button and a pop-up list ("ComboLBox") that holds the
// items.

#include "platform/win/WinCtl.h"
#include "platform/win/WinUser.h"

namespace zt::win::controls {

class ComboBoxWindow
{
public:
    explicit ComboBoxWindow(HWND hwnd);
    ComboBoxWindow(const ComboBoxWindow&) = delete;
    ComboBoxWindow& operator=(const ComboBoxWindow&) = delete;

    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);
    // Keys of the edit child that the combo box handles (arrows, F4, Enter, Escape).
    bool EditKey(WPARAM vk, LPARAM lParam);
    HWND Edit() const { return edit_; }
    WNDPROC EditProc() const { return editProc_; }

private:
    DWORD Style() const;
    DWORD Kind() const { return Style() & 3; }
    bool HasEdit() const { return Kind() == CBS_DROPDOWN || Kind() == CBS_SIMPLE; }
    bool OwnerDraw() const { return (Style() & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) != 0; }
    bool HasStrings() const { return !OwnerDraw() || (Style() & CBS_HASSTRINGS); }

    int ClosedHeight() const { return fieldHeight_ + 2 * kBorder; }
    RECT ButtonRect() const;
    RECT FieldRect() const;
    void Create(const CREATESTRUCTW* cs);
    void Layout();
    int MeasureField();
    void Notify(UINT code);
    LRESULT List(UINT msg, WPARAM wParam, LPARAM lParam) const;
    int Selection() const;
    void SyncEditToSelection();
    void SelectByUser(int index);
    void ShowDropDown(bool show, bool ok, bool revert = false);
    void Paint();
    void PaintFace(HDC dc);
    void KeyDown(WPARAM vk, LPARAM lParam);
    bool OwnsFocus(HWND focus) const;
    void FocusChanged(HWND gaining);

    static constexpr int kBorder = 3;

    HWND hwnd_;
    HWND edit_ = nullptr;
    HWND list_ = nullptr;
    WNDPROC editProc_ = nullptr;
    HFONT font_ = nullptr;
    int fieldHeight_ = 0;
    bool fieldHeightSet_ = false;
    int droppedHeight_ = 0;
    int droppedWidth_ = 0;
    bool dropped_ = false;
    bool hasFocus_ = false;
    int selAtOpen_ = -1;
    int notifiedSel_ = -1;
    bool sizing_ = false;
    bool syncing_ = false;
};

} // namespace zt::win::controls
