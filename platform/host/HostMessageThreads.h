#pragma once
// The host's two threads as the platform's message hub reaches them: user-interface messages
// run on the user-interface executor and work messages on the work executor. The host library
// installs it when it loads (the platform cannot depend on the host, so the host plugs in).

#include "platform/cad/MessageSender.h"

namespace zt::host {

class HostMessageThreads : public IMessageThreads
{
public:
    static HostMessageThreads& Get();

    void Post(MessageSide side, std::function<void()> task) override;
    void RunAndWait(MessageSide side, const std::function<void()>& task) override;
    bool IsCurrentThread(MessageSide side) const override;

private:
    HostMessageThreads() = default;
};

} // namespace zt::host
