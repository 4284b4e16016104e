#pragma once
// The factory of one element class: which buttons the context bar shows for a pick of that
// class and what a click on one of them does. The host derives one per class and registers it
// under the class name (ZTContextbarFactoryManager). The default picks the built-in buttons
// for a selection of several elements and starts the host tool of a common operation.

#include "ztui/ZTUiExport.h"
#include "ztui/contextbar/ContextbarTypes.h"

namespace zt {

class ZTUI_EXPORT ZTContextbarFactory
{
public:
    // The icon library of the built-in buttons.
    static constexpr const wchar_t* kIconLibrary = L"ZTIcons.dll";
    // The host command that makes the element-selection tool the active tool.
    static constexpr const char* kSelectionToolCommand = "Tessel.Tool.Select";

    ZTContextbarFactory() {}
    // Host factories are destroyed through their own type; the class has no data.
    ~ZTContextbarFactory() {}

    // A button was clicked; runs on the work thread.
    virtual void OnContextbarChanged(const TSContextbarInfo& info);
    // Fills the buttons of the bar for the current pick.
    virtual void addContextbarButton(TSContextbarButton& record);
    // Clicks the default rules leave to the factory.
    virtual void OnCustomOperating(const TSContextbarInfo& info);
    // The buttons when the built-in set does not apply.
    virtual void addCustomButton(TSContextbarButton& record);

    // Closes the bar and has the host pick the element at the click point again, so that
    // the bar opens anew for it.
    void ReShowContextbar();

    // The host command that starts the tool of an operation; null for operations without
    // one.
    static const char* ToolOf(TSOperating op);
    // The built-in buttons, in their order.
    static void AppendBuiltInButtons(TSContextbarButton& record);
};

} // namespace zt
