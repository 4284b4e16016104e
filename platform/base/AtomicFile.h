#pragma once
// Files that are either the old content or the new content, never half of either: the bytes go
// to a temporary file in the same folder, are flushed to the disk, and the temporary file is
// renamed over the target, which the file system does in one step.

#include <filesystem>
#include <string_view>

namespace zt {

enum class AtomicFolder
{
    Create,    // missing folders of the path are made first
    MustExist, // a missing folder fails the write
};

// False (and the old file untouched) when any step fails; the temporary file is removed then.
// A replaced file keeps its permission bits; a new one gets 0666 less the umask.
bool WriteFileAtomically(const std::filesystem::path& file, std::string_view contents,
                         AtomicFolder folder = AtomicFolder::Create);

// Removes the temporary files that writers of this file left behind when they were killed
// between creating and renaming them: those of processes that no longer run. Returns how many
// went. The files of a live writer, this process's included, stay.
int RemoveStaleTemporaries(const std::filesystem::path& file);

} // namespace zt
