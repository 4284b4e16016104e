#pragma once
// The panel's one way onto the host's work thread: the task runs there inside the commit
// guard (tools are foreign code; nothing they throw may leave through the panel), and the
// call returns when it has run.

#include <functional>

namespace zt {

void RunOnWorkThread(const wchar_t* what, std::function<void()> task);

} // namespace zt
