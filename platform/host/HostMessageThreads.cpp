#include "platform/host/HostMessageThreads.h"
#include "platform/host/Executors.h"

namespace zt::host {

HostMessageThreads& HostMessageThreads::Get()
{
    static HostMessageThreads threads;
    return threads;
}

void HostMessageThreads::Post(MessageSide side, std::function<void()> task)
{
    if (side == MessageSide::UserInterface)
        Executors::Get().PostToUI(std::move(task));
    else
        Executors::Get().PostToWork(std::move(task));
}

void HostMessageThreads::RunAndWait(MessageSide side, const std::function<void()>& task)
{
    if (side == MessageSide::UserInterface)
        Executors::Get().RunOnUIAndWait(task);
    else
        Executors::Get().RunOnWork(task);
}

bool HostMessageThreads::IsCurrentThread(MessageSide side) const
{
    return side == MessageSide::UserInterface ? Executors::Get().IsUIThread()
                                              : Executors::Get().IsWorkThread();
}

namespace {

// Installed while the host library is loaded.
struct Installer
{
    Installer() { MessageSender::Get().SetThreads(&HostMessageThreads::Get()); }
    ~Installer() { MessageSender::Get().SetThreads(nullptr); }
} const g_installer;

} // namespace

} // namespace zt::host
