// The distance-and-angle box on the desktop: driven by the proxy's messages and by the user's
// keys, checked by its state, the values that reach the tool and the composed screen.
#include "TracerTestSupport.h"

#include "platform/host/CommandLine.h"
#include "platform/win/mfc/CDialog.h"
#include "platform/win/resources/ResourceModule.h"
#include "ztui/tracer/TracerMessages.h"

using namespace zt::tracer_ids;
using zt::TracerProxy;

namespace {

using ArchTracerBox = TracerWindowTest;

bool Contains(const CRect& outer, const CRect& inner)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

} // namespace

TEST_F(ArchTracerBox, OpensSeeThroughBesideTheCursorWithoutTakingActivation)
{
    ASSERT_NE(TesselModelessDialogManager::Get().GetDialog("TesselTracerDialog"), nullptr);
    EXPECT_FALSE(Box().IsWindowVisible()) << "the load sequence creates the box hidden";
    HWND active = ::GetActiveWindow();

    OpenAt(DPoint3d::From(0, 0, 0));
    MoveTo(DPoint3d::From(100, -100, 0));

    ASSERT_TRUE(Box().IsWindowVisible());
    EXPECT_EQ(::GetActiveWindow(), active);
    const DWORD ex = static_cast<DWORD>(::GetWindowLongW(Box().m_hWnd, GWL_EXSTYLE));
    EXPECT_TRUE(ex & WS_EX_LAYERED);
    EXPECT_TRUE(ex & WS_EX_NOACTIVATE);
    const POINT cursor = ScreenOf(DPoint3d::From(100, -100, 0));
    EXPECT_EQ(BoxRect().TopLeft(), CPoint(cursor.x + 50, cursor.y + 50));

    EXPECT_EQ(Box().GetFieldText(kDistance), L"141");
    EXPECT_EQ(Box().GetFieldText(kAngle), L"45.0");
    EXPECT_EQ(Box().GetFieldText(kX), L"100");
    EXPECT_EQ(Box().GetFieldText(kY), L"-100");
    EXPECT_EQ(Box().GetFieldText(kZ), L"0");
    EXPECT_EQ(Box().GetFieldText(kFirst), L"100");
    EXPECT_EQ(Box().GetFieldText(kSecond), L"100");

    // Following: two rows, no buttons.
    EXPECT_TRUE(Box().IsRowsCollapsed());
    EXPECT_TRUE(Box().AreButtonsHidden());
    EXPECT_TRUE(Contains(BoxRect(), FieldRect(kAngle)));
    EXPECT_FALSE(Contains(BoxRect(), FieldRect(kX)));

    // The key colour shows the view through the box; the fields are white, the label text in
    // the font colour (white by default).
    const CRect box = BoxRect();
    EXPECT_EQ(desk.pixel(box.left, box.top), zt::host::HostGraphicsView::kBackground);
    const CRect field = FieldRect(kDistance);
    EXPECT_EQ(desk.pixel(field.right - 3, field.bottom - 3), RGB(255, 255, 255));
    bool labelInk = false;
    for (int x = box.left; x < field.left && !labelInk; ++x)
        for (int y = field.top; y < field.bottom && !labelInk; ++y)
            labelInk = GetRValue(desk.pixel(x, y)) > 200 && GetGValue(desk.pixel(x, y)) > 200 &&
                       GetBValue(desk.pixel(x, y)) > 200;
    EXPECT_TRUE(labelInk) << "the distance label draws in the font colour";
}

TEST_F(ArchTracerBox, FollowsTheMouseInTheViewWithTheToolsPoint)
{
    OpenAt(DPoint3d::From(0, 0, 0));
    const POINT at = ScreenOf(DPoint3d::From(300, 400, 0));
    desk.moveTo(at);
    EXPECT_EQ(BoxRect().TopLeft(), CPoint(at.x + 50, at.y + 50));
    const DPoint3d p = CurrentPoint();
    CString expected;
    expected.Format(L"%.0f", std::hypot(p.x, p.y));
    EXPECT_EQ(Box().GetFieldText(kDistance), expected) << "the values of this move, not the last";
    EXPECT_EQ(AbstractUiStateManager::Get().GetInt("Tracer.fontcolor", -1),
              static_cast<int>(viewport->GetContrastToBackgroundColor()));
    EXPECT_EQ(AbstractUiStateManager::Get().GetInt("Tracer.backcolor", -1),
              static_cast<int>(viewport->GetBackgroundColor()));
}

TEST_F(ArchTracerBox, AtTheStartPointAMoveOnlyMovesTheBox)
{
    OpenAt(DPoint3d::From(0, 0, 0));
    MoveTo(DPoint3d::From(100, 0, 0));
    ASSERT_EQ(Box().GetFieldText(kDistance), L"100");
    const double pixel = viewport->GetPixelSizeAtPoint();
    MoveTo(DPoint3d::From(0.3 * pixel, 0, 0));
    EXPECT_EQ(Box().GetFieldText(kDistance), L"100") << "within a pixel of the start";
    EXPECT_LE(std::abs(BoxRect().left - (ScreenOf(DPoint3d::From(0, 0, 0)).x + 50)), 1)
        << "the box still moves";

    // A new start point is taken on the next move, wherever the cursor is.
    TracerProxy::SetStartPoint(DPoint3d::From(50, 0, 0));
    MoveTo(DPoint3d::From(500, 0, 0));
    EXPECT_EQ(Box().GetFieldText(kDistance), L"0");
    MoveTo(DPoint3d::From(500, 0, 0));
    EXPECT_EQ(Box().GetFieldText(kDistance), L"450");
}

TEST_F(ArchTracerBox, ADigitStartsTypingAndEnterCommitsThePoint)
{
    OpenAt(DPoint3d::From(1000, 1000, 0));
    MoveTo(DPoint3d::From(1500, 1000, 0));
    TesselCommandLine::Get().SetText(L"");

    EXPECT_TRUE(TesselCommandLine::Get().TypeChar('3'));
    desk.pump();
    EXPECT_TRUE(TracerProxy::GetTraceStatus());
    CCustomEdit* distance = Box().GetField(kDistance);
    ASSERT_NE(distance, nullptr);
    EXPECT_EQ(::GetFocus(), distance->m_hWnd);
    EXPECT_EQ(Box().GetFieldText(kDistance), L"3");
    EXPECT_FALSE(Box().AreButtonsHidden());
    EXPECT_EQ(TesselCommandLine::Get().GetText(), L"") << "the digit went to the box";

    // The box stays put while the user types.
    const CRect before = BoxRect();
    MoveTo(DPoint3d::From(0, 0, 0));
    EXPECT_EQ(BoxRect(), before);

    Type(L"600");
    desk.key(VK_RETURN);
    ASSERT_EQ(tool.inputs.size(), 1u);
    const zt::TracerInputValue& v = tool.inputs[0];
    EXPECT_NEAR(v.distance, 3600.0, 1e-9);
    EXPECT_NEAR(v.angle, 0.0, 1e-9);
    EXPECT_NEAR(v.dx, 3600.0, 1e-9);
    ExpectPointNear(v.point, DPoint3d::From(4600, 1000, 0), 1e-9);

    // Back to following from the new point, the cursor there, the view given its keys back.
    EXPECT_FALSE(TracerProxy::GetTraceStatus());
    ExpectPointNear(zt::TracerShared::Get().GetStartPoint(), DPoint3d::From(4600, 1000, 0), 1e-9);
    POINT cursor;
    ::GetCursorPos(&cursor);
    EXPECT_EQ(CPoint(cursor), CPoint(ScreenOf(DPoint3d::From(4600, 1000, 0))));
    EXPECT_TRUE(Box().AreButtonsHidden());
    EXPECT_EQ(Box().GetFocusedId(), -1);
    EXPECT_EQ(::GetFocus(), View());
}

TEST_F(ArchTracerBox, DistanceAndAngleBelowTheStartRunClockwise)
{
    struct Case
    {
        DPoint3d cursor;
        DPoint3d expected;
    } cases[] = {{DPoint3d::From(10, 20, 0), DPoint3d::From(866.0254037844386, 500, 0)},
                 {DPoint3d::From(10, -20, 0), DPoint3d::From(866.0254037844386, -500, 0)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cursor.y);
        tool.inputs.clear();
        OpenAt(DPoint3d::From(0, 0, 0));
        MoveTo(c.cursor);
        MoveTo(c.cursor);
        TesselCommandLine::Get().TypeChar('1');
        desk.pump();
        Type(L"000\t30\r");
        ASSERT_EQ(tool.inputs.size(), 1u);
        ExpectPointNear(tool.inputs[0].point, c.expected, 1e-9);
        EXPECT_NEAR(tool.inputs[0].angle, 30.0, 1e-9) << "the result's angle is unsigned";
    }
}

TEST_F(ArchTracerBox, TabRunsThroughTheFieldsAndShowsTheOffsetRowsAtX)
{
    OpenAt(DPoint3d::From(0, 0, 0));
    MoveTo(DPoint3d::From(4239, 4044, 0));
    desk.key(VK_TAB); // in the view: the listener starts the typing
    EXPECT_TRUE(TracerProxy::GetTraceStatus());
    EXPECT_EQ(Box().GetFocusedId(), kDistance);
    EXPECT_TRUE(Box().IsRowsCollapsed());
    const int order[] = {kAngle, kX, kY, kDistance, kAngle};
    for (int expected : order) {
        desk.key(VK_TAB); // in the box
        EXPECT_EQ(Box().GetFocusedId(), expected);
        ASSERT_NE(Box().GetField(expected), nullptr);
        EXPECT_EQ(::GetFocus(), Box().GetField(expected)->m_hWnd);
        if (expected == kX) {
            EXPECT_FALSE(Box().IsRowsCollapsed());
            EXPECT_TRUE(Contains(BoxRect(), FieldRect(kZ)));
        }
    }
    // The buttons sit on the focused row, the focused field in the focused colours.
    CRect commit;
    Box().GetDlgItem(kCommit)->GetWindowRect(&commit);
    EXPECT_EQ(commit.top, FieldRect(kAngle).top);
    EXPECT_GE(commit.left, FieldRect(kAngle).right);
    EXPECT_TRUE(Contains(BoxRect(), commit));
    EXPECT_EQ(Box().GetField(kAngle)->GetBackColor(), CCustomEdit::kFocusedBack);
    EXPECT_EQ(Box().GetField(kDistance)->GetBackColor(), CCustomEdit::kUnfocusedBack);
}

TEST_F(ArchTracerBox, ShiftTabAndCtrlTabInTheViewDoNotStartTyping)
{
    OpenAt(DPoint3d::From(0, 0, 0));
    for (int modifier : {VK_SHIFT, VK_CONTROL}) {
        SCOPED_TRACE(modifier);
        desk.keyDown(modifier);
        desk.key(VK_TAB);
        desk.keyUp(modifier);
        EXPECT_FALSE(TracerProxy::GetTraceStatus());
        EXPECT_EQ(Box().GetFocusedId(), -1);
        EXPECT_EQ(::GetFocus(), View());
    }
}

TEST_F(ArchTracerBox, LeftArrowReturnsToFollowingWithoutAResult)
{
    OpenAt(DPoint3d::From(0, 0, 0));
    MoveTo(DPoint3d::From(200, 0, 0));
    desk.key(VK_TAB);
    Type(L"55");
    desk.key(VK_LEFT);
    EXPECT_FALSE(TracerProxy::GetTraceStatus());
    EXPECT_TRUE(Box().AreButtonsHidden());
    EXPECT_TRUE(tool.inputs.empty());
    EXPECT_EQ(::GetFocus(), View());
    MoveTo(DPoint3d::From(300, 0, 0));
    EXPECT_EQ(Box().GetFieldText(kDistance), L"300") << "following again";
}

TEST_F(ArchTracerBox, TheCheckButtonCommitsTheFocusedFieldLikeEnter)
{
    OpenAt(DPoint3d::From(0, 0, 0));
    MoveTo(DPoint3d::From(100, 100, 0));
    desk.key(VK_TAB);
    desk.key(VK_TAB); // the angle field
    Type(L"90");
    CRect commit;
    Box().GetDlgItem(kCommit)->GetWindowRect(&commit);
    desk.click(commit.CenterPoint());
    ASSERT_EQ(tool.inputs.size(), 1u);
    ExpectPointNear(tool.inputs[0].point, DPoint3d::From(0, 141, 0), 1e-9);
}

TEST_F(ArchTracerBox, OffsetsTypedIntoXAndYGiveThePoint)
{
    OpenAt(DPoint3d::From(10, 10, 5));
    MoveTo(DPoint3d::From(20, 20, 5));
    desk.key(VK_TAB);
    desk.key(VK_TAB);
    desk.key(VK_TAB); // X
    // Backspace clears the selected text first: a minus after a number is a subtraction.
    Type(L"\b-300\t\b400\r");
    ASSERT_EQ(tool.inputs.size(), 1u);
    ExpectPointNear(tool.inputs[0].point, DPoint3d::From(-290, 410, 5), 1e-9);
    EXPECT_NEAR(tool.inputs[0].distance, 500.0, 1e-9);
}

TEST_F(ArchTracerBox, AnExpressionIsWorkedOutBeforeTheCommit)
{
    OpenAt(DPoint3d::From(0, 0, 0));
    MoveTo(DPoint3d::From(10, 0, 0));
    TesselCommandLine::Get().TypeChar('1');
    desk.pump();
    Type(L"2+3*2\r");
    ASSERT_EQ(tool.inputs.size(), 1u);
    EXPECT_NEAR(tool.inputs[0].distance, 18.0, 1e-9);
}

TEST_F(ArchTracerBox, LeavingAFieldTellsTheToolTheChangedValueAndRedrawsItsDynamics)
{
    OpenAt(DPoint3d::From(0, 0, 0));
    desk.moveTo(ScreenOf(DPoint3d::From(100, 0, 0)));
    MoveTo(DPoint3d::From(100, 0, 0));
    desk.key(VK_TAB);
    Type(L"250");
    const int motions = tool.motions;
    desk.key(VK_TAB); // distance -> angle: the distance field reports its value
    ASSERT_EQ(tool.changes.size(), 1u);
    EXPECT_NEAR(tool.changes[0].distance, 250.0, 1e-9);
    ExpectPointNear(tool.changes[0].point, DPoint3d::From(250, 0, 0), 1e-9);
    EXPECT_GT(tool.motions, motions) << "a fake motion follows the change";
    EXPECT_TRUE(tool.inputs.empty());
    EXPECT_EQ(Box().GetLastValue().distance, 250.0);
}

TEST_F(ArchTracerBox, ResultsFollowTheStartPointBetweenTwoCommits)
{
    OpenAt(DPoint3d::From(0, 0, 0));
    MoveTo(DPoint3d::From(5, 0, 0));
    TesselCommandLine::Get().TypeChar('4');
    desk.pump();
    Type(L"00\r");
    ASSERT_EQ(tool.inputs.size(), 1u);
    ExpectPointNear(tool.inputs[0].point, DPoint3d::From(400, 0, 0), 1e-9);

    // The tool moves its start elsewhere (a click, a snap) before the next value.
    TracerProxy::SetStartPoint(DPoint3d::From(0, 1000, 0));
    MoveTo(DPoint3d::From(0, 1500, 0));
    MoveTo(DPoint3d::From(0, 1500, 0));
    TesselCommandLine::Get().TypeChar('2');
    desk.pump();
    Type(L"00\r");
    ASSERT_EQ(tool.inputs.size(), 2u);
    EXPECT_NEAR(tool.inputs[1].distance, 200.0, 1e-9);
    ExpectPointNear(tool.inputs[1].point, DPoint3d::From(0, 1200, 0), 1e-9);
}

TEST_F(ArchTracerBox, ADigitWhileTheBoxIsClosedStaysWithTheCommandLine)
{
    TesselCommandLine::Get().SetText(L"");
    EXPECT_FALSE(TesselCommandLine::Get().TypeChar('5'));
    desk.pump();
    EXPECT_EQ(TesselCommandLine::Get().GetText(), L"5");
    EXPECT_FALSE(TracerProxy::GetTraceStatus());
    EXPECT_FALSE(Box().IsWindowVisible());
    // Letters never go to the box, open or not.
    OpenAt(DPoint3d::From(0, 0, 0));
    EXPECT_FALSE(TesselCommandLine::Get().TypeChar('L'));
    EXPECT_EQ(TesselCommandLine::Get().GetText(), L"5L");
}

TEST_F(ArchTracerBox, TabWithNoRegisteredToolLeavesTheKeyAlone)
{
    OpenAt(DPoint3d::From(0, 0, 0));
    TracerProxy::UnRegister();
    desk.key(VK_TAB);
    EXPECT_FALSE(TracerProxy::GetTraceStatus());
    EXPECT_EQ(Box().GetFocusedId(), -1);
    EXPECT_EQ(::GetFocus(), View());
}

TEST_F(ArchTracerBox, CloseHidesTheBoxAndReturnsTheKeyboard)
{
    OpenAt(DPoint3d::From(0, 0, 0));
    desk.key(VK_TAB);
    ASSERT_NE(::GetFocus(), View());
    TracerProxy::CloseTracer();
    desk.pump();
    EXPECT_FALSE(Box().IsWindowVisible());
    EXPECT_FALSE(TracerProxy::GetTracerIsOpen());
    EXPECT_FALSE(TracerProxy::GetTraceStatus());
    EXPECT_EQ(::GetFocus(), View());
    EXPECT_TRUE(tool.inputs.empty());
}

TEST_F(ArchTracerBox, MessagesToABoxWithoutAWindowAreIgnored)
{
    Box().DestroyWindow();
    for (std::string_view name :
         {zt::kTracerMoveTacer, zt::kTracerTabDown, zt::kTracerNumDown, zt::kTracerUpdateUi,
          zt::kTracerReleseDlg, zt::kTracerMoveCurso}) {
        Box().OnTracerMessage(std::string(name).c_str());
        EXPECT_EQ(Box().m_hWnd, nullptr);
    }
    Box().OnTracerMessage(nullptr);
    Box().OnTracerMessage(std::string(zt::kTracerInit).c_str());
    ASSERT_NE(Box().m_hWnd, nullptr);
    EXPECT_FALSE(Box().IsWindowVisible());
}

TEST_F(ArchTracerBox, TheFontColourComesFromTheInterfaceState)
{
    AbstractUiStateManager::Get().SetValue("Tracer.fontcolor", static_cast<int>(RGB(255, 0, 0)));
    OpenAt(DPoint3d::From(0, 0, 0));
    EXPECT_EQ(Box().GetFontColour(), RGB(255, 0, 0));
    const CRect box = BoxRect();
    const CRect field = FieldRect(kDistance);
    bool red = false;
    for (int x = box.left; x < field.left && !red; ++x)
        for (int y = field.top; y < field.bottom && !red; ++y)
            red = GetRValue(desk.pixel(x, y)) > 200 && GetGValue(desk.pixel(x, y)) < 80;
    EXPECT_TRUE(red);
}

TEST_F(ArchTracerBox, RefreshAndCursorMessagesTakeTheSharedPoints)
{
    OpenAt(DPoint3d::From(0, 0, 0));
    zt::TracerShared::Get().SetMovePoint(DPoint3d::From(0, 250, 0));
    Box().OnTracerMessage(std::string(zt::kTracerUpdateUi).c_str());
    EXPECT_EQ(Box().GetFieldText(kDistance), L"250");
    EXPECT_EQ(Box().GetFieldText(kAngle), L"90.0");
    EXPECT_EQ(Box().GetFieldText(kY), L"250");

    zt::TracerShared::Get().SetScreenPoint(DPoint2d::From(321.4, 234.6));
    Box().OnTracerMessage(std::string(zt::kTracerMoveCurso).c_str());
    desk.pump();
    POINT cursor;
    ::GetCursorPos(&cursor);
    EXPECT_EQ(CPoint(cursor), CPoint(321, 235));
}

TEST_F(ArchTracerBox, ATimerPutsTheBoxBesideAVisibleContextBar)
{
    OpenAt(DPoint3d::From(0, 0, 0));
    zt::win::DialogTemplate strip;
    strip.style = WS_POPUP | WS_VISIBLE;
    strip.cx = 60;
    strip.cy = 16;
    CDialog bar;
    ASSERT_TRUE(bar.CreateIndirect(strip, frame));
    bar.SetWindowPos(nullptr, 200, 150, 180, 30, SWP_NOZORDER | SWP_NOACTIVATE);
    TesselModelessDialogManager::Get().Register("TesselUiContextbarDialog", &bar);

    Box().SendMessage(WM_TIMER, 7);
    EXPECT_EQ(BoxRect().TopLeft(), CPoint(200 + 180 + 10, 150 + 30 + 10));
    const CSize size = BoxRect().Size();

    // A hidden bar leaves the box where it is.
    bar.ShowWindow(SW_HIDE);
    MoveTo(DPoint3d::From(500, 500, 0));
    const CRect following = BoxRect();
    Box().SendMessage(WM_TIMER, 7);
    EXPECT_EQ(BoxRect(), following);
    EXPECT_EQ(BoxRect().Size(), size) << "the size never changes";
    TesselModelessDialogManager::Get().Unregister("TesselUiContextbarDialog");
    bar.DestroyWindow();
}

TEST_F(ArchTracerBox, TextThatIsNoNumberReadsAsZero)
{
    OpenAt(DPoint3d::From(100, 100, 0));
    MoveTo(DPoint3d::From(200, 100, 0));
    desk.key(VK_TAB);
    // Pasted past the field's filter: the box still gives a point and nothing breaks.
    Box().GetField(kDistance)->SetWindowText(L"墙)(");
    Box().GetField(kAngle)->SetWindowText(L"");
    Box().SendMessage(CCustomEdit::kMsgValueCommitted, kDistance, CCustomEdit::kReasonEnter);
    ASSERT_EQ(tool.inputs.size(), 1u);
    ExpectPointNear(tool.inputs[0].point, DPoint3d::From(100, 100, 0), 0.0);
    EXPECT_EQ(tool.inputs[0].distance, 0.0);
    // A message with an unknown field or reason commits nothing.
    Box().SendMessage(CCustomEdit::kMsgValueCommitted, 4999, CCustomEdit::kReasonEnter);
    Box().SendMessage(CCustomEdit::kMsgValueCommitted, kDistance, 77);
    EXPECT_EQ(tool.inputs.size(), 1u);
}

TEST_F(ArchTracerBox, ABoxReopenedAfterTheMainFrameClosedTakesNoStaleOwner)
{
    OpenAt(DPoint3d::From(0, 0, 0));
    zt::UninstallGraphicsViewHook();
    zt::host::DestroyMainFrame();
    desk.pump();
    EXPECT_EQ(Box().m_hWnd, nullptr) << "the box went with its owner";
    Box().OnTracerMessage(std::string(zt::kTracerCreateDlg).c_str());
    ASSERT_NE(Box().m_hWnd, nullptr);
    EXPECT_TRUE(Box().IsWindowVisible());
    EXPECT_EQ(::GetWindow(Box().m_hWnd, GW_OWNER), nullptr);
}

TEST_F(ArchTracerBox, TypingWithShiftOrCtrlHeldKeepsTheBoxsKeys)
{
    OpenAt(DPoint3d::From(0, 0, 0));
    MoveTo(DPoint3d::From(100, 0, 0));
    desk.key(VK_TAB);
    // In the box Tab moves on whatever modifier is held, and a Ctrl key adds no character.
    desk.keyDown(VK_SHIFT);
    desk.key(VK_TAB);
    desk.keyUp(VK_SHIFT);
    EXPECT_EQ(Box().GetFocusedId(), kAngle);
    desk.keyDown(VK_CONTROL);
    desk.key('A');
    desk.keyUp(VK_CONTROL);
    EXPECT_EQ(Box().GetFieldText(kAngle), L"0.0");
    Type(L"\b\b\b45");
    EXPECT_EQ(Box().GetFieldText(kAngle), L"45");
    EXPECT_TRUE(TracerProxy::GetTraceStatus());
    EXPECT_TRUE(tool.inputs.empty());
}
