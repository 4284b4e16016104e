#pragma once
// Feeds the view box with the graphics view's mouse messages: a left button press is a click
// on the box, a move a hover. A message is consumed when it landed on the box.

#include "ztui/frame/ZTViewMsgEvent.h"

namespace zt {

class ZTUI_EXPORT ZTEventMsgViewBox : public ZTViewMsgEvent
{
public:
    bool OnViewMessage(MSG* msg) override;
};

} // namespace zt
