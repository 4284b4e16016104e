// Delayed lines through the UI events "Auxiliary" and "Delete", shown by the utility library
// when it is there, the highlight flag, and payloads that must change nothing.

#include "tests/drawinput/AuxiliaryFixture.h"

#include "ztui/drawinput/ZTAuxiliaryEvent.h"
#include "ztui/frame/ZTUiEventListener.h"

#include <json/reader.h>

#include <cmath>
#include <limits>

using zt::ZTAuxiliaryEvent;

namespace {

Json::Value Curve(int isLine, DPoint3d s, DPoint3d e, DPoint3d m = {})
{
    Json::Value v(Json::objectValue);
    v["IsLine"] = isLine;
    v["ptStartX"] = s.x;
    v["ptStartY"] = s.y;
    v["ptStartZ"] = s.z;
    v["ptEndX"] = e.x;
    v["ptEndY"] = e.y;
    v["ptEndZ"] = e.z;
    v["ptMidX"] = m.x;
    v["ptMidY"] = m.y;
    v["ptMidZ"] = m.z;
    return v;
}

Json::Value Parse(const char* text)
{
    Json::Value v;
    Json::Reader().parse(text, v);
    return v;
}

bool Notify(const char* name, const Json::Value& value)
{
    return zt::ZTUiEventListener::instance().NotifyListeners(name, value);
}

class DelayedLines : public AuxiliaryTest
{
protected:
    std::size_t Decorations() { return ViewDecorations::Get().Count(); }
};

TEST_F(DelayedLines, AuxiliaryEventsKeepLinesOnScreenUntilDeleted)
{
    ASSERT_TRUE(mgr.GetDecorations().IsAvailable()) << "the utility library beside the library";
    const std::size_t before = Decorations();
    Notify("Auxiliary", Curve(0, {0, 0, 0}, {100, 0, 0}, {50, 70, 0}));
    Notify("Auxiliary", Curve(1, {100, 0, 0}, {-100, 0, 0}, {0, 100, 0}));
    ASSERT_EQ(mgr.GetDelayLines().size(), 2u);
    EXPECT_EQ(mgr.GetDelayLines()[0]->GetArcCP(), nullptr) << "a line ignores the middle point";
    const DEllipse3d* arc = mgr.GetDelayLines()[1]->GetArcCP();
    ASSERT_NE(arc, nullptr);
    EXPECT_POINT_NEAR(arc->FractionParameterToPoint(0.5), (DPoint3d{0, 100, 0}), 1e-9);
    ASSERT_EQ(mgr.GetDecorationIds().size(), 1u) << "all delayed lines in one decoration";
    EXPECT_EQ(Decorations(), before + 1);

    // The same arc again (ends within 5 units) is not kept twice.
    Notify("Auxiliary", Curve(1, {101, 2, 0}, {-99, 1, 0}, {0, 101, 0}));
    EXPECT_EQ(mgr.GetDelayLines().size(), 2u);

    Json::Value both(Json::arrayValue);
    both.append(Curve(0, {0, 0, 0}, {100, 0, 0}));
    both.append(Curve(1, {100, 0, 0}, {-100, 0, 0}, {0, 100, 0}));
    Notify("Delete", both);
    EXPECT_TRUE(mgr.GetDelayLines().empty());
    EXPECT_TRUE(mgr.GetDecorationIds().empty());
    EXPECT_EQ(Decorations(), before);
}

TEST_F(DelayedLines, ADelayedLineSentWhileAToolIsActiveIsIgnored)
{
    mgr.StartAuxiliary();
    Notify("Auxiliary", Curve(0, {0, 0, 0}, {100, 0, 0}));
    EXPECT_TRUE(mgr.GetDelayLines().empty());
    mgr.CloseAuxiliary();
    Notify("Auxiliary", Curve(0, {0, 0, 0}, {100, 0, 0}));
    EXPECT_EQ(mgr.GetDelayLines().size(), 1u);
    zt::ZTArchAuxiliaryBaseTool::_AuxiliaryRedo();
    EXPECT_TRUE(mgr.GetDelayLines().empty());
    EXPECT_TRUE(mgr.GetDecorationIds().empty());
}

TEST_F(DelayedLines, WithoutTheUtilityLibraryLinesAreKeptButNothingIsDrawn)
{
    mgr.GetDecorations().SetLibraryName(L"ZTUtilNowhere.dll");
    const std::size_t before = Decorations();
    Notify("Auxiliary", Curve(0, {0, 0, 0}, {100, 0, 0}));
    EXPECT_FALSE(mgr.GetDecorations().IsAvailable());
    EXPECT_EQ(mgr.GetDelayLines().size(), 1u);
    EXPECT_TRUE(mgr.GetDecorationIds().empty());
    EXPECT_EQ(Decorations(), before);
    Json::Value one(Json::arrayValue);
    one.append(Curve(0, {100, 0, 0}, {0, 0, 0})); // named the other way round
    Notify("Delete", one);
    EXPECT_TRUE(mgr.GetDelayLines().empty());
    mgr.GetDecorations().SetLibraryName(zt::AuxiliaryDecorations::kDefaultLibrary);
    EXPECT_TRUE(mgr.GetDecorations().IsAvailable());
}

TEST_F(DelayedLines, AnUnreadableElementCancelsTheWholeDelete)
{
    Notify("Auxiliary", Curve(0, {0, 0, 0}, {100, 0, 0}));
    Notify("Auxiliary", Curve(0, {0, 50, 0}, {100, 50, 0}));
    ASSERT_EQ(mgr.GetDelayLines().size(), 2u);
    Json::Value list(Json::arrayValue);
    list.append(Curve(0, {0, 0, 0}, {100, 0, 0}));
    Json::Value noKind = Curve(0, {0, 50, 0}, {100, 50, 0});
    noKind.removeMember("IsLine");
    list.append(noKind);
    Notify("Delete", list);
    EXPECT_EQ(mgr.GetDelayLines().size(), 2u) << "not even the first curve goes";

    list[1] = Curve(-1, {0, 50, 0}, {100, 50, 0});
    Notify("Delete", list);
    EXPECT_EQ(mgr.GetDelayLines().size(), 2u);
    list[1] = Curve(7, {0, 50, 0}, {100, 50, 0}); // a kind with no curve: skipped, not fatal
    Notify("Delete", list);
    EXPECT_EQ(mgr.GetDelayLines().size(), 1u);
}

TEST_F(DelayedLines, BadPayloadsChangeNothing)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    Json::Value withNan = Curve(0, {0, 0, 0}, {100, 0, 0});
    withNan["ptEndY"] = nan;
    Json::Value huge = Curve(0, {0, 0, 0}, {1e300, 0, 0});
    Json::Value text = Curve(0, {0, 0, 0}, {100, 0, 0});
    text["ptStartX"] = "12";
    Json::Value kindText = Curve(0, {0, 0, 0}, {100, 0, 0});
    kindText["IsLine"] = "0";
    const Json::Value payloads[] = {Json::Value(),
                                    Json::Value(3),
                                    Json::Value("Auxiliary"),
                                    Parse("[1,2]"),
                                    Parse("{}"),
                                    Parse("{\"IsLine\":-1}"),
                                    withNan,
                                    huge,
                                    text,
                                    kindText,
                                    Parse("{\"IsLine\":1.5}")};
    for (const Json::Value& p : payloads) {
        SCOPED_TRACE(p.toStyledString());
        EXPECT_TRUE(Notify("Auxiliary", p));
        EXPECT_TRUE(Notify("Delete", p));
        Json::Value wrapped(Json::arrayValue);
        wrapped.append(p);
        EXPECT_TRUE(Notify("Delete", wrapped));
        EXPECT_TRUE(Notify("ISHighLight", p));
    }
    EXPECT_TRUE(mgr.GetDelayLines().empty());
    EXPECT_TRUE(Notify("auxiliary", Curve(0, {0, 0, 0}, {1, 0, 0}))) << "names are exact";
    EXPECT_TRUE(mgr.GetDelayLines().empty());
}

TEST(AuxiliaryEvent, CurveObjectsAndTheHighlightFlag)
{
    ICurvePrimitivePtr curve;
    int id = 0;
    Json::Value line = Curve(0, {1, 2, 3}, {4, 5, 6});
    EXPECT_EQ(ZTAuxiliaryEvent::ReadCurveObject(line, curve, id),
              ZTAuxiliaryEvent::CurveObject::Curve);
    EXPECT_EQ(id, -1) << "no element id";
    line["elementid"] = 42;
    ZTAuxiliaryEvent::ReadCurveObject(line, curve, id);
    EXPECT_EQ(id, 42);
    DPoint3d s, e;
    ASSERT_TRUE(curve->GetStartEnd(s, e));
    EXPECT_POINT_NEAR(s, (DPoint3d{1, 2, 3}), 0);
    EXPECT_POINT_NEAR(e, (DPoint3d{4, 5, 6}), 0);
    Json::Value sparse = Parse("{\"IsLine\":0,\"ptEndX\":7}");
    EXPECT_EQ(ZTAuxiliaryEvent::ReadCurveObject(sparse, curve, id),
              ZTAuxiliaryEvent::CurveObject::Curve);
    curve->GetStartEnd(s, e);
    EXPECT_POINT_NEAR(s, (DPoint3d{0, 0, 0}), 0) << "missing coordinates are 0";
    EXPECT_POINT_NEAR(e, (DPoint3d{7, 0, 0}), 0);
    EXPECT_EQ(ZTAuxiliaryEvent::ReadCurveObject(Parse("{\"IsLine\":3}"), curve, id),
              ZTAuxiliaryEvent::CurveObject::NoCurve);
    EXPECT_TRUE(curve.IsNull());

    zt::ZTArchAuxiliaryMacrosMgn& mgr = zt::ZTArchAuxiliaryMacrosMgn::GetInstance();
    Notify("ISHighLight", Parse("{\"ISHighLight\":true}"));
    EXPECT_TRUE(mgr.IsHighLight());
    Notify("ISHighLight", Parse("{}"));
    EXPECT_FALSE(mgr.IsHighLight()) << "false when missing";
    Notify("ISHighLight", Parse("{\"ISHighLight\":true}"));
    Notify("ISHighLight", Parse("{\"ISHighLight\":\"yes\"}"));
    EXPECT_FALSE(mgr.IsHighLight());
}

} // namespace
