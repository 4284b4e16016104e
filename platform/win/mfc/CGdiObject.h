#pragma once
// MFC's CGdiObject: the owner of one GDI handle, the base of CPen, CBrush, CFont, CBitmap and
// CRgn. FromHandle answers the attached wrapper of a handle, or a temporary one that lives until
// the handle is deleted (stock objects keep theirs for the process).

#include "platform/win/WinGdi.h"

class CGdiObject
{
public:
    CGdiObject() = default;
    virtual ~CGdiObject();
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ m_hObject = nullptr;

    operator HGDIOBJ() const noexcept { return m_hObject; }
    HGDIOBJ GetSafeHandle() const noexcept { return m_hObject; }

    static CGdiObject* FromHandle(HGDIOBJ handle);
    BOOL Attach(HGDIOBJ handle);
    HGDIOBJ Detach();
    BOOL DeleteObject();

    int GetObject(int count, LPVOID buffer) const;
    UINT GetObjectType() const;
    BOOL CreateStockObject(int index);
    BOOL UnrealizeObject() { return m_hObject != nullptr; }
    BOOL operator==(const CGdiObject& other) const noexcept { return m_hObject == other.m_hObject; }
    BOOL operator!=(const CGdiObject& other) const noexcept { return !(*this == other); }

protected:
    // For the Create functions: a wrapper that already holds an object refuses the new one
    // (MFC asserts there) and the new object is deleted, so creating twice never leaks.
    BOOL AttachCreated(HGDIOBJ made);
    // The wrapper of a handle, made as a T when there is none yet.
    template <class T>
    static T* FromHandleAs(HGDIOBJ handle);
    static CGdiObject* LookUpPermanent(HGDIOBJ handle);
    static CGdiObject* AdoptTemporary(HGDIOBJ handle, CGdiObject* wrapper);
};

template <class T>
T* CGdiObject::FromHandleAs(HGDIOBJ handle)
{
    if (!handle)
        return nullptr;
    if (CGdiObject* existing = LookUpPermanent(handle))
        return static_cast<T*>(existing);
    return static_cast<T*>(AdoptTemporary(handle, new T));
}
