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

// Sends an encoded handover to the copy listening under name and waits for its answer: false when
// no copy listens, the copy stalls, or it did not take the handover. Plain sockets, no Qt: the
// launcher hands over before any library of the program is loaded.
bool handOver(const std::string &name, const std::string &message);

} // namespace tabulet::launch
