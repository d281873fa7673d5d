#pragma once

#include <QAbstractSocket>
#include <QString>

namespace tabulet::net {

// The text shown to the user when a connection to a recipient fails, in the words the Windows
// version uses for the same condition (each ends with one blank); empty for errors it does not
// name, which are then not shown.
QString connectErrorText(QAbstractSocket::SocketError error);

} // namespace tabulet::net
