#include "ztui/propertypanel/PropertyDictionary.h"

#include "platform/base/Encoding.h"
#include "platform/host/TSDictionaryManager.h"

#include <cstring>
#include <string_view>

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

const Json::Value* Member(const Json::Value& element, const char* name)
{
    // One lookup: a project's lists hold thousands of these.
    return element.isObject() ? element.find(name, name + std::strlen(name)) : nullptr;
}

CString StringMember(const Json::Value& element, const char* name)
{
    const Json::Value* member = Member(element, name);
    const char* begin = nullptr;
    const char* end = nullptr;
    if (!member || !member->isString() || !member->getString(&begin, &end))
        return CString();
    return CString(base::Utf8ToWide(std::string_view(begin, std::size_t(end - begin))).c_str());
}

} // namespace zt
