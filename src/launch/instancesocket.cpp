#include "launch/instancesocket.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace tabulet::launch {

namespace {

constexpr const char *kIdentifier = "CE3D4A8A-C8D7-41ea-96DB-CC442061F14D";

using Clock = std::chrono::steady_clock;

std::uint32_t fnv1a(const std::string &text)
{
    std::uint32_t hash = 2166136261u;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 16777619u;
    }
    return hash;
}

class Socket
{
public:
    Socket() : m_fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)) {}
    ~Socket()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Socket(const Socket &) = delete;
    Socket &operator=(const Socket &) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

int remainingMs(Clock::time_point deadline)
{
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

// Waits until fd is ready for events (or hung up); false once the deadline has passed.
bool waitUntilReady(int fd, short events, Clock::time_point deadline)
{
    for (;;) {
        pollfd entry{fd, events, 0};
        const int ready = ::poll(&entry, 1, remainingMs(deadline));
        if (ready < 0 && errno == EINTR)
            continue;
        return ready > 0;
    }
}

enum class Connection { Made, NoListener, Stalled };

Connection connectAbstract(int fd, const std::string &name, Clock::time_point deadline)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (name.size() + 1 > sizeof address.sun_path)
        return Connection::NoListener;
    std::memcpy(address.sun_path + 1, name.data(), name.size());
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    // A listener that never accepts fills its backlog, and then connect blocks: the send timeout
    // bounds that wait.
    const int waitMs = std::max(remainingMs(deadline), 1);
    const timeval stall{waitMs / 1000, (waitMs % 1000) * 1000};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &stall, sizeof stall);
    while (::connect(fd, reinterpret_cast<const sockaddr *>(&address), length) != 0) {
        if (errno == EINTR && remainingMs(deadline) > 0)
            continue;
        return errno == ECONNREFUSED || errno == ENOENT ? Connection::NoListener : Connection::Stalled;
    }
    return Connection::Made;
}

bool isOwnUser(int fd)
{
    ucred credentials{};
    socklen_t size = sizeof credentials;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0 && size == sizeof credentials &&
           credentials.uid == ::geteuid();
}

bool sendAll(int fd, const std::string &bytes, Clock::time_point deadline)
{
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK) || !waitUntilReady(fd, POLLOUT, deadline))
            return false;
    }
    return true;
}

bool receiveTaken(int fd, Clock::time_point deadline)
{
    const std::string expected = kHandoverTaken;
    std::string answer;
    while (answer.size() < expected.size()) {
        if (!waitUntilReady(fd, POLLIN, deadline))
            return false;
        char buffer[16];
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, MSG_DONTWAIT);
        if (n < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK))
            continue;
        if (n <= 0)
            return false;
        answer.append(buffer, static_cast<std::size_t>(n));
    }
    return answer.starts_with(expected);
}

} // namespace

std::string instanceName(uid_t user, const std::string &runtimeFolder)
{
    std::string name = std::string(kIdentifier) + '-' + std::to_string(user);
    if (!runtimeFolder.empty()) {
        char tag[9];
        std::snprintf(tag, sizeof tag, "%08x", fnv1a(runtimeFolder));
        name += '-';
        name += tag;
    }
    return name;
}

std::string instanceName()
{
    const char *runtimeFolder = std::getenv("XDG_RUNTIME_DIR");
    return instanceName(::geteuid(), runtimeFolder ? runtimeFolder : "");
}

HandoverResult handOver(const std::string &name, const std::string &message)
{
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(kHandoverTimeoutMs);
    Socket socket;
    if (socket.fd() < 0)
        return HandoverResult::NotTaken;
    switch (connectAbstract(socket.fd(), name, deadline)) {
    case Connection::NoListener:
        return HandoverResult::NoCopy;
    case Connection::Stalled:
        return HandoverResult::NotTaken;
    case Connection::Made:
        break;
    }
    if (!isOwnUser(socket.fd()))
        return HandoverResult::OtherUser;
    return sendAll(socket.fd(), message, deadline) && receiveTaken(socket.fd(), deadline) ? HandoverResult::Taken
                                                                                          : HandoverResult::NotTaken;
}

} // namespace tabulet::launch
