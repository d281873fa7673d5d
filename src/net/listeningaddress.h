#pragma once

#include <QHostAddress>
#include <QString>

namespace tabulet::net {

// The address the listener binds, from the option "listenaddress": every address of this
// computer when the text is empty, else the one IPv4 or IPv6 address it names. A text that is
// no address gives a null address, on which the listener does not listen at all.
QHostAddress listeningAddress(const QString &option);

} // namespace tabulet::net
