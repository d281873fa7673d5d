// rtfconv as a user runs it: the conversion on standard output, or a message and a failing exit.
#include "launch/version.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Result
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Result rtfconv(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(RTFCONV_PATH), arguments);
    Result result;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

QString writeNote(const QTemporaryDir &dir, const QByteArray &bytes)
{
    const QString path = dir.filePath(QStringLiteral("note.rtf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

const QByteArray kNote = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\pard\\f0\\fs20 "
                         "Hello\\tab {\\b world}\\par caf\\'e9}";

TEST(Rtfconv, convertsToTextHtmlAndRtfOnStandardOutput)
{
    QTemporaryDir dir;
    const QString path = writeNote(dir, kNote);
    ASSERT_FALSE(path.isEmpty());

    const Result text = rtfconv({QStringLiteral("--to"), QStringLiteral("text"), path});
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_EQ(text.out, "Hello\tworld\ncaf\xc3\xa9");

    const Result html = rtfconv({QStringLiteral("--to"), QStringLiteral("html"), path});
    EXPECT_EQ(html.exitCode, 0);
    EXPECT_TRUE(html.out.contains("<b>world</b>"));

    const Result rtf = rtfconv({QStringLiteral("--to"), QStringLiteral("rtf"), path});
    EXPECT_EQ(rtf.exitCode, 0);
    EXPECT_TRUE(rtf.out.startsWith("{\\rtf1"));
}

TEST(Rtfconv, unreadableFileFailsWithAMessage)
{
    QTemporaryDir dir;
    for (const QString &path : {dir.filePath(QStringLiteral("missing.rtf")), dir.path()}) {
        const Result result = rtfconv({QStringLiteral("--to"), QStringLiteral("text"), path});
        EXPECT_EQ(result.exitCode, 1) << path.toStdString();
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_TRUE(result.err.contains("cannot read")) << result.err.toStdString();
        EXPECT_TRUE(result.err.contains(path.toUtf8()));
    }
}

TEST(Rtfconv, wrongArgumentsShowUsage)
{
    for (const QStringList &arguments :
         {QStringList{}, QStringList{QStringLiteral("--to"), QStringLiteral("pdf"), QStringLiteral("x.rtf")},
          QStringList{QStringLiteral("--from"), QStringLiteral("text"), QStringLiteral("x.rtf")}}) {
        const Result result = rtfconv(arguments);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_TRUE(result.err.startsWith("usage: rtfconv"));
    }
    const Result help = rtfconv({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("usage: rtfconv --to text|html|rtf FILE\n"));
    EXPECT_TRUE(help.err.isEmpty());
    const Result version = rtfconv({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "rtfconv " + QByteArray(tabulet::launch::kVersion) + '\n');
}

} // namespace
