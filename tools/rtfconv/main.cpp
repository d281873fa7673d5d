// rtfconv --to text|html|rtf FILE: converts a note (RTF, or plain text) to standard output.
#include "rtf/rtfreader.h"
#include "rtf/rtfwriter.h"
#include "rtfconv/htmlconversion.h"
#include "rtfconv/plaintextconversion.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdio>

namespace {

constexpr int kExitUnreadable = 1;
constexpr int kExitUsage = 2;
constexpr int kExitWriteFailed = 3;

void printError(const QString &message)
{
    std::fputs(("rtfconv: " + message + '\n').toLocal8Bit().constData(), stderr);
}

int usage()
{
    std::fputs("usage: rtfconv --to text|html|rtf FILE\n", stderr);
    return kExitUsage;
}

} // namespace

int main(int argc, char **argv)
{
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
        output = tabulet::rtfconv::toPlainText(document).toUtf8();
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
