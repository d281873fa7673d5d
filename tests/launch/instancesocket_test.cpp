#include "launch/handovermessage.h"
#include "launch/instancesocket.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <future>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace tabulet;

namespace {

// A listener on an abstract socket that takes one message and answers as told.
class FakeRunningCopy
{
public:
    explicit FakeRunningCopy(std::string name) : m_name(std::move(name))
    {
        m_fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path + 1, m_name.data(), m_name.size());
        const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + m_name.size());
        m_listening = ::bind(m_fd, reinterpret_cast<const sockaddr *>(&address), length) == 0 && ::listen(m_fd, 4) == 0;
    }
    ~FakeRunningCopy() { ::close(m_fd); }

    bool listening() const { return m_listening; }

    // Reads until the peer's message of expectedSize bytes is in, answers, and hangs up.
    std::future<std::string> serveOnce(std::size_t expectedSize, std::string answer)
    {
        return std::async(std::launch::async, [this, expectedSize, answer] {
            const int peer = ::accept(m_fd, nullptr, nullptr);
            std::string received;
            char buffer[4096];
            while (received.size() < expectedSize) {
                const ssize_t n = ::read(peer, buffer, sizeof buffer);
                if (n <= 0)
                    break;
                received.append(buffer, static_cast<std::size_t>(n));
            }
            if (!answer.empty())
                (void)!::write(peer, answer.data(), answer.size());
            ::close(peer);
            return received;
        });
    }

private:
    std::string m_name;
    int m_fd = -1;
    bool m_listening = false;
};

std::string uniqueName()
{
    static int serial = 0;
    return "tabulet-launch-test-" + std::to_string(::getpid()) + '-' + std::to_string(++serial);
}

} // namespace

TEST(InstanceName, isPerUserAndPerSessionRuntimeFolder)
{
    EXPECT_EQ(launch::instanceName(1000, ""), "CE3D4A8A-C8D7-41ea-96DB-CC442061F14D-1000");
    EXPECT_NE(launch::instanceName(1000, ""), launch::instanceName(1001, ""));
    EXPECT_NE(launch::instanceName(1000, "/run/user/1000"), launch::instanceName(1000, "/tmp/run-b"));
    EXPECT_EQ(launch::instanceName(1000, "/run/user/1000"), launch::instanceName(1000, "/run/user/1000"));
}

TEST(HandOver, succeedsOnlyWhenTheRunningCopyTakesTheWholeMessage)
{
    // A large message (a long theme path) goes through whole, beyond the socket's buffer.
    const std::string message =
        launch::encodeHandover({"-theme", std::string(300000, 'x') + " \"quoted\".tabutheme"}, "/home/ann", "id7");
    struct Case
    {
        const char *answer;
        bool takenExpected;
    };
    for (const Case &c : {Case{"OK", true}, Case{"NO", false}, Case{"", false}}) {
        const std::string name = uniqueName();
        FakeRunningCopy copy(name);
        ASSERT_TRUE(copy.listening());
        auto received = copy.serveOnce(message.size(), c.answer);
        EXPECT_EQ(launch::handOver(name, message), c.takenExpected) << "answer: " << c.answer;
        EXPECT_EQ(received.get(), message);
    }
    EXPECT_FALSE(launch::handOver(uniqueName(), message)) << "nobody listens";
}
