#pragma once
// The handle maps behind the MFC-shaped drawing classes: permanent entries for attached
// wrappers, temporary wrappers made by FromHandle. When a handle leaves the GDI table its
// temporary wrapper is deleted and its permanent entry dropped.

#include <memory>
#include <mutex>
#include <unordered_map>

class CGdiObject;
class CDC;

namespace zt::win {

// One map per wrapper class. `clear` empties a wrapper's handle fields, so that a wrapper
// whose handle is gone (or that lost a race to another wrapper) deletes nothing.
template <class Wrapper>
class HandleMap
{
public:
    using Clear = void (*)(Wrapper&);
    explicit HandleMap(Clear clear) : m_clear(clear) {}

    Wrapper* Find(void* handle)
    {
        std::lock_guard lock(m_mutex);
        if (auto it = m_permanent.find(handle); it != m_permanent.end())
            return it->second;
        auto it = m_temporary.find(handle);
        return it != m_temporary.end() ? it->second.get() : nullptr;
    }

    // Keeps a wrapper made for a handle without one; when another thread made one first, that
    // one is returned and this one is discarded.
    Wrapper* KeepTemporary(void* handle, std::unique_ptr<Wrapper> wrapper)
    {
        std::lock_guard lock(m_mutex);
        auto [it, inserted] = m_temporary.try_emplace(handle, std::move(wrapper));
        if (!inserted)
            m_clear(*wrapper);
        return it->second.get();
    }

    void SetPermanent(void* handle, Wrapper* wrapper)
    {
        std::lock_guard lock(m_mutex);
        m_permanent[handle] = wrapper;
    }

    void DropPermanent(void* handle, const Wrapper* wrapper)
    {
        std::lock_guard lock(m_mutex);
        auto it = m_permanent.find(handle);
        if (it != m_permanent.end() && it->second == wrapper)
            m_permanent.erase(it);
    }

    // The handle is gone: forget both entries; the temporary wrapper is deleted outside the
    // lock, with its handle cleared first.
    void Forget(void* handle)
    {
        std::unique_ptr<Wrapper> temporary;
        {
            std::lock_guard lock(m_mutex);
            m_permanent.erase(handle);
            auto it = m_temporary.find(handle);
            if (it != m_temporary.end()) {
                temporary = std::move(it->second);
                m_temporary.erase(it);
            }
        }
        if (temporary)
            m_clear(*temporary);
    }

private:
    Clear m_clear;
    std::mutex m_mutex;
    std::unordered_map<void*, Wrapper*> m_permanent;
    std::unordered_map<void*, std::unique_ptr<Wrapper>> m_temporary;
};

// Installs the GDI table hook once; every map entry point calls it.
void EnsureHandleMapHook();

HandleMap<CGdiObject>& GdiWrapperMap();
HandleMap<CDC>& DcWrapperMap();

} // namespace zt::win
