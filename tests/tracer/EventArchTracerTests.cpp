// The tracer's listener: view messages and command-line characters turned into proxy calls.
// Messages are handed to it as the view's pre-translation would; recording boxes stand in for
// the real ones.
#include "TracerTestSupport.h"

#include "platform/cad/DgnApplication.h"
#include "platform/cad/SelectionSetManager.h"
#include "platform/cad/ToolInput.h"
#include "platform/host/Commands.h"
#include "platform/host/Executors.h"
#include "platform/win/mfc/CDialog.h"
#include "tests/cad/ProjectTestSupport.h"
#include "ztui/frame/ZTCmdLineEventListener.h"
#include "ztui/frame/ZTViewMsgEventListener.h"
#include "ztui/tracer/ZTEventArchTracer.h"

using zt::TracerProxy;
using zt::TracerShared;
using zt::ZTEventArchTracer;
using zt::host::Executors;

namespace {

class RecordingBox : public CDialog, public zt::ITracerBox
{
public:
    void OnTracerMessage(const char* name) override { messages.emplace_back(name); }
    std::vector<std::string> messages;
};

using Messages = std::vector<std::string>;

class EventArchTracerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Executors::Get().PumpAll();
        TracerProxy::ResetState();
        env::UserEnvironment::getInstance()->setDefaultDomain(TesselDomain_Architecture);
        TesselModelessDialogManager::Get().Register("TesselTracerDialog", &box);
        IndexedViewSet& views = IViewManager::GetManager().GetActiveViewSet();
        viewport = views.OpenViewport(0);
        viewport->SetViewSize(800, 600);
        views.SetSelectedViewport(0);
        tool.InstallTool();
        TracerProxy::Register(&tool);
    }
    void TearDown() override
    {
        TracerProxy::UnRegister();
        tool.ExitTool();
        ToolInput::Clear();
        SelectionSetManager::GetManager().Clear();
        DgnApplication::Get().CloseProject();
        TesselModelessDialogManager::Get().Unregister("TesselTracerDialog");
        IViewManager::GetManager().GetActiveViewSet().CloseAll();
        env::UserEnvironment::getInstance()->setDefaultDomain(TesselDomain_Architecture);
    }

    bool Send(UINT message, WPARAM wParam = 0)
    {
        MSG msg{};
        msg.message = message;
        msg.wParam = wParam;
        bool consumed = ZTEventArchTracer::instance().OnViewMessage(&msg);
        Executors::Get().PumpAll();
        return consumed;
    }
    bool TypeDigit(unsigned ch)
    {
        bool taken = ZTEventArchTracer::instance().OnCmdLineChar(ch, L"");
        Executors::Get().PumpAll();
        return taken;
    }
    void CursorAt(const DPoint3d& world)
    {
        ToolInput::Motion(DgnButtonEvent(viewport, world, viewport->WorldToView(world),
                                         viewport->WorldToScreen(world), 0));
        Executors::Get().PumpAll();
    }
    void Open()
    {
        TracerProxy::CreateTracer();
        Executors::Get().PumpAll();
        box.messages.clear();
    }

    RecordingBox box;
    TracerTool tool;
    IndexedViewport* viewport = nullptr;
};

} // namespace

TEST_F(EventArchTracerTest, ADigitInAFollowingBoxStartsTypingWithIt)
{
    Open();
    EXPECT_TRUE(TypeDigit('7'));
    EXPECT_TRUE(TracerProxy::GetTraceStatus());
    EXPECT_EQ(box.messages, (Messages{"wm_work2ui_tabdown", "wm_worl2ui_numdown"}));
    EXPECT_EQ(TracerShared::Get().GetTypedText(), L"7");

    // Typing already: the next digit is the field's, not the listener's.
    box.messages.clear();
    EXPECT_FALSE(TypeDigit('8'));
    EXPECT_TRUE(box.messages.empty());
}

TEST_F(EventArchTracerTest, OnlyDigitsAreTaken)
{
    Open();
    for (unsigned ch : {unsigned('a'), unsigned('.'), unsigned('-'), unsigned(' '), 0x4E00u, 0u})
        EXPECT_FALSE(TypeDigit(ch)) << ch;
    EXPECT_FALSE(TracerProxy::GetTraceStatus());
    EXPECT_TRUE(box.messages.empty());
    EXPECT_TRUE(TypeDigit('0'));
}

TEST_F(EventArchTracerTest, MouseMovesFollowOnlyAnOpenRegisteredArchTracer)
{
    CursorAt(DPoint3d::From(10, 20, 0));
    EXPECT_FALSE(Send(WM_MOUSEMOVE));
    EXPECT_TRUE(box.messages.empty()) << "not open";

    Open();
    EXPECT_FALSE(Send(WM_MOUSEMOVE));
    EXPECT_EQ(box.messages, Messages{"wm_work2ui_movetacer"});
    ExpectPointNear(TracerShared::Get().GetMovePoint(), DPoint3d::From(10, 20, 0), 1e-9);

    // While the user types the tracer owns the motion, and the box stays.
    TracerProxy::SetTraceStatus(true);
    box.messages.clear();
    EXPECT_TRUE(Send(WM_MOUSEMOVE));
    EXPECT_TRUE(box.messages.empty());

    // The middle button ends the typing.
    Send(WM_MBUTTONDOWN);
    EXPECT_FALSE(TracerProxy::GetTraceStatus());
    EXPECT_FALSE(Send(WM_MOUSEMOVE));

    TracerProxy::SetCustomTracer(true);
    box.messages.clear();
    EXPECT_FALSE(Send(WM_MOUSEMOVE));
    EXPECT_TRUE(box.messages.empty()) << "a custom tracer follows by its own means";
}

TEST_F(EventArchTracerTest, OutsideTheArchitectureDomainNothingIsHandled)
{
    Open();
    env::UserEnvironment::getInstance()->setDefaultDomain(TesselDomain_Equipment);
    CursorAt(DPoint3d::From(10, 20, 0));
    Send(WM_MOUSEMOVE);
    Send(WM_KEYDOWN, VK_TAB);
    Send(WM_LBUTTONDOWN);
    EXPECT_TRUE(box.messages.empty());
    EXPECT_FALSE(TracerProxy::GetTraceStatus());
}

TEST_F(EventArchTracerTest, TabStartsTypingButNotWithShiftOrCtrlOrWhenClosed)
{
    Send(WM_KEYDOWN, VK_TAB);
    EXPECT_FALSE(TracerProxy::GetTraceStatus()) << "closed";
    Open();
    for (int modifier : {VK_SHIFT, VK_CONTROL}) {
        SCOPED_TRACE(modifier);
        DesktopFixture desk;
        desk.keyDown(modifier);
        EXPECT_FALSE(Send(WM_KEYDOWN, VK_TAB));
        desk.keyUp(modifier);
        EXPECT_FALSE(TracerProxy::GetTraceStatus());
        EXPECT_TRUE(box.messages.empty());
    }
    EXPECT_FALSE(Send(WM_KEYDOWN, VK_TAB)) << "the key still goes to the view";
    EXPECT_TRUE(TracerProxy::GetTraceStatus());
    EXPECT_EQ(box.messages, Messages{"wm_work2ui_tabdown"});
}

TEST_F(EventArchTracerTest, AClickRestartsTheTracerAtTheClickedPoint)
{
    Open();
    CursorAt(DPoint3d::From(30, 40, 12));
    TracerProxy::SetTraceStatus(true);
    EXPECT_FALSE(Send(WM_LBUTTONDOWN));
    EXPECT_FALSE(TracerProxy::GetTraceStatus());
    EXPECT_EQ(box.messages, Messages{"wm_work2ui_createdlg"});
    const zt::TracerSharedData d = TracerShared::Get().Snapshot();
    ExpectPointNear(d.startPoint, DPoint3d::From(30, 40, 0), 0.0);
    EXPECT_TRUE(d.startPointSet);
    EXPECT_TRUE(TracerProxy::GetOperPonits().empty()) << "nothing selected";

    // A double click is only a click to the view: the listener leaves it alone.
    box.messages.clear();
    Send(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(box.messages.empty());
}

TEST_F(EventArchTracerTest, AClickOnSelectedElementsAddsAnOperationPoint)
{
    DgnProject* project = DgnApplication::Get().NewProject();
    ASSERT_NE(project, nullptr);
    DgnModel* model = project->GetDefaultModel();
    bvector<ElementRef*> elements;
    for (int i = 0; i < 2; ++i)
        elements.push_back(
            model->FindElementById(AddLine(*model, DPoint3d::From(0, i), DPoint3d::From(1, i))));
    SelectionSetManager::GetManager().ReplaceWith(elements);
    ASSERT_EQ(SelectionSetManager::GetManager().NumSelected(), 2u);
    Open();
    CursorAt(DPoint3d::From(5, 6, 7));

    Send(WM_LBUTTONDOWN);
    EXPECT_TRUE(TracerProxy::GetOperPonits().empty()) << "the tool did not open for the selection";

    TracerProxy::SetTracerOpenReason(zt::REASON_SELECTION);
    box.messages.clear();
    Send(WM_LBUTTONDOWN);
    ASSERT_EQ(TracerProxy::GetOperPonits().size(), 1u);
    ExpectPointNear(TracerProxy::GetOperPonits()[0], DPoint3d::From(5, 6, 0), 0.0);
    EXPECT_EQ(box.messages, (Messages{"wm_work2ui_createdlg", "wm_work2ui_createdlg"}));
    EXPECT_TRUE(TracerProxy::GetTracerIsOpen());
}

TEST_F(EventArchTracerTest, TheListenerStandsInBothRegistriesFromTheLoad)
{
    const auto& views = zt::ZTViewMsgEventListener::instance().registry();
    const auto& lines = zt::ZTCmdLineEventListener::instance().registry();
    auto has = [](const auto& registry, const void* listener) {
        for (auto* l : registry.listeners())
            if (l == listener)
                return true;
        return false;
    };
    EXPECT_TRUE(has(views, static_cast<zt::ZTViewMsgEvent*>(&ZTEventArchTracer::instance())));
    EXPECT_TRUE(has(lines, static_cast<zt::ZTCmdLineEvent*>(&ZTEventArchTracer::instance())));
    for (const char* name : {"Tool.InitTracer", "Tool.InitTracerCus", "Tool.InitTracerDim"})
        EXPECT_TRUE(TesselToolsManager::IsRegistered(name)) << name;
}
