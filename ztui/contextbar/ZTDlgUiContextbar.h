#pragma once
// The context bar's window: a borderless, semi-transparent strip of square icon buttons that
// floats over the graphics view beside the picked element. It shows the buttons a factory
// produced, marks the current operation as pressed, sends a click back to the factory on the
// work thread, enables and disables buttons on request, shows each button's label as its
// tooltip and can be dragged by its background. There is at most one.
//
// The bar's shared state (its buttons, the operation to press, its position) outlives the
// window: the proxy writes it and the window reads it when it is built.

#include "platform/cad/DPoint3d.h"
#include "platform/win/afxwin.h"
#include "ztui/ZTUiExport.h"
#include "ztui/contextbar/ContextbarTypes.h"
#include "ztui/frame/ZTUiResources.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace zt {

class CIconButton;

class ZTUI_EXPORT ZTDlgUiContextbar : public CDialogEx
{
    DECLARE_DYNAMIC(ZTDlgUiContextbar)
public:
    enum
    {
        IDD = kDialogContextbar,
    };
    // The name under which the window is registered with the host's modeless dialogs.
    static constexpr const char* kDialogName = "TesselUiContextbarDialog";
    static constexpr int kFirstButtonId = 30000;
    // Of the button slots, only these ids are routed to a click.
    static constexpr int kLastClickableId = 30020;
    static constexpr int kMaxButtons = 96;
    static constexpr int kButtonSize = 30;
    static constexpr int kMargin = 10;
    static constexpr int kSecondRowOffset = 33;
    static constexpr int kIconSize = 24;
    // Pixels of this colour are see-through; the rest shows at kAlpha over the view.
    static constexpr COLORREF kKeyColour = RGB(0xF9, 0xF9, 0xF9);
    static constexpr BYTE kAlpha = 240;
    static constexpr COLORREF kFrameColour = RGB(0xE3, 0xE3, 0xE3);
    static constexpr int kFrameWidth = 5;
    static constexpr COLORREF kInsideColour = RGB(0xFF, 0xFF, 0xFF);
    static constexpr COLORREF kButtonColour = RGB(0xFA, 0xFA, 0xFA);
    static constexpr COLORREF kHoverColour = RGB(0xCC, 0xE4, 0xF7);
    static constexpr COLORREF kPressedColour = RGB(0xA8, 0xCE, 0xF0);
    // How often the bar looks whether the view under it panned or zoomed.
    static constexpr UINT kFollowTimer = 1;
    static constexpr UINT kFollowIntervalMs = 40;

    // Shared state, written by the proxy.
    static void SetBarState(const TSContextbarButton& record);
    static void ClearBarButtons();
    static const std::vector<TSContextbarInfo>& GetBarButtons();
    static TSOperating GetBarOperating();
    static bool GetBarPreselect();
    static TSClickType GetBarClickType();
    static void SetBarPosition(const DPoint3d& point);
    static DPoint3d GetBarPosition();

    // Queue the show and close operations for the user-interface thread. Only the latest
    // request runs: a burst of picks opens one bar, for the last of them.
    static void RequestShow();
    static void RequestClose();
    // The operations themselves, on the user-interface thread.
    static void Show();
    static void Close();
    // At unload: the window goes and the icon libraries are let go.
    static void ReleaseResources();

    // The one window, or null; read by the library's other floating windows.
    static ZTDlgUiContextbar* GetWindow();
    static bool IsBarVisible();
    static bool GetBarScreenRect(RECT& rect);
    // Sets the proxy's start point to the remembered position and gives the bar's size
    // without its margins.
    static void QueryBarSize(int& width, int& height);
    // Moves the window's top-left to a view point, kept clear of the view's far edges.
    static void MoveBarTo(double x, double y);
    // Stores and applies a status map; dropped without a window.
    static void ApplyStatusUpdate(const TSContextbarStatus& status);
    // The button control of a creation index, or null.
    static CIconButton* GetButtonControl(int index);

    // Where a bar of size bw x bh asked to go to (x, y) goes in a parent of that client size.
    static POINT PlaceInParent(int x, int y, int bw, int bh, int parentRight, int parentBottom);
    // The window size for these buttons, margins included.
    static SIZE SizeFor(const std::vector<TSContextbarInfo>& buttons);

    int currentId() const { return m_currentId; }
    int buttonCount() const { return m_buttonCount; }
    bool preselect() const { return m_preselect; }
    TSClickType clickType() const { return m_clickType; }
    const std::vector<WString>& labels() const { return m_labels; }
    const TSContextbarInfo& clickInfo() const { return m_clickInfo; }
    const TSContextbarStatus& status() const { return m_status; }
    const std::vector<std::pair<TSOperating, std::int32_t>>& buttonOperating() const
    {
        return m_buttonOperating;
    }
    const std::vector<std::pair<TSOperating, int>>& operatingIndex() const
    {
        return m_operatingIndex;
    }

protected:
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void PostNcDestroy() override;
    BOOL OnInitDialog() override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    afx_msg void OnButtonClicked(UINT id);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnDestroy();
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    ZTDlgUiContextbar();
    ~ZTDlgUiContextbar() override;

    void BuildButtons(const std::vector<TSContextbarInfo>& buttons);
    void CreateOneButton(const TSContextbarInfo& info, int column, int rowOffset);
    void Click(int id);
    void ApplyStatus();
    void PlaceAt(double x, double y);
    void RememberViewAnchor();
    void FollowView();

    int m_currentId = kFirstButtonId;
    int m_buttonCount = 0;
    bool m_preselect = false;
    TSClickType m_clickType = TSClickType_Plain;
    std::vector<WString> m_labels;
    TSContextbarInfo m_clickInfo;
    TSContextbarStatus m_status;
    std::vector<std::pair<TSOperating, std::int32_t>> m_buttonOperating;
    std::vector<std::pair<TSOperating, int>> m_operatingIndex;
    CBrush m_brush;
    // The state the buttons were built from, to tell a stale window from a current one.
    std::uint64_t m_builtFrom = 0;
    // Where the click point lay in the view when the bar was last placed.
    DPoint3d m_anchorView{0.0, 0.0, 0.0};
    std::uint64_t m_viewFrame = 0;
    bool m_hasAnchor = false;
};

} // namespace zt
