#include "net/diagnostics.h"

#include <cstdio>

namespace tabulet::net {

namespace {

void writeOut(const QByteArray &text)
{
    std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout);
    std::fflush(stdout);
}

} // namespace

void writeDiagnosticLine(const QByteArray &line)
{
    writeOut(line + '\n');
}

void writeSendError(int socketError)
{
    writeOut("SendFileToRemoteRecipient returned a socket error while sending chunked file data\n"
             "\tNumber of Bytes sent = -1\n\tGetLastError = " +
             QByteArray::number(socketError) + '\n');
}

void writeReceiveError(qint64 bytesReceived, int socketError)
{
    writeOut("GetFileFromRemoteSite returned a socket error while getting chunked file data\n"
             "\tNumber of Bytes received (zero means connection was closed) = " +
             QByteArray::number(bytesReceived) + "\n\tGetLastError = " + QByteArray::number(socketError) + '\n');
}

} // namespace tabulet::net
