// The dialog docked in a pane: captions set on both, closing hides the pane, and a dialog that
// is not docked refuses to close that way.

#include "tests/dlglayout/DlgLayoutTestSupport.h"
#include "ztui/dlglayout/CQDockDlg.h"

#include <string>

using QDlgResize_Space::CQDockDlg;

namespace {

class DockPanel : public CountingPanel<CQDockDlg>
{
public:
    int inits = 0;

protected:
    void InitSetCtrlPos() override { ++inits; }
};

struct DockDlgTest : ::testing::Test
{
    void SetUp() override
    {
        LPCTSTR cls = AfxRegisterWndClass(0, nullptr, ::GetSysColorBrush(COLOR_BTNFACE));
        ASSERT_TRUE(frame.CreateEx(0, cls, L"frame", WS_POPUP | WS_VISIBLE, 50, 50, 500, 400,
                                   nullptr, nullptr));
        ASSERT_TRUE(pane.Create(L"属性", &frame, CRect(0, 0, 400, 350), TRUE, 900));
        ASSERT_TRUE(dialog.CreateIndirect(PanelTemplate(WS_CHILD | WS_VISIBLE), &pane));
        pane.SetHostedWindow(&dialog);
        desk.pump();
    }
    void TearDown() override
    {
        dialog.DestroyWindow();
        pane.DestroyWindow();
        frame.DestroyWindow();
    }
    static std::wstring TextOf(const CWnd& w)
    {
        CString text;
        w.GetWindowText(text);
        return std::wstring(text.GetString());
    }

    DesktopFixture desk;
    CWnd frame;
    CDockablePane pane;
    DockPanel dialog;
};

} // namespace

TEST_F(DockDlgTest, ADockedDialogFindsItsPaneAndCaptionsBoth)
{
    EXPECT_EQ(dialog.inits, 1);
    EXPECT_EQ(dialog.GetParentPane(), &pane);
    EXPECT_TRUE(dialog.SetDlgCaption(L"墙属性"));
    EXPECT_EQ(TextOf(dialog), L"墙属性");
    EXPECT_EQ(TextOf(pane), L"墙属性");
}

TEST_F(DockDlgTest, ClosingHidesThePaneAndKeepsTheDialog)
{
    EXPECT_TRUE(dialog.CloseDlg());
    EXPECT_FALSE(pane.IsWindowVisible());
    EXPECT_TRUE(::IsWindow(dialog.m_hWnd));

    pane.ShowWindow(SW_SHOW);
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_FALSE(pane.IsWindowVisible());
    EXPECT_TRUE(::IsWindow(dialog.m_hWnd));
}

TEST_F(DockDlgTest, APaneSmallerThanThePanelLeavesThePanelAtItsInitialSize)
{
    CRect initial;
    dialog.GetClientRect(&initial);
    pane.MoveWindow(0, 0, 120, 80);
    desk.pump();
    CRect now;
    dialog.GetClientRect(&now);
    EXPECT_EQ(now.Width(), dialog.InitialClientWidth());
    EXPECT_EQ(now.Height(), dialog.InitialClientHeight());
    pane.MoveWindow(0, 0, 600, 500);
    desk.pump();
    dialog.GetClientRect(&now);
    EXPECT_EQ(now.Width(), 600);
    EXPECT_EQ(now.Height(), 500 - pane.GetCaptionHeight());
}

TEST(DockDlg, AnUndockedDialogRefusesToCloseAndStaysOpen)
{
    DesktopFixture desk;
    DockPanel dialog;
    EXPECT_FALSE(dialog.SetDlgCaption(L"无窗口"));
    ASSERT_TRUE(dialog.CreateIndirect(PanelTemplate()));
    EXPECT_EQ(dialog.GetParentPane(), nullptr);
    EXPECT_FALSE(dialog.CloseDlg());
    EXPECT_TRUE(dialog.IsWindowVisible());
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_TRUE(dialog.IsWindowVisible());
    EXPECT_TRUE(dialog.SetDlgCaption(L"独立"));
    dialog.DestroyWindow();
}
