// The reference host's selection tool: a click picks the element under it, the wall rather
// than the slab below, Ctrl adds and removes, a click on nothing clears.

#include "tests/host/HostProjectFixture.h"

#include "apps/ztui-demo/tools/HostDrawingTools.h"
#include "apps/ztui-demo/tools/HostElementPicker.h"
#include "apps/ztui-demo/tools/HostSelectTool.h"
#include "apps/ztui-demo/tools/HostToolSession.h"
#include "platform/cad/IViewManager.h"
#include "platform/cad/SelectionSetManager.h"
#include "platform/host/Commands.h"
#include "platform/host/Executors.h"
#include "platform/host/TSArchiSlab.h"
#include "platform/host/TSArchiStoreyManager.h"
#include "platform/host/TSArchiWall.h"
#include "platform/host/TSStoreyManager.h"

using ztdemo::HostSelectTool;
using ztdemo::HostToolSession;

namespace {

class SelectTool : public HostProjectFixture
{
protected:
    void SetUp() override
    {
        HostProjectFixture::SetUp();
        IViewManager::GetManager().GetActiveViewSet().CloseAll();
        ztdemo::HostDrawingTools::RegisterAll();
        ground = TSArchiStoreyManager::Get().AddStorey(Project(), L"首层", 0.0, 3000.0);
        upper = TSArchiStoreyManager::Get().AddStorey(Project(), L"二层", 3000.0, 3000.0);
        TSStoreyManager::SetCurrentStorey(Project(), ground);
        slab = AddSlab(ground);
        wall = AddWall(ground, 0);
        upperWall = AddWall(upper, 0);
        SelectionSetManager::GetManager().Clear();
    }
    void TearDown() override
    {
        HostToolSession::Get().Stop();
        SelectionSetManager::GetManager().Clear();
        HostProjectFixture::TearDown();
    }
    ElementRef* AddWall(std::int64_t storey, double y)
    {
        TSArchiWallPtr w = TSArchiWall::Create();
        w->SetStoreyId(storey);
        w->SetStart({0, y, 0});
        w->SetEnd({6000, y, 0});
        return Project().FindElementById(w->AddToModel(Model()));
    }
    ElementRef* AddSlab(std::int64_t storey)
    {
        TSArchiSlabPtr s = TSArchiSlab::Create();
        s->SetStoreyId(storey);
        s->SetProfile({{-200, -200, 0}, {6200, -200, 0}, {6200, 4000, 0}, {-200, 4000, 0}});
        return Project().FindElementById(s->AddToModel(Model()));
    }
    void Click(double x, double y, bool control = false)
    {
        HostToolSession::Get().DataPoint(DPoint3d{x, y, 0}, control);
    }

    std::int64_t ground = 0;
    std::int64_t upper = 0;
    ElementRef* slab = nullptr;
    ElementRef* wall = nullptr;
    ElementRef* upperWall = nullptr;
};

} // namespace

TEST_F(SelectTool, TheSmallestOutlineOnTheCurrentStoreyIsPicked)
{
    EXPECT_EQ(ztdemo::HostElementPicker::Pick(Model(), {3000, 0, 0}, 0), wall);
    EXPECT_EQ(ztdemo::HostElementPicker::Pick(Model(), {3000, 2000, 0}, 0), slab);
    EXPECT_EQ(ztdemo::HostElementPicker::Pick(Model(), {3000, 5000, 0}, 0), nullptr);
    // Thirty millimetres beside the wall's face: the wall only with a tolerance that reaches.
    EXPECT_EQ(ztdemo::HostElementPicker::Pick(Model(), {3000, -150, 0}, 0), slab);
    EXPECT_EQ(ztdemo::HostElementPicker::Pick(Model(), {3000, -150, 0}, 60), wall);
    TSStoreyManager::SetCurrentStorey(Project(), upper);
    EXPECT_EQ(ztdemo::HostElementPicker::Pick(Model(), {3000, 0, 0}, 0), upperWall);
}

TEST_F(SelectTool, ClicksReplaceCtrlClicksAddAndRemoveAndNothingClears)
{
    ASSERT_TRUE(TesselUserInputManager::ExeCommand(HostSelectTool::TOOL_ID));
    zt::host::Executors::Get().PumpAll();
    ASSERT_NE(dynamic_cast<HostSelectTool*>(HostToolSession::Get().GetActiveTool()), nullptr);
    SelectionSetManager& selection = SelectionSetManager::GetManager();
    Click(3000, 0);
    EXPECT_EQ(selection.GetElements(), bvector<ElementRef*>{wall});
    Click(3000, 2000, true);
    EXPECT_EQ(selection.GetElements(), (bvector<ElementRef*>{wall, slab}));
    Click(3000, 0, true);
    EXPECT_EQ(selection.GetElements(), bvector<ElementRef*>{slab});
    Click(3000, 5000, true);
    EXPECT_EQ(selection.NumSelected(), 1u) << "Ctrl on nothing keeps the selection";
    Click(3000, 5000);
    EXPECT_EQ(selection.NumSelected(), 0u);
    HostToolSession::Get().Reset();
    EXPECT_EQ(HostToolSession::Get().GetActiveTool(), nullptr) << "a reset ends the tool";
}
