#pragma once

#include <string>
#include <sys/types.h>

namespace tabulet::launch {

// The running copy answers a handover it took with these bytes.
inline constexpr const char *kHandoverTaken = "OK";

// The instance socket's name in Linux's abstract namespace for this user's session: the program's
// identifier, the user id, and a tag of the session's runtime folder, so that sessions with a
// runtime folder of their own (test runs side by side) each have their own running copy.
std::string instanceName(uid_t user, const std::string &runtimeFolder);

// The name for the user and session of this process.
std::string instanceName();

// How a handover ended. An abstract socket has no file permissions: any local user may listen
// under our name first, so the listener's user is checked before anything is sent to it.
enum class HandoverResult {
    Taken,     // a copy of this user took the handover
    NoCopy,    // nobody listens under the name
    OtherUser, // the name is held by another user, who was sent nothing
    NotTaken,  // a copy of this user stalled, refused or hung up
};

// Connecting, sending and waiting for the answer together take at most this long.
inline constexpr int kHandoverTimeoutMs = 1000;

// Sends an encoded handover to the copy listening under name and waits for its answer. Plain
// sockets, no Qt: the launcher hands over before any library of the program is loaded.
HandoverResult handOver(const std::string &name, const std::string &message);

} // namespace tabulet::launch
