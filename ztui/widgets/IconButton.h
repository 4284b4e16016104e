#pragma once
// An owner-drawn button that shows one icon centred on a plain background, with a normal, a
// hover and a pressed look. As a check-style button it stays pressed while checked, which is
// how toolbars mark the current operation. Its tooltip shows a label. The pop-up messages and
// the context bar are made of these.

#include "platform/base/CString.h"
#include "platform/win/afxwin.h"
#include "ztui/ZTUiExport.h"

namespace zt {

class ZTUI_EXPORT CIconButton : public CButton
{
public:
    enum Look
    {
        kNormal = 0,
        kHover = 1,
        kPressed = 2,
    };

    CIconButton();
    ~CIconButton() override;

    // A visible owner-drawn child; checkStyle makes a click toggle the check.
    BOOL CreateButton(const RECT& rect, CWnd* parent, UINT id, bool checkStyle = false);

    // The icon of a look, drawn at size x size pixels (0: the icon's own size). A look without
    // an icon shows the normal one. With own, the button destroys the icon.
    void SetLookIcon(Look look, HICON icon, int size = 0, bool own = false);
    void SetLookBackground(Look look, COLORREF colour);
    // The hover background is the normal one with this added to each channel (clamped); 0
    // keeps the hover colour as set.
    void SetHoverShift(int shift) { m_hoverShift = shift; }
    COLORREF BackgroundOf(Look look) const;

    void SetChecked(bool checked);
    bool IsChecked() const { return m_checked; }
    bool IsCheckStyle() const { return m_checkStyle; }
    bool IsHovered() const { return m_hover; }

    // The label shown when the pointer rests on the button; empty for none.
    void SetTooltip(const CString& text);
    const CString& GetTooltip() const { return m_tip; }

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg BOOL OnClicked();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    struct LookData
    {
        HICON icon = nullptr;
        int size = 0;
        bool own = false;
        COLORREF background = RGB(240, 240, 240);
    };

    void ReleaseIcon(LookData& look);
    void EnsureTooltip();

    LookData m_looks[3];
    int m_hoverShift = 0;
    bool m_checkStyle = false;
    bool m_checked = false;
    bool m_hover = false;
    bool m_tracking = false;
    CString m_tip;
    CToolTipCtrl m_tooltip;
};

} // namespace zt
