#pragma once
// The file in which the property panel remembers, from one run to the next, which groups the
// user left open and which closed: "PropertyGroupExtend.json" in the user's application-data
// folder. One JSON object; each member is a tool's class name followed by a group's name, its
// value true (open), false (closed) or null (asked for, never recorded).
//
// The file is replaced whole and atomically, so a process killed while writing it leaves the
// old file or the new one. What cannot be read as such an object (missing, malformed, cut
// short, far too large, of another JSON type) is an empty memory, which the next write
// replaces; members of another type are dropped.

#include "ztui/ZTUiExport.h"

#include <json/value.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace zt {

class ZTUI_EXPORT PropertyGroupMemory
{
public:
    static constexpr const wchar_t* kFileName = L"PropertyGroupExtend.json";
    static constexpr const wchar_t* kFolder = L"TSArch\\Config";
    // Far beyond what any user's groups make; a larger file is not a memory.
    static constexpr std::size_t kMaxFileBytes = 4u << 20;

    // "<application data>\TSArch\Config\" and the file in it, in the host's path form.
    static std::wstring FolderPath();
    static std::wstring FilePath();

    // The memory the bytes hold: always an object, empty when the bytes are not one or memory
    // runs out while reading them (null only when not even an empty object can be made). A
    // UTF-8 byte-order mark is skipped.
    static Json::Value Parse(std::string_view bytes);
    // One line of compact JSON text, UTF-8 without a byte-order mark, ending in a line end.
    static std::string Serialize(const Json::Value& memory);

    // The memory of a file; null when the file cannot be opened (it is missing), an empty
    // object when it holds no memory.
    static Json::Value Load(const std::wstring& path);
    // Writes the memory over the file: the folder chain is made, a read-only file is made
    // writable first, and the bytes replace the file atomically. False when nothing could be
    // written (a read-only folder, say); the old file then stays as it was.
    static bool Save(const std::wstring& path, const Json::Value& memory);
};

} // namespace zt
