#include "launch/handovermessage.h"
#include "launch/instancesocket.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <future>
#include <thread>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace tabulet;

namespace {

// A listener on an abstract socket that takes one message and answers as told. The kernel tells a
// peer the user that listened: a listener made as another user stands for another user's program.
class FakeRunningCopy
{
public:
    explicit FakeRunningCopy(std::string name, uid_t listeningUser = ::geteuid()) : m_name(std::move(name))
    {
        m_fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path + 1, m_name.data(), m_name.size());
        const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + m_name.size());
        const uid_t ownUser = ::geteuid();
        if (listeningUser != ownUser && ::seteuid(listeningUser) != 0)
            return;
        m_listening = ::bind(m_fd, reinterpret_cast<const sockaddr *>(&address), length) == 0 && ::listen(m_fd, 4) == 0;
        if (listeningUser != ownUser && ::seteuid(ownUser) != 0)
            m_listening = false;
    }
    ~FakeRunningCopy() { ::close(m_fd); }

    bool listening() const { return m_listening; }

    // Reads until the peer's message of expectedSize bytes is in, answers after delay, and hangs up.
    std::future<std::string> serveOnce(std::size_t expectedSize, std::string answer,
                                       std::chrono::milliseconds delay = {})
    {
        return std::async(std::launch::async, [this, expectedSize, answer, delay] {
            const int peer = ::accept(m_fd, nullptr, nullptr);
            std::string received;
            char buffer[4096];
            while (received.size() < expectedSize) {
                const ssize_t n = ::read(peer, buffer, sizeof buffer);
                if (n <= 0)
                    break;
                received.append(buffer, static_cast<std::size_t>(n));
            }
            std::this_thread::sleep_for(delay);
            if (!answer.empty())
                (void)!::send(peer, answer.data(), answer.size(), MSG_NOSIGNAL);
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
        EXPECT_EQ(launch::handOver(name, message) == launch::HandoverResult::Taken, c.takenExpected)
            << "answer: " << c.answer;
        EXPECT_EQ(received.get(), message);
    }
    EXPECT_EQ(launch::handOver(uniqueName(), message), launch::HandoverResult::NoCopy);
}

// A start must not hang on whatever listens under the name: a listener that reads everything and
// answers late is given up after kHandoverTimeoutMs.
TEST(HandOver, givesUpOnAListenerThatAnswersLate)
{
    const std::string message = launch::encodeHandover({"-x"}, "/", "");
    const std::string name = uniqueName();
    FakeRunningCopy slow(name);
    ASSERT_TRUE(slow.listening());
    auto received = slow.serveOnce(message.size(), "OK", std::chrono::seconds(3));
    auto result = std::async(std::launch::async, [&] { return launch::handOver(name, message); });
    ASSERT_EQ(result.wait_for(std::chrono::milliseconds(2500)), std::future_status::ready);
    EXPECT_EQ(result.get(), launch::HandoverResult::NotTaken);
    EXPECT_EQ(received.get(), message);
}

// Any local user may take the name first: another user's listener is sent nothing at all.
TEST(HandOver, sendsNothingToAListenerOfAnotherUser)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "listening as another user needs root";
    const std::string name = uniqueName();
    FakeRunningCopy squatter(name, 65534);
    ASSERT_TRUE(squatter.listening());
    auto received = squatter.serveOnce(1, "OK");
    EXPECT_EQ(launch::handOver(name, launch::encodeHandover({"-homedir", "/home/ann/notes"}, "/home/ann", "")),
              launch::HandoverResult::OtherUser);
    EXPECT_EQ(received.get(), "");
}
