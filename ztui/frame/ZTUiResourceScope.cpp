#include "ztui/frame/ZTUiResourceScope.h"

#include "platform/win/mfc/CDynLinkLibrary.h"
#include "ztui/frame/ZTUiModule.h"

namespace zt {

ZTUiResourceScope::ZTUiResourceScope() : m_previous(AfxGetResourceHandle())
{
    // Before attach (or after detach) there is no module of ours to select.
    if (HINSTANCE module = ZTUiModule::GetModuleHandle()) {
        AfxSetResourceHandle(module);
        m_switched = true;
    }
}

ZTUiResourceScope::~ZTUiResourceScope()
{
    if (m_switched)
        AfxSetResourceHandle(m_previous);
}

} // namespace zt
