// Tabulet's launcher: a later start hands its command line to the running copy and ends before
// any library of the notepad is loaded; otherwise it becomes the notepad program.
#include "launch/handovermessage.h"
#include "launch/instancesocket.h"
#include "launch/launchoptions.h"
#include "launch/programpath.h"
#include "launch/switches.h"
#include "launch/version.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <unistd.h>

using namespace tabulet;

int main(int argc, char *argv[])
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    switch (launch::informationRequest(arguments)) {
    case launch::InformationRequest::Help:
        std::fputs(launch::usageText(), stdout);
        return 0;
    case launch::InformationRequest::Version:
        std::printf("tabulet %s\n", launch::kVersion);
        return 0;
    case launch::InformationRequest::None:
        break;
    }

    if (launch::oneInstance(launch::dataFolder(launch::parseSwitches(arguments))) &&
        launch::handOver(launch::instanceName(), launch::handoverOfThisStart(arguments)) ==
            launch::HandoverResult::Taken)
        return 0;

    const launch::ProgramPaths paths = launch::programPaths();
    if (paths.program.empty()) {
        std::fprintf(stderr, "tabulet: the notepad program %s was not found beside %s\n", launch::kProgramName,
                     paths.launcher.c_str());
        return 127;
    }
    ::setenv(launch::kLauncherVariable, paths.launcher.c_str(), 1);
    argv[0] = const_cast<char *>(paths.program.c_str());
    ::execv(paths.program.c_str(), argv);
    std::fprintf(stderr, "tabulet: cannot start %s: %s\n", paths.program.c_str(), std::strerror(errno));
    return 127;
}
