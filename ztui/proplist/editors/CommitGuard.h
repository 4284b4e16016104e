#pragma once
// The frame around an editor's commit: writing the value and calling the owner's handlers.
// Handlers are foreign code running inside a window procedure, where nothing may be thrown:
// while the commit runs, operating-system exceptions are translated into km::SE_Exception,
// and whatever escapes (translated or not) is logged to the debugger's output and dropped.
// What was written into the item before the failure stays there.

#include "ztui/ZTUiExport.h"

#include <functional>

namespace zt {

class ZTUI_EXPORT CommitGuard
{
public:
    // Runs the commit; false when an exception ended it early. `what` names the commit in the
    // log line ("edit commit", "colour choice").
    static bool Run(const wchar_t* what, const std::function<void()>& commit) noexcept;
};

} // namespace zt
