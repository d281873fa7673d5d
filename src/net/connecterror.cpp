#include "net/connecterror.h"

namespace tabulet::net {

QString connectErrorText(QAbstractSocket::SocketError error)
{
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return QStringLiteral("The attempt to connect was rejected. ");
    case QAbstractSocket::HostNotFoundError:
        return QStringLiteral("Invalid host address. ");
    case QAbstractSocket::SocketTimeoutError:
        return QStringLiteral("Attempt to connect timed out without establishing a connection. ");
    case QAbstractSocket::NetworkError:
        return QStringLiteral("The network cannot be reached from this host at this time. ");
    case QAbstractSocket::AddressInUseError:
        return QStringLiteral("The specified address is already in use. ");
    case QAbstractSocket::SocketAddressNotAvailableError:
        return QStringLiteral("The specified address is not available from the local machine. ");
    case QAbstractSocket::SocketResourceError:
        return QStringLiteral("No more file descriptors are available. ");
    case QAbstractSocket::UnsupportedSocketOperationError:
        return QStringLiteral("Addresses in the specified family cannot be used with this socket. ");
    default:
        return {};
    }
}

} // namespace tabulet::net
