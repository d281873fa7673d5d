#include "app/instancehandover.h"
#include "app/singleinstance.h"
#include "launch/handovermessage.h"
#include "launch/instancesocket.h"
#include "launch/launchoptions.h"
#include "printers.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <future>

using namespace tabulet;

namespace {

QString uniqueName()
{
    static int serial = 0;
    return QStringLiteral("tabulet-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(++serial);
}

QByteArray encoded(const std::vector<std::string> &arguments, const std::string &folder, const std::string &token)
{
    return QByteArray::fromStdString(launch::encodeHandover(arguments, folder, token));
}

QByteArray bigEndian(quint32 value)
{
    return QByteArray::fromHex(QByteArray::number(value, 16).rightJustified(8, '0'));
}

struct BrokenMessage
{
    const char *name;
    QByteArray bytes;
    bool complete; // whether the reader can stop reading
};

class BrokenHandover : public ::testing::TestWithParam<BrokenMessage>
{
};

} // namespace

TEST(Handover, roundTrip_keepsArgumentsWithBlanksQuotesAndUnicode)
{
    const app::Handover sent{{"-theme", "/tmp/a \"b\" c/Grün.tabutheme", "", "--toggle"}, "/home/ann", "startup_TIME7"};
    const QByteArray bytes = encoded({"-theme", "/tmp/a \"b\" c/Grün.tabutheme", "", "--toggle"}, "/home/ann",
                                     "startup_TIME7");
    bool complete = false;
    const std::optional<app::Handover> received = app::decodeHandover(bytes, &complete);
    ASSERT_TRUE(received);
    EXPECT_TRUE(complete);
    EXPECT_EQ(received->arguments, sent.arguments);
    EXPECT_EQ(received->workingFolder, sent.workingFolder);
    EXPECT_EQ(received->activationToken, sent.activationToken);
    EXPECT_TRUE(app::commandLineOf(*received).toggle);

    EXPECT_FALSE(app::decodeHandover(bytes.left(bytes.size() - 1), &complete));
    EXPECT_FALSE(complete) << "a truncated message waits for more bytes";
}

TEST_P(BrokenHandover, isRefused)
{
    bool complete = !GetParam().complete;
    EXPECT_FALSE(app::decodeHandover(GetParam().bytes, &complete));
    EXPECT_EQ(complete, GetParam().complete);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, BrokenHandover,
    ::testing::Values(BrokenMessage{"lengthOnly", bigEndian(100), false},
                      BrokenMessage{"sixteenMebibytes", bigEndian(16 * 1024 * 1024) + "xyz", true},
                      BrokenMessage{"zeroLength", bigEndian(0), true},
                      BrokenMessage{"garbage", bigEndian(8) + "garbage!", true},
                      // Right magic, then a count of four billion arguments in twelve bytes.
                      BrokenMessage{"lyingCount", bigEndian(12) + "TBU2" + bigEndian(0xffffffff) + "abcd", true},
                      BrokenMessage{"trailingBytes",
                                    [] {
                                        QByteArray bytes = encoded({"-x"}, "/", "");
                                        bytes[3] = char(bytes[3] + 2);
                                        return bytes + "zz";
                                    }(),
                                    true}),
    [](const auto &caseInfo) { return std::string(caseInfo.param.name); });

// The handover blocks until the running copy answers from its event loop: it runs on a thread.
TEST(SingleInstance, laterCopy_handsOverToTheFirstAndGarbageOrSilentPeersDoNotStopIt)
{
    const QString name = uniqueName();
    app::SingleInstance first(name, {});
    std::vector<app::Handover> received;
    ASSERT_TRUE(first.claim([&](const app::Handover &handover) { received.push_back(handover); }));

    QLocalSocket silent;
    silent.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    silent.connectToServer(name);
    ASSERT_TRUE(silent.waitForConnected(1000));
    QLocalSocket garbage;
    garbage.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    garbage.connectToServer(name);
    ASSERT_TRUE(garbage.waitForConnected(1000));
    garbage.write(bigEndian(8) + "garbage!");
    garbage.flush();

    auto later = std::async(std::launch::async, [&] {
        app::SingleInstance second(name, launch::encodeHandover({"-theme", "x y.tabutheme"}, "/tmp", "token"));
        return second.claim([](const app::Handover &) {});
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return later.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
                                10000));
    EXPECT_FALSE(later.get()) << "the later copy ends";
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.size() == 1; }, 2000));
    EXPECT_EQ(app::commandLineOf(received[0]).themeFile, "/tmp/x y.tabutheme");
    EXPECT_EQ(received[0].activationToken, "token");
    EXPECT_TRUE(QTest::qWaitFor([&] { return garbage.state() == QLocalSocket::UnconnectedState; }, 2000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return silent.state() == QLocalSocket::UnconnectedState; }, 3000))
        << "a silent peer is dropped after a second";
}

// A start that gave up waiting hands over again (or runs on by itself): the handover of a sender
// that hung up before it was answered is not acted on, or a --toggle would happen twice.
TEST(SingleInstance, handoverOfAStartThatGaveUp_isNotActedOn)
{
    const QString name = uniqueName();
    app::SingleInstance first(name, {});
    QStringList received;
    ASSERT_TRUE(first.claim([&](const app::Handover &handover) { received << handover.arguments; }));

    QLocalSocket gaveUp;
    gaveUp.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    gaveUp.connectToServer(name);
    ASSERT_TRUE(gaveUp.waitForConnected(1000));
    gaveUp.write(encoded({"--toggle"}, "/", ""));
    ASSERT_TRUE(gaveUp.waitForBytesWritten(1000));
    gaveUp.abort();

    auto later = std::async(std::launch::async, [&] {
        app::SingleInstance second(name, launch::encodeHandover({"--show"}, "/", ""));
        return second.claim([](const app::Handover &) {});
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return later.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
                                10000));
    EXPECT_FALSE(later.get());
    QTest::qWait(200);
    EXPECT_EQ(received, QStringList({"--show"}));
}

// The launcher reads only the option before it hands over: off, it starts a copy of its own even
// though another copy listens; a data folder without a configuration counts as on.
TEST(SingleInstance, launcherHandover_followsTheOneInstanceOption)
{
    const QString name = uniqueName();
    app::SingleInstance first(name, {});
    int received = 0;
    ASSERT_TRUE(first.claim([&](const app::Handover &) { ++received; }));
    QTemporaryDir dataFolder;
    QFile configuration(dataFolder.filePath("tbu_config.xml"));
    ASSERT_TRUE(configuration.open(QIODevice::WriteOnly));
    configuration.write(R"(<?xml version="1.0" ?><config version="1.1"><options>
        <option key="oneinstance" val="0"/></options><notes/></config>)");
    configuration.close();
    const auto launcherHandsOver = [&](const QString &folder) {
        return launch::oneInstance(folder.toStdString()) &&
               launch::handOver(name.toStdString(), launch::encodeHandover({"-x"}, "/", "")) ==
                   launch::HandoverResult::Taken;
    };
    EXPECT_FALSE(launcherHandsOver(dataFolder.path()));

    auto later = std::async(std::launch::async, [&] { return launcherHandsOver(dataFolder.filePath("missing")); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return later.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
                                10000));
    EXPECT_TRUE(later.get());
    EXPECT_TRUE(QTest::qWaitFor([&] { return received == 1; }, 2000));
}
