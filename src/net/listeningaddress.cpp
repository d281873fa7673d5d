#include "net/listeningaddress.h"

namespace tabulet::net {

QHostAddress listeningAddress(const QString &option)
{
    const QString text = option.trimmed();
    if (text.isEmpty())
        return QHostAddress(QHostAddress::Any);
    // Only a literal address: a host name would be looked up, and may name another machine.
    return QHostAddress(text);
}

} // namespace tabulet::net
