#include "app/folders.h"

#include "launch/launchoptions.h"

#include <QDir>
#include <QFileInfo>

namespace tabulet::app {

QString applicationDataFolder()
{
    const std::string home = launch::userDataHome();
    if (home.empty())
        return {};
    const QString folder = QDir::cleanPath(QString::fromLocal8Bit(home));
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

} // namespace tabulet::app
