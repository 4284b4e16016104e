#include "ProjectTestSupport.h"

#include "platform/cad/EditElementHandle.h"
#include "platform/cad/IProjectEventListener.h"
#include "platform/cad/ProjectEvents.h"

#include <gtest/gtest.h>

namespace {

Utf8String MakeSampleProject(const TempFolder& folder, const char* name)
{
    Utf8String path = folder.File(name);
    DgnProjectPtr project = DgnProject::CreateProject(path);
    EXPECT_TRUE(project);
    DgnModel& model = *project->GetDefaultModel();
    for (int i = 0; i < 10; ++i)
        AddLine(model, DPoint3d::From(i, 0), DPoint3d::From(i, 10));
    EXPECT_EQ(project->SaveChanges(), DgnProjectStatus::Success);
    project->Close();
    return path;
}

} // namespace

TEST(ProjectFile, SaveCloseReopenKeepsEverything)
{
    TempFolder folder;
    Utf8String path = folder.File("house.ztproj");
    ElementId wallId, lineId, deletedId;
    ECClassId wallClass;
    LevelId levelId;
    std::uint32_t amber;
    {
        DgnProjectStatus status;
        DgnProjectPtr project = DgnProject::CreateProject(path, &status);
        ASSERT_TRUE(project) << DgnProject::GetLastOpenError();
        EXPECT_EQ(status, DgnProjectStatus::Success);
        DgnModel& model = *project->GetDefaultModel();
        DgnModel* aux = project->CreateModel("ZT_Tmp_ModelInfo", DgnModelType::Auxiliary);
        wallClass = project->Schemas().RegisterECClass("TSM_ArchiModel", "TSArchiWall");
        LevelDefinition symb;
        symb.color = 3;
        symb.weight = 2;
        symb.displayed = false;
        levelId = project->Levels().CreateLevel("墙体", 64, symb);
        amber = project->GetElementColor(0xFFBF00);

        wallId = AddWallLike(model, wallClass, 0, 0, 5000, 240, 100, 3000);
        auto graphics = aux->CreatePhysicalGraphics(levelId);
        graphics->SetSymbology(ElementSymbology::From(amber, 0, 2));
        auto arc = ICurvePrimitive::CreateArc(DEllipse3d::FromPointsOnArc(
            DPoint3d::From(0, 0), DPoint3d::From(1, 1), DPoint3d::From(2, 0)));
        graphics->AddCurvePrimitive(*arc);
        graphics->AddTextString(TextString(L"标高 3.000", DPoint3d::From(5, 5), 2.5));
        lineId = graphics->Save();
        deletedId = AddLine(model, DPoint3d::From(0, 0), DPoint3d::From(9, 9));
        EditElementHandle(deletedId, &model).DeleteFromModel();

        Json::Value dict;
        dict["PropertyData"]["TSArchiWall"]["厚度"] = "240";
        project->ExtensionData().SetDocument("Dictionary", dict);
        Json::Value storey;
        storey["name"] = "1F";
        storey["elevation"] = 0.0;
        project->ExtensionData().SetRecord("Storeys", "0001", storey);
        project->ExtensionData().SetRecord("Storeys", "0002", Json::Value("2F"));
        EXPECT_TRUE(project->HasUnsavedChanges());
        ASSERT_EQ(project->SaveChanges(), DgnProjectStatus::Success);
        EXPECT_FALSE(project->HasUnsavedChanges());
        project->Close();
    }

    DgnProjectStatus status;
    DgnProjectPtr reopened = DgnProject::OpenProject(path, &status);
    ASSERT_TRUE(reopened) << DgnProject::GetLastOpenError();
    EXPECT_EQ(status, DgnProjectStatus::Success);
    EXPECT_FALSE(reopened->HasUnsavedChanges());
    EXPECT_EQ(reopened->GetModels().size(), 2u);
    DgnModel* aux = reopened->FindModelByName("ZT_Tmp_ModelInfo");
    ASSERT_NE(aux, nullptr);
    EXPECT_EQ(aux->GetModelType(), DgnModelType::Auxiliary);
    EXPECT_EQ(reopened->GetElementCount(), 2u);
    EXPECT_EQ(reopened->FindElementById(deletedId), nullptr);

    ElementRef* wall = reopened->FindElementById(wallId);
    ASSERT_NE(wall, nullptr);
    EXPECT_EQ(wall->GetPrimaryInstance(), ECInstanceKey(wallClass, wallId));
    ECClassCP cls = reopened->Schemas().GetECClass("TSM_ArchiModel", "TSArchiWall");
    ASSERT_NE(cls, nullptr);
    EXPECT_EQ(cls->GetId(), wallClass);
    auto wallData = wall->GetData();
    ASSERT_TRUE(wallData->geometry.extrusion);
    EXPECT_DOUBLE_EQ(wallData->geometry.extrusion->bottomElevation, 100.0);
    EXPECT_DOUBLE_EQ(wallData->geometry.extrusion->height, 3000.0);
    EXPECT_EQ(wallData->properties["material"].asString(), "混凝土");
    DRange3d range = wall->GetRange();
    EXPECT_DOUBLE_EQ(range.high.x, 5000.0);
    EXPECT_DOUBLE_EQ(range.high.y, 240.0);

    ElementRef* line = aux->FindElementById(lineId);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->GetLevel(), levelId);
    auto pieces = line->GetData()->geometry.primitives;
    ASSERT_EQ(pieces.size(), 2u);
    DEllipse3d arc;
    ASSERT_TRUE(pieces[0].GetCurve()->TryGetArc(arc));
    DPoint3d s, e;
    pieces[0].GetCurve()->GetStartEnd(s, e);
    EXPECT_TRUE(e.AlmostEqual(DPoint3d::From(2, 0)));
    EXPECT_EQ(pieces[0].GetSymbology(), ElementSymbology::From(amber, 0, 2));
    ASSERT_NE(pieces[1].GetText(), nullptr);
    EXPECT_EQ(pieces[1].GetText()->GetText(), L"标高 3.000");
    EXPECT_DOUBLE_EQ(pieces[1].GetText()->GetHeight(), 2.5);

    LevelDefinition level;
    ASSERT_TRUE(reopened->Levels().FindLevelByName("墙体", level));
    EXPECT_EQ(level.id, 64);
    EXPECT_EQ(level.color, 3u);
    EXPECT_FALSE(level.displayed);
    EXPECT_EQ(reopened->GetElementColor(0xFFBF00), amber);
    ColorDef color;
    ASSERT_TRUE(reopened->Colors().GetColor(amber, color));
    EXPECT_EQ(color.GetRgb(), 0xFFBF00u);

    Json::Value dict;
    ASSERT_TRUE(reopened->ExtensionData().GetDocument("Dictionary", dict));
    EXPECT_EQ(dict["PropertyData"]["TSArchiWall"]["厚度"].asString(), "240");
    EXPECT_EQ(reopened->ExtensionData().GetRecordKeys("Storeys"),
              (bvector<Utf8String>{"0001", "0002"}));

    // Ids are never handed out twice, not even that of an element deleted before the save.
    ElementId next =
        AddLine(*reopened->GetDefaultModel(), DPoint3d::From(0, 0), DPoint3d::From(1, 0));
    EXPECT_GT(next, deletedId);
}

TEST(ProjectFile, LaterSavesWriteChangesAndRemovals)
{
    TempFolder folder;
    Utf8String path = MakeSampleProject(folder, "p.ztproj");
    {
        DgnProjectPtr project = DgnProject::OpenProject(path);
        ASSERT_TRUE(project);
        auto ids = project->GetDefaultModel()->GetElementIds();
        EditElementHandle(ids[0], project->GetDefaultModel()).DeleteFromModel();
        EditElementHandle moved(ids[1], project->GetDefaultModel());
        moved.SetLevel(project->Levels().CreateLevel("L2"));
        moved.ReplaceInModel();
        project->ExtensionData().SetRecord("T", "a", 1);
        ASSERT_EQ(project->SaveChanges(), DgnProjectStatus::Success);
        project->ExtensionData().RemoveRecord("T", "a");
        project->ExtensionData().SetDocument("D", "x");
        ASSERT_EQ(project->SaveChanges(), DgnProjectStatus::Success);
    }
    DgnProjectPtr project = DgnProject::OpenProject(path);
    ASSERT_TRUE(project);
    EXPECT_EQ(project->GetElementCount(), 9u);
    auto ids = project->GetDefaultModel()->GetElementIds();
    LevelDefinition l2;
    ASSERT_TRUE(project->Levels().FindLevelByName("L2", l2));
    EXPECT_EQ(project->FindElementById(ids[0])->GetLevel(), l2.id);
    EXPECT_TRUE(project->ExtensionData().GetRecordKeys("T").empty());
    EXPECT_TRUE(project->ExtensionData().HasDocument("D"));
}

TEST(ProjectFile, SavingListenersWriteIntoTheSameSave)
{
    struct Flusher : IProjectEventListener
    {
        int saved = 0;
        void OnProjectSaving(DgnProject& p) override
        {
            p.ExtensionData().SetDocument("LayerCombinations", Json::Value("cached"));
        }
        void OnProjectSaved(DgnProject&) override { ++saved; }
    } flusher;
    TempFolder folder;
    Utf8String path = folder.File("f.ztproj");
    ProjectEvents::Get().AddProjectListener(&flusher);
    {
        DgnProjectPtr project = DgnProject::CreateProject(path);
        ASSERT_TRUE(project);
        EXPECT_EQ(project->SaveChanges(), DgnProjectStatus::Success);
    }
    ProjectEvents::Get().DropProjectListener(&flusher);
    EXPECT_EQ(flusher.saved, 2); // the creation is a save too
    DgnProjectPtr project = DgnProject::OpenProject(path);
    Json::Value value;
    ASSERT_TRUE(project && project->ExtensionData().GetDocument("LayerCombinations", value));
    EXPECT_EQ(value.asString(), "cached");
}

TEST(ProjectFile, CreatingOverAFileOrInAMissingFolderFails)
{
    TempFolder folder;
    Utf8String path = MakeSampleProject(folder, "exists.ztproj");
    DgnProjectStatus status;
    EXPECT_FALSE(DgnProject::CreateProject(path, &status));
    EXPECT_EQ(status, DgnProjectStatus::AlreadyExists);
    EXPECT_FALSE(DgnProject::CreateProject(folder.File("no/such/dir.ztproj"), &status));
    EXPECT_EQ(status, DgnProjectStatus::CannotCreate);
    EXPECT_FALSE(DgnProject::OpenProject(folder.File("missing.ztproj"), &status));
    EXPECT_EQ(status, DgnProjectStatus::FileNotFound);
    // The existing project was not touched.
    DgnProjectPtr project = DgnProject::OpenProject(path);
    ASSERT_TRUE(project);
    EXPECT_EQ(project->GetElementCount(), 10u);
}

TEST(ProjectFile, SaveAfterCloseReportsIt)
{
    TempFolder folder;
    DgnProjectPtr project = DgnProject::CreateProject(folder.File("c.ztproj"));
    ASSERT_TRUE(project);
    project->Close();
    EXPECT_EQ(project->SaveChanges(), DgnProjectStatus::NotOpen);
    EXPECT_EQ(project->CreateModel("x"), nullptr);
}
