#pragma once
// Run-time class information, as the class library keeps it: each class that declares itself
// dynamic has one CRuntimeClass with its name, size, base class and (for DYNCREATE) a factory.
//
// A CRuntimeClass also carries the operation table of a window class: the two CWnd operations
// PreTranslateMessage and WindowProc may be replaced for every object whose run-time class is
// exactly this one (objects of derived classes keep their own). CWnd consults the table before
// the virtual call, so a replacement takes effect for existing objects and for objects created
// later, as patching the class's virtual table does on Windows. See CWnd::CallPreTranslateMessage.

#include "platform/base/WinTypes.h"

class CObject;
class CWnd;

struct AFX_WNDOPS
{
    // Null: the object's own virtual PreTranslateMessage / WindowProc.
    BOOL (*pfnPreTranslateMessage)(CWnd* self, MSG* msg) = nullptr;
    LRESULT (*pfnWindowProc)(CWnd* self, UINT message, WPARAM wParam, LPARAM lParam) = nullptr;
};

struct CRuntimeClass
{
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;
    CObject* (*m_pfnCreateObject)();
    CRuntimeClass* (*m_pfnGetBaseClass)();
    // The window operation table of this class; see above.
    mutable AFX_WNDOPS m_wndOps;

    CObject* CreateObject() const;
    BOOL IsDerivedFrom(const CRuntimeClass* base) const;
    CRuntimeClass* GetBaseClass() const
    {
        return m_pfnGetBaseClass ? m_pfnGetBaseClass() : nullptr;
    }
};

class CObject
{
public:
    virtual ~CObject() = default;
    virtual CRuntimeClass* GetRuntimeClass() const;
    BOOL IsKindOf(const CRuntimeClass* rc) const;

    static CRuntimeClass classCObject;
    static CRuntimeClass* GetThisClass();

protected:
    CObject() = default;

public:
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
};

#define RUNTIME_CLASS(class_name) (class_name::GetThisClass())

#define DECLARE_DYNAMIC(class_name)                                                                \
public:                                                                                            \
    static CRuntimeClass class##class_name;                                                        \
    static CRuntimeClass* GetThisClass();                                                          \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                                                              \
    DECLARE_DYNAMIC(class_name)                                                                    \
    static CObject* CreateObject();

#define ZT_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, pfnNew)                             \
    CRuntimeClass class_name::class##class_name = {#class_name,                                    \
                                                   static_cast<int>(sizeof(class class_name)),     \
                                                   0xFFFF,                                         \
                                                   pfnNew,                                         \
                                                   &base_class_name::GetThisClass,                 \
                                                   {}};                                            \
    CRuntimeClass* class_name::GetThisClass()                                                      \
    {                                                                                              \
        return &class_name::class##class_name;                                                     \
    }                                                                                              \
    CRuntimeClass* class_name::GetRuntimeClass() const                                             \
    {                                                                                              \
        return &class_name::class##class_name;                                                     \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                             \
    ZT_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                           \
    CObject* class_name::CreateObject()                                                            \
    {                                                                                              \
        return new class_name;                                                                     \
    }                                                                                              \
    ZT_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, &class_name::CreateObject)

template <class T>
T* ZtDynamicDowncast(CObject* object)
{
    return object && object->IsKindOf(RUNTIME_CLASS(T)) ? static_cast<T*>(object) : nullptr;
}

#define DYNAMIC_DOWNCAST(class_name, object) ZtDynamicDowncast<class_name>(object)
#define STATIC_DOWNCAST(class_name, object) static_cast<class_name*>(object)
