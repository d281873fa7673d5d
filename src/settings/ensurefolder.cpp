#include "settings/ensurefolder.h"

#include <QDir>
#include <QFileInfo>

namespace tabulet::settings {

bool ensureFolder(const QString &path, const std::function<void(const char *textKey)> &report)
{
    const QFileInfo info(path);
    if (!info.isDir()) {
        if (info.exists() || !QDir().mkdir(path)) {
            report("ARCHIVER_CREATEDIRFAILED");
            return false;
        }
    }
    const QFileInfo created(path);
    if (!created.isReadable() || !created.isWritable() || !created.isExecutable()) {
        report("ARCHIVER_CREATEDIRPERMISSIONS");
        return false;
    }
    return true;
}

} // namespace tabulet::settings
