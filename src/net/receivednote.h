#pragma once

#include "net/transferheader.h"

#include <QMetaType>
#include <QString>

namespace tabulet::net {

// A note that came over the network and waits for the user's answer. Its file is a temporary
// file only the user can read; whoever takes the note moves or deletes it.
struct ReceivedNote
{
    QString filePath;
    TransferHeader header;
    qint64 receivedLength = 0; // file bytes that arrived; below header.fileLength when cut off

    bool isComplete() const { return receivedLength == header.fileLength; }
    QString sender() const { return decodeTextField(header.sender); }
    QString title() const { return decodeTextField(header.title); }
};

} // namespace tabulet::net

Q_DECLARE_METATYPE(tabulet::net::ReceivedNote)
