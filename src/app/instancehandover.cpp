#include "app/instancehandover.h"

#include <QDataStream>
#include <QDir>
#include <QIODevice>
#include <QtEndian>

namespace tabulet::app {

namespace {

constexpr quint32 kMagic = 0x54425548; // "TBUH"
constexpr int kLengthBytes = 4;

} // namespace

QByteArray encodeHandover(const Handover &handover)
{
    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_6_4);
    stream << kMagic << quint32(handover.arguments.size());
    for (const QString &argument : handover.arguments)
        stream << argument;
    stream << handover.workingFolder << handover.activationToken;
    QByteArray frame(kLengthBytes, Qt::Uninitialized);
    qToBigEndian(static_cast<quint32>(payload.size()), frame.data());
    return frame + payload;
}

std::optional<Handover> decodeHandover(const QByteArray &bytes, bool *complete)
{
    *complete = false;
    if (bytes.size() < kLengthBytes)
        return std::nullopt;
    const quint32 length = qFromBigEndian<quint32>(bytes.constData());
    if (length == 0 || length > kMaxHandoverBytes) {
        *complete = true;
        return std::nullopt;
    }
    if (bytes.size() < kLengthBytes + qint64(length))
        return std::nullopt;
    *complete = true;
    QDataStream stream(bytes.mid(kLengthBytes, length));
    stream.setVersion(QDataStream::Qt_6_4);
    quint32 magic = 0;
    quint32 count = 0;
    stream >> magic >> count;
    // Every argument takes at least its own 4-byte length: a larger count is a lie.
    if (magic != kMagic || count > length / kLengthBytes)
        return std::nullopt;
    Handover handover;
    for (quint32 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        QString argument;
        stream >> argument;
        handover.arguments.append(argument);
    }
    stream >> handover.workingFolder >> handover.activationToken;
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
