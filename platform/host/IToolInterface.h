#pragma once
// An interface a host tool offers to others under a name ("InterfaceToolProperty", ...),
// found through TesselToolsInterfaceManager. Reference counted: the registry holds one
// reference for as long as the interface is registered.

#include "platform/base/RefCounted.h"

class IToolInterface : public zt::base::RefCountedBase
{
public:
    // The name the interface is registered under by default.
    virtual const char* GetInterfaceName() const = 0;

protected:
    ~IToolInterface() override = default;
};
