#include "app/singleinstance.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QThread>
#include <QTimer>

#include <memory>

#include <sys/socket.h>
#include <unistd.h>

namespace tabulet::app {

namespace {

Q_LOGGING_CATEGORY(lcInstance, "tabulet.app.instance", QtWarningMsg)

constexpr const char *kIdentifier = "CE3D4A8A-C8D7-41ea-96DB-CC442061F14D";
constexpr QByteArrayView kTaken = "OK";
// A peer gets this long to send its handover; one that stays silent is dropped.
constexpr int kPeerTimeoutMs = 5000;
// The running copy answers from its event loop, which a slow start may hold for a while.
constexpr int kAnswerTimeoutMs = 15000;
constexpr int kConnectTimeoutMs = 1000;
// Copies started at once: each loser of the race to listen tries the handover again.
constexpr int kClaimAttempts = 40;

bool isOwnUser(const QLocalSocket &socket)
{
    ucred credentials{};
    socklen_t size = sizeof credentials;
    if (getsockopt(static_cast<int>(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0)
        return false;
    return credentials.uid == geteuid();
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
        *buffer += socket->read(kMaxHandoverBytes + 8 - buffer->size());
        bool complete = false;
        const std::optional<Handover> handover = decodeHandover(*buffer, &complete);
        if (!complete)
            return;
        if (!handover) {
            qCWarning(lcInstance) << "dropped a message on the instance socket that is no handover";
            socket->abort();
            return;
        }
        socket->write(kTaken.data(), kTaken.size());
        socket->disconnectFromServer();
        // Handled from the event loop, not inside the socket's signal: it may open dialogs.
        QTimer::singleShot(0, qApp, [receiver, handover = *handover] { receiver(handover); });
    });
}

} // namespace

SingleInstance::SingleInstance(QString name, Handover handover)
    : m_name(std::move(name)), m_handover(std::move(handover))
{
    m_server.setSocketOptions(QLocalServer::AbstractNamespaceOption);
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
}

bool SingleInstance::claim(Receiver receiver)
{
    m_receiver = std::move(receiver);
    for (int attempt = 0; attempt < kClaimAttempts; ++attempt) {
        if (handOver(m_name, m_handover))
            return false;
        if (m_server.listen(m_name))
            return true;
        // Another copy won the race to listen: it takes the handover once it listens.
        QThread::msleep(static_cast<unsigned long>(std::min(10 + 10 * attempt, 100)));
    }
    // Better a second copy than none at all.
    qCWarning(lcInstance) << "neither reached the running copy nor became it:" << m_server.errorString();
    return true;
}

bool SingleInstance::handOver(const QString &name, const Handover &handover)
{
    QLocalSocket socket;
    socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    socket.connectToServer(name);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    socket.write(encodeHandover(handover));
    if (!socket.waitForBytesWritten(kConnectTimeoutMs))
        return false;
    QByteArray answer;
    while (answer.size() < kTaken.size() && socket.waitForReadyRead(kAnswerTimeoutMs))
        answer += socket.readAll();
    return answer.startsWith(kTaken);
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

QString instanceName()
{
    QString name = QStringLiteral("%1-%2").arg(QLatin1String(kIdentifier)).arg(geteuid());
    const QByteArray runtimeFolder = qgetenv("XDG_RUNTIME_DIR");
    if (!runtimeFolder.isEmpty())
        name += QLatin1Char('-') +
                QString::fromLatin1(QCryptographicHash::hash(runtimeFolder, QCryptographicHash::Sha1).toHex().left(8));
    return name;
}

} // namespace tabulet::app
