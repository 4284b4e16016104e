// The library's exported manager classes given what a careless tool hands them: points that are
// not numbers, empty names, null objects and no view or project. Each stays quiet and works
// normally for the next good call.
#include "platform/cad/IViewManager.h"
#include "ztui/drawinput/ZTArchAuxiliaryMacrosMgn.h"
#include "ztui/drawinput/ZTToolLayoutMgn.h"
#include "ztui/tracer/ZTCustomTraceMgn.h"
#include "ztui/tracer/ZTTracerFunPoolMgn.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kHuge = 1e300;

class NullFunction : public zt::ZTTracerCusFunBase
{
public:
    void OnUpdateUi(zt::CtrlList&, const DPoint3d&, const DPoint3d&) override {}
    void OnPlaceCtrl(zt::CtrlList&) override {}
    void OnSurePlace(zt::CtrlList&, const DPoint3d&, DPoint3d&) override {}
};

TEST(ExportedClassBoundary, LayoutTakesPointsThatAreNotNumbersAndStillDrawsALine)
{
    IViewManager::GetManager().GetActiveViewSet().CloseAll();
    zt::ZTToolLayoutMgn& mgr = zt::ZTToolLayoutMgn::Get();
    mgr.Begin();
    mgr.SetDrawWay(zt::ZTDrawWay::Line);
    EXPECT_NO_THROW({
        (void)mgr.AddDynamicPoint(DPoint3d{kNaN, kNaN, kNaN});
        (void)mgr.AddDataButtonPoint(DPoint3d{kNaN, 0, 0});
        (void)mgr.AddDataButtonPoint(DPoint3d{kHuge, -kHuge, 0});
        (void)mgr.IsDynamicClosed(DPoint3d{kNaN, kNaN, 0});
        (void)mgr.CheckLines();
        (void)mgr.IsClosed();
        mgr.SetBackSpace();
        mgr.SetBackSpace();
        mgr.SetBackSpace();
    });
    EXPECT_TRUE(mgr.GetProfile(std::numeric_limits<int>::max()).IsNull());
    EXPECT_TRUE(mgr.GetProfile(std::numeric_limits<int>::min()).IsNull());

    mgr.Begin();
    mgr.SetDrawWay(zt::ZTDrawWay::Line);
    EXPECT_TRUE(mgr.AddDataButtonPoint(DPoint3d{0, 0, 0}));
    EXPECT_TRUE(mgr.AddDataButtonPoint(DPoint3d{10, 0, 0}));
    EXPECT_EQ(mgr.GetProfileSize(), 1);
    mgr.End();
}

TEST(ExportedClassBoundary, AuxiliaryManagerWithNullListenersAndNoView)
{
    IViewManager::GetManager().GetActiveViewSet().CloseAll();
    zt::ZTArchAuxiliaryMacrosMgn& mgr = zt::ZTArchAuxiliaryMacrosMgn::GetInstance();
    mgr.AddListener(nullptr);
    mgr.DropListener(nullptr);
    EXPECT_NO_THROW({
        mgr.OnMove(DgnButtonEvent());
        mgr.SetButton(DPoint3d{kNaN, kNaN, 0});
        mgr.SetAuxiliaryAngleInfo(DPoint3d{kNaN, 0, 0}, DVec3d{0, 0, 0});
        mgr.SetICurvePrimitiveLine({ICurvePrimitivePtr()});
        mgr.SetDelayICurvePrimitiveLine(ICurvePrimitivePtr(), -1);
        mgr.DeleteDelayICurvePrimitiveLine({ICurvePrimitivePtr()});
        mgr.OnMove(DgnButtonEvent());
        mgr.SetBack();
        mgr.AuxiliaryRedo();
    });
    EXPECT_TRUE(mgr.GetShownLines().empty());
    mgr.ClearAuxiliaryAngleInfo();
    mgr.ClearICurvePrimitiveLine();
    EXPECT_TRUE(mgr.GetCurveLines().empty());
    EXPECT_TRUE(mgr.GetAnglePoints().empty());
}

TEST(ExportedClassBoundary, TracerPoolAndLayoutsWithEmptyNamesAndNonNumbers)
{
    NullFunction function;
    zt::ZTTracerFunPoolMgn& pool = zt::ZTTracerFunPoolMgn::Get();
    EXPECT_FALSE(pool.RegisterFunPool(Utf8String(""), nullptr));
    EXPECT_EQ(pool.QueryFunPool(Utf8String("")), nullptr);
    EXPECT_FALSE(pool.UnregisterFunPool(Utf8String("")));
    EXPECT_FALSE(pool.UnregisterFunPool(Utf8String("Boundary.NoSuchFunction")));
    EXPECT_TRUE(pool.RegisterFunPool(Utf8String("Boundary.Function"), &function));
    EXPECT_EQ(pool.QueryFunPool(Utf8String("Boundary.Function")), &function);
    EXPECT_TRUE(pool.UnregisterFunPool(Utf8String("Boundary.Function")));

    zt::ZTCustomTraceMgn& mgn = zt::ZTCustomTraceMgn::GetInstance();
    zt::CtrlList list;
    list.kind = zt::ZTCustomTraceMgn::kKindDistanceAngle;
    mgn.OnUpdateUi(list, DPoint3d{0, 0, 0}, DPoint3d{kNaN, kNaN, 0});
    EXPECT_EQ(list.texts[0], CString(L"0"));
    mgn.OnUpdateUi(list, DPoint3d{0, 0, 0}, DPoint3d{1e12, 0, 0});
    EXPECT_EQ(list.texts[0], CString(L"2147483647"));

    zt::CtrlList arc;
    arc.kind = zt::ZTCustomTraceMgn::kKindArc;
    arc.drivingIndex = 1;
    arc.texts = {{0, L"abc"}, {1, L""}, {2, L"-"}, {3, L"0"}, {4, L"0"}};
    DPoint3d result{5, 5, 5};
    EXPECT_NO_THROW(mgn.OnSurePlace(arc, DPoint3d{0, 0, 0}, result));
    EXPECT_FALSE(std::isnan(result.x));
    arc.drivingIndex = 99;
    result = DPoint3d{7, 7, 7};
    mgn.OnSurePlace(arc, DPoint3d{0, 0, 0}, result);
    EXPECT_EQ(result.x, 7.0) << "an unknown driving index computes nothing";
}

} // namespace
