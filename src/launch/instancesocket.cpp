#include "launch/instancesocket.h"

#include <cerrno>
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
// Connecting and each step of writing may stall this long before the handover is given up.
constexpr int kStallTimeoutMs = 1000;
// The running copy answers from its event loop, which a slow start may hold for a while.
constexpr int kAnswerTimeoutMs = 15000;

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

bool connectAbstract(int fd, const std::string &name)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (name.size() + 1 > sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path + 1, name.data(), name.size());
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    // A full backlog blocks connect; the send timeout bounds it.
    const timeval stall{kStallTimeoutMs / 1000, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &stall, sizeof stall);
    return ::connect(fd, reinterpret_cast<const sockaddr *>(&address), length) == 0;
}

bool sendAll(int fd, const std::string &bytes)
{
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

bool receiveTaken(int fd)
{
    const std::string expected = kHandoverTaken;
    std::string answer;
    while (answer.size() < expected.size()) {
        pollfd readable{fd, POLLIN, 0};
        const int ready = ::poll(&readable, 1, kAnswerTimeoutMs);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return false;
        char buffer[16];
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n < 0 && errno == EINTR)
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

bool handOver(const std::string &name, const std::string &message)
{
    Socket socket;
    return socket.fd() >= 0 && connectAbstract(socket.fd(), name) && sendAll(socket.fd(), message) &&
           receiveTaken(socket.fd());
}

} // namespace tabulet::launch
