#include "HostProjectFixture.h"

#include "platform/cad/ITxnManager.h"
#include "platform/cad/PhysicalGraphics.h"
#include "platform/host/TSArchiColumn.h"
#include "platform/host/TSArchiSlab.h"
#include "platform/host/TSArchiStoreyManager.h"
#include "platform/host/TSArchiWall.h"
#include "platform/host/TSArchiWindow.h"
#include "platform/host/TSLevelManager.h"
#include "platform/host/TSObjectExtensionManager.h"
#include "platform/host/TSStoreyManager.h"

#include <cmath>

namespace {

TSArchiWallPtr NewWall(DgnProject& project, DPoint3d start, DPoint3d end)
{
    auto obj =
        TSObjectExtensionManager::Get().GetTSObject(&project, "TSM_ArchiModel", "TSArchiWall");
    TSArchiWallPtr wall = dynamic_cast<TSArchiWall*>(obj.get());
    wall->SetStart(start);
    wall->SetEnd(end);
    return wall;
}

void ExpectNear(const DPoint3d& a, const DPoint3d& b)
{
    EXPECT_NEAR(a.x, b.x, 1e-9);
    EXPECT_NEAR(a.y, b.y, 1e-9);
    EXPECT_NEAR(a.z, b.z, 1e-9);
}

} // namespace

using ObjectModel = HostProjectFixture;

TEST_F(ObjectModel, NewObjectsStandOnTheCurrentStoreyAndTheirClassLayer)
{
    std::int64_t second = TSArchiStoreyManager::Get().AddStorey(Project(), L"二层", 3000.0);
    ASSERT_TRUE(TSStoreyManager::SetCurrentStorey(Project(), second));
    LevelId walls = TSLevelManager::Get().EnsureLevel(Project(), "墙");
    TSLevelManager::Get().SetEcClassMapLvl(Project(), {{"TSArchiWall", "墙"}});

    TSArchiWallPtr wall = NewWall(Project(), {0, 0, 0}, {6000, 0, 0});
    ASSERT_TRUE(wall.IsValid());
    EXPECT_EQ(wall->GetStoreyId(), second);
    EXPECT_EQ(wall->GetLevelId(), walls);
    EXPECT_EQ(wall->GetLayerName(), "墙");
    EXPECT_EQ(wall->GetECSchemaName(), "TSM_ArchiModel");
    EXPECT_EQ(wall->GetDomain(), TesselDomain_Architecture);
    EXPECT_FALSE(wall->GetInstanceKey().IsValid()) << "not an element yet";
    EXPECT_EQ(wall->GetThickness(), 240.0);
}

TEST_F(ObjectModel, AWallBecomesAnElementWithItsBodyAndComesBackFromIt)
{
    TSArchiStoreyManager::Get().AddStorey(Project(), L"首层", 1000.0);
    TSArchiWallPtr wall = NewWall(Project(), {0, 0, 0}, {6000, 0, 0});
    wall->SetThickness(200.0);
    wall->SetBottomOffset(50.0);
    ElementId id = wall->AddToModel(Model());
    ASSERT_NE(id, INVALID_ELEMENTID);
    ElementRef* element = Model().FindElementById(id);
    ASSERT_NE(element, nullptr);
    EXPECT_TRUE(wall->GetInstanceKey().IsValid());

    DRange3d range = element->GetRange();
    EXPECT_NEAR(range.low.x, 0.0, 1e-9);
    EXPECT_NEAR(range.high.x, 6000.0, 1e-9);
    EXPECT_NEAR(range.high.y - range.low.y, 200.0, 1e-9);
    EXPECT_NEAR(range.low.z, 1050.0, 1e-9) << "storey elevation plus the bottom offset";
    EXPECT_NEAR(range.high.z, 4050.0, 1e-9);

    auto back = TSObjectExtensionManager::Get().GetTSObject(element);
    auto* read = dynamic_cast<TSArchiWall*>(back.get());
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->GetThickness(), 200.0);
    EXPECT_EQ(read->GetElementRef(), element);
    EXPECT_EQ(read->GetInstanceKey(), element->GetPrimaryInstance());
    auto byKey = TSObjectExtensionManager::Get().GetTSObject(Project(), wall->GetInstanceKey());
    ASSERT_TRUE(byKey.IsValid());
    EXPECT_EQ(byKey->GetECClassName(), "TSArchiWall");
    EXPECT_EQ(TSObjectExtensionManager::Get().GetTSObject(id, &Model())->GetECClassName(),
              "TSArchiWall");
}

TEST_F(ObjectModel, AnUpdateIsOneUndoStep)
{
    TSArchiWallPtr wall = NewWall(Project(), {0, 0, 0}, {3000, 0, 0});
    ElementId id = wall->AddToModel(Model());
    wall->SetHeight(4500.0);
    ASSERT_TRUE(wall->UpdateInModel());
    auto current = [&] {
        auto obj = TSObjectExtensionManager::Get().GetTSObject(id, &Model());
        return dynamic_cast<TSArchiWall*>(obj.get())->GetHeight();
    };
    EXPECT_EQ(current(), 4500.0);
    ASSERT_TRUE(Project().GetTxnManager().Undo());
    EXPECT_EQ(current(), 3000.0);
    ASSERT_TRUE(Project().GetTxnManager().Redo());
    EXPECT_EQ(current(), 4500.0);
}

TEST_F(ObjectModel, ElementsWithoutAKnownClassArePlainGraphics)
{
    auto graphics = Model().CreatePhysicalGraphics();
    graphics->AddCurvePrimitive(*ICurvePrimitive::CreateLine(DPoint3d{0, 0, 0}, DPoint3d{1, 0, 0}));
    ElementId plain = graphics->Save();
    auto obj = TSObjectExtensionManager::Get().GetTSObject(plain, &Model());
    ASSERT_TRUE(obj.IsValid());
    EXPECT_EQ(obj->GetECClassName(), TSGraphicElement::PLAIN_CLASS);
    EXPECT_NE(dynamic_cast<TSGraphicElement*>(obj.get()), nullptr);

    auto bare = TSObjectExtensionManager::Get().GetTSObject(&Project(), "Other", "Thing");
    ASSERT_TRUE(bare.IsValid());
    EXPECT_EQ(bare->GetECClassName(), "Thing");
    EXPECT_EQ(dynamic_cast<TSGraphicElement*>(bare.get()), nullptr);
    EXPECT_FALSE(TSObjectExtensionManager::Get().GetTSObject(&Project(), "Other", "").IsValid());
    EXPECT_FALSE(TSObjectExtensionManager::Get().GetTSObject(nullptr).IsValid());
    EXPECT_FALSE(TSObjectExtensionManager::Get().GetTSObject(99999, &Model()).IsValid());
}

TEST_F(ObjectModel, CopyToATargetKeepsTheTargetsPlacement)
{
    TSArchiWallPtr source = NewWall(Project(), {0, 0, 0}, {1000, 0, 0});
    source->SetThickness(370.0);
    source->SetMaterial(L"砖");
    source->SetLevelId(TSLevelManager::Get().EnsureLevel(Project(), "外墙"));
    TSGraphicElementPtr target = NewWall(Project(), {0, 5000, 0}, {8000, 5000, 0}).get();

    ASSERT_TRUE(source->Copy(target));
    auto* copied = dynamic_cast<TSArchiWall*>(target.get());
    EXPECT_EQ(copied->GetThickness(), 370.0);
    EXPECT_EQ(copied->GetMaterial(), L"砖");
    EXPECT_EQ(copied->GetLayerName(), "外墙");
    ExpectNear(copied->GetStart(), {0, 5000, 0});
    ExpectNear(copied->GetEnd(), {8000, 5000, 0});

    TSGraphicElementPtr fresh;
    ASSERT_TRUE(source->Copy(fresh));
    ASSERT_TRUE(fresh.IsValid());
    EXPECT_NE(fresh.get(), source.get());
    ExpectNear(dynamic_cast<TSArchiWall*>(fresh.get())->GetEnd(), {1000, 0, 0});

    TSGraphicElementPtr column = TSArchiColumn::Create().get();
    EXPECT_FALSE(source->Copy(column)) << "another class takes nothing";
    EXPECT_EQ(dynamic_cast<TSArchiColumn*>(column.get())->GetMaterial(), L"混凝土");
}

TEST_F(ObjectModel, TransformsMovePointsAndTurnAngles)
{
    TSArchiWallPtr wall = NewWall(Project(), {1000, 0, 0}, {3000, 0, 0});
    Transform quarter =
        Transform::From(RotMatrix::FromAxisAndRotationAngle(2, M_PI / 2.0), DPoint3d{0, 0, 0});
    wall->ApplyTransform(quarter);
    ExpectNear(wall->GetStart(), {0, 1000, 0});
    ExpectNear(wall->GetEnd(), {0, 3000, 0});

    TSArchiColumnPtr column = TSArchiColumn::Create();
    column->SetRotation(30.0);
    column->ApplyTransform(quarter);
    EXPECT_NEAR(column->GetRotation(), 120.0, 1e-9);

    TSArchiSlabPtr slab = TSArchiSlab::Create();
    slab->SetProfile({{0, 0, 0}, {1000, 0, 0}, {1000, 1000, 0}});
    Transform mirror =
        Transform::From(RotMatrix::FromRowValues(-1, 0, 0, 0, 1, 0, 0, 0, 1), DPoint3d{0, 0, 0});
    slab->ApplyTransform(mirror);
    ExpectNear(slab->GetProfile()[2], {-1000, 1000, 0});
    ElementGeometry body;
    EXPECT_TRUE(slab->BuildGeometry(body));
    ASSERT_TRUE(body.extrusion.has_value());
    EXPECT_NEAR(body.extrusion->bottomElevation, -120.0, 1e-9) << "a slab hangs from its top";
}

TEST_F(ObjectModel, BadValuesMakeNoBodyAndNoElement)
{
    TSArchiWallPtr wall = NewWall(Project(), {5, 5, 0}, {5, 5, 0});
    EXPECT_EQ(wall->AddToModel(Model()), INVALID_ELEMENTID) << "a wall of no length";
    wall->SetEnd({10, 5, 0});
    wall->SetThickness(-1.0);
    EXPECT_EQ(wall->AddToModel(Model()), INVALID_ELEMENTID);
    wall->SetDouble("Thickness", std::nan(""));
    EXPECT_EQ(wall->GetThickness(), -1.0) << "a value that is not a number is not taken";
    EXPECT_EQ(Model().GetElementCount(), 0u);
}

TEST_F(ObjectModel, ObjectsAndTheirUserPropertiesSurviveReopening)
{
    TSArchiWindowPtr window = TSArchiWindow::Create();
    window->SetPosition({2000, 0, 0});
    TSUserPropertySet set;
    TSUserPropertyCell cell;
    cell.SetString(L"断桥铝");
    set.SetValue(L"构造", L"框料", cell);
    window->SetUserPropertySet(set);
    ElementId id = window->AddToModel(Model());
    ASSERT_NE(id, INVALID_ELEMENTID);

    SaveAndReopen();
    auto obj = TSObjectExtensionManager::Get().GetTSObject(id, Project().GetDefaultModel());
    auto* read = dynamic_cast<TSArchiWindow*>(obj.get());
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->GetSillHeight(), TSArchiWindow::DEFAULT_SILL_HEIGHT);
    ExpectNear(read->GetPosition(), {2000, 0, 0});
    TSUserPropertySet back = read->GetUserPropertySet();
    ASSERT_NE(back.FindValue(L"框料"), nullptr);
    EXPECT_EQ(back.FindValue(L"框料")->GetValue().GetString(), L"断桥铝");
}
