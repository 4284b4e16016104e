#pragma once

#include "platform/base/CString.h"
#include "ztui/ZTUiExport.h"

namespace zt {

// A listener for characters typed in the host's command line. ch is the character code,
// text the text the host passed with it. True consumes the character.
class ZTUI_EXPORT ZTCmdLineEvent
{
public:
    virtual bool OnCmdLineChar(unsigned int ch, const CString& text) = 0;

protected:
    ~ZTCmdLineEvent() = default;
};

} // namespace zt
