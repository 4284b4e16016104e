#include "platform/host/TSDictionaryManager.h"

#include "platform/cad/DgnApplication.h"
#include "platform/cad/DgnProject.h"

namespace {

// Each dictionary is one table of the project's extension data.
Utf8String TableOf(const Utf8String& dictionary)
{
    return Utf8String("TSDictionary:" + dictionary);
}

bool IsUsable(DgnProject* project)
{
    return project && project->IsOpen();
}

bool HasEmptyName(const TSDictionaryManager::Entries& entries)
{
    for (const auto& [name, value] : entries)
        if (name.empty())
            return true;
    return false;
}

} // namespace

TSDictionaryManager& TSDictionaryManager::Get()
{
    static TSDictionaryManager manager;
    return manager;
}

TSDictionaryStatus TSDictionaryManager::AppendDataAt(DgnProject* project,
                                                     const Utf8String& dictionary,
                                                     const Entries& entries, bool failIfExists)
{
    if (!IsUsable(project))
        return TSDictionary_NoProject;
    if (dictionary.empty() || HasEmptyName(entries))
        return TSDictionary_InvalidArgument;
    ProjectExtensionData& data = project->ExtensionData();
    Utf8String table = TableOf(dictionary);
    Json::Value existing;
    Entries added;
    for (const auto& [name, value] : entries) {
        if (data.GetRecord(table, Utf8String(name), existing)) {
            if (failIfExists)
                return TSDictionary_EntryExists;
            continue;
        }
        added.emplace(name, value);
    }
    for (const auto& [name, value] : added)
        if (!data.SetRecord(table, Utf8String(name), value))
            return TSDictionary_WriteFailed;
    return TSDictionary_Success;
}

TSDictionaryStatus TSDictionaryManager::AppendDataAt(DgnProject* project, const WString& dictionary,
                                                     const Entries& entries, bool failIfExists)
{
    return AppendDataAt(project, Utf8String(dictionary), entries, failIfExists);
}

TSDictionaryStatus TSDictionaryManager::SetDataAt(DgnProject* project, const Utf8String& dictionary,
                                                  const Entries& entries)
{
    if (!IsUsable(project))
        return TSDictionary_NoProject;
    if (dictionary.empty() || HasEmptyName(entries))
        return TSDictionary_InvalidArgument;
    ProjectExtensionData& data = project->ExtensionData();
    Utf8String table = TableOf(dictionary);
    for (const auto& [name, value] : entries)
        if (!data.SetRecord(table, Utf8String(name), value))
            return TSDictionary_WriteFailed;
    return TSDictionary_Success;
}

TSDictionaryStatus TSDictionaryManager::SetDataAt(DgnProject* project, const WString& dictionary,
                                                  const Entries& entries)
{
    return SetDataAt(project, Utf8String(dictionary), entries);
}

TSDictionaryStatus TSDictionaryManager::GetDataByName(const Utf8String& dictionary,
                                                      const WString& entry,
                                                      Json::Value& value) const
{
    DgnProjectPtr project = DgnApplication::Get().GetCurrentProjectPtr();
    return GetDataByName(project.get(), dictionary, entry, value);
}

TSDictionaryStatus TSDictionaryManager::GetDataByName(const WString& dictionary,
                                                      const WString& entry,
                                                      Json::Value& value) const
{
    return GetDataByName(Utf8String(dictionary), entry, value);
}

TSDictionaryStatus TSDictionaryManager::GetDataByName(DgnProject* project,
                                                      const Utf8String& dictionary,
                                                      const WString& entry,
                                                      Json::Value& value) const
{
    value = Json::Value();
    if (!IsUsable(project))
        return TSDictionary_NoProject;
    if (dictionary.empty() || entry.empty())
        return TSDictionary_InvalidArgument;
    if (!project->ExtensionData().GetRecord(TableOf(dictionary), Utf8String(entry), value))
        value = Json::Value();
    return TSDictionary_Success;
}

TSDictionaryStatus
TSDictionaryManager::ReadDataByName(const Utf8String& dictionary, const WString& entry,
                                    const std::function<void(const Json::Value&)>& read) const
{
    DgnProjectPtr project = DgnApplication::Get().GetCurrentProjectPtr();
    if (!IsUsable(project.get()))
        return TSDictionary_NoProject;
    if (dictionary.empty() || entry.empty())
        return TSDictionary_InvalidArgument;
    project->ExtensionData().ReadRecord(TableOf(dictionary), Utf8String(entry), read);
    return TSDictionary_Success;
}

TSDictionaryManager::Entries TSDictionaryManager::GetAllData(DgnProject* project,
                                                             const Utf8String& dictionary) const
{
    Entries entries;
    if (!IsUsable(project) || dictionary.empty())
        return entries;
    for (auto& [key, value] : project->ExtensionData().GetRecords(TableOf(dictionary)))
        entries.emplace(WString(key.c_str(), true), value);
    return entries;
}

bool TSDictionaryManager::RemoveDataAt(DgnProject* project, const Utf8String& dictionary,
                                       const WString& entry)
{
    return IsUsable(project) && !dictionary.empty() && !entry.empty() &&
           project->ExtensionData().RemoveRecord(TableOf(dictionary), Utf8String(entry));
}
