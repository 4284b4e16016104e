#include "ztui/tracer/ZTTracerFunPoolMgn.h"

namespace zt {

ZTTracerFunPoolMgn& ZTTracerFunPoolMgn::Get()
{
    static ZTTracerFunPoolMgn pool;
    return pool;
}

bool ZTTracerFunPoolMgn::RegisterFunPool(const Utf8String& name, ZTTracerCusFunBase* function)
{
    if (!function)
        return false;
    std::lock_guard lock(m_mutex);
    return m_functions.emplace(name, function).second;
}

bool ZTTracerFunPoolMgn::UnregisterFunPool(const Utf8String& name)
{
    std::lock_guard lock(m_mutex);
    return m_functions.erase(name) > 0;
}

ZTTracerCusFunBase* ZTTracerFunPoolMgn::QueryFunPool(const Utf8String& name) const
{
    std::lock_guard lock(m_mutex);
    auto it = m_functions.find(name);
    return it == m_functions.end() ? nullptr : it->second;
}

} // namespace zt
