#include "launch/programpath.h"

#include <climits>
#include <cstdlib>

#include <unistd.h>

namespace tabulet::launch {

ProgramPaths programPaths(const std::string &launcherPath)
{
    ProgramPaths paths{launcherPath, {}};
    const std::string folder = launcherPath.substr(0, launcherPath.rfind('/'));
    for (const std::string &candidate :
         {folder + '/' + kProgramName, folder + "/../lib/tabulet/" + kProgramName}) {
        if (::access(candidate.c_str(), X_OK) == 0) {
            paths.program = candidate;
            break;
        }
    }
    return paths;
}

ProgramPaths programPaths()
{
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    return programPaths(length > 0 ? std::string(path, static_cast<std::size_t>(length)) : std::string());
}

} // namespace tabulet::launch
