#pragma once
// The property data's records in the project's dictionary: a property list as JSON, and the
// one way every record is stored (appended, or written over the entry that is there).

#include "platform/base/CString.h"
#include "platform/base/WString.h"

#include <json/value.h>

#include <map>

class DgnProject;

namespace zt {

using PropertyMap = std::map<CString, CString>;
using PropertyFilter = std::map<CString, bool>;

// Appends the entry; when the dictionary already has it, writes it over.
void StorePropertyRecord(DgnProject* project, const char* dictionary, const Utf8String& entry,
                         const Json::Value& record);

// "PropertyList" of name and value texts, and of names with their copy flags.
Json::Value PropertyListJson(const PropertyMap& props);
Json::Value PropertyListJson(const PropertyFilter& filter);

// A member of an element of a property list, null when absent (or not an object).
const Json::Value* Member(const Json::Value& element, const char* name);
// The string member of an element of a property list, empty when absent or not a string.
CString StringMember(const Json::Value& element, const char* name);

} // namespace zt
