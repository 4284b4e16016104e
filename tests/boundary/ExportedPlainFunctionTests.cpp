// The library's exported plain functions and static facades given what a careless host or a
// user's odd input hands them: null pointers, empty texts, out-of-range indices and values that
// are not numbers. Each comes back with its documented quiet result and throws nothing.
#include "platform/cad/DgnApplication.h"
#include "platform/host/UserEnvironment.h"
#include "tests/support/DesktopFixture.h"
#include "ztui/contextbar/ZTContextBarDataMgn.h"
#include "ztui/contextbar/ZTContextBarProxy.h"
#include "ztui/contextbar/ZTContextbarEvent.h"
#include "ztui/contextbar/ZTContextbarFactoryManager.h"
#include "ztui/dlglayout/LayoutRules.h"
#include "ztui/drawinput/AuxiliaryCandidates.h"
#include "ztui/drawinput/AuxiliaryCommands.h"
#include "ztui/drawinput/ZTViewBoxTransients.h"
#include "ztui/frame/ComponentRegistry.h"
#include "ztui/frame/GraphicsViewHook.h"
#include "ztui/frame/IResManagerIcon.h"
#include "ztui/frame/ZTCmdLineEventListener.h"
#include "ztui/frame/ZTUiEventListener.h"
#include "ztui/frame/ZTViewMsgEventListener.h"
#include "ztui/layers/ZTButtonLayerSet.h"
#include "ztui/propertypanel/PropertyGroupMemory.h"
#include "ztui/propertypanel/ZTPropertyDataMgn.h"
#include "ztui/propertypanel/ZTPropertySetMgn.h"
#include "ztui/proplist/model/ValueText.h"
#include "ztui/proplist/style/DrawStyleColor.h"
#include "ztui/proplist/style/PropertyStyle.h"
#include "ztui/proplist/style/XmlReader.h"
#include "ztui/tracer/TracerGeometry.h"
#include "ztui/tracer/TracerProxy.h"
#include "ztui/widgets/ControlGroups.h"
#include "ztui/widgets/ExpressionEvaluator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(ExportedBoundary, EventEntriesTakeNullNamesEmptyPayloadsAndNullListeners)
{
    EXPECT_NO_THROW({
        EXPECT_TRUE(zt::NotifyListeners(nullptr, Json::Value()));
        EXPECT_TRUE(zt::NotifyListeners("", Json::Value(Json::arrayValue)));
        EXPECT_TRUE(zt::NotifyListeners(zt::ZTContextbarEvent::kCreateEvent, Json::Value("x")));
        EXPECT_TRUE(zt::NotifyListeners("Auxiliary", Json::Value(kNaN)));
        EXPECT_FALSE(zt::ZTViewMsgEventListener::instance().NotifyListeners(nullptr));
        EXPECT_FALSE(zt::OnCmdlineChar(0, CString()));
        EXPECT_FALSE(zt::OnCmdlineChar(0xFFFFFFFFu, CString(L"\x1")));
    });
    const std::size_t ui = zt::ZTUiEventListener::instance().registry().listeners().size();
    zt::ZTUiEventListener::instance().AddListener(nullptr);
    zt::ZTUiEventListener::instance().DropListener(nullptr);
    zt::ZTViewMsgEventListener::instance().AddListener(nullptr);
    zt::ZTCmdLineEventListener::instance().DropListener(nullptr);
    EXPECT_EQ(zt::ZTUiEventListener::instance().registry().listeners().size(), ui);
}

TEST(ExportedBoundary, ComponentRegistryRefusesEmptyNamesAndNullComponents)
{
    zt::ComponentRegistry& registry = zt::ComponentRegistry::instance();
    EXPECT_FALSE(registry.publish("", nullptr));
    EXPECT_FALSE(registry.publish("Boundary.Null", nullptr));
    EXPECT_EQ(registry.find(""), nullptr);
    EXPECT_EQ(registry.find("no such component"), nullptr);
    EXPECT_EQ(registry.withdraw("no such component"), nullptr);
    EXPECT_EQ(registry.query<resman::IResManagerIcon>(""), nullptr);
    auto icons = registry.query<resman::IResManagerIcon>(resman::kResManagerIconName);
    ASSERT_NE(icons, nullptr);
    EXPECT_FALSE(icons->load(nullptr));
    EXPECT_FALSE(icons->load(L""));
    EXPECT_FALSE(icons->load(L"no such library.dll"));
    EXPECT_EQ(icons->find(nullptr), nullptr);
    EXPECT_EQ(icons->find(L""), nullptr);
}

TEST(ExportedBoundary, TextReadersGiveTheirEmptyResults)
{
    EXPECT_EQ(zt::xml::ParseDocument(L""), nullptr);
    EXPECT_EQ(zt::xml::ParseFile(""), nullptr);
    EXPECT_EQ(zt::xml::ParseFile("/no/such/folder/property.xml"), nullptr);
    EXPECT_EQ(zt::xml::DecodeDocumentBytes(""), L"");
    EXPECT_EQ(zt::xml::DecodeDocumentBytes("\xEF\xBB\xBF"), L"");
    EXPECT_EQ(zt::xml::DecodeDocumentBytes("\xFF\xFE\x41"), L"");
    EXPECT_EQ(zt::xml::DecodeEntities(L"&"), L"&");
    EXPECT_EQ(zt::PropertyStyle::LoadTree(""), nullptr);
    EXPECT_EQ(zt::PropertyStyle::StyleRootOf(nullptr), nullptr);

    const zt::StyleLookup none(nullptr);
    EXPECT_EQ(none.Resolve(L""), nullptr);
    EXPECT_EQ(none.Color(L"a/b", 0x123456u), 0x123456u);
    EXPECT_EQ(none.Colors(L"a"), nullptr);
    EXPECT_EQ(none.Number(L"", 2.5), 2.5);
    EXPECT_EQ(none.Font(L"").height, 12);
    EXPECT_EQ(none.ColumnSplit(), 0.5);

    const dsc::DrawStyleColor colors = dsc::DrawStyleColor::Parse(L"#FF0000");
    EXPECT_EQ(colors.colorAt(-1), 0u);
    EXPECT_EQ(colors.colorAt(1), 0u);
    EXPECT_EQ(colors.colorAt(std::numeric_limits<int>::min()), 0u);
    EXPECT_EQ(dsc::DrawStyleColor::Parse(L"").count(), 0);

    EXPECT_TRUE(zt::PropertyGroupMemory::Parse("").isObject());
    EXPECT_TRUE(zt::PropertyGroupMemory::Load(L"").isNull());
    EXPECT_FALSE(zt::PropertyGroupMemory::Save(L"", Json::Value(Json::objectValue)));
}

TEST(ExportedBoundary, NumberTextsOfNonNumbersAndEmptyTexts)
{
    using namespace zt::valuetext;
    EXPECT_EQ(ReadInteger(CString()), 0);
    EXPECT_EQ(ReadNumber(CString(L"abc")), 0.0);
    EXPECT_EQ(ReadDegreesAsRadians(CString()), 0.0);
    EXPECT_NO_THROW((void)ReadInteger(CString(L"99999999999999999999")));
    EXPECT_NO_THROW({
        (void)FormatDistance(kNaN, -5);
        (void)FormatDistance(kInf, 400);
        (void)FormatAngle(kNaN, 2);
        (void)FormatCoordinate(-kInf);
        (void)FormatInteger(std::numeric_limits<int>::min());
    });
    EXPECT_EQ(zt::TracerReadNumber(CString()), 0.0);
    EXPECT_EQ(zt::TracerReadNumber(CString(L"-")), 0.0);
    EXPECT_EQ(zt::TracerUnsignedAngle(0, 0), 0.0);
    const double angle = zt::TracerUnsignedAngle(kNaN, 1.0);
    EXPECT_TRUE(std::isnan(angle) || (angle >= 0.0 && angle <= 180.0));
    EXPECT_NO_THROW((void)zt::TracerPolarPoint(DPoint3d::From(0, 0, 0), kInf, kNaN));

    const zt::ExpressionResult empty = zt::ExpressionEvaluator::Evaluate("");
    EXPECT_EQ(empty.value, 0.0);
    EXPECT_EQ(zt::ExpressionEvaluator::EvaluateText(L""), L"0.0");
}

TEST(ExportedBoundary, GeometryHelpersTakeEmptyListsAndDegenerateInput)
{
    EXPECT_TRUE(zt::NearestAuxiliaryCandidates({}, DPoint3d::From(0, 0, 0)).empty());
    EXPECT_TRUE(zt::NearestAuxiliaryCandidates({}, DPoint3d::From(kNaN, 0, 0), 0).empty());
    EXPECT_TRUE(zt::TakeAuxiliaryLines({}).empty());
    const double zero = zt::AuxiliaryDirectionDegrees(DVec3d::From(0, 0, 0));
    EXPECT_GE(zero, 0.0);
    EXPECT_LE(zero, 180.0);

    using namespace QDlgResize_Space;
    EXPECT_TRUE(RowPatternRules({}).empty());
    EXPECT_NO_THROW((void)MinimumRowWidth({}, -10));
    const ModeRowResult row = LayoutModeRow({}, ModeRowInput{-5, -7, -1, 3, -100});
    EXPECT_FALSE(row.changed);
    EXPECT_TRUE(row.rects.empty());
    EXPECT_EQ(row.remainder, 3);
    EXPECT_TRUE(zt::GroupMembersOf({}, -1).empty());
}

TEST(ExportedBoundary, ContextBarFacadeWithoutAFactoryAndWithNullNames)
{
    DesktopFixture desk;
    EXPECT_TRUE(zt::ZTContextbarFactoryManager::RegisterFactory(nullptr, nullptr));
    EXPECT_TRUE(zt::ZTContextbarFactoryManager::RegisterFactory("", nullptr));
    EXPECT_TRUE(zt::ZTContextbarFactoryManager::UnregisterFactory(nullptr));
    EXPECT_TRUE(zt::ZTContextbarFactoryManager::UnregisterFactory("no such class"));
    zt::ZTContextbarEvent::instance().Register(nullptr, nullptr);
    zt::ZTContextbarEvent::instance().Unregister(nullptr);
    EXPECT_EQ(zt::ZTContextbarEvent::instance().Find(WString()), nullptr);
    zt::ZTContextbarEvent::instance()._OnReceive(nullptr, Json::Value());

    zt::ZTContextBarProxy::Register(nullptr);
    EXPECT_NO_THROW({
        zt::ZTContextBarProxy::CreateContextbar();
        zt::ZTContextBarProxy::MoveContextbar(DPoint3d::From(kNaN, kInf, 0));
        zt::ZTContextBarProxy::UpdateStartPoint(DPoint3d::From(-kInf, 0, 0));
        zt::ZTContextBarProxy::UpdateStatus(TSContextbarStatus{});
        zt::ZTContextBarProxy::ReleseContextbar();
        zt::ZTContextBarProxy::UnRegister();
    });
    EXPECT_EQ(zt::ZTContextBarProxy::GetFactory(), nullptr);
    const DPoint3d kept = zt::ZTContextBarProxy::FollowCursor(DPoint3d::From(10, 10, 0), -5, -5,
                                                             DPoint3d::From(kNaN, 0, 0));
    EXPECT_NO_THROW((void)kept);
    zt::win::Desktop::Pump();
}

TEST(ExportedBoundary, TracerFacadeWithoutATool)
{
    DesktopFixture desk;
    zt::TracerProxy::ResetState();
    zt::TracerProxy::Register(nullptr);
    EXPECT_FALSE(zt::TracerProxy::IsRegister());
    EXPECT_NO_THROW({
        zt::TracerProxy::CreateTracer();
        zt::TracerProxy::MoveTracer(DPoint3d::From(kNaN, kNaN, kNaN));
        zt::TracerProxy::SetStartPoint(DPoint3d::From(kInf, 0, 0));
        zt::TracerProxy::NotifyNumDown(CString());
        zt::TracerProxy::ResponseTab();
        zt::TracerProxy::DeliverResult();
        zt::TracerProxy::DeliverChange();
        zt::TracerProxy::PostToBox(nullptr);
        zt::TracerProxy::PostToBox("");
        zt::TracerProxy::ResetTracer();
        zt::TracerProxy::CloseTracer();
        zt::TracerProxy::UnRegister();
    });
    EXPECT_EQ(zt::TracerProxy::GetEvent(), nullptr);
    zt::win::Desktop::Pump();
    zt::TracerProxy::ResetState();
}

TEST(ExportedBoundary, PropertyDataWithEmptyNamesAndNullObjects)
{
    DgnProject* project = DgnApplication::Get().NewProject();
    ASSERT_NE(project, nullptr);
    zt::ZTPropertyDataMgn& data = zt::ZTPropertyDataMgn::instance();
    data.registerECClassTool(Utf8String(""), nullptr);
    ASSERT_NE(data.getToolIdByClassName(Utf8String("")), nullptr);
    EXPECT_STREQ(data.getToolIdByClassName(Utf8String("no such class")), "");
    data.setPickUpObject(Utf8String(""), Utf8String(""), nullptr);
    data.setToolObject(Utf8String(""), Utf8String(""), nullptr);
    EXPECT_NO_THROW((void)data.getPickUpObject(Utf8String(""), Utf8String(""), *project));
    RefCountedPtr<TSObject> dst;
    EXPECT_FALSE(data.cloneObject(nullptr, dst, {}));

    std::map<CString, bool> set;
    EXPECT_FALSE(zt::ZTPropertySetMgn::instance().getCurrentPropertySet(Utf8String(""), set));
    EXPECT_TRUE(set.empty());
    zt::ZTPropertySetMgn::instance().setCurrentPropertySet(Utf8String(""), {});
    DgnApplication::Get().CloseProject();
}

TEST(ExportedBoundary, HostCommandsAndLayersWithoutAProjectOrAView)
{
    DesktopFixture desk;
    EXPECT_NO_THROW({
        zt::ArchZoome();
        zt::ShowModelInfo();
        zt::CloseModelInfo();
        zt::CatchLocate();
        zt::AddViewBox();
        zt::InstallGraphicsViewHook();
        zt::InstallGraphicsViewHook();
        zt::UninstallGraphicsViewHook();
        zt::UninstallGraphicsViewHook();
    });
    EXPECT_FALSE(zt::IsGraphicsViewHookInstalled());

    setSelectedLayer(nullptr);
    ASSERT_NE(getSelectedLayer(), nullptr);
    getLayerVector(nullptr);
    getLayerVectorWithName(nullptr, nullptr, nullptr);
    getLayerVectorWithRef(nullptr, nullptr, nullptr);
    assignLayer(nullptr, nullptr);
    std::vector<CString> layers;
    getLayerVector(&layers);
    EXPECT_TRUE(layers.empty());
    EXPECT_FALSE(zt::IsCommonOperating(static_cast<TSOperating>(-1)));
    EXPECT_FALSE(zt::IsCommonOperating(static_cast<TSOperating>(1 << 20)));
}

} // namespace
