// The panel for a selection of building elements, through the host's own tool property
// interface: elements of one class share a listing, walls and slabs show what they have in
// common, and one edit changes every selected element as one undo step.

#include "PanelTestSupport.h"

#include "platform/cad/DgnApplication.h"
#include "platform/cad/DgnProject.h"
#include "platform/cad/ITxnManager.h"
#include "platform/host/TSArchToolProperty.h"
#include "platform/host/TSArchiSlab.h"
#include "platform/host/TSArchiStoreyManager.h"
#include "platform/host/TSObjectExtensionManager.h"
#include "ztui/propertypanel/ZTSelectionToolProperty.h"

namespace {

class SelectionPanel : public PanelTest
{
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "zt-sel-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
        ASSERT_NE(DgnApplication::Get().NewProject((m_folder / "b.ztproj").string()), nullptr);
        PanelTest::SetUp();
        // The host's own interface, for every building class.
        TesselToolsInterfaceManager::Clear();
        archTool = TSArchToolProperty::Register();
        TSArchiStoreyManager::Get().EnsureStorey(Project());
    }
    void TearDown() override
    {
        PanelTest::TearDown();
        DgnApplication::Get().CloseProject();
        std::error_code ec;
        std::filesystem::remove_all(m_folder, ec);
    }
    DgnProject& Project() { return *DgnApplication::Get().GetCurrentProject(); }

    ElementRef* AddWall(double thickness, double y)
    {
        TSArchiWallPtr w = TSArchiWall::Create();
        w->SetStart({0, y, 0});
        w->SetEnd({4000, y, 0});
        w->SetThickness(thickness);
        return Project().FindElementById(w->AddToModel(*Project().GetDefaultModel()));
    }
    ElementRef* AddSlab(double thickness)
    {
        TSArchiSlabPtr s = TSArchiSlab::Create();
        s->SetProfile({{0, 0, 0}, {4000, 0, 0}, {4000, 3000, 0}, {0, 3000, 0}});
        s->SetThickness(thickness);
        return Project().FindElementById(s->AddToModel(*Project().GetDefaultModel()));
    }
    double ThicknessOf(ElementRef* e)
    {
        auto obj = TSObjectExtensionManager::Get().GetTSObject(e);
        return dynamic_cast<TSObject*>(obj.get())->GetDouble("Thickness");
    }
    std::vector<CString> Names()
    {
        std::vector<CString> names;
        for (const auto& item : Model().items())
            names.push_back(item->name());
        return names;
    }
    void Show(const bvector<ElementRef*>& elements)
    {
        dialog->refreshSelectionPropertyList(elements);
        desk.pump();
    }

    std::filesystem::path m_folder;
    RefCountedPtr<TSArchToolProperty> archTool;
};

} // namespace

TEST_F(SelectionPanel, OneElementIsShownAsItsOwnObject)
{
    ElementRef* wall = AddWall(240, 0);
    Show({wall});
    ASSERT_NE(Item(L"厚度"), nullptr);
    EXPECT_EQ(Item(L"厚度")->doubleValue(), 240.0);
    EXPECT_FALSE(Item(L"厚度")->hasDisplayText());
    EXPECT_NE(Item(L"起点"), nullptr);
}

TEST_F(SelectionPanel, WallsOfDifferentThicknessShowSeveralValuesAndOneEditSetsThemAll)
{
    bvector<ElementRef*> walls{AddWall(240, 0), AddWall(240, 2000), AddWall(370, 4000)};
    std::size_t undoBefore = Project().GetTxnManager().GetUndoCount();
    Show(walls);
    zt::PropertyItem_imp* thickness = Item(L"厚度");
    ASSERT_NE(thickness, nullptr);
    EXPECT_TRUE(thickness->hasDisplayText());
    EXPECT_EQ(thickness->displayText(), CString(L"*多种*"));
    EXPECT_FALSE(Item(L"高度")->hasDisplayText()) << "a value they share shows as it is";

    zt::ZTPropertyDlg::OnListValueChanged(Model(), *thickness->setDouble(300.0));
    for (ElementRef* wall : walls)
        EXPECT_EQ(ThicknessOf(wall), 300.0);
    EXPECT_EQ(Project().GetTxnManager().GetUndoCount(), undoBefore + 1) << "one undo step";
    ASSERT_TRUE(Project().GetTxnManager().Undo());
    EXPECT_EQ(ThicknessOf(walls[2]), 370.0);
}

TEST_F(SelectionPanel, WallsAndSlabsShowWhatTheyHaveInCommonAndTheEditGoesToEach)
{
    ElementRef* wall = AddWall(240, 0);
    ElementRef* slab = AddSlab(120);
    Show({wall, slab, AddWall(240, 2000)});
    // The wall's own fields (points, height) and the slab's (top offset) are not shown.
    EXPECT_EQ(Names(), (std::vector<CString>{L"厚度", L"材料", L"楼层", L"图层"}));
    ASSERT_EQ(Model().rows().groups().size(), 3u);
    EXPECT_TRUE(Item(L"厚度")->hasDisplayText());
    EXPECT_FALSE(Item(L"材料")->hasDisplayText());

    zt::ZTPropertyDlg::OnListValueChanged(Model(), *Item(L"厚度")->setDouble(200.0));
    EXPECT_EQ(ThicknessOf(wall), 200.0);
    EXPECT_EQ(ThicknessOf(slab), 200.0);

    // A refresh after the edit finds them all alike.
    Show({wall, slab});
    EXPECT_FALSE(Item(L"厚度")->hasDisplayText());
    EXPECT_EQ(Item(L"厚度")->doubleValue(), 200.0);
}

TEST_F(SelectionPanel, AnEmptySelectionEmptiesThePanelAndDeletedElementsAreLeftOut)
{
    ElementRef* wall = AddWall(240, 0);
    ElementRef* gone = AddWall(370, 2000);
    Show({wall, gone});
    ASSERT_FALSE(Model().items().empty());
    ASSERT_TRUE(TSObjectExtensionManager::Get().GetTSObject(gone).IsValid());
    RefCountedPtr<ITSObject> obj = TSObjectExtensionManager::Get().GetTSObject(gone);
    dynamic_cast<TSGraphicElement*>(obj.get())->DeleteFromModel();
    zt::ZTPropertyDlg::OnListValueChanged(Model(), *Item(L"厚度")->setDouble(310.0));
    EXPECT_EQ(ThicknessOf(wall), 310.0);

    Show({});
    EXPECT_TRUE(Model().items().empty());
    EXPECT_EQ(List().GetCount(), 0);
    EXPECT_EQ(zt::ZTPropertyMgn::instance().getTempObject().get(), nullptr);
}
