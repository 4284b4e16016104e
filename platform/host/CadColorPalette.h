#pragma once
// A grid of colour swatches inside the colour picker. The mouse picks a swatch, arrows move the
// selection, and each change is told to the parent as WM_COMMAND (id, kSelChange); a double
// click as (id, kDoubleClick). The parent keeps the colour; the grid only shows which swatch
// holds it.

#include "platform/win/afxwin.h"

#include <vector>

class CadColorPalette : public CWnd
{
public:
    static constexpr UINT kSelChange = 1;
    static constexpr UINT kDoubleClick = 2;
    // Room between swatches and around the grid, in pixels.
    static constexpr int kGap = 3;

    // The window class of the placeholders that palettes (and the preview) subclass in a
    // dialog template; registered on first use.
    static LPCWSTR WindowClass();

    void SetColors(std::vector<COLORREF> colors, int columns);
    const std::vector<COLORREF>& Colors() const { return m_colors; }
    int Columns() const { return m_columns; }
    int Rows() const;

    // Highlights the first swatch of this colour; none when the grid lacks it. Does not notify.
    void SelectColor(COLORREF color);
    // -1 when no swatch is selected.
    int Selection() const { return m_selection; }
    COLORREF SelectedColor() const;
    // The swatch's rectangle in client coordinates; empty for an index outside the grid.
    CRect CellRect(int index) const;
    int CellAt(CPoint point) const;

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    void Pick(int index, UINT notification);
    void Notify(UINT notification);

    std::vector<COLORREF> m_colors;
    int m_columns = 1;
    int m_selection = -1;
    // Where the keyboard is when nothing is selected.
    int m_cursor = 0;
};
