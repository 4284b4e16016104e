#pragma once
// The process's pool of custom tracer functions by name. The pool does not own them: a tool
// registers its function before it opens the custom tracer and unregisters it before it
// destroys the object.

#include "platform/base/WString.h"
#include "ztui/ZTUiExport.h"
#include "ztui/tracer/ZTTracerCusFunBase.h"

#include <map>
#include <mutex>

namespace zt {

class ZTUI_EXPORT ZTTracerFunPoolMgn
{
public:
    static ZTTracerFunPoolMgn& Get();

    // False when the name is taken (the first object stays) or the object is null.
    bool RegisterFunPool(const Utf8String& name, ZTTracerCusFunBase* function);
    bool UnregisterFunPool(const Utf8String& name);
    ZTTracerCusFunBase* QueryFunPool(const Utf8String& name) const;

private:
    ZTTracerFunPoolMgn() = default;

    // Tools register from their own thread while the box looks names up on its own.
    mutable std::mutex m_mutex;
    std::map<Utf8String, ZTTracerCusFunBase*> m_functions;
};

} // namespace zt
