#include "platform/host/AppServices.h"
#include "platform/host/IToolProperty.h"
#include "platform/host/TesselToolsInterfaceManager.h"
#include "platform/host/TesselUIPropertyItem.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

class ProbeTool : public IToolProperty
{
public:
    explicit ProbeTool(int& destroyed) : m_destroyed(destroyed) {}
    ~ProbeTool() override { ++m_destroyed; }
    void OnPropertyListGet(RefCountedPtr<ITSObject>&, TesselUIProperyList&) override {}
    void OnPropertyItemChanged(RefCountedPtr<ITSObject>&, int, TesselUIPropertyItem&) override {}

private:
    int& m_destroyed;
};

WString g_lastKey;
int g_hookCalls = 0;
void RecordingHook(const WString& key, const std::map<const wchar_t*, bool>& groups)
{
    g_lastKey = key;
    g_hookCalls += static_cast<int>(groups.size());
}
void ThrowingHook(const WString&, const std::map<const wchar_t*, bool>&)
{
    throw std::runtime_error("hook failed");
}

} // namespace

TEST(ToolInterfaces, RegisteredUnderBothNamesAndFoundByDynamicType)
{
    int destroyed = 0;
    RefCountedPtr<ProbeTool> tool(new ProbeTool(destroyed));
    ASSERT_TRUE(TesselToolsInterfaceManager::RegisterInterface("Tessel.Tool.ArchWall", tool.get()));
    ASSERT_TRUE(TesselToolsInterfaceManager::RegisterInterface("TSArchiWall", tool.get(),
                                                               "InterfaceToolProperty"));
    IToolInterface* found =
        TesselToolsInterfaceManager::QueryICmdInterface("TSArchiWall", "InterfaceToolProperty");
    EXPECT_EQ(dynamic_cast<IToolProperty*>(found), tool.get());
    EXPECT_EQ(TesselToolsInterfaceManager::QueryICmdInterface("Tessel.Tool.ArchWall",
                                                              IToolProperty::INTERFACE_NAME),
              found);
    EXPECT_EQ(TesselToolsInterfaceManager::QueryICmdInterface("TSArchiWall", "Other"), nullptr);
    EXPECT_EQ(TesselToolsInterfaceManager::QueryICmdInterface(nullptr, "InterfaceToolProperty"),
              nullptr);
    EXPECT_EQ(TesselToolsInterfaceManager::GetNames("InterfaceToolProperty"),
              (std::vector<std::string>{"TSArchiWall", "Tessel.Tool.ArchWall"}));
    TesselToolsInterfaceManager::Clear();
    EXPECT_EQ(tool->GetRefCount(), 1u);
}

TEST(ToolInterfaces, TheRegistryKeepsItsInterfacesAliveUntilDropped)
{
    int destroyed = 0;
    TesselToolsInterfaceManager::RegisterInterface("A", new ProbeTool(destroyed));
    TesselToolsInterfaceManager::RegisterInterface("B", new ProbeTool(destroyed));
    EXPECT_EQ(destroyed, 0);
    TesselToolsInterfaceManager::RegisterInterface("A", new ProbeTool(destroyed));
    EXPECT_EQ(destroyed, 1) << "replacing drops the old interface";
    EXPECT_TRUE(TesselToolsInterfaceManager::UnregisterInterface("B", "InterfaceToolProperty"));
    EXPECT_FALSE(TesselToolsInterfaceManager::UnregisterInterface("B", "InterfaceToolProperty"));
    EXPECT_EQ(destroyed, 2);
    TesselToolsInterfaceManager::Clear();
    EXPECT_EQ(destroyed, 3);
    {
        RefCountedPtr<ProbeTool> refused(new ProbeTool(destroyed));
        EXPECT_FALSE(TesselToolsInterfaceManager::RegisterInterface("", refused.get()));
        EXPECT_EQ(refused->GetRefCount(), 1u) << "a refused interface is left to its caller";
    }
    EXPECT_FALSE(TesselToolsInterfaceManager::RegisterInterface("C", nullptr));
}

TEST(AppServices, BeforeRefreshHookSeesTheToolKeyAndGroups)
{
    std::map<const wchar_t*, bool> groups{{L"几何", true}, {L"材质", false}};
    App_NotifyBeforeRefreshPropertyList(L"nobody listens", groups);
    App_RegisteBeforeRefreshPropertyList(&RecordingHook);
    App_NotifyBeforeRefreshPropertyList(L"WallTool", groups);
    EXPECT_EQ(g_lastKey, L"WallTool");
    EXPECT_EQ(g_hookCalls, 2);
    App_RegisteBeforeRefreshPropertyList(&ThrowingHook);
    EXPECT_NO_THROW(App_NotifyBeforeRefreshPropertyList(L"WallTool", groups));
    App_RegisteBeforeRefreshPropertyList(nullptr);
    App_NotifyBeforeRefreshPropertyList(L"Other", groups);
    EXPECT_EQ(g_lastKey, L"WallTool");
}
