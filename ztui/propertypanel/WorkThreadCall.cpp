#include "ztui/propertypanel/WorkThreadCall.h"

#include "platform/host/Callable.h"
#include "platform/host/Executors.h"
#include "ztui/proplist/editors/CommitGuard.h"

namespace zt {

void RunOnWorkThread(const wchar_t* what, std::function<void()> task)
{
    auto guarded = [what, task = std::move(task)] { CommitGuard::Run(what, task); };
    auto* call = new CallerF<decltype(guarded)>(std::move(guarded));
    TesselFuncCall::ToCallOnWorkTread(call);
    call->Release();
}

} // namespace zt
