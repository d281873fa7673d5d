#pragma once

#include "net/notelistener.h"

#include <QThread>

namespace tabulet::net {

// Runs a NoteListener on a thread of its own. Connect to listener() before start(); its
// signals reach objects of other threads queued, and resume() is called the same way. stop()
// ends the thread in-process: a transfer in progress is dropped and its file deleted.
class ListenerThread final
{
public:
    ListenerThread(QHostAddress address, quint16 port, QString incomingFolder, ListenerLimits limits = {});
    ~ListenerThread();

    ListenerThread(const ListenerThread &) = delete;
    ListenerThread &operator=(const ListenerThread &) = delete;

    NoteListener *listener() const { return m_listener; }
    void start();
    void stop();

private:
    QThread m_thread;
    NoteListener *m_listener;
};

} // namespace tabulet::net
