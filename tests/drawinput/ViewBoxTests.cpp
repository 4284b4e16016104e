// The view box on the host's graphics view: placement, every hit region under an injected
// cursor in several rotations, hover highlighting on the screen, clicks turning the view, the
// arrows of standard views, and views that show no box.

#include "platform/cad/DgnApplication.h"
#include "platform/cad/IViewManager.h"
#include "platform/cad/IViewTransients.h"
#include "platform/cad/StandardViewRotationTool.h"
#include "platform/cad/ViewContext.h"
#include "platform/host/Commands.h"
#include "platform/host/Executors.h"
#include "platform/host/MainFrame.h"
#include "platform/host/TSModelInfoManager.h"
#include "platform/host/TSStoreyModelViewManager.h"
#include "tests/support/CadPrinters.h"
#include "tests/support/DesktopFixture.h"
#include "ztui/drawinput/ZTViewBoxTransients.h"
#include "ztui/frame/GraphicsViewHook.h"
#include "ztui/frame/ZTViewMsgEventListener.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <sstream>

using zt::ViewBoxGeometry;
using zt::ViewBoxHit;
using zt::ZTViewBoxTransients;

namespace {

// A view matrix looking from a direction (towards the viewer) with an up hint.
RotMatrix LookingFrom(DVec3d toViewer, DVec3d upHint)
{
    const DVec3d z = DVec3d::FromNormalize(toViewer);
    const DVec3d x = DVec3d::FromNormalize(upHint.CrossProduct(z));
    const DVec3d y = z.CrossProduct(x);
    return RotMatrix::FromRowVectors(x, y, z);
}

DPoint3d CornerDirection(int corner)
{
    return DPoint3d{(corner == 1 || corner == 2 || corner == 5 || corner == 6) ? 1.0 : -1.0,
                    (corner == 2 || corner == 3 || corner == 6 || corner == 7) ? 1.0 : -1.0,
                    corner >= 4 ? 1.0 : -1.0};
}

std::string Rows(const RotMatrix& m)
{
    std::ostringstream out;
    for (int r = 0; r < 3; ++r)
        out << "(" << m.form3d[r][0] << ", " << m.form3d[r][1] << ", " << m.form3d[r][2] << ") ";
    return out.str();
}

// Turns started by the box end now; their last step runs on the work thread.
void FinishTurns()
{
    StandardViewRotationTool::FinishAll();
    zt::host::Executors::Get().PumpAll();
}

class CountingTransients : public IViewTransients
{
public:
    void _DrawTransients(ViewContext&, bool) override { ++draws; }
    int draws = 0;
};

struct ViewBox : ::testing::Test
{
    DesktopFixture desk;
    zt::host::HostMainFrame* frame = nullptr;
    IndexedViewport* vp = nullptr;
    ZTViewBoxTransients& box = ZTViewBoxTransients::instance();

    void SetUp() override
    {
        frame = zt::host::CreateMainFrame(RECT{0, 0, 900, 700});
        ASSERT_NE(frame, nullptr);
        ASSERT_TRUE(zt::IsGraphicsViewHookInstalled());
        vp = IViewManager::GetManager().GetActiveViewSet().GetSelectedViewport();
        ASSERT_NE(vp, nullptr);
        vp->Set3dView(true);
        Turn(LookingFrom({1, -1, 1}, {0, 0, 1}));
        box.start(false);
        ASSERT_TRUE(box.isShow());
        desk.pump();
    }
    void TearDown() override
    {
        StandardViewRotationTool::FinishAll();
        box.stop(false);
        EXPECT_FALSE(box.isShow());
        zt::UninstallGraphicsViewHook();
        zt::host::DestroyMainFrame();
        IViewManager::GetManager().GetActiveViewSet().CloseAll();
    }
    void Turn(const RotMatrix& rotation)
    {
        ASSERT_TRUE(vp->SetRotMatrix(rotation));
        vp->UpdateView();
        desk.pump();
    }
    ViewBoxGeometry Placed()
    {
        ViewBoxGeometry g;
        EXPECT_TRUE(g.Place(*vp));
        return g;
    }
    POINT ScreenOf(const DPoint3d& world)
    {
        const DPoint3d s = vp->WorldToScreen(world);
        return POINT{LONG(std::lround(s.x)), LONG(std::lround(s.y))};
    }
    // Hover there and return what the box found.
    ViewBoxHit HoverAt(POINT p)
    {
        desk.moveTo(p);
        desk.pump();
        return box.GetHover();
    }
    bool SendToView(UINT message, POINT p)
    {
        MSG msg{};
        msg.hwnd = frame->GetGraphicsView()->GetSafeHwnd();
        msg.message = message;
        msg.pt = p;
        return zt::ZTViewMsgEventListener::instance().NotifyListeners(&msg);
    }
};

bool NearColor(COLORREF c, COLORREF want, int tolerance)
{
    return std::abs(int(GetRValue(c)) - int(GetRValue(want))) <= tolerance &&
           std::abs(int(GetGValue(c)) - int(GetGValue(want))) <= tolerance &&
           std::abs(int(GetBValue(c)) - int(GetBValue(want))) <= tolerance;
}

TEST_F(ViewBox, SitsInTheTopRightCornerAtFiftyPixels)
{
    const ViewBoxGeometry g = Placed();
    const DPoint3d centre = vp->WorldToView(g.Centre());
    EXPECT_NEAR(centre.x, vp->GetViewWidth() - 0.1 * vp->GetViewHeight(), 1e-6);
    EXPECT_NEAR(centre.y, 0.1 * vp->GetViewHeight(), 1e-6);
    EXPECT_NEAR(g.Size() * vp->GetScale().x, 50.0, 1e-9);
    EXPECT_POINT_NEAR(DPoint3d::From(g.Corners()[6] - g.Corners()[0]),
                      DPoint3d::From(g.Size(), g.Size(), g.Size()), 1e-9);
    EXPECT_FALSE(g.HasArrows());
    // The face towards the viewer is drawn in grey over the view's background.
    const COLORREF face =
        desk.pixel(ScreenOf(g.FacePoint(1, 0.25, 0.25)).x, ScreenOf(g.FacePoint(1, 0.25, 0.25)).y);
    EXPECT_TRUE(NearColor(face, RGB(200, 200, 200), 12)) << std::hex << face;
}

// Every face, edge and corner under the cursor, in rotations that together show all sides.
TEST_F(ViewBox, EveryPartIsFoundUnderTheCursorInSeveralRotations)
{
    const RotMatrix rotations[] = {
        LookingFrom({1, -1, 1}, {0, 0, 1}),       LookingFrom({-1, 1, -1}, {0, 0, 1}),
        LookingFrom({-0.3, 0.35, -1}, {0, 1, 0}), LookingFrom({0.2, -1, -0.3}, {0, 0, 1}),
        LookingFrom({-1, -0.25, 0.3}, {0, 0, 1}), LookingFrom({0.3, 1, 0.25}, {0, 0, 1}),
        LookingFrom({1, 0.3, -0.2}, {0, 0, 1}),   LookingFrom({0.2, 0.3, 1}, {0, 1, 0})};
    std::set<int> faces, edges, corners;
    const double samples[][2] = {{0.25, 0.25}, {0.5, 0.08},  {0.92, 0.5},  {0.5, 0.92}, {0.08, 0.5},
                                 {0.08, 0.08}, {0.92, 0.08}, {0.92, 0.92}, {0.08, 0.92}};
    for (const RotMatrix& rotation : rotations) {
        Turn(rotation);
        const ViewBoxGeometry g = Placed();
        const DVec3d toViewer = rotation.GetRow(2);
        for (int face = 0; face < 6; ++face) {
            if (ViewBoxGeometry::FaceNormal(face).DotProduct(toViewer) < 0.2)
                continue;
            for (const auto& uv : samples) {
                const DPoint3d target = g.FacePoint(face, uv[0], uv[1]);
                const POINT p = ScreenOf(target);
                // Only what lies within the box's size of its centre, seen in the view, counts.
                DPoint3d view = vp->ScreenToView(DPoint3d{double(p.x), double(p.y), 0});
                view.z = 0;
                const DPoint3d end = vp->ViewToWorld(view);
                if (end.Distance(g.Centre()) > g.Size())
                    continue;
                SCOPED_TRACE(testing::Message()
                             << "face " << face << " at " << uv[0] << "," << uv[1] << " view z "
                             << toViewer.x << "," << toViewer.y << "," << toViewer.z);
                const ViewBoxHit hit = HoverAt(p);
                const bool nearU = uv[0] < 0.2 || uv[0] > 0.8;
                const bool nearV = uv[1] < 0.2 || uv[1] > 0.8;
                // The truth from the geometry: the nearest corner, or the edge nearest to the
                // target.
                int corner = 0, edge = 0;
                double best = 1e300;
                for (int c = 0; c < 8; ++c) {
                    const double d = target.Distance(g.Centre() + DVec3d::From(CornerDirection(c)) *
                                                                      (g.Size() / 2));
                    if (d < best) {
                        best = d;
                        corner = c;
                    }
                }
                best = 1e300;
                for (int e = 0; e < 12; ++e) {
                    const DPoint3d mid = DPoint3d::FromInterpolate(
                        g.Corners()[ViewBoxGeometry::kEdgeCorners[e][0]], 0.5,
                        g.Corners()[ViewBoxGeometry::kEdgeCorners[e][1]]);
                    if (target.Distance(mid) < best) {
                        best = target.Distance(mid);
                        edge = e;
                    }
                }
                EXPECT_TRUE(box.IsHovering());
                if (nearU && nearV) {
                    EXPECT_EQ(hit.corner, corner);
                    EXPECT_EQ(hit.edge, -1);
                    corners.insert(hit.corner);
                } else if (nearU || nearV) {
                    EXPECT_EQ(hit.edge, edge);
                    EXPECT_EQ(hit.corner, -1);
                    edges.insert(hit.edge);
                } else {
                    EXPECT_EQ(hit.face, face);
                    faces.insert(hit.face);
                }
                // What is hovered lights up on the screen.
                if (ViewBoxGeometry::FaceNormal(face).DotProduct(toViewer) > 0.4) {
                    EXPECT_TRUE(
                        NearColor(desk.pixel(p.x, p.y), ZTViewBoxTransients::kHighlight, 16))
                        << std::hex << desk.pixel(p.x, p.y);
                }
            }
        }
    }
    EXPECT_EQ(faces.size(), 6u);
    EXPECT_EQ(edges.size(), 12u);
    EXPECT_EQ(corners.size(), 8u);
}

TEST_F(ViewBox, ClickingAFaceTurnsToItsStandardViewOnTheDesktopClock)
{
    const ViewBoxGeometry g = Placed();
    const POINT front = ScreenOf(g.FacePoint(1, 0.25, 0.25));
    desk.moveTo(front);
    desk.click(front);
    desk.pump();
    EXPECT_TRUE(StandardViewRotationTool::IsTurning(*vp));
    desk.advance(StandardViewRotationTool::kDurationMs + 50);
    desk.pump();
    StandardView now = StandardView::NotStandard;
    EXPECT_TRUE(vp->GetViewController().IsStandardViewRotation(&now));
    EXPECT_EQ(now, StandardView::Front);
}

TEST_F(ViewBox, ClickingAnEdgeOrCornerLooksAtIt)
{
    const ViewBoxGeometry g = Placed();
    // Edge 5 (corners 1 and 5) lies between the front and right faces.
    const POINT edge = ScreenOf(g.FacePoint(1, 0.92, 0.5));
    ASSERT_EQ(HoverAt(edge).edge, 5);
    const DPoint3d centreBefore = vp->GetViewController().GetCenter();
    EXPECT_TRUE(SendToView(WM_LBUTTONDOWN, edge)) << "the click is consumed";
    FinishTurns();
    EXPECT_TRUE(vp->GetRotMatrix().IsEqual(ViewBoxGeometry::EdgeRotation(5), 1e-9))
        << Rows(vp->GetRotMatrix()) << " instead of " << Rows(ViewBoxGeometry::EdgeRotation(5));
    // What the view showed stays in it.
    const DPoint3d shown = vp->WorldToView(centreBefore);
    EXPECT_TRUE(shown.x >= 0 && shown.x <= vp->GetViewWidth() && shown.y >= 0 &&
                shown.y <= vp->GetViewHeight());

    // Corner 5 is the right isometric view.
    Turn(LookingFrom({1, -1, 1}, {0, 0, 1}));
    const ViewBoxGeometry again = Placed();
    EXPECT_TRUE(SendToView(WM_LBUTTONDOWN, ScreenOf(again.FacePoint(5, 0.92, 0.08))));
    FinishTurns();
    StandardView now = StandardView::NotStandard;
    EXPECT_TRUE(vp->GetViewController().IsStandardViewRotation(&now));
    EXPECT_EQ(now, StandardView::RightIso);
}

TEST(ViewBoxRotations, EdgeAndCornerViewsLookFromThatPart)
{
    for (int e = 0; e < 12; ++e) {
        SCOPED_TRACE(testing::Message() << "edge " << e);
        const RotMatrix r = ViewBoxGeometry::EdgeRotation(e);
        EXPECT_TRUE(r.IsRigid());
        const DPoint3d a = CornerDirection(ViewBoxGeometry::kEdgeCorners[e][0]);
        const DPoint3d b = CornerDirection(ViewBoxGeometry::kEdgeCorners[e][1]);
        const DVec3d towards =
            DVec3d::FromNormalize(DVec3d::From(DPoint3d::FromInterpolate(a, 0.5, b)));
        EXPECT_GT(r.GetRow(2).DotProduct(towards), 0.999);
    }
    for (int c : {0, 1, 2, 3, 6, 7}) {
        SCOPED_TRACE(testing::Message() << "corner " << c);
        const RotMatrix r = ViewBoxGeometry::CornerRotation(c);
        EXPECT_TRUE(r.IsRigid());
        EXPECT_GT(r.GetRow(2).DotProduct(DVec3d::FromNormalize(DVec3d::From(CornerDirection(c)))),
                  0.99);
    }
}

TEST_F(ViewBox, ArrowsOfAStandardViewTurnToItsNeighbours)
{
    using SV = StandardView;
    const struct
    {
        SV view;
        SV neighbours[4];
    } table[] = {{SV::Top, {SV::Front, SV::Right, SV::Back, SV::Left}},
                 {SV::Bottom, {SV::Front, SV::Left, SV::Back, SV::Right}},
                 {SV::Left, {SV::Bottom, SV::Front, SV::Top, SV::Back}},
                 {SV::Right, {SV::Bottom, SV::Back, SV::Top, SV::Front}},
                 {SV::Front, {SV::Bottom, SV::Right, SV::Top, SV::Left}},
                 {SV::Back, {SV::Bottom, SV::Left, SV::Top, SV::Right}}};
    for (const auto& row : table) {
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE(testing::Message() << "view " << int(row.view) << " arrow " << i);
            Turn(RotMatrix::FromStandardView(row.view));
            const ViewBoxGeometry g = Placed();
            ASSERT_TRUE(g.HasArrows());
            const auto& pts = g.ArrowPoints();
            // Towards the tip from the middle of the base: inside the triangle, near the cube.
            const DPoint3d inside = DPoint3d::FromInterpolate(
                DPoint3d::FromInterpolate(pts[3 * i + 1], 0.5, pts[3 * i + 2]), 0.7, pts[3 * i]);
            const POINT p = ScreenOf(inside);
            EXPECT_FALSE(SendToView(WM_MOUSEMOVE, p)) << "hovering an arrow is not consumed";
            EXPECT_EQ(box.GetArrow(), i);
            EXPECT_TRUE(box.IsStandard());
            EXPECT_TRUE(NearColor(desk.pixel(p.x, p.y), ZTViewBoxTransients::kHighlight, 16));
            EXPECT_TRUE(SendToView(WM_LBUTTONDOWN, p));
            FinishTurns();
            StandardView now = StandardView::NotStandard;
            EXPECT_TRUE(vp->GetViewController().IsStandardViewRotation(&now));
            EXPECT_EQ(now, row.neighbours[i]);
            SendToView(WM_MOUSEMOVE, POINT{p.x - 400, p.y + 300}); // off the box
        }
    }
    // Out of a standard view there are no arrows to hit.
    Turn(RotMatrix::FromStandardView(StandardView::Top));
    const auto pts = Placed().ArrowPoints();
    Turn(LookingFrom({0.1, -0.2, 1}, {0, 1, 0}));
    const ViewBoxGeometry tilted = Placed();
    EXPECT_FALSE(tilted.HasArrows());
    SendToView(WM_MOUSEMOVE, ScreenOf(DPoint3d::FromInterpolate(pts[1], 0.5, pts[2])));
    EXPECT_EQ(box.GetArrow(), -1);
    EXPECT_FALSE(box.IsStandard());
}

TEST_F(ViewBox, ViewsWithoutABoxConsumeNothing)
{
    const ViewBoxGeometry g = Placed();
    const POINT onBox = ScreenOf(g.FacePoint(1, 0.25, 0.25));
    ASSERT_TRUE(SendToView(WM_LBUTTONDOWN, onBox));
    FinishTurns();
    Turn(LookingFrom({1, -1, 1}, {0, 0, 1}));

    vp->GetViewControllerR().SetCameraOn(true);
    vp->UpdateView();
    EXPECT_FALSE(SendToView(WM_LBUTTONDOWN, onBox)) << "camera view";
    EXPECT_FALSE(SendToView(WM_MOUSEMOVE, onBox));
    vp->GetViewControllerR().SetCameraOn(false);

    vp->Set3dView(false);
    vp->UpdateView();
    desk.pump();
    EXPECT_FALSE(SendToView(WM_LBUTTONDOWN, onBox)) << "2-D view";
    EXPECT_TRUE(NearColor(desk.pixel(onBox.x, onBox.y), vp->GetBackgroundColor(), 4))
        << "nothing drawn";
    vp->Set3dView(true);

    vp->SetScale(100.0); // the box would be half a unit across
    vp->UpdateView();
    desk.pump();
    const POINT corner{
        LONG(vp->GetScreenOrigin().x + vp->GetViewWidth() - 0.1 * vp->GetViewHeight()),
        LONG(vp->GetScreenOrigin().y + 0.1 * vp->GetViewHeight())};
    EXPECT_FALSE(SendToView(WM_LBUTTONDOWN, corner)) << "too small to show";
    EXPECT_TRUE(NearColor(desk.pixel(corner.x, corner.y), vp->GetBackgroundColor(), 4));
}

TEST_F(ViewBox, LeavingTheBoxRedrawsOnceAndEmptySpaceNever)
{
    CountingTransients counter;
    IViewManager::GetManager().AddViewTransientHandler(&counter);
    const ViewBoxGeometry g = Placed();
    const POINT empty = ScreenOf(g.Centre() - vp->GetRotMatrix().GetRow(0) * (3 * g.Size()));
    SendToView(WM_MOUSEMOVE, empty);
    int draws = counter.draws;
    SendToView(WM_MOUSEMOVE, POINT{empty.x - 5, empty.y + 3});
    EXPECT_EQ(counter.draws, draws) << "empty space";

    EXPECT_TRUE(SendToView(WM_MOUSEMOVE, ScreenOf(g.FacePoint(5, 0.25, 0.25))));
    EXPECT_GT(counter.draws, draws);
    draws = counter.draws;
    EXPECT_FALSE(SendToView(WM_MOUSEMOVE, empty));
    EXPECT_EQ(counter.draws, draws + 1) << "once, to take the highlight away";
    SendToView(WM_MOUSEMOVE, POINT{empty.x - 5, empty.y + 3});
    EXPECT_EQ(counter.draws, draws + 1);
    IViewManager::GetManager().DropViewTransientHandler(&counter);
}

TEST_F(ViewBox, TheHostCommandShowsTheBoxOnlyForStoreys)
{
    box.stop(false);
    ASSERT_FALSE(box.isShow());
    zt::AddViewBox(); // no project: nothing
    EXPECT_FALSE(box.isShow());

    ASSERT_NE(DgnApplication::Get().NewProject(), nullptr);
    DgnProject& project = *DgnApplication::Get().GetCurrentProject();
    TSStoreyModelViewInfoPtr view = TSStoreyModelViewManager::Get().EnsureViewportView(project);
    ASSERT_TRUE(view.IsValid());
    ASSERT_TRUE(TesselUserInputManager::ExeCommand(zt::kAddViewBoxCommand));
    zt::host::Executors::Get().PumpAll();
    EXPECT_FALSE(box.isShow()) << "a model that is not a storey";
    TSModelInfo info;
    ASSERT_TRUE(TSModelInfoManager::Get().GetModelInfo(project, view->modelId, info));
    info.modelType = TSModelType_Storey;
    ASSERT_TRUE(TSModelInfoManager::Get().ReplaceModelInfo(project, info));
    zt::AddViewBox();
    EXPECT_TRUE(box.isShow());
    zt::AddViewBox();
    EXPECT_TRUE(box.isShow()) << "never hides it";
    DgnApplication::Get().CloseProject();

    box.stop(false);
    box.start(true);
    EXPECT_TRUE(box.isShow()) << "started through the work thread";
}

} // namespace
