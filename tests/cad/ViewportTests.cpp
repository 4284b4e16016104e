#include "platform/cad/GeomTolerance.h"
#include "platform/cad/IViewManager.h"
#include "tests/support/CadPrinters.h"

#include <gtest/gtest.h>

TEST(Viewport, WorldViewScreenConversionsRoundTrip)
{
    for (StandardView sv :
         {StandardView::Top, StandardView::Front, StandardView::Iso, StandardView::Right}) {
        for (double scale : {0.05, 1.0, 8.0}) {
            SCOPED_TRACE(testing::Message() << int(sv) << " scale " << scale);
            Viewport vp;
            ASSERT_TRUE(vp.SetRotMatrix(RotMatrix::FromStandardView(sv)));
            ASSERT_TRUE(vp.SetScale(scale));
            ASSERT_TRUE(vp.SetViewSize(640, 480));
            vp.CenterOn(DPoint3d{1000, 2000, 30});
            vp.SetScreenOrigin(DPoint2d{100, 50});
            for (DPoint3d w :
                 {DPoint3d{0, 0, 0}, DPoint3d{1000, 2000, 30}, DPoint3d{-7, 13, 400}}) {
                DPoint3d view = vp.WorldToView(w);
                EXPECT_POINT_NEAR(vp.ViewToWorld(view), w, 1e-9);
                DPoint3d screen = vp.ViewToScreen(view);
                EXPECT_POINT_NEAR(screen, (DPoint3d{view.x + 100, view.y + 50, view.z}), 1e-12);
                EXPECT_POINT_NEAR(vp.ScreenToView(screen), view, 1e-12);
                EXPECT_POINT_NEAR(vp.ScreenToWorld(vp.WorldToScreen(w)), w, 1e-9);
            }
            // The centre sits in the middle of the view.
            EXPECT_POINT_NEAR(vp.WorldToView(DPoint3d{1000, 2000, 30}), (DPoint3d{320, 240, 0}),
                              1e-9);
            // Moving one pixel right moves one pixel size along the view's x axis.
            DPoint3d a = vp.ViewToWorld(DPoint3d{10, 10, 0}),
                     b = vp.ViewToWorld(DPoint3d{11, 10, 0});
            EXPECT_NEAR(a.Distance(b), vp.GetPixelSizeAtPoint(), 1e-12);
            EXPECT_VEC_NEAR(DVec3d::FromStartEndNormalize(a, b), vp.GetRotMatrix().GetRow(0), 1e-9);
        }
    }
}

TEST(Viewport, ViewYGrowsDownwardWhileWorldYGrowsUp)
{
    Viewport vp;
    vp.SetViewSize(100, 100);
    vp.CenterOn(DPoint3d{});
    DPoint3d above = vp.WorldToView(DPoint3d{0, 10, 0});
    EXPECT_LT(above.y, 50.0);
    EXPECT_NEAR(above.x, 50.0, 1e-12);
}

TEST(Viewport, PixelSizeIsTheInverseScaleInWorldAndOneElsewhere)
{
    Viewport vp;
    vp.SetScale(4.0);
    EXPECT_DOUBLE_EQ(vp.GetPixelSizeAtPoint(), 0.25);
    DPoint3d anywhere{123, 456, 789};
    EXPECT_DOUBLE_EQ(vp.GetPixelSizeAtPoint(&anywhere, DgnCoordSystem::World), 0.25);
    EXPECT_DOUBLE_EQ(vp.GetPixelSizeAtPoint(nullptr, DgnCoordSystem::View), 1.0);
    EXPECT_DOUBLE_EQ(vp.GetPixelSizeAtPoint(nullptr, DgnCoordSystem::Screen), 1.0);
    EXPECT_DOUBLE_EQ(vp.GetScale().x, 4.0);
}

TEST(Viewport, BadSetupIsRefusedAndChangesNothing)
{
    Viewport vp;
    EXPECT_FALSE(vp.SetScale(0.0));
    EXPECT_FALSE(vp.SetScale(-2.0));
    EXPECT_FALSE(vp.SetScale(1.0 / 0.0));
    EXPECT_FALSE(vp.SetViewSize(0, 10));
    EXPECT_FALSE(vp.SetRotMatrix(RotMatrix::FromRowValues(2, 0, 0, 0, 1, 0, 0, 0, 1)));
    EXPECT_DOUBLE_EQ(vp.GetPixelSizeAtPoint(), 1.0);
    EXPECT_TRUE(vp.GetRotMatrix().IsIdentity());
    DPoint3d low, high;
    vp.GetViewCorners(low, high);
    EXPECT_POINT_NEAR(low, (DPoint3d{0, 600, 0}), 0);
    EXPECT_POINT_NEAR(high, (DPoint3d{800, 0, 0}), 0);
}

TEST(IndexedViewSet, SelectedViewportMayBeAbsent)
{
    IndexedViewSet& set = IViewManager::GetManager().GetActiveViewSet();
    EXPECT_EQ(set.GetSelectedViewport(), nullptr);
    EXPECT_FALSE(set.SetSelectedViewport(2)); // not open
    IndexedViewport* view = set.OpenViewport(2);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetViewNumber(), 2);
    EXPECT_EQ(set.OpenViewport(2), view);
    EXPECT_TRUE(set.SetSelectedViewport(2));
    EXPECT_EQ(set.GetSelectedViewport(), view);
    EXPECT_EQ(set.OpenViewport(IndexedViewSet::MAX_VIEWS), nullptr);
    EXPECT_EQ(set.OpenViewport(-1), nullptr);

    IndexedViewport stranger(2);
    EXPECT_FALSE(set.SetSelectedViewport(&stranger));
    EXPECT_EQ(set.GetSelectedViewport(), view);

    set.OpenViewport(0);
    EXPECT_EQ(set.GetOpenCount(), 2);
    EXPECT_TRUE(set.CloseViewport(2));
    EXPECT_EQ(set.GetSelectedViewport(), nullptr);
    EXPECT_EQ(set.GetViewport(2), nullptr);
    EXPECT_FALSE(set.CloseViewport(2));
    set.CloseAll();
    EXPECT_EQ(set.GetOpenCount(), 0);
}
