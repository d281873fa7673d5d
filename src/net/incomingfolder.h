#pragma once

#include <QString>

namespace tabulet::net {

// Where received notes wait for the user's answer: $TMPDIR when it names an existing folder,
// else /tmp, else the data folder.
QString incomingNotesFolder(const QString &dataFolder);

} // namespace tabulet::net
