#include "ztui/propertypanel/ZTPropertySetMgn.h"

#include "platform/base/Encoding.h"
#include "platform/cad/DgnApplication.h"
#include "platform/host/TSDictionaryManager.h"
#include "ztui/propertypanel/PropertyDictionary.h"

#include <new>

namespace zt {

namespace {

constexpr const char* kDictionary = "PropertyDataSet";

} // namespace

ZTPropertySetMgn& ZTPropertySetMgn::instance()
{
    static ZTPropertySetMgn manager;
    return manager;
}

bool ZTPropertySetMgn::getCurrentPropertySet(const Utf8String& key, std::map<CString, bool>& out)
try {
    // Filled apart and handed over whole, so that running out of memory halfway leaves the
    // caller's map as it was.
    std::map<CString, bool> merged = out;
    auto cached = m_sets.find(key);
    if (cached != m_sets.end()) {
        merged.insert(cached->second.begin(), cached->second.end());
        out.swap(merged);
        return !out.empty();
    }
    if (!DgnApplication::Get().GetCurrentProject())
        return !out.empty();
    TSDictionaryManager::Get().ReadDataByName(
        Utf8String(kDictionary), WString(base::Utf8ToWide(key).c_str()),
        [&](const Json::Value& record) {
            const Json::Value* list = Member(record, "PropertyList");
            if (!list || !list->isArray())
                return;
            for (const Json::Value& element : *list) {
                const Json::Value* flag = Member(element, "PropertyCopy");
                const bool copy = flag && flag->isBool() ? flag->asBool() : true;
                merged.emplace(StringMember(element, "PropertyName"), copy);
            }
        });
    out.swap(merged);
    return !out.empty();
} catch (const std::bad_alloc&) {
    return !out.empty();
}

void ZTPropertySetMgn::setCurrentPropertySet(const Utf8String& key,
                                             const std::map<CString, bool>& set)
{
    m_sets[key] = set;
    DgnProject* project = DgnApplication::Get().GetCurrentProject();
    if (!project)
        return;
    Json::Value record(Json::objectValue);
    record["PropertyList"] = PropertyListJson(set);
    StorePropertyRecord(project, kDictionary, key, record);
}

} // namespace zt
