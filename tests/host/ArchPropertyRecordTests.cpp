#include "HostProjectFixture.h"

#include <cmath>

#include "platform/cad/ITxnManager.h"
#include "platform/host/IFormatCheck.h"
#include "platform/host/TSArchPropertyRecords.h"
#include "platform/host/TSArchToolProperty.h"
#include "platform/host/TSArchiBeam.h"
#include "platform/host/TSArchiColumn.h"
#include "platform/host/TSArchiDoor.h"
#include "platform/host/TSArchiSlab.h"
#include "platform/host/TSArchiStoreyManager.h"
#include "platform/host/TSArchiWall.h"
#include "platform/host/TSArchiWindow.h"
#include "platform/host/TSLevelManager.h"
#include "platform/host/TSObjectExtensionManager.h"
#include "platform/host/TesselToolsInterfaceManager.h"
#include "platform/host/TesselUIProperyListCollector.h"

namespace {

TSBuildingElementPtr NewOf(const char* className)
{
    auto obj = TSObjectExtensionManager::Get().GetTSObject(
        DgnApplication::Get().GetCurrentProject(), "TSM_ArchiModel", className);
    return dynamic_cast<TSBuildingElement*>(obj.get());
}

// Changes every field of an element to something other than its default.
void Vary(TSBuildingElement& e, DgnProject& project, std::int64_t storey, LevelId level)
{
    for (const TSArchField& f : e.GetFields()) {
        switch (f.kind) {
        case TSArchFieldKind::Length:
        case TSArchFieldKind::Offset:
        case TSArchFieldKind::Angle:
            e.SetDouble(f.member, e.GetDouble(f.member) + 17.5 + f.key);
            break;
        case TSArchFieldKind::Point: {
            Json::Value v(Json::arrayValue);
            v.append(100.0 * f.key);
            v.append(-7.0);
            v.append(0.0);
            Json::Value all = e.GetValues();
            all[f.member] = v;
            e.SetValues(all);
            break;
        }
        default:
            break;
        }
    }
    e.SetMaterial(L"钢");
    e.SetStoreyId(storey);
    e.SetLevelId(level);
    (void)project;
}

} // namespace

using ArchPropertyRecords = HostProjectFixture;

TEST_F(ArchPropertyRecords, AWallListsItsFieldsByGroupWithTheirKinds)
{
    TSArchiStoreyManager::Get().EnsureStorey(Project());
    TSBuildingElementPtr wall = NewOf("TSArchiWall");
    TesselUIProperyListCollector list;
    TSArchPropertyRecords::FillList(*wall, list);

    ASSERT_EQ(list.GetGroups().size(), 3u);
    EXPECT_EQ(list.GetGroups()[0].name, L"几何");
    EXPECT_EQ(list.GetGroups()[2].name, L"位置");
    const TesselUIPropertyItem* thickness = list.FindByName(L"厚度");
    ASSERT_NE(thickness, nullptr);
    double value = 0.0;
    EXPECT_TRUE(thickness->getValue(value));
    EXPECT_EQ(value, 240.0);
    ASSERT_NE(thickness->formatCheck(), nullptr);
    EXPECT_TRUE(thickness->formatCheck()->check(L" 370"));
    EXPECT_FALSE(thickness->formatCheck()->check(L"-5"));
    EXPECT_FALSE(thickness->formatCheck()->check(L"厚"));
    CString why;
    thickness->formatCheck()->message(why);
    EXPECT_FALSE(why.IsEmpty());

    ListValue material;
    ASSERT_TRUE(list.FindByName(L"材料")->getValue(material));
    EXPECT_EQ(material.strings[static_cast<std::size_t>(material.selected)], L"混凝土");
    ListValue storey;
    ASSERT_TRUE(list.FindByName(L"楼层")->getValue(storey));
    EXPECT_EQ(storey.strings, (std::vector<WString>{L"首层"}));
    EXPECT_EQ(storey.selected, 0);
    DPoint3d start;
    EXPECT_TRUE(list.FindByKey(1)->getValue(start));
}

TEST_F(ArchPropertyRecords, EveryClassRoundTripsThroughItsRecords)
{
    std::int64_t upper = TSArchiStoreyManager::Get().AddStorey(Project(), L"二层", 3000.0);
    TSArchiStoreyManager::Get().AddStorey(Project(), L"首层", 0.0);
    LevelId level = TSLevelManager::Get().EnsureLevel(Project(), "结构");
    for (const char* name : {"TSArchiWall", "TSArchiSlab", "TSArchiColumn", "TSArchiBeam",
                             "TSArchiDoor", "TSArchiWindow", "TSArchiOpening"}) {
        SCOPED_TRACE(name);
        TSBuildingElementPtr source = NewOf(name);
        ASSERT_TRUE(source.IsValid());
        Vary(*source, Project(), upper, level);
        TesselUIProperyListCollector list;
        TSArchPropertyRecords::FillList(*source, list);
        ASSERT_EQ(list.GetEntries().size(), source->GetFields().size());

        TSBuildingElementPtr target = NewOf(name);
        for (const auto& entry : list.GetEntries())
            EXPECT_TRUE(TSArchPropertyRecords::ApplyRecord(*target, entry.key, *entry.record))
                << "key " << entry.key;
        for (const TSArchField& f : source->GetFields()) {
            if (f.member) {
                EXPECT_EQ(target->GetValues()[f.member], source->GetValues()[f.member]) << f.member;
            }
        }
        EXPECT_EQ(target->GetLevelId(), level);
    }
}

TEST_F(ArchPropertyRecords, RefusedValuesLeaveTheElementAsItWas)
{
    TSBuildingElementPtr wall = NewOf("TSArchiWall");
    Json::Value before = wall->GetValues();
    struct Case
    {
        const char* what;
        int key;
        TesselUIPropertyItem record;
    };
    Case cases[] = {
        {"negative thickness", 3, TesselUIPropertyItem(L"厚度", -240.0)},
        {"zero height", 4, TesselUIPropertyItem(L"高度", 0)},
        {"text for a length", 3, TesselUIPropertyItem(L"厚度", WString(L"abc"))},
        {"point for a length", 3, TesselUIPropertyItem(L"厚度", DPoint3d{1, 2, 3})},
        {"material index out of range", 80,
         TesselUIPropertyItem(L"材料", ListValue{42, {}, false})},
        {"storey without storeys", 90, TesselUIPropertyItem(L"楼层", ListValue{0, {}, false})},
        {"unknown key", 9999, TesselUIPropertyItem(L"?", 1.0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(TSArchPropertyRecords::ApplyRecord(*wall, c.key, c.record));
        EXPECT_EQ(wall->GetValues(), before);
    }
    // A number that came back as text from the format brush still counts.
    EXPECT_TRUE(TSArchPropertyRecords::ApplyRecord(*wall, 3,
                                                   TesselUIPropertyItem(L"厚度", WString(L"300"))));
    EXPECT_EQ(dynamic_cast<TSArchiWall*>(wall.get())->GetThickness(), 300.0);
}

TEST_F(ArchPropertyRecords, EditsThroughTheToolInterfaceChangeTheElementUndoably)
{
    RefCountedPtr<TSArchToolProperty> tool = TSArchToolProperty::Register();
    auto* found = dynamic_cast<IToolProperty*>(
        TesselToolsInterfaceManager::QueryICmdInterface("TSArchiWall", "InterfaceToolProperty"));
    ASSERT_EQ(found, tool.get());

    TSBuildingElementPtr wall = NewOf("TSArchiWall");
    dynamic_cast<TSArchiWall*>(wall.get())->SetEnd({4000, 0, 0});
    ElementId id = wall->AddToModel(Model());
    LevelId outer = TSLevelManager::Get().EnsureLevel(Project(), "外墙");

    RefCountedPtr<ITSObject> obj = wall.get();
    TesselUIPropertyItem thicker(L"厚度", 370.0);
    found->OnPropertyItemChanged(obj, 3, thicker);
    TesselUIProperyListCollector layers;
    found->OnPropertyListGet(obj, layers);
    ListValue layerList;
    ASSERT_TRUE(layers.FindByKey(91)->getValue(layerList));
    auto pos = std::find(layerList.strings.begin(), layerList.strings.end(), L"外墙");
    ASSERT_NE(pos, layerList.strings.end());
    TesselUIPropertyItem layer(
        L"图层", ListValue{static_cast<int>(pos - layerList.strings.begin()), {}, false});
    found->OnPropertyItemChanged(obj, 91, layer);

    ElementRef* element = Model().FindElementById(id);
    EXPECT_NEAR(element->GetRange().high.y - element->GetRange().low.y, 370.0, 1e-9);
    EXPECT_EQ(element->GetLevel(), outer);

    // Values the element already has write nothing: no step to undo, the same stored content.
    ITxnManager& txn = Project().GetTxnManager();
    const std::size_t steps = txn.GetUndoCount();
    const std::shared_ptr<const ElementData> before = element->GetData();
    found->OnPropertyItemChanged(obj, 3, thicker);
    found->OnPropertyItemChanged(obj, 91, layer);
    EXPECT_EQ(txn.GetUndoCount(), steps);
    EXPECT_EQ(element->GetData(), before);

    ASSERT_TRUE(Project().GetTxnManager().Undo());
    EXPECT_NE(element->GetLevel(), outer);
    ASSERT_TRUE(Project().GetTxnManager().Undo());
    EXPECT_NEAR(element->GetRange().high.y - element->GetRange().low.y, 240.0, 1e-9);

    TesselUIPropertyItem bad(L"厚度", -1.0);
    found->OnPropertyItemChanged(obj, 3, bad);
    EXPECT_EQ(tool->GetRefusedCount(), 1);
    TesselToolsInterfaceManager::Clear();
}

TEST_F(ArchPropertyRecords, ASelectionMarksTheValuesItsElementsDoNotShare)
{
    RefCountedPtr<TSArchToolProperty> tool = TSArchToolProperty::Create();
    std::vector<ElementRef*> elements;
    for (double thickness : {240.0, 240.0, 370.0}) {
        TSBuildingElementPtr wall = NewOf("TSArchiWall");
        auto* w = dynamic_cast<TSArchiWall*>(wall.get());
        w->SetEnd({3000, 0, 0});
        w->SetThickness(thickness);
        elements.push_back(Model().FindElementById(wall->AddToModel(Model())));
    }
    TesselUIProperyListCollector list;
    tool->OnSelectionPropertyListGet(elements, list);
    EXPECT_TRUE(list.FindByName(L"厚度")->multiValue());
    EXPECT_FALSE(list.FindByName(L"高度")->multiValue());

    TSBuildingElementPtr column = NewOf("TSArchiColumn");
    elements.push_back(Model().FindElementById(column->AddToModel(Model())));
    TesselUIProperyListCollector mixed;
    tool->OnSelectionPropertyListGet(elements, mixed);
    EXPECT_TRUE(mixed.GetEntries().empty()) << "elements of different classes share no list";
}

TEST_F(ArchPropertyRecords, AnglesTravelInRadiansWhileTheElementKeepsDegrees)
{
    TSBuildingElementPtr column = NewOf("TSArchiColumn");
    auto* typed = dynamic_cast<TSArchiColumn*>(column.get());
    typed->SetRotation(90.0);
    TesselUIProperyListCollector list;
    TSArchPropertyRecords::FillList(*column, list);
    const TesselUIPropertyItem* rotation = list.FindByName(L"转角");
    ASSERT_NE(rotation, nullptr);
    double value = 0.0;
    ASSERT_TRUE(rotation->getValue(value));
    EXPECT_TRUE(rotation->angleValue());
    EXPECT_DOUBLE_EQ(value, M_PI / 2.0);

    int key = list.FindKeyByName(L"转角");
    ASSERT_TRUE(TSArchPropertyRecords::ApplyRecord(
        *column, key, TesselUIPropertyItem(L"转角", M_PI / 4.0, true)));
    EXPECT_DOUBLE_EQ(typed->GetRotation(), 45.0);
}
