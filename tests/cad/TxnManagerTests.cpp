#include "ProjectTestSupport.h"

#include "platform/cad/DgnApplication.h"
#include "platform/cad/EditElementHandle.h"
#include "platform/cad/ElementPropertiesSetter.h"
#include "platform/cad/ProjectEvents.h"

#include <gtest/gtest.h>

namespace {

struct Counter : IElementChangeListener
{
    int added = 0, changed = 0, deleted = 0, levels = 0;
    void OnElementAdded(ElementRef&) override { ++added; }
    void OnElementChanged(ElementRef&) override { ++changed; }
    void OnElementDeleted(ElementRef&) override { ++deleted; }
    void OnLevelsChanged(DgnProject&) override { ++levels; }
};

class TxnManager : public ::testing::Test
{
protected:
    void SetUp() override
    {
        project = DgnApplication::Get().NewProject();
        ASSERT_NE(project, nullptr);
        model = project->GetDefaultModel();
        txn = &project->GetTxnManager();
        ProjectEvents::Get().AddElementListener(&counter);
    }
    void TearDown() override
    {
        ProjectEvents::Get().DropElementListener(&counter);
        DgnApplication::Get().CloseProject();
    }

    DgnProject* project = nullptr;
    DgnModel* model = nullptr;
    ITxnManager* txn = nullptr;
    Counter counter;
};

} // namespace

TEST_F(TxnManager, GroupOfAddChangeDeleteIsOneStep)
{
    ElementId kept = AddLine(*model, DPoint3d::From(0, 0), DPoint3d::From(1, 0));
    LevelId other = project->Levels().CreateLevel("Other");
    std::size_t before = txn->GetUndoCount();

    txn->StartTxnGroup();
    ElementId added = AddLine(*model, DPoint3d::From(0, 5), DPoint3d::From(1, 5));
    ElementPropertiesSetter setter;
    setter.SetLevel(other);
    setter.Apply(project->FindElementById(kept));
    EditElementHandle(added, model).DeleteFromModel();
    ElementId last = AddLine(*model, DPoint3d::From(0, 9), DPoint3d::From(1, 9));
    txn->EndTxnGroup();
    EXPECT_EQ(txn->GetUndoCount(), before + 1);

    ASSERT_TRUE(txn->Undo());
    EXPECT_EQ(project->FindElementById(kept)->GetLevel(), LEVEL_DEFAULT_LEVEL_ID);
    EXPECT_EQ(project->FindElementById(added), nullptr);
    EXPECT_EQ(project->FindElementById(last), nullptr);
    EXPECT_EQ(model->GetElementCount(), 1u);

    ASSERT_TRUE(txn->Redo());
    EXPECT_EQ(project->FindElementById(kept)->GetLevel(), other);
    EXPECT_EQ(project->FindElementById(added), nullptr);
    EXPECT_NE(project->FindElementById(last), nullptr);
    EXPECT_EQ(model->GetElementCount(), 2u);
    EXPECT_FALSE(txn->CanRedo());
}

TEST_F(TxnManager, UndoTellsListenersWhatChanged)
{
    ElementId id = AddLine(*model, DPoint3d::From(0, 0), DPoint3d::From(1, 0));
    EditElementHandle(id, model).DeleteFromModel();
    counter = Counter{};
    ASSERT_TRUE(txn->Undo()); // the delete
    EXPECT_EQ(counter.added, 1);
    ASSERT_TRUE(txn->Undo()); // the add
    EXPECT_EQ(counter.deleted, 1);
    ASSERT_TRUE(txn->Redo());
    EXPECT_EQ(counter.added, 2);
    EXPECT_FALSE(txn->CanUndo() && txn->GetUndoCount() > 1);
}

TEST_F(TxnManager, NestedGroupsCountAsTheOutermost)
{
    txn->StartTxnGroup();
    AddLine(*model, DPoint3d::From(0, 0), DPoint3d::From(1, 0));
    txn->StartTxnGroup();
    AddLine(*model, DPoint3d::From(0, 1), DPoint3d::From(1, 1));
    txn->EndTxnGroup();
    EXPECT_EQ(txn->GetTxnGroupDepth(), 1);
    AddLine(*model, DPoint3d::From(0, 2), DPoint3d::From(1, 2));
    txn->EndTxnGroup();
    txn->EndTxnGroup(); // unmatched: ignored
    EXPECT_EQ(txn->GetUndoCount(), 1u);
    txn->Undo();
    EXPECT_EQ(model->GetElementCount(), 0u);
}

TEST_F(TxnManager, DeactivatedChangesNeverBecomeSteps)
{
    AddLine(*model, DPoint3d::From(0, 0), DPoint3d::From(1, 0));
    txn->Deactivate();
    EXPECT_FALSE(txn->IsActive());
    ElementId temp = AddLine(*model, DPoint3d::From(0, 1), DPoint3d::From(1, 1));
    txn->Activate();
    EXPECT_TRUE(txn->IsActive());
    EXPECT_EQ(txn->GetUndoCount(), 1u);
    txn->Undo();
    EXPECT_NE(project->FindElementById(temp), nullptr);
    EXPECT_EQ(model->GetElementCount(), 1u);
}

TEST_F(TxnManager, NewChangeAfterUndoDropsRedo)
{
    AddLine(*model, DPoint3d::From(0, 0), DPoint3d::From(1, 0));
    txn->Undo();
    EXPECT_TRUE(txn->CanRedo());
    AddLine(*model, DPoint3d::From(0, 1), DPoint3d::From(1, 1));
    EXPECT_FALSE(txn->CanRedo());
    EXPECT_FALSE(txn->Redo());
}

TEST_F(TxnManager, UndoEndsAnOpenGroupFirst)
{
    txn->StartTxnGroup();
    AddLine(*model, DPoint3d::From(0, 0), DPoint3d::From(1, 0));
    AddLine(*model, DPoint3d::From(0, 1), DPoint3d::From(1, 1));
    ASSERT_TRUE(txn->Undo());
    EXPECT_EQ(txn->GetTxnGroupDepth(), 0);
    EXPECT_EQ(model->GetElementCount(), 0u);
    txn->EndTxnGroup(); // the caller's end is harmless
    EXPECT_TRUE(txn->Redo());
    EXPECT_EQ(model->GetElementCount(), 2u);
}

TEST_F(TxnManager, LevelTableChangesUndo)
{
    LevelId id = project->Levels().CreateLevel("Temp");
    LevelDefinition level;
    project->Levels().FindLevelById(id, level);
    level.color = 3;
    project->Levels().ReplaceLevel(level);
    project->Levels().DeleteLevel(id);
    EXPECT_FALSE(project->Levels().HasLevel(id));
    txn->Undo();
    ASSERT_TRUE(project->Levels().FindLevelById(id, level));
    EXPECT_EQ(level.color, 3u);
    txn->Undo();
    project->Levels().FindLevelById(id, level);
    EXPECT_EQ(level.color, 0u);
    txn->Undo();
    EXPECT_FALSE(project->Levels().HasLevel(id));
    EXPECT_GE(counter.levels, 6);
}

TEST_F(TxnManager, UndoAfterCloseFailsQuietly)
{
    DgnProjectPtr keep = DgnApplication::Get().GetCurrentProjectPtr();
    AddLine(*model, DPoint3d::From(0, 0), DPoint3d::From(1, 0));
    DgnApplication::Get().CloseProject();
    EXPECT_FALSE(keep->GetTxnManager().Undo());
    EXPECT_EQ(AddLine(*model, DPoint3d::From(0, 0), DPoint3d::From(2, 0)), INVALID_ELEMENTID);
}
