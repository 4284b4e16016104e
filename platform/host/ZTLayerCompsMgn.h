#pragma once
// The project's layer combinations and which one is current. The host's layer button lists
// the current combination's layers; a class's layer that is hidden there hides the class, and
// the views leave out the elements on a layer the current combination hides.
// Kept in the project. Calls without a project argument use the application's current one.

#include "platform/host/ZTLayerCompsInfo.h"

#include <map>

class DgnProject;

class ZTLayerCompsMgn
{
public:
    static ZTLayerCompsMgn& Get();

    // Empty when none is current (or there is no project).
    Utf8String GetCurCompName() const;
    Utf8String GetCurCompName(DgnProject& project) const;
    // False for a name without a combination; an empty name makes none current.
    bool SetCurCompName(DgnProject& project, const Utf8String& name);

    // Every combination by name.
    std::map<Utf8String, ZTLAYERCOMPSINFO> GetLayerCompInfo() const;
    std::map<Utf8String, ZTLAYERCOMPSINFO> GetLayerCompInfo(DgnProject& project) const;
    bool GetLayerCompInfo(DgnProject& project, const Utf8String& name,
                          ZTLAYERCOMPSINFO& info) const;
    // Adds or replaces the combination of that name (info.name is set to it).
    bool SetLayerCompInfo(DgnProject& project, const Utf8String& name, ZTLAYERCOMPSINFO info);
    // Removing the current combination leaves none current.
    bool RemoveLayerComp(DgnProject& project, const Utf8String& name);
    // Shows or hides one layer of a combination; false when either is missing.
    bool SetLayerVisible(DgnProject& project, const Utf8String& comb, const Utf8String& layer,
                         bool visible);

private:
    ZTLayerCompsMgn() = default;
    // Shows and hides the levels as the current combination's layers are.
    void ApplyToLevels(DgnProject& project) const;
};
