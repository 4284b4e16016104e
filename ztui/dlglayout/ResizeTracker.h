#pragma once
// The sizes a resizable dialog has gone through and what its layouts remember between them:
// the first client size, which every scale factor refers to, the designed rectangles of the
// controls of the identifier layout, and the remainders of the rows laid out by modes.

#include "platform/win/afxwin.h"
#include "ztui/ZTUiExport.h"
#include "ztui/dlglayout/LayoutRules.h"
#include "ztui/widgets/ControlGroups.h"

#include <map>
#include <vector>

namespace QDlgResize_Space {

class ZTUI_EXPORT ResizeTracker
{
public:
    static constexpr int kMinControlWidth = 20;
    static constexpr int kMinControlHeight = 15;

    void SetCWndHandle(CWnd* wnd) { m_pWnd = wnd; }
    CWnd* GetCWndHandle() const { return m_pWnd; }
    void SetEnabled(bool enabled) { m_bEnabled = enabled; }
    bool IsEnabled() const { return m_bEnabled; }

    // A size event: the first fixes the reference size.
    void RecordSize(int cx, int cy);
    bool HasReferenceSize() const { return m_bHasReference; }
    int ReferenceWidth() const { return m_W0; }
    int ReferenceHeight() const { return m_H0; }
    int Width() const { return m_W; }
    int Height() const { return m_H; }
    int PreviousWidth() const { return m_prevW; }
    int PreviousHeight() const { return m_prevH; }
    double ScaleX() const { return m_sx; }
    double ScaleY() const { return m_sy; }

    // Lays out one row of the identifier layout by its pattern, from the designed rectangles.
    void LayoutIdRow(const std::vector<int>& row);
    // Lays out one row by modes and keeps its remainder.
    void LayoutModeRow(const zt::CtrlPairRow& row);

    // Forgets the row numbers and remainders and numbers the rows of new pair groups.
    void NumberRows(const zt::CtrlPairGroups& groups);
    int RowNumber(int firstId) const;
    int Remainder(int rowNumber) const;
    void SetMinLayoutWidth(int width) { m_minLayoutWidth = width; }
    int MinLayoutWidth() const { return m_minLayoutWidth; }

    // The designed rectangle of a control, once a layout has seen it.
    bool DesignedRect(HWND control, RECT& rect) const;

    // The rectangle of a child in its dialog's client coordinates.
    static bool ChildRect(HWND dialog, HWND child, RECT& rect);
    static RowControlClass ClassOf(HWND control);
    static bool HasClass(HWND control, const wchar_t* className);

private:
    HWND Dialog() const { return m_pWnd ? m_pWnd->m_hWnd : nullptr; }

    CWnd* m_pWnd = nullptr;
    bool m_bEnabled = true;
    int m_x0 = 0;
    int m_y0 = 0;
    bool m_bHasReference = false;
    int m_W0 = 0;
    int m_H0 = 0;
    int m_W = 0;
    int m_H = 0;
    int m_prevW = 0;
    int m_prevH = 0;
    double m_sx = 0.0;
    double m_sy = 0.0;
    std::map<HWND, RECT> m_designed;
    std::map<int, int> m_rowNumbers;
    std::map<int, int> m_remainders;
    int m_minLayoutWidth = 0;
};

} // namespace QDlgResize_Space
