#include "ztui/frame/ComponentRegistry.h"

namespace zt {

ComponentRegistry& ComponentRegistry::instance()
{
    // Built by the load sequence before any component is published, so destroyed after the
    // static object that withdraws them; what remains is released when the process ends.
    static ComponentRegistry registry;
    return registry;
}

bool ComponentRegistry::publish(std::string_view name, std::shared_ptr<IComponent> component)
{
    if (name.empty() || !component)
        return false;
    std::lock_guard lock(m_mutex);
    return m_components.emplace(std::string(name), std::move(component)).second;
}

std::shared_ptr<IComponent> ComponentRegistry::withdraw(std::string_view name,
                                                        const IComponent* only)
{
    std::shared_ptr<IComponent> component;
    {
        std::lock_guard lock(m_mutex);
        auto it = m_components.find(name);
        if (it == m_components.end() || (only && it->second.get() != only))
            return nullptr;
        component = std::move(it->second);
        m_components.erase(it);
    }
    // Handed back outside the lock: if the caller drops it, its destructor may use the
    // registry.
    return component;
}

std::shared_ptr<IComponent> ComponentRegistry::find(std::string_view name) const
{
    std::lock_guard lock(m_mutex);
    auto it = m_components.find(name);
    return it == m_components.end() ? nullptr : it->second;
}

std::vector<std::string> ComponentRegistry::names() const
{
    std::lock_guard lock(m_mutex);
    std::vector<std::string> result;
    result.reserve(m_components.size());
    for (const auto& entry : m_components)
        result.push_back(entry.first);
    return result;
}

} // namespace zt
