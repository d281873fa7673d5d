#pragma once

#include "app/commandline.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace tabulet::app {

// What a later start handed to the running copy (see launch/handovermessage.h).
struct Handover
{
    QStringList arguments;
    QString workingFolder;
    QByteArray activationToken;
};

// Reads one handover from the start of bytes. Returns the handover and sets complete when the
// bytes hold all of it; nothing and complete false while more bytes are needed; nothing and
// complete true when the bytes are not a handover (wrong length, size or content; a handover larger than launch::kMaxHandoverBytes is none).
std::optional<Handover> decodeHandover(const QByteArray &bytes, bool *complete);

// The switches of a handover, with the file paths made absolute against its working folder.
CommandLine commandLineOf(const Handover &handover);

} // namespace tabulet::app
