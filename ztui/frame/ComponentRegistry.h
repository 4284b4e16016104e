#pragma once
// The library's small component registry: services published by name, so that code which must
// not depend on who provides a service (the library's windows, the host, a plug-in) can find it
// at run time. The library publishes its own components at load; a host may add its own or
// replace one by withdrawing it first. Names compare exactly. Every operation is thread-safe;
// a component lives while it is published or while someone holds it.

#include "ztui/ZTUiExport.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace zt {

// The base of every published component: destroy, then the query for one of its interfaces.
class ZTUI_EXPORT IComponent
{
public:
    virtual ~IComponent() = default;
    // The component seen through the interface of that name, or null when it has none. An
    // interface class names itself in a static constexpr const char* kInterfaceName.
    virtual void* queryInterface(std::string_view interfaceName) = 0;
};

class ZTUI_EXPORT ComponentRegistry
{
public:
    // The process's registry.
    static ComponentRegistry& instance();

    ComponentRegistry() = default;
    ComponentRegistry(const ComponentRegistry&) = delete;
    ComponentRegistry& operator=(const ComponentRegistry&) = delete;

    // Publishes a component under a name. False for an empty name, a null component or a name
    // already taken: the first publisher keeps it until it is withdrawn.
    bool publish(std::string_view name, std::shared_ptr<IComponent> component);
    // Removes the component of that name and hands it back (null when there was none). With
    // `only` set, a different component published under the name stays.
    std::shared_ptr<IComponent> withdraw(std::string_view name, const IComponent* only = nullptr);
    // The component published under the name, or null.
    std::shared_ptr<IComponent> find(std::string_view name) const;
    // The component published under the name, seen as interface T (through queryInterface);
    // null when there is none or it does not offer T. The result keeps the component alive.
    template <class T>
    std::shared_ptr<T> query(std::string_view name) const
    {
        std::shared_ptr<IComponent> component = find(name);
        if (!component)
            return nullptr;
        void* face = component->queryInterface(T::kInterfaceName);
        return face ? std::shared_ptr<T>(component, static_cast<T*>(face)) : nullptr;
    }
    // The published names, sorted.
    std::vector<std::string> names() const;

private:
    mutable std::mutex m_mutex;
    std::map<std::string, std::shared_ptr<IComponent>, std::less<>> m_components;
};

} // namespace zt
