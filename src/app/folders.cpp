#include "app/folders.h"

#include <QDir>
#include <QFileInfo>

namespace tabulet::app {

QString applicationDataFolder()
{
    QString folder = qEnvironmentVariable("XDG_DATA_HOME");
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder)) {
        const QString home = qEnvironmentVariable("HOME");
        if (home.isEmpty())
            return {};
        folder = home + QStringLiteral("/.local/share");
    }
    folder = QDir::cleanPath(folder);
    QDir().mkpath(folder);
    return folder;
}

settings::FolderSet computeFolderSet(const QString &executablePath, const QString &applicationData,
                                     const QString &tempPath)
{
    settings::FolderSet folders;
    folders.executablePath = executablePath;
    const QString executableFolder = QFileInfo(executablePath).absolutePath();
    folders.programFolder = QFileInfo::exists(executableFolder + QStringLiteral("/languages"))
                                ? executableFolder
                                : QDir::cleanPath(executableFolder + QStringLiteral("/../share/tabulet"));
    folders.tempFolder = settings::withSeparator(tempPath);

    QString data = applicationData;
    if (data.endsWith(QLatin1Char('/')) || data.endsWith(QLatin1Char('\\')))
        data.chop(1);
    folders.dataFolder = data + QStringLiteral("/Tabulet");
    folders.pluginsFolder = folders.dataFolder + QStringLiteral("/plugins");
    folders.pluginConfigFolder = folders.dataFolder + QStringLiteral("/pluginCFG");
    folders.themesFolder = folders.dataFolder + QStringLiteral("/themes");
    folders.languagesFolder = folders.dataFolder + QStringLiteral("/languages");
    return folders;
}

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

} // namespace tabulet::app
