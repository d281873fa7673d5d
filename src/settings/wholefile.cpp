#include "settings/wholefile.h"

#include <QSaveFile>

#include <unistd.h>

namespace tabulet::settings {

bool writeWholeFile(const QString &path, const QByteArray &bytes)
{
    // Unbuffered, so that a short write is seen here: a buffered QSaveFile drops the error of its
    // last flush and renames a cut file over the old one. fdatasync tells when the disk refused
    // the blocks only at the end (a quota, a network file system).
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size() || ::fdatasync(file.handle()) != 0) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace tabulet::settings
