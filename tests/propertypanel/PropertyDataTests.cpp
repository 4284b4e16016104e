// Picked-up property values, tool objects, the format brush's copy and the user's property
// sets, over a real project and the host's building tools; what they keep in the project's
// dictionary must outlive closing and reopening it.
#include "tests/host/HostProjectFixture.h"

#include "platform/base/Encoding.h"
#include "platform/host/TSArchToolProperty.h"
#include "platform/host/TSArchiColumn.h"
#include "platform/host/TSArchiWall.h"
#include "platform/host/TSDictionaryManager.h"
#include "platform/host/TSObjectExtensionManager.h"
#include "platform/host/TesselToolsInterfaceManager.h"
#include "ztui/propertypanel/ZTHostToolPropertyAdapter.h"
#include "ztui/propertypanel/ZTPropertyDataMgn.h"
#include "ztui/propertypanel/ZTPropertyMgn.h"
#include "ztui/propertypanel/ZTPropertySetMgn.h"

using zt::ZTPropertyDataMgn;
using zt::ZTPropertySetMgn;

namespace {

constexpr const char* kSchema = "TSM_ArchiModel";

// The host's building tools, seen by the library through its adapter, for walls and columns.
class PropertyData : public HostProjectFixture
{
protected:
    void SetUp() override
    {
        HostProjectFixture::SetUp();
        adapter = zt::ZTHostToolPropertyAdapter::Create(TSArchToolProperty::Create().get());
        for (const char* cls : {TSArchiWall::CLASS_NAME, TSArchiColumn::CLASS_NAME})
            TesselToolsInterfaceManager::RegisterInterface(cls, adapter.get(),
                                                           IToolProperty::INTERFACE_NAME);
    }
    void TearDown() override
    {
        for (const char* cls : {TSArchiWall::CLASS_NAME, TSArchiColumn::CLASS_NAME})
            TesselToolsInterfaceManager::UnregisterInterface(cls, IToolProperty::INTERFACE_NAME);
        HostProjectFixture::TearDown();
    }

    static RefCountedPtr<TSArchiWall> Wall(double thickness, double height)
    {
        TSArchiWallPtr wall = TSArchiWall::Create();
        wall->SetStart({0, 0, 0});
        wall->SetEnd({4000, 0, 0});
        wall->SetThickness(thickness);
        wall->SetHeight(height);
        return wall;
    }
    static TSArchiWall* AsWall(const RefCountedPtr<TSObject>& obj)
    {
        return dynamic_cast<TSArchiWall*>(obj.get());
    }
    static Json::Value Entry(const char* dictionary, const char* entry)
    {
        Json::Value value;
        TSDictionaryManager::Get().GetDataByName(
            Utf8String(dictionary), WString(zt::base::Utf8ToWide(entry).c_str()), value);
        return value;
    }
    static std::string ValueOf(const Json::Value& record, const char* name)
    {
        for (const Json::Value& e : record["PropertyList"])
            if (e["PropertyName"].asString() == name)
                return e["PropertyValue"].asString();
        return "<none>";
    }

    RefCountedPtr<zt::ZTHostToolPropertyAdapter> adapter;
};

} // namespace

TEST_F(PropertyData, ClassesKnowTheirToolsAndAnUnknownClassHasAnEmptyId)
{
    ZTPropertyDataMgn& data = ZTPropertyDataMgn::instance();
    ASSERT_NE(data.getToolIdByClassName("NoSuchClass"), nullptr);
    EXPECT_STREQ(data.getToolIdByClassName("NoSuchClass"), "");
    data.registerECClassTool("TSArchiWall", "Tessel.Tool.ArchWall");
    data.registerECClassTool("TSArchiWall", "Tessel.Tool.ArchWall2");
    EXPECT_STREQ(data.getToolIdByClassName("TSArchiWall"), "Tessel.Tool.ArchWall2");
}

TEST_F(PropertyData, APickUpIsKeptInTheProjectAndReturnedAsTheVeryObject)
{
    ZTPropertyDataMgn& data = ZTPropertyDataMgn::instance();
    RefCountedPtr<TSObject> picked = Wall(370, 3300).get();
    data.setPickUpObject("TSArchiWall", kSchema, picked);
    EXPECT_EQ(data.getPickUpObject("TSArchiWall", kSchema, Project()).get(), picked.get());
    EXPECT_EQ(data.getPickUpECClassId(Project()),
              TSObjectExtensionManager::GetClassIdByClassName(Project(), kSchema, "TSArchiWall"));

    // A null object changes nothing.
    data.setPickUpObject("TSArchiColumn", kSchema, nullptr);
    EXPECT_EQ(data.getPickUpObject("TSArchiWall", kSchema, Project()).get(), picked.get());

    Json::Value record = Entry("PropertyData", "TSArchiWall");
    EXPECT_EQ(record["SchemaName"].asString(), kSchema);
    EXPECT_EQ(ValueOf(record, "厚度"), "370.000000");
    EXPECT_EQ(ValueOf(record, "高度"), "3300.000000");

    SaveAndReopen();
    EXPECT_EQ(ValueOf(Entry("PropertyData", "TSArchiWall"), "厚度"), "370.000000");
}

TEST_F(PropertyData, ThePanelsTempObjectOfTheClassWins)
{
    ZTPropertyDataMgn& data = ZTPropertyDataMgn::instance();
    data.setPickUpObject("TSArchiWall", kSchema, Wall(240, 3000).get());
    RefCountedPtr<TSObject> shown = Wall(100, 2000).get();
    zt::ZTPropertyMgn::instance().setTempObject(RefCountedPtr<ITSObject>(shown.get()));
    EXPECT_EQ(data.getPickUpObject("TSArchiWall", kSchema, Project()).get(), shown.get());
    zt::ZTPropertyMgn::instance().setTempObject(nullptr);
}

TEST_F(PropertyData, AfterARestartThePickUpIsRebuiltFromTheDictionary)
{
    // A pick-up of an earlier run: only the project has it, this run's memory does not.
    RefCountedPtr<TSArchiColumn> column = TSArchiColumn::Create();
    column->SetWidth(800);
    std::map<CString, CString> props;
    RefCountedPtr<ITSObject> obj = column.get();
    adapter->OnPropertyGet(obj, props);
    ASSERT_FALSE(props.empty());
    Json::Value list(Json::arrayValue);
    for (const auto& [name, value] : props) {
        Json::Value e;
        e["PropertyName"] = zt::base::WideToUtf8(name.GetString());
        e["PropertyValue"] = zt::base::WideToUtf8(value.GetString());
        list.append(e);
    }
    list.append(Json::Value(42)); // an element of another shape is harmless
    Json::Value record;
    record["PropertyList"] = list;
    record["SchemaName"] = kSchema;
    TSDictionaryManager::Get().SetDataAt(&Project(), Utf8String("PropertyData"),
                                         {{L"TSArchiColumn", record}});
    SaveAndReopen();

    RefCountedPtr<TSObject> restored =
        ZTPropertyDataMgn::instance().getPickUpObject("TSArchiColumn", kSchema, Project());
    auto* rebuilt = dynamic_cast<TSArchiColumn*>(restored.get());
    ASSERT_NE(rebuilt, nullptr);
    EXPECT_DOUBLE_EQ(rebuilt->GetWidth(), 800.0);

    // An entry without a property array gives the class's plain new object.
    TSDictionaryManager::Get().SetDataAt(&Project(), Utf8String("PropertyData"),
                                         {{L"TSArchiColumn", Json::Value("broken")}});
    restored = ZTPropertyDataMgn::instance().getPickUpObject("TSArchiColumn", kSchema, Project());
    rebuilt = dynamic_cast<TSArchiColumn*>(restored.get());
    ASSERT_NE(rebuilt, nullptr);
    EXPECT_DOUBLE_EQ(rebuilt->GetWidth(), 500.0);
}

TEST_F(PropertyData, AToolObjectTakesThePickedValuesOfItsClass)
{
    ZTPropertyDataMgn& data = ZTPropertyDataMgn::instance();
    data.setPickUpObject("TSArchiWall", kSchema, Wall(490, 3600).get());
    RefCountedPtr<TSObject> fresh = Wall(200, 2800).get();
    data.setToolObject("TSArchiWall", kSchema, fresh);
    EXPECT_DOUBLE_EQ(AsWall(fresh)->GetThickness(), 490.0);
    EXPECT_DOUBLE_EQ(AsWall(fresh)->GetHeight(), 3600.0);
    EXPECT_DOUBLE_EQ(AsWall(fresh)->GetEnd().x, 4000.0) << "the placement is the tool's own";

    RefCountedPtr<TSObject> other = Wall(200, 2800).get();
    data.setToolObject("TSArchiColumn", kSchema, other);
    EXPECT_DOUBLE_EQ(AsWall(other)->GetThickness(), 200.0) << "another class: unchanged";
}

TEST_F(PropertyData, TheFormatBrushCopiesWhatTheFilterLetsThrough)
{
    ZTPropertyDataMgn& data = ZTPropertyDataMgn::instance();
    RefCountedPtr<TSObject> src = Wall(370, 3300).get();
    RefCountedPtr<TSObject> all = Wall(200, 2800).get();
    EXPECT_TRUE(data.cloneObject(src, all, {}));
    EXPECT_DOUBLE_EQ(AsWall(all)->GetThickness(), 370.0);
    EXPECT_DOUBLE_EQ(AsWall(all)->GetHeight(), 3300.0);

    RefCountedPtr<TSObject> some = Wall(200, 2800).get();
    EXPECT_TRUE(data.cloneObject(src, some, {{L"高度", false}, {L"厚度", true}}));
    EXPECT_DOUBLE_EQ(AsWall(some)->GetThickness(), 370.0);
    EXPECT_DOUBLE_EQ(AsWall(some)->GetHeight(), 2800.0);

    std::map<CString, CString> props;
    RefCountedPtr<ITSObject> srcObj = src.get();
    adapter->OnPropertyGet(srcObj, props);
    std::map<CString, bool> none;
    for (const auto& [name, value] : props)
        none[name] = false;
    RefCountedPtr<TSObject> untouched = Wall(200, 2800).get();
    EXPECT_FALSE(data.cloneObject(src, untouched, none));
    EXPECT_DOUBLE_EQ(AsWall(untouched)->GetThickness(), 200.0);

    RefCountedPtr<TSObject> plain = TSObject::Create(kSchema, "Plain");
    EXPECT_FALSE(data.cloneObject(src, plain, {}));
    RefCountedPtr<TSObject> nothing;
    EXPECT_FALSE(data.cloneObject(nothing, all, {}));
}

TEST_F(PropertyData, PropertySetsAreKeptPerKeyAndSurviveReopening)
{
    ZTPropertySetMgn& sets = ZTPropertySetMgn::instance();
    sets.setCurrentPropertySet("Tessel.Tool.ArchWall", {{L"厚度", true}, {L"高度", false}});
    std::map<CString, bool> out{{L"高度", true}};
    EXPECT_TRUE(sets.getCurrentPropertySet("Tessel.Tool.ArchWall", out));
    EXPECT_EQ(out.size(), 2u);
    EXPECT_TRUE(out[L"高度"]) << "a name the caller holds keeps its value";

    sets.setCurrentPropertySet("Tessel.Tool.Empty", {});
    std::map<CString, bool> empty;
    EXPECT_FALSE(sets.getCurrentPropertySet("Tessel.Tool.Empty", empty));

    SaveAndReopen();
    Json::Value stored = Entry("PropertyDataSet", "Tessel.Tool.ArchWall");
    ASSERT_TRUE(stored["PropertyList"].isArray());
    EXPECT_EQ(stored["PropertyList"].size(), 2u);
}

TEST_F(PropertyData, ASetOfAnEarlierRunIsReadFromTheProject)
{
    Json::Value list(Json::arrayValue);
    Json::Value a;
    a["PropertyName"] = "厚度";
    a["PropertyCopy"] = false;
    Json::Value b;
    b["PropertyName"] = "高度";
    b["PropertyCopy"] = "no"; // not a bool: copied
    Json::Value c;
    c["PropertyName"] = "材料"; // no flag: copied
    list.append(a);
    list.append(b);
    list.append(c);
    Json::Value record;
    record["PropertyList"] = list;
    TSDictionaryManager::Get().SetDataAt(&Project(), Utf8String("PropertyDataSet"),
                                         {{L"Tessel.Tool.Earlier", record}});
    SaveAndReopen();
    std::map<CString, bool> out;
    ASSERT_TRUE(ZTPropertySetMgn::instance().getCurrentPropertySet("Tessel.Tool.Earlier", out));
    EXPECT_FALSE(out[L"厚度"]);
    EXPECT_TRUE(out[L"高度"]);
    EXPECT_TRUE(out[L"材料"]);

    std::map<CString, bool> missing;
    EXPECT_FALSE(ZTPropertySetMgn::instance().getCurrentPropertySet("Tessel.Tool.Never", missing));
}

TEST_F(PropertyData, MalformedEntriesAreSkippedAndTheProjectStillOpens)
{
    const ElementId wall = Wall(240, 3000)->AddToModel(Model());
    ASSERT_NE(wall, INVALID_ELEMENTID);
    Json::Value wrongList(Json::objectValue);
    wrongList["PropertyList"] = 3;
    Json::Value oddElements(Json::objectValue);
    oddElements["PropertyList"] = Json::Value(Json::arrayValue);
    oddElements["PropertyList"].append(Json::Value());
    oddElements["PropertyList"].append("厚度");
    Json::Value named(Json::objectValue);
    named["PropertyName"] = Json::Value(Json::arrayValue);
    named["PropertyValue"] = 12;
    oddElements["PropertyList"].append(named);
    TSDictionaryManager& dictionaries = TSDictionaryManager::Get();
    dictionaries.SetDataAt(&Project(), Utf8String("PropertyData"),
                           {{L"TSArchiColumn", Json::Value(5)}, {L"TSArchiSlab", oddElements}});
    dictionaries.SetDataAt(&Project(), Utf8String("PropertyDataSet"),
                           {{L"Tool.A", wrongList}, {L"Tool.B", oddElements}, {L"Tool.C", "x"}});
    SaveAndReopen();
    EXPECT_NE(Model().FindElementById(wall), nullptr) << "the rest of the project is there";

    ZTPropertyDataMgn& data = ZTPropertyDataMgn::instance();
    RefCountedPtr<TSObject> plain = data.getPickUpObject("TSArchiColumn", kSchema, Project());
    auto* column = dynamic_cast<TSArchiColumn*>(plain.get());
    ASSERT_NE(column, nullptr) << "the plain object of the class";
    EXPECT_DOUBLE_EQ(column->GetWidth(), 500.0);
    EXPECT_TRUE(data.getPickUpObject("TSArchiSlab", kSchema, Project()).IsValid());

    std::map<CString, bool> set;
    EXPECT_FALSE(ZTPropertySetMgn::instance().getCurrentPropertySet("Tool.A", set));
    EXPECT_FALSE(ZTPropertySetMgn::instance().getCurrentPropertySet("Tool.C", set));
    EXPECT_TRUE(ZTPropertySetMgn::instance().getCurrentPropertySet("Tool.B", set))
        << "odd elements read as unnamed properties that are copied";
    EXPECT_TRUE(set[CString()]);
}
