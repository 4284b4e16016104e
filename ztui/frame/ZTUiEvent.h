#pragma once

#include "ztui/ZTUiExport.h"

#include <json/value.h>

namespace zt {

// A listener for UI events: a name and a JSON payload that the host hands to
// NotifyListeners. Each listener handles the names it knows, compared exactly and
// case-sensitively, and ignores every other name.
class ZTUI_EXPORT ZTUiEvent
{
public:
    virtual ~ZTUiEvent();
    virtual void _OnReceive(const char* name, const Json::Value& value) = 0;
};

} // namespace zt
