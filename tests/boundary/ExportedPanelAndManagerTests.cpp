// The property panel's exported classes, the tool panels, the resizable and docked dialogs, the
// expression field, the UI manager and the context bar's store, given what a careless tool or
// host hands them: null objects and elements, empty names and titles, indices and enum values
// out of range, and windows destroyed behind their backs. Each stays quiet, and the good call
// after the bad ones shows the object still works.
#include "tests/propertypanel/PanelTestSupport.h"

#include "platform/cad/DgnApplication.h"
#include "platform/cad/DgnProject.h"
#include "platform/cad/MessageSender.h"
#include "platform/host/Executors.h"
#include "platform/host/MainFrame.h"
#include "platform/host/TSArchiStoreyManager.h"
#include "platform/host/TSObject.h"
#include "platform/host/TSUserPropertySet.h"
#include "platform/win/WinDlg.h"
#include "ztui/contextbar/ZTContextBarDataMgn.h"
#include "ztui/dlglayout/CQDockDlg.h"
#include "ztui/frame/ZTUiMgn.h"
#include "ztui/propertypanel/ZTDlgToolPanelBase.h"
#include "ztui/propertypanel/ZTDlgToolSettingCommon.h"
#include "ztui/propertypanel/ZTToolProperty.h"
#include "ztui/widgets/CCustomEdit.h"

#include <climits>
#include <limits>
#include <string>

using zt::ZTPropertyDlg;
using zt::ZTPropertyMgn;

namespace {

const HINSTANCE kToolModule = reinterpret_cast<HINSTANCE>(0x7B45);
constexpr unsigned kPanelTemplate = 4345;

class BoundaryToolPanel : public zt::ZTDlgToolPanelBase
{
public:
    BoundaryToolPanel() : ZTDlgToolPanelBase(kPanelTemplate) {}
    void _UpdateUI() override { ++updates; }
    void GetPanelObject(RefCountedPtr<TSGraphicElement>& object) override { object = shown; }
    void SetPanelObject(RefCountedPtr<TSBuildingElement>& object) override { given = object; }
    RefCountedPtr<TSGraphicElement> shown;
    RefCountedPtr<TSBuildingElement> given;
    int updates = 0;
};

// Tools register plain functions as factories: one panel each, so that one panel's window
// never stands in for another's.
BoundaryToolPanel* g_livePanel = nullptr;
BoundaryToolPanel* g_orphanPanel = nullptr;
int g_made = 0;
zt::ZTDlgToolPanelBase* MakeLivePanel()
{
    ++g_made;
    return g_livePanel;
}
zt::ZTDlgToolPanelBase* MakeOrphanPanel()
{
    ++g_made;
    return g_orphanPanel;
}

void OneThickness(TesselUIProperyList& list)
{
    list.addGroup(L"几何", true);
    TesselUIPropertyItem record(L"厚度", 240.0);
    list.addRecord(3, record);
}

// The property dialog docked in its pane, with tool panels from a module of their own and the
// host's setting template.
class PanelBoundary : public PanelTest
{
protected:
    void SetUp() override
    {
        PanelTest::SetUp();
        AddToolPanelTemplate(kToolModule, kPanelTemplate, WS_POPUP, 80, 40);
        zt::win::DialogTemplate setting = PanelDialogTemplate();
        setting.AddItem(L"Static", L"图层", zt::ZTDlgToolSettingCommon::kLayerLabelId, 0, 4, 80, 24,
                        10);
        setting.AddItem(L"ComboBox", nullptr, zt::ZTDlgToolSettingCommon::kLayerComboId,
                        WS_TABSTOP | CBS_DROPDOWNLIST | CBS_HASSTRINGS, 30, 78, 80, 60);
        zt::win::ResourceModule::AddDialog(
            AfxGetResourceHandle(), MAKEINTRESOURCEW(zt::ZTDlgToolSettingCommon::kTemplateId),
            setting);
        g_livePanel = new BoundaryToolPanel;
        g_orphanPanel = new BoundaryToolPanel;
        g_made = 0;
        tool->fill = &OneThickness;
    }
    void TearDown() override
    {
        for (BoundaryToolPanel** panel : {&g_livePanel, &g_orphanPanel}) {
            if ((*panel)->m_hWnd)
                (*panel)->DestroyWindow();
            delete *panel;
            *panel = nullptr;
        }
        zt::win::ResourceModule::RemoveModule(kToolModule);
        PanelTest::TearDown();
    }
    CRect ListRect()
    {
        CRect r;
        List().GetWindowRect(&r);
        dialog->ScreenToClient(&r);
        return r;
    }
};

TEST_F(PanelBoundary, ManagerTakesNullNamesNullFactoriesAndNoObject)
{
    ZTPropertyMgn& mgn = ZTPropertyMgn::instance();
    const std::size_t panels = mgn.context().toolPanels.size();
    mgn.registerToolPanel(nullptr, &MakeLivePanel, host.m_hWnd, kToolModule, kPanelTemplate);
    mgn.registerToolPanel("Boundary.NoFactory", nullptr, host.m_hWnd, kToolModule, kPanelTemplate);
    EXPECT_EQ(mgn.context().toolPanels.size(), panels);

    EXPECT_EQ(mgn.getToolPanel(nullptr), nullptr);
    EXPECT_TRUE(mgn.getLastToolName().empty());
    EXPECT_EQ(mgn.getToolPanel("Boundary.NoFactory"), nullptr);
    EXPECT_EQ(mgn.getLastToolName(), Utf8String("Boundary.NoFactory"));
    EXPECT_NO_THROW({
        mgn.refreshPropertyList(nullptr);
        mgn.refreshPropertyList("");
        mgn.recordShownGroups();
    });
    EXPECT_EQ(g_made, 0);

    mgn.setTempObject(nullptr);
    EXPECT_TRUE(mgn.getTempObject().IsNull());
    Utf8String noClass;
    EXPECT_TRUE(mgn.getTempObject(noClass).IsNull());
    EXPECT_TRUE(mgn.isGroupExtend(nullptr, WString(L"几何"), true));
    EXPECT_FALSE(mgn.isGroupExtend(nullptr, WString(), false));
    EXPECT_TRUE(mgn.isGroupExtend(tool.get(), WString(), true)) << "never recorded";
    EXPECT_NO_THROW(ZTPropertyMgn::RecordBeforeRefresh(WString(), {{nullptr, false}}));

    mgn.registerToolPanel("Boundary.Panel", &MakeLivePanel, host.m_hWnd, kToolModule,
                          kPanelTemplate);
    zt::ZTDlgToolPanelBase* panel = mgn.getToolPanel("Boundary.Panel");
    ASSERT_EQ(panel, g_livePanel);
    EXPECT_TRUE(::IsWindow(panel->m_hWnd));
    mgn.setTempObject(wall.get());
    Utf8String wallClass(kClass);
    EXPECT_EQ(mgn.getTempObject(wallClass).get(), wall.get());
    EXPECT_EQ(mgn.getTempObject().get(), wall.get());
}

TEST_F(PanelBoundary, DialogTakesNullElementsUnknownNamesAndIdsThatNameNoControl)
{
    Refresh();
    ASSERT_NE(Item(L"厚度"), nullptr);
    const std::size_t shown = Model().items().size();
    EXPECT_NO_THROW({
        dialog->refreshPropertyList(kClass, nullptr);
        dialog->refreshPropertyList(nullptr, wall.get());
        dialog->refreshPropertyList("", wall.get());
        dialog->refreshPropertyList("Boundary.NoSuchClass", wall.get());
        dialog->refreshSelectionPropertyList({nullptr});
        desk.pump();
    });
    EXPECT_EQ(Model().items().size(), shown) << "without a tool the list keeps what it showed";

    // Controls that do not exist are skipped; heights below one are no heights.
    dialog->SetGroupsPairBeforePropertyList({{{{-1, 1}, {65535, 3}}}}, 0);
    EXPECT_EQ(ListRect().top, 0);
    dialog->SetGroupsPairAfterPropertyList({{}, {{}}}, -40);
    EXPECT_GE(ListRect().Height(), 0);
    dialog->SetGroupsPairArroundPropertyList({}, INT_MIN, {{{4242, 2}}});
    EXPECT_GE(ListRect().Height(), 0);
    dialog->SetGroupsPairArroundPropertyList({{{4242, 2}}}, INT_MAX, {});
    EXPECT_NO_THROW(desk.pump());

    // None of it stops the list from being laid out and edited.
    dialog->SetGroupsPairOnlyPropertyList();
    CRect window;
    dialog->GetWindowRect(&window);
    EXPECT_EQ(ListRect(), CRect(4, 0, window.Width() - 4, window.Height() - 4));
    EXPECT_TRUE(List().IsWindowVisible());
    zt::PropertyItem_imp* item = Item(L"厚度");
    ASSERT_NE(item, nullptr);
    ZTPropertyDlg::OnListValueChanged(Model(), *item);
    ASSERT_EQ(tool->changes.size(), 1u);
    EXPECT_EQ(tool->changes[0].key, 3);
    EXPECT_EQ(tool->changes[0].object, wall.get());

    // A selection of elements that are not there shows nothing.
    dialog->refreshSelectionPropertyList({nullptr, nullptr});
    desk.pump();
    EXPECT_TRUE(Model().items().empty());
    EXPECT_TRUE(ZTPropertyMgn::instance().getTempObject().IsNull());
}

TEST_F(PanelBoundary, DialogWhoseWindowWentIsQuietAndIsMadeAgain)
{
    Refresh();
    ASSERT_NE(Item(L"厚度"), nullptr);
    ASSERT_TRUE(::DestroyWindow(dialog->m_hWnd));
    EXPECT_EQ(dialog->m_hWnd, nullptr);
    EXPECT_NO_THROW({
        dialog->SetGroupsPairOnlyPropertyList();
        dialog->SetGroupsPairBeforePropertyList({{{{ZTPropertyDlg::kListId, 1}}}}, 0);
        dialog->SetGroupsPairAfterPropertyList({}, 50);
        dialog->SetGroupsPairArroundPropertyList({}, 50, {});
        dialog->SetGroups({{{1, 2}}, {{3}}});
        dialog->RestackGroups();
        dialog->OnCommand(QDlgResize_Space::QDlgResize::kCmdRestackGroups, 0);
        dialog->OnCommand(QDlgResize_Space::QDlgResize::kCmdUpdateDone, 0);
        dialog->OnOK();
        dialog->OnCancel();
        dialog->refreshPropertyList(kClass, wall.get());
        desk.pump();
    });
    MSG enter{nullptr, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_NO_THROW((void)dialog->PreTranslateMessage(&enter));
    EXPECT_FALSE(dialog->UpdateData(TRUE));
    EXPECT_FALSE(dialog->SetDlgCaption(L"墙"));
    EXPECT_FALSE(dialog->CloseDlg());
    EXPECT_EQ(dialog->GetParentPane(), nullptr);
    EXPECT_EQ(ZTPropertyDlg::DialogOf(Model()), nullptr);
    // An edit that arrives for the gone dialog is dropped.
    if (zt::PropertyItem_imp* item = Item(L"厚度"))
        ZTPropertyDlg::OnListValueChanged(Model(), *item);
    EXPECT_TRUE(tool->changes.empty());
    EXPECT_TRUE(dialog->notified.empty());

    ASSERT_TRUE(dialog->CreateIndirect(PanelDialogTemplate(), &pane));
    pane.SetHostedWindow(dialog.get());
    dialog->SetGroupsPairOnlyPropertyList();
    Refresh();
    zt::PropertyItem_imp* item = Item(L"厚度");
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(List().IsWindowVisible());
    EXPECT_EQ(ZTPropertyDlg::DialogOf(Model()), dialog.get());
    EXPECT_TRUE(dialog->SetDlgCaption(L"墙"));
    EXPECT_EQ(dialog->GetParentPane(), &pane);
    ZTPropertyDlg::OnListValueChanged(Model(), *item);
    EXPECT_EQ(tool->changes.size(), 1u);
    EXPECT_EQ(dialog->notified.size(), 1u);
}

TEST_F(PanelBoundary, ToolPanelsAndTheSettingDialogAfterTheirWindowsWent)
{
    ZTPropertyMgn& mgn = ZTPropertyMgn::instance();
    // A panel registered with a parent window that is gone by the time it is asked for.
    CWnd gone;
    LPCTSTR cls = AfxRegisterWndClass(0, nullptr, nullptr);
    ASSERT_TRUE(gone.CreateEx(0, cls, L"gone", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    const HWND goneHandle = gone.m_hWnd;
    gone.DestroyWindow();
    mgn.registerToolPanel("Boundary.DeadParent", &MakeOrphanPanel, goneHandle, kToolModule,
                          kPanelTemplate);
    zt::ZTDlgToolPanelBase* orphan = nullptr;
    EXPECT_NO_THROW(orphan = mgn.getToolPanel("Boundary.DeadParent"));
    EXPECT_EQ(orphan, nullptr) << "no window can be made under a parent that is gone";
    EXPECT_EQ(mgn.context().toolPanels.at("Boundary.DeadParent").panel, nullptr);
    EXPECT_EQ(g_orphanPanel->m_hWnd, nullptr);

    auto* setting = static_cast<zt::ZTDlgToolSettingCommon*>(
        zt::ZTDlgToolSettingCommon::Get("Boundary.Setting", L"墙设置", true));
    ASSERT_TRUE(setting->Create(zt::ZTDlgToolSettingCommon::kTemplateId, &pane));
    pane.SetHostedWindow(setting);
    mgn.registerToolPanel("Boundary.Setting", &MakeLivePanel, host.m_hWnd, kToolModule,
                          kPanelTemplate);
    BoundaryToolPanel* panel =
        static_cast<BoundaryToolPanel*>(mgn.getToolPanel("Boundary.Setting"));
    ASSERT_EQ(panel, g_livePanel);
    panel->shown = wall.get();
    desk.pump();

    ASSERT_TRUE(::DestroyWindow(panel->m_hWnd));
    ASSERT_TRUE(::DestroyWindow(setting->m_hWnd));
    EXPECT_NO_THROW({
        setting->UpdateDockUIValue();
        setting->ShowDockUI();
        setting->CloseDockUI();
        setting->SetGroupsPairOnlyPropertyList();
        desk.pump();
    });
    EXPECT_FALSE(setting->SetDlgCaption(L"x"));
    EXPECT_EQ(setting->m_hWnd, nullptr) << "the host makes the dialog's window, not the library";

    ASSERT_TRUE(setting->Create(zt::ZTDlgToolSettingCommon::kTemplateId, &pane));
    pane.SetHostedWindow(setting);
    desk.pump();
    const int updates = g_livePanel->updates;
    setting->UpdateDockUIValue();
    setting->ShowDockUI();
    desk.pump();
    EXPECT_EQ(g_livePanel->updates, updates + 1);
    ASSERT_TRUE(::IsWindow(g_livePanel->m_hWnd));
    EXPECT_TRUE(g_livePanel->IsWindowVisible());
    CString caption;
    setting->GetWindowText(caption);
    EXPECT_EQ(caption, CString(L"墙设置"));
    EXPECT_NE(Item(L"厚度"), nullptr);
    setting->DestroyWindow();
}

// A graphic element of a class of its own, listed by the tool below.
class Probe : public TSGraphicElement
{
public:
    static RefCountedPtr<Probe> Create() { return new Probe(); }

private:
    Probe() : TSGraphicElement("TestSchema", Utf8String(kClassName), TesselDomain_Architecture) {}

public:
    static constexpr const char* kClassName = "Boundary.ProbeClass";
};

class CountingTool : public zt::ZTToolProperty
{
public:
    std::vector<int> keys;
    void OnPropertyListGet(RefCountedPtr<ITSObject>&, TesselUIProperyList& list) override
    {
        list.addGroup(L"几何", true);
        TesselUIPropertyItem count(L"数量", 7);
        list.addRecord(10, count);
        TesselUIPropertyItem thickness(L"厚度", 240.5);
        list.addRecord(20, thickness);
    }
    void OnSelectionPropertyListGet(const std::vector<ElementRef*>&,
                                    TesselUIProperyList& list) override
    {
        RefCountedPtr<ITSObject> none;
        OnPropertyListGet(none, list);
    }
    void OnPropertyItemChanged(RefCountedPtr<ITSObject>&, int key, TesselUIPropertyItem&) override
    {
        keys.push_back(key);
    }
};

TEST(ToolPropertyBoundary, NullObjectsNullElementsEmptyNamesAndUnknownButtons)
{
    DesktopFixture desk;
    RefCountedPtr<CountingTool> tool = new CountingTool();
    ASSERT_TRUE(TesselToolsInterfaceManager::RegisterInterface(Probe::kClassName, tool.get()));
    RefCountedPtr<ITSObject> none;
    RefCountedPtr<ITSObject> obj = Probe::Create().get();
    RefCountedPtr<ITSObject> plain = TSObject::Create("TestSchema", "Boundary.NoTool");

    std::map<CString, CString> props{{L"已有", L"1"}};
    tool->OnPropertyGet(none, props);
    tool->OnPropertyGet(plain, props);
    EXPECT_EQ(props.size(), 1u) << "nothing to list: the map is left as it was";
    tool->OnPropertySet(none, {{L"数量", L"3"}}, nullptr);
    tool->OnPropertySet(obj, {{L"数量", L"3"}}, plain);
    EXPECT_TRUE(tool->keys.empty()) << "a source without a tool gives no kinds";
    tool->OnPropertySet(obj, {{L"", L"1"}, {L"数量", L""}, {L"厚度", L"1e999"}}, nullptr);
    EXPECT_TRUE(tool->keys.empty()) << "no such name, an empty number, one out of range";

    TSUserPropertySet set;
    EXPECT_FALSE(zt::ZTToolProperty::getLinkArchElementProperty(nullptr, set));
    EXPECT_TRUE(set.GetGroupNames().empty());

    zt::ZTToolProperty::SetCurrentLayerName(L"墙");
    tool->OnSelectionChanged({});
    tool->OnSelectionChanged({nullptr});
    EXPECT_EQ(zt::ZTToolProperty::GetCurrentLayerName(), CString(L"墙"));
    tool->OnSelectedLayer({nullptr, nullptr}, nullptr);
    EXPECT_TRUE(zt::ZTToolProperty::GetCurrentLayerName().IsEmpty());

    int boxes = 0;
    zt::win::SetMessageBoxResponder([&](HWND, const wchar_t*, const wchar_t*, UINT) {
        ++boxes;
        return IDOK;
    });
    for (unsigned id : {0u, 99u, 102u, std::numeric_limits<unsigned>::max()})
        tool->OnClickToolBarButton({nullptr}, id);
    EXPECT_EQ(boxes, 0);
    tool->OnClickToolBarButton({nullptr}, zt::ZTToolProperty::kAddPropertyButton);
    EXPECT_EQ(boxes, 1);
    zt::win::SetMessageBoxResponder({});

    // The good calls: the object's properties come and go as before.
    tool->OnSelectedLayer({nullptr}, L"柱");
    EXPECT_EQ(zt::ZTToolProperty::GetCurrentLayerName(), CString(L"柱"));
    std::map<CString, CString> got;
    tool->OnPropertyGet(obj, got);
    EXPECT_EQ(got[CString(L"数量")], CString(L"7"));
    tool->OnPropertySet(obj, got, nullptr);
    EXPECT_EQ(tool->keys, (std::vector<int>{10, 20}));
    TesselToolsInterfaceManager::UnregisterInterface(Probe::kClassName,
                                                     IToolProperty::INTERFACE_NAME);
}

using QDlgResize_Space::CQDockDlg;

// A docked resizable panel and an expression field whose windows the host destroys.
class DestroyedLayoutWindows : public ::testing::Test
{
protected:
    static constexpr int kFieldId = 301;
    static constexpr UINT kReportedId = 7;

    void SetUp() override
    {
        LPCTSTR cls = AfxRegisterWndClass(0, nullptr, ::GetSysColorBrush(COLOR_BTNFACE));
        ASSERT_TRUE(frame.CreateEx(0, cls, L"frame", WS_POPUP | WS_VISIBLE, 50, 50, 500, 400,
                                   nullptr, nullptr));
        ASSERT_TRUE(pane.Create(L"面板", &frame, CRect(0, 0, 400, 350), TRUE, 902));
        ASSERT_TRUE(Make());
    }
    void TearDown() override
    {
        if (edit.m_hWnd)
            edit.DestroyWindow();
        if (panel.m_hWnd)
            panel.DestroyWindow();
        pane.DestroyWindow();
        frame.DestroyWindow();
    }
    bool Make()
    {
        if (!panel.CreateIndirect(PanelDialogTemplate(), &pane))
            return false;
        pane.SetHostedWindow(&panel);
        if (!edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 10, 160, 34),
                         &panel, kFieldId))
            return false;
        edit.SetCtrlId(kReportedId);
        desk.pump();
        return true;
    }
    std::wstring FieldText() const
    {
        CString text;
        edit.GetWindowText(text);
        return std::wstring(text.GetString());
    }

    DesktopFixture desk;
    CWnd frame;
    CDockablePane pane;
    CQDockDlg panel{0};
    zt::CCustomEdit edit;
};

TEST_F(DestroyedLayoutWindows, FieldWhoseWindowWentKeepsItsStateAndWorksWhenMadeAgain)
{
    edit.SetFocus();
    desk.type(L"12+3");
    desk.pump();
    ASSERT_EQ(FieldText(), L"12+3");
    // The field loses the focus while it goes: its parent is going too.
    EXPECT_TRUE(::DestroyWindow(panel.m_hWnd));
    EXPECT_NO_THROW(desk.pump());
    EXPECT_EQ(edit.m_hWnd, nullptr);
    EXPECT_NO_THROW({
        edit.EvaluateAndShow();
        edit.SetColors(zt::CCustomEdit::kFocusedText, zt::CCustomEdit::kFocusedBack);
        EXPECT_TRUE(edit.SetReadOnly(TRUE));
        EXPECT_TRUE(edit.SetReadOnly(FALSE));
    });
    EXPECT_FALSE(edit.AcceptsChar('+')) << "a field without text takes no operator";
    EXPECT_TRUE(edit.AcceptsChar('-'));
    EXPECT_EQ(edit.GetCtrlId(), kReportedId);
    EXPECT_EQ(edit.GetBackColor(), zt::CCustomEdit::kFocusedBack);

    ASSERT_TRUE(Make());
    edit.SetFocus();
    desk.type(L"-5*2");
    frame.SetFocus();
    desk.pump();
    EXPECT_EQ(FieldText(), L"-10.0");
    edit.SendMessage(zt::CCustomEdit::kMsgShowUnfocused);
    EXPECT_EQ(edit.GetBackColor(), zt::CCustomEdit::kUnfocusedBack);
}

TEST_F(DestroyedLayoutWindows, DockedDialogWithItsOwnOrItsPanesWindowGone)
{
    panel.SetGroupsPair({{{{kFieldId, 1}}}});
    ASSERT_TRUE(::DestroyWindow(edit.m_hWnd)) << "a control of the layout goes first";
    EXPECT_NO_THROW({
        panel.RestackGroups();
        panel.SetGroupsPair({{{{kFieldId, 1}}}, {{{kFieldId + 1, 3}}}});
        pane.MoveWindow(0, 0, 380, 300);
        desk.pump();
    });
    EXPECT_FALSE(panel.HasListBox());

    // The pane goes and takes the dialog with it; the frame's handle is given for the tracker.
    pane.DestroyWindow();
    desk.pump();
    EXPECT_EQ(panel.m_hWnd, nullptr);
    EXPECT_NO_THROW({
        panel.SetCWndHandle(&frame);
        panel.SetCWndHandle(nullptr);
        panel.SetGroups({{{kFieldId}}, {{-1, 65535}}});
        panel.RestackGroups();
        panel.OnCommand(QDlgResize_Space::QDlgResize::kCmdRestackGroups, 0);
        panel.OnUpdateDone();
        panel.OnOK();
    });
    EXPECT_EQ(panel.GetParentPane(), nullptr);
    EXPECT_FALSE(panel.SetDlgCaption(L"面板"));
    EXPECT_FALSE(panel.CloseDlg());
    EXPECT_FALSE(panel.UpdateData(FALSE));

    panel.SetCWndHandle(&panel);
    ASSERT_TRUE(pane.Create(L"面板", &frame, CRect(0, 0, 400, 350), TRUE, 902));
    ASSERT_TRUE(Make());
    EXPECT_TRUE(panel.SetDlgCaption(L"墙面板"));
    CString caption;
    pane.GetWindowText(caption);
    EXPECT_EQ(caption, CString(L"墙面板"));
    EXPECT_TRUE(panel.CloseDlg());
    EXPECT_FALSE(pane.IsWindowVisible());
    EXPECT_TRUE(::IsWindow(panel.m_hWnd));
}

TEST(UiManagerBoundary, NullElementsEmptyIdsAndAnEmptyTitle)
{
    DesktopFixture desk;
    std::vector<std::string> heard;
    MessageSender& hub = MessageSender::Get();
    auto id = hub.AddReceiver(
        MessageSide::UserInterface, "Tessel.Message.DisableButton", [&](const JsonMessage& m) {
            heard.push_back(m.GetValue().isString() ? m.GetValue().asString() : std::string("?"));
        });
    zt::ZTUiMgn& ui = zt::ZTUiMgn::instance();
    const std::vector<CString> saved = ui.ribbonButtons;

    double elevation = 42.0;
    ui.getArchiBuildingElavation(nullptr, elevation);
    EXPECT_EQ(elevation, 42.0);
    std::vector<CString> ids{CString(), CString(L"")};
    ui.disableRibbonButton(ids);
    ui.ribbonButtons.clear();
    std::vector<CString> noIds;
    ui.enableRibbonButtonOnly(noIds);
    ui.disableRibbonButtonOnly(ids);
    zt::host::Executors::Get().PumpAll();
    EXPECT_EQ(heard, (std::vector<std::string>{"", ""})) << "empty ids travel as they are";

    // No frame, then a frame without a document, then an empty title for a document.
    zt::ZTUiUtil::setWindowTitle(WString());
    zt::host::HostMainFrame* frame = zt::host::CreateMainFrame();
    ASSERT_NE(frame, nullptr);
    zt::ZTUiUtil::setWindowTitle(WString());
    CDocument doc;
    frame->GetGraphicsView()->SetDocument(&doc);
    frame->SetActiveView(frame->GetGraphicsView());
    EXPECT_NO_THROW(zt::ZTUiUtil::setWindowTitle(WString()));
    EXPECT_TRUE(doc.GetTitle().IsEmpty());

    zt::ZTUiUtil::setWindowTitle(WString(L"办公楼.dgn"));
    EXPECT_EQ(doc.GetTitle(), CString(L"办公楼.dgn"));
    ui.ribbonButtons = {L"Wall"};
    std::vector<CString> wall{L"Wall"};
    ui.disableRibbonButtonOnly(wall);
    zt::host::Executors::Get().PumpAll();
    EXPECT_EQ(heard.back(), "Wall");
    frame->GetGraphicsView()->SetDocument(nullptr);
    zt::host::DestroyMainFrame();
    ui.ribbonButtons = saved;
    hub.DropReceiver(id);
}

TEST(ContextBarDataBoundary, ValuesOutsideTheEnumsAndKeysThatNameNothing)
{
    DgnApplication::Get().NewProject();
    ASSERT_NE(DgnApplication::Get().GetCurrentProject(), nullptr);
    zt::ZTContextBarDataMgn& data = zt::ZTContextBarDataMgn::instance();
    data.clearMapOperating();
    data.operatingKey.clear();
    data.setTSClickType(TSClickType_Plain);
    data.setvetInstanceKey({});

    // Values no factory defines, with nothing picked: the key stays as it was, and nothing
    // comes back for a pick.
    for (int op : {-1, 7, 1000, INT_MAX, INT_MIN})
        data.addTSOperating(static_cast<TSOperating>(op));
    EXPECT_TRUE(data.operatingKey.empty());
    EXPECT_EQ(data.operatingMap.count(zt::ZTContextBarDataMgn::kCommonKey), 0u);
    EXPECT_EQ(data.getOldOperating(), TSOperating_None);
    data.clearMapOperating();

    // Keys that are not valid, or name no element of the project.
    for (ECInstanceKey key : {ECInstanceKey(0, 5), ECInstanceKey(3, 0), ECInstanceKey(3, -1),
                              ECInstanceKey(-7, 9), ECInstanceKey(INT64_MAX, INT64_MAX)}) {
        data.setvetInstanceKey({key});
        for (int click : {-5, 0, 3, 999, INT_MIN}) {
            data.setTSClickType(static_cast<TSClickType>(click));
            data.addTSOperating(static_cast<TSOperating>(9));
            EXPECT_EQ(data.getOldOperating(), TSOperating_None);
        }
    }
    EXPECT_TRUE(data.operatingMap.empty());
    EXPECT_EQ(data.getTSClickType(), static_cast<TSClickType>(INT_MIN))
        << "an unknown click type is carried through";
    EXPECT_EQ(data.getActiveModelId(), INVALID_MODELID);

    // A common operation under an unknown click type is remembered as a clicked one.
    data.setTSClickType(static_cast<TSClickType>(999));
    data.addTSOperating(TSOperating_Rotate);
    EXPECT_EQ(data.getOldOperating(), TSOperating_Rotate);
    EXPECT_EQ(data.operatingMap.at(zt::ZTContextBarDataMgn::kCommonKey).plainOperating,
              TSOperating_None);

    // The good call: a plain pick remembers in both.
    data.clearMapOperating();
    data.setTSClickType(TSClickType_Plain);
    data.addTSOperating(TSOperating_Mirror);
    const auto& common = data.operatingMap.at(zt::ZTContextBarDataMgn::kCommonKey);
    EXPECT_EQ(common.clickedOperating, TSOperating_Mirror);
    EXPECT_EQ(common.plainOperating, TSOperating_Mirror);
    EXPECT_EQ(data.getOldOperating(), TSOperating_Mirror);

    data.clearMapOperating();
    data.operatingKey.clear();
    data.setvetInstanceKey({});
    DgnApplication::Get().CloseProject();
}

} // namespace
