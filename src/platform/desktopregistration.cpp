#include "platform/desktopregistration.h"

#include "settings/wholefile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace tabulet::platform {

namespace {

struct FileType
{
    const char *switchName;
    const char *mimeType;
    const char *description;
    const char *entryName;
};

constexpr FileType kFileTypes[] = {
    {"language", "application/x-tabulet-language", "Tabulet Language File", "org.tabulet.Tabulet.language.desktop"},
    {"theme", "application/x-tabulet-theme", "Tabulet Theme File", "org.tabulet.Tabulet.theme.desktop"},
};

const FileType &fileTypeOf(const QString &switchName)
{
    for (const FileType &type : kFileTypes) {
        if (switchName == QLatin1String(type.switchName))
            return type;
    }
    return kFileTypes[0];
}

// Quoting of one Exec argument: inside double quotes, '"', '`', '$' and '\' take a backslash;
// '%' is doubled because Exec expands field codes.
QString quotedExecArgument(const QString &argument)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        if (c == QLatin1Char('%'))
            quoted += QLatin1Char('%');
        quoted += c;
    }
    return quoted + QLatin1Char('"');
}

// Desktop entry string values escape the backslash itself once more.
QString escapedStringValue(const QString &value)
{
    QString escaped = value;
    return escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
}

bool writeIfChanged(const QString &path, const QByteArray &content)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == content)
        return false;
    existing.close();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    return settings::writeWholeFile(path, content);
}

// Refreshes a desktop database cache when its tool is installed; silently skipped otherwise.
void runQuietly(const QString &program, const QStringList &arguments)
{
    const QString found = QStandardPaths::findExecutable(program);
    if (found.isEmpty())
        return;
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(found, arguments);
    process.waitForFinished(10000);
}

} // namespace

QString desktopExecLine(const QString &executablePath, const QString &switchName)
{
    return quotedExecArgument(executablePath) + QStringLiteral(" -") + switchName + QStringLiteral(" %f");
}

QByteArray desktopEntry(const QString &executablePath, const QString &switchName)
{
    const FileType &type = fileTypeOf(switchName);
    QString entry;
    entry += QStringLiteral("[Desktop Entry]\n");
    entry += QStringLiteral("Type=Application\n");
    entry += QStringLiteral("Name=Tabulet\n");
    entry += QStringLiteral("Comment=Open with Tabulet: %1\n").arg(QLatin1String(type.description));
    entry += QStringLiteral("Icon=org.tabulet.Tabulet\n");
    entry += QStringLiteral("Exec=%1\n").arg(escapedStringValue(desktopExecLine(executablePath, switchName)));
    entry += QStringLiteral("MimeType=%1;\n").arg(QLatin1String(type.mimeType));
    entry += QStringLiteral("NoDisplay=true\n");
    entry += QStringLiteral("Terminal=false\n");
    entry += QStringLiteral("StartupWMClass=Tabulet\n");
    return entry.toUtf8();
}

QByteArray mimePackage()
{
    return QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                             "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                             "  <mime-type type=\"application/x-tabulet-language\">\n"
                             "    <comment>Tabulet Language File</comment>\n"
                             "    <sub-class-of type=\"text/plain\"/>\n"
                             "    <glob pattern=\"*.tabulang\"/>\n"
                             "  </mime-type>\n"
                             "  <mime-type type=\"application/x-tabulet-theme\">\n"
                             "    <comment>Tabulet Theme File</comment>\n"
                             "    <sub-class-of type=\"application/zip\"/>\n"
                             "    <glob pattern=\"*.tabutheme\"/>\n"
                             "  </mime-type>\n"
                             "</mime-info>\n");
}

QStringList registerFileTypes(const QString &executablePath, const QString &dataHome)
{
    QStringList written;
    if (dataHome.isEmpty())
        return written;
    const QString applications = dataHome + QStringLiteral("/applications");
    bool entriesChanged = false;
    for (const FileType &type : kFileTypes) {
        const QString path = applications + QLatin1Char('/') + QLatin1String(type.entryName);
        if (writeIfChanged(path, desktopEntry(executablePath, QLatin1String(type.switchName)))) {
            written << path;
            entriesChanged = true;
        }
    }
    const QString mimeFolder = dataHome + QStringLiteral("/mime");
    const QString package = mimeFolder + QStringLiteral("/packages/org.tabulet.Tabulet.xml");
    if (writeIfChanged(package, mimePackage())) {
        written << package;
        runQuietly(QStringLiteral("update-mime-database"), {mimeFolder});
    }
    if (entriesChanged)
        runQuietly(QStringLiteral("update-desktop-database"), {applications});
    return written;
}

} // namespace tabulet::platform
