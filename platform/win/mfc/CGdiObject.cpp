#include "platform/win/mfc/CGdiObject.h"

#include "platform/win/gdi/GdiObjects.h"
#include "platform/win/mfc/AfxHandleMaps.h"
#include "platform/win/mfc/CDC.h"

#include <memory>

namespace zt::win {

namespace {

void OnHandleGone(void* handle)
{
    GdiWrapperMap().Forget(handle);
    DcWrapperMap().Forget(handle);
}

} // namespace

HandleMap<CGdiObject>& GdiWrapperMap()
{
    // Never destroyed: wrappers of stock objects may be looked up from static destructors.
    static auto* map = new HandleMap<CGdiObject>([](CGdiObject& w) { w.m_hObject = nullptr; });
    return *map;
}

void EnsureHandleMapHook()
{
    static const bool installed = [] {
        SetHandleGoneHook(&OnHandleGone);
        return true;
    }();
    (void)installed;
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
    return zt::win::GdiWrapperMap().Find(handle);
}

CGdiObject* CGdiObject::AdoptTemporary(HGDIOBJ handle, CGdiObject* wrapper)
{
    std::unique_ptr<CGdiObject> owned(wrapper);
    if (::GetObjectType(handle) == 0)
        return nullptr; // not a live handle: no wrapper, as MFC answers for garbage
    owned->m_hObject = handle;
    return zt::win::GdiWrapperMap().KeepTemporary(handle, std::move(owned));
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ handle)
{
    return FromHandleAs<CGdiObject>(handle);
}

BOOL CGdiObject::AttachCreated(HGDIOBJ made)
{
    if (Attach(made))
        return TRUE;
    if (made)
        ::DeleteObject(made);
    return FALSE;
}

BOOL CGdiObject::Attach(HGDIOBJ handle)
{
    if (!handle || m_hObject)
        return FALSE;
    EnsureHandleMapHook();
    m_hObject = handle;
    zt::win::GdiWrapperMap().SetPermanent(handle, this);
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ handle = m_hObject;
    if (handle)
        zt::win::GdiWrapperMap().DropPermanent(handle, this);
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
