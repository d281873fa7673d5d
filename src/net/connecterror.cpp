#include "net/connecterror.h"

#include "lang/texttable.h"

namespace tabulet::net {

QString connectErrorText(QAbstractSocket::SocketError error, lang::TextTable &texts)
{
    const char *key = nullptr;
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        key = "CONNECT_REFUSED";
        break;
    case QAbstractSocket::HostNotFoundError:
        key = "CONNECT_HOSTNOTFOUND";
        break;
    case QAbstractSocket::SocketTimeoutError:
        key = "CONNECT_TIMEOUT";
        break;
    case QAbstractSocket::NetworkError:
        key = "CONNECT_NETWORK";
        break;
    case QAbstractSocket::AddressInUseError:
        key = "CONNECT_ADDRESSINUSE";
        break;
    case QAbstractSocket::SocketAddressNotAvailableError:
        key = "CONNECT_ADDRESSNOTAVAILABLE";
        break;
    case QAbstractSocket::SocketResourceError:
        key = "CONNECT_RESOURCE";
        break;
    case QAbstractSocket::UnsupportedSocketOperationError:
        key = "CONNECT_UNSUPPORTED";
        break;
    default:
        return {};
    }
    return texts.text(QLatin1String(key));
}

} // namespace tabulet::net
