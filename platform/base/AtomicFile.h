#pragma once
// Files that are either the old content or the new content, never half of either: the bytes go
// to a temporary file in the same folder, are flushed to the disk, and the temporary file is
// renamed over the target, which the file system does in one step.

#include <filesystem>
#include <string_view>

namespace zt {

// Creates the folder if needed. False (and the old file untouched) when any step fails; the
// temporary file is removed then.
bool WriteFileAtomically(const std::filesystem::path& file, std::string_view contents);

} // namespace zt
