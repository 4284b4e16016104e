#pragma once
// The colour swatch of a Color row: an owner-drawn button filled with its colour. A click opens
// the host's colour picker on that colour; when the user takes a colour the swatch shows it and
// tells its callback.

#include "platform/win/afxwin.h"
#include "ztui/ZTUiExport.h"

#include <functional>
#include <memory>

namespace zt {

class ZTUI_EXPORT ButtonColor : public CButton
{
public:
    static constexpr COLORREF kFrameColor = RGB(150, 150, 150);
    // Called with the button's identifier after a colour was chosen. The callback may destroy
    // the button.
    using ClickCallback = std::function<void(UINT id)>;

    // A visible owner-drawn child push button.
    BOOL CreateButton(const CString& caption, const RECT& rect, CWnd* parent, UINT id,
                      COLORREF color);

    COLORREF GetColor() const { return m_color; }
    void SetColor(COLORREF color);
    void SetClickCallback(ClickCallback callback) { m_callback = std::move(callback); }
    bool HasClickCallback() const { return static_cast<bool>(m_callback); }

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    afx_msg void OnClicked();
    DECLARE_MESSAGE_MAP()

private:
    COLORREF m_color = RGB(0, 0, 0);
    ClickCallback m_callback;
    // Expires with the button: a callback that rebuilt the list leaves nothing to repaint.
    std::shared_ptr<const void> m_alive = std::make_shared<char>(0);
};

} // namespace zt
