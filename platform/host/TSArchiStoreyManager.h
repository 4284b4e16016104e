#pragma once
// The storeys of a project, kept in the project so that they are saved and reopened with
// it. Ids are the project's own, never reused; lists come ordered by elevation. Names are
// unique within a project. Thread-safe through the project's storage.

#include "platform/cad/BVector.h"
#include "platform/host/TSStorey.h"

class DgnProject;

class TSArchiStoreyManager
{
public:
    static TSArchiStoreyManager& Get();

    bvector<TSStorey> GetStoreys(DgnProject& project) const;
    bool FindStorey(DgnProject& project, std::int64_t id, TSStorey& storey) const;
    bool FindStoreyByName(DgnProject& project, const WString& name, TSStorey& storey) const;
    // The storey whose span [elevation, top) holds z; the lowest storey below everything,
    // the highest above; false without storeys.
    bool FindStoreyAtElevation(DgnProject& project, double z, TSStorey& storey) const;

    // A new storey; its id, or 0 for an empty or taken name, a height that is not positive
    // or values that are not finite.
    std::int64_t AddStorey(DgnProject& project, const WString& name, double elevation,
                           double height = TSStorey::DEFAULT_HEIGHT);
    // Replaces the storey of storey.GetId(), under the same rules.
    bool UpdateStorey(DgnProject& project, const TSStorey& storey);
    // Elements keep the id of a removed storey and stand at elevation 0 until moved.
    bool RemoveStorey(DgnProject& project, std::int64_t id);
    // Gives a project without storeys its first one ("首层" at 0); the id of the lowest
    // storey either way.
    std::int64_t EnsureStorey(DgnProject& project);

private:
    TSArchiStoreyManager() = default;
    bool IsAcceptable(DgnProject& project, const TSStorey& storey) const;
};
