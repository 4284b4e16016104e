#include "ztui/frame/ZTUiMainFrameEventListener.h"

#include "ztui/frame/GraphicsViewHook.h"

namespace zt {

void ZTUiMainFrameEventListener::OnMainFrameReady()
{
    InstallGraphicsViewHook();
}

ZTUiMainFrameEventListener& ZTUiMainFrameEventListener::instance()
{
    static ZTUiMainFrameEventListener listener;
    return listener;
}

} // namespace zt
