#pragma once

#include "platform/base/WinTypes.h"
#include "ztui/ZTUiExport.h"

namespace zt {

// A listener for window messages that the graphics view pre-translates. True consumes the
// message: the view neither pre-translates nor dispatches it.
class ZTUI_EXPORT ZTViewMsgEvent
{
public:
    virtual bool OnViewMessage(MSG* msg) = 0;

protected:
    ~ZTViewMsgEvent() = default;
};

} // namespace zt
