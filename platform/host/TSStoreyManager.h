#pragma once
// The storey the user works on: new elements stand on it and plan views show it. Kept per
// project, so a reopened project comes back on the storey it was left on.

#include "platform/host/TSStorey.h"

class DgnProject;

class TSStoreyManager
{
public:
    // The current storey of the application's current project: the one chosen last, or the
    // lowest when that one is gone; null without a project or storeys.
    static TSStoreyPtr GetCurrentStorey();
    static TSStoreyPtr GetCurrentStorey(DgnProject& project);
    // False for an id the project has no storey for.
    static bool SetCurrentStorey(DgnProject& project, std::int64_t id);
};
