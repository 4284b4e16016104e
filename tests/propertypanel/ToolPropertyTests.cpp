// The shared part of the tools' property interfaces: an object as a map of property texts and
// back, the linked element as a user property set, the layer of the selection and the
// toolbar's buttons.
#include "tests/host/HostProjectFixture.h"

#include "platform/cad/AbstractUiStateManager.h"
#include "platform/host/AppServices.h"
#include "platform/host/Executors.h"
#include "platform/host/TSArchiWall.h"
#include "platform/host/TSLevelManager.h"
#include "platform/host/TSUserPropertySet.h"
#include "platform/host/TesselToolsInterfaceManager.h"
#include "platform/host/TesselUIPropertyItem.h"
#include "platform/host/TesselUIProperyList.h"
#include "platform/host/UserEnvironment.h"
#include "platform/host/ZTLayerCompsMgn.h"
#include "platform/win/WinDlg.h"
#include "platform/win/afxwin.h"
#include "tests/support/DesktopFixture.h"
#include "ztui/propertypanel/ZTToolProperty.h"

#include <functional>
#include <string>

using zt::ZTToolProperty;

namespace {

// A graphic element of a class of its own, so that each test starts with fresh class tables.
class Probe : public TSGraphicElement
{
public:
    static RefCountedPtr<Probe> Create(const std::string& className)
    {
        return new Probe(className);
    }

private:
    explicit Probe(const std::string& className)
        : TSGraphicElement("TestSchema", Utf8String(className), TesselDomain_Architecture)
    {}
};

std::string NewClassName()
{
    static int counter = 0;
    return "ProbeClass" + std::to_string(++counter);
}

// Lists one record of every kind under two groups and records the edits written back, with
// the format-brush flag as it was during each.
class ProbeTool : public ZTToolProperty
{
public:
    struct Edit
    {
        int key;
        TesselUIPropertyItem::Kind kind;
        std::wstring text;
        bool fromBrush;
    };

    std::function<void(TesselUIProperyList&)> fill = [](TesselUIProperyList& list) {
        list.addGroup(L"几何", true);
        Add(list, 30, TesselUIPropertyItem(L"颜色", ColorValue{0x00FF00}));
        Add(list, 20, TesselUIPropertyItem(L"可见", true));
        Add(list, 10, TesselUIPropertyItem(L"数量", 7));
        Add(list, 40, TesselUIPropertyItem(L"厚度", 240.5));
        Add(list, 50, TesselUIPropertyItem(L"名称", WString(L"外墙")));
        list.addGroup(L"其他", false);
        Add(list, 60, TesselUIPropertyItem(L"按钮", ButtonValue{L"编辑", 9}));
        Add(list, 70,
            TesselUIPropertyItem(L"材料", ListValue{2, {L"砖", L"石", L"混凝土"}, false}));
        Add(list, 80, TesselUIPropertyItem(L"位置", DPoint3d{1, 2.5, -3}));
        Add(list, 90, TesselUIPropertyItem(L"图案", EditButtonValue{L"斜线", nullptr}));
        Add(list, 100, TesselUIPropertyItem(L"说明", MultiText{3, L"第一行\r\n第二行"}));
        ListImageValue images;
        images.selected = 1;
        images.entries = {{L"甲", 0}, {L"乙", 1}};
        Add(list, 110, TesselUIPropertyItem(L"样式", images));
        Add(list, 120, TesselUIPropertyItem(L"轮廓", bvector<DPoint3d>{{0, 0, 0}, {1, 1, 0}}));
    };
    std::vector<Edit> edits;

    void OnPropertyListGet(RefCountedPtr<ITSObject>&, TesselUIProperyList& list) override
    {
        fill(list);
    }
    void OnSelectionPropertyListGet(const std::vector<ElementRef*>&,
                                    TesselUIProperyList& list) override
    {
        fill(list);
    }
    void OnPropertyItemChanged(RefCountedPtr<ITSObject>&, int key,
                               TesselUIPropertyItem& record) override
    {
        bool brush = false;
        AbstractUiStateManager::Get().GetValue(kFromFormatBrushKey, brush);
        edits.push_back({key, record.getKind(), TextOf(record), brush});
    }

    static void Add(TesselUIProperyList& list, int key, TesselUIPropertyItem record)
    {
        list.addRecord(key, record);
    }
    static std::wstring TextOf(const TesselUIPropertyItem& record)
    {
        ColorValue color;
        bool flag;
        int integer;
        double number;
        WString text;
        ListValue choice;
        ButtonValue button;
        EditButtonValue edit;
        MultiText multi;
        ListImageValue images;
        if (record.getValue(color))
            return std::to_wstring(color.color);
        if (record.getValue(flag))
            return flag ? L"true" : L"false";
        if (record.getValue(integer))
            return std::to_wstring(integer);
        if (record.getValue(number))
            return std::to_wstring(number);
        if (record.getValue(text))
            return text;
        if (record.getValue(button))
            return button.text + L"/" + std::to_wstring(button.data);
        if (record.getValue(choice))
            return std::to_wstring(choice.selected) + L":" +
                   (choice.strings.size() == 1 ? choice.strings[0] : L"?") +
                   (choice.editable ? L"+" : L"");
        if (record.getValue(edit))
            return edit.text;
        if (record.getValue(multi))
            return multi.text + L"#" + std::to_wstring(multi.lines);
        if (record.getValue(images))
            return std::to_wstring(images.selected) + L"/" + std::to_wstring(images.entries.size());
        return L"?";
    }
};

class ToolProperty : public HostProjectFixture
{
protected:
    void SetUp() override
    {
        HostProjectFixture::SetUp();
        className = NewClassName();
        tool = new ProbeTool();
        ASSERT_TRUE(TesselToolsInterfaceManager::RegisterInterface(className.c_str(), tool.get()));
        obj = Probe::Create(className);
    }
    void TearDown() override
    {
        TesselToolsInterfaceManager::UnregisterInterface(className.c_str(),
                                                         IToolProperty::INTERFACE_NAME);
        HostProjectFixture::TearDown();
    }

    std::map<CString, CString> Get()
    {
        std::map<CString, CString> props;
        tool->OnPropertyGet(obj, props);
        return props;
    }
    static std::wstring At(const std::map<CString, CString>& props, const wchar_t* name)
    {
        auto it = props.find(CString(name));
        return it == props.end() ? L"<none>" : it->second.GetString();
    }

    DesktopFixture desktop;
    std::string className;
    RefCountedPtr<ProbeTool> tool;
    RefCountedPtr<ITSObject> obj;
};

} // namespace

TEST_F(ToolProperty, EveryKindWithATextFormTravelsAsItsText)
{
    const std::map<CString, CString> props = Get();
    EXPECT_EQ(At(props, L"颜色"), L"65280");
    EXPECT_EQ(At(props, L"可见"), L"1");
    EXPECT_EQ(At(props, L"数量"), L"7");
    EXPECT_EQ(At(props, L"厚度"), L"240.500000");
    EXPECT_EQ(At(props, L"名称"), L"外墙");
    EXPECT_EQ(At(props, L"按钮"), L"编辑");
    EXPECT_EQ(At(props, L"材料"), L"2");
    EXPECT_EQ(At(props, L"位置"), L"1.000000,2.500000,-3.000000");
    EXPECT_EQ(At(props, L"图案"), L"斜线");
    EXPECT_EQ(At(props, L"说明"), L"第一行\r\n第二行");
    EXPECT_EQ(At(props, L"样式"), L"1");
    EXPECT_EQ(At(props, L"轮廓"), L"<none>") << "a point list has no text";
    EXPECT_EQ(props.size(), 11u);

    // Something that is not a graphic element, or a class without a tool, gives nothing.
    RefCountedPtr<ITSObject> plain = TSObject::Create("TestSchema", "NoTool");
    std::map<CString, CString> none;
    tool->OnPropertyGet(plain, none);
    RefCountedPtr<ITSObject> orphan = Probe::Create(NewClassName());
    tool->OnPropertyGet(orphan, none);
    EXPECT_TRUE(none.empty());
}

TEST_F(ToolProperty, AMapAppliedBackWritesInKeyOrderAsTheFormatBrush)
{
    std::map<CString, CString> props = Get();
    props[CString(L"未知")] = L"5";
    tool->OnPropertySet(obj, props, nullptr);

    std::vector<int> keys;
    for (const ProbeTool::Edit& e : tool->edits) {
        keys.push_back(e.key);
        EXPECT_TRUE(e.fromBrush) << e.key;
    }
    EXPECT_EQ(keys, (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 90, 100, 110}))
        << "ascending keys; the point and unknown names are skipped";
    bool brush = true;
    ASSERT_TRUE(AbstractUiStateManager::Get().GetValue(ZTToolProperty::kFromFormatBrushKey, brush));
    EXPECT_FALSE(brush) << "cleared after the last write";

    auto text = [&](int key) {
        for (const ProbeTool::Edit& e : tool->edits)
            if (e.key == key)
                return e.text;
        return std::wstring(L"<none>");
    };
    EXPECT_EQ(text(30), L"65280") << "the colour comes back as the same colour";
    EXPECT_EQ(text(20), L"true");
    EXPECT_EQ(text(10), L"7");
    EXPECT_EQ(text(40), L"240.500000");
    EXPECT_EQ(text(60), L"编辑/0") << "a button's data word is not carried";
    EXPECT_EQ(text(70), L"2:2") << "the list's only string is the index text";
    EXPECT_EQ(text(100), L"第一行\r\n第二行#3");
    EXPECT_EQ(text(110), L"1/0");
}

TEST_F(ToolProperty, TextsThatAreNotTheirKindAreSkippedOrFalse)
{
    Get();
    tool->OnPropertySet(obj,
                        {{L"数量", L"12abc"},
                         {L"厚度", L""},
                         {L"颜色", L"-1"},
                         {L"材料", L"第二"},
                         {L"样式", L"99999999999"},
                         {L"可见", L"yes"},
                         {L"名称", L"内墙"}},
                        nullptr);
    ASSERT_EQ(tool->edits.size(), 2u);
    EXPECT_EQ(tool->edits[0].key, 20);
    EXPECT_EQ(tool->edits[0].text, L"false") << "a bool is true only for the text 1";
    EXPECT_EQ(tool->edits[1].key, 50);
    EXPECT_EQ(tool->edits[1].text, L"内墙");
}

TEST_F(ToolProperty, TheSourcesListGivesTheKindsWhenTheClassHasNone)
{
    // The source lists a text where the object's own tool would list a number: the tables
    // come from the source when the class has none yet.
    const std::string sourceClass = NewClassName();
    RefCountedPtr<ProbeTool> sourceTool = new ProbeTool();
    sourceTool->fill = [](TesselUIProperyList& list) {
        list.addGroup(L"几何", true);
        ProbeTool::Add(list, 5, TesselUIPropertyItem(L"数量", WString(L"七")));
    };
    ASSERT_TRUE(
        TesselToolsInterfaceManager::RegisterInterface(sourceClass.c_str(), sourceTool.get()));
    RefCountedPtr<ITSObject> source = Probe::Create(sourceClass);
    tool->OnPropertySet(obj, {{L"数量", L"七"}}, source);
    ASSERT_EQ(tool->edits.size(), 1u);
    EXPECT_EQ(tool->edits[0].key, 5);
    EXPECT_EQ(tool->edits[0].kind, TesselUIPropertyItem::Kind::Text);
    TesselToolsInterfaceManager::UnregisterInterface(sourceClass.c_str(),
                                                     IToolProperty::INTERFACE_NAME);
}

TEST_F(ToolProperty, ALinkedElementFlattensIntoTheUserPropertySet)
{
    TSArchiWallPtr wall = TSArchiWall::Create();
    wall->SetStart({0, 0, 0});
    wall->SetEnd({3000, 0, 0});
    ElementRef* element = Model().FindElementById(wall->AddToModel(Model()));
    ASSERT_NE(element, nullptr);
    RefCountedPtr<ProbeTool> wallTool = new ProbeTool();
    IToolInterface* before = TesselToolsInterfaceManager::QueryICmdInterface(
        "TSArchiWall", IToolProperty::INTERFACE_NAME);
    RefCountedPtr<IToolInterface> keep = before;
    ASSERT_TRUE(TesselToolsInterfaceManager::RegisterInterface("TSArchiWall", wallTool.get()));

    TSUserPropertySet set;
    set.AddGroup(L"原有");
    set.SetValue(L"原有", L"编号", TSUserPropertyCell());
    ASSERT_TRUE(ZTToolProperty::getLinkArchElementProperty(element, set));
    EXPECT_EQ(set.GetGroupNames(), (bvector<WString>{L"原有", L"几何", L"其他"}));
    auto value = [&](const wchar_t* name) { return set.FindValue(name); };
    ASSERT_TRUE(value(L"颜色").IsValid());
    EXPECT_EQ(value(L"颜色")->GetValue().GetInt(), 0x00FF00);
    EXPECT_EQ(value(L"颜色")->GetGroupIdx(), 0);
    EXPECT_EQ(value(L"颜色")->GetValueIdx(), 30 - 1) << "key less the values held before";
    EXPECT_TRUE(value(L"可见")->GetValue().GetBool());
    EXPECT_DOUBLE_EQ(value(L"厚度")->GetValue().GetDouble(), 240.5);
    EXPECT_EQ(value(L"材料")->GetValue().GetString(), L"混凝土");
    EXPECT_EQ(value(L"位置")->GetValue().GetString(), L"1.000000,2.500000,-3.000000");
    EXPECT_EQ(value(L"样式")->GetValue().GetString(), L"1");
    EXPECT_EQ(value(L"按钮")->GetGroupIdx(), 1);
    EXPECT_EQ(value(L"按钮")->GetValueIdx(), 60 - 6) << "six values were held before 其他";
    EXPECT_FALSE(value(L"轮廓").IsValid());

    TSUserPropertySet none;
    ElementRef* missing = nullptr;
    EXPECT_FALSE(ZTToolProperty::getLinkArchElementProperty(missing, none));
    if (keep.IsValid())
        TesselToolsInterfaceManager::RegisterInterface("TSArchiWall", keep.get(),
                                                       IToolProperty::INTERFACE_NAME);
    else
        TesselToolsInterfaceManager::UnregisterInterface("TSArchiWall",
                                                         IToolProperty::INTERFACE_NAME);
}

TEST_F(ToolProperty, TheSelectionsLayerFillsTheHostsLayerBoxAndAChosenLayerMovesIt)
{
    for (const char* name : {"墙", "柱"})
        TSLevelManager::Get().EnsureLevel(Project(), name);
    ZTLAYERCOMPSINFO comb;
    comb.layers = {{"墙", 1, 0}, {"柱", 1, 0}};
    ZTLayerCompsMgn::Get().SetLayerCompInfo(Project(), "平面", comb);
    ZTLayerCompsMgn::Get().SetCurCompName(Project(), "平面");
    TSArchiWallPtr wall = TSArchiWall::Create();
    wall->SetStart({0, 0, 0});
    wall->SetEnd({3000, 0, 0});
    wall->SetLayerName("柱");
    ElementRef* element = Model().FindElementById(wall->AddToModel(Model()));
    ASSERT_NE(element, nullptr);

    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), L"host", WS_POPUP | WS_VISIBLE, 0, 0,
                                300, 300, nullptr, nullptr));
    CComboBox box;
    ASSERT_TRUE(box.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_HASSTRINGS,
                           CRect(0, 0, 200, 200), &parent, 7));
    box.AddString(L"旧");
    App_SetLayerComb(box.m_hWnd);

    tool->OnSelectionChanged({});
    desktop.pump();
    EXPECT_EQ(box.GetCount(), 1) << "an empty selection changes nothing";

    tool->OnSelectionChanged({element});
    desktop.pump();
    ASSERT_EQ(box.GetCount(), 2);
    CString text;
    box.GetLBText(box.GetCurSel(), text);
    EXPECT_EQ(std::wstring(text.GetString()), L"柱");
    EXPECT_EQ(std::wstring(ZTToolProperty::GetCurrentLayerName().GetString()), L"柱");
    EXPECT_EQ(ZTToolProperty::GetLayerNames().size(), 2u);

    tool->OnSelectedLayer({element}, L"墙");
    EXPECT_EQ(std::wstring(ZTToolProperty::GetCurrentLayerName().GetString()), L"墙");
    LevelDefinition level;
    ASSERT_TRUE(Project().Levels().FindLevelById(element->GetLevel(), level));
    EXPECT_EQ(level.name, "墙");

    App_SetLayerComb(nullptr);
    parent.DestroyWindow();
}

TEST_F(ToolProperty, TheToolbarButtonsAnswerWithTheirMessages)
{
    std::vector<std::wstring> shown;
    zt::win::SetMessageBoxResponder([&](HWND, const wchar_t* text, const wchar_t*, UINT type) {
        shown.push_back(text);
        EXPECT_TRUE(type & MB_SYSTEMMODAL);
        return IDOK;
    });
    tool->OnClickToolBarButton({}, ZTToolProperty::kAddPropertyButton);
    tool->OnClickToolBarButton({}, ZTToolProperty::kRemovePropertyButton);
    tool->OnClickToolBarButton({}, 102);
    zt::win::SetMessageBoxResponder({});
    EXPECT_EQ(shown, (std::vector<std::wstring>{L"新增属性", L"删除属性"}));
}
