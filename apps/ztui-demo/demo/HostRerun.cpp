#include "apps/ztui-demo/demo/HostRerun.h"

#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace ztdemo {

int RunHostAgain(const std::filesystem::path& out, const std::filesystem::path& project,
                 const std::filesystem::path& appData, bool keepAppData, const char* scene,
                 const char* environmentFlag)
{
    std::string exe = std::filesystem::read_symlink("/proc/self/exe").string();
    std::vector<std::string> args{exe,         "--out",          out.string(),
                                  "--project", project.string(), "--keep-project",
                                  "--appdata", appData.string()};
    if (keepAppData)
        args.emplace_back("--keep-appdata");
    args.emplace_back(scene);
    pid_t child = ::fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        ::setenv(environmentFlag, "1", 1);
        ::execv(exe.c_str(), argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace ztdemo
