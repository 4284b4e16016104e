// Pop-up messages over the main frame: placed by the length of the text, see-through,
// never taking the focus or the mouse, gone after their time, and reachable from the work
// thread through the UI state.

#include "platform/cad/AbstractUiStateManager.h"
#include "platform/host/Executors.h"
#include "platform/host/MainFrame.h"
#include "platform/win/GdiDiagnostics.h"
#include "tests/support/DesktopFixture.h"
#include "ztui/frame/ZTDlgPopMessage.h"
#include "ztui/frame/ZTUiMgn.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using zt::POP_MSG_TYPE;
using zt::ZTDlgPopMessage;
using zt::ZTUiMgn;

constexpr RECT kFrameRect{100, 40, 1380, 840};

class PopMessageTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        frame = zt::host::CreateMainFrame(kFrameRect);
        ASSERT_NE(frame, nullptr);
        desktop.pump();
    }
    void TearDown() override
    {
        ZTDlgPopMessage::DestroyInstance();
        zt::host::DestroyMainFrame();
    }

    static ZTDlgPopMessage* Pop() { return ZTDlgPopMessage::Instance(); }
    static CRect PopRect()
    {
        CRect rc;
        Pop()->GetWindowRect(&rc);
        return rc;
    }
    static bool Shown(int id)
    {
        CWnd* w = Pop()->GetDlgItem(id);
        return w && w->IsWindowVisible();
    }
    static CString Text()
    {
        CString s;
        Pop()->GetDlgItem(ZTDlgPopMessage::kIdText)->GetWindowText(s);
        return s;
    }

    DesktopFixture desktop;
    zt::host::HostMainFrame* frame = nullptr;
};

TEST(PopMessageLayout, LinesCountFeedsOrLengthWhicheverIsMore)
{
    struct Case
    {
        const wchar_t* text;
        int lines;
        int height;
    } cases[] = {
        {L"abc", 1, 80},
        {L"123456789012345678901234567890", 3, 180},
        {L"x\ny\nz", 2, 140},
        {L"\nab\ncd", 1, 80}, // a feed at the start ends the count
        {L"", 1, 80},
        {L"a\n\n\n\nb", 4, 220},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "text of " << wcslen(c.text) << " characters");
        EXPECT_EQ(ZTDlgPopMessage::LinesOf(c.text), c.lines);
        EXPECT_EQ(ZTDlgPopMessage::HeightFor(c.lines), c.height);
    }
}

TEST(PopMessageLayout, UnknownKindsLookLikeWarnings)
{
    EXPECT_EQ(ZTDlgPopMessage::TextColourOf(zt::POP_MSG_INFO), RGB(0, 125, 125));
    EXPECT_EQ(ZTDlgPopMessage::TextColourOf(zt::POP_MSG_WARNING), RGB(0, 255, 255));
    EXPECT_EQ(ZTDlgPopMessage::TextColourOf(zt::POP_MSG_ERROR), RGB(255, 0, 0));
    EXPECT_EQ(ZTDlgPopMessage::TextColourOf(static_cast<POP_MSG_TYPE>(7)), RGB(0, 255, 255));
    EXPECT_EQ(ZTDlgPopMessage::IconIdOf(static_cast<POP_MSG_TYPE>(7)),
              ZTDlgPopMessage::kIdWarningIcon);
    EXPECT_EQ(ZTDlgPopMessage::IconIdOf(zt::POP_MSG_INFO), ZTDlgPopMessage::kIdInfoIcon);
    EXPECT_EQ(ZTDlgPopMessage::IconIdOf(zt::POP_MSG_ERROR), ZTDlgPopMessage::kIdErrorIcon);
}

TEST(PopMessageNoFrame, NothingIsCreatedWithoutAMainFrame)
{
    DesktopFixture desktop;
    ZTUiMgn::PopMessage(L"lost", zt::POP_MSG_INFO, 1000);
    EXPECT_FALSE(ZTDlgPopMessage::Exists());
}

TEST_F(PopMessageTest, AppearsCentredBelowTheFrameTopWithoutTakingTheFocus)
{
    HWND activeBefore = ::GetActiveWindow();
    HWND focusBefore = ::GetFocus();
    ZTUiMgn::PopMessage(L"abc", zt::POP_MSG_INFO, 1500);
    desktop.pump();
    ASSERT_TRUE(Pop()->IsWindowVisible());
    CRect rc = PopRect();
    CRect f(kFrameRect);
    EXPECT_EQ(rc.top, f.top + 230);
    EXPECT_EQ(rc.Height(), 80);
    EXPECT_EQ(rc.left, f.left + (f.Width() / 2 - rc.Width() / 2));
    EXPECT_TRUE(Shown(ZTDlgPopMessage::kIdInfoIcon));
    EXPECT_FALSE(Shown(ZTDlgPopMessage::kIdWarningIcon));
    EXPECT_FALSE(Shown(ZTDlgPopMessage::kIdErrorIcon));
    EXPECT_EQ(Text(), CString(L"abc"));
    EXPECT_EQ(::GetActiveWindow(), activeBefore);
    EXPECT_EQ(::GetFocus(), focusBefore);
    DWORD ex = static_cast<DWORD>(::GetWindowLongW(Pop()->m_hWnd, GWL_EXSTYLE));
    EXPECT_EQ(ex & (WS_EX_TRANSPARENT | WS_EX_NOACTIVATE | WS_EX_LAYERED | WS_EX_TOPMOST),
              WS_EX_TRANSPARENT | WS_EX_NOACTIVATE | WS_EX_LAYERED | WS_EX_TOPMOST);
}

TEST_F(PopMessageTest, AWindowMadeAgainAfterItsFrameWentLeavesNoObjectsBehind)
{
    ZTUiMgn::PopMessage(L"first", zt::POP_MSG_INFO, 1500);
    desktop.pump();
    ASSERT_TRUE(Pop()->IsWindowVisible());
    // The first frame made caches the later ones find: the count to keep is the second's.
    std::size_t remade = 0;
    for (int again = 0; again < 4; ++again) {
        zt::host::DestroyMainFrame();
        desktop.pump();
        ASSERT_TRUE(ZTDlgPopMessage::Exists());
        ASSERT_EQ(Pop()->m_hWnd, nullptr) << "the window goes with the frame it stands over";
        frame = zt::host::CreateMainFrame(kFrameRect);
        desktop.pump();
        ZTUiMgn::PopMessage(L"again", zt::POP_MSG_ERROR, 1500);
        desktop.pump();
        ASSERT_TRUE(Pop()->IsWindowVisible());
        EXPECT_EQ(Text(), CString(L"again"));
        if (again == 0)
            remade = zt::win::GetGdiObjectCount();
        else
            EXPECT_EQ(zt::win::GetGdiObjectCount(), remade) << "round " << again;
    }
}

TEST_F(PopMessageTest, HidesAfterItsDurationOnTheDesktopClock)
{
    ZTUiMgn::PopMessage(L"saved", zt::POP_MSG_INFO, 1500);
    desktop.pump();
    desktop.advance(1499);
    EXPECT_TRUE(Pop()->IsWindowVisible());
    desktop.advance(1);
    EXPECT_FALSE(Pop()->IsWindowVisible());
    // It stays alive for the next message.
    EXPECT_TRUE(ZTDlgPopMessage::Exists());
    EXPECT_NE(Pop()->m_hWnd, nullptr);
}

TEST_F(PopMessageTest, ASecondMessageReplacesTheFirstAndRestartsItsTime)
{
    ZTUiMgn::PopMessage(L"first", zt::POP_MSG_INFO, 1000);
    desktop.pump();
    desktop.advance(800);
    ZTUiMgn::PopMessage(L"x\ny\nz", zt::POP_MSG_ERROR, 1000);
    desktop.pump();
    EXPECT_EQ(Text(), CString(L"x\ny\nz"));
    EXPECT_TRUE(Shown(ZTDlgPopMessage::kIdErrorIcon));
    EXPECT_FALSE(Shown(ZTDlgPopMessage::kIdInfoIcon));
    EXPECT_EQ(PopRect().Height(), 140);
    desktop.advance(999);
    EXPECT_TRUE(Pop()->IsWindowVisible()) << "the first message's timer hid the second";
    desktop.advance(1);
    EXPECT_FALSE(Pop()->IsWindowVisible());
}

TEST_F(PopMessageTest, KindSevenShowsTheWarningIcon)
{
    ZTUiMgn::PopMessage(L"odd", static_cast<POP_MSG_TYPE>(7), 500);
    desktop.pump();
    EXPECT_TRUE(Shown(ZTDlgPopMessage::kIdWarningIcon));
    EXPECT_FALSE(Shown(ZTDlgPopMessage::kIdInfoIcon));
    EXPECT_FALSE(Shown(ZTDlgPopMessage::kIdErrorIcon));
}

TEST_F(PopMessageTest, TheBackgroundIsSeeThroughAndClicksGoToTheWindowBelow)
{
    POINT inFrame{kFrameRect.left + 640, kFrameRect.top + 250};
    COLORREF before = desktop.pixel(inFrame.x + 200, inFrame.y + 40);
    ZTUiMgn::PopMessage(L"墙体已创建", zt::POP_MSG_ERROR, 1500);
    desktop.pump();
    CRect rc = PopRect();
    ASSERT_TRUE(rc.PtInRect(CPoint(inFrame.x + 200, inFrame.y + 40)));
    // Far right of the text, where nothing is written, the frame shows through.
    EXPECT_EQ(desktop.pixel(inFrame.x + 200, inFrame.y + 40), before);
    // The text is written in the error colour somewhere in its row.
    const zt::win::ScreenPixels screen = zt::win::Desktop::ComposeScreen();
    ASSERT_TRUE(screen);
    bool red = false;
    for (int y = rc.top + 10; y < rc.top + 60 && !red; ++y)
        for (int x = rc.left + 80; x < rc.left + 300 && !red; ++x)
            red = screen.at(x, y) == 0xFF0000;
    EXPECT_TRUE(red);
    // The pointer over the message belongs to the window beneath it.
    POINT over{rc.left + 120, rc.top + 30};
    HWND below = ::WindowFromPoint(over);
    EXPECT_NE(below, Pop()->m_hWnd);
    EXPECT_FALSE(::IsChild(Pop()->m_hWnd, below));
}

TEST_F(PopMessageTest, FromTheWorkThreadTheLaterOfTwoQueuedHandOversWins)
{
    ZTUiMgn::PopMessageWorkThread(L"first", zt::POP_MSG_INFO, 900);
    ZTUiMgn::PopMessageWorkThread(L"第二条", zt::POP_MSG_ERROR, 700);
    EXPECT_FALSE(ZTDlgPopMessage::Exists() && Pop()->IsWindowVisible())
        << "shown before the user-interface thread ran";
    desktop.pump();
    ASSERT_TRUE(Pop()->IsWindowVisible());
    EXPECT_EQ(Text(), CString(L"第二条"));
    EXPECT_EQ(Pop()->type(), zt::POP_MSG_ERROR);
    EXPECT_EQ(Pop()->durationMs(), 700);
    EXPECT_EQ(AbstractUiStateManager::Get().GetInt("Popmsg.Delay.Time"), 700);
}

TEST_F(PopMessageTest, MissingHandOverKeysFallBackToTheirDefaults)
{
    AbstractUiStateManager& state = AbstractUiStateManager::Get();
    ZTUiMgn::PopMessageWorkThread(L"x", zt::POP_MSG_WARNING, 100);
    // A key of the wrong type reads as missing.
    state.SetValue("Popmsg.Delay.Time", "soon");
    state.SetValue("Popmsg.Type", "warning");
    desktop.pump();
    ASSERT_TRUE(Pop()->IsWindowVisible());
    EXPECT_EQ(Pop()->durationMs(), 2000);
    EXPECT_EQ(Pop()->type(), zt::POP_MSG_INFO);
}

} // namespace
