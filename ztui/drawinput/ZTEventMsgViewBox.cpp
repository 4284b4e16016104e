#include "ztui/drawinput/ZTEventMsgViewBox.h"

#include "platform/win/WinUserDefs.h"
#include "ztui/drawinput/ZTViewBoxTransients.h"

namespace zt {

bool ZTEventMsgViewBox::OnViewMessage(MSG* msg)
{
    if (!msg)
        return false;
    const POINT at = msg->pt;
    if (msg->message == WM_LBUTTONDOWN)
        return ZTViewBoxTransients::instance().OnClick(at);
    if (msg->message == WM_MOUSEMOVE)
        return ZTViewBoxTransients::instance().OnHover(at);
    return false;
}

} // namespace zt
