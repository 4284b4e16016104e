#pragma once
// The project's undo history. Every change of an element (added, changed, deleted, moved to
// another level) and of the level table is recorded; a change made outside a group is one
// undo step of its own, and everything between StartTxnGroup and the matching EndTxnGroup
// (groups nest; the outermost pair counts) is one step. While the manager is deactivated
// (Deactivate and Activate nest too) changes are made but not recorded, so that temporary
// geometry never reaches the user's history. A new change clears what could be redone.
//
// Undo and Redo end any open group first, then reverse or repeat one whole step and tell the
// element-change listeners what changed. All of it is safe from any thread, though changes
// belong on the work thread.

#include "platform/cad/DgnIds.h"
#include "platform/cad/LevelDefinition.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

class DgnProject;
class ElementRef;
struct ElementData;

class ITxnManager
{
public:
    ITxnManager(const ITxnManager&) = delete;
    ITxnManager& operator=(const ITxnManager&) = delete;

    void StartTxnGroup();
    // Ends the innermost group; at depth 0 it does nothing.
    void EndTxnGroup();
    int GetTxnGroupDepth() const;

    void Deactivate();
    void Activate();
    bool IsActive() const;

    bool CanUndo() const;
    bool CanRedo() const;
    // False when there is nothing to undo (or redo).
    bool Undo();
    bool Redo();
    std::size_t GetUndoCount() const;
    std::size_t GetRedoCount() const;
    // Forgets every step (the project does this when it closes).
    void ClearHistory();

    // One recorded change: an element from one state to another (null: not there), or a
    // level from one definition to another (empty: not there).
    struct Change
    {
        ElementRef* element = nullptr;
        std::shared_ptr<const ElementData> elementBefore;
        std::shared_ptr<const ElementData> elementAfter;
        LevelId levelId = 0;
        std::optional<LevelDefinition> levelBefore;
        std::optional<LevelDefinition> levelAfter;

        static Change ForElement(ElementRef* element, std::shared_ptr<const ElementData> before,
                                 std::shared_ptr<const ElementData> after)
        {
            Change c;
            c.element = element;
            c.elementBefore = std::move(before);
            c.elementAfter = std::move(after);
            return c;
        }
        static Change ForLevel(LevelId id, std::optional<LevelDefinition> before,
                               std::optional<LevelDefinition> after)
        {
            Change c;
            c.levelId = id;
            c.levelBefore = std::move(before);
            c.levelAfter = std::move(after);
            return c;
        }
    };

private:
    friend class DgnProject;
    friend class DgnLevels;
    explicit ITxnManager(DgnProject& project) : m_project(project) {}

    // Called by the project with its lock held.
    void RecordLocked(Change change);
    void CloseGroupsLocked();

    DgnProject& m_project;
    using Step = std::vector<Change>;
    std::vector<Step> m_undo;
    std::vector<Step> m_redo;
    Step m_open;
    int m_groupDepth = 0;
    int m_deactivated = 0;
};
