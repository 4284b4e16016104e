#pragma once
// The tool property interfaces the property panel drives. The panel lists and edits an object
// only through one of these: the library's own tools are of this kind, and a tool interface the
// host registered that is not (a host tool written against IToolProperty alone) is seen through
// ZTHostToolPropertyAdapter, which gives its groups the expanded states the user left them in.
//
// Each names the interface whose run-time class name keys the group memory, so that the
// states recorded for the groups shown and those asked for when the tool lists them again
// are filed under the same name.

#include "platform/base/WString.h"
#include "platform/host/IToolProperty.h"
#include "ztui/ZTUiExport.h"

namespace zt {

class ZTUI_EXPORT ZTPanelToolProperty : public IToolProperty
{
public:
    // The panel's tool for the objects registered under name: the registered interface when it
    // is a panel tool, a host interface wrapped in an adapter, null when there is none.
    static RefCountedPtr<ZTPanelToolProperty> For(const char* name);
    // The panel tool a collector holds, or null when it holds another interface.
    static ZTPanelToolProperty* Of(IToolProperty* tool);

    // The interface whose class names the groups in the group memory.
    virtual IToolProperty& GroupMemoryOwner() { return *this; }
    // Its run-time class name as the type information gives it, without decoration
    // ("TSArchToolProperty"); stable from one run of the same build to the next.
    WString GroupKeyPrefix();
    static WString RuntimeClassNameOf(const IToolProperty& tool);

protected:
    ~ZTPanelToolProperty() override = default;
};

} // namespace zt
