#pragma once
// The owner-drawn push buttons of the property list's editors (ButtonBitmap, ButtonIcon): the
// push-button face and caption of the style tree (as the button editor paints them), and a
// click callback with the button's identifier.
// Without a callback the click goes on to the parent as BN_CLICKED.

#include "platform/base/CString.h"
#include "platform/win/afxwin.h"
#include "ztui/ZTUiExport.h"

#include <functional>

namespace zt {

class ZTUI_EXPORT PropertyButtonBase : public CButton
{
public:
    using ClickCallback = std::function<void(UINT id)>;

    static constexpr COLORREF kDisabledText = RGB(128, 128, 128);

    PropertyButtonBase() = default;
    ~PropertyButtonBase() override;

    // A visible owner-drawn child push button.
    BOOL CreateButton(const CString& caption, const RECT& rect, CWnd* parent, UINT id);
    void SetClickCallback(ClickCallback callback) { m_onClick = std::move(callback); }
    // Whether a click activates the button's top-level window (it does by default).
    void SetTakesActivation(bool takes) { m_takesActivation = takes; }
    bool TakesActivation() const { return m_takesActivation; }

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    // Draws what the button shows inside its face.
    virtual void DrawContent(CDC& dc, const CRect& face, bool pressed, bool enabled) = 0;
    // The caption centred on one line in the style's button font.
    void DrawCaption(CDC& dc, const CRect& face, bool pressed, bool enabled);
    // The face: background and rounded frame of the pressed or normal state.
    void DrawFace(CDC& dc, const CRect& face, bool pressed);

    afx_msg BOOL OnClicked();
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    DECLARE_MESSAGE_MAP()

private:
    ClickCallback m_onClick;
    bool m_takesActivation = true;
};

} // namespace zt
