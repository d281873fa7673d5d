#include "app/instancehandover.h"

#include "launch/handovermessage.h"

#include <QDataStream>
#include <QDir>
#include <QIODevice>
#include <QtEndian>

namespace tabulet::app {

namespace {

constexpr int kLengthBytes = 4;

} // namespace

std::optional<Handover> decodeHandover(const QByteArray &bytes, bool *complete)
{
    *complete = false;
    if (bytes.size() < kLengthBytes)
        return std::nullopt;
    const quint32 length = qFromBigEndian<quint32>(bytes.constData());
    if (length == 0 || length > launch::kMaxHandoverBytes) {
        *complete = true;
        return std::nullopt;
    }
    if (bytes.size() < kLengthBytes + qint64(length))
        return std::nullopt;
    *complete = true;
    QDataStream stream(bytes.mid(kLengthBytes, length));
    quint32 magic = 0;
    quint32 count = 0;
    stream >> magic >> count;
    // Every argument takes at least its own 4-byte length: a larger count is a lie.
    if (magic != launch::kHandoverMagic || count > length / kLengthBytes)
        return std::nullopt;
    Handover handover;
    QByteArray text;
    for (quint32 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        stream >> text;
        handover.arguments.append(QString::fromLocal8Bit(text));
    }
    stream >> text >> handover.activationToken;
    handover.workingFolder = QString::fromLocal8Bit(text);
    if (stream.status() != QDataStream::Ok || !stream.atEnd())
        return std::nullopt;
    return handover;
}

CommandLine commandLineOf(const Handover &handover)
{
    CommandLine commandLine = parseCommandLine(handover.arguments);
    const QDir folder(handover.workingFolder);
    for (QString *path : {&commandLine.languageFile, &commandLine.themeFile}) {
        if (!path->isEmpty())
            *path = folder.absoluteFilePath(*path);
    }
    return commandLine;
}

} // namespace tabulet::app
