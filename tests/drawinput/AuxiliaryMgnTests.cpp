// The auxiliary-line manager in a project: polar tracking, the angle indicator, candidate
// lines written into the dynamic auxiliary model and taken out again, transaction groups.

#include "tests/drawinput/AuxiliaryFixture.h"

#include "platform/cad/ElementFinder.h"
#include "platform/host/TSModelInfoManager.h"
#include "platform/host/TesselDraftAid.h"

#include <cmath>

using zt::ZTArchAuxiliaryMacrosMgn;

namespace {

const DPoint3d kBase{1000, 2000, 0};

TEST_F(AuxiliaryTest, TrackingLineAndLabelFollowTheNearestMultipleOf45)
{
    mgr.StartAuxiliary();
    mgr.SetAuxiliaryAngleInfo(kBase, DVec3d::UnitX());

    MoveAt(kBase, 52, 1000);
    const zt::AuxiliaryMoveDrawing& drawn = mgr.GetLastDrawing();
    ASSERT_TRUE(drawn.trackingLine.IsValid());
    EXPECT_EQ(drawn.trackingDegrees, 45);
    EXPECT_EQ(drawn.trackingLabel, L"45");
    DPoint3d s, e;
    drawn.trackingLine->GetStartEnd(s, e);
    EXPECT_POINT_NEAR(s, kBase, 0);
    // One pixel is one unit: the line runs 100 pixels past the cursor's distance.
    EXPECT_NEAR(s.Distance(e), 1100.0, 1e-9);
    EXPECT_NEAR(std::atan2(e.y - s.y, e.x - s.x) * 180 / 3.14159265358979323846, 45.0, 1e-9);

    MoveAt(kBase, 56, 1000);
    EXPECT_TRUE(mgr.GetLastDrawing().trackingLine.IsNull());

    MoveAt(kBase, 350, 1000); // below the reference point, 10 degrees off the X axis
    ASSERT_TRUE(mgr.GetLastDrawing().trackingLine.IsValid());
    EXPECT_EQ(mgr.GetLastDrawing().trackingLabel, L"0");

    MoveAt(kBase, 228, 500);
    ASSERT_TRUE(mgr.GetLastDrawing().trackingLine.IsValid());
    EXPECT_EQ(mgr.GetLastDrawing().trackingLabel, L"-135");
    mgr.GetLastDrawing().trackingLine->GetStartEnd(s, e);
    EXPECT_LT(e.y, s.y) << "on the cursor's side of the X axis";
}

TEST_F(AuxiliaryTest, AngleIndicatorSpansFromTheReferenceDirectionToTheCursor)
{
    mgr.StartAuxiliary();
    mgr.SetAuxiliaryAngleInfo(kBase, DVec3d::UnitX());
    MoveAt(kBase, 90, 400);
    const zt::AuxiliaryMoveDrawing& drawn = mgr.GetLastDrawing();
    ASSERT_TRUE(drawn.indicatorArc.has_value());
    const DEllipse3d& arc = *drawn.indicatorArc;
    // 100 pixels from the reference point, from the cursor's direction to the reference one.
    EXPECT_POINT_NEAR(arc.FractionParameterToPoint(0.0), kBase + DVec3d{0, 100, 0}, 1e-9);
    EXPECT_POINT_NEAR(arc.FractionParameterToPoint(1.0), kBase + DVec3d{100, 0, 0}, 1e-9);
    EXPECT_POINT_NEAR(arc.FractionParameterToPoint(0.5),
                      kBase + DVec3d{100 / std::sqrt(2.0), 100 / std::sqrt(2.0), 0}, 1e-9);
    EXPECT_NEAR(std::fabs(arc.sweep), 3.14159265358979323846 / 2, 1e-9);
    DPoint3d s, e;
    drawn.referenceLeg->GetStartEnd(s, e);
    EXPECT_POINT_NEAR(e, kBase + DVec3d{200, 0, 0}, 1e-9);
    drawn.cursorLeg->GetStartEnd(s, e);
    EXPECT_POINT_NEAR(e, kBase + DVec3d{0, 200, 0}, 1e-9);

    mgr.ClearAuxiliaryAngleInfo();
    MoveAt(kBase, 90, 400);
    EXPECT_FALSE(mgr.GetLastDrawing().indicatorArc.has_value());
    EXPECT_TRUE(mgr.GetLastDrawing().trackingLine.IsNull());
}

TEST_F(AuxiliaryTest, ShownLinesAreTemporaryElementsOfTheAuxiliaryModelInOneUndoStep)
{
    ITxnManager& txn = Project().GetTxnManager();
    const std::size_t undoBefore = txn.GetUndoCount();
    mgr.StartAuxiliary();
    EXPECT_EQ(txn.GetTxnGroupDepth(), 1);
    zt::ZTAuxiliaryModelPtr model = mgr.GetAuxiliaryModel();
    ASSERT_TRUE(model);
    EXPECT_EQ(model->displayName, ZTArchAuxiliaryMacrosMgn::kDynamicModelName);

    mgr.SetICurvePrimitiveLine(
        {ICurvePrimitive::CreateLine(DPoint3d{0, 0, 0}, DPoint3d{10, 0, 0})});
    // Beyond the end: the extension (nearest) and the perpendicular at the end point.
    Move(DPoint3d{15, 0.5, 0});
    ASSERT_EQ(mgr.GetShownLines().size(), 2u);
    DPoint3d s, e;
    mgr.GetShownLines()[0]->GetStartEnd(s, e);
    EXPECT_POINT_NEAR(e, (DPoint3d{1015, 0, 0}), 1e-9);
    mgr.GetShownLines()[1]->GetStartEnd(s, e);
    EXPECT_POINT_NEAR(s, (DPoint3d{10, 0, 0}), 0);
    ASSERT_EQ(mgr.GetWrittenElements().size(), 2u);
    EXPECT_EQ(AuxiliaryElementCount(), 2u);
    ElementRef* written = Project().FindElementById(mgr.GetWrittenElements()[0]);
    ASSERT_NE(written, nullptr);
    ASSERT_FALSE(written->GetData()->geometry.primitives.empty());
    EXPECT_EQ(written->GetData()->geometry.primitives[0].GetSymbology().color,
              Project().GetElementColor(ZTArchAuxiliaryMacrosMgn::kAuxiliaryRgb));

    // The same number of lines again writes nothing new.
    Move(DPoint3d{16, 0.4, 0});
    EXPECT_EQ(mgr.GetWrittenElements().size(), 2u);
    EXPECT_EQ(AuxiliaryElementCount(), 2u);

    // A data point takes the written lines out and starts a new group.
    mgr.SetButton(DPoint3d{16, 0.4, 0});
    EXPECT_TRUE(mgr.GetWrittenElements().empty());
    EXPECT_EQ(AuxiliaryElementCount(), 0u);
    EXPECT_EQ(txn.GetTxnGroupDepth(), 1);
    EXPECT_POINT_NEAR(TesselDraftAid::GetInstance()->GetOrigin(), (DPoint3d{16, 0.4, 0}), 0);

    // More lines than are shown: all of them are written again.
    bvector<ICurvePrimitivePtr> two = mgr.GetCurveLines();
    two.push_back(ICurvePrimitive::CreateLine(DPoint3d{20, -10, 0}, DPoint3d{20, -5, 0}));
    mgr.SetICurvePrimitiveLine(two);
    Move(DPoint3d{20.5, 0.3, 0});
    EXPECT_GE(mgr.GetShownLines().size(), 3u);
    EXPECT_EQ(mgr.GetWrittenElements().size(), mgr.GetShownLines().size());
    EXPECT_EQ(AuxiliaryElementCount(), mgr.GetShownLines().size());
    mgr.CloseAuxiliary();
    EXPECT_EQ(AuxiliaryElementCount(), 0u);
    EXPECT_TRUE(mgr.GetShownLines().empty());
    EXPECT_TRUE(mgr.GetCurveLines().empty());
    EXPECT_EQ(txn.GetTxnGroupDepth(), 0);
    EXPECT_LE(txn.GetUndoCount(), undoBefore + 2) << "one step per group, not one per line";
}

TEST_F(AuxiliaryTest, TheModelIsFoundAgainAndMovesWithoutAStoreyViewDrawNothing)
{
    mgr.StartAuxiliary();
    const DgnModelId first = mgr.GetAuxiliaryModel()->modelId;
    mgr.CloseAuxiliary();
    mgr.StartAuxiliary();
    EXPECT_EQ(mgr.GetAuxiliaryModel()->modelId, first) << "one dynamic model per project";

    mgr.SetICurvePrimitiveLine(
        {ICurvePrimitive::CreateLine(DPoint3d{0, 0, 0}, DPoint3d{10, 0, 0})});
    IViewManager::GetManager().GetActiveViewSet().ClearSelectedViewport();
    Move(DPoint3d{15, 0.5, 0});
    EXPECT_TRUE(mgr.GetShownLines().empty());
    IViewManager::GetManager().GetActiveViewSet().SetSelectedViewport(0);
    mgr.CloseAuxiliary();
    Move(DPoint3d{15, 0.5, 0});
    EXPECT_TRUE(mgr.GetShownLines().empty()) << "moves after close are ignored";
}

TEST_F(AuxiliaryTest, AnArcAmongTheNearestIsNeverWritten)
{
    mgr.StartAuxiliary();
    mgr.SetICurvePrimitiveLine({ICurvePrimitive::CreateArc(DEllipse3d::FromVectors(
        DPoint3d{0, 0, 0}, DVec3d{100, 0, 0}, DVec3d{0, 100, 0}, 0.0, 1.5707963267948966))});
    Move(DPoint3d{100 * std::cos(0.7), 100 * std::sin(0.7), 0}); // on the circle
    for (const ICurvePrimitivePtr& shown : mgr.GetShownLines())
        EXPECT_EQ(shown->GetArcCP(), nullptr);
    for (ElementId id : mgr.GetWrittenElements()) {
        const auto& primitives = Project().FindElementById(id)->GetData()->geometry.primitives;
        ASSERT_FALSE(primitives.empty());
        EXPECT_EQ(primitives[0].GetCurve()->GetArcCP(), nullptr);
    }
}

TEST_F(AuxiliaryTest, BackForgetsTheToolsLinesAndAngle)
{
    mgr.StartAuxiliary();
    mgr.SetAuxiliaryAngleInfo(kBase, DVec3d::UnitY());
    mgr.SetICurvePrimitiveLine(
        {ICurvePrimitive::CreateLine(DPoint3d{0, 0, 0}, DPoint3d{10, 0, 0})});
    Move(DPoint3d{15, 0.5, 0});
    ASSERT_FALSE(mgr.GetWrittenElements().empty());
    zt::ZTArchAuxiliaryBaseTool::_SetBack();
    EXPECT_TRUE(mgr.GetWrittenElements().empty());
    EXPECT_TRUE(mgr.GetCurveLines().empty());
    EXPECT_TRUE(mgr.GetAnglePoints().empty());
    EXPECT_POINT_NEAR(DPoint3d::From(mgr.GetReferenceDirection()), (DPoint3d{1, 0, 0}), 0);
    EXPECT_TRUE(mgr.IsActive());
}

} // namespace
