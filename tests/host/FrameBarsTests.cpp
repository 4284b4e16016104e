// The host's main frame with its ribbon and command line: the view takes what the bars leave,
// ribbon buttons run their commands and follow the enable and disable messages, and the
// command line takes what is typed into it.

#include "platform/cad/MessageSender.h"
#include "platform/host/CommandLine.h"
#include "platform/host/CommandLineBar.h"
#include "platform/host/MainFrame.h"
#include "platform/host/RibbonBar.h"
#include "platform/win/resources/IconPainter.h"
#include "platform/win/resources/ResourceModule.h"
#include "tests/support/DesktopFixture.h"

#include <gtest/gtest.h>

#include <json/value.h>

namespace {

using zt::host::CommandLineBar;
using zt::host::RibbonBar;

const HINSTANCE kIcons = reinterpret_cast<HINSTANCE>(0x7A10);
constexpr COLORREF kGlyph = RGB(0x14, 0x58, 0xC8);

class FrameBarsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        zt::win::IconPainter p;
        p.Add(zt::win::IconPainter::Rectangle(0, 0, 1, 1), 0x1458C8);
        zt::win::ResourceModule::AddIcon(kIcons, L"square", {p.Render(24)});
        icon = static_cast<HICON>(::LoadImageW(kIcons, L"square", IMAGE_ICON, 24, 24, 0));
        frame = zt::host::CreateMainFrame(RECT{0, 0, 1000, 700});
        ASSERT_NE(frame, nullptr);
        ASSERT_TRUE(ribbon.Create(frame, 0xE801));
        ASSERT_TRUE(commandLine.Create(frame, 0xE802));
        ribbon.SetButtons({{L"Wall", L"墙", icon, true},
                           {L"Slab", L"板", icon, true},
                           {L"Door", L"门", icon, true}});
        ribbon.SetClickHandler([this](const std::wstring& id) { clicked.push_back(id); });
        frame->SetEdgeWindows(&ribbon, &commandLine, nullptr, 0);
        desktop.pump();
    }
    void TearDown() override
    {
        zt::host::DestroyMainFrame();
        if (icon)
            ::DestroyIcon(icon);
        zt::win::ResourceModule::RemoveModule(kIcons);
        TesselCommandLine::Get().SetText(L"");
    }
    CPoint ButtonCentre(int index)
    {
        CRect rc = ribbon.GetButtonRect(index);
        ribbon.ClientToScreen(&rc);
        return rc.CenterPoint();
    }

    DesktopFixture desktop;
    zt::host::HostMainFrame* frame = nullptr;
    HICON icon = nullptr;
    RibbonBar ribbon;
    CommandLineBar commandLine;
    std::vector<std::wstring> clicked;
};

TEST_F(FrameBarsTest, TheViewTakesWhatTheBarsLeave)
{
    CRect client;
    frame->GetClientRect(&client);
    CRect view;
    frame->GetGraphicsView()->GetWindowRect(&view);
    frame->ScreenToClient(&view);
    EXPECT_EQ(view.top, RibbonBar::kHeight);
    EXPECT_EQ(view.bottom, client.bottom - CommandLineBar::kHeight);
    EXPECT_EQ(view.Width(), client.Width());
    frame->SetWindowPos(nullptr, 0, 0, 800, 500, SWP_NOZORDER | SWP_NOMOVE);
    desktop.pump();
    frame->GetClientRect(&client);
    CRect line;
    commandLine.GetWindowRect(&line);
    frame->ScreenToClient(&line);
    EXPECT_EQ(line.bottom, client.bottom);
    EXPECT_EQ(line.Width(), client.Width());
}

TEST_F(FrameBarsTest, AClickRunsTheButtonReleasedOverIt)
{
    desktop.click(ButtonCentre(1));
    EXPECT_EQ(clicked, std::vector<std::wstring>{L"Slab"});
    // Pressed on one button and released on another: nothing runs.
    desktop.moveTo(ButtonCentre(0));
    desktop.press();
    desktop.moveTo(ButtonCentre(2));
    desktop.release();
    EXPECT_EQ(clicked.size(), 1u);
}

TEST_F(FrameBarsTest, MessagesDisableAndEnableButtonsById)
{
    COLORREF enabledGlyph = desktop.pixel(ButtonCentre(0).x, ButtonCentre(0).y - 12);
    EXPECT_EQ(enabledGlyph, kGlyph);
    MessageSender::Get().Send(JsonMessage("Tessel.Message.DisableButton", Json::Value("Wall")));
    MessageSender::Get().Send(JsonMessage("Tessel.Message.DisableButton", Json::Value("Nope")));
    desktop.pump();
    EXPECT_FALSE(ribbon.IsButtonEnabled(L"Wall"));
    EXPECT_TRUE(ribbon.IsButtonEnabled(L"Slab"));
    // A disabled icon fades towards the bar.
    COLORREF faded = desktop.pixel(ButtonCentre(0).x, ButtonCentre(0).y - 12);
    EXPECT_NE(faded, kGlyph);
    EXPECT_GT(GetRValue(faded), GetRValue(kGlyph) + 60);
    desktop.click(ButtonCentre(0));
    EXPECT_TRUE(clicked.empty());
    // A value that is not a string names no button.
    MessageSender::Get().Send(JsonMessage("Tessel.Message.EnableButton", Json::Value(3)));
    desktop.pump();
    EXPECT_FALSE(ribbon.IsButtonEnabled(L"Wall"));
    MessageSender::Get().Send(JsonMessage("Tessel.Message.EnableButton", Json::Value("Wall")));
    desktop.pump();
    EXPECT_TRUE(ribbon.IsButtonEnabled(L"Wall"));
    desktop.click(ButtonCentre(0));
    EXPECT_EQ(clicked, std::vector<std::wstring>{L"Wall"});
}

TEST_F(FrameBarsTest, HoverLightsTheButtonUnderThePointer)
{
    CRect rc = ribbon.GetButtonRect(2);
    ribbon.ClientToScreen(&rc);
    CPoint corner(rc.left + 3, rc.top + 3);
    EXPECT_EQ(desktop.pixel(corner.x, corner.y), RibbonBar::kBackground);
    desktop.moveTo(corner);
    EXPECT_EQ(desktop.pixel(corner.x, corner.y), RibbonBar::kHover);
    desktop.moveTo(corner.x, corner.y + 300);
    EXPECT_EQ(desktop.pixel(corner.x, corner.y), RibbonBar::kBackground);
}

TEST_F(FrameBarsTest, ABarThatGoesFirstStopsListening)
{
    ribbon.DestroyWindow();
    MessageSender::Get().Send(JsonMessage("Tessel.Message.DisableButton", Json::Value("Wall")));
    EXPECT_TRUE(ribbon.IsButtonEnabled(L"Wall"));
}

TEST_F(FrameBarsTest, TheCommandLineTakesTypedText)
{
    CRect rc;
    commandLine.GetWindowRect(&rc);
    desktop.click(rc.CenterPoint());
    EXPECT_EQ(::GetFocus(), commandLine.m_hWnd);
    desktop.type(L"WALL");
    EXPECT_EQ(TesselCommandLine::Get().GetText(), CString(L"WALL"));
    desktop.type(L"\r");
    EXPECT_EQ(TesselCommandLine::Get().GetText(), CString(L""));
    EXPECT_EQ(TesselCommandLine::Get().GetLastCommand(), CString(L"WALL"));
}

} // namespace

namespace {

TEST_F(FrameBarsTest, AHiddenDockPaneGivesItsRoomToTheViewAndComesBackWithIt)
{
    CDockablePane pane;
    ASSERT_TRUE(pane.Create(L"属性", frame, CRect(0, 0, 300, 400), TRUE, 0xE803));
    frame->SetEdgeWindows(&ribbon, &commandLine, &pane, 300);
    desktop.pump();
    auto viewWidth = [&] {
        CRect view;
        frame->GetGraphicsView()->GetWindowRect(&view);
        return view.Width();
    };
    CRect client;
    frame->GetClientRect(&client);
    EXPECT_EQ(viewWidth(), client.Width() - 300);

    // The cross at the caption's right end closes the pane.
    CRect box = pane.GetCloseBoxRect();
    pane.ClientToScreen(&box);
    desktop.click(box.CenterPoint());
    desktop.pump();
    EXPECT_FALSE(pane.IsPaneVisible());
    EXPECT_EQ(viewWidth(), client.Width());

    pane.ShowPane(TRUE, FALSE, FALSE);
    desktop.pump();
    EXPECT_TRUE(pane.IsPaneVisible());
    EXPECT_EQ(viewWidth(), client.Width() - 300);
    frame->SetEdgeWindows(&ribbon, &commandLine, nullptr, 0);
    pane.DestroyWindow();
}

} // namespace
