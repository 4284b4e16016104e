#include "platform/host/KmFile.h"

#include "platform/base/AtomicFile.h"
#include "platform/base/Encoding.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace km {

namespace {

std::string NativeFromUtf8(std::string path)
{
    for (char& c : path)
        if (c == '\\')
            c = '/';
    return path;
}

bool IsDirectory(const std::string& path)
{
    struct stat st
    {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool MakeChain(const std::string& native)
{
    std::size_t last = native.rfind('/');
    if (last == std::string::npos)
        return true; // a bare file name: its folder is the current one
    std::string folder = native.substr(0, last);
    if (folder.empty())
        return true; // the root
    for (std::size_t pos = 1; pos <= folder.size(); ++pos) {
        if (pos != folder.size() && folder[pos] != '/')
            continue;
        std::string part = folder.substr(0, pos);
        if (part.empty() || part.back() == '/')
            continue; // doubled separators name the same folder
        if (::mkdir(part.c_str(), 0777) != 0 && errno != EEXIST)
            return false;
    }
    return IsDirectory(folder);
}

} // namespace

std::string KmFile::toNativePath(const wchar_t* path)
{
    return path ? NativeFromUtf8(zt::base::WideToUtf8(path)) : std::string();
}

std::string KmFile::toNativePath(const char* ansiPath)
{
    return ansiPath ? NativeFromUtf8(zt::base::WideToUtf8(zt::base::AnsiToWide(ansiPath)))
                    : std::string();
}

std::wstring KmFile::getAppdataPath()
{
    std::string folder;
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/') {
        folder = xdg;
    } else {
        const char* home = std::getenv("HOME");
        folder = std::string(home && *home ? home : "/tmp") + "/.config";
    }
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    MakeChain(folder + "/");
    return zt::base::Utf8ToWide(folder);
}

bool KmFile::createFileCatalogs(const char* path)
{
    return path && *path && MakeChain(toNativePath(path));
}

bool KmFile::createFileCatalogs(const wchar_t* path)
{
    return path && *path && MakeChain(toNativePath(path));
}

bool KmFile::removeReadonlyAttr(const wchar_t* path)
{
    if (!path || !*path)
        return false;
    std::string native = toNativePath(path);
    struct stat st
    {};
    if (::stat(native.c_str(), &st) != 0)
        return false;
    if (st.st_mode & S_IWUSR)
        return true;
    return ::chmod(native.c_str(), (st.st_mode & 07777) | S_IWUSR) == 0;
}

bool KmFile::isFileExist(const wchar_t* path)
{
    if (!path || !*path)
        return false;
    struct stat st
    {};
    return ::stat(toNativePath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool KmFile::isDirectoryExist(const wchar_t* path)
{
    return path && *path && IsDirectory(toNativePath(path));
}

bool KmFile::readFile(const wchar_t* path, std::string& bytes)
{
    bytes.clear();
    if (!path || !*path)
        return false;
    int fd = ::open(toNativePath(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    char buffer[8192];
    bool ok = true;
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            ok = false;
        if (n <= 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (!ok)
        bytes.clear();
    return ok;
}

bool KmFile::writeFileAtomically(const wchar_t* path, std::string_view bytes)
{
    if (!path || !*path)
        return false;
    std::string target = toNativePath(path);
    if (target.back() == '/')
        return false;
    // The folder is the caller's to make (createFileCatalogs), as for the Windows calls.
    return zt::WriteFileAtomically(target, bytes, zt::AtomicFolder::MustExist);
}

} // namespace km
