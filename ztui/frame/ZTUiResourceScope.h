#pragma once
// Selects the library's module as the resource source for as long as the object lives and
// gives the host its own resource handle back afterwards. Every dialog of the library is
// created inside one:
//
//     zt::ZTUiResourceScope resources;
//     dialog.Create(IDD_SOMETHING, parent);

#include "platform/base/Handles.h"
#include "ztui/ZTUiExport.h"

namespace zt {

class ZTUI_EXPORT ZTUiResourceScope
{
public:
    ZTUiResourceScope();
    ~ZTUiResourceScope();
    ZTUiResourceScope(const ZTUiResourceScope&) = delete;
    ZTUiResourceScope& operator=(const ZTUiResourceScope&) = delete;

    // The handle that was current when the scope began.
    HINSTANCE GetPrevious() const { return m_previous; }

private:
    HINSTANCE m_previous = nullptr;
    bool m_switched = false;
};

} // namespace zt
