#include "ProjectTestSupport.h"

#include "platform/cad/DgnApplication.h"
#include "platform/cad/EditElementHandle.h"
#include "platform/cad/SelectionSetManager.h"

#include <gtest/gtest.h>

namespace {

struct Log : ISelectionListener
{
    std::vector<std::pair<SelectionSetAction, std::size_t>> calls;
    void OnSelectionChanged(SelectionSetAction action, const bvector<ElementRef*>& e) override
    {
        calls.emplace_back(action, e.size());
    }
};

class SelectionSet : public ::testing::Test
{
protected:
    void SetUp() override
    {
        project = DgnApplication::Get().NewProject();
        ASSERT_NE(project, nullptr);
        model = project->GetDefaultModel();
        for (int i = 0; i < 3; ++i)
            elements.push_back(model->FindElementById(
                AddLine(*model, DPoint3d::From(0, i), DPoint3d::From(1, i))));
        SelectionSetManager::GetManager().AddListener(&log);
    }
    void TearDown() override
    {
        SelectionSetManager::GetManager().DropListener(&log);
        DgnApplication::Get().CloseProject();
    }

    DgnProject* project = nullptr;
    DgnModel* model = nullptr;
    bvector<ElementRef*> elements;
    Log log;
    SelectionSetManager& sel = SelectionSetManager::GetManager();
};

} // namespace

TEST_F(SelectionSet, AddRemoveClearNotifyOncePerChange)
{
    EXPECT_TRUE(sel.AddElement(elements[0]));
    EXPECT_FALSE(sel.AddElement(elements[0]));
    EXPECT_TRUE(sel.AddElements({elements[1], elements[2], nullptr}));
    EXPECT_EQ(sel.NumSelected(), 3u);
    EXPECT_EQ(sel.GetElement(1), elements[1]);
    EXPECT_EQ(sel.GetElement(3), nullptr);
    EXPECT_TRUE(sel.RemoveElement(elements[1]));
    EXPECT_FALSE(sel.RemoveElement(elements[1]));
    EXPECT_TRUE(sel.Clear());
    EXPECT_FALSE(sel.Clear());
    EXPECT_EQ(sel.NumSelected(), 0u);
    using A = SelectionSetAction;
    EXPECT_EQ(log.calls, (std::vector<std::pair<A, std::size_t>>{{A::ElementsAdded, 1},
                                                                 {A::ElementsAdded, 2},
                                                                 {A::ElementsRemoved, 1},
                                                                 {A::Cleared, 2}}));
}

TEST_F(SelectionSet, DeletedElementLeavesTheSelection)
{
    sel.AddElements(elements);
    EditElementHandle(elements[0]).DeleteFromModel();
    EXPECT_EQ(sel.NumSelected(), 2u);
    EXPECT_FALSE(sel.IsSelected(elements[0]));
    EXPECT_EQ(log.calls.back(),
              std::make_pair(SelectionSetAction::ElementsRemoved, std::size_t(1)));
    EXPECT_FALSE(sel.AddElement(elements[0]));
}

TEST_F(SelectionSet, ClosingTheProjectEmptiesIt)
{
    sel.AddElements(elements);
    DgnApplication::Get().CloseProject();
    EXPECT_EQ(sel.NumSelected(), 0u);
    EXPECT_EQ(log.calls.back().first, SelectionSetAction::Cleared);
}

TEST_F(SelectionSet, ReplaceWithTheSameSetTellsNobody)
{
    sel.ReplaceWith({elements[0], elements[1]});
    std::size_t calls = log.calls.size();
    EXPECT_FALSE(sel.ReplaceWith({elements[0], elements[1]}));
    EXPECT_EQ(log.calls.size(), calls);
    EXPECT_TRUE(sel.ReplaceWith({elements[2]}));
    EXPECT_EQ(sel.GetElements(), (bvector<ElementRef*>{elements[2]}));
}

TEST_F(SelectionSet, ListenerDroppingItselfDuringACallIsSafe)
{
    struct Once : ISelectionListener
    {
        int calls = 0;
        void OnSelectionChanged(SelectionSetAction, const bvector<ElementRef*>&) override
        {
            ++calls;
            SelectionSetManager::GetManager().DropListener(this);
        }
    } once;
    sel.AddListener(&once);
    sel.AddElement(elements[0]);
    sel.AddElement(elements[1]);
    EXPECT_EQ(once.calls, 1);
}
