#pragma once
// The host's ribbon: one row of command buttons across the top of the main frame, each with an
// id, a caption and an icon. Tools switch buttons on and off by id through the messages
// "Tessel.Message.EnableButton" and "Tessel.Message.DisableButton"; a click runs the button's
// command through the host's command table.

#include "platform/win/afxwin.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zt::host {

struct RibbonButton
{
    std::wstring id;      // what the messages name; exact and case-sensitive
    std::wstring caption; // under the icon
    HICON icon = nullptr; // 24 x 24 is drawn; not owned
    bool enabled = true;
};

class RibbonBar : public CWnd
{
    DECLARE_DYNAMIC(RibbonBar)
public:
    static constexpr int kHeight = 64;
    static constexpr int kButtonWidth = 72;
    static constexpr int kIconSize = 24;
    static constexpr COLORREF kBackground = RGB(243, 243, 243);
    static constexpr COLORREF kHover = RGB(210, 226, 244);
    static constexpr COLORREF kPressed = RGB(176, 204, 236);

    RibbonBar();
    ~RibbonBar() override;

    // A child of the frame along its top; starts listening for the two messages.
    BOOL Create(CWnd* parent, UINT id);

    void SetButtons(std::vector<RibbonButton> buttons);
    const std::vector<RibbonButton>& GetButtons() const { return m_buttons; }
    // False when no button has that id.
    bool SetButtonEnabled(const std::wstring& id, bool enabled);
    // -1 when the id names no button.
    int FindButton(const std::wstring& id) const;
    bool IsButtonEnabled(const std::wstring& id) const;
    // The button's rectangle in the bar's client coordinates; empty for a bad index.
    CRect GetButtonRect(int index) const;

    // Called on a click of an enabled button, with its id.
    void SetClickHandler(std::function<void(const std::wstring&)> handler)
    {
        m_onClick = std::move(handler);
    }

    // Called with the id and the notification code of what a control on the bar (the layer
    // box) reports.
    void SetControlHandler(std::function<void(UINT id, UINT code)> handler)
    {
        m_onControl = std::move(handler);
    }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    // Quick second clicks are clicks too, not double clicks.
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point) { OnLButtonDown(nFlags, point); }
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    int HitTest(CPoint point) const;
    void SetHot(int index);
    void InvalidateButton(int index);
    void StopListening();

    std::vector<RibbonButton> m_buttons;
    std::function<void(const std::wstring&)> m_onClick;
    std::function<void(UINT, UINT)> m_onControl;
    int m_hot = -1;
    int m_pressed = -1;
    bool m_tracking = false;
    std::vector<std::uint64_t> m_receivers;
};

} // namespace zt::host
