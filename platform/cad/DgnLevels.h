#pragma once
// The project's level table. Level 1, "Default", always exists and is where elements go
// unless told otherwise. Names are unique (compared exactly). Creating, changing and deleting
// levels are changes of the project: undoable, saved with it, and announced to the
// element-change listeners (OnLevelsChanged).

#include "platform/base/WString.h"
#include "platform/cad/BVector.h"
#include "platform/cad/LevelDefinition.h"

class DgnProject;

class DgnLevels
{
public:
    static constexpr const char* DEFAULT_LEVEL_NAME = "Default";

    DgnLevels(const DgnLevels&) = delete;
    DgnLevels& operator=(const DgnLevels&) = delete;

    // Every level, by ascending id.
    bvector<LevelDefinition> GetLevels() const;
    bool FindLevelById(LevelId id, LevelDefinition& level) const;
    bool FindLevelByName(const Utf8String& name, LevelDefinition& level) const;
    bool HasLevel(LevelId id) const;

    // A new level with that name and the symbology of the template; its id is requestedId
    // when that is free and positive, else the next free one. 0 when the name is empty or
    // taken, or requestedId is taken.
    LevelId CreateLevel(const Utf8String& name, LevelId requestedId = 0,
                        const LevelDefinition& symbology = LevelDefinition{});
    // Replaces the level of level.id; false when there is none or the new name is empty or
    // used by another level.
    bool ReplaceLevel(const LevelDefinition& level);
    // False for the default level and for unknown ids. Elements on a deleted level keep its
    // id and draw with the default level's symbology.
    bool DeleteLevel(LevelId id);

private:
    friend class DgnProject;
    explicit DgnLevels(DgnProject& project) : m_project(project) {}

    DgnProject& m_project;
};
