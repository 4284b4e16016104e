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
    HWND Edit() const { return m_edit; }
    WNDPROC EditProc() const { return m_editProc; }

private:
    DWORD Style() const;
    DWORD Kind() const { return Style() & 3; }
    bool HasEdit() const { return Kind() == CBS_DROPDOWN || Kind() == CBS_SIMPLE; }
    bool OwnerDraw() const { return (Style() & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) != 0; }
    bool HasStrings() const { return !OwnerDraw() || (Style() & CBS_HASSTRINGS); }

    int ClosedHeight() const { return m_fieldHeight + 2 * kBorder; }
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

    HWND m_hwnd;
    HWND m_edit = nullptr;
    HWND m_list = nullptr;
    WNDPROC m_editProc = nullptr;
    HFONT m_font = nullptr;
    int m_fieldHeight = 0;
    bool m_fieldHeightSet = false;
    int m_droppedHeight = 0;
    int m_droppedWidth = 0;
    bool m_dropped = false;
    bool m_hasFocus = false;
    int m_selAtOpen = -1;
    int m_notifiedSel = -1;
    bool m_sizing = false;
    bool m_syncing = false;
};

} // namespace zt::win::controls
