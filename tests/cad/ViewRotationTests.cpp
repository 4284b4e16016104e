// Turning views: the controller's rotation and fitting, the animated standard-view turn, and
// conversions that hold in every standard view and at the limits of zooming.
#include "platform/cad/StandardViewRotationTool.h"
#include "tests/cad/ViewTestSupport.h"
#include "tests/support/CadPrinters.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr StandardView kStandardViews[] = {
    StandardView::Top,   StandardView::Bottom, StandardView::Left, StandardView::Right,
    StandardView::Front, StandardView::Back,   StandardView::Iso,  StandardView::RightIso};

TEST(ViewRoundTrip, WorldToScreenAndBackInEveryStandardViewAndAtExtremeZoom)
{
    const double scales[] = {ViewFrame::kMinScale, 1e-5, 1.0, 3e4, ViewFrame::kMaxScale};
    const DPoint3d points[] = {
        {0, 0, 0}, {1.5, -2.25, 0.125}, {12345.6, -6543.2, 987.1}, {-4.0e6, 2.5e6, -1.0e5}};
    for (StandardView sv : kStandardViews)
        for (double scale : scales)
            for (bool camera : {false, true}) {
                SCOPED_TRACE(testing::Message() << "view " << int(sv) << " scale " << scale
                                                << (camera ? " camera" : ""));
                IndexedViewport vp(0);
                vp.Set3dView(true);
                ASSERT_TRUE(vp.SetRotMatrix(RotMatrix::FromStandardView(sv)));
                ASSERT_TRUE(vp.SetScale(scale));
                vp.SetViewSize(1920, 1080);
                vp.SetScreenOrigin(DPoint2d{37, 91});
                vp.CenterOn(DPoint3d{1000, -2000, 50});
                ASSERT_EQ(vp.GetViewControllerR().SetCameraOn(camera), camera);
                for (const DPoint3d& w : points) {
                    if (!vp.GetFrame().IsInFrontOfEye(w))
                        continue;
                    const DPoint3d s = vp.WorldToScreen(w);
                    ASSERT_TRUE(IsFinitePoint(s));
                    // What the conversion keeps is a part of a pixel wherever the point lies,
                    // plus the rounding of the coordinates themselves.
                    const double magnitude =
                        std::max({std::fabs(w.x), std::fabs(w.y), std::fabs(w.z), 2000.0});
                    const double tol = 1e-6 * vp.GetPixelSizeAtPoint(&w) + 1e-12 * magnitude;
                    EXPECT_POINT_NEAR(vp.ScreenToWorld(s), w, tol);
                    EXPECT_POINT_NEAR(vp.ViewToWorld(vp.ScreenToView(s)), w, tol);
                }
            }
}

TEST(ViewController, StandardRotationsAreRecognisedAndOthersAreNot)
{
    IndexedViewport vp(0);
    for (StandardView sv : kStandardViews) {
        ASSERT_TRUE(vp.GetViewControllerR().SetRotation(RotMatrix::FromStandardView(sv)));
        StandardView found = StandardView::NotStandard;
        EXPECT_TRUE(vp.GetViewController().IsStandardViewRotation(&found));
        EXPECT_EQ(found, sv);
    }
    const RotMatrix tilted = RotMatrix::FromProduct(RotMatrix::FromAxisAndRotationAngle(0, 0.3),
                                                    RotMatrix::FromStandardView(StandardView::Top));
    ASSERT_TRUE(vp.GetViewControllerR().SetRotation(tilted));
    EXPECT_FALSE(vp.GetViewController().IsStandardViewRotation());
    EXPECT_FALSE(
        vp.GetViewControllerR().SetRotation(RotMatrix::FromRowValues(1, 0, 0, 0, 2, 0, 0, 0, 1)));
}

TEST(ViewController, TurningKeepsTheCentreAndLookAtVolumeShowsAllOfIt)
{
    IndexedViewport vp(0);
    vp.SetViewSize(800, 600);
    vp.CenterOn(DPoint3d{10, 20, 30});
    vp.GetViewControllerR().SetRotation(RotMatrix::FromStandardView(StandardView::Iso));
    EXPECT_POINT_NEAR(vp.GetViewController().GetCenter(), (DPoint3d{10, 20, 30}), 1e-9);
    const DRange3d box = DRange3d::From(DPoint3d{-500, -200, 0}, DPoint3d{1500, 900, 300});
    ASSERT_TRUE(vp.GetViewControllerR().LookAtVolume(box));
    for (int i = 0; i < 8; ++i) {
        const DPoint3d corner{i & 1 ? box.high.x : box.low.x, i & 2 ? box.high.y : box.low.y,
                              i & 4 ? box.high.z : box.low.z};
        const DPoint3d v = vp.WorldToView(corner);
        EXPECT_GE(v.x, -1e-6);
        EXPECT_LE(v.x, 800 + 1e-6);
        EXPECT_GE(v.y, -1e-6);
        EXPECT_LE(v.y, 600 + 1e-6);
    }
    EXPECT_FALSE(vp.GetViewControllerR().LookAtVolume(DRange3d{}));
}

TEST(StandardViewRotationTool, TurnsAWindowedViewOverTheDesktopsClock)
{
    ViewWindowFixture f;
    IndexedViewport& vp = f.selected();
    ASSERT_TRUE(vp.GetViewController().IsStandardViewRotation());
    vp.CenterOn(DPoint3d{5, 5, 5});
    ASSERT_TRUE(StandardViewRotationTool::StartTool(vp, StandardView::Iso));
    f.desk.pump();
    EXPECT_TRUE(StandardViewRotationTool::IsTurning(vp));
    f.desk.advance(StandardViewRotationTool::kDurationMs / 2);
    EXPECT_FALSE(vp.GetViewController().IsStandardViewRotation()) << "half way round";
    EXPECT_TRUE(vp.GetRotMatrix().IsRigid());
    f.desk.advance(StandardViewRotationTool::kDurationMs);
    StandardView found = StandardView::NotStandard;
    EXPECT_TRUE(vp.GetViewController().IsStandardViewRotation(&found));
    EXPECT_EQ(found, StandardView::Iso);
    EXPECT_FALSE(StandardViewRotationTool::IsTurning(vp));
    EXPECT_POINT_NEAR(vp.GetViewController().GetCenter(), (DPoint3d{5, 5, 5}), 1e-9);
}

TEST(StandardViewRotationTool, AViewWithoutAWindowTurnsAtOnceAndNonsenseIsRefused)
{
    ResetViewState();
    IndexedViewport* vp = IViewManager::GetManager().GetActiveViewSet().OpenViewport(2);
    EXPECT_FALSE(StandardViewRotationTool::StartTool(*vp, StandardView::NotStandard));
    EXPECT_FALSE(StandardViewRotationTool::StartTool(*vp, static_cast<StandardView>(42)));
    ASSERT_TRUE(StandardViewRotationTool::StartTool(*vp, StandardView::Right));
    StandardView found = StandardView::NotStandard;
    EXPECT_TRUE(vp->GetViewController().IsStandardViewRotation(&found));
    EXPECT_EQ(found, StandardView::Right);
    ResetViewState();
}

TEST(StandardViewRotationTool, InterpolationStaysRigidAndReachesItsEnds)
{
    const RotMatrix a = RotMatrix::FromStandardView(StandardView::Top);
    const RotMatrix b = RotMatrix::FromStandardView(StandardView::Back);
    EXPECT_TRUE(StandardViewRotationTool::Interpolate(a, b, 0.0).IsEqual(a));
    EXPECT_TRUE(StandardViewRotationTool::Interpolate(a, b, 1.0).IsEqual(b, 1e-12));
    for (double t = 0.1; t < 1.0; t += 0.2)
        EXPECT_TRUE(StandardViewRotationTool::Interpolate(a, b, t).IsRigid()) << t;
}

} // namespace
