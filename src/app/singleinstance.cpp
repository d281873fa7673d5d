#include "app/singleinstance.h"

#include "launch/handovermessage.h"
#include "launch/instancesocket.h"

#include <QCoreApplication>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QThread>
#include <QTimer>

#include <chrono>
#include <memory>

#include <sys/socket.h>
#include <unistd.h>

namespace tabulet::app {

namespace {

Q_LOGGING_CATEGORY(lcInstance, "tabulet.app.instance", QtWarningMsg)

// A peer gets as long to send its handover as a start waits for the answer; then it is dropped.
constexpr int kPeerTimeoutMs = launch::kHandoverTimeoutMs;
// Copies started at once: each loser of the race to listen tries the handover again, while the
// winner may still be starting, until this many attempts or this much time has passed.
constexpr int kClaimAttempts = 40;
constexpr auto kClaimTime = std::chrono::seconds(10);

bool isOwnUser(const QLocalSocket &socket)
{
    ucred credentials{};
    socklen_t size = sizeof credentials;
    if (getsockopt(static_cast<int>(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0)
        return false;
    return credentials.uid == geteuid();
}

// A start that gave up waiting for the answer has hung up, and runs on or hands over again by
// itself: acting on its handover as well would do it twice (a toggle undone).
bool hasHungUp(const QLocalSocket &socket)
{
    char byte = 0;
    return socket.state() != QLocalSocket::ConnectedState ||
           ::recv(static_cast<int>(socket.socketDescriptor()), &byte, 1, MSG_PEEK | MSG_DONTWAIT) == 0;
}

// Reads one handover from a peer, answers it and ends the connection.
void serve(QLocalSocket *socket, const InstanceClaim::Receiver &receiver)
{
    auto *deadline = new QTimer(socket);
    deadline->setSingleShot(true);
    QObject::connect(deadline, &QTimer::timeout, socket, &QLocalSocket::abort);
    deadline->start(kPeerTimeoutMs);
    QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    auto buffer = std::make_shared<QByteArray>();
    QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket, receiver, buffer] {
        *buffer += socket->read(launch::kMaxHandoverBytes + 8 - buffer->size());
        bool complete = false;
        const std::optional<Handover> handover = decodeHandover(*buffer, &complete);
        if (!complete)
            return;
        if (!handover) {
            qCWarning(lcInstance) << "dropped a message on the instance socket that is no handover";
            socket->abort();
            return;
        }
        if (hasHungUp(*socket)) {
            qCWarning(lcInstance) << "dropped the handover of a start that no longer waits for it";
            socket->abort();
            return;
        }
        socket->write(launch::kHandoverTaken);
        socket->disconnectFromServer();
        // Handled from the event loop, not inside the socket's signal: it may open dialogs.
        QTimer::singleShot(0, qApp, [receiver, handover = *handover] { receiver(handover); });
    });
}

} // namespace

SingleInstance::SingleInstance(QString name, std::string handover)
    : m_name(std::move(name)), m_handover(std::move(handover))
{
    m_server.setSocketOptions(QLocalServer::AbstractNamespaceOption);
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
}

bool SingleInstance::claim(Receiver receiver)
{
    m_receiver = std::move(receiver);
    const auto deadline = std::chrono::steady_clock::now() + kClaimTime;
    for (int attempt = 0; attempt < kClaimAttempts && std::chrono::steady_clock::now() < deadline; ++attempt) {
        switch (launch::handOver(m_name.toStdString(), m_handover)) {
        case launch::HandoverResult::Taken:
            return false;
        case launch::HandoverResult::OtherUser:
            // Nothing was sent to it; whether this copy may run is for the data folder's lock.
            qCWarning(lcInstance) << "another user holds the instance socket" << m_name;
            m_heldByOtherUser = true;
            return true;
        case launch::HandoverResult::NoCopy:
        case launch::HandoverResult::NotTaken:
            break;
        }
        if (m_server.listen(m_name))
            return true;
        // Another copy won the race to listen: it takes the handover once it listens.
        QThread::msleep(static_cast<unsigned long>(std::min(10 + 10 * attempt, 100)));
    }
    // The data folder's lock decides whether this copy may run on its own.
    qCWarning(lcInstance) << "neither reached the running copy nor became it:" << m_server.errorString();
    return true;
}

void SingleInstance::acceptConnections()
{
    while (QLocalSocket *socket = m_server.nextPendingConnection()) {
        if (!isOwnUser(*socket)) {
            qCWarning(lcInstance) << "dropped a connection of another user on the instance socket";
            socket->abort();
            socket->deleteLater();
            continue;
        }
        serve(socket, m_receiver);
    }
}

} // namespace tabulet::app
