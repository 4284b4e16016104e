// The bar's window over the host's graphics view, driven with injected input: its strip of
// buttons and their layout, the pressed, hover and disabled looks, its transparency over the
// view, tooltips, dragging, the edge rule, and following the view and the cursor.

#include "ContextbarTestSupport.h"

#include "platform/cad/DgnTool.h"
#include "platform/cad/IViewManager.h"
#include "platform/host/MainFrame.h"
#include "platform/host/ModelessDialogManager.h"
#include "platform/win/Desktop.h"
#include "ztui/contextbar/ZTContextbarMsgEvent.h"
#include "ztui/frame/GraphicsViewHook.h"
#include "ztui/widgets/IconButton.h"

#include <cmath>
#include <cstdlib>

namespace {

using zt::ZTDlgUiContextbar;

BYTE Blend(BYTE over, BYTE under)
{
    return static_cast<BYTE>((over * 240 + under * 15 + 127) / 255);
}

COLORREF Blend(COLORREF over, COLORREF under)
{
    return RGB(Blend(GetRValue(over), GetRValue(under)), Blend(GetGValue(over), GetGValue(under)),
               Blend(GetBValue(over), GetBValue(under)));
}

int Distance(COLORREF a, COLORREF b)
{
    return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
           std::abs(GetBValue(a) - GetBValue(b));
}

class BarWindow : public ContextbarTest
{
protected:
    void SetUp() override
    {
        ContextbarTest::SetUp();
        frame = zt::host::CreateMainFrame(RECT{0, 0, 1200, 800});
        ASSERT_NE(frame, nullptr);
        view = frame->GetGraphicsView();
        zt::ZTContextbarFactoryManager::RegisterFactory("TSArchiWall", &factory);
        walls = {project.AddWall(0), project.AddWall(3000)};
        desk.pump();
    }
    void TearDown() override
    {
        ContextbarTest::TearDown();
        zt::UninstallGraphicsViewHook();
        zt::host::DestroyMainFrame();
        IViewManager::GetManager().GetActiveViewSet().CloseAll();
        desk.pump();
    }

    // Opens the bar at a view point for a pick of the given elements.
    ZTDlgUiContextbar* Open(const std::vector<ElementRef*>& picked, POINT at = {100, 80})
    {
        bvector<ElementRef*> selection(picked.begin(), picked.end());
        SelectionSetManager::GetManager().ReplaceWith(selection);
        zt::ZTContextBarProxy::UpdateStartPoint(DPoint3d{double(at.x), double(at.y), 0});
        SendPick(picked, DPoint3d{1000.5, 0.5, 0});
        desk.pump();
        return ZTDlgUiContextbar::GetWindow();
    }
    // Opens the bar for one wall with the factory's own buttons.
    ZTDlgUiContextbar* OpenWith(std::vector<TSContextbarInfo> buttons, POINT at = {100, 80})
    {
        factory.customButtons = std::move(buttons);
        return Open({walls[0]}, at);
    }
    zt::CIconButton* ButtonAt(int index) { return ZTDlgUiContextbar::GetButtonControl(index); }
    CRect ScreenRectOf(CWnd* w)
    {
        CRect r;
        w->GetWindowRect(&r);
        return r;
    }
    CRect ClientRectInBar(int index)
    {
        CRect r = ScreenRectOf(ButtonAt(index));
        ZTDlgUiContextbar::GetWindow()->ScreenToClient(&r);
        return r;
    }
    POINT Centre(int index) { return ScreenRectOf(ButtonAt(index)).CenterPoint(); }
    // The colour at a screen point with the bar hidden.
    COLORREF Under(POINT p)
    {
        ZTDlgUiContextbar* bar = ZTDlgUiContextbar::GetWindow();
        bar->ShowWindow(SW_HIDE);
        COLORREF c = desk.pixel(p.x, p.y);
        bar->ShowWindow(SW_SHOWNOACTIVATE);
        return c;
    }
    // How far the icon of a button stands out from the button's background.
    int IconContrast(int index)
    {
        CRect r = ScreenRectOf(ButtonAt(index));
        const COLORREF background = desk.pixel(r.left + 1, r.top + 1);
        int sum = 0;
        for (int y = r.top + 3; y < r.bottom - 3; ++y)
            for (int x = r.left + 3; x < r.right - 3; ++x)
                sum += Distance(zt::win::Desktop::ScreenPixel(x, y), background);
        return sum;
    }
    // Input queued without pumping, for the window's own loops to take.
    void Queue(DWORD flags, POINT at = {-1, -1})
    {
        INPUT in{};
        in.type = INPUT_MOUSE;
        if (at.x >= 0) {
            SIZE s = zt::win::Desktop::ScreenSize();
            in.mi.dx = static_cast<LONG>((static_cast<long long>(at.x) * 65536 + s.cx - 1) / s.cx);
            in.mi.dy = static_cast<LONG>((static_cast<long long>(at.y) * 65536 + s.cy - 1) / s.cy);
            flags |= MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        }
        in.mi.dwFlags = flags;
        SendInput(1, &in, sizeof(INPUT));
    }
    // Presses at from, moves to to and lets go there. A press that starts a move loop has the
    // loop take the rest: it lets go when the loop goes idle.
    void PressMoveRelease(POINT from, POINT to)
    {
        desk.moveTo(from);
        int idles = 0;
        bool released = false;
        zt::win::Desktop::SetIdleHook([&] {
            if (++idles > 1 || released)
                return;
            released = true;
            Queue(MOUSEEVENTF_LEFTUP);
        });
        Queue(MOUSEEVENTF_LEFTDOWN);
        Queue(0, POINT{(from.x + to.x) / 2, (from.y + to.y) / 2});
        Queue(0, to);
        desk.pump();
        if (!released)
            Queue(MOUSEEVENTF_LEFTUP);
        desk.pump();
        zt::win::Desktop::SetIdleHook(nullptr);
        desk.pump();
    }
    POINT ViewPointToScreen(POINT p)
    {
        view->ClientToScreen(&p);
        return p;
    }

    zt::host::HostMainFrame* frame = nullptr;
    CWnd* view = nullptr;
    RecordingFactory factory;
    std::vector<ElementRef*> walls;
};

} // namespace

TEST_F(BarWindow, ABorderlessSemiTransparentStripOfTheBuiltInButtonsOpensInTheView)
{
    ZTDlgUiContextbar* bar = Open(walls);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->GetParent()->m_hWnd, view->m_hWnd);
    EXPECT_TRUE(bar->IsWindowVisible());
    const DWORD style = static_cast<DWORD>(::GetWindowLongW(bar->m_hWnd, GWL_STYLE));
    const DWORD ex = static_cast<DWORD>(::GetWindowLongW(bar->m_hWnd, GWL_EXSTYLE));
    EXPECT_TRUE(style & WS_CHILD);
    EXPECT_FALSE(style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME));
    EXPECT_EQ(ex & (WS_EX_LAYERED | WS_EX_NOACTIVATE), DWORD(WS_EX_LAYERED | WS_EX_NOACTIVATE));
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(bar->m_hWnd, &key, &alpha, &flags));
    EXPECT_EQ(key, RGB(0xF9, 0xF9, 0xF9));
    EXPECT_EQ(alpha, 240);
    EXPECT_EQ(flags, DWORD(LWA_COLORKEY | LWA_ALPHA));
    EXPECT_EQ(TesselModelessDialogManager::Get().GetDialog("TesselUiContextbarDialog"), bar);

    // Five common buttons: one row, 5 x 30 + 20 by 30 + 20.
    CRect rect = ScreenRectOf(bar);
    EXPECT_EQ(rect.Width(), 170);
    EXPECT_EQ(rect.Height(), 50);
    CRect client = rect;
    view->ScreenToClient(&client);
    EXPECT_EQ(client.TopLeft(), CPoint(100, 80));
    ASSERT_EQ(bar->buttonCount(), 5);
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(ClientRectInBar(i), CRect(10 + 30 * i, 10, 40 + 30 * i, 40));
        EXPECT_EQ(ButtonAt(i)->GetDlgCtrlID(), 30000 + i);
    }
    EXPECT_EQ(bar->labels(),
              (std::vector<WString>{L"移动", L"旋转", L"镜像", L"提升", L"多重复制"}));
}

TEST_F(BarWindow, ThePixelsShowTheFrameThePressedButtonAndHoverBlendedOverTheView)
{
    ZTDlgUiContextbar* bar = Open(walls);
    ASSERT_NE(bar, nullptr);
    CRect rect = ScreenRectOf(bar);
    // The frame and the white inside, each at 240 of 255 over what the view shows there.
    const POINT frameAt{rect.left + 2, rect.top + 2};
    const POINT insideAt{rect.left + 7, rect.top + 7};
    EXPECT_EQ(desk.pixel(frameAt.x, frameAt.y), Blend(RGB(0xE3, 0xE3, 0xE3), Under(frameAt)));
    EXPECT_EQ(desk.pixel(insideAt.x, insideAt.y), Blend(RGB(0xFF, 0xFF, 0xFF), Under(insideAt)));
    EXPECT_NE(desk.pixel(frameAt.x, frameAt.y), RGB(0xE3, 0xE3, 0xE3)) << "the view shows through";

    // Nothing was chosen before: the first button is pressed, the others are plain.
    EXPECT_EQ(bar->currentId(), 30000);
    EXPECT_TRUE(ButtonAt(0)->IsChecked());
    CRect first = ScreenRectOf(ButtonAt(0));
    CRect third = ScreenRectOf(ButtonAt(2));
    const POINT pressedAt{first.left + 1, first.top + 1};
    const POINT plainAt{third.left + 1, third.top + 1};
    EXPECT_EQ(desk.pixel(pressedAt.x, pressedAt.y),
              Blend(ZTDlgUiContextbar::kPressedColour, Under(pressedAt)));
    EXPECT_EQ(desk.pixel(plainAt.x, plainAt.y), Blend(RGB(0xFA, 0xFA, 0xFA), Under(plainAt)));
    EXPECT_GT(IconContrast(2), 0) << "each button shows its icon";

    desk.moveTo(Centre(2));
    EXPECT_EQ(desk.pixel(plainAt.x, plainAt.y), Blend(RGB(0xCC, 0xE4, 0xF7), Under(plainAt)))
        << "the hover colour";
}

TEST_F(BarWindow, AClickSendsTheButtonToTheFactoryAndPressesIt)
{
    ZTDlgUiContextbar* bar = Open(walls);
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(factory.changes.size(), 1u) << "opening sends the pressed operation";
    EXPECT_EQ(factory.changes[0].info.operating, TSOperating_Move);
    StartedTools().clear();

    desk.click(Centre(2));
    desk.pump();
    ASSERT_EQ(factory.changes.size(), 2u);
    EXPECT_EQ(factory.changes[1].info.operating, TSOperating_Mirror);
    EXPECT_EQ(factory.changes[1].info.kind, TSContextbarKind_Common);
    EXPECT_EQ(StartedTools(), (std::vector<std::string>{"Tessel.Tool.ArchMirror"}));
    EXPECT_EQ(Data().operatingKey, WString(L"Common"));
    EXPECT_EQ(bar->currentId(), 30002);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(ButtonAt(i)->IsChecked(), i == 2) << i;

    // The pressed button is sent again.
    desk.advance(1000);
    desk.click(Centre(2));
    EXPECT_EQ(factory.changes.size(), 3u);
}

TEST_F(BarWindow, ClassAndCommonButtonsMakeTwoRowsAndLastButtonsEndTheFirst)
{
    const auto op = [](int v) { return static_cast<TSOperating>(v); };
    ZTDlgUiContextbar* bar = OpenWith({Button(op(20), TSContextbarKind_Last, L"末"),
                                       Button(op(21), TSContextbarKind_Class, L"甲"),
                                       Button(TSOperating_Move, TSContextbarKind_Common, L"移动"),
                                       Button(op(22), TSContextbarKind_Class, L"乙"),
                                       Button(TSOperating_Rotate, TSContextbarKind_Common, L"旋转"),
                                       Button(op(23), 7, L"不显示")});
    ASSERT_NE(bar, nullptr);
    // Two class buttons and one last button in the first row, two common ones below.
    CRect rect = ScreenRectOf(bar);
    EXPECT_EQ(rect.Width(), 110);
    EXPECT_EQ(rect.Height(), 80);
    ASSERT_EQ(bar->buttonCount(), 5);
    std::vector<TSOperating> order;
    for (const auto& [o, kind] : bar->buttonOperating())
        order.push_back(o);
    EXPECT_EQ(order, (std::vector<TSOperating>{op(21), TSOperating_Move, op(22), TSOperating_Rotate,
                                               op(20)}));
    EXPECT_EQ(ClientRectInBar(0), CRect(10, 10, 40, 40));
    EXPECT_EQ(ClientRectInBar(1), CRect(10, 43, 40, 73)) << "the common row starts at the left";
    EXPECT_EQ(ClientRectInBar(2), CRect(40, 10, 70, 40));
    EXPECT_EQ(ClientRectInBar(3), CRect(40, 43, 70, 73));
    EXPECT_EQ(ClientRectInBar(4), CRect(70, 10, 100, 40)) << "after the class buttons";
}

TEST_F(BarWindow, TheRememberedOperationIsPressedAndSentWhenTheBarOpens)
{
    Data().setvetInstanceKey({KeyOf(walls[0])});
    Data().addTSOperating(TSOperating_Rotate);
    ZTDlgUiContextbar* bar = OpenWith({Button(TSOperating_Move, TSContextbarKind_Common),
                                       Button(TSOperating_Rotate, TSContextbarKind_Common),
                                       Button(TSOperating_Mirror, TSContextbarKind_Common)});
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->currentId(), 30001);
    EXPECT_FALSE(ButtonAt(0)->IsChecked());
    EXPECT_TRUE(ButtonAt(1)->IsChecked());
    ASSERT_EQ(factory.changes.size(), 1u);
    EXPECT_EQ(factory.changes[0].info.operating, TSOperating_Rotate);
}

TEST_F(BarWindow, AStatusMapDisablesOnlyItsOperationAndSurvivesAClick)
{
    ZTDlgUiContextbar* bar = Open(walls);
    ASSERT_NE(bar, nullptr);
    const int enabledContrast = IconContrast(2);
    zt::ZTContextBarProxy::UpdateStatus({{TSOperating_Mirror, false}});
    EXPECT_TRUE(ButtonAt(2)->IsWindowEnabled()) << "the map goes through the UI queue";
    desk.pump();
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(ButtonAt(i)->IsWindowEnabled() != FALSE, i != 2) << i;
    EXPECT_LT(IconContrast(2) * 10, enabledContrast * 6) << "a disabled icon is faded";

    PressMoveRelease(Centre(2), Centre(2));
    EXPECT_EQ(factory.changes.size(), 1u) << "a disabled button is not clicked";
    desk.advance(1000);
    desk.click(Centre(3));
    EXPECT_EQ(factory.changes.size(), 2u);
    EXPECT_FALSE(ButtonAt(2)->IsWindowEnabled());
    zt::ZTContextBarProxy::UpdateStatus({{TSOperating_Mirror, true}, {TSOperating_Move, false}});
    desk.pump();
    EXPECT_TRUE(ButtonAt(2)->IsWindowEnabled());
    EXPECT_FALSE(ButtonAt(0)->IsWindowEnabled());
}

TEST_F(BarWindow, HoveringShowsATooltipWithTheButtonsLabel)
{
    ZTDlgUiContextbar* bar = Open(walls);
    ASSERT_NE(bar, nullptr);
    NMTTDISPINFOW info{};
    info.hdr.hwndFrom = bar->m_hWnd;
    info.hdr.idFrom = reinterpret_cast<UINT_PTR>(ButtonAt(4)->m_hWnd);
    info.hdr.code = TTN_NEEDTEXTW;
    info.uFlags = TTF_IDISHWND;
    bar->SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    ASSERT_NE(info.lpszText, nullptr);
    EXPECT_EQ(std::wstring(info.lpszText), L"多重复制");

    desk.moveTo(Centre(1));
    desk.advance(700);
    HWND tip = nullptr;
    for (HWND h = ::GetTopWindow(nullptr); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
        wchar_t cls[64];
        ::GetClassNameW(h, cls, 64);
        if (std::wstring(cls) == L"tooltips_class32" && ::IsWindowVisible(h))
            tip = h;
    }
    ASSERT_NE(tip, nullptr) << "a tip shows after the hover delay";
    CRect r;
    ::GetWindowRect(tip, &r);
    EXPECT_GT(r.Width(), 10);
}

TEST_F(BarWindow, TheBarIsDraggedByItsBackgroundAndRemembersWhereItWasDropped)
{
    ZTDlgUiContextbar* bar = Open(walls, {200, 150});
    ASSERT_NE(bar, nullptr);
    CRect rect = ScreenRectOf(bar);
    const POINT grip{rect.left + 3, rect.top + 3};
    EXPECT_EQ(bar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(grip.x, grip.y)), HTCAPTION);
    PressMoveRelease(grip, POINT{grip.x + 120, grip.y + 70});
    // The drop puts the bar's corner at the pointer.
    POINT cursor{grip.x + 120, grip.y + 70};
    view->ScreenToClient(&cursor);
    CRect moved = ScreenRectOf(bar);
    view->ScreenToClient(&moved);
    EXPECT_EQ(moved.TopLeft(), CPoint(cursor));
    EXPECT_EQ(ZTDlgUiContextbar::GetBarPosition().x, cursor.x);
    EXPECT_EQ(ZTDlgUiContextbar::GetBarPosition().y, cursor.y);
    EXPECT_EQ(factory.changes.size(), 1u) << "dragging clicks nothing";
}

TEST_F(BarWindow, NearTheFarEdgesTheBarIsPutBackIntoTheView)
{
    CRect client;
    view->GetClientRect(&client);
    ZTDlgUiContextbar* bar = Open(walls, {client.right - 350, client.bottom - 210});
    ASSERT_NE(bar, nullptr);
    CRect rect = ScreenRectOf(bar);
    view->ScreenToClient(&rect);
    EXPECT_EQ(rect.right, client.right - 500) << "ends 500 pixels from the right edge";
    EXPECT_EQ(rect.bottom, client.bottom - 200);
    EXPECT_EQ(ZTDlgUiContextbar::PlaceInParent(10, 10, 170, 50, 1000, 800).x, 10);
    EXPECT_EQ(ZTDlgUiContextbar::PlaceInParent(531, 10, 170, 50, 1000, 800).x, 330);
    EXPECT_EQ(ZTDlgUiContextbar::PlaceInParent(530, 10, 170, 50, 1000, 800).x, 530);
}

TEST_F(BarWindow, TheBarStaysBesideTheElementWhenTheViewPans)
{
    ZTDlgUiContextbar* bar = Open(walls, {300, 200});
    ASSERT_NE(bar, nullptr);
    CRect before = ScreenRectOf(bar);
    IndexedViewport* vp = IViewManager::GetManager().GetActiveViewSet().GetSelectedViewport();
    ASSERT_NE(vp, nullptr);
    const DPoint3d anchorBefore = vp->WorldToView(Data().getClickPoint());
    vp->Scroll(-40, 25);
    const DPoint3d anchorAfter = vp->WorldToView(Data().getClickPoint());
    desk.advance(100);
    CRect after = ScreenRectOf(bar);
    EXPECT_EQ(after.left - before.left, std::lround(anchorAfter.x - anchorBefore.x));
    EXPECT_EQ(after.top - before.top, std::lround(anchorAfter.y - anchorBefore.y));
    EXPECT_NE(after.TopLeft(), before.TopLeft());
}

TEST_F(BarWindow, TheBarFollowsTheCursorAwayAndEscapeClosesIt)
{
    ASSERT_TRUE(zt::IsGraphicsViewHookInstalled());
    ZTDlgUiContextbar* bar = Open(walls, {300, 200});
    ASSERT_NE(bar, nullptr);
    CRect before = ScreenRectOf(bar);
    // Inside the zone around the bar the cursor moves freely.
    desk.moveTo(ViewPointToScreen({300 - 100, 200}));
    EXPECT_EQ(ScreenRectOf(bar).TopLeft(), before.TopLeft());
    // Far to the right the bar comes along.
    desk.moveTo(ViewPointToScreen({300 + 150 + 150 + 120, 200}));
    CRect after = ScreenRectOf(bar);
    EXPECT_GT(after.left, before.left);
    EXPECT_EQ(after.top, before.top);

    ::PostMessageW(view->m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
    desk.pump();
    EXPECT_FALSE(zt::ZTContextBarProxy::IsBarExist());
    EXPECT_EQ(ZTDlgUiContextbar::GetWindow(), nullptr);
    EXPECT_FALSE(AbstractUiStateManager::Get().GetBool("Esc_Clear", true));
}

namespace {

// A primitive tool that counts the data points it gets, where it got them.
class PointTool : public DgnPrimitiveTool
{
public:
    bool _OnDataButton(DgnButtonEventCR ev) override
    {
        points.push_back(ev.GetPoint());
        return true;
    }
    bool _OnResetButton(DgnButtonEventCR) override { return true; }
    std::vector<DPoint3d> points;
};

} // namespace

TEST_F(BarWindow, OverAnActiveToolTheBarOpensBelowAndRightOfItsCursor)
{
    PointTool tool;
    tool.InstallTool();
    const POINT cursor = ViewPointToScreen({250, 180});
    desk.moveTo(cursor);
    DgnButtonEvent event;
    ASSERT_TRUE(DgnTool::GetCurrentDgnButtonEvent(event));
    IndexedViewport* vp = IViewManager::GetManager().GetActiveViewSet().GetSelectedViewport();
    const DPoint3d at = vp->WorldToView(event.GetPoint());

    SelectionSetManager::GetManager().ReplaceWith({walls[0], walls[1]});
    SendPick(walls, DPoint3d{1000.5, 0.5, 0});
    desk.pump();
    ZTDlgUiContextbar* bar = ZTDlgUiContextbar::GetWindow();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(zt::ZTContextBarProxy::GetStartPoint().x, at.x + 99);
    EXPECT_EQ(zt::ZTContextBarProxy::GetStartPoint().y, at.y + 150);
    CRect rect = ScreenRectOf(bar);
    view->ScreenToClient(&rect);
    EXPECT_EQ(rect.left, static_cast<int>(at.x + 99));
    EXPECT_EQ(rect.top, static_cast<int>(at.y + 150));
    tool.ExitTool();
}

TEST_F(BarWindow, ReShowingTheBarPicksTheElementAgainAtItsClickPoint)
{
    PointTool tool;
    tool.InstallTool();
    AbstractUiStateManager::Get().SetValue("Contextbar_Operating", 2);
    // One wall, picked plainly, whose bar opens with a button of its class pressed: after a
    // mirror the factory has the host pick the wall again.
    IndexedViewport* vp = IViewManager::GetManager().GetActiveViewSet().GetSelectedViewport();
    DPoint3d clickPoint = vp->ViewToWorld(DPoint3d{420.5, 300.5, 0});
    clickPoint.z = 0.25;
    factory.customButtons = {Button(static_cast<TSOperating>(9), TSContextbarKind_Class, L"九")};
    SelectionSetManager::GetManager().ReplaceWith({walls[0]});
    zt::ZTContextBarProxy::UpdateStartPoint(DPoint3d{100, 80, 0});
    SendPick({walls[0]}, clickPoint);
    desk.pump();
    ASSERT_EQ(factory.changes.size(), 1u);
    EXPECT_FALSE(zt::ZTContextBarProxy::IsBarExist()) << "released for the new pick";
    EXPECT_EQ(ZTDlgUiContextbar::GetWindow(), nullptr);
    EXPECT_EQ(StartedTools(), (std::vector<std::string>{"Tessel.Tool.Select"}));
    ASSERT_EQ(tool.points.size(), 1u) << "the pick is clicked again";
    const DPoint3d seen = vp->WorldToView(tool.points[0]);
    EXPECT_NEAR(seen.x, 420.5, 1.0);
    EXPECT_NEAR(seen.y, 300.5, 1.0);
    EXPECT_EQ(AbstractUiStateManager::Get().GetInt("Contextbar_Operating", -1), 9);
    tool.ExitTool();
}
