#include "net/listenerthread.h"

namespace tabulet::net {

ListenerThread::ListenerThread(QHostAddress address, quint16 port, QString incomingFolder, ListenerLimits limits)
    : m_listener(new NoteListener(std::move(address), port, std::move(incomingFolder), limits))
{
    m_thread.setObjectName(QStringLiteral("note listener"));
}

ListenerThread::~ListenerThread()
{
    stop();
    delete m_listener;
}

void ListenerThread::start()
{
    if (m_thread.isRunning() || !m_listener || m_listener->thread() == &m_thread)
        return;
    m_listener->moveToThread(&m_thread);
    QObject::connect(&m_thread, &QThread::started, m_listener, &NoteListener::start);
    // The listener's sockets must end on the thread that made them.
    QObject::connect(&m_thread, &QThread::finished, m_listener, &QObject::deleteLater);
    m_thread.start();
}

void ListenerThread::stop()
{
    if (!m_thread.isRunning())
        return;
    m_thread.quit();
    m_thread.wait();
    m_listener = nullptr;
}

} // namespace tabulet::net
