#pragma once

#include <QByteArray>

namespace tabulet::net {

// The lines a user reads in a terminal to follow an exchange: "accepted connection",
// "Headersize=140", "Filelength=…", "ok" or "failed", and the chunk errors below. They go to
// standard output, whole, from whichever thread runs the transfer.
void writeDiagnosticLine(const QByteArray &line);

void writeSendError(int socketError);
void writeReceiveError(qint64 bytesReceived, int socketError);

} // namespace tabulet::net
