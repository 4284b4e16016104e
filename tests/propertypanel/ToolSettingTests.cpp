// The common tool-setting dialog: one per tool, its layer row below the list, the layer the
// user picks there, and the tool's floating panel driven through the host's dock updates.

#include "PanelTestSupport.h"

#include "platform/cad/DgnApplication.h"
#include "platform/host/TSLevelManager.h"
#include "platform/host/ZTLayerCompsMgn.h"
#include "ztui/propertypanel/ZTDlgToolPanelBase.h"
#include "ztui/propertypanel/ZTDlgToolSettingCommon.h"
#include "ztui/propertypanel/ZTToolProperty.h"

using zt::ZTDlgToolSettingCommon;

namespace {

const HINSTANCE kToolModule = reinterpret_cast<HINSTANCE>(0x7B31);
constexpr unsigned kPanelTemplate = 4302;

class RecordingPanel : public zt::ZTDlgToolPanelBase
{
public:
    RecordingPanel() : ZTDlgToolPanelBase(kPanelTemplate) {}
    void _UpdateUI() override { calls.push_back("update"); }
    void _OnInitDialogUI() override { calls.push_back("init"); }
    void _OnClosedUI() override { calls.push_back("closed"); }
    void PropertyListNotifyCB(long key, PropertyMgrUI::PropertyItem&) override
    {
        calls.push_back("notify " + std::to_string(key));
    }
    void GetPanelObject(RefCountedPtr<TSGraphicElement>& object) override { object = shown; }
    void SetPanelObject(RefCountedPtr<TSBuildingElement>& object) override { given = object; }

    std::vector<std::string> calls;
    RefCountedPtr<TSGraphicElement> shown;
    RefCountedPtr<TSBuildingElement> given;
};

RecordingPanel* g_panel = nullptr;
zt::ZTDlgToolPanelBase* MakePanel()
{
    return g_panel;
}

std::string NewToolName()
{
    static int counter = 0;
    return "Tessel.Tool.Setting" + std::to_string(++counter);
}

// The host's template 4228: the list is the dialog's own; a label and a combo box for the
// layer row.
void AddSettingTemplate()
{
    zt::win::DialogTemplate t = PanelDialogTemplate();
    t.AddItem(L"Static", L"图层", ZTDlgToolSettingCommon::kLayerLabelId, 0, 4, 80, 24, 10);
    t.AddItem(L"ComboBox", nullptr, ZTDlgToolSettingCommon::kLayerComboId,
              WS_TABSTOP | CBS_DROPDOWNLIST | CBS_HASSTRINGS, 30, 78, 80, 60);
    zt::win::ResourceModule::AddDialog(AfxGetResourceHandle(),
                                       MAKEINTRESOURCEW(ZTDlgToolSettingCommon::kTemplateId), t);
}

class ToolSetting : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(DgnApplication::Get().NewProject(), nullptr);
        DgnProject& project = *DgnApplication::Get().GetCurrentProject();
        for (const char* name : {"墙", "柱"})
            TSLevelManager::Get().EnsureLevel(project, name);
        TSLevelManager::Get().SetEcClassMapLvl(project, {{"TSArchiWall", "柱"}});
        ZTLAYERCOMPSINFO comb;
        comb.layers = {{"墙", 1, 0}, {"柱", 1, 0}};
        ZTLayerCompsMgn::Get().SetLayerCompInfo(project, "平面", comb);
        ZTLayerCompsMgn::Get().SetCurCompName(project, "平面");

        AddSettingTemplate();
        LPCTSTR cls = AfxRegisterWndClass(0, nullptr, ::GetSysColorBrush(COLOR_BTNFACE));
        ASSERT_TRUE(host.CreateEx(0, cls, L"host", WS_POPUP | WS_VISIBLE, 40, 40, 700, 560, nullptr,
                                  nullptr));
        ASSERT_TRUE(pane.Create(L"设置", &host, CRect(0, 0, 300, 480), TRUE, 901));
        tool = FakeTool::Create();
        tool->fill = [](TesselUIProperyList& list) {
            list.addGroup(L"几何", true);
            TesselUIPropertyItem record(L"厚度", 240.0);
            list.addRecord(3, record);
        };
        TesselToolsInterfaceManager::RegisterInterface("TSArchiWall", tool.get());
    }
    void TearDown() override
    {
        for (ZTDlgToolSettingCommon* d : made)
            if (d->m_hWnd)
                d->DestroyWindow();
        if (g_panel && g_panel->m_hWnd)
            g_panel->DestroyWindow();
        delete g_panel;
        g_panel = nullptr;
        zt::win::ResourceModule::RemoveModule(kToolModule);
        TesselToolsInterfaceManager::Clear();
        pane.DestroyWindow();
        host.DestroyWindow();
        zt::ZTPropertyMgn::DestroyInstance();
        DgnApplication::Get().CloseProject();
    }

    ZTDlgToolSettingCommon& Open(const std::string& name, bool layerRow)
    {
        auto* dialog = static_cast<ZTDlgToolSettingCommon*>(
            ZTDlgToolSettingCommon::Get(name.c_str(), L"墙设置", layerRow));
        made.push_back(dialog);
        EXPECT_TRUE(dialog->Create(ZTDlgToolSettingCommon::kTemplateId, &pane));
        pane.SetHostedWindow(dialog);
        desk.pump();
        return *dialog;
    }
    static CRect ClientRectOf(CWnd& dialog, UINT id)
    {
        CRect r;
        dialog.GetDlgItem(id)->GetWindowRect(&r);
        dialog.ScreenToClient(&r);
        return r;
    }
    // A tool panel for the tool, floating in the host window.
    void RegisterPanel(const std::string& name)
    {
        AddToolPanelTemplate(kToolModule, kPanelTemplate, WS_CHILD, 100, 30);
        g_panel = new RecordingPanel;
        zt::ZTPropertyMgn::instance().registerToolPanel(name.c_str(), &MakePanel, host.m_hWnd,
                                                        kToolModule, kPanelTemplate);
    }

    ScratchAppData appData;
    DesktopFixture desk;
    CWnd host;
    CDockablePane pane;
    RefCountedPtr<FakeTool> tool;
    std::vector<ZTDlgToolSettingCommon*> made;
};

} // namespace

TEST_F(ToolSetting, EachToolHasOneDialogWithTheValuesOfTheFirstCall)
{
    const std::string name = NewToolName();
    CDialogEx* first = ZTDlgToolSettingCommon::Get(name.c_str(), L"墙", false);
    CDialogEx* again = ZTDlgToolSettingCommon::Get(name.c_str(), L"另一个", true);
    EXPECT_EQ(first, again);
    auto* dialog = dynamic_cast<ZTDlgToolSettingCommon*>(first);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->GetCaption(), L"墙");
    EXPECT_FALSE(dialog->HasLayerRow());
    EXPECT_EQ(dialog->m_hWnd, nullptr) << "the host creates the window";
    EXPECT_NE(ZTDlgToolSettingCommon::Get(NewToolName().c_str(), L"墙"), first);
    EXPECT_TRUE(first->IsKindOf(RUNTIME_CLASS(zt::ZTPropertyDlg)));
}

TEST_F(ToolSetting, TheLayerRowKeepsToTheBottomAndTheListEndsAboveIt)
{
    ZTDlgToolSettingCommon& dialog = Open(NewToolName(), true);
    EXPECT_TRUE(dialog.GetDlgItem(ZTDlgToolSettingCommon::kLayerComboId)->IsWindowVisible());
    EXPECT_TRUE(dialog.GetDlgItem(ZTDlgToolSettingCommon::kLayerLabelId)->IsWindowVisible());
    for (int height : {480, 360}) {
        SCOPED_TRACE(height);
        pane.SetWindowPos(nullptr, 0, 0, 300, height, SWP_NOMOVE | SWP_NOZORDER);
        desk.pump();
        CRect client;
        dialog.GetClientRect(&client);
        const CRect combo = ClientRectOf(dialog, ZTDlgToolSettingCommon::kLayerComboId);
        const CRect label = ClientRectOf(dialog, ZTDlgToolSettingCommon::kLayerLabelId);
        const CRect list = ClientRectOf(dialog, zt::ZTPropertyDlg::kListId);
        // A drop-down list's window keeps its closed height; the rest sizes its list.
        const int h = combo.Height();
        EXPECT_EQ(combo.top, client.bottom - h);
        EXPECT_EQ(list.bottom, client.bottom - h - 3);
        EXPECT_EQ(label.top, client.bottom - h + 5);
        EXPECT_EQ(combo.left, label.right + 2);
        EXPECT_EQ(combo.right, list.right);
        EXPECT_EQ(list.top, 0) << "the list starts at the top";
    }
}

TEST_F(ToolSetting, WithoutTheLayerRowTheListTakesTheWholeDialog)
{
    ZTDlgToolSettingCommon& dialog = Open(NewToolName(), false);
    EXPECT_FALSE(dialog.GetDlgItem(ZTDlgToolSettingCommon::kLayerComboId)->IsWindowVisible());
    EXPECT_FALSE(dialog.GetDlgItem(ZTDlgToolSettingCommon::kLayerLabelId)->IsWindowVisible());
    const CRect comboBefore = ClientRectOf(dialog, ZTDlgToolSettingCommon::kLayerComboId);
    pane.SetWindowPos(nullptr, 0, 0, 300, 360, SWP_NOMOVE | SWP_NOZORDER);
    desk.pump();
    CRect client;
    dialog.GetClientRect(&client);
    EXPECT_EQ(ClientRectOf(dialog, ZTDlgToolSettingCommon::kLayerComboId), comboBefore);
    EXPECT_GT(ClientRectOf(dialog, zt::ZTPropertyDlg::kListId).bottom, client.bottom - 30);
}

TEST_F(ToolSetting, ShowingDrivesThePanelAndFillsTheListAndTheLayers)
{
    const std::string name = NewToolName();
    ZTDlgToolSettingCommon& dialog = Open(name, true);
    RegisterPanel(name);
    zt::ZTDlgToolPanelBase* panel = zt::ZTPropertyMgn::instance().getToolPanel(name.c_str());
    ASSERT_EQ(panel, g_panel);
    panel->ShowWindow(SW_HIDE);
    TSArchiWallPtr wall = TSArchiWall::Create();
    g_panel->shown = wall.get();

    dialog.ShowDockUI();
    desk.pump();
    EXPECT_EQ(g_panel->calls, (std::vector<std::string>{"init"}));
    EXPECT_TRUE(panel->IsWindowVisible());
    CRect outer, placed;
    host.GetWindowRect(&outer);
    panel->GetWindowRect(&placed);
    EXPECT_EQ(placed.top, outer.top + 2);
    EXPECT_LE(std::abs((placed.left + placed.right) / 2 - (outer.left + outer.right) / 2), 1);
    EXPECT_GE(tool->lists, 1) << "the list shows the panel's object";
    ASSERT_TRUE(tool->listed.IsValid());
    EXPECT_EQ(tool->listed->GetECClassName(), "TSArchiWall");
    HWND combo = dialog.GetDlgItem(ZTDlgToolSettingCommon::kLayerComboId)->m_hWnd;
    ASSERT_EQ(::SendMessageW(combo, CB_GETCOUNT, 0, 0), 2);
    wchar_t text[32] = {};
    ::SendMessageW(combo, CB_GETLBTEXT, ::SendMessageW(combo, CB_GETCURSEL, 0, 0),
                   reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(std::wstring(text), L"柱") << "the wall class's layer";
    EXPECT_EQ(std::wstring(zt::ZTToolProperty::GetCurrentLayerName().GetString()), L"柱");

    dialog.UpdateDockUIValue();
    EXPECT_EQ(g_panel->calls.back(), "update");

    RefCountedPtr<ITSObject> temp = TSArchiWall::Create().get();
    zt::ZTPropertyMgn::instance().setTempObject(temp);
    dialog.CloseDockUI();
    EXPECT_EQ(g_panel->calls.back(), "closed");
    EXPECT_FALSE(panel->IsWindowVisible());
    EXPECT_EQ(g_panel->given.get(), dynamic_cast<TSBuildingElement*>(temp.get()));
}

TEST_F(ToolSetting, PickingALayerInTheBoxSetsTheToolsCurrentLayer)
{
    const std::string name = NewToolName();
    ZTDlgToolSettingCommon& dialog = Open(name, true);
    RegisterPanel(name);
    g_panel->shown = TSArchiWall::Create().get();
    dialog.ShowDockUI();
    desk.pump();
    CWnd* combo = dialog.GetDlgItem(ZTDlgToolSettingCommon::kLayerComboId);
    combo->SetFocus();
    desk.key(VK_UP);
    desk.pump();
    EXPECT_EQ(std::wstring(zt::ZTToolProperty::GetCurrentLayerName().GetString()), L"墙");
}

TEST_F(ToolSetting, EnterInAToolPanelDoesNotCloseIt)
{
    const std::string name = NewToolName();
    RegisterPanel(name);
    zt::ZTDlgToolPanelBase* panel = zt::ZTPropertyMgn::instance().getToolPanel(name.c_str());
    ASSERT_NE(panel, nullptr);
    panel->ShowWindow(SW_SHOW);
    panel->SetFocus();
    desk.key(VK_RETURN);
    desk.pump();
    EXPECT_TRUE(::IsWindow(panel->m_hWnd));
    EXPECT_TRUE(panel->IsWindowVisible());
}
