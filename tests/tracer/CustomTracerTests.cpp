// The custom tracer: the function pool, the built-in row layouts and the custom box built from
// a tool's function.
#include "TracerTestSupport.h"

#include "platform/host/CommandLine.h"
#include "ztui/tracer/TracerGeometry.h"
#include "ztui/tracer/ZTCustomTraceMgn.h"
#include "ztui/tracer/ZTDlgTracerCustom.h"
#include "ztui/tracer/ZTTracerFunPoolMgn.h"

#include <numbers>

using zt::CtrlList;
using zt::TracerProxy;
using zt::ZTCustomTraceMgn;
using zt::ZTTracerFunPoolMgn;

namespace {

// A tool's function that uses the library's layouts, counting the calls.
class LayoutFunction : public zt::ZTTracerCusFunBase
{
public:
    void OnUpdateUi(CtrlList& list, const DPoint3d& start, const DPoint3d& cursor) override
    {
        ++updates;
        ZTCustomTraceMgn::GetInstance().OnUpdateUi(list, start, cursor);
    }
    void OnPlaceCtrl(CtrlList& list) override { ZTCustomTraceMgn::GetInstance().OnPlaceCtrl(list); }
    void OnSurePlace(CtrlList& list, const DPoint3d& start, DPoint3d& result) override
    {
        ++surePlaces;
        lastDriving = list.drivingIndex;
        ZTCustomTraceMgn::GetInstance().OnSurePlace(list, start, result);
    }
    int updates = 0;
    int surePlaces = 0;
    int lastDriving = -1;
};

CtrlList Arc(int driving, double angle, double chord, double length, double cx, double cy)
{
    CtrlList list;
    list.kind = ZTCustomTraceMgn::kKindArc;
    list.drivingIndex = driving;
    auto text = [](double v) {
        CString t;
        t.Format(L"%.12g", v);
        return t;
    };
    list.texts = {
        {0, text(angle)}, {1, text(chord)}, {2, text(length)}, {3, text(cx)}, {4, text(cy)}};
    return list;
}

double Number(const CString& text)
{
    return zt::TracerReadNumber(text);
}

} // namespace

TEST(TracerFunPool, RegisteringANameTwiceKeepsTheFirstObject)
{
    LayoutFunction first;
    LayoutFunction second;
    auto& pool = ZTTracerFunPoolMgn::Get();
    EXPECT_TRUE(pool.RegisterFunPool("Wall.Custom", &first));
    EXPECT_FALSE(pool.RegisterFunPool("Wall.Custom", &second));
    EXPECT_EQ(pool.QueryFunPool("Wall.Custom"), &first);
    EXPECT_FALSE(pool.RegisterFunPool("Null", nullptr));
    EXPECT_EQ(pool.QueryFunPool("Wall.Custo"), nullptr);
    EXPECT_TRUE(pool.UnregisterFunPool("Wall.Custom"));
    EXPECT_FALSE(pool.UnregisterFunPool("Wall.Custom"));
    EXPECT_EQ(pool.QueryFunPool("Wall.Custom"), nullptr);
}

TEST(CustomTraceMgn, LayoutsNameTheirRowsByKind)
{
    auto& mgn = ZTCustomTraceMgn::GetInstance();
    zt::TracerEvState state;
    mgn.InsertType(state);
    EXPECT_EQ(state.ctrlTypes, (std::map<unsigned, unsigned>{{0, 1}, {1, 1}, {2, 2}}));

    CtrlList radius;
    radius.kind = 1;
    mgn.OnPlaceCtrl(radius);
    EXPECT_EQ(radius.texts, (std::map<unsigned, CString>{{0, L"半径"}, {1, L"角度"}}));
    EXPECT_EQ(radius.fieldTypes, (std::map<unsigned, unsigned>{{1, 1}}));
    CtrlList arc;
    arc.kind = 2;
    arc.fieldTypes = {{4, 7}};
    mgn.OnPlaceCtrl(arc);
    ASSERT_EQ(arc.texts.size(), 5u);
    EXPECT_EQ(arc.texts[2], L"弧线长");
    EXPECT_EQ(arc.fieldTypes, (std::map<unsigned, unsigned>{{4, 7}})) << "left as it was";
    CtrlList other;
    other.kind = 9;
    mgn.OnPlaceCtrl(other);
    EXPECT_TRUE(other.texts.empty());
}

TEST(CustomTraceMgn, DistanceRowsTruncateAndTheAngleKeepsTwoDecimals)
{
    auto& mgn = ZTCustomTraceMgn::GetInstance();
    CtrlList list;
    list.kind = 0;
    mgn.OnUpdateUi(list, DPoint3d::From(0, 0, 0), DPoint3d::From(3.9, 0, 0));
    EXPECT_EQ(list.texts[0], L"3");
    EXPECT_EQ(list.texts[1], L"0.00");
    mgn.OnUpdateUi(list, DPoint3d::From(0, 0, 0), DPoint3d::From(-10, -10, 0));
    EXPECT_EQ(list.texts[0], L"14");
    EXPECT_EQ(list.texts[1], L"135.00");
    CtrlList arc;
    arc.kind = 2;
    mgn.OnUpdateUi(arc, DPoint3d::From(0, 0, 0), DPoint3d::From(1, 1, 0));
    EXPECT_TRUE(arc.texts.empty());
}

TEST(CustomTraceMgn, DistanceAndAngleGiveThePolarPoint)
{
    auto& mgn = ZTCustomTraceMgn::GetInstance();
    CtrlList list;
    list.kind = 0;
    list.texts = {{0, L"100"}, {1, L"90"}};
    DPoint3d result = DPoint3d::From(9, 9, 9);
    mgn.OnSurePlace(list, DPoint3d::From(0, 0, 0), result);
    ExpectPointNear(result, DPoint3d::From(0, 100, 0), 1e-9);

    // Only the distance field drives the point.
    list.drivingIndex = 1;
    result = DPoint3d::From(9, 9, 9);
    mgn.OnSurePlace(list, DPoint3d::From(0, 0, 0), result);
    ExpectPointNear(result, DPoint3d::From(9, 9, 9), 0.0);
}

TEST(CustomTraceMgn, ArcsBySweepChordOrLengthStayOnTheCircle)
{
    auto& mgn = ZTCustomTraceMgn::GetInstance();
    const DPoint3d start = DPoint3d::From(100, 0, 0);
    struct Case
    {
        const char* what;
        CtrlList list;
        double sweepDegrees;
    } cases[] = {
        {"angle", Arc(0, 90, 0, 0, 0, 0), 90},
        {"negative angle", Arc(0, -45, 0, 0, 0, 0), -45},
        {"chord", Arc(1, 1, 100, 0, 0, 0), 60},
        {"chord too long", Arc(1, 1, 250, 0, 0, 0), 180},
        {"chord clockwise", Arc(1, -1, 100, 0, 0, 0), -60},
        {"negative chord turns", Arc(1, 1, -100, 0, 0, 0), -60},
        {"length", Arc(2, 1, 0, 50 * std::numbers::pi, 0, 0), 90},
        {"length too long", Arc(2, 1, 0, 1000, 0, 0), 360},
        {"angle beyond a turn", Arc(0, 400, 0, 0, 0, 0), 360},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.what);
        DPoint3d end;
        mgn.OnSurePlace(c.list, start, end);
        EXPECT_NEAR(end.Distance(DPoint3d::From(0, 0, 0)), 100.0, 1e-9) << "on the circle";
        const bool full = std::fabs(std::fabs(c.sweepDegrees) - 360.0) < 1e-9;
        const double sweep = full ? 360.0 : c.sweepDegrees;
        EXPECT_NEAR(Number(c.list.texts[0]), sweep, 0.01);
        EXPECT_NEAR(Number(c.list.texts[2]), std::fabs(sweep) * std::numbers::pi / 180.0 * 100.0,
                    0.01);
        EXPECT_NEAR(Number(c.list.texts[1]), full ? 0.0 : end.Distance(start), 0.01);
        const double radians = sweep * std::numbers::pi / 180.0;
        ExpectPointNear(end, DPoint3d::From(100 * std::cos(radians), 100 * std::sin(radians), 0),
                        1e-9);
    }
}

TEST(CustomTraceMgn, ATinyArcIsAFullCircleEndingAtTheStart)
{
    CtrlList list = Arc(2, 1, 0, 0.0005, 0, 0);
    DPoint3d end;
    ZTCustomTraceMgn::GetInstance().OnSurePlace(list, DPoint3d::From(1, 0, 5), end);
    EXPECT_EQ(Number(list.texts[0]), 360.0);
    EXPECT_EQ(Number(list.texts[1]), 0.0);
    ExpectPointNear(end, DPoint3d::From(1, 0, 0), 0.0);
    // Fewer than five texts compute nothing.
    CtrlList short_ = list;
    short_.texts.erase(4);
    DPoint3d untouched = DPoint3d::From(7, 7, 7);
    ZTCustomTraceMgn::GetInstance().OnSurePlace(short_, DPoint3d::From(1, 0, 5), untouched);
    ExpectPointNear(untouched, DPoint3d::From(7, 7, 7), 0.0);
}

namespace {

class CustomTracerBox : public TracerWindowTest
{
protected:
    void SetUp() override
    {
        TracerWindowTest::SetUp();
        ASSERT_TRUE(ZTTracerFunPoolMgn::Get().RegisterFunPool("Test.Radius", &function));
        TracerProxy::SetTracerType(zt::TRACER_CUSTOM);
        zt::TracerEvState state;
        state.funName = "Test.Radius";
        state.kind = 1;
        ZTCustomTraceMgn::GetInstance().InsertType(state);
        TracerProxy::SetCurEvState(state);
    }
    void TearDown() override
    {
        ZTTracerFunPoolMgn::Get().UnregisterFunPool("Test.Radius");
        TracerWindowTest::TearDown();
    }
    zt::ZTDlgTracerCustom& Custom() { return zt::ZTDlgTracerCustom::Instance(); }
    CRect CustomRect()
    {
        CRect r;
        Custom().GetWindowRect(&r);
        return r;
    }

    LayoutFunction function;
};

} // namespace

TEST_F(CustomTracerBox, BuildsTheFunctionsRowsAndFillsThemFromTheCursor)
{
    ASSERT_NE(TesselModelessDialogManager::Get().GetDialog("TesselTracerCusDlg"), nullptr);
    OpenAt(DPoint3d::From(0, 0, 0));
    TracerProxy::SetNewHitPt(DPoint3d::From(0, 250, 0));
    desk.pump();
    ASSERT_TRUE(Custom().IsWindowVisible());
    ASSERT_EQ(Custom().GetRowCount(), 2);
    EXPECT_EQ(Custom().GetLabelText(0), L"半径");
    EXPECT_EQ(Custom().GetLabelText(1), L"角度");
    EXPECT_EQ(Custom().GetFieldText(0), L"250");
    EXPECT_EQ(Custom().GetFieldText(1), L"90.00");
    EXPECT_TRUE(Custom().IsShaded(1));
    EXPECT_FALSE(Custom().IsShaded(0));
    EXPECT_EQ(Custom().GetField(1)->GetBackColor(), zt::ZTDlgTracerCustom::kShadedBack);
    const DWORD ex = static_cast<DWORD>(::GetWindowLongW(Custom().m_hWnd, GWL_EXSTYLE));
    EXPECT_TRUE(ex & WS_EX_NOACTIVATE);

    // Only the first row shows until the focus moves past it.
    CRect second;
    Custom().GetField(1)->GetWindowRect(&second);
    EXPECT_LT(CustomRect().bottom, second.bottom);

    TracerProxy::MoveTracer(DPoint3d::From(0, 0, 0));
    desk.pump();
    const POINT s = ScreenOf(DPoint3d::From(0, 0, 0));
    EXPECT_EQ(CustomRect().TopLeft(), CPoint(s.x + 50, s.y + 50));

    // The tool's context wins over the function's texts.
    TracerProxy::SetCusContext({{0, L"999"}});
    TracerProxy::SetNewHitPt(DPoint3d::From(0, 100, 0));
    desk.pump();
    EXPECT_EQ(Custom().GetFieldText(0), L"999");
    EXPECT_EQ(Custom().GetFieldText(1), L"90.00");
}

TEST_F(CustomTracerBox, TabGrowsAndWidensTheBoxAndCommitHandsTheTextsToTheTool)
{
    OpenAt(DPoint3d::From(10, 10, 0));
    TracerProxy::SetNewHitPt(DPoint3d::From(10, 60, 0));
    desk.pump();
    const CRect small = CustomRect();
    TracerProxy::ResponseTab();
    desk.pump();
    EXPECT_EQ(::GetFocus(), Custom().GetField(0)->m_hWnd);
    EXPECT_TRUE(Custom().IsWidened());
    EXPECT_FALSE(Custom().IsGrown());
    EXPECT_GT(CustomRect().Width(), small.Width());
    EXPECT_EQ(Custom().GetFocusedIndex(), 1) << "the next Tab goes to the angle";
    EXPECT_EQ(function.surePlaces, 1);
    EXPECT_EQ(tool.changes.size(), 1u);

    desk.key(VK_TAB); // the box's own Tab
    EXPECT_EQ(::GetFocus(), Custom().GetField(1)->m_hWnd);
    EXPECT_TRUE(Custom().IsGrown());
    CRect second;
    Custom().GetField(1)->GetWindowRect(&second);
    EXPECT_GE(CustomRect().bottom, second.bottom);
    EXPECT_EQ(Custom().GetFocusedIndex(), 0) << "wraps after the last row";

    EXPECT_EQ(function.surePlaces, 1) << "the texts did not change since the last Tab";
    desk.key(VK_TAB); // back to the radius
    EXPECT_EQ(function.surePlaces, 1);
    Type(L"300\r");
    ASSERT_EQ(tool.inputs.size(), 1u);
    const zt::TracerInputValue& v = tool.inputs[0];
    EXPECT_EQ(v.values.at(0), L"300.0");
    EXPECT_EQ(v.values.at(1), L"90.00");
    ExpectPointNear(v.point, DPoint3d::From(10, 310, 0), 1e-9);
    EXPECT_EQ(v.distance, 0.0);
    EXPECT_FALSE(Custom().IsWidened());
    EXPECT_FALSE(TracerProxy::GetTraceStatus());
    ExpectPointNear(zt::TracerShared::Get().GetStartPoint(), DPoint3d::From(10, 310, 0), 1e-9);
}

TEST_F(CustomTracerBox, ANameMissingFromThePoolGivesAnEmptyBoxAndNoResult)
{
    zt::TracerEvState state;
    state.funName = "Nobody.Registered";
    TracerProxy::SetCurEvState(state);
    OpenAt(DPoint3d::From(0, 0, 0));
    EXPECT_TRUE(Custom().IsWindowVisible());
    EXPECT_EQ(Custom().GetRowCount(), 0);
    TracerProxy::ResponseTab();
    desk.pump();
    EXPECT_TRUE(tool.inputs.empty());
    EXPECT_TRUE(tool.changes.empty());
}

TEST_F(CustomTracerBox, AChangedFunctionRebuildsTheRows)
{
    OpenAt(DPoint3d::From(0, 0, 0));
    ASSERT_EQ(Custom().GetRowCount(), 2);
    LayoutFunction arcs;
    ASSERT_TRUE(ZTTracerFunPoolMgn::Get().RegisterFunPool("Test.Arc", &arcs));
    zt::TracerEvState state;
    state.funName = "Test.Arc";
    state.kind = 2;
    TracerProxy::SetCurEvState(state);
    TracerProxy::ResetTracer();
    desk.pump();
    EXPECT_EQ(Custom().GetRowCount(), 5);
    EXPECT_EQ(Custom().GetLabelText(4), L"圆心Y");
    ZTTracerFunPoolMgn::Get().UnregisterFunPool("Test.Arc");
    TracerProxy::CloseTracer();
    desk.pump();
    EXPECT_FALSE(Custom().IsWindowVisible());
    EXPECT_EQ(Custom().GetRowCount(), 0);
}

TEST_F(CustomTracerBox, AClickOnAFieldFocusesItAndTheCheckButtonCommitsIt)
{
    OpenAt(DPoint3d::From(0, 0, 0));
    TracerProxy::SetNewHitPt(DPoint3d::From(0, 80, 0));
    desk.pump();
    CRect field;
    Custom().GetField(0)->GetWindowRect(&field);
    desk.click(field.CenterPoint());
    EXPECT_EQ(::GetFocus(), Custom().GetField(0)->m_hWnd);
    EXPECT_TRUE(Custom().IsWidened());
    EXPECT_EQ(Custom().GetFocusedIndex(), 1);
    EXPECT_EQ(Custom().GetFieldText(0), L"80");
    Type(L"\b\b40"); // the click put the caret after the text
    CRect check;
    Custom().GetDlgItem(zt::tracer_ids::kCustomCommit)->GetWindowRect(&check);
    EXPECT_EQ(check.top, field.top) << "the buttons sit on the focused row";
    desk.click(check.CenterPoint());
    ASSERT_EQ(tool.inputs.size(), 1u);
    ExpectPointNear(tool.inputs[0].point, DPoint3d::From(0, 40, 0), 1e-9);
    EXPECT_EQ(function.lastDriving, 0);
}
