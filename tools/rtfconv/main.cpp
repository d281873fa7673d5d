// rtfconv --to text|html|rtf FILE: converts a note (RTF, or plain text) to standard output.
// Installed as tabulet-rtfconv; its messages name it as it was called.
#include "launch/version.h"
#include "rtf/rtfreader.h"
#include "rtf/rtfwriter.h"
#include "rtfconv/htmlconversion.h"
#include "rtfconv/plaintextconversion.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <cstdio>

namespace {

constexpr int kExitUnreadable = 1;
constexpr int kExitUsage = 2;
constexpr int kExitWriteFailed = 3;

QByteArray programName = "rtfconv";

void printError(const QString &message)
{
    std::fputs((QString::fromLocal8Bit(programName) + ": " + message + '\n').toLocal8Bit().constData(), stderr);
}

QByteArray usageText()
{
    return "usage: " + programName + " --to text|html|rtf FILE\n";
}

int usage()
{
    std::fputs(usageText().constData(), stderr);
    return kExitUsage;
}

int help()
{
    const QByteArray text = usageText() +
                            "\n"
                            "Converts a Tabulet note (RTF, or plain text) and writes it to standard output:\n"
                            "  --to text   the text as UTF-8, one line per paragraph\n"
                            "  --to html   an HTML page with the note's formatting, links and pictures\n"
                            "  --to rtf    the note written again as Tabulet writes notes\n"
                            "  --version   show the version and exit\n"
                            "\n"
                            "Exit status: 0 converted, 1 FILE unreadable, 2 wrong arguments, 3 output not written.\n";
    std::fputs(text.constData(), stdout);
    return 0;
}

// As "tabulet --version" prints it, with this program's name.
int version()
{
    std::printf("%s %s\n", programName.constData(), tabulet::launch::kVersion);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 0)
        programName = QFileInfo(QFile::decodeName(argv[0])).fileName().toLocal8Bit();
    if (argc == 2 && (QByteArray(argv[1]) == "--help" || QByteArray(argv[1]) == "-h"))
        return help();
    if (argc == 2 && QByteArray(argv[1]) == "--version")
        return version();
    if (argc != 4 || QByteArray(argv[1]) != "--to")
        return usage();
    const QByteArray target(argv[2]);
    if (target != "text" && target != "html" && target != "rtf")
        return usage();

    const QString path = QFile::decodeName(argv[3]);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        printError(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        return kExitUnreadable;
    }
    const QByteArray input = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        printError(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        return kExitUnreadable;
    }

    const tabulet::rtf::RichTextDocument document = tabulet::rtf::readRtf(input);
    QByteArray output;
    if (target == "text")
        output = tabulet::rtfconv::toPlainTextUtf8(document);
    else if (target == "html")
        output = tabulet::rtfconv::toHtml(document).toUtf8();
    else
        output = tabulet::rtf::writeRtf(document);

    const std::size_t size = static_cast<std::size_t>(output.size());
    if (std::fwrite(output.constData(), 1, size, stdout) != size || std::fflush(stdout) != 0) {
        printError(QStringLiteral("cannot write the conversion to standard output"));
        return kExitWriteFailed;
    }
    return 0;
}
