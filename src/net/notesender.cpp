#include "net/notesender.h"

#include "net/connecterror.h"
#include "net/diagnostics.h"

#include <QFile>
#include <QTcpSocket>

#include <algorithm>
#include <limits>

namespace tabulet::net {

namespace {

constexpr qint64 kPieceSize = 64 * 1024;
// Bytes handed to the socket but not yet written; waiting above this keeps memory flat.
constexpr qint64 kMaxQueuedBytes = 4 * kPieceSize;

bool writeQueued(QTcpSocket &socket, const QByteArray &bytes, qint64 queueLimit, int stallMs)
{
    if (socket.write(bytes) != bytes.size())
        return false;
    while (socket.bytesToWrite() > queueLimit) {
        if (!socket.waitForBytesWritten(stallMs))
            return false;
    }
    return true;
}

} // namespace

SendResult sendNoteFile(const QString &filePath, const Recipient &recipient, TransferHeader header,
                        const SendProgress &progress, std::chrono::milliseconds stallTimeout)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly) || file.size() > std::numeric_limits<qint32>::max())
        return {SendOutcome::FileUnreadable, {}};
    const qint64 length = file.size();
    header.kind = 0;
    header.headerSize = static_cast<qint32>(kNoteHeaderSize);
    header.fileLength = static_cast<qint32>(length);

    const int stallMs = static_cast<int>(stallTimeout.count());
    QTcpSocket socket;
    socket.connectToHost(recipient.host, recipient.port);
    if (!socket.waitForConnected(stallMs))
        return {SendOutcome::ConnectFailed, socket.error()};
    writeDiagnosticLine("accepted connection");

    bool written = writeQueued(socket, encodeTransferHeader(header), kMaxQueuedBytes, stallMs);
    qint64 sent = 0;
    while (written && sent < length) {
        const QByteArray piece = file.read(std::min(kPieceSize, length - sent));
        if (piece.isEmpty()) {
            written = false;
            break;
        }
        written = writeQueued(socket, piece, kMaxQueuedBytes, stallMs);
        sent += piece.size();
        if (written && progress)
            progress(static_cast<int>(sent * 100 / length));
    }
    written = written && writeQueued(socket, {}, 0, stallMs);
    if (!written) {
        writeSendError(socket.error());
        return {SendOutcome::WriteFailed, {}};
    }
    socket.disconnectFromHost();
    if (socket.state() != QAbstractSocket::UnconnectedState)
        socket.waitForDisconnected(stallMs);
    if (progress)
        progress(100);
    return {};
}

} // namespace tabulet::net
