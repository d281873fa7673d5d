#pragma once

#include "net/listenerlimits.h"
#include "net/receivednote.h"

#include <QObject>
#include <QTemporaryFile>
#include <QTimer>

#include <memory>

class QTcpSocket;

namespace tabulet::net {

// One accepted connection, read as the bytes come: the header into memory, the file bytes
// straight into a temporary file. Ends with exactly one of handedOver (the whole header came;
// the body may be cut off) or dropped (nothing is handed over and nothing is left on disk).
class IncomingTransfer final : public QObject
{
    Q_OBJECT

public:
    // Takes the socket over. promisedBytes counts the room the transfers running beside it have
    // been promised in the folder; this one adds its note's length while it runs.
    IncomingTransfer(QTcpSocket *socket, const QString &incomingFolder, const ListenerLimits &limits,
                     qint64 &promisedBytes, QObject *parent = nullptr);
    ~IncomingTransfer() override;

signals:
    void handedOver(tabulet::net::ReceivedNote note);
    void dropped(QString reason);

private:
    void readAvailable();
    void readHeader();
    void readBody();
    bool checkHeaderStart();
    void headerComplete();
    void peerClosed();
    void handOver();
    void drop(const QString &reason);
    void finish();

    QTcpSocket *m_socket;
    QString m_incomingFolder;
    ListenerLimits m_limits;
    qint64 &m_promisedBytes;
    qint64 m_promisedHere = 0;
    QByteArray m_headerBytes;
    ReceivedNote m_note;
    std::unique_ptr<QTemporaryFile> m_file;
    QTimer m_idleTimer;
    QTimer m_headerTimer;
    QTimer m_bodyTimer;
    bool m_finished = false;
};

} // namespace tabulet::net
