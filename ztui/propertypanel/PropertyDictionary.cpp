#include "ztui/propertypanel/PropertyDictionary.h"

#include "platform/base/Encoding.h"
#include "platform/host/TSDictionaryManager.h"

namespace zt {

void StorePropertyRecord(DgnProject* project, const char* dictionary, const Utf8String& entry,
                         const Json::Value& record)
{
    const TSDictionaryManager::Entries entries{{WString(base::Utf8ToWide(entry).c_str()), record}};
    TSDictionaryManager& dictionaries = TSDictionaryManager::Get();
    if (dictionaries.AppendDataAt(project, Utf8String(dictionary), entries, true) ==
        TSDictionary_EntryExists)
        dictionaries.SetDataAt(project, Utf8String(dictionary), entries);
}

Json::Value PropertyListJson(const PropertyMap& props)
{
    Json::Value list(Json::arrayValue);
    for (const auto& [name, value] : props) {
        Json::Value element(Json::objectValue);
        element["PropertyName"] = base::WideToUtf8(name.GetString());
        element["PropertyValue"] = base::WideToUtf8(value.GetString());
        list.append(element);
    }
    return list;
}

Json::Value PropertyListJson(const PropertyFilter& filter)
{
    Json::Value list(Json::arrayValue);
    for (const auto& [name, copy] : filter) {
        Json::Value element(Json::objectValue);
        element["PropertyName"] = base::WideToUtf8(name.GetString());
        element["PropertyCopy"] = copy;
        list.append(element);
    }
    return list;
}

CString StringMember(const Json::Value& element, const char* name)
{
    if (!element.isObject() || !element.isMember(name) || !element[name].isString())
        return CString();
    return CString(base::Utf8ToWide(element[name].asString()).c_str());
}

} // namespace zt
