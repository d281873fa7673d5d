#include "net/incomingfolder.h"

#include <QFileInfo>

namespace tabulet::net {

QString incomingNotesFolder(const QString &dataFolder)
{
    for (const QString &candidate : {qEnvironmentVariable("TMPDIR"), QStringLiteral("/tmp")}) {
        const QFileInfo folder(candidate);
        if (!candidate.isEmpty() && folder.isDir() && folder.isWritable())
            return folder.absoluteFilePath();
    }
    return dataFolder;
}

} // namespace tabulet::net
