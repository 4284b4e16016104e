#pragma once
// Scenes that need a restart of the host: this program run again, on the same project, as
// a user would start it the next morning.

#include <filesystem>

namespace ztdemo {

// Runs this program again with one scene, on the project and the application-data folder
// given (emptied first unless kept), with the environment variable set so that the second
// run offers its second-run scenes. Its exit code, -1 when it could not run.
int RunHostAgain(const std::filesystem::path& out, const std::filesystem::path& project,
                 const std::filesystem::path& appData, bool keepAppData, const char* scene,
                 const char* environmentFlag);

} // namespace ztdemo
