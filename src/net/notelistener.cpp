#include "net/notelistener.h"

#include "net/incomingtransfer.h"

#include <QFile>
#include <QTcpSocket>

#include <algorithm>

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
    // Nobody will answer them any more.
    for (const ReceivedNote &note : m_waitingNotes)
        QFile::remove(note.filePath);
}

void NoteListener::start()
{
    if (m_address.isNull()) {
        emit listeningFailed(QStringLiteral("no address to listen on"));
        return;
    }
    listen();
}

void NoteListener::resume()
{
    if (m_waitingNotes.empty())
        return;
    m_waitingNotes.pop_front();
    if (m_waitingNotes.empty())
        listen();
    else
        emit noteReceived(m_waitingNotes.front());
}

void NoteListener::repeatWaitingNote()
{
    if (!m_waitingNotes.empty())
        emit noteReceived(m_waitingNotes.front());
}

void NoteListener::listen()
{
    if (m_server.isListening() || m_address.isNull() || !m_waitingNotes.empty() ||
        std::ssize(m_transfers) >= m_limits.maxTransfers)
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
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        auto *transfer = new IncomingTransfer(socket, m_incomingFolder, m_limits, m_promisedBytes, this);
        m_transfers.push_back(transfer);
        connect(transfer, &IncomingTransfer::handedOver, this, [this, transfer](const ReceivedNote &note) {
            m_waitingNotes.push_back(note);
            // Other senders are refused while the user has a note to answer.
            m_server.close();
            transferEnded(transfer);
            if (m_waitingNotes.size() == 1)
                emit noteReceived(note);
        });
        connect(transfer, &IncomingTransfer::dropped, this, [this, transfer](const QString &reason) {
            transferEnded(transfer);
            emit transferDropped(reason);
        });
        if (std::ssize(m_transfers) >= m_limits.maxTransfers) {
            m_server.close();
            return;
        }
    }
}

void NoteListener::transferEnded(IncomingTransfer *transfer)
{
    std::erase(m_transfers, transfer);
    transfer->deleteLater();
    listen();
}

} // namespace tabulet::net
