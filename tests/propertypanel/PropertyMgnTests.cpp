// The property manager: tool panels made on demand, the temp objects, ZTCore's quantities,
// and the group memory across refreshes and across a restart of the process.

#include "PanelTestSupport.h"

#include "platform/host/AppServices.h"
#include "platform/host/TSArchiSlab.h"
#include "ztui/propertypanel/PropertyGroupMemory.h"
#include "ztui/propertypanel/ZTDlgToolPanelBase.h"
#include "ztui/propertypanel/ZTPanelToolProperty.h"

#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace fs = std::filesystem;
using zt::ZTPropertyMgn;

namespace {

const HINSTANCE kToolModule = reinterpret_cast<HINSTANCE>(0x7B20);
constexpr unsigned kPanelTemplate = 4301;

class TestToolPanel : public zt::ZTDlgToolPanelBase
{
public:
    TestToolPanel() : ZTDlgToolPanelBase(kPanelTemplate) {}
    void GetPanelObject(RefCountedPtr<TSGraphicElement>& object) override { object = shown; }
    void SetPanelObject(RefCountedPtr<TSBuildingElement>& object) override { given = object; }
    RefCountedPtr<TSGraphicElement> shown;
    RefCountedPtr<TSBuildingElement> given;
};

// The factories are plain functions, as tools register them.
TestToolPanel* g_panel = nullptr;
int g_made = 0;
HINSTANCE g_resourceDuringFactory = nullptr;

zt::ZTDlgToolPanelBase* MakePanel()
{
    ++g_made;
    g_resourceDuringFactory = AfxGetResourceHandle();
    return g_panel;
}
zt::ZTDlgToolPanelBase* MakeNothing()
{
    return nullptr;
}

std::string Read(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void FillGroups(TesselUIProperyList& list)
{
    for (const wchar_t* group : {L"几何", L"材质"}) {
        list.addGroup(group, true);
        TesselUIPropertyItem record(L"值", 1);
        list.addRecord(1, record);
    }
}

class PropertyMgnTest : public PanelTest
{
protected:
    void SetUp() override
    {
        PanelTest::SetUp();
        AddToolPanelTemplate(kToolModule, kPanelTemplate, WS_POPUP, 80, 40);
        g_panel = new TestToolPanel;
        g_made = 0;
    }
    void TearDown() override
    {
        if (g_panel && g_panel->m_hWnd)
            g_panel->DestroyWindow();
        delete g_panel;
        g_panel = nullptr;
        zt::win::ResourceModule::RemoveModule(kToolModule);
        PanelTest::TearDown();
    }
    // Where a visible group header's fold glyph is, on the screen.
    POINT HeaderGlyph(int visibleRow)
    {
        CRect r;
        List().GetItemRect(visibleRow, &r);
        List().ClientToScreen(&r);
        return POINT{r.right - 6, r.CenterPoint().y};
    }
    Json::Value Stored(const wchar_t* key)
    {
        return ZTPropertyMgn::instance().groupExtendValue(key);
    }
};

// A tool of another class, with a group of the same name.
class OtherTool : public FakeTool
{};

} // namespace

TEST_F(PropertyMgnTest, RegisteringANameTwiceKeepsTheFirstPanel)
{
    ZTPropertyMgn& mgn = ZTPropertyMgn::instance();
    mgn.registerToolPanel("Wall", &MakePanel, host.m_hWnd, kToolModule, kPanelTemplate);
    mgn.registerToolPanel("Wall", &MakeNothing, nullptr, nullptr, 1);
    mgn.registerToolPanel(nullptr, &MakePanel, nullptr, nullptr, 1);
    mgn.registerToolPanel("NoFactory", nullptr, nullptr, nullptr, 1);
    EXPECT_EQ(mgn.context().toolPanels.size(), 1u);
    EXPECT_EQ(mgn.getToolPanel("Wall"), g_panel);
}

TEST_F(PropertyMgnTest, AnUnregisteredPanelIsNullButBecomesTheLastToolName)
{
    ZTPropertyMgn& mgn = ZTPropertyMgn::instance();
    EXPECT_TRUE(mgn.getLastToolName().empty());
    EXPECT_EQ(mgn.getToolPanel("Tessel.Tool.Nothing"), nullptr);
    EXPECT_EQ(mgn.getLastToolName(), Utf8String("Tessel.Tool.Nothing"));
}

TEST_F(PropertyMgnTest, APanelIsMadeOnceFromItsModulesTemplateAndShownWithoutActivation)
{
    ZTPropertyMgn& mgn = ZTPropertyMgn::instance();
    mgn.registerToolPanel("Wall", &MakePanel, host.m_hWnd, kToolModule, kPanelTemplate);
    HINSTANCE before = AfxGetResourceHandle();
    zt::ZTDlgToolPanelBase* panel = mgn.getToolPanel("Wall");
    ASSERT_EQ(panel, g_panel);
    EXPECT_EQ(g_resourceDuringFactory, kToolModule);
    EXPECT_EQ(AfxGetResourceHandle(), before) << "the host's resources are current again";
    ASSERT_TRUE(::IsWindow(panel->m_hWnd));
    EXPECT_TRUE(panel->GetExStyle() & WS_EX_NOACTIVATE);
    EXPECT_TRUE(panel->IsWindowVisible());
    EXPECT_TRUE(panel->IsWindowEnabled());
    EXPECT_EQ(mgn.getToolPanel("Wall"), panel);
    EXPECT_EQ(g_made, 1);

    // A panel whose window went is made again.
    panel->DestroyWindow();
    EXPECT_EQ(mgn.getToolPanel("Wall"), panel);
    EXPECT_EQ(g_made, 2);
    EXPECT_TRUE(::IsWindow(panel->m_hWnd));
}

TEST_F(PropertyMgnTest, APanelWhoseFactoryFailsIsNotRecorded)
{
    ZTPropertyMgn& mgn = ZTPropertyMgn::instance();
    mgn.registerToolPanel("Nothing", &MakeNothing, host.m_hWnd, kToolModule, kPanelTemplate);
    EXPECT_EQ(mgn.getToolPanel("Nothing"), nullptr);
    EXPECT_EQ(mgn.context().toolPanels.at("Nothing").panel, nullptr);
    // A template the module does not hold: the window cannot be made.
    mgn.registerToolPanel("Broken", &MakePanel, host.m_hWnd, kToolModule, 999);
    EXPECT_EQ(mgn.getToolPanel("Broken"), nullptr);
    EXPECT_EQ(mgn.context().toolPanels.at("Broken").panel, nullptr);
}

TEST_F(PropertyMgnTest, RefreshingByToolNameShowsThePanelsObject)
{
    tool->fill = FillGroups;
    Refresh(); // the panel's list now shows the model and the collector has a tool
    EXPECT_EQ(tool->lists, 1);
    ZTPropertyMgn& mgn = ZTPropertyMgn::instance();
    mgn.registerToolPanel("Wall", &MakePanel, host.m_hWnd, kToolModule, kPanelTemplate);
    TSArchiWallPtr other = TSArchiWall::Create();
    g_panel->shown = other.get();
    mgn.refreshPropertyList("Wall");
    EXPECT_EQ(tool->lists, 2);
    EXPECT_EQ(mgn.getTempObject().get(), other.get());
    g_panel->shown = nullptr;
    mgn.refreshPropertyList("Wall");
    EXPECT_EQ(tool->lists, 2) << "a panel without an object refreshes nothing";
}

TEST_F(PropertyMgnTest, TheLastObjectOfEachClassIsKept)
{
    ZTPropertyMgn& mgn = ZTPropertyMgn::instance();
    TSArchiWallPtr first = TSArchiWall::Create();
    TSArchiWallPtr second = TSArchiWall::Create();
    TSArchiSlabPtr slab = TSArchiSlab::Create();
    mgn.setTempObject(first.get());
    mgn.setTempObject(slab.get());
    mgn.setTempObject(second.get());
    Utf8String wallClass("TSArchiWall");
    Utf8String slabClass("TSArchiSlab");
    Utf8String none("TSArchiBeam");
    EXPECT_EQ(mgn.getTempObject().get(), second.get());
    EXPECT_EQ(mgn.getTempObject(wallClass).get(), second.get());
    EXPECT_EQ(mgn.getTempObject(slabClass).get(), slab.get());
    EXPECT_EQ(mgn.getTempObject(none).get(), nullptr);
    // A bare object of a class is the temp object but no element of its class.
    TSObjectPtr bare = TSObject::Create("TSM_ArchiModel", "TSArchiBeam");
    mgn.setTempObject(bare.get());
    EXPECT_EQ(mgn.getTempObject().get(), bare.get());
    EXPECT_EQ(mgn.getTempObject(none).get(), nullptr);
    mgn.setTempObject(nullptr);
    EXPECT_EQ(mgn.getTempObject().get(), nullptr);
}

TEST_F(PropertyMgnTest, AnArchitecturalElementShownGetsItsQuantitiesFromZTCore)
{
    wall->SetEnd({5000, 0, 0});
    wall->SetThickness(200.0);
    wall->SetHeight(3000.0);
    Refresh();
    TSUserPropertyValuePtr area = wall->GetUserPropertySet().FindValue(L"面积(m²)");
    ASSERT_NE(area, nullptr);
    EXPECT_DOUBLE_EQ(area->GetValue().GetDouble(), 1.0);
}

TEST_F(PropertyMgnTest, AGroupNeverRecordedTakesTheDefaultAndIsWrittenAsNull)
{
    ZTPropertyMgn& mgn = ZTPropertyMgn::instance();
    EXPECT_TRUE(mgn.isGroupExtend(tool.get(), L"几何", true));
    EXPECT_FALSE(mgn.isGroupExtend(tool.get(), L"几何", false));
    EXPECT_TRUE(Stored(L"FakeTool几何").isNull());
    ASSERT_TRUE(mgn.context().groupExpansion.isMember("FakeTool几何"));
    ZTPropertyMgn::DestroyInstance();
    EXPECT_EQ(Read(appData.MemoryFile()), "{\"FakeTool几何\":null}\n");
}

TEST_F(PropertyMgnTest, TwoToolsWithAGroupOfTheSameNameKeepTheirOwnStates)
{
    ZTPropertyMgn& mgn = ZTPropertyMgn::instance();
    RefCountedPtr<FakeTool> other = new OtherTool;
    mgn.recordGroupExtend(L"FakeTool几何", false);
    EXPECT_FALSE(mgn.isGroupExtend(tool.get(), L"几何", true));
    EXPECT_TRUE(mgn.isGroupExtend(other.get(), L"几何", true));
    mgn.recordGroupExtend(zt::ZTPanelToolProperty::RuntimeClassNameOf(*other) + L"几何", false);
    EXPECT_FALSE(mgn.isGroupExtend(other.get(), L"几何", true));
}

TEST_F(PropertyMgnTest, AGroupTheUserClosedStaysClosedAtTheNextRefresh)
{
    tool->fill = FillGroups;
    Refresh();
    ASSERT_TRUE(Item(L"值")->groupExpanded());
    desk.click(HeaderGlyph(0));
    ASSERT_EQ(List().GetCount(), 3) << "the first group folded";
    Refresh();
    EXPECT_EQ(Stored(L"FakeTool几何"), Json::Value(false));
    EXPECT_EQ(Stored(L"FakeTool材质"), Json::Value(true));
    EXPECT_FALSE(Model().items().front()->groupExpanded());
    EXPECT_EQ(List().GetCount(), 3);
}

TEST_F(PropertyMgnTest, TheHostsRefreshHookRecordsUnderItsToolKey)
{
    ZTPropertyMgn::instance(); // the hook is the manager's from its creation
    wchar_t geometry[] = L"几何";
    wchar_t layer[] = L"图层";
    App_NotifyBeforeRefreshPropertyList(L"Tessel.Tool.ArchWall",
                                        {{geometry, false}, {layer, true}});
    EXPECT_EQ(Stored(L"Tessel.Tool.ArchWall几何"), Json::Value(false));
    EXPECT_EQ(Stored(L"Tessel.Tool.ArchWall图层"), Json::Value(true));
}

TEST_F(PropertyMgnTest, AProcessThatNeverAsksLeavesTheFileUntouched)
{
    const std::string bytes = "\xEF\xBB\xBF{\"kept\" : true}";
    fs::create_directories(appData.MemoryFolder());
    std::ofstream(appData.MemoryFile(), std::ios::binary) << bytes;
    ZTPropertyMgn::instance().setTempObject(wall.get());
    ZTPropertyMgn::DestroyInstance();
    EXPECT_EQ(Read(appData.MemoryFile()), bytes);
}

TEST_F(PropertyMgnTest, AFileWithAByteOrderMarkLoadsLikeOneWithout)
{
    fs::create_directories(appData.MemoryFolder());
    std::ofstream(appData.MemoryFile(), std::ios::binary) << "\xEF\xBB\xBF{\"FakeTool几何\":false}";
    EXPECT_FALSE(ZTPropertyMgn::instance().isGroupExtend(tool.get(), L"几何", true));
}

TEST_F(PropertyMgnTest, AWrongTypedFileIsAnEmptyMemoryAndIsReplacedAtTheEnd)
{
    fs::create_directories(appData.MemoryFolder());
    std::ofstream(appData.MemoryFile(), std::ios::binary) << "[1, 2, {\"FakeTool几何\": false}]";
    ZTPropertyMgn& mgn = ZTPropertyMgn::instance();
    EXPECT_TRUE(mgn.isGroupExtend(tool.get(), L"几何", true));
    mgn.recordGroupExtend(L"FakeTool材质", false);
    ZTPropertyMgn::DestroyInstance();
    EXPECT_EQ(Read(appData.MemoryFile()), "{\"FakeTool几何\":null,\"FakeTool材质\":false}\n");
}

// The user closes a group and ends the program; the next run of the program shows the same
// tool's group closed. The first run is a child process that ends the way a process ends,
// through the library's unload.
TEST_F(PropertyMgnTest, AClosedGroupIsStillClosedAfterARestart)
{
    ASSERT_FALSE(ZTPropertyMgn::Exists());
    tool->fill = FillGroups;
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        Refresh();
        desk.click(HeaderGlyph(2)); // 材质, below the open 几何 and its row
        bool folded = List().GetCount() == 3;
        // The ordinary end of the process: static objects go, the library unloads.
        std::exit(folded ? 0 : 3);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);
    EXPECT_NE(Read(appData.MemoryFile()).find("\"FakeTool材质\":false"), std::string::npos)
        << Read(appData.MemoryFile());

    Refresh();
    ASSERT_EQ(Model().items().size(), 2u);
    EXPECT_TRUE(Model().items()[0]->groupExpanded());
    EXPECT_FALSE(Model().items()[1]->groupExpanded());
    EXPECT_EQ(List().GetCount(), 3);
}
