#include "platform/desktopregistration.h"

#include "printers.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tabulet;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(DesktopRegistration, writesOneEntryPerSwitchAndTheMimePackage)
{
    QTemporaryDir home;
    const QStringList written = platform::registerFileTypes("/usr/bin/tabulet", home.path());
    EXPECT_EQ(written.size(), 3);
    const QByteArray language = readAll(home.filePath("applications/org.tabulet.Tabulet.language.desktop"));
    EXPECT_TRUE(language.contains("Exec=\"/usr/bin/tabulet\" -language %f\n"));
    EXPECT_TRUE(language.contains("MimeType=application/x-tabulet-language;\n"));
    const QByteArray theme = readAll(home.filePath("applications/org.tabulet.Tabulet.theme.desktop"));
    EXPECT_TRUE(theme.contains("Exec=\"/usr/bin/tabulet\" -theme %f\n"));
    const QByteArray mime = readAll(home.filePath("mime/packages/org.tabulet.Tabulet.xml"));
    EXPECT_TRUE(mime.contains("<glob pattern=\"*.tabulang\"/>"));
    EXPECT_TRUE(mime.contains("<glob pattern=\"*.tabutheme\"/>"));
}

TEST(DesktopRegistration, unchangedContent_isNotRewritten)
{
    QTemporaryDir home;
    platform::registerFileTypes("/usr/bin/tabulet", home.path());
    EXPECT_TRUE(platform::registerFileTypes("/usr/bin/tabulet", home.path()).isEmpty());
    const QStringList moved = platform::registerFileTypes("/opt/tabulet/tabulet", home.path());
    EXPECT_EQ(moved.size(), 2) << "only the two entries name the executable";
}

TEST(DesktopRegistration, execLine_keepsAPathWithBlanksInOneArgument)
{
    EXPECT_EQ(platform::desktopExecLine("/home/ann/My Programs/tabulet", "language"),
              "\"/home/ann/My Programs/tabulet\" -language %f");
    EXPECT_EQ(platform::desktopExecLine("/a/$x \"q\"/50%/tabulet", "theme"),
              "\"/a/\\$x \\\"q\\\"/50%%/tabulet\" -theme %f");
}

TEST(DesktopRegistration, entries_passDesktopFileValidate)
{
    const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
    if (validator.isEmpty())
        GTEST_SKIP() << "desktop-file-validate is not installed";
    QTemporaryDir home;
    platform::registerFileTypes("/home/ann/My Programs/tabulet", home.path());
    for (const QString &name : QDir(home.filePath("applications")).entryList({"*.desktop"})) {
        QProcess process;
        process.start(validator, {home.filePath("applications/" + name)});
        ASSERT_TRUE(process.waitForFinished());
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardOutput().toStdString();
    }
}

TEST(DesktopRegistration, unwritableDataHome_isSilentlySkipped)
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_TRUE(platform::registerFileTypes("/usr/bin/tabulet", dir.filePath("blocked")).isEmpty());
    EXPECT_TRUE(platform::registerFileTypes("/usr/bin/tabulet", QString()).isEmpty());
}
