#pragma once

#include "net/listenerthread.h"
#include "net/receivednote.h"

#include <QObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <optional>

namespace tabulet::net {

// A listener on a loopback port of its own, with waits short enough for tests, and what it
// reported: the notes it handed over and the reasons of the transfers it dropped.
class ListenerFixture : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    static ListenerLimits testLimits();
    void startListener(const ListenerLimits &limits);
    void stopListener();

    // One connection that writes the bytes and closes.
    void sendRaw(const QByteArray &bytes) const;
    // Waits until the listener reports the next transfer's end; false on a time-out.
    bool waitForOutcome(int timeoutMs = 10000);
    ReceivedNote takeNote();
    QString takeDropReason();
    // Answers the note as the user would (its file goes) and waits until the port is open again.
    void answer(const ReceivedNote &note);

    QStringList incomingFiles() const;
    static bool waitUntil(const std::function<bool()> &condition, int timeoutMs = 10000);

    QTemporaryDir m_incoming;
    quint16 m_port = 0;
    std::unique_ptr<ListenerThread> m_thread;
    std::deque<ReceivedNote> m_notes;
    std::deque<QString> m_dropped;
    int m_listenCount = 0;

private:
    std::unique_ptr<QObject> m_receiver;
};

// A note message as another implementation would write it.
QByteArray noteMessage(const QByteArray &body, const QByteArray &title = "title");

} // namespace tabulet::net
