#pragma once
// Named JSON data kept in the project: dictionaries by name, each a set of entries by name,
// saved and reopened with the project. Tools and libraries keep what must travel with a
// project here (picked-up property values, property sets ...).
//
// AppendDataAt adds entries. With failIfExists true it writes all of them or none: if any
// entry exists already, nothing changes and the status is TSDictionary_EntryExists, the cue
// to overwrite with SetDataAt. With false, existing entries keep their values and the new
// ones are added. SetDataAt writes every entry, replacing what was there.

#include "platform/base/WString.h"

#include <json/value.h>

#include <functional>
#include <map>

class DgnProject;

enum TSDictionaryStatus
{
    TSDictionary_Success = 0,
    TSDictionary_InvalidArgument = 1, // an empty dictionary or entry name
    TSDictionary_EntryExists = 2,
    TSDictionary_NoProject = 3, // no project, or one that is closed
    TSDictionary_WriteFailed = 4,
};

class TSDictionaryManager
{
public:
    using Entries = std::map<WString, Json::Value>;

    static TSDictionaryManager& Get();

    TSDictionaryStatus AppendDataAt(DgnProject* project, const Utf8String& dictionary,
                                    const Entries& entries, bool failIfExists);
    TSDictionaryStatus AppendDataAt(DgnProject* project, const WString& dictionary,
                                    const Entries& entries, bool failIfExists);
    TSDictionaryStatus SetDataAt(DgnProject* project, const Utf8String& dictionary,
                                 const Entries& entries);
    TSDictionaryStatus SetDataAt(DgnProject* project, const WString& dictionary,
                                 const Entries& entries);

    // An entry of the application's current project; value is null when there is none.
    TSDictionaryStatus GetDataByName(const Utf8String& dictionary, const WString& entry,
                                     Json::Value& value) const;
    TSDictionaryStatus GetDataByName(const WString& dictionary, const WString& entry,
                                     Json::Value& value) const;
    TSDictionaryStatus GetDataByName(DgnProject* project, const Utf8String& dictionary,
                                     const WString& entry, Json::Value& value) const;
    // The entry of the current project handed to read where it is kept, without a copy; read
    // is not called when there is no such entry, and must not call the dictionary back.
    TSDictionaryStatus ReadDataByName(const Utf8String& dictionary, const WString& entry,
                                      const std::function<void(const Json::Value&)>& read) const;

    // Every entry of a dictionary, by name.
    Entries GetAllData(DgnProject* project, const Utf8String& dictionary) const;
    bool RemoveDataAt(DgnProject* project, const Utf8String& dictionary, const WString& entry);

private:
    TSDictionaryManager() = default;
};
