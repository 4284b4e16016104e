#include "HostProjectFixture.h"

#include "platform/cad/DgnLevels.h"
#include "platform/cad/IViewManager.h"

#include "platform/host/TSArchiStoreyManager.h"
#include "platform/host/TSDictionaryManager.h"
#include "platform/host/TSLevelManager.h"
#include "platform/host/TSModelInfoManager.h"
#include "platform/host/TSStoreyManager.h"
#include "platform/host/TSStoreyModelViewManager.h"
#include "platform/host/ZTLayerCompsMgn.h"

namespace {

Json::Value Record(const char* schema)
{
    Json::Value v(Json::objectValue);
    v["SchemaName"] = schema;
    v["PropertyList"] = Json::Value(Json::arrayValue);
    return v;
}

} // namespace

using ProjectData = HostProjectFixture;

TEST_F(ProjectData, AppendAddsNewEntriesAndReportsExistingOnes)
{
    TSDictionaryManager& dict = TSDictionaryManager::Get();
    TSDictionaryManager::Entries first{{L"TSArchiWall", Record("A")}};
    EXPECT_EQ(dict.AppendDataAt(&Project(), "PropertyData", first, true), TSDictionary_Success);

    // The pick-up path: append with true, on status 2 overwrite with SetDataAt.
    TSDictionaryManager::Entries again{{L"TSArchiWall", Record("B")},
                                       {L"TSArchiSlab", Record("C")}};
    EXPECT_EQ(dict.AppendDataAt(&Project(), "PropertyData", again, true), TSDictionary_EntryExists);
    Json::Value read;
    EXPECT_EQ(dict.GetDataByName("PropertyData", L"TSArchiWall", read), TSDictionary_Success);
    EXPECT_EQ(read["SchemaName"].asString(), "A") << "a refused append writes nothing";
    EXPECT_TRUE(dict.GetAllData(&Project(), "PropertyData").count(L"TSArchiSlab") == 0);

    EXPECT_EQ(dict.SetDataAt(&Project(), "PropertyData", again), TSDictionary_Success);
    dict.GetDataByName(L"PropertyData", L"TSArchiWall", read);
    EXPECT_EQ(read["SchemaName"].asString(), "B");

    // Without the check, existing entries stay and new ones join.
    TSDictionaryManager::Entries more{{L"TSArchiWall", Record("D")}, {L"TSArchiBeam", Record("E")}};
    EXPECT_EQ(dict.AppendDataAt(&Project(), L"PropertyData", more, false), TSDictionary_Success);
    dict.GetDataByName("PropertyData", L"TSArchiWall", read);
    EXPECT_EQ(read["SchemaName"].asString(), "B");
    EXPECT_EQ(dict.GetAllData(&Project(), "PropertyData").size(), 3u);
}

TEST_F(ProjectData, DictionaryRefusesWhatItCannotStore)
{
    TSDictionaryManager& dict = TSDictionaryManager::Get();
    TSDictionaryManager::Entries entries{{L"K", Json::Value(1)}};
    EXPECT_EQ(dict.AppendDataAt(nullptr, "D", entries, true), TSDictionary_NoProject);
    EXPECT_EQ(dict.SetDataAt(&Project(), "", entries), TSDictionary_InvalidArgument);
    EXPECT_EQ(dict.SetDataAt(&Project(), "D", {{L"", Json::Value(1)}}),
              TSDictionary_InvalidArgument);
    Json::Value read(5);
    EXPECT_EQ(dict.GetDataByName("D", L"missing", read), TSDictionary_Success);
    EXPECT_TRUE(read.isNull());
    EXPECT_FALSE(dict.RemoveDataAt(&Project(), "D", L"missing"));

    DgnApplication::Get().CloseProject();
    read = 5;
    EXPECT_EQ(dict.GetDataByName("D", L"K", read), TSDictionary_NoProject);
    EXPECT_TRUE(read.isNull());
}

TEST_F(ProjectData, StoreysKeepUniqueNamesAndComeByElevation)
{
    TSArchiStoreyManager& storeys = TSArchiStoreyManager::Get();
    EXPECT_EQ(TSStoreyManager::GetCurrentStorey(), nullptr);
    std::int64_t second = storeys.AddStorey(Project(), L"二层", 3300.0, 3000.0);
    std::int64_t first = storeys.AddStorey(Project(), L"首层", 0.0, 3300.0);
    EXPECT_EQ(storeys.AddStorey(Project(), L"首层", 9000.0), 0) << "names are unique";
    EXPECT_EQ(storeys.AddStorey(Project(), L"地下", -3000.0, 0.0), 0) << "no height";
    EXPECT_EQ(storeys.AddStorey(Project(), L"", 0.0), 0);

    bvector<TSStorey> all = storeys.GetStoreys(Project());
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].GetId(), first);
    EXPECT_EQ(all[1].GetTopElevation(), 6300.0);
    TSStorey at;
    ASSERT_TRUE(storeys.FindStoreyAtElevation(Project(), 4000.0, at));
    EXPECT_EQ(at.GetId(), second);
    ASSERT_TRUE(storeys.FindStoreyAtElevation(Project(), -50.0, at));
    EXPECT_EQ(at.GetId(), first);

    EXPECT_EQ(TSStoreyManager::GetCurrentStorey()->GetId(), first) << "the lowest by default";
    ASSERT_TRUE(TSStoreyManager::SetCurrentStorey(Project(), second));
    EXPECT_EQ(TSStoreyManager::GetCurrentStorey()->GetElevation(), 3300.0);
    EXPECT_FALSE(TSStoreyManager::SetCurrentStorey(Project(), 777));
    ASSERT_TRUE(storeys.RemoveStorey(Project(), second));
    EXPECT_EQ(TSStoreyManager::GetCurrentStorey()->GetId(), first);
    std::int64_t third = storeys.AddStorey(Project(), L"三层", 6300.0);
    EXPECT_GT(third, second) << "ids are never given twice";
}

TEST_F(ProjectData, LayerCombinationsAndTheClassMapKeepTheirOrderAndFlags)
{
    ZTLayerCompsMgn& comps = ZTLayerCompsMgn::Get();
    EXPECT_TRUE(comps.GetCurCompName().empty());
    ZTLAYERCOMPSINFO plan;
    plan.layers = {{"墙", 1, 0}, {"柱", 0, 0}, {"墙", 0, 0}, {"", 1, 0}};
    ASSERT_TRUE(comps.SetLayerCompInfo(Project(), "平面", plan));
    EXPECT_FALSE(comps.SetCurCompName(Project(), "立面"));
    ASSERT_TRUE(comps.SetCurCompName(Project(), "平面"));
    EXPECT_EQ(comps.GetCurCompName(), "平面");

    ZTLAYERCOMPSINFO read;
    ASSERT_TRUE(comps.GetLayerCompInfo(Project(), "平面", read));
    ASSERT_EQ(read.layers.size(), 2u) << "duplicates and nameless layers are dropped";
    EXPECT_EQ(read.layers[1].name, "柱");
    EXPECT_EQ(read.layers[1].visible, 0);
    ASSERT_TRUE(comps.SetLayerVisible(Project(), "平面", "柱", true));
    EXPECT_EQ(comps.GetLayerCompInfo().at("平面").FindLayer("柱")->visible, 1);
    EXPECT_FALSE(comps.SetLayerVisible(Project(), "平面", "梁", true));

    TSLevelManager::Get().SetEcClassMapLvl({{"TSArchiWall", "墙"}, {"", "x"}});
    TSLevelManager::ClassLevelMap map;
    ASSERT_TRUE(TSLevelManager::Get().GetEcClassMapLvl(map));
    EXPECT_EQ(map, (TSLevelManager::ClassLevelMap{{"TSArchiWall", "墙"}}));
    EXPECT_EQ(TSLevelManager::Get().GetClassLevel(Project(), "TSArchiWall"), LEVEL_DEFAULT_LEVEL_ID)
        << "a mapped layer the project lacks places on the default level";

    ASSERT_TRUE(comps.RemoveLayerComp(Project(), "平面"));
    EXPECT_TRUE(comps.GetCurCompName().empty());
}

TEST_F(ProjectData, TheCurrentCombinationShowsAndHidesTheLevels)
{
    ZTLayerCompsMgn& comps = ZTLayerCompsMgn::Get();
    const LevelId wall = TSLevelManager::Get().EnsureLevel(Project(), "墙");
    const LevelId column = TSLevelManager::Get().EnsureLevel(Project(), "柱");
    auto displayed = [&](LevelId id) {
        LevelDefinition level;
        return Project().Levels().FindLevelById(id, level) && level.displayed;
    };
    ZTLAYERCOMPSINFO plan;
    plan.layers = {{"墙", 1, 0}, {"柱", 0, 0}};
    ASSERT_TRUE(comps.SetLayerCompInfo(Project(), "平面", plan));
    EXPECT_TRUE(displayed(column)) << "a combination that is not current hides nothing";
    ASSERT_TRUE(comps.SetCurCompName(Project(), "平面"));
    EXPECT_TRUE(displayed(wall));
    EXPECT_FALSE(displayed(column));
    ASSERT_TRUE(comps.SetLayerVisible(Project(), "平面", "墙", false));
    EXPECT_FALSE(displayed(wall));
    ASSERT_TRUE(comps.SetLayerVisible(Project(), "平面", "柱", true));
    EXPECT_TRUE(displayed(column));

    SaveAndReopen();
    EXPECT_FALSE(displayed(wall));
    EXPECT_TRUE(displayed(column));
}

TEST_F(ProjectData, ModelInfosDescribeEveryModel)
{
    TSModelInfoManager& infos = TSModelInfoManager::Get();
    bvector<TSModelInfo> all = infos.GetAllModelInfos(Project());
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].displayName, L"Default") << "an undescribed model shows its own name";

    TSModelInfo plan;
    plan.displayName = L"ZT_DynamicAuxiliary_ModelInfo";
    plan.modelType = TSModelType_Drawing;
    plan.storeyElevation = 1.0;
    DgnModel* model = infos.CreateModel(Project(), "aux", plan, DgnModelType::Auxiliary);
    ASSERT_NE(model, nullptr);
    TSModelInfo found;
    ASSERT_TRUE(infos.FindModelInfoByName(Project(), L"ZT_DynamicAuxiliary_ModelInfo", found));
    EXPECT_EQ(found.modelId, model->GetModelId());
    EXPECT_EQ(infos.GetModelType(model->GetModelId()), TSModelType_Drawing);
    EXPECT_EQ(infos.GetModelType(-1), TSModelType_General);
    TSModelInfo orphan;
    orphan.modelId = 999;
    EXPECT_FALSE(infos.ReplaceModelInfo(Project(), orphan));
}

TEST_F(ProjectData, AViewportShowsOneModelViewAtATime)
{
    TSStoreyModelViewManager& views = TSStoreyModelViewManager::Get();
    EXPECT_EQ(views.GetModelViewInfoByViewportIndex(0), nullptr);
    TSStoreyModelViewInfoPtr main = views.EnsureViewportView(Project());
    ASSERT_TRUE(main.IsValid());
    EXPECT_EQ(views.GetModelViewInfoByViewportIndex(0)->key, main->key);
    EXPECT_EQ(main->modelId, Project().GetDefaultModel()->GetModelId());
    EXPECT_EQ(views.GetModelViewInfoByViewportIndex(-1), nullptr);

    TSStoreyModelViewInfoPtr custom =
        views.CreateCustomizedModelView(Project(), main->storeyId, {0, 0, 0}, {0, 1, 0}, {0, 0, 1});
    ASSERT_TRUE(custom.IsValid());
    EXPECT_EQ(custom->key.size(), 36u);
    EXPECT_TRUE(custom->customized);
    custom->viewportIndex = 0;
    ASSERT_TRUE(views.ReplaceModelViewInfo(Project(), *custom));
    EXPECT_EQ(views.GetModelViewInfoByViewportIndex(0)->key, custom->key);
    EXPECT_EQ(views.GetModelViewInfo(Project(), main->key)->viewportIndex, -1);

    ASSERT_TRUE(views.ToggleModelVisibility(Project(), custom->key, main->modelId, true, true));
    EXPECT_TRUE(views.GetModelViewInfoByViewportIndex(0)->IsModelVisible(main->modelId));
    EXPECT_FALSE(views.ToggleModelVisibility(Project(), "no such view", main->modelId, true, true));
}

TEST_F(ProjectData, TheViewportShowsTheModelsOfItsStoreyView)
{
    IndexedViewSet& set = IViewManager::GetManager().GetActiveViewSet();
    set.CloseAll();
    IndexedViewport* viewport = set.OpenViewport(0);
    ASSERT_NE(viewport, nullptr);
    TSStoreyModelViewManager& views = TSStoreyModelViewManager::Get();
    TSStoreyModelViewInfoPtr main = views.EnsureViewportView(Project());
    ASSERT_TRUE(main.IsValid());
    DgnModel* aux = Project().CreateModel(Utf8String("ZT_Tmp_ModelInfo"), DgnModelType::Auxiliary);
    ASSERT_NE(aux, nullptr);
    EXPECT_TRUE(viewport->IsModelViewed(main->modelId));
    EXPECT_FALSE(viewport->IsModelViewed(aux->GetModelId())) << "a storey view shows its own model";

    const std::uint64_t before = viewport->GetContentFilterGeneration();
    ASSERT_TRUE(views.ToggleModelVisibility(Project(), main->key, aux->GetModelId(), true, true));
    EXPECT_TRUE(viewport->IsModelViewed(aux->GetModelId()));
    EXPECT_GT(viewport->GetContentFilterGeneration(), before) << "the model layer is drawn again";
    ASSERT_TRUE(views.ToggleModelVisibility(Project(), main->key, aux->GetModelId(), false, false));
    EXPECT_FALSE(viewport->IsModelViewed(aux->GetModelId()));
    EXPECT_TRUE(viewport->IsModelViewed(main->modelId)) << "the view's own model cannot be hidden";
    set.CloseAll();
}

TEST_F(ProjectData, EverythingSurvivesSaveCloseAndReopen)
{
    TSDictionaryManager::Get().SetDataAt(&Project(), "PropertyDataSet",
                                         {{L"TSArchiWall", Record("S")}});
    std::int64_t storey = TSArchiStoreyManager::Get().AddStorey(Project(), L"二层", 3000.0);
    TSStoreyManager::SetCurrentStorey(Project(), storey);
    ZTLAYERCOMPSINFO comb;
    comb.layers = {{"墙", 1, 0}, {"门窗", 0, 1}};
    ZTLayerCompsMgn::Get().SetLayerCompInfo(Project(), "平面", comb);
    ZTLayerCompsMgn::Get().SetCurCompName(Project(), "平面");
    TSLevelManager::Get().SetEcClassMapLvl(Project(), {{"TSArchiDoor", "门窗"}});
    TSModelInfo info;
    info.displayName = L"首层平面";
    info.modelType = TSModelType_Storey;
    DgnModelId model =
        TSModelInfoManager::Get().CreateModel(Project(), "plan1", info)->GetModelId();
    Utf8String viewKey = TSStoreyModelViewManager::Get().EnsureViewportView(Project())->key;

    SaveAndReopen();

    Json::Value read;
    TSDictionaryManager::Get().GetDataByName("PropertyDataSet", L"TSArchiWall", read);
    EXPECT_EQ(read["SchemaName"].asString(), "S");
    EXPECT_EQ(TSStoreyManager::GetCurrentStorey()->GetName(), L"二层");
    EXPECT_EQ(ZTLayerCompsMgn::Get().GetCurCompName(), "平面");
    EXPECT_EQ(ZTLayerCompsMgn::Get().GetLayerCompInfo().at("平面"),
              (ZTLAYERCOMPSINFO{"平面", comb.layers}));
    TSLevelManager::ClassLevelMap map;
    TSLevelManager::Get().GetEcClassMapLvl(map);
    EXPECT_EQ(map.at("TSArchiDoor"), "门窗");
    TSModelInfo back;
    ASSERT_TRUE(TSModelInfoManager::Get().GetModelInfo(Project(), model, back));
    EXPECT_EQ(back.displayName, L"首层平面");
    EXPECT_EQ(back.modelType, TSModelType_Storey);
    EXPECT_EQ(TSStoreyModelViewManager::Get().GetModelViewInfoByViewportIndex(0)->key, viewKey);
}

TEST_F(ProjectData, MalformedStoredRecordsAreSkippedQuietly)
{
    ProjectExtensionData& data = Project().ExtensionData();
    data.SetRecord("TSArchiStoreys", "0000000000000001", Json::Value("not a storey"));
    data.SetRecord("TSArchiStoreys", "garbage", Json::Value(Json::objectValue));
    data.SetRecord("ZTLayerComps", "坏", Json::Value(3));
    data.SetDocument("TSLevelManager.EcClassMapLvl", Json::Value("wrong"));
    data.SetDocument("TSStoreyManager.Current", Json::Value("x"));
    EXPECT_TRUE(TSArchiStoreyManager::Get().GetStoreys(Project()).empty());
    EXPECT_TRUE(ZTLayerCompsMgn::Get().GetLayerCompInfo().empty());
    TSLevelManager::ClassLevelMap map{{"stale", "entry"}};
    EXPECT_FALSE(TSLevelManager::Get().GetEcClassMapLvl(map));
    EXPECT_TRUE(map.empty());
    EXPECT_EQ(TSStoreyManager::GetCurrentStorey(), nullptr);
    EXPECT_GT(TSArchiStoreyManager::Get().EnsureStorey(Project()), 0);
    EXPECT_EQ(TSStoreyManager::GetCurrentStorey()->GetName(), L"首层");
}
