#include "platform/win/CGdiObject.h"

#include "platform/win/AfxHandleMaps.h"
#include "platform/win/GdiObjects.h"

#include <memory>
#include <mutex>
#include <unordered_map>

namespace zt::win {

namespace {

struct GdiWrapperMaps
{
    std::mutex mutex;
    std::unordered_map<void*, CGdiObject*> permanent;
    std::unordered_map<void*, std::unique_ptr<CGdiObject>> temporary;
};

GdiWrapperMaps& Maps()
{
    static auto* maps = new GdiWrapperMaps;
    return *maps;
}

void OnHandleGone(void* handle)
{
    ForgetGdiWrapper(handle);
    ForgetDcWrapper(handle);
}

} // namespace

void EnsureHandleMapHook()
{
    static const bool installed = [] {
        SetHandleGoneHook(&OnHandleGone);
        return true;
    }();
    (void)installed;
}

void ForgetGdiWrapper(void* handle)
{
    std::unique_ptr<CGdiObject> temporary;
    {
        auto& maps = Maps();
        std::lock_guard lock(maps.mutex);
        maps.permanent.erase(handle);
        auto it = maps.temporary.find(handle);
        if (it != maps.temporary.end()) {
            temporary = std::move(it->second);
            maps.temporary.erase(it);
        }
    }
    if (temporary)
        temporary->m_hObject = nullptr; // the handle is gone already; nothing to delete
}

} // namespace zt::win

using zt::win::EnsureHandleMapHook;

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

CGdiObject* CGdiObject::LookUpPermanent(HGDIOBJ handle)
{
    EnsureHandleMapHook();
    auto& maps = zt::win::Maps();
    std::lock_guard lock(maps.mutex);
    auto it = maps.permanent.find(handle);
    if (it != maps.permanent.end())
        return it->second;
    auto temp = maps.temporary.find(handle);
    return temp != maps.temporary.end() ? temp->second.get() : nullptr;
}

CGdiObject* CGdiObject::AdoptTemporary(HGDIOBJ handle, CGdiObject* wrapper)
{
    std::unique_ptr<CGdiObject> owned(wrapper);
    if (::GetObjectType(handle) == 0)
        return nullptr; // not a live handle: no wrapper, as MFC answers for garbage
    owned->m_hObject = handle;
    auto& maps = zt::win::Maps();
    std::lock_guard lock(maps.mutex);
    auto [it, inserted] = maps.temporary.try_emplace(handle, std::move(owned));
    if (!inserted)
        owned->m_hObject = nullptr; // another wrapper came first; this one owns nothing
    return it->second.get();
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ handle)
{
    return FromHandleAs<CGdiObject>(handle);
}

BOOL CGdiObject::Attach(HGDIOBJ handle)
{
    if (!handle || m_hObject)
        return FALSE;
    EnsureHandleMapHook();
    m_hObject = handle;
    auto& maps = zt::win::Maps();
    std::lock_guard lock(maps.mutex);
    maps.permanent[handle] = this;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ handle = m_hObject;
    if (handle) {
        auto& maps = zt::win::Maps();
        std::lock_guard lock(maps.mutex);
        auto it = maps.permanent.find(handle);
        if (it != maps.permanent.end() && it->second == this)
            maps.permanent.erase(it);
    }
    m_hObject = nullptr;
    return handle;
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int count, LPVOID buffer) const
{
    return ::GetObjectW(m_hObject, count, buffer);
}

UINT CGdiObject::GetObjectType() const
{
    return ::GetObjectType(m_hObject);
}

BOOL CGdiObject::CreateStockObject(int index)
{
    return Attach(::GetStockObject(index));
}
