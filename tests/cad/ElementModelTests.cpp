#include "ProjectTestSupport.h"

#include "platform/cad/DgnApplication.h"
#include "platform/cad/EditElementHandle.h"
#include "platform/cad/ElementFinder.h"
#include "platform/cad/ElementPropertiesSetter.h"
#include "platform/cad/ProjectEvents.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Recorder : IElementChangeListener
{
    std::vector<std::string> events;
    void OnElementAdded(ElementRef& e) override { events.push_back("add " + Id(e)); }
    void OnElementChanged(ElementRef& e) override { events.push_back("change " + Id(e)); }
    void OnElementDeleted(ElementRef& e) override { events.push_back("delete " + Id(e)); }
    void OnLevelsChanged(DgnProject&) override { events.push_back("levels"); }
    static std::string Id(ElementRef& e) { return std::to_string(e.GetElementId()); }
};

class ElementModel : public ::testing::Test
{
protected:
    void SetUp() override
    {
        project = DgnApplication::Get().NewProject();
        ASSERT_NE(project, nullptr);
        model = project->GetDefaultModel();
        ASSERT_NE(model, nullptr);
        ProjectEvents::Get().AddElementListener(&recorder);
    }
    void TearDown() override
    {
        ProjectEvents::Get().DropElementListener(&recorder);
        DgnApplication::Get().CloseProject();
    }

    DgnProject* project = nullptr;
    DgnModel* model = nullptr;
    Recorder recorder;
};

} // namespace

TEST_F(ElementModel, NewTemporaryProjectHasDefaultModelAndLevel)
{
    EXPECT_TRUE(project->IsTemporary());
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::u8path(project->GetFileName().c_str())));
    EXPECT_EQ(model->GetModelName(), "Default");
    LevelDefinition level;
    ASSERT_TRUE(project->Levels().FindLevelById(LEVEL_DEFAULT_LEVEL_ID, level));
    EXPECT_EQ(level.name, "Default");
}

TEST_F(ElementModel, TemporaryProjectFolderGoesWithTheProject)
{
    auto folder = std::filesystem::u8path(project->GetFileName().c_str()).parent_path();
    DgnApplication::Get().CloseProject();
    EXPECT_FALSE(std::filesystem::exists(folder));
    EXPECT_EQ(DgnApplication::Get().GetCurrentProject(), nullptr);
}

TEST_F(ElementModel, SavedGraphicsBecomeAnElementOfTheModel)
{
    auto graphics = model->CreatePhysicalGraphics(64);
    ElementSymbology symb = ElementSymbology::Default();
    symb.style = 2;
    symb.weight = 0;
    symb.color = project->GetElementColor(0xFFBF00);
    graphics->SetSymbology(symb);
    EXPECT_TRUE(graphics->AddCurvePrimitive(
        *ICurvePrimitive::CreateLine(DPoint3d::From(0, 0), DPoint3d::From(0.0001, 0))));
    EXPECT_TRUE(graphics->AddTextString(TextString(L"45", DPoint3d::From(1, 1), 20.0)));
    ASSERT_TRUE(graphics->Finish());
    ElementId id = graphics->Save();
    ASSERT_NE(id, INVALID_ELEMENTID);

    ElementRef* element = model->FindElementById(id);
    ASSERT_NE(element, nullptr);
    EXPECT_EQ(element->GetLevel(), 64);
    EXPECT_EQ(element->GetDgnModelP(), model);
    EXPECT_EQ(element->GetModelId(), model->GetModelId());
    auto data = element->GetData();
    ASSERT_EQ(data->geometry.primitives.size(), 2u);
    EXPECT_EQ(data->geometry.primitives[0].GetSymbology(), symb);
    EXPECT_EQ(data->geometry.primitives[1].GetText()->GetText(), L"45");
    ColorDef color;
    ASSERT_TRUE(project->Colors().GetColor(symb.color, color));
    EXPECT_EQ(color.GetRgb(), 0xFFBF00u);
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"add " + std::to_string(id)}));
}

TEST_F(ElementModel, GraphicsWithoutGeometryDoNotFinishAndSaveOnlyOnce)
{
    auto empty = model->CreatePhysicalGraphics();
    EXPECT_FALSE(empty->Finish());
    EXPECT_EQ(empty->Save(), INVALID_ELEMENTID);

    auto graphics = model->CreatePhysicalGraphics();
    graphics->AddCurvePrimitive(
        *ICurvePrimitive::CreateLine(DPoint3d::From(0, 0), DPoint3d::From(1, 0)));
    ElementId first = graphics->Save();
    EXPECT_NE(first, INVALID_ELEMENTID);
    EXPECT_EQ(graphics->Save(), INVALID_ELEMENTID);
    EXPECT_FALSE(graphics->AddCurvePrimitive(
        *ICurvePrimitive::CreateLine(DPoint3d::From(0, 0), DPoint3d::From(2, 0))));
    EXPECT_EQ(model->GetElementCount(), 1u);
}

TEST_F(ElementModel, IndexedColoursNeedNoEntryOwnColoursKeepOne)
{
    EXPECT_EQ(project->GetElementColor(0xFF0000), 3u);
    std::uint32_t amber = project->GetElementColor(0xFFBF00);
    EXPECT_GE(amber, DgnColors::INDEXED_COLOR_COUNT);
    EXPECT_EQ(project->GetElementColor(0xFFBF00), amber);
    EXPECT_NE(project->GetElementColor(0xDEC4B0), amber);
    ColorDef unused;
    EXPECT_FALSE(project->Colors().GetColor(COLOR_BYLEVEL, unused));
}

TEST_F(ElementModel, HandleByIdDeletesFromTheModel)
{
    ElementId id = AddLine(*model, DPoint3d::From(0, 0), DPoint3d::From(5, 0));
    ElementRef* element = model->FindElementById(id);
    EditElementHandle handle(id, model);
    ASSERT_TRUE(handle.IsValid());
    EXPECT_TRUE(handle.DeleteFromModel());
    EXPECT_TRUE(element->IsDeleted());
    EXPECT_EQ(model->FindElementById(id), nullptr);
    EXPECT_TRUE(ElementFinder::GetElementsOfModel(model->GetModelId()).empty());
    EXPECT_FALSE(EditElementHandle(id, model).IsValid());
    EXPECT_EQ(recorder.events.back(), "delete " + std::to_string(id));
}

TEST_F(ElementModel, HandleTransformsAndCopies)
{
    ElementId id = AddLine(*model, DPoint3d::From(0, 0), DPoint3d::From(5, 0));
    EditElementHandle handle(model->FindElementById(id));
    handle.ApplyTransform(Transform::From(RotMatrix::FromIdentity(), DPoint3d::From(0, 10)));
    ElementId copy = handle.AddToModel();
    ASSERT_NE(copy, INVALID_ELEMENTID);
    EXPECT_NE(copy, id);

    DSegment3d original, moved;
    ASSERT_TRUE(
        model->FindElementById(id)->GetData()->geometry.primitives[0].GetCurve()->TryGetLine(
            original));
    ASSERT_TRUE(
        model->FindElementById(copy)->GetData()->geometry.primitives[0].GetCurve()->TryGetLine(
            moved));
    EXPECT_TRUE(original.point[0].IsEqual(DPoint3d::From(0, 0)));
    EXPECT_TRUE(moved.point[0].IsEqual(DPoint3d::From(0, 10)));
    EXPECT_EQ(ElementFinder::GetElementsOfModel(model->GetModelId()),
              (bvector<ElementId>{id, copy}));
}

TEST_F(ElementModel, PropertiesSetterMovesElementToAnotherLevel)
{
    LevelId walls = project->Levels().CreateLevel("墙");
    ASSERT_NE(walls, 0);
    ElementId id = AddLine(*model, DPoint3d::From(0, 0), DPoint3d::From(5, 0));
    ElementRef* element = model->FindElementById(id);

    ElementPropertiesSetter setter;
    setter.SetLevel(walls);
    EXPECT_TRUE(setter.Apply(element));
    EXPECT_EQ(element->GetLevel(), walls);
    EXPECT_FALSE(setter.Apply(element)); // nothing left to change

    ElementPropertiesSetter unknown;
    unknown.SetLevel(999);
    EXPECT_FALSE(unknown.Apply(element));
    EXPECT_EQ(element->GetLevel(), walls);
}

TEST_F(ElementModel, LevelNamesAreUniqueAndDefaultStays)
{
    LevelId a = project->Levels().CreateLevel("A", 64);
    EXPECT_EQ(a, 64);
    EXPECT_EQ(project->Levels().CreateLevel("A"), 0);
    EXPECT_EQ(project->Levels().CreateLevel("B", 64), 0);
    EXPECT_EQ(project->Levels().CreateLevel(""), 0);
    EXPECT_FALSE(project->Levels().DeleteLevel(LEVEL_DEFAULT_LEVEL_ID));
    LevelDefinition level;
    ASSERT_TRUE(project->Levels().FindLevelByName("A", level));
    level.name = "Default";
    EXPECT_FALSE(project->Levels().ReplaceLevel(level));
    level.name = "A2";
    level.displayed = false;
    EXPECT_TRUE(project->Levels().ReplaceLevel(level));
    EXPECT_TRUE(project->Levels().DeleteLevel(64));
    EXPECT_FALSE(project->Levels().HasLevel(64));
}

TEST_F(ElementModel, BuildingElementHasPrimaryInstanceAndBody)
{
    ECClassId wall = project->Schemas().RegisterECClass("TSM_ArchiModel", "TSArchiWall");
    EXPECT_EQ(project->Schemas().RegisterECClass("TSM_ArchiModel", "TSArchiWall"), wall);
    ElementId id = AddWallLike(*model, wall, 0, 0, 5000, 240, 0, 3000);
    ElementRef* element = project->FindElementById(id);
    ASSERT_NE(element, nullptr);
    ECInstanceKey key = element->GetPrimaryInstance();
    EXPECT_TRUE(key.IsValid());
    EXPECT_EQ(key.GetECClassId(), wall);
    EXPECT_EQ(project->FindElementByInstance(key), element);
    EXPECT_EQ(project->FindElementByInstance(ECInstanceKey(wall, -1)), nullptr);
    DRange3d range = element->GetRange();
    EXPECT_DOUBLE_EQ(range.high.z, 3000.0);
    EXPECT_EQ(element->GetProperties()["material"].asString(), "混凝土");

    ElementId line = AddLine(*model, DPoint3d::From(0, 0), DPoint3d::From(1, 0));
    EXPECT_FALSE(project->FindElementById(line)->GetPrimaryInstance().IsValid());
}

TEST_F(ElementModel, ModelsPerStoreyViewAreNamedAndFound)
{
    DgnModel* aux = project->CreateModel("ZT_DynamicAuxiliary_ModelInfo", DgnModelType::Auxiliary);
    ASSERT_NE(aux, nullptr);
    EXPECT_EQ(project->CreateModel("ZT_DynamicAuxiliary_ModelInfo"), nullptr);
    EXPECT_EQ(project->FindModelByName("ZT_DynamicAuxiliary_ModelInfo"), aux);
    EXPECT_EQ(project->GetModel(aux->GetModelId()), aux);
    EXPECT_EQ(project->GetModels().size(), 2u);
    AddLine(*aux, DPoint3d::From(0, 0), DPoint3d::From(1, 0));
    EXPECT_EQ(aux->GetElementCount(), 1u);
    EXPECT_EQ(model->GetElementCount(), 0u);
    EXPECT_TRUE(ElementFinder::GetElementsOfModel(12345).empty());
}

TEST_F(ElementModel, ListenerChangingElementsHearsItsChangesAfterItsOwnCall)
{
    struct Chain : IElementChangeListener
    {
        DgnModel* model = nullptr;
        std::vector<std::string> order;
        void OnElementAdded(ElementRef& e) override
        {
            order.push_back("begin " + std::to_string(e.GetElementId()));
            if (order.size() == 1)
                AddLine(*model, DPoint3d::From(0, 0), DPoint3d::From(1, 1));
            order.push_back("end " + std::to_string(e.GetElementId()));
        }
        void OnElementChanged(ElementRef&) override {}
        void OnElementDeleted(ElementRef&) override {}
    } chain;
    chain.model = model;
    ProjectEvents::Get().AddElementListener(&chain);
    ElementId first = AddLine(*model, DPoint3d::From(0, 0), DPoint3d::From(1, 0));
    ProjectEvents::Get().DropElementListener(&chain);
    auto s = [](ElementId id) { return std::to_string(id); };
    EXPECT_EQ(chain.order,
              (std::vector<std::string>{"begin " + s(first), "end " + s(first),
                                        "begin " + s(first + 1), "end " + s(first + 1)}));
}
