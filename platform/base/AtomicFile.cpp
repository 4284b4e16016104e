#include "platform/base/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace zt {

namespace {

// ".<name>.<pid>.<counter>.tmp": the process id makes it unique between processes writing the
// same folder and lets a later writer tell a dead writer's leftovers from a live one's.
std::string TemporaryPrefix(const std::filesystem::path& file)
{
    // Appended rather than "." + name: GCC 12 at -O3 reports a false overlap in operator+.
    std::string prefix(1, '.');
    prefix += file.filename().string();
    prefix += '.';
    return prefix;
}

std::filesystem::path TemporaryBeside(const std::filesystem::path& file)
{
    static std::atomic<unsigned> counter{0};
    std::string name = TemporaryPrefix(file) + std::to_string(::getpid()) + "." +
                       std::to_string(counter.fetch_add(1)) + ".tmp";
    return file.parent_path() / name;
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The rename is durable only once the folder's entry is on the disk too.
void SyncFolder(const std::filesystem::path& folder)
{
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// The writer's process id from a temporary name of the file, or 0 when the name is not one.
pid_t WriterOf(const std::string& name, const std::string& prefix)
{
    if (name.size() <= prefix.size() + 4 || name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - 4, 4, ".tmp") != 0)
        return 0;
    std::string rest = name.substr(prefix.size());
    char* end = nullptr;
    long pid = std::strtol(rest.c_str(), &end, 10);
    if (end == rest.c_str() || *end != '.' || pid <= 0)
        return 0;
    return static_cast<pid_t>(pid);
}

} // namespace

bool WriteFileAtomically(const std::filesystem::path& file, std::string_view contents,
                         AtomicFolder folderRule)
{
    if (file.empty() || !file.has_filename())
        return false;
    std::error_code ec;
    std::filesystem::path folder = file.parent_path();
    if (!folder.empty()) {
        if (folderRule == AtomicFolder::Create)
            std::filesystem::create_directories(folder, ec);
        else if (!std::filesystem::is_directory(folder, ec))
            return false;
    }
    std::filesystem::path temp = TemporaryBeside(file);
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    bool ok = WriteAll(fd, contents) && ::fsync(fd) == 0;
    struct stat old
    {};
    if (ok && ::stat(file.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok)
        ok = ::rename(temp.c_str(), file.c_str()) == 0;
    if (!ok) {
        std::filesystem::remove(temp, ec);
        return false;
    }
    SyncFolder(folder);
    return true;
}

int RemoveStaleTemporaries(const std::filesystem::path& file)
{
    if (file.empty() || !file.has_filename())
        return 0;
    std::filesystem::path folder = file.parent_path();
    if (folder.empty())
        folder = ".";
    std::string prefix = TemporaryPrefix(file);
    int removed = 0;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        pid_t writer = WriterOf(entry.path().filename().string(), prefix);
        // A process that cannot be signalled for lack of rights still runs.
        if (writer == 0 || writer == ::getpid() || ::kill(writer, 0) == 0 || errno != ESRCH)
            continue;
        std::error_code removeError;
        if (std::filesystem::remove(entry.path(), removeError))
            ++removed;
    }
    return removed;
}

} // namespace zt
