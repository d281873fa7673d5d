#pragma once

#include "net/listenerlimits.h"
#include "net/receivednote.h"

#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTimer>

#include <optional>

namespace tabulet::net {

class IncomingTransfer;

// Receives notes on a TCP port, one at a time. While a transfer runs and while a received note
// waits for the user's answer the port is closed, so other senders are refused and know it;
// resume() opens it again. Waits on socket events only: an idle listener costs nothing.
class NoteListener final : public QObject
{
    Q_OBJECT

public:
    NoteListener(QHostAddress address, quint16 port, QString incomingFolder, ListenerLimits limits = {},
                 QObject *parent = nullptr);
    ~NoteListener() override;

public slots:
    void start();
    // The last note handed over has been answered (taken or declined).
    void resume();
    // Hands over again the note that waits for an answer, if any: for a window that connects
    // after the note came.
    void repeatWaitingNote();

signals:
    void listening(quint16 port);
    void listeningFailed(QString error); // tried again after a pause
    void noteReceived(tabulet::net::ReceivedNote note);
    void transferDropped(QString reason);

private:
    void listen();
    void accept();
    void transferEnded();

    QHostAddress m_address;
    quint16 m_port;
    QString m_incomingFolder;
    ListenerLimits m_limits;
    // Children, so that they move to the listener's thread with it.
    QTcpServer m_server;
    QTimer m_retryTimer;
    QPointer<IncomingTransfer> m_transfer;
    std::optional<ReceivedNote> m_waitingNote;
};

} // namespace tabulet::net
