#pragma once

#include <QAbstractSocket>
#include <QString>

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::net {

// Why a connection to a recipient failed, in the words of the language file; empty for errors it
// does not name, which are then not shown.
QString connectErrorText(QAbstractSocket::SocketError error, lang::TextTable &texts);

} // namespace tabulet::net
