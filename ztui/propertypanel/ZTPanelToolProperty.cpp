#include "ztui/propertypanel/ZTPanelToolProperty.h"

#include "platform/base/Encoding.h"
#include "platform/host/TesselToolsInterfaceManager.h"
#include "ztui/propertypanel/ZTHostToolPropertyAdapter.h"

#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

namespace zt {

RefCountedPtr<ZTPanelToolProperty> ZTPanelToolProperty::For(const char* name)
{
    IToolInterface* found =
        TesselToolsInterfaceManager::QueryICmdInterface(name, IToolProperty::INTERFACE_NAME);
    auto* tool = dynamic_cast<IToolProperty*>(found);
    if (!tool)
        return nullptr;
    if (auto* own = dynamic_cast<ZTPanelToolProperty*>(tool))
        return own;
    return ZTHostToolPropertyAdapter::Create(tool);
}

ZTPanelToolProperty* ZTPanelToolProperty::Of(IToolProperty* tool)
{
    return dynamic_cast<ZTPanelToolProperty*>(tool);
}

WString ZTPanelToolProperty::GroupKeyPrefix()
{
    return RuntimeClassNameOf(GroupMemoryOwner());
}

WString ZTPanelToolProperty::RuntimeClassNameOf(const IToolProperty& tool)
{
    const char* mangled = typeid(tool).name();
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> plain(
        abi::__cxa_demangle(mangled, nullptr, nullptr, &status), &std::free);
    return WString(zt::base::Utf8ToWide(status == 0 && plain ? plain.get() : mangled));
}

} // namespace zt
