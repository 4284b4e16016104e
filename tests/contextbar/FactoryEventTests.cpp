// The pick event, the factories and the default rules of a click: which buttons a selection
// gets, which host tool a click starts, and what the bar writes for the host's tools.

#include "ContextbarTestSupport.h"

#include "platform/cad/MessageSender.h"
#include "platform/host/TSArchiOpening.h"
#include "platform/host/TSModelInfoManager.h"
#include "platform/host/TSStoreyModelViewManager.h"

namespace {

class FactoryEvents : public ContextbarTest
{
protected:
    void SetUp() override
    {
        ContextbarTest::SetUp();
        zt::ZTContextbarFactoryManager::RegisterFactory("TSArchiWall", &wallFactory);
    }
    // A click on a button as the window sends it, straight to the current factory.
    void ClickButton(TSOperating op, int kind)
    {
        TSContextbarInfo info;
        info.operating = op;
        info.kind = kind;
        zt::ZTContextBarProxy::GetFactory()->OnContextbarChanged(info);
    }
    void Select(const bvector<ElementRef*>& elements)
    {
        SelectionSetManager::GetManager().ReplaceWith(elements);
    }

    RecordingFactory wallFactory;
};

} // namespace

TEST_F(FactoryEvents, APickStoresKeysAndPointAndOpensTheBarOfItsClass)
{
    ElementRef* wall = project.AddWall(0);
    SendPick({wall}, DPoint3d{1500.5, 20.25, 0.5});
    EXPECT_EQ(Data().getvetInstanceKey(), (std::vector<ECInstanceKey>{KeyOf(wall)}));
    EXPECT_EQ(Data().getClickPoint().x, 1500.5);
    EXPECT_EQ(Data().getClickPoint().y, 20.25);
    EXPECT_EQ(Data().getClickPoint().z, 0.5);
    EXPECT_EQ(zt::ZTContextBarProxy::GetFactory(), &wallFactory);
    EXPECT_TRUE(zt::ZTContextBarProxy::IsBarExist());
    EXPECT_EQ(wallFactory.buttonRequests, 1);

    // Open: a second pick only shows the bar again.
    SendPick({wall}, DPoint3d{10.5, 10.5, 0});
    EXPECT_EQ(wallFactory.buttonRequests, 1);

    SendClose();
    EXPECT_FALSE(zt::ZTContextBarProxy::IsBarExist());
    EXPECT_EQ(zt::ZTContextBarProxy::GetFactory(), nullptr);
    EXPECT_TRUE(zt::ZTDlgUiContextbar::GetBarButtons().empty());
}

TEST_F(FactoryEvents, IntegerCoordinatesAreNotTakenAndUnknownClassesOpenNoBar)
{
    ElementRef* slab = project.AddSlab();
    Json::Value payload = PickPayload({slab}, DPoint3d{0, 2.5, 0});
    payload["pointX"] = 5;
    zt::NotifyListeners(zt::ZTContextbarEvent::kCreateEvent, payload);
    EXPECT_EQ(Data().getClickPoint().x, 0.0) << "an integer leaves the coordinate at 0";
    EXPECT_EQ(Data().getClickPoint().y, 2.5);
    EXPECT_EQ(Data().getvetInstanceKey(), (std::vector<ECInstanceKey>{KeyOf(slab)}))
        << "the store hears of the pick";
    EXPECT_FALSE(zt::ZTContextBarProxy::IsBarExist()) << "no factory for slabs";
    EXPECT_EQ(zt::ZTContextBarProxy::GetFactory(), nullptr);
}

TEST_F(FactoryEvents, AClassKeepsItsFirstFactoryAndOutsideTheDomainNothingHappens)
{
    RecordingFactory second;
    EXPECT_TRUE(zt::ZTContextbarFactoryManager::RegisterFactory("TSArchiWall", &second));
    EXPECT_EQ(zt::ZTContextbarEvent::instance().Find(L"TSArchiWall"), &wallFactory);
    EXPECT_TRUE(zt::ZTContextbarFactoryManager::UnregisterFactory("TSArchiSlab"));

    ElementRef* wall = project.AddWall(0);
    env::UserEnvironment::getInstance()->setDefaultDomain(TesselDomain_Structure);
    SendPick({wall}, DPoint3d{1.5, 0, 0});
    EXPECT_TRUE(Data().getvetInstanceKey().empty());
    EXPECT_FALSE(zt::ZTContextBarProxy::IsBarExist());

    env::UserEnvironment::getInstance()->setDefaultDomain(TesselDomain_Architecture);
    EXPECT_TRUE(zt::ZTContextbarFactoryManager::UnregisterFactory("TSArchiWall"));
    SendPick({wall}, DPoint3d{1.5, 0, 0});
    EXPECT_FALSE(zt::ZTContextBarProxy::IsBarExist());
    EXPECT_EQ(second.buttonRequests, 0);
}

TEST_F(FactoryEvents, SeveralDistinctElementsGetTheBuiltInButtonsInOrder)
{
    ElementRef* a = project.AddWall(0);
    ElementRef* b = project.AddWall(3000);
    Select({a, b});
    SendPick({a, b}, DPoint3d{0.5, 0.5, 0});
    const auto& buttons = zt::ZTDlgUiContextbar::GetBarButtons();
    struct Expected
    {
        TSOperating op;
        const wchar_t* label;
        const wchar_t* icon;
    } expected[] = {{TSOperating_Move, L"移动", L"Graph_Move"},
                    {TSOperating_Rotate, L"旋转", L"Graph_Rotate"},
                    {TSOperating_Mirror, L"镜像", L"Graph_Mirror"},
                    {TSOperating_Promote, L"提升", L"Graph_Promote"},
                    {TSOperating_MultipleCopy, L"多重复制", L"Graph_MobileReplication"}};
    ASSERT_EQ(buttons.size(), std::size(expected));
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(buttons[i].operating, expected[i].op);
        EXPECT_EQ(buttons[i].label, WString(expected[i].label));
        EXPECT_EQ(buttons[i].iconName, WString(expected[i].icon));
        EXPECT_EQ(buttons[i].iconLibrary, WString(L"ZTIcons.dll"));
        EXPECT_EQ(buttons[i].kind, TSContextbarKind_Common);
        EXPECT_EQ(buttons[i].iconInId, 0);
    }
    EXPECT_EQ(Data().getTSClickType(), TSClickType_Several);
    EXPECT_EQ(zt::ZTDlgUiContextbar::GetBarClickType(), TSClickType_Several)
        << "the record takes the click type the factory left";
    EXPECT_TRUE(zt::ZTDlgUiContextbar::GetBarPreselect());
    EXPECT_EQ(wallFactory.customButtonRequests, 0);
}

TEST_F(FactoryEvents, ToolSettingsAndSinglePicksLeaveTheButtonsToTheFactory)
{
    ElementRef* a = project.AddWall(0);
    ElementRef* b = project.AddWall(3000);
    wallFactory.customButtons = {
        Button(static_cast<TSOperating>(9), TSContextbarKind_Class, L"加厚")};
    Select({a, b});
    Data().setTSClickType(TSClickType_ToolSetting);
    SendPick({a, b}, DPoint3d{0.5, 0.5, 0});
    EXPECT_EQ(wallFactory.customButtonRequests, 1);
    ASSERT_EQ(zt::ZTDlgUiContextbar::GetBarButtons().size(), 1u);
    EXPECT_EQ(Data().getTSClickType(), TSClickType_ToolSetting);
    SendClose();

    // The same pair, once as one element twice: not two distinct elements.
    Data().setTSClickType(TSClickType_Plain);
    Select({a});
    SendPick({a, a}, DPoint3d{0.5, 0.5, 0});
    EXPECT_EQ(wallFactory.customButtonRequests, 2);
}

TEST_F(FactoryEvents, TheRecordPreselectsTheRememberedOperationUnlessAToolSettingForbidsIt)
{
    ElementRef* wall = project.AddWall(0);
    wallFactory.customButtons = {Button(TSOperating_Move, TSContextbarKind_Common),
                                 Button(TSOperating_Rotate, TSContextbarKind_Common)};
    Data().setvetInstanceKey({KeyOf(wall)});
    Data().addTSOperating(TSOperating_Rotate);
    SendPick({wall}, DPoint3d{0.5, 0.5, 0});
    EXPECT_EQ(zt::ZTDlgUiContextbar::GetBarOperating(), TSOperating_Rotate);
    SendClose();

    wallFactory.customOperating = TSOperating_Move;
    SendPick({wall}, DPoint3d{0.5, 0.5, 0});
    EXPECT_EQ(zt::ZTDlgUiContextbar::GetBarOperating(), TSOperating_Move) << "the factory's own";
    SendClose();

    wallFactory.customOperating = TSOperating_None;
    Data().setTSClickType(TSClickType_ToolSetting);
    SendPick({wall}, DPoint3d{0.5, 0.5, 0});
    EXPECT_EQ(zt::ZTDlgUiContextbar::GetBarOperating(), TSOperating_None);
    SendClose();
    wallFactory.customPreselect = true;
    SendPick({wall}, DPoint3d{0.5, 0.5, 0});
    EXPECT_EQ(zt::ZTDlgUiContextbar::GetBarOperating(), TSOperating_Rotate);
}

TEST_F(FactoryEvents, ACommonClickStartsItsToolExceptAPlainMove)
{
    ElementRef* wall = project.AddWall(0);
    Select({wall});
    SendPick({wall}, DPoint3d{100.5, 200.5, 0});
    Data().setTSClickType(static_cast<TSClickType>(1));
    struct Case
    {
        TSOperating op;
        const char* tool;
    } cases[] = {{TSOperating_Move, "ArchMoveDyn"},
                 {TSOperating_Mirror, "Tessel.Tool.ArchMirror"},
                 {TSOperating_Copy, "Tessel.Tool.ArchCopy"},
                 {TSOperating_Rotate, "Tessel.Tool.ArchRotate"},
                 {TSOperating_Promote, "Tessel.Tool.ArchPromote"},
                 {TSOperating_MultipleCopy, "Tessel.Tool.ArchCopy"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tool);
        StartedTools().clear();
        ClickButton(c.op, TSContextbarKind_Common);
        zt::host::Executors::Get().PumpAll();
        EXPECT_EQ(StartedTools(), (std::vector<std::string>{c.tool}));
        EXPECT_EQ(AbstractUiStateManager::Get().GetInt("Contextbar_Operating", -1), c.op);
    }
    const Json::Value anchor = AbstractUiStateManager::Get().GetJson("MoveDyn");
    EXPECT_EQ(anchor["MoveDyn"]["x"].asDouble(), 100.5);
    EXPECT_EQ(anchor["MoveDyn"]["y"].asDouble(), 200.5);

    // A plain pick of one element: the move button starts nothing.
    Data().setTSClickType(TSClickType_Plain);
    AbstractUiStateManager::Get().SetValue("Contextbar_Operating", 1);
    StartedTools().clear();
    ClickButton(TSOperating_Move, TSContextbarKind_Common);
    zt::host::Executors::Get().PumpAll();
    EXPECT_TRUE(StartedTools().empty());
    EXPECT_EQ(AbstractUiStateManager::Get().GetInt("Contextbar_Operating", -1), TSOperating_Move);
}

TEST_F(FactoryEvents, AnOperationWithoutAToolStartsNothingAndIsNotWritten)
{
    ElementRef* a = project.AddWall(0);
    ElementRef* b = project.AddWall(3000);
    Select({a, b});
    SendPick({a, b}, DPoint3d{0.5, 0.5, 0});
    AbstractUiStateManager::Get().SetValue("Contextbar_Operating", 4);
    ClickButton(static_cast<TSOperating>(7), TSContextbarKind_Common);
    zt::host::Executors::Get().PumpAll();
    EXPECT_TRUE(StartedTools().empty());
    EXPECT_EQ(AbstractUiStateManager::Get().GetInt("Contextbar_Operating", -1), 4);

    // A class button with several elements selected starts the tool of its operation.
    ClickButton(TSOperating_Mirror, TSContextbarKind_Class);
    zt::host::Executors::Get().PumpAll();
    EXPECT_EQ(StartedTools(), (std::vector<std::string>{"Tessel.Tool.ArchMirror"}));
}

TEST_F(FactoryEvents, ClassButtonsOfOneElementGoToTheFactoryOrReShowTheBar)
{
    ElementRef* wall = project.AddWall(0);
    Select({wall});
    wallFactory.customButtons = {Button(static_cast<TSOperating>(9), TSContextbarKind_Class)};
    SendPick({wall}, DPoint3d{0.5, 0.5, 0});
    Data().setTSClickType(static_cast<TSClickType>(1));
    ClickButton(static_cast<TSOperating>(9), TSContextbarKind_Class);
    ASSERT_EQ(wallFactory.customOperations.size(), 1u);
    EXPECT_EQ(wallFactory.customOperations[0].operating, 9);
    EXPECT_FALSE(AbstractUiStateManager::Get().HasValue("Contextbar_Operating"));

    // A plain pick after a mirror: the bar is released and the pick is made again.
    Data().setTSClickType(TSClickType_Plain);
    AbstractUiStateManager::Get().SetValue("Contextbar_Operating", 2);
    AbstractUiStateManager::Get().SetValue("Is_CloseBar", true);
    ClickButton(static_cast<TSOperating>(9), TSContextbarKind_Class);
    EXPECT_FALSE(AbstractUiStateManager::Get().GetBool("Is_CloseBar", true));
    EXPECT_FALSE(zt::ZTContextBarProxy::IsBarExist());
    EXPECT_EQ(zt::ZTContextBarProxy::GetFactory(), nullptr);
    zt::host::Executors::Get().PumpAll();
    EXPECT_EQ(StartedTools(), (std::vector<std::string>{"Tessel.Tool.Select"}));
    EXPECT_EQ(AbstractUiStateManager::Get().GetInt("Contextbar_Operating", -1), 9);
}

TEST_F(FactoryEvents, SlabsAndDimensionsAlwaysGoToTheirFactory)
{
    RecordingFactory slabFactory;
    zt::ZTContextbarFactoryManager::RegisterFactory("TSArchiSlab", &slabFactory);
    ElementRef* slab = project.AddSlab();
    ElementRef* wall = project.AddWall(5000);
    Select({slab, wall});
    SendPick({slab, wall}, DPoint3d{0.5, 0.5, 0});
    ClickButton(TSOperating_Move, TSContextbarKind_Common);
    zt::host::Executors::Get().PumpAll();
    EXPECT_TRUE(StartedTools().empty());
    ASSERT_EQ(slabFactory.customOperations.size(), 1u);
    EXPECT_EQ(slabFactory.customOperations[0].operating, TSOperating_Move);
}

TEST_F(FactoryEvents, AnOpeningMovesFromItsSpecialPointAndDrawingsHaveNoHeight)
{
    RecordingFactory openingFactory;
    zt::ZTContextbarFactoryManager::RegisterFactory("TSArchiOpening", &openingFactory);
    TSArchiOpeningPtr opening = TSArchiOpening::Create();
    ElementRef* hole = project.Project().FindElementById(
        opening->AddToModel(*project.Project().GetDefaultModel()));
    ASSERT_NE(hole, nullptr);
    Select({hole});
    SendPick({hole}, DPoint3d{1.5, 2.5, 3.5});
    Data().setSpecialPoint(DPoint3d{7.5, 8.5, 9.5});
    Data().setTSClickType(static_cast<TSClickType>(1));
    ClickButton(TSOperating_Move, TSContextbarKind_Common);
    Json::Value anchor = AbstractUiStateManager::Get().GetJson("MoveDyn")["MoveDyn"];
    EXPECT_EQ(anchor["x"].asDouble(), 7.5);
    EXPECT_EQ(anchor["z"].asDouble(), 9.5);
    EXPECT_EQ(anchor["z"].type(), Json::realValue);

    // The active view shows a flat drawing.
    TSStoreyModelViewInfoPtr view =
        TSStoreyModelViewManager::Get().EnsureViewportView(project.Project());
    ASSERT_TRUE(view.IsValid());
    TSModelInfo info;
    ASSERT_TRUE(
        TSModelInfoManager::Get().GetModelInfo(project.Project(), view->GetModelId(), info));
    info.modelType = TSModelType_Drawing;
    ASSERT_TRUE(TSModelInfoManager::Get().ReplaceModelInfo(project.Project(), info));
    ClickButton(TSOperating_Move, TSContextbarKind_Common);
    anchor = AbstractUiStateManager::Get().GetJson("MoveDyn")["MoveDyn"];
    EXPECT_EQ(anchor["x"].asDouble(), 7.5);
    EXPECT_EQ(anchor["z"].type(), Json::intValue);
    EXPECT_EQ(anchor["z"].asInt(), 0);
}

TEST_F(FactoryEvents, AToolSettingClickAsksTheWorkSideForTheToolsValues)
{
    int asked = 0;
    Json::Value seen(Json::objectValue);
    MessageSender::ReceiverId id = MessageSender::Get().AddReceiver(
        MessageSide::Work, "Tessel.Message.ToolSetting.GetUIValues", [&](const JsonMessage& m) {
            ++asked;
            seen = m.GetValue();
        });
    ElementRef* wall = project.AddWall(0);
    SendPick({wall}, DPoint3d{0.5, 0.5, 0});
    Data().setTSClickType(TSClickType_ToolSetting);
    ClickButton(TSOperating_Rotate, TSContextbarKind_Common);
    EXPECT_EQ(AbstractUiStateManager::Get().GetInt("Contextbar_Operating", -1), TSOperating_Rotate);
    zt::host::Executors::Get().PumpAll();
    MessageSender::Get().DropReceiver(id);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(seen.isNull());
    EXPECT_TRUE(StartedTools().empty()) << "the tool is already running";
}

TEST_F(FactoryEvents, TheBarFollowsACursorThatLeavesTheZoneAroundIt)
{
    const DPoint3d start{400, 300, 0};
    using zt::ZTContextBarProxy;
    EXPECT_EQ(ZTContextBarProxy::FollowCursor(start, 100, 30, {400 - 149, 300, 0}).x, 400.0);
    DPoint3d moved = ZTContextBarProxy::FollowCursor(start, 100, 30, {400 - 200, 300, 0});
    EXPECT_DOUBLE_EQ(moved.x, 350.0);
    EXPECT_DOUBLE_EQ(moved.y, 300.0);
    // Below the bar: the zone ends 165 pixels under its bottom and its 20-pixel margin.
    moved = ZTContextBarProxy::FollowCursor(start, 100, 30, {460, 300 + 30 + 20 + 165 + 40, 0});
    EXPECT_DOUBLE_EQ(moved.x, 400.0);
    EXPECT_DOUBLE_EQ(moved.y, 340.0);
    // Off a corner the bar moves along the line from its anchor to the cursor, by the part of
    // that line that lies beyond the zone.
    const DPoint3d cursor{400 + 100 + 150 + 300, 300 - 165 - 300, 0};
    moved = ZTContextBarProxy::FollowCursor(start, 100, 30, cursor);
    const DPoint3d anchor{460, 300, 0};
    const double dx = moved.x - start.x, dy = moved.y - start.y;
    const double ux = cursor.x - anchor.x, uy = cursor.y - anchor.y;
    EXPECT_NEAR(dx * uy - dy * ux, 0.0, 1e-6) << "along the line";
    EXPECT_GT(dx, 0.0);
    EXPECT_LT(dy, 0.0);
}
