// The property dialog: its list control, the layouts that place it among a derived dialog's
// controls, a refresh from a tool's listing, and an edit going back to the tool.

#include "PanelTestSupport.h"

#include "platform/host/TSArchiSlab.h"
#include "ztui/proplist/editors/item_ctrl.h"

#include <cmath>

using zt::ZTPropertyDlg;

namespace {

CRect ClientRectOf(CWnd& dialog, HWND control)
{
    CRect r;
    ::GetWindowRect(control, &r);
    dialog.ScreenToClient(&r);
    return r;
}

// A tool that lists a fixed set of records, in two groups, with a record before any group.
void FillWall(TesselUIProperyList& list)
{
    TesselUIPropertyItem early(L"编号", WString(L"W-1"));
    list.addRecord(1, early);
    list.addGroup(L"几何", true);
    TesselUIPropertyItem thickness(L"厚度", 240.0);
    list.addRecord(3, thickness);
    TesselUIPropertyItem height(L"高度", 3000.0);
    list.addRecord(4, height);
    list.addGroup(L"材质", false);
    TesselUIPropertyItem material(L"材料", ListValue{1, {L"混凝土", L"砖"}, false});
    list.addRecord(7, material);
}

class PropertyDlgTest : public PanelTest
{
protected:
    // The editor window of a visible row (row 0 is the first group's header), or null.
    HWND EditorOf(int row)
    {
        zt::item_ctrl* holder = List().Editor(Model().rows().visibleRow(row));
        return holder ? holder->window() : nullptr;
    }
    // Clicks into the row's edit, replaces its text and presses Enter.
    void TypeInto(int row, const wchar_t* text)
    {
        HWND edit = EditorOf(row);
        ASSERT_NE(edit, nullptr);
        CRect r;
        ::GetWindowRect(edit, &r);
        desk.click(r.CenterPoint());
        desk.keyDown(VK_CONTROL);
        desk.key('A');
        desk.keyUp(VK_CONTROL);
        desk.type(text);
        desk.key(VK_RETURN);
    }
};

} // namespace

TEST_F(PropertyDlgTest, TheListIsControlTwentyWithTheListStylesAndHiddenUntilPlaced)
{
    TestPropertyDlg bare;
    ASSERT_TRUE(bare.CreateIndirect(PanelDialogTemplate(WS_POPUP | WS_VISIBLE)));
    CWnd* list = bare.GetDlgItem(20);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list, bare.GetPropertyList());
    // WS_VSCROLL comes and goes with the need for a scroll bar, as in every list box.
    DWORD style = list->GetStyle();
    for (DWORD bit : {DWORD(WS_CHILD), DWORD(LBS_OWNERDRAWVARIABLE), DWORD(LBS_HASSTRINGS)})
        EXPECT_EQ(style & bit, bit);
    EXPECT_FALSE(list->IsWindowVisible());
    bare.SetGroupsPairOnlyPropertyList();
    EXPECT_TRUE(list->IsWindowVisible());
    CRect window;
    bare.GetWindowRect(&window);
    CRect placed = ClientRectOf(bare, list->m_hWnd);
    EXPECT_EQ(placed, CRect(4, 0, 4 + window.Width() - 8, window.Height() - 4));
    ASSERT_EQ(bare.GetGroupsPair().size(), 1u);
    EXPECT_EQ(bare.GetGroupsPair()[0], (zt::CtrlPairGroup{{{20, 1}}}));
    bare.DestroyWindow();
}

TEST_F(PropertyDlgTest, BeforeWithNoControlsAndNoHeightTakesTheParentsHeightFromTheTop)
{
    dialog->SetGroupsPairBeforePropertyList({{{{9001, 0}}}}, 0);
    CRect placed = ClientRectOf(*dialog, List().m_hWnd);
    EXPECT_EQ(placed.top, 0);
    EXPECT_EQ(placed.Height(), kPaneHeight - 4) << "the pane's height, less the list margin";
    ASSERT_EQ(dialog->GetGroupsPair().size(), 2u);
    EXPECT_EQ(dialog->GetGroupsPair().back(), (zt::CtrlPairGroup{{{20, 1}}}));
}

TEST_F(PropertyDlgTest, BeforePlacesTheListTenPixelsBelowTheLowestControl)
{
    CStatic label;
    CEdit value;
    label.Create(L"名称", WS_CHILD | WS_VISIBLE, CRect(8, 8, 60, 30), dialog.get(), 101);
    value.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(64, 6, 200, 36), dialog.get(), 102);
    dialog->SetGroupsPairBeforePropertyList({{{{101, 0}, {102, 1}}}}, 200);
    CRect placed = ClientRectOf(*dialog, List().m_hWnd);
    EXPECT_EQ(placed.top, 46);
    EXPECT_EQ(placed.Height(), 196);
    EXPECT_EQ(dialog->GetGroupsPair().size(), 2u);
}

TEST_F(PropertyDlgTest, AfterMovesTheGroupsUnderTheListUnlessTheyAreThereAlready)
{
    CButton first;
    CButton second;
    first.Create(L"应用", WS_CHILD | WS_VISIBLE, CRect(8, 50, 90, 74), dialog.get(), 201);
    second.Create(L"重置", WS_CHILD | WS_VISIBLE, CRect(100, 60, 180, 84), dialog.get(), 202);
    dialog->SetGroupsPairAfterPropertyList({{{{201, 0}, {202, 0}}}}, 300);
    EXPECT_EQ(ClientRectOf(*dialog, List().m_hWnd), CRect(4, 0, 4 + kPaneWidth - 8, 296));
    EXPECT_EQ(ClientRectOf(*dialog, first.m_hWnd).top, 310) << "moved by 310 - 50";
    EXPECT_EQ(ClientRectOf(*dialog, second.m_hWnd).top, 320) << "the group moves as one";
    ASSERT_EQ(dialog->GetGroupsPair().size(), 2u);
    EXPECT_EQ(dialog->GetGroupsPair().front(), (zt::CtrlPairGroup{{{20, 1}}}));

    // Already at height + 10: nothing moves.
    dialog->SetGroupsPairAfterPropertyList({{{{201, 0}, {202, 0}}}}, 300);
    EXPECT_EQ(ClientRectOf(*dialog, first.m_hWnd).top, 310);
    EXPECT_EQ(ClientRectOf(*dialog, second.m_hWnd).top, 320);
}

TEST_F(PropertyDlgTest, AroundPutsTheListBetweenTheGroupsBeforeAndAfter)
{
    CButton head;
    CButton foot;
    head.Create(L"上", WS_CHILD | WS_VISIBLE, CRect(8, 4, 90, 28), dialog.get(), 301);
    foot.Create(L"下", WS_CHILD | WS_VISIBLE, CRect(8, 40, 90, 64), dialog.get(), 302);
    dialog->SetGroupsPairArroundPropertyList({{{301, 0}}}, 200, {{{302, 0}}});
    CRect list = ClientRectOf(*dialog, List().m_hWnd);
    EXPECT_EQ(list.top, 38);
    EXPECT_EQ(list.bottom, 38 + 196);
    EXPECT_EQ(ClientRectOf(*dialog, foot.m_hWnd).top, 38 + 200 - 4 + 10);
    ASSERT_EQ(dialog->GetGroupsPair().size(), 3u);
    EXPECT_EQ(dialog->GetGroupsPair()[1], (zt::CtrlPairGroup{{{20, 1}}}));
}

TEST_F(PropertyDlgTest, ARefreshShowsTheToolsGroupsWithRecordsBeforeAnyGroupUnderCommon)
{
    tool->fill = FillWall;
    Refresh();
    ASSERT_EQ(tool->lists, 1);
    const auto& groups = Model().rows().groups();
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(Item(L"编号")->groupName(), CString(L"Common"));
    EXPECT_TRUE(Item(L"编号")->groupExpanded());
    EXPECT_FALSE(Item(L"材料")->groupExpanded()) << "the tool's closed group starts closed";
    EXPECT_EQ(Item(L"厚度")->tag(), 10003);
    EXPECT_EQ(Item(L"材料")->tag(), 20007);
    EXPECT_EQ(Item(L"厚度")->doubleValue(), 240.0);
    // Common, its row, 几何 with two rows, and the closed 材质.
    EXPECT_EQ(List().GetCount(), 6);
    EXPECT_TRUE(List().IsWindowVisible());
}

TEST_F(PropertyDlgTest, AnEditReachesTheToolWithItsKeyOnTheWorkThreadForTheObjectShown)
{
    tool->fill = FillWall;
    Refresh();
    // 材料 is the item of group 2, key 7.
    zt::PropertyItem_imp* material = Item(L"材料");
    ASSERT_NE(material, nullptr);
    zt::ZTPropertyDlg::OnListValueChanged(Model(), *material->setSelectedIndex(0));
    ASSERT_EQ(tool->changes.size(), 1u);
    EXPECT_EQ(tool->changes[0].key, 7);
    EXPECT_TRUE(tool->changes[0].onWorkThread);
    EXPECT_EQ(tool->changes[0].object, wall.get()) << "the edit goes to the element, not the copy";
    ListValue chosen;
    ASSERT_TRUE(tool->changes[0].record.getValue(chosen));
    EXPECT_EQ(chosen.selected, 0);
    ASSERT_EQ(dialog->notified.size(), 1u);
    EXPECT_EQ(dialog->notified[0].key, 7);
    EXPECT_EQ(dialog->notified[0].item, material);

    // Typed into the thickness row: Common, 编号, 几何, then 厚度.
    TypeInto(3, L"370");
    ASSERT_EQ(tool->changes.size(), 2u);
    EXPECT_EQ(tool->changes[1].key, 3);
    double thickness = 0;
    ASSERT_TRUE(tool->changes[1].record.getValue(thickness));
    EXPECT_EQ(thickness, 370.0);
    EXPECT_EQ(dialog->notified.size(), 2u);
}

TEST_F(PropertyDlgTest, AButtonClickReachesTheToolWithoutNotifyingTheDialog)
{
    tool->fill = [](TesselUIProperyList& list) {
        list.addGroup(L"其他", true);
        TesselUIPropertyItem pick(L"拾取", ButtonValue{L"拾取…", 0});
        list.addRecord(12, pick);
    };
    Refresh();
    zt::ZTPropertyDlg::OnListButtonClicked(Model(), *Item(L"拾取"));
    ASSERT_EQ(tool->clicks.size(), 1u);
    EXPECT_EQ(tool->clicks[0].key, 12);
    EXPECT_TRUE(tool->clicks[0].onWorkThread);
    EXPECT_TRUE(tool->changes.empty());
    EXPECT_TRUE(dialog->notified.empty());
}

TEST_F(PropertyDlgTest, TheToolListsACopyOfAnArchitecturalElementAndTheElementIsTheTempObject)
{
    tool->fill = FillWall;
    Refresh();
    ASSERT_TRUE(tool->listed.IsValid());
    EXPECT_NE(tool->listed.get(), wall.get());
    EXPECT_EQ(tool->listed->GetECClassName(), wall->GetECClassName());
    EXPECT_EQ(zt::ZTPropertyMgn::instance().getTempObject().get(), wall.get());
    Utf8String className("TSArchiWall");
    EXPECT_EQ(zt::ZTPropertyMgn::instance().getTempObject(className).get(), wall.get());
}

TEST_F(PropertyDlgTest, ANullElementOrAMissingToolLeavesTheListAsItWas)
{
    tool->fill = FillWall;
    Refresh();
    dialog->refreshPropertyList(kClass, nullptr);
    EXPECT_EQ(tool->lists, 1);
    dialog->refreshPropertyList("NoSuchClass", wall.get());
    EXPECT_EQ(List().GetCount(), 6);
    EXPECT_NE(Item(L"厚度"), nullptr);
}

TEST_F(PropertyDlgTest, ARefreshKeepsTheScrollPositionWhenTheRowCountStays)
{
    int count = 40;
    tool->fill = [&](TesselUIProperyList& list) {
        list.addGroup(L"长列表", true);
        for (int i = 0; i < count; ++i) {
            TesselUIPropertyItem record(L"项", i);
            list.addRecord(i, record);
        }
    };
    Refresh();
    List().SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 12), 0);
    desk.pump();
    ASSERT_EQ(List().GetTopIndex(), 12);
    Refresh();
    EXPECT_EQ(List().GetTopIndex(), 12);
    count = 41;
    Refresh();
    EXPECT_EQ(List().GetTopIndex(), 0) << "another number of rows starts at the top";
}

TEST_F(PropertyDlgTest, TheCollectorsBitmapsLiveUntilTheNextRefresh)
{
    HDC screen = ::GetDC(nullptr);
    HBITMAP picture = ::CreateCompatibleBitmap(screen, 8, 8);
    ::ReleaseDC(nullptr, screen);
    tool->fill = [&](TesselUIProperyList& list) {
        TesselUIPropertyItem image(L"图", ImageValue{picture});
        list.addRecord(1, image);
    };
    Refresh();
    EXPECT_NE(::GetObjectType(picture), 0u);
    ASSERT_NE(Item(L"图"), nullptr);
    EXPECT_NE(Item(L"图")->image(), picture) << "the item has its own copy";
    tool->fill = nullptr;
    Refresh();
    EXPECT_EQ(::GetObjectType(picture), 0u) << "the next refresh deleted the record's bitmap";
}

TEST_F(PropertyDlgTest, ASecondDialogTakesTheSharedListFromTheFirst)
{
    tool->fill = FillWall;
    Refresh();
    TestPropertyDlg other;
    ASSERT_TRUE(other.CreateIndirect(PanelDialogTemplate(WS_POPUP | WS_VISIBLE)));
    other.SetGroupsPairOnlyPropertyList();
    other.refreshPropertyList(kClass, wall.get());
    desk.pump();
    EXPECT_EQ(Model().view(), other.GetPropertyList());
    EXPECT_EQ(List().list(), nullptr);
    EXPECT_EQ(List().GetCount(), 0);
    EXPECT_EQ(other.GetPropertyList()->GetCount(), 6);
    EXPECT_EQ(ZTPropertyDlg::DialogOf(Model()), &other);
    other.DestroyWindow();
    EXPECT_EQ(ZTPropertyDlg::DialogOf(Model()), nullptr);
}
