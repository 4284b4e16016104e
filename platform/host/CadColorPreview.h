#pragma once
// The preview swatch of the colour picker: the colour being chosen over the one the picker
// opened with, so that the user sees both before deciding.

#include "platform/win/afxwin.h"

class CadColorPreview : public CWnd
{
public:
    void SetColors(COLORREF chosen, COLORREF original);
    COLORREF Chosen() const { return m_chosen; }
    // The two halves in client coordinates: the chosen colour on top.
    CRect ChosenRect() const;
    CRect OriginalRect() const;

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

private:
    COLORREF m_chosen = RGB(0, 0, 0);
    COLORREF m_original = RGB(0, 0, 0);
};
