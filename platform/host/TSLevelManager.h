#pragma once
// Which layer (the platform's level) each element class goes on: a map from class name to
// layer name, kept in the project. New elements of a class are placed on its layer.

#include "platform/base/WString.h"
#include "platform/cad/DgnIds.h"

#include <map>

class DgnProject;

class TSLevelManager
{
public:
    using ClassLevelMap = std::map<Utf8String, Utf8String>;

    static TSLevelManager& Get();

    // The map of the application's current project; false (map emptied) without one.
    bool GetEcClassMapLvl(ClassLevelMap& map) const;
    bool SetEcClassMapLvl(const ClassLevelMap& map);
    bool GetEcClassMapLvl(DgnProject& project, ClassLevelMap& map) const;
    bool SetEcClassMapLvl(DgnProject& project, const ClassLevelMap& map);

    // The layer name mapped to the class, empty when none.
    Utf8String GetClassLayerName(DgnProject& project, const Utf8String& className) const;
    // The level new elements of the class go on: the mapped layer when the project has that
    // level, else the default level.
    LevelId GetClassLevel(DgnProject& project, const Utf8String& className) const;
    // The level of that name, created (undoably) when missing; 0 for an empty name.
    LevelId EnsureLevel(DgnProject& project, const Utf8String& name);

private:
    TSLevelManager() = default;
};
