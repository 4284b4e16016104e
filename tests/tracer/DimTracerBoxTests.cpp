// The dimension box: two size rows on top of the distance-and-angle box.
#include "TracerTestSupport.h"

#include "platform/host/CommandLine.h"
#include "ztui/tracer/ZTDlgArchTracerDim.h"

using namespace zt::tracer_ids;
using zt::TracerProxy;

namespace {

class DimTracerBox : public TracerWindowTest
{
protected:
    void SetUp() override
    {
        TracerWindowTest::SetUp();
        TracerProxy::SetTracerType(zt::TRACER_DIM);
    }
    zt::ZTDlgArchTracerDim& Dim() { return zt::ZTDlgArchTracerDim::Instance(); }
    CRect DimRect()
    {
        CRect r;
        Dim().GetWindowRect(&r);
        return r;
    }
    CRect DimField(int id)
    {
        CRect r;
        Dim().GetField(id)->GetWindowRect(&r);
        return r;
    }
};

} // namespace

TEST_F(DimTracerBox, ShowsTheSizesOfTheCursorOffset)
{
    ASSERT_NE(TesselModelessDialogManager::Get().GetDialog("ZTDlgArchTracerDim"), nullptr);
    OpenAt(DPoint3d::From(0, 0, 0));
    MoveTo(DPoint3d::From(-300, 200, 0));
    MoveTo(DPoint3d::From(-300, 200, 0));
    ASSERT_TRUE(Dim().IsWindowVisible());
    EXPECT_FALSE(Box().IsWindowVisible());
    EXPECT_EQ(Dim().GetFieldText(kFirst), L"300");
    EXPECT_EQ(Dim().GetFieldText(kSecond), L"200");
    EXPECT_EQ(Dim().GetFieldText(kX), L"-300");
    // Following shows the two size rows only.
    EXPECT_LE(DimField(kSecond).bottom, DimRect().bottom);
    EXPECT_GT(DimField(kDistance).bottom, DimRect().bottom);
}

TEST_F(DimTracerBox, SizesTypedBelowTheStartGiveAPointBelowIt)
{
    OpenAt(DPoint3d::From(100, 100, 3));
    MoveTo(DPoint3d::From(-50, 180, 3));
    MoveTo(DPoint3d::From(-50, 180, 3));
    TesselCommandLine::Get().TypeChar('6');
    desk.pump();
    EXPECT_EQ(::GetFocus(), Dim().GetField(kFirst)->m_hWnd);
    Type(L"00\t400\r");
    ASSERT_EQ(tool.inputs.size(), 1u);
    // The first size runs along +X whatever the side of the cursor.
    ExpectPointNear(tool.inputs[0].point, DPoint3d::From(700, 500, 3), 1e-9);

    // With the cursor below the start the second size runs down.
    MoveTo(DPoint3d::From(800, 300, 3));
    MoveTo(DPoint3d::From(800, 300, 3));
    TesselCommandLine::Get().TypeChar('6');
    desk.pump();
    Type(L"00\t400\r");
    ASSERT_EQ(tool.inputs.size(), 2u);
    ExpectPointNear(tool.inputs[1].point, DPoint3d::From(1300, 100, 3), 1e-9);
}

TEST_F(DimTracerBox, TabRunsFromTheSizesThroughTheOffsetsAndWraps)
{
    OpenAt(DPoint3d::From(0, 0, 0));
    MoveTo(DPoint3d::From(10, 10, 0));
    desk.key(VK_TAB);
    EXPECT_EQ(Dim().GetFocusedId(), kFirst);
    const int order[] = {kSecond, kDistance, kAngle, kX, kY, kFirst};
    for (int expected : order) {
        desk.key(VK_TAB);
        EXPECT_EQ(Dim().GetFocusedId(), expected);
        if (expected == kDistance) {
            EXPECT_GE(DimRect().bottom, DimField(kZ).bottom) << "all rows show from here";
        }
    }
}

TEST_F(DimTracerBox, SwitchingBackToTheArchBoxHidesTheDimensionBox)
{
    OpenAt(DPoint3d::From(0, 0, 0));
    ASSERT_TRUE(Dim().IsWindowVisible());
    TracerProxy::SetTracerType(zt::TRACER_ARCH);
    TracerProxy::CreateTracer();
    desk.pump();
    EXPECT_FALSE(Dim().IsWindowVisible());
    EXPECT_TRUE(Box().IsWindowVisible());
}
