// Any bytes as the JSON of the project's two property-data entries ("PropertyData" and
// "PropertyDataSet"): restoring a pick-up and reading a property set from them never fails,
// and the values they carry reach the host's building tool as edits it must survive.

#include "platform/cad/DgnApplication.h"
#include "platform/host/TSArchToolProperty.h"
#include "platform/host/TSArchiColumn.h"
#include "platform/host/TSDictionaryManager.h"
#include "platform/host/TesselToolsInterfaceManager.h"
#include "ztui/propertypanel/ZTHostToolPropertyAdapter.h"
#include "ztui/propertypanel/ZTPropertyDataMgn.h"
#include "ztui/propertypanel/ZTPropertySetMgn.h"

#include "fuzz/FuzzJson.h"
#include <json/value.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

// A scratch project with the building tools seen through the library, made once.
DgnProject& Project()
{
    static DgnProject* project = [] {
        DgnProject* p = DgnApplication::Get().NewProject();
        Check(p != nullptr);
        static RefCountedPtr<zt::ZTHostToolPropertyAdapter> adapter =
            zt::ZTHostToolPropertyAdapter::Create(TSArchToolProperty::Create().get());
        TesselToolsInterfaceManager::RegisterInterface(TSArchiColumn::CLASS_NAME, adapter.get(),
                                                       IToolProperty::INTERFACE_NAME);
        return p;
    }();
    return *project;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    DgnProject& project = Project();
    const Json::Value value =
        JsonOrText(std::string_view(reinterpret_cast<const char*>(data), size));
    TSDictionaryManager& dictionaries = TSDictionaryManager::Get();
    dictionaries.SetDataAt(&project, Utf8String("PropertyData"), {{L"TSArchiColumn", value}});
    dictionaries.SetDataAt(&project, Utf8String("PropertyDataSet"), {{L"Fuzz.Tool", value}});

    RefCountedPtr<TSObject> restored = zt::ZTPropertyDataMgn::instance().getPickUpObject(
        "TSArchiColumn", "TSM_ArchiModel", project);
    Check(restored.IsValid() && restored->GetECClassName() == "TSArchiColumn");

    std::map<CString, bool> set;
    const bool found = zt::ZTPropertySetMgn::instance().getCurrentPropertySet("Fuzz.Tool", set);
    Check(found == !set.empty());
    return 0;
}
