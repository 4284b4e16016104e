// The panel in the threaded host: the list and its windows on the user-interface thread, the
// tool on the work thread. An edit typed into the list reaches the tool there, and when the
// call returns the dialog reads what the tool wrote.

#include "PanelTestSupport.h"

#include "ztui/proplist/editors/item_ctrl.h"

#include <thread>

using zt::host::ExecutorMode;
using zt::host::Executors;

namespace {

// Writes the thickness it is given into its "element" and says which thread it ran on.
class ThicknessTool : public FakeTool
{
public:
    double thickness = 240.0;
    std::thread::id listedOn;
    std::thread::id changedOn;

    void OnPropertyListGet(RefCountedPtr<ITSObject>&, TesselUIProperyList& list) override
    {
        listedOn = std::this_thread::get_id();
        list.addGroup(L"几何", true);
        TesselUIPropertyItem record(L"厚度", thickness);
        list.addRecord(3, record);
    }
    void OnPropertyItemChanged(RefCountedPtr<ITSObject>&, int key,
                               TesselUIPropertyItem& record) override
    {
        changedOn = std::this_thread::get_id();
        if (key == 3)
            record.getValue(thickness);
    }
};

struct ThreadedPanel : ::testing::Test
{
    void SetUp() override { Executors::Get().Start(ExecutorMode::Threaded); }
    void TearDown() override { Executors::Get().Stop(); }
    ScratchAppData appData;
};

} // namespace

TEST_F(ThreadedPanel, AnEditTypedInTheListReachesTheToolOnTheWorkThread)
{
    RefCountedPtr<ThicknessTool> tool = new ThicknessTool;
    TesselToolsInterfaceManager::RegisterInterface("TSArchiWall", tool.get());
    TSArchiWallPtr wall = TSArchiWall::Create();

    std::thread::id uiThread;
    std::thread::id workThread;
    Executors::Get().RunOnWork([&] { workThread = std::this_thread::get_id(); });
    double seenByDialog = 0.0;
    std::size_t notifications = 0;
    Executors::Get().RunOnUIAndWait([&] {
        uiThread = std::this_thread::get_id();
        DesktopFixture desk;
        TestPropertyDlg dialog;
        ASSERT_TRUE(dialog.CreateIndirect(PanelDialogTemplate(WS_POPUP | WS_VISIBLE)));
        dialog.SetGroupsPairOnlyPropertyList();
        // The tool's call has returned when the dialog hears of the edit: it reads the value.
        dialog.onNotify = [&](long, PropertyMgrUI::PropertyItem&) {
            ++notifications;
            seenByDialog = tool->thickness;
        };
        dialog.refreshPropertyList("TSArchiWall", wall.get());
        desk.pump();

        zt::PropertyList_imp& model = *zt::ZTPropertyMgn::instance().context().listModel;
        zt::item_ctrl* holder = dialog.GetPropertyList()->Editor(model.rows().visibleRow(1));
        ASSERT_NE(holder, nullptr);
        CRect cell;
        ::GetWindowRect(holder->window(), &cell);
        desk.click(cell.CenterPoint());
        desk.keyDown(VK_CONTROL);
        desk.key('A');
        desk.keyUp(VK_CONTROL);
        desk.type(L"370");
        desk.key(VK_RETURN);

        dialog.DestroyWindow();
        zt::ZTPropertyMgn::DestroyInstance();
    });
    TesselToolsInterfaceManager::Clear();

    EXPECT_NE(uiThread, workThread);
    EXPECT_EQ(tool->listedOn, workThread);
    EXPECT_EQ(tool->changedOn, workThread);
    EXPECT_EQ(tool->thickness, 370.0);
    EXPECT_EQ(notifications, 1u);
    EXPECT_EQ(seenByDialog, 370.0);
}
