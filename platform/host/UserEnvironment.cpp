#include "platform/host/UserEnvironment.h"

#include <atomic>

namespace env {

namespace {
// Read from both host threads.
std::atomic<TesselDomain> g_defaultDomain{TesselDomain_Architecture};
} // namespace

UserEnvironment* UserEnvironment::getInstance()
{
    static UserEnvironment instance;
    return &instance;
}

TesselDomain UserEnvironment::getDefaultDomain() const
{
    return g_defaultDomain.load();
}

void UserEnvironment::setDefaultDomain(TesselDomain domain)
{
    g_defaultDomain.store(domain);
}

} // namespace env
