#include "platform/base/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <system_error>
#include <unistd.h>

namespace zt {

namespace {

// Unique within the process; the process id makes it unique between processes writing the
// same folder.
std::filesystem::path TemporaryBeside(const std::filesystem::path& file)
{
    static std::atomic<unsigned> counter{0};
    std::string name = "." + file.filename().string() + "." + std::to_string(::getpid()) + "." +
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

} // namespace

bool WriteFileAtomically(const std::filesystem::path& file, std::string_view contents)
{
    if (file.empty() || !file.has_filename())
        return false;
    std::error_code ec;
    std::filesystem::path folder = file.parent_path();
    if (!folder.empty())
        std::filesystem::create_directories(folder, ec);
    std::filesystem::path temp = TemporaryBeside(file);
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    bool ok = WriteAll(fd, contents) && ::fsync(fd) == 0;
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

} // namespace zt
