#pragma once
// A layout manager started afresh with no view selected (click tolerance 1.0), and the
// checks every session shares.

#include "platform/cad/GeomTolerance.h"
#include "platform/cad/IViewManager.h"
#include "tests/support/CadPrinters.h"
#include "ztui/drawinput/ZTToolLayoutMgn.h"

#include <gtest/gtest.h>

#include <cstdlib>

class LayoutTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        IViewManager::GetManager().GetActiveViewSet().CloseAll();
        mgr.SetRandomSeed(std::nullopt);
        mgr.Begin();
    }
    void TearDown() override
    {
        mgr.End();
        IViewManager::GetManager().GetActiveViewSet().CloseAll();
    }

    void Way(zt::ZTDrawWay way) { mgr.SetDrawWay(way); }
    bool Click(double x, double y) { return mgr.AddDataButtonPoint(DPoint3d{x, y, 0}); }
    ICurvePrimitivePtr Move(double x, double y) { return mgr.AddDynamicPoint(DPoint3d{x, y, 0}); }

    // A selected view showing pixelsPerUnit pixels per model unit.
    IndexedViewport* SelectView(double pixelsPerUnit)
    {
        IndexedViewSet& set = IViewManager::GetManager().GetActiveViewSet();
        IndexedViewport* view = set.OpenViewport(0);
        view->SetScale(pixelsPerUnit);
        set.SetSelectedViewport(0);
        return view;
    }

    // Each curve of the profile starts where the previous one ended.
    void ExpectConnectedProfile()
    {
        const CurveVectorPtr& profile = mgr.GetProfile();
        ASSERT_TRUE(profile.IsValid());
        for (size_t i = 1; i < profile->size(); ++i) {
            DPoint3d s0, e0, s1, e1;
            (*profile)[i - 1]->GetStartEnd(s0, e0);
            (*profile)[i]->GetStartEnd(s1, e1);
            EXPECT_POINT_NEAR(e0, s1, 1e-9) << "between curves " << i - 1 << " and " << i;
        }
    }

    DPoint3d ProfileEnd()
    {
        DPoint3d s, e;
        mgr.GetProfile()->back()->GetStartEnd(s, e);
        return e;
    }

    // A seed for which the random start sweep is counter-clockwise (or clockwise) and well
    // away from zero and from a whole turn, found with the process's own generator.
    static unsigned SeedFor(bool counterClockwise)
    {
        for (unsigned seed = 1; seed < 100000; ++seed) {
            std::srand(seed);
            double v = (std::rand() % 32768) / 32767.0 * 4.0 * zt::cad::kPi - 2.0 * zt::cad::kPi;
            double a = std::fabs(v);
            if ((v > 0) == counterClockwise && a > 0.5 && a < 2.0 * zt::cad::kPi - 0.5)
                return seed;
        }
        return 0;
    }

    zt::ZTToolLayoutMgn& mgr = zt::ZTToolLayoutMgn::Get();
};
