#include "net/incomingtransfer.h"

#include "net/diagnostics.h"

#include <QDir>
#include <QStorageInfo>
#include <QTcpSocket>

#include <algorithm>
#include <limits>
#include <utility>

namespace tabulet::net {

namespace {

constexpr qint64 kPieceSize = 64 * 1024;
// Bounds what a fast sender can pile up in memory before it reaches the file.
constexpr qint64 kSocketBufferSize = 4 * kPieceSize;

// How long a body of that length may take at the slowest rate allowed.
std::chrono::milliseconds bodyDeadline(qint64 fileLength, const ListenerLimits &limits)
{
    const qint64 rate = std::max<qint64>(1, limits.minimumBodyRate);
    const qint64 ms = limits.idleTimeout.count() + fileLength * 1000 / rate;
    return std::chrono::milliseconds(std::min<qint64>(ms, std::numeric_limits<int>::max()));
}

} // namespace

IncomingTransfer::IncomingTransfer(QTcpSocket *socket, const QString &incomingFolder, const ListenerLimits &limits,
                                   qint64 &promisedBytes, QObject *parent)
    : QObject(parent), m_socket(socket), m_incomingFolder(incomingFolder), m_limits(limits),
      m_promisedBytes(promisedBytes)
{
    m_socket->setParent(this);
    m_socket->setReadBufferSize(kSocketBufferSize);
    m_idleTimer.setSingleShot(true);
    m_idleTimer.setInterval(m_limits.idleTimeout);
    m_headerTimer.setSingleShot(true);
    m_headerTimer.setInterval(m_limits.headerTimeout);
    connect(&m_idleTimer, &QTimer::timeout, this, [this] { drop(QStringLiteral("no byte came for too long")); });
    connect(&m_headerTimer, &QTimer::timeout, this, [this] { drop(QStringLiteral("the header came too slowly")); });
    m_bodyTimer.setSingleShot(true);
    connect(&m_bodyTimer, &QTimer::timeout, this, [this] { drop(QStringLiteral("the note came too slowly")); });
    connect(m_socket, &QTcpSocket::readyRead, this, &IncomingTransfer::readAvailable);
    connect(m_socket, &QTcpSocket::disconnected, this, &IncomingTransfer::peerClosed);
    connect(m_socket, &QTcpSocket::errorOccurred, this, &IncomingTransfer::peerClosed);
    writeDiagnosticLine("accepted connection");
    m_idleTimer.start();
    m_headerTimer.start();
    // Bytes may have come before the signals were connected.
    QMetaObject::invokeMethod(this, &IncomingTransfer::readAvailable, Qt::QueuedConnection);
}

IncomingTransfer::~IncomingTransfer() = default;

void IncomingTransfer::readAvailable()
{
    if (m_finished)
        return;
    m_idleTimer.start();
    while (!m_finished && m_socket->bytesAvailable() > 0) {
        if (m_headerBytes.size() < kNoteHeaderSize)
            readHeader();
        else
            readBody();
    }
}

void IncomingTransfer::readHeader()
{
    const qsizetype wanted = (m_headerBytes.size() < kHeaderStartSize ? kHeaderStartSize : kNoteHeaderSize) -
                             m_headerBytes.size();
    m_headerBytes.append(m_socket->read(wanted));
    if (m_headerBytes.size() == kHeaderStartSize) {
        if (!checkHeaderStart())
            return;
    }
    if (m_headerBytes.size() == kNoteHeaderSize)
        headerComplete();
}

bool IncomingTransfer::checkHeaderStart()
{
    const TransferHeader start = *decodeHeaderStart(m_headerBytes);
    // Only this program ends its own listener, and it does so without the network.
    if (start.isStopRequest()) {
        drop(QStringLiteral("a stop request is not taken from the network"));
        return false;
    }
    writeDiagnosticLine("Headersize=" + QByteArray::number(start.headerSize));
    if (start.headerSize != kNoteHeaderSize) {
        drop(QStringLiteral("a note's header must be %1 bytes").arg(kNoteHeaderSize));
        return false;
    }
    if (start.fileLength < 0 || start.fileLength > m_limits.maxFileLength) {
        drop(QStringLiteral("a note of %1 bytes is not taken").arg(start.fileLength));
        return false;
    }
    // The notes still coming beside this one will take their room too.
    const QStorageInfo storage(m_incomingFolder);
    if (storage.isValid() && storage.bytesAvailable() >= 0 &&
        start.fileLength > storage.bytesAvailable() - m_limits.freeSpaceReserve - m_promisedBytes) {
        drop(QStringLiteral("no room for a note of %1 bytes in %2").arg(start.fileLength).arg(m_incomingFolder));
        return false;
    }
    m_promisedHere = start.fileLength;
    m_promisedBytes += m_promisedHere;
    return true;
}

void IncomingTransfer::headerComplete()
{
    m_headerTimer.stop();
    m_note.header = *decodeTransferHeader(m_headerBytes);
    writeDiagnosticLine("Filelength=" + QByteArray::number(m_note.header.fileLength));
    // Created exclusively under a fresh name and readable by the user alone.
    m_file = std::make_unique<QTemporaryFile>(QDir(m_incomingFolder).filePath(QStringLiteral("infile_XXXXXX")));
    if (!m_file->open()) {
        drop(QStringLiteral("cannot create a file in %1").arg(m_incomingFolder));
        return;
    }
    if (m_note.header.fileLength == 0) {
        handOver();
        return;
    }
    m_bodyTimer.start(bodyDeadline(m_note.header.fileLength, m_limits));
}

void IncomingTransfer::readBody()
{
    const qint64 wanted = std::min(kPieceSize, m_note.header.fileLength - m_note.receivedLength);
    const QByteArray piece = m_socket->read(wanted);
    if (m_file->write(piece) != piece.size()) {
        drop(QStringLiteral("cannot write %1").arg(m_file->fileName()));
        return;
    }
    m_note.receivedLength += piece.size();
    if (m_note.isComplete())
        handOver();
}

void IncomingTransfer::peerClosed()
{
    if (m_finished)
        return;
    readAvailable();
    if (m_finished)
        return;
    writeReceiveError(0, m_socket->error());
    if (!m_file || !m_file->isOpen())
        drop(QStringLiteral("the connection closed before the header was whole"));
    else
        handOver();
}

void IncomingTransfer::handOver()
{
    // The last piece may still sit in the file's buffer: a disk that filled meanwhile shows here.
    if (!m_file->flush()) {
        drop(QStringLiteral("cannot write %1").arg(m_file->fileName()));
        return;
    }
    writeDiagnosticLine(m_note.isComplete() ? "ok" : "failed");
    m_file->setAutoRemove(false);
    m_file->close();
    m_note.filePath = m_file->fileName();
    finish();
    emit handedOver(m_note);
}

void IncomingTransfer::drop(const QString &reason)
{
    if (m_finished)
        return;
    writeDiagnosticLine("refused: " + reason.toUtf8());
    writeDiagnosticLine("failed");
    m_file.reset();
    finish();
    emit dropped(reason);
}

void IncomingTransfer::finish()
{
    m_finished = true;
    m_promisedBytes -= std::exchange(m_promisedHere, 0);
    m_idleTimer.stop();
    m_headerTimer.stop();
    m_bodyTimer.stop();
    m_socket->abort();
}

} // namespace tabulet::net
