#include "ztui/contextbar/ZTContextbarMsgEvent.h"

#include "platform/cad/AbstractUiStateManager.h"
#include "platform/cad/IViewManager.h"
#include "platform/host/UserEnvironment.h"
#include "platform/win/WinUserDefs.h"
#include "ztui/contextbar/ZTContextBarProxy.h"

namespace zt {

namespace {
// The key code of Escape, as it stands in the message's first parameter.
constexpr WPARAM kEscapeCode = 27;
} // namespace

ZTContextbarMsgEvent& ZTContextbarMsgEvent::instance()
{
    static ZTContextbarMsgEvent listener;
    return listener;
}

bool ZTContextbarMsgEvent::OnViewMessage(MSG* msg)
{
    if (!msg)
        return false;
    if (env::UserEnvironment::getInstance()->getDefaultDomain() != TesselDomain_Architecture ||
        !ZTContextBarProxy::IsBarExist())
        return false;
    if (msg->message == WM_MOUSEMOVE) {
        if (IndexedViewport* view =
                IViewManager::GetManager().GetActiveViewSet().GetSelectedViewport()) {
            const DPoint3d screen{static_cast<double>(msg->pt.x), static_cast<double>(msg->pt.y),
                                  0.0};
            DPoint3d viewPoint = view->ScreenToView(screen);
            viewPoint.z = 0.0;
            ZTContextBarProxy::MoveContextbar(view->ViewToWorld(viewPoint));
        }
    }
    if (msg->wParam == kEscapeCode) {
        ZTContextBarProxy::ReleseContextbar();
        ZTContextBarProxy::UnRegister();
        AbstractUiStateManager::Get().SetValue("Esc_Clear", false);
    }
    return false;
}

} // namespace zt
