#pragma once
// The user's property sets: per key (a tool's), which properties the format brush copies.
// Kept in memory and in the project's dictionary "PropertyDataSet", so that a set outlives
// closing and reopening the project.

#include "platform/base/CString.h"
#include "platform/base/WString.h"
#include "ztui/ZTUiExport.h"

#include <map>

namespace zt {

class ZTUI_EXPORT ZTPropertySetMgn
{
public:
    static ZTPropertySetMgn& instance();

    // Adds the key's set to out (names out holds keep their values): this run's set, else the
    // one stored in the current project. True when out is not empty.
    bool getCurrentPropertySet(const Utf8String& key, std::map<CString, bool>& out);
    // Replaces the key's set, in memory and in the current project.
    void setCurrentPropertySet(const Utf8String& key, const std::map<CString, bool>& set);

    ZTPropertySetMgn(const ZTPropertySetMgn&) = delete;
    ZTPropertySetMgn& operator=(const ZTPropertySetMgn&) = delete;

private:
    ZTPropertySetMgn() = default;

    std::map<Utf8String, std::map<CString, bool>> m_sets;
};

} // namespace zt
