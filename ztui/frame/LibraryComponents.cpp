#include "ztui/frame/LibraryComponents.h"

#include "ztui/frame/ComponentRegistry.h"
#include "ztui/frame/ResManagerIcon.h"

#include <utility>

namespace zt {

namespace {

// What this library published, compared by address only, so that withdrawing never drops a
// host's own component. Trivially destructible: it is read while static objects are destroyed.
constinit const IComponent* g_iconManager = nullptr;

} // namespace

void PublishLibraryComponents()
{
    auto manager = std::make_shared<resman::ResManagerIcon>();
    const IComponent* published = manager.get();
    if (ComponentRegistry::instance().publish(resman::kResManagerIconName, std::move(manager)))
        g_iconManager = published;
}

void WithdrawLibraryComponents()
{
    if (!g_iconManager)
        return;
    const IComponent* mine = std::exchange(g_iconManager, nullptr);
    ComponentRegistry::instance().withdraw(resman::kResManagerIconName, mine);
}

} // namespace zt
