// The view window: its panes, what it paints, and how its mouse input reaches the views and
// the active tool.
#include "platform/cad/ElemMatSymb.h"
#include "platform/cad/ViewLayout.h"
#include "tests/cad/ViewTestSupport.h"
#include "tests/support/CadPrinters.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);

ElemMatSymb Symbology(COLORREF color, std::uint32_t weight = 0)
{
    ElemMatSymb s;
    s.SetLineColorTBGR(ElemMatSymb::TBGR(color));
    s.SetFillColorTBGR(ElemMatSymb::TBGR(color));
    s.SetWidth(weight);
    return s;
}

void DrawLine(ViewContext& context, const DPoint3d& a, const DPoint3d& b, COLORREF color,
              std::uint32_t weight = 2)
{
    const ElemMatSymb s = Symbology(color, weight);
    context.GetIDrawGeom().ActivateMatSymb(&s);
    const DPoint3d pts[2] = {a, b};
    context.GetIDrawGeom().DrawLineString3d(2, pts, nullptr);
}

TEST(ViewLayout, OneToFourViewsTileTheClientArea)
{
    const RECT client{0, 0, 400, 300};
    EXPECT_TRUE(zt::cad::LayoutViews(client, 0).empty());
    const auto one = zt::cad::LayoutViews(client, 1);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].right, 400);
    const auto three = zt::cad::LayoutViews(client, 3);
    ASSERT_EQ(three.size(), 3u);
    EXPECT_EQ(three[0].bottom, 300) << "the first of three takes the left half";
    EXPECT_LT(three[1].bottom, three[2].top) << "a split bar between the right two";
    const auto four = zt::cad::LayoutViews(client, 4);
    ASSERT_EQ(four.size(), 4u);
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j) {
            RECT overlap;
            EXPECT_FALSE(::IntersectRect(&overlap, &four[i], &four[j])) << i << " " << j;
        }
    EXPECT_EQ(zt::cad::LayoutViews(client, 9).size(), 4u);
    EXPECT_TRUE(::IsRectEmpty(&zt::cad::LayoutViews(RECT{0, 0, 3, 3}, 4)[0]));
}

TEST(ViewWindow, IsTheGraphicsViewClassWithAClientEdge)
{
    ViewWindowFixture f;
    wchar_t cls[64];
    ::GetClassNameW(f.view->m_hWnd, cls, 64);
    EXPECT_STREQ(cls, L"AfxFrameOrView120u");
    EXPECT_EQ(f.view->GetExStyle() & WS_EX_CLIENTEDGE, DWORD(WS_EX_CLIENTEDGE));
    EXPECT_TRUE(::IsChild(f.frame->m_hWnd, f.view->m_hWnd));
    ASSERT_NE(f.viewSet().GetSelectedViewport(), nullptr) << "a first view opens with the window";
    EXPECT_TRUE(f.selected().GetViewController().IsStandardViewRotation());
    CRect client;
    f.view->GetClientRect(&client);
    EXPECT_EQ(f.selected().GetViewWidth(), client.Width());
    EXPECT_EQ(f.selected().GetViewHeight(), client.Height());
    // The view's screen origin is the client area's top-left on the screen.
    POINT topLeft{0, 0};
    ::ClientToScreen(f.view->m_hWnd, &topLeft);
    EXPECT_POINT_NEAR(f.selected().ViewToScreen(DPoint3d{}),
                      (DPoint3d{double(topLeft.x), double(topLeft.y), 0}), 0);
    EXPECT_EQ(f.desk.pixel(topLeft.x + 100, topLeft.y + 100), f.selected().GetBackgroundColor());
}

TEST(ViewWindow, ShowsUpToFourViewsAndAClickSelectsOne)
{
    ViewWindowFixture f;
    for (int n : {1, 2, 3, 5})
        f.viewSet().OpenViewport(n);
    f.view->RefreshLayout();
    const auto shown = f.view->GetShownViewports();
    ASSERT_EQ(shown.size(), 4u) << "views 0, 1, 2 and 3; view 5 waits for a free pane";
    EXPECT_EQ(shown[3]->GetViewNumber(), 3);
    const RECT r = f.view->GetViewRect(shown[3]);
    EXPECT_EQ(shown[3]->GetViewWidth(), r.right - r.left);
    POINT inside{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ::ClientToScreen(f.view->m_hWnd, &inside);
    f.desk.click(inside.x, inside.y);
    EXPECT_EQ(f.viewSet().GetSelectedViewport(), shown[3]);
    // The selected pane carries a frame; the others do not.
    POINT corner{r.left, r.top};
    ::ClientToScreen(f.view->m_hWnd, &corner);
    EXPECT_EQ(f.desk.pixel(corner.x, corner.y), ViewWindow::kSelectedFrame);
    const RECT r0 = f.view->GetViewRect(shown[0]);
    POINT corner0{r0.left, r0.top};
    ::ClientToScreen(f.view->m_hWnd, &corner0);
    EXPECT_EQ(f.desk.pixel(corner0.x, corner0.y), shown[0]->GetBackgroundColor());
    f.viewSet().CloseViewport(2);
    f.view->RefreshLayout();
    EXPECT_EQ(f.view->GetShownViewports().size(), 4u) << "view 5 moves up";
    EXPECT_EQ(f.view->ViewportFromPoint(POINT{-5, -5}), nullptr);
}

TEST(ViewWindow, PaintsTheSceneTransientsAndDecorations)
{
    ViewWindowFixture f;
    FunctionScene scene;
    scene.Set([](ViewContext& c) { DrawLine(c, DPoint3d{-100, 0, 0}, DPoint3d{100, 0, 0}, kRed); });
    IViewManager::GetManager().SetViewScene(&scene);
    IndexedViewport& vp = f.selected();
    EXPECT_EQ(f.pixelOf(vp, DPoint3d{50, 0, 0}), kRed) << "an element of the scene";
    EXPECT_EQ(f.pixelOf(vp, DPoint3d{50, 30, 0}), vp.GetBackgroundColor());

    FunctionTransients marker([](ViewContext& c) {
        const ElemMatSymb s = Symbology(kGreen);
        c.GetIDrawGeom().ActivateMatSymb(&s);
        const DPoint3d box[4] = {{10, 20, 0}, {40, 20, 0}, {40, 50, 0}, {10, 50, 0}};
        c.GetIDrawGeom().DrawShape3d(4, box, true, nullptr);
    });
    IViewManager::GetManager().AddViewTransientHandler(&marker);
    EXPECT_EQ(f.pixelOf(vp, DPoint3d{25, 35, 0}), kGreen) << "a transient";
    IViewManager::GetManager().DropViewTransientHandler(&marker);
    EXPECT_EQ(f.pixelOf(vp, DPoint3d{25, 35, 0}), vp.GetBackgroundColor());

    CurveVectorPtr curves = CurveVector::Create(
        CurveVector::BOUNDARY_TYPE_Open,
        ICurvePrimitive::CreateLine(DSegment3d::From(DPoint3d{0, -60, 0}, DPoint3d{0, 60, 0})));
    const std::uint32_t id = ViewDecorations::Get().Add(curves.get(), RGB(0, 0, 255));
    ASSERT_NE(id, 0u);
    vp.ForceHealImmediate();
    EXPECT_EQ(f.pixelOf(vp, DPoint3d{0, -40, 0}), RGB(0, 0, 255)) << "a decoration";
    EXPECT_TRUE(ViewDecorations::Get().Delete(id));
    EXPECT_FALSE(ViewDecorations::Get().Delete(id));
    vp.ForceHealImmediate();
    EXPECT_EQ(f.pixelOf(vp, DPoint3d{0, -40, 0}), vp.GetBackgroundColor());
    IViewManager::GetManager().SetViewScene(nullptr);
}

TEST(ViewWindow, TextStringsShowInTheirColourAtTheirPlace)
{
    ViewWindowFixture f;
    IndexedViewport& vp = f.selected();
    const double height = 40.0 * vp.GetPixelSizeAtPoint(); // forty pixels
    FunctionTransients label([&](ViewContext& c) {
        const ElemMatSymb s = Symbology(kRed);
        c.GetIDrawGeom().ActivateMatSymb(&s);
        TextString text(L"HH", DPoint3d{0, 0, 0}, height);
        text.SetJustification(TextElementJustification::LeftBaseline);
        c.GetIDrawGeom().DrawTextString(text);
    });
    IViewManager::GetManager().AddViewTransientHandler(&label);
    const POINT origin = f.screenOf(vp, DPoint3d{0, 0, 0});
    zt::win::Desktop::ComposeScreen();
    int red = 0, below = 0;
    for (int y = origin.y - 40; y < origin.y + 10; ++y)
        for (int x = origin.x; x < origin.x + 60; ++x) {
            const COLORREF c = zt::win::Desktop::ScreenPixel(x, y);
            const bool isRed = GetRValue(c) > 200 && GetGValue(c) < 80 && GetBValue(c) < 80;
            red += isRed;
            below += isRed && y > origin.y + 2;
        }
    EXPECT_GT(red, 60) << "the letters, above the baseline";
    EXPECT_EQ(below, 0) << "nothing hangs below the baseline of \"HH\"";
    IViewManager::GetManager().DropViewTransientHandler(&label);
}

TEST(ViewWindow, ForceHealRedrawsTheSceneWhileAnUpdateKeepsAnUnchangedOne)
{
    ViewWindowFixture f;
    FunctionScene scene;
    IViewManager::GetManager().SetViewScene(&scene);
    const int before = scene.draws;
    f.selected().UpdateView();
    EXPECT_EQ(scene.draws, before) << "nothing changed";
    f.selected().ForceHealImmediate();
    EXPECT_EQ(scene.draws, before + 1);
    f.selected().Scroll(3, 0);
    f.selected().UpdateView();
    EXPECT_EQ(scene.draws, before + 2) << "a changed frame draws the model again";
    IViewManager::GetManager().SetViewScene(nullptr);
}

TEST(ViewWindow, AFaultingTransientLeavesTheOthersDrawn)
{
    ViewWindowFixture f;
    FunctionTransients bad([](ViewContext&) { throw std::runtime_error("broken handler"); });
    FunctionTransients good([](ViewContext& c) {
        DrawLine(c, DPoint3d{-50, 10, 0}, DPoint3d{50, 10, 0}, kGreen);
    });
    IViewManager::GetManager().AddViewTransientHandler(&bad);
    IViewManager::GetManager().AddViewTransientHandler(&good);
    EXPECT_EQ(f.pixelOf(f.selected(), DPoint3d{0, 10, 0}), kGreen);
    EXPECT_GT(bad.draws, 0);
    IViewManager::GetManager().DropViewTransientHandler(&bad);
    IViewManager::GetManager().DropViewTransientHandler(&good);
}

TEST(ViewWindow, MouseInputBecomesTheActiveToolsEventsInWorldCoordinates)
{
    ViewWindowFixture f;
    RecordingTool tool;
    tool.InstallTool();
    EXPECT_EQ(DgnTool::GetActivePrimitiveTool(), &tool);
    IndexedViewport& vp = f.selected();
    const DPoint3d target{120, -45, 0};
    const POINT at = f.screenOf(vp, target);
    f.desk.moveTo(at);
    ASSERT_FALSE(tool.motions.empty());
    const double pixel = vp.GetPixelSizeAtPoint(&target);
    EXPECT_POINT_NEAR(tool.motions.back().GetPoint(), target, pixel);
    EXPECT_EQ(tool.motions.back().GetViewport(), &vp);
    DgnButtonEvent current;
    ASSERT_TRUE(DgnTool::GetCurrentDgnButtonEvent(current));
    EXPECT_POINT_NEAR(current.GetPoint(), target, pixel);

    f.desk.click(at);
    ASSERT_EQ(tool.data.size(), 1u);
    EXPECT_POINT_NEAR(tool.data[0].GetPoint(), target, pixel);
    f.desk.click(at);
    EXPECT_EQ(tool.data.size(), 2u) << "a quick second click is a second point";
    f.desk.rightClick(at.x, at.y);
    EXPECT_EQ(tool.resets.size(), 1u);

    const std::size_t moves = tool.motions.size();
    DgnTool::SendFakeMouseMotion();
    EXPECT_EQ(tool.motions.size(), moves + 1);
    EXPECT_POINT_NEAR(tool.motions.back().GetPoint(), target, pixel);
    tool.ExitTool();
    EXPECT_EQ(DgnTool::GetActivePrimitiveTool(), nullptr);
    f.desk.click(at);
    EXPECT_EQ(tool.data.size(), 2u) << "an exited tool hears nothing";
}

TEST(ViewWindow, TheToolsDynamicsFollowTheCursor)
{
    ViewWindowFixture f;
    RecordingTool tool;
    tool.dynamics = [](DgnButtonEventCR ev, ViewContext& c) {
        DrawLine(c, ev.GetPoint(), DPoint3d{ev.GetPoint().x + 40, ev.GetPoint().y, 0}, kRed);
    };
    tool.InstallTool();
    IndexedViewport& vp = f.selected();
    f.desk.moveTo(f.screenOf(vp, DPoint3d{0, 0, 0}));
    EXPECT_EQ(f.pixelOf(vp, DPoint3d{20, 0, 0}), kRed);
    f.desk.moveTo(f.screenOf(vp, DPoint3d{0, 100, 0}));
    EXPECT_EQ(f.pixelOf(vp, DPoint3d{20, 0, 0}), vp.GetBackgroundColor()) << "the old one went";
    EXPECT_EQ(f.pixelOf(vp, DPoint3d{20, 100, 0}), kRed);
    tool.ExitTool();
    EXPECT_EQ(f.pixelOf(vp, DPoint3d{20, 100, 0}), vp.GetBackgroundColor());
}

TEST(ViewWindow, RedrawElemsShowUntilTheCursorMoves)
{
    ViewWindowFixture f;
    IndexedViewport& vp = f.selected();
    RedrawElems redraw;
    redraw.SetDynamicsViews(f.viewSet(), &vp);
    ICurvePrimitivePtr line =
        ICurvePrimitive::CreateLine(DSegment3d::From(DPoint3d{-30, 60, 0}, DPoint3d{30, 60, 0}));
    redraw.DoRedraw(*line, Symbology(kGreen, 1));
    EXPECT_EQ(f.pixelOf(vp, DPoint3d{0, 60, 0}), kGreen);
    f.desk.moveTo(f.screenOf(vp, DPoint3d{200, 0, 0}));
    EXPECT_EQ(f.pixelOf(vp, DPoint3d{0, 60, 0}), vp.GetBackgroundColor());
}

TEST(ViewWindow, TheWheelZoomsAboutTheCursor)
{
    ViewWindowFixture f;
    IndexedViewport& vp = f.selected();
    const DPoint3d anchor{150, 80, 0};
    const POINT at = f.screenOf(vp, anchor);
    const DPoint3d under = vp.ScreenToWorld(DPoint3d{double(at.x), double(at.y), 0});
    const double scale = vp.GetScale().x;
    f.desk.wheel(at.x, at.y, WHEEL_DELTA);
    EXPECT_NEAR(vp.GetScale().x, scale * ViewWindow::kWheelZoomFactor, 1e-12);
    EXPECT_POINT_NEAR(vp.ScreenToWorld(DPoint3d{double(at.x), double(at.y), 0}), under, 1e-9);
    f.desk.wheel(-2 * WHEEL_DELTA);
    EXPECT_NEAR(vp.GetScale().x, scale / ViewWindow::kWheelZoomFactor, 1e-12);
}

TEST(ViewWindow, DraggingWithTheMiddleButtonPans)
{
    ViewWindowFixture f;
    IndexedViewport& vp = f.selected();
    const DPoint3d grabbed{0, 0, 0};
    const POINT from = f.screenOf(vp, grabbed);
    RecordingTool tool;
    tool.InstallTool();
    f.desk.moveTo(from);
    f.desk.press(MOUSEEVENTF_MIDDLEDOWN);
    const std::size_t moves = tool.motions.size();
    f.desk.moveTo(from.x + 60, from.y + 25);
    f.desk.moveTo(from.x + 90, from.y - 10);
    f.desk.release(MOUSEEVENTF_MIDDLEUP);
    EXPECT_EQ(tool.motions.size(), moves) << "panning is not tool motion";
    const POINT now = f.screenOf(vp, grabbed);
    EXPECT_EQ(now.x, from.x + 90);
    EXPECT_EQ(now.y, from.y - 10);
    tool.ExitTool();
}

} // namespace
