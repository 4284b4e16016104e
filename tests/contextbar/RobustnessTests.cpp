// The bar under picks faster than it can open, payloads the host got wrong, and a click that
// comes after its element is gone.

#include "ContextbarTestSupport.h"

#include "platform/cad/IViewManager.h"
#include "platform/host/MainFrame.h"
#include "ztui/frame/GraphicsViewHook.h"
#include "ztui/widgets/IconButton.h"

namespace {

// Labels its one button with the number of the request, so the bar tells which pick it is for.
class CountingFactory : public RecordingFactory
{
public:
    void addCustomButton(TSContextbarButton& record) override
    {
        ++customButtonRequests;
        record.buttons = {Button(TSOperating_Move, TSContextbarKind_Common,
                                 std::to_wstring(customButtonRequests).c_str())};
    }
};

class Robustness : public ContextbarTest
{
protected:
    void SetUp() override
    {
        ContextbarTest::SetUp();
        frame = zt::host::CreateMainFrame(RECT{0, 0, 1200, 800});
        ASSERT_NE(frame, nullptr);
        zt::ZTContextbarFactoryManager::RegisterFactory("TSArchiWall", &factory);
        for (int i = 0; i < 3; ++i)
            walls.push_back(project.AddWall(1000.0 * i));
        desk.pump();
    }
    void TearDown() override
    {
        ContextbarTest::TearDown();
        zt::UninstallGraphicsViewHook();
        zt::host::DestroyMainFrame();
        IViewManager::GetManager().GetActiveViewSet().CloseAll();
        desk.pump();
    }
    // The bar windows in the view.
    int BarWindows()
    {
        int n = 0;
        for (HWND h = ::GetWindow(frame->GetGraphicsView()->m_hWnd, GW_CHILD); h;
             h = ::GetWindow(h, GW_HWNDNEXT))
            if (CWnd::FromHandlePermanent(h) &&
                CWnd::FromHandlePermanent(h)->IsKindOf(RUNTIME_CLASS(zt::ZTDlgUiContextbar)))
                ++n;
        return n;
    }

    zt::host::HostMainFrame* frame = nullptr;
    CountingFactory factory;
    std::vector<ElementRef*> walls;
};

} // namespace

TEST_F(Robustness, ABurstOfPicksLeavesOneBarForTheLastOne)
{
    constexpr int kPicks = 1000;
    for (int i = 0; i < kPicks; ++i) {
        SendClose();
        SendPick({walls[static_cast<std::size_t>(i % 3)]}, DPoint3d{i + 0.5, 0.5, 0});
    }
    desk.pump();
    EXPECT_EQ(BarWindows(), 1);
    zt::ZTDlgUiContextbar* bar = zt::ZTDlgUiContextbar::GetWindow();
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->IsWindowVisible());
    ASSERT_EQ(bar->labels().size(), 1u);
    EXPECT_EQ(bar->labels()[0], WString(std::to_wstring(kPicks)));
    EXPECT_EQ(Data().getvetInstanceKey(),
              (std::vector<ECInstanceKey>{KeyOf(walls[(kPicks - 1) % 3])}));
    EXPECT_EQ(Data().getClickPoint().x, kPicks - 0.5);
    EXPECT_EQ(factory.changes.size(), 1u) << "only the bar that opened sent its operation";

    // Picks while the bar is open only show it again.
    for (int i = 0; i < kPicks; ++i)
        SendPick({walls[0]}, DPoint3d{0.5, 0.5, 0});
    desk.pump();
    EXPECT_EQ(BarWindows(), 1);
    EXPECT_EQ(zt::ZTDlgUiContextbar::GetWindow(), bar);
    EXPECT_EQ(factory.customButtonRequests, kPicks);
}

TEST_F(Robustness, PayloadsWithMissingFieldsOrWrongTypesAreIgnoredQuietly)
{
    const ECInstanceKey key = KeyOf(walls[0]);
    Json::Value valid(Json::objectValue);
    valid["ECInstanceID"] = Json::Int64(key.GetECInstanceId());
    valid["ECClassID"] = Json::Int64(key.GetECClassId());
    auto with = [&](const char* member, Json::Value v) {
        Json::Value element = valid;
        element[member] = std::move(v);
        Json::Value payload(Json::objectValue);
        payload["Struct"].append(element);
        return payload;
    };
    auto without = [&](const char* member) {
        Json::Value element = valid;
        element.removeMember(member);
        Json::Value payload(Json::objectValue);
        payload["Struct"].append(element);
        return payload;
    };
    Json::Value notAnArray(Json::objectValue);
    notAnArray["Struct"] = "walls";
    Json::Value notObjects(Json::objectValue);
    notObjects["Struct"].append(5);
    Json::Value empty(Json::objectValue);
    empty["Struct"] = Json::Value(Json::arrayValue);
    Json::Value secondBad(Json::objectValue);
    secondBad["Struct"].append(valid);
    secondBad["Struct"].append(Json::Value("x"));
    Json::Value noSuchElement = with("ECInstanceID", Json::Int64(987654321));

    const std::vector<Json::Value> payloads = {
        Json::Value(),
        Json::Value(Json::arrayValue),
        Json::Value("Create"),
        Json::Value(Json::objectValue),
        notAnArray,
        notObjects,
        empty,
        secondBad,
        noSuchElement,
        with("ECInstanceID", "12"),
        with("ECClassID", 2.5),
        with("ECInstanceID", Json::UInt64(~0ull)),
        with("ECClassID", true),
        without("ECInstanceID"),
        without("ECClassID"),
    };
    for (std::size_t i = 0; i < payloads.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(zt::NotifyListeners(zt::ZTContextbarEvent::kCreateEvent, payloads[i]));
        desk.pump();
        EXPECT_FALSE(zt::ZTContextBarProxy::IsBarExist());
        EXPECT_TRUE(Data().getvetInstanceKey().empty());
        EXPECT_EQ(zt::ZTDlgUiContextbar::GetWindow(), nullptr);
    }
    EXPECT_EQ(factory.customButtonRequests, 0);

    // Coordinates of the wrong type stay at the origin; the pick itself is good.
    Json::Value pick = with("ECClassID", Json::Int64(key.GetECClassId()));
    pick["pointX"] = "12.5";
    pick["pointY"] = Json::Value(Json::arrayValue);
    pick["pointZ"] = 3.5;
    zt::NotifyListeners(zt::ZTContextbarEvent::kCreateEvent, pick);
    desk.pump();
    EXPECT_TRUE(zt::ZTContextBarProxy::IsBarExist());
    EXPECT_EQ(Data().getClickPoint().x, 0.0);
    EXPECT_EQ(Data().getClickPoint().y, 0.0);
    EXPECT_EQ(Data().getClickPoint().z, 3.5);
    EXPECT_NE(zt::ZTDlgUiContextbar::GetWindow(), nullptr);
}

TEST_F(Robustness, AClickAfterTheElementWasDeletedDoesNoHarm)
{
    SelectionSetManager::GetManager().ReplaceWith({walls[1]});
    SendPick({walls[1]}, DPoint3d{0.5, 0.5, 0});
    desk.pump();
    zt::ZTDlgUiContextbar* bar = zt::ZTDlgUiContextbar::GetWindow();
    ASSERT_NE(bar, nullptr);
    RefCountedPtr<ITSObject> object = TSObjectExtensionManager::Get().GetTSObject(walls[1]);
    ASSERT_TRUE(dynamic_cast<TSGraphicElement*>(object.get())->DeleteFromModel());
    EXPECT_EQ(SelectionSetManager::GetManager().NumSelected(), 0u);

    CRect r;
    zt::ZTDlgUiContextbar::GetButtonControl(0)->GetWindowRect(&r);
    desk.click(r.CenterPoint());
    desk.pump();
    EXPECT_EQ(factory.changes.size(), 2u);
    Data().setTSClickType(TSClickType_Plain);
    Data().addTSOperating(static_cast<TSOperating>(9));
    EXPECT_EQ(Data().operatingMap.count(L"TSArchiWall"), 0u) << "a gone element has no class";
    SendClose();
    desk.pump();
    EXPECT_EQ(zt::ZTDlgUiContextbar::GetWindow(), nullptr);
}
