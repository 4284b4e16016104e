#pragma once
// The list box window, also the drop-down list of a combo box ("ComboLBox"): translates
// messages into model operations, asks the owner to measure and draw items, and paints.

#include "platform/win/controls/ListBoxModel.h"
#include "platform/win/controls/ScrollBars.h"

namespace zt::win::controls {

class ListBoxWindow
{
public:
    ListBoxWindow(HWND hwnd, HWND combo);
    ListBoxWindow(const ListBoxWindow&) = delete;
    ListBoxWindow& operator=(const ListBoxWindow&) = delete;

    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    static constexpr int kWheelLines = 3; // rows or lines a wheel notch scrolls

    DWORD Style() const;
    bool OwnerDraw() const;
    bool HasStrings() const;
    bool Variable() const;
    HWND DrawTarget() const;
    HWND ItemHwnd() const { return m_combo ? m_combo : m_hwnd; }
    UINT CtlType() const;
    UINT CtlId() const;

    int ViewHeight() const;
    int DefaultItemHeight();
    int MeasureItem(int index, ULONG_PTR data);
    int Insert(int index, LPARAM lParam);
    void DeleteNotify(int index);
    void ResetContent();
    void Notify(UINT code);
    void Changed();
    void UpdateScrollBar();
    void SetTop(int top);
    void EnsureVisible(int index);
    RECT ItemRect(int index) const;
    void SelectByUser(int index, bool notify);
    void Paint();
    void DrawItem(HDC dc, int index, const RECT& r, UINT action);
    void KeyDown(WPARAM vk);
    int ItemFromClient(POINT p) const;
    bool InClient(POINT p) const;
    void DropMouse(UINT msg, WPARAM wParam, POINT p);

    HWND m_hwnd;
    HWND m_combo;
    ListBoxModel m_model;
    HFONT m_font = nullptr;
    int m_fixedHeight = 0;
    bool m_focused = false;
    bool m_tracking = false;
    bool m_redraw = true;
    bool m_wantsBar = false;
    bool m_dropped = false;
    bool m_pressedInside = false;
    int m_wheelRemainder = 0;
};

} // namespace zt::win::controls
