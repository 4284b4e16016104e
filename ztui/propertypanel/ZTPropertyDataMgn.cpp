#include "ztui/propertypanel/ZTPropertyDataMgn.h"

#include "platform/base/Encoding.h"
#include "platform/cad/DgnApplication.h"
#include "platform/cad/DgnProject.h"
#include "platform/cad/ECClass.h"
#include "platform/cad/ECSchemaManager.h"
#include "platform/host/TSArchElement.h"
#include "platform/host/TSDictionaryManager.h"
#include "platform/host/TSObjectExtensionManager.h"
#include "platform/host/TesselToolsInterfaceManager.h"
#include "ztui/propertypanel/PropertyDictionary.h"
#include "ztui/propertypanel/ZTPropertyMgn.h"
#include "ztui/propertypanel/ZTToolProperty.h"

#include <new>

namespace zt {

namespace {

constexpr const char* kDictionary = "PropertyData";

// The class's tool property interface, when it is one of the library's kind.
ZTToolProperty* ToolOf(const Utf8String& className)
{
    return dynamic_cast<ZTToolProperty*>(TesselToolsInterfaceManager::QueryICmdInterface(
        className.c_str(), IToolProperty::INTERFACE_NAME));
}

bool IsGraphic(const RefCountedPtr<TSObject>& obj)
{
    return obj.IsValid() && dynamic_cast<TSGraphicElement*>(obj.get()) != nullptr;
}

PropertyMap PropertiesOf(ZTToolProperty& tool, const RefCountedPtr<TSObject>& obj)
{
    PropertyMap props;
    RefCountedPtr<ITSObject> object = obj.get();
    tool.OnPropertyGet(object, props);
    return props;
}

void Apply(ZTToolProperty& tool, const RefCountedPtr<TSObject>& obj, const PropertyMap& props,
           RefCountedPtr<TSObject> source)
{
    RefCountedPtr<ITSObject> object = obj.get();
    tool.OnPropertySet(object, props, RefCountedPtr<ITSObject>(source.get()));
}

RefCountedPtr<TSObject> NewObject(DgnProject* project, const Utf8String& schemaName,
                                  const Utf8String& className)
{
    RefCountedPtr<ITSObject> obj =
        TSObjectExtensionManager::Get().GetTSObject(project, schemaName, className);
    return dynamic_cast<TSObject*>(obj.get());
}

class ZTPropertyDataCommon final : public IZTPropertyData
{
public:
    void setPickUpObject(Utf8String className, Utf8String schemaName,
                         RefCountedPtr<TSObject> obj) override
    {
        if (obj.IsNull())
            return;
        m_pickedClass = className;
        m_pickedSchema = schemaName;
        m_picked = obj;
        DgnProject* project = DgnApplication::Get().GetCurrentProject();
        if (!project || !IsGraphic(obj))
            return;
        ZTToolProperty* tool = ToolOf(className);
        PropertyMap props = tool ? PropertiesOf(*tool, obj) : PropertyMap();
        if (props.empty())
            return;
        Json::Value record(Json::objectValue);
        record["PropertyList"] = PropertyListJson(props);
        record["SchemaName"] = schemaName;
        m_cache[className] = std::move(props);
        StorePropertyRecord(project, kDictionary, className, record);
    }

    void setToolObject(Utf8String className, Utf8String schemaName,
                       RefCountedPtr<TSObject> obj) override
    {
        if (obj.IsNull() || className != m_pickedClass || m_picked.IsNull())
            return;
        auto* pickedArch = dynamic_cast<TSArchElement*>(m_picked.get());
        if (pickedArch && dynamic_cast<TSArchElement*>(obj.get())) {
            TSGraphicElementPtr target = dynamic_cast<TSGraphicElement*>(obj.get());
            pickedArch->Copy(target);
            return;
        }
        (void)schemaName;
        if (ZTToolProperty* tool = ToolOf(className))
            Apply(*tool, obj, PropertiesOf(*tool, m_picked), nullptr);
    }

    std::int64_t getPickUpECClassId(DgnProject& project) const override
    {
        if (m_pickedClass.empty())
            return 0;
        ECClassCP cls = project.Schemas().GetECClass(m_pickedSchema, m_pickedClass);
        return cls ? std::int64_t(cls->GetId()) : 0;
    }

    RefCountedPtr<TSObject> getPickUpObject(Utf8String className, Utf8String schemaName,
                                            DgnProject&) override
    {
        if (ZTPropertyMgn::Exists()) {
            RefCountedPtr<ITSObject> temp = ZTPropertyMgn::instance().getTempObject(className);
            if (temp.IsValid())
                return dynamic_cast<TSObject*>(temp.get());
        }
        if (className == m_pickedClass && m_picked.IsValid())
            return m_picked;
        DgnProject* project = DgnApplication::Get().GetCurrentProject();
        if (RefCountedPtr<TSObject> restored = Restore(project, className, schemaName);
            restored.IsValid())
            return restored;
        return NewObject(project, schemaName, className);
    }

    bool cloneObject(RefCountedPtr<TSObject> src, RefCountedPtr<TSObject>& dst,
                     const std::map<CString, bool>& filter) override
    {
        if (!IsGraphic(src) || !IsGraphic(dst))
            return false;
        ZTToolProperty* tool = ToolOf(src->GetECClassName());
        const PropertyMap props = tool ? PropertiesOf(*tool, src) : PropertyMap();
        PropertyMap selected;
        for (const auto& [name, value] : props) {
            auto rule = filter.find(name);
            if (rule == filter.end() || rule->second)
                selected.emplace(name, value);
        }
        if (selected.empty())
            return false;
        if (ZTToolProperty* target = ToolOf(dst->GetECClassName()))
            Apply(*target, dst, selected, src);
        return true;
    }

private:
    // An object of the class carrying the values picked up last, from this run's cache or
    // from the project's dictionary.
    RefCountedPtr<TSObject> Restore(DgnProject* project, const Utf8String& className,
                                    const Utf8String& schemaName)
    {
        if (!project)
            return nullptr;
        auto cached = m_cache.find(className);
        if (cached != m_cache.end()) {
            RefCountedPtr<TSObject> obj = NewObject(project, schemaName, className);
            if (obj.IsNull())
                return nullptr;
            if (!cached->second.empty())
                if (ZTToolProperty* tool = ToolOf(className))
                    Apply(*tool, obj, cached->second, nullptr);
            return cached->second.empty() ? nullptr : obj;
        }
        PropertyMap props;
        bool listed = false;
        TSDictionaryManager::Get().ReadDataByName(
            Utf8String(kDictionary), WString(base::Utf8ToWide(className).c_str()),
            [&](const Json::Value& record) {
                const Json::Value* list = Member(record, "PropertyList");
                if (!list || !list->isArray())
                    return;
                listed = true;
                for (const Json::Value& element : *list)
                    props.emplace(StringMember(element, "PropertyName"),
                                  StringMember(element, "PropertyValue"));
            });
        if (!listed)
            return nullptr;
        RefCountedPtr<TSObject> obj = NewObject(project, schemaName, className);
        if (obj.IsNull())
            return nullptr;
        if (props.empty())
            return nullptr;
        if (ZTToolProperty* tool = ToolOf(className))
            Apply(*tool, obj, props, nullptr);
        return obj;
    }

    std::map<Utf8String, PropertyMap> m_cache;
    RefCountedPtr<TSObject> m_picked;
    Utf8String m_pickedClass;
    Utf8String m_pickedSchema;
};

} // namespace

ZTPropertyDataMgn& ZTPropertyDataMgn::instance()
{
    static ZTPropertyDataMgn manager;
    return manager;
}

ZTPropertyDataMgn::ZTPropertyDataMgn() : m_data(std::make_unique<ZTPropertyDataCommon>()) {}

ZTPropertyDataMgn::~ZTPropertyDataMgn() = default;

void ZTPropertyDataMgn::registerECClassTool(const Utf8String& className, const char* toolId)
{
    m_classTools[className] = toolId;
}

const char* ZTPropertyDataMgn::getToolIdByClassName(const Utf8String& className) const
{
    auto it = m_classTools.find(className);
    return it != m_classTools.end() && it->second ? it->second : "";
}

void ZTPropertyDataMgn::setPickUpObject(const Utf8String& className, const Utf8String& schemaName,
                                        RefCountedPtr<TSObject> obj)
{
    m_data->setPickUpObject(className, schemaName, obj);
}

void ZTPropertyDataMgn::setToolObject(const Utf8String& className, const Utf8String& schemaName,
                                      RefCountedPtr<TSObject> obj)
{
    m_data->setToolObject(className, schemaName, obj);
}

RefCountedPtr<TSObject> ZTPropertyDataMgn::getPickUpObject(const Utf8String& className,
                                                           const Utf8String& schemaName,
                                                           DgnProject& project)
try {
    return m_data->getPickUpObject(className, schemaName, project);
} catch (const std::bad_alloc&) {
    // An object half rebuilt from the dictionary would carry some of the picked values and
    // not others; the tool goes on with none.
    return nullptr;
}

std::int64_t ZTPropertyDataMgn::getPickUpECClassId(DgnProject& project) const
{
    return m_data->getPickUpECClassId(project);
}

bool ZTPropertyDataMgn::cloneObject(RefCountedPtr<TSObject> src, RefCountedPtr<TSObject>& dst,
                                    const std::map<CString, bool>& filter)
{
    return m_data->cloneObject(src, dst, filter);
}

} // namespace zt
