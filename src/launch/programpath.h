#pragma once

#include <string>

namespace tabulet::launch {

// The notepad program the launcher becomes when no copy takes its handover.
inline constexpr const char *kProgramName = "tabulet-notepad";
// Tells the notepad program the launcher's path: the program folder is found from it, and the
// desktop entries start the launcher.
inline constexpr const char *kLauncherVariable = "TABULET_LAUNCHER";

struct ProgramPaths
{
    std::string launcher; // this executable
    std::string program;  // empty when it is not installed
};

// The program beside the launcher (the build tree), else in lib/tabulet of the installation.
ProgramPaths programPaths(const std::string &launcherPath);
ProgramPaths programPaths();

} // namespace tabulet::launch
