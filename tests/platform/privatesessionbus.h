#pragma once

#include <gtest/gtest.h>
#include <QDBusConnection>
#include <QProcess>

namespace tabulet::testing {

// A session bus of the test's own, on which the test connects a "portal" and a "program".
class PrivateSessionBus : public ::testing::Test
{
protected:
    void SetUp() override
    {
        daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        if (!daemon.waitForStarted(5000) || !daemon.waitForReadyRead(5000))
            GTEST_SKIP() << "no dbus-daemon";
        address = QString::fromUtf8(daemon.readLine()).trimmed();
    }
    void TearDown() override
    {
        QDBusConnection::disconnectFromBus("portal");
        QDBusConnection::disconnectFromBus("program");
        daemon.terminate();
        daemon.waitForFinished(5000);
    }

    QProcess daemon;
    QString address;
};

} // namespace tabulet::testing
