#pragma once
// The guard around every call into drawing code that is not the platform's own (transients,
// a tool's dynamics, the scene): an operating-system exception raised in it is translated into
// a C++ exception for the duration, and any exception ends that drawing quietly, with a line in
// the debug output. The view draws again on its next update.

#include <exception>
#include <functional>

class ViewDrawGuard
{
public:
    // Runs draw under the guard; false when it ended with an exception.
    static bool Run(const char* what, const std::function<void()>& draw);
    // How many drawings ended that way since the process started.
    static unsigned FaultCount();
};
