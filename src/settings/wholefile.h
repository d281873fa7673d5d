#pragma once

#include <QByteArray>
#include <QString>

namespace tabulet::settings {

// Writes `bytes` as the whole content of the file at `path`: into a temporary file beside it,
// renamed over the old file only once every byte is known to be on the disk. On failure (a full
// disk, a folder that cannot be written) the old file stays as it was and false is returned.
// Every file of the user's data is written through here.
bool writeWholeFile(const QString &path, const QByteArray &bytes);

} // namespace tabulet::settings
