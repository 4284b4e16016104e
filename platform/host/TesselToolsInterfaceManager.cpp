#include "platform/host/TesselToolsInterfaceManager.h"

#include <map>
#include <mutex>
#include <utility>

namespace {

struct Registry
{
    std::mutex mutex;
    std::map<std::pair<std::string, std::string>, RefCountedPtr<IToolInterface>> tools;
};

Registry& GetRegistry()
{
    static Registry registry;
    return registry;
}

bool IsName(const char* s)
{
    return s && *s;
}

} // namespace

bool TesselToolsInterfaceManager::RegisterInterface(const char* name, IToolInterface* tool,
                                                    const char* interfaceName)
{
    if (!tool)
        return false;
    if (!interfaceName)
        interfaceName = tool->GetInterfaceName();
    if (!IsName(name) || !IsName(interfaceName))
        return false;
    RefCountedPtr<IToolInterface> held(tool);
    RefCountedPtr<IToolInterface> replaced;
    {
        Registry& r = GetRegistry();
        std::lock_guard lock(r.mutex);
        replaced = std::exchange(r.tools[{name, interfaceName}], held);
    }
    // The replaced interface may be destroyed here, outside the lock, so that its destructor
    // may use the registry.
    return true;
}

bool TesselToolsInterfaceManager::UnregisterInterface(const char* name, const char* interfaceName)
{
    if (!IsName(name) || !IsName(interfaceName))
        return false;
    RefCountedPtr<IToolInterface> dropped;
    Registry& r = GetRegistry();
    std::lock_guard lock(r.mutex);
    auto it = r.tools.find({name, interfaceName});
    if (it == r.tools.end())
        return false;
    dropped = std::move(it->second);
    r.tools.erase(it);
    return true;
}

IToolInterface* TesselToolsInterfaceManager::QueryICmdInterface(const char* name,
                                                                const char* interfaceName)
{
    if (!IsName(name) || !IsName(interfaceName))
        return nullptr;
    Registry& r = GetRegistry();
    std::lock_guard lock(r.mutex);
    auto it = r.tools.find({name, interfaceName});
    return it == r.tools.end() ? nullptr : it->second.get();
}

std::vector<std::string> TesselToolsInterfaceManager::GetNames(const char* interfaceName)
{
    std::vector<std::string> names;
    if (!IsName(interfaceName))
        return names;
    Registry& r = GetRegistry();
    std::lock_guard lock(r.mutex);
    for (const auto& [key, tool] : r.tools)
        if (key.second == interfaceName)
            names.push_back(key.first);
    return names;
}

void TesselToolsInterfaceManager::Clear()
{
    decltype(Registry::tools) dropped;
    Registry& r = GetRegistry();
    {
        std::lock_guard lock(r.mutex);
        dropped.swap(r.tools);
    }
}
