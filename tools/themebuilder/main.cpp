// themebuilder --source DIR --output FILE.tabutheme
//     paints the theme described by DIR/config.xml and DIR/look.json and packs it.
// themebuilder --preview FILE.tabutheme --output FILE.png
//     composes sample windows of every subtheme from a package, for looking at a theme.
#include "themebuilder/look.h"
#include "themebuilder/package.h"
#include "themebuilder/preview.h"
#include "themebuilder/themebuild.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

namespace {

constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

int fail(const QString &message)
{
    std::fputs(("themebuilder: " + message + '\n').toLocal8Bit().constData(), stderr);
    return kExitFailed;
}

int usage()
{
    std::fputs("usage: themebuilder --source DIR --output FILE.tabutheme\n"
               "       themebuilder --preview FILE.tabutheme --output FILE.png\n",
               stderr);
    return kExitUsage;
}

bool readFile(const QString &path, QByteArray *bytes, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    *bytes = file.readAll();
    return true;
}

int build(const QString &sourceFolder, const QString &output)
{
    using namespace tabulet::themebuilder;
    const QDir folder(sourceFolder);
    QByteArray config;
    QByteArray lookJson;
    QString error;
    if (!readFile(folder.filePath(QStringLiteral("config.xml")), &config, &error) ||
        !readFile(folder.filePath(QStringLiteral("look.json")), &lookJson, &error))
        return fail(error);
    const std::optional<Look> look = readLook(lookJson, &error);
    if (!look)
        return fail(error);
    const std::optional<std::vector<PackageMember>> members = buildThemeMembers(config, *look, &error);
    if (!members)
        return fail(folder.path() + QStringLiteral(": ") + error);
    if (!writePackage(output, *members, &error))
        return fail(error);
    return 0;
}

int preview(const QString &package, const QString &output)
{
    QString error;
    const QImage sheet = tabulet::themebuilder::renderPreviewSheet(package, &error);
    if (sheet.isNull())
        return fail(error);
    if (!sheet.save(output, "PNG"))
        return fail(output + QStringLiteral(": cannot be written"));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    // Painting needs no screen; the build machine has none.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 5 || arguments.at(3) != QLatin1String("--output"))
        return usage();
    if (arguments.at(1) == QLatin1String("--source"))
        return build(arguments.at(2), arguments.at(4));
    if (arguments.at(1) == QLatin1String("--preview"))
        return preview(arguments.at(2), arguments.at(4));
    return usage();
}
