#include "net/transferheader.h"

#include "lang/textdecoding.h"
#include "rtf/codepage.h"

#include <QList>
#include <QStringDecoder>
#include <QtEndian>

namespace tabulet::net {

namespace {

constexpr qsizetype kSenderOffset = kHeaderStartSize;
constexpr qsizetype kTitleOffset = kSenderOffset + kTextFieldSize;

void putInt(QByteArray &bytes, qsizetype offset, quint32 value)
{
    qToLittleEndian(value, bytes.data() + offset);
}

quint32 intAt(QByteArrayView bytes, qsizetype offset)
{
    return qFromLittleEndian<quint32>(bytes.data() + offset);
}

void putTextField(QByteArray &bytes, qsizetype offset, const QByteArray &text)
{
    const QByteArray field = textFieldBytes(text);
    std::copy(field.begin(), field.end(), bytes.begin() + offset);
}

std::optional<QString> strictUtf8(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return std::nullopt;
    return text;
}

// Length of a UTF-8 sequence that its lead byte announces; 0 for a continuation byte.
int sequenceLength(unsigned char lead)
{
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return lead >= 0x80 ? 0 : 1;
}

// A full field whose last character was cut by a 64-byte limit: the bytes without that
// incomplete last sequence, or nullopt when the field does not end so.
std::optional<QByteArrayView> withoutCutCharacter(QByteArrayView bytes)
{
    if (bytes.size() != kTextFieldSize)
        return std::nullopt;
    for (qsizetype back = 1; back <= 3; ++back) {
        const auto byte = static_cast<unsigned char>(bytes.at(bytes.size() - back));
        const int length = sequenceLength(byte);
        if (length == 0)
            continue;
        if (length > back)
            return bytes.first(bytes.size() - back);
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

TransferHeader TransferHeader::stopRequest()
{
    TransferHeader header;
    header.kind = 1;
    header.headerSize = static_cast<qint32>(kHeaderStartSize);
    return header;
}

QByteArray encodeTransferHeader(const TransferHeader &header)
{
    QByteArray bytes(header.isStopRequest() ? kHeaderStartSize : kNoteHeaderSize, '\0');
    putInt(bytes, 0, header.kind);
    putInt(bytes, 4, static_cast<quint32>(header.headerSize));
    putInt(bytes, 8, static_cast<quint32>(header.fileLength));
    if (!header.isStopRequest()) {
        putTextField(bytes, kSenderOffset, header.sender);
        putTextField(bytes, kTitleOffset, header.title);
    }
    return bytes;
}

std::optional<TransferHeader> decodeHeaderStart(QByteArrayView bytes)
{
    if (bytes.size() < kHeaderStartSize)
        return std::nullopt;
    TransferHeader header;
    header.kind = intAt(bytes, 0);
    header.headerSize = static_cast<qint32>(intAt(bytes, 4));
    header.fileLength = static_cast<qint32>(intAt(bytes, 8));
    return header;
}

std::optional<TransferHeader> decodeTransferHeader(QByteArrayView bytes)
{
    std::optional<TransferHeader> header = decodeHeaderStart(bytes);
    if (!header || header->isStopRequest())
        return header;
    if (bytes.size() < kNoteHeaderSize)
        return std::nullopt;
    header->sender = textFieldBytes(bytes.sliced(kSenderOffset, kTextFieldSize));
    header->title = textFieldBytes(bytes.sliced(kTitleOffset, kTextFieldSize));
    return header;
}

QByteArray textFieldBytes(QByteArrayView field)
{
    const QByteArrayView limited = field.first(std::min(field.size(), kTextFieldSize));
    const qsizetype end = limited.indexOf('\0');
    return (end < 0 ? limited : limited.first(end)).toByteArray();
}

QByteArray encodeTextField(const QString &text)
{
    // A zero would end the field early on every receiver.
    const QList<uint> characters = text.left(text.indexOf(QChar(0))).toUcs4();
    QByteArray windows1252;
    for (const uint character : characters) {
        const int byte = rtf::windows1252ByteOf(character);
        if (byte < 0)
            break;
        windows1252.append(static_cast<char>(byte));
    }
    if (windows1252.size() == characters.size())
        return windows1252.left(kTextFieldSize);

    QByteArray utf8;
    for (const uint character : characters) {
        const auto codePoint = static_cast<char32_t>(character);
        const QByteArray piece = QString::fromUcs4(&codePoint, 1).toUtf8();
        if (utf8.size() + piece.size() > kTextFieldSize)
            break;
        utf8.append(piece);
    }
    return utf8;
}

QString decodeTextField(QByteArrayView field)
{
    const QByteArray bytes = textFieldBytes(field);
    if (std::optional<QString> text = strictUtf8(bytes))
        return *text;
    if (std::optional<QByteArrayView> whole = withoutCutCharacter(bytes)) {
        if (std::optional<QString> text = strictUtf8(*whole))
            return *text;
    }
    return lang::decodeWindows1252(bytes);
}

} // namespace tabulet::net
