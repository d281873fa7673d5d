#pragma once

#include "net/recipient.h"
#include "net/transferheader.h"

#include <QAbstractSocket>
#include <QString>

#include <chrono>
#include <functional>

namespace tabulet::net {

enum class SendOutcome {
    Sent,
    FileUnreadable, // the note's file could not be opened, or is larger than the format carries
    ConnectFailed,
    WriteFailed,    // the connection broke or stalled while sending
};

struct SendResult
{
    SendOutcome outcome = SendOutcome::Sent;
    // For ConnectFailed: why (connectErrorText words it).
    QAbstractSocket::SocketError connectError = QAbstractSocket::UnknownSocketError;

    bool sent() const { return outcome == SendOutcome::Sent; }
};

// Whole percent of the file sent, 0 to 100; called after every piece and with 100 at the end.
using SendProgress = std::function<void(int percent)>;

// How long a connect or a write may wait before the send counts as failed.
inline constexpr std::chrono::milliseconds kSendStallTimeout{30000};

// Sends one note: the 140-byte header (kind 0, `filelength` set from the file) and then the
// file's bytes as they are on disk, streamed in pieces. Blocks the calling thread until the
// note is sent or the send failed; the receiver never answers, so Sent means every byte went out.
SendResult sendNoteFile(const QString &filePath, const Recipient &recipient, TransferHeader header,
                        const SendProgress &progress = {},
                        std::chrono::milliseconds stallTimeout = kSendStallTimeout);

} // namespace tabulet::net
