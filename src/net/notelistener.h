#pragma once

#include "net/listenerlimits.h"
#include "net/receivednote.h"

#include <QHostAddress>
#include <QObject>
#include <QTcpServer>
#include <QTimer>

#include <deque>
#include <vector>

namespace tabulet::net {

class IncomingTransfer;

// Receives notes on a TCP port, several senders at a time up to the limit, each bounded in time,
// so that a slow sender does not keep the others out. Received notes are handed over one at a
// time: while one waits for the user's answer the port is closed, so other senders are refused
// and know it (transfers already running go on, and their notes wait their turn); resume()
// hands over the next or opens the port again. A null address is refused, never widened to
// every address. Waits on socket events only: an idle listener costs nothing.
class NoteListener final : public QObject
{
    Q_OBJECT

public:
    NoteListener(QHostAddress address, quint16 port, QString incomingFolder, ListenerLimits limits = {},
                 QObject *parent = nullptr);
    ~NoteListener() override;

public slots:
    void start();
    // The note handed over has been answered (taken or declined).
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
    void transferEnded(IncomingTransfer *transfer);

    QHostAddress m_address;
    quint16 m_port;
    QString m_incomingFolder;
    ListenerLimits m_limits;
    // Children, so that they move to the listener's thread with it.
    QTcpServer m_server;
    QTimer m_retryTimer;
    std::vector<IncomingTransfer *> m_transfers; // children, running
    std::deque<ReceivedNote> m_waitingNotes;     // the first is the one handed over
    qint64 m_promisedBytes = 0;                  // room the running transfers may still take
};

} // namespace tabulet::net
