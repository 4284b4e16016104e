#pragma once
// The in-house file utilities: the per-user application-data folder and the small file
// operations that go with it. Paths arrive in Windows form ("C:\a\b", either separator); on
// this system both separators mean '/', wide paths are converted to UTF-8 for the file system
// and narrow paths are read in the ANSI code page, as the Windows narrow file functions read
// them.

#include <string>
#include <string_view>

namespace km {

class KmFile
{
public:
    // The user's application-data folder, without a trailing separator: $XDG_CONFIG_HOME when
    // it is set to an absolute path, otherwise ~/.config. The folder is created when missing.
    static std::wstring getAppdataPath();

    // Creates every missing folder of the path up to its last separator; text after the last
    // separator names a file and is left alone ("a\b\" creates a and a/b, "a\b\f.json" the
    // same). True when the whole chain exists afterwards.
    static bool createFileCatalogs(const char* path);
    static bool createFileCatalogs(const wchar_t* path);

    // Makes the file writable by its owner, as clearing FILE_ATTRIBUTE_READONLY does. False
    // when the file does not exist or its mode cannot be changed.
    static bool removeReadonlyAttr(const wchar_t* path);

    static bool isFileExist(const wchar_t* path);
    static bool isDirectoryExist(const wchar_t* path);

    // Reads a whole file as bytes. False (and bytes emptied) when it cannot be read.
    static bool readFile(const wchar_t* path, std::string& bytes);
    // Replaces the file's content so that a reader sees either the old or the new content,
    // never a part: the bytes go to a temporary file in the same folder, which is flushed to
    // disk and renamed over the target.
    static bool writeFileAtomically(const wchar_t* path, std::string_view bytes);

    // The path as the file system takes it: UTF-8 with '/' separators.
    static std::string toNativePath(const wchar_t* path);
    static std::string toNativePath(const char* ansiPath);
};

} // namespace km
