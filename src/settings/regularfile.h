#pragma once

#include <QFile>
#include <QString>

namespace tabulet::settings {

// Opens path for reading into file when it is a regular file. A pipe or device put where a file
// is expected is refused without waiting for a writer, and a link is followed as usual.
bool openRegularFile(QFile &file, const QString &path);

} // namespace tabulet::settings
