#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tabulet::launch {

// What a later start hands to the running copy: its arguments as a list (no length limit, no
// quoting), the folder it was started in (relative paths are its own), and the token the desktop
// gave it to bring a window forward (DESKTOP_STARTUP_ID on X11, XDG_ACTIVATION_TOKEN on Wayland).
//
// On the instance socket: a 32-bit big-endian payload length, then the payload: the magic, the
// argument count, each argument, the working folder and the token, every string as a 32-bit
// big-endian byte count and its bytes (the shell's bytes, not re-encoded).
inline constexpr std::uint32_t kHandoverMagic = 0x54425532; // "TBU2"
inline constexpr std::uint32_t kMaxHandoverBytes = 1024 * 1024;

std::string encodeHandover(const std::vector<std::string> &arguments, const std::string &workingFolder,
                           const std::string &activationToken);

// The handover of this process: its arguments, its working folder and the desktop's token from
// the environment (read it before a toolkit takes the token away).
std::string handoverOfThisStart(const std::vector<std::string> &arguments);

} // namespace tabulet::launch
