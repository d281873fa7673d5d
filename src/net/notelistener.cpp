#include "net/notelistener.h"

#include "net/incomingtransfer.h"

#include <QFile>
#include <QTcpSocket>

namespace tabulet::net {

NoteListener::NoteListener(QHostAddress address, quint16 port, QString incomingFolder, ListenerLimits limits,
                           QObject *parent)
    : QObject(parent), m_address(std::move(address)), m_port(port), m_incomingFolder(std::move(incomingFolder)),
      m_limits(limits), m_server(this), m_retryTimer(this)
{
    qRegisterMetaType<ReceivedNote>();
    m_server.setMaxPendingConnections(1);
    m_retryTimer.setSingleShot(true);
    m_retryTimer.setInterval(m_limits.relistenDelay);
    connect(&m_retryTimer, &QTimer::timeout, this, &NoteListener::listen);
    connect(&m_server, &QTcpServer::newConnection, this, &NoteListener::accept);
}

NoteListener::~NoteListener()
{
    // Nobody will answer it any more.
    if (m_waitingNote)
        QFile::remove(m_waitingNote->filePath);
}

void NoteListener::start()
{
    listen();
}

void NoteListener::resume()
{
    if (!m_waitingNote)
        return;
    m_waitingNote.reset();
    listen();
}

void NoteListener::repeatWaitingNote()
{
    if (m_waitingNote)
        emit noteReceived(*m_waitingNote);
}

void NoteListener::listen()
{
    if (m_server.isListening() || m_transfer || m_waitingNote)
        return;
    if (!m_server.listen(m_address, m_port)) {
        emit listeningFailed(m_server.errorString());
        m_retryTimer.start();
        return;
    }
    // A port chosen by the system stays the same when the listener opens it again.
    m_port = m_server.serverPort();
    emit listening(m_port);
}

void NoteListener::accept()
{
    QTcpSocket *socket = m_server.nextPendingConnection();
    if (!socket)
        return;
    m_server.close();
    m_transfer = new IncomingTransfer(socket, m_incomingFolder, m_limits, this);
    connect(m_transfer, &IncomingTransfer::handedOver, this, [this](const ReceivedNote &note) {
        m_waitingNote = note;
        transferEnded();
        emit noteReceived(note);
    });
    connect(m_transfer, &IncomingTransfer::dropped, this, [this](const QString &reason) {
        transferEnded();
        emit transferDropped(reason);
    });
}

void NoteListener::transferEnded()
{
    m_transfer->deleteLater();
    m_transfer.clear();
    listen();
}

} // namespace tabulet::net
