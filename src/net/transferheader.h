#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace tabulet::net {

// Sizes on the wire. A note is a 140-byte header followed by `filelength` file bytes; a stop
// request is the header's first 12 bytes alone.
inline constexpr qsizetype kNoteHeaderSize = 140;
inline constexpr qsizetype kHeaderStartSize = 12;
inline constexpr qsizetype kTextFieldSize = 64;
inline constexpr quint16 kDefaultPort = 1614;

// The header that opens every transfer: integers 32-bit little-endian, then the sender's name
// and the note's title as NUL-padded 64-byte fields. Texts stay wire bytes here; encodeTextField
// and decodeTextField convert them.
struct TransferHeader
{
    quint32 kind = 0; // 0 for a note; a non-zero first byte makes a stop request
    qint32 headerSize = static_cast<qint32>(kNoteHeaderSize);
    qint32 fileLength = 0;
    QByteArray sender; // at most 64 bytes, no NUL
    QByteArray title;  // at most 64 bytes, no NUL

    // Only the first byte counts, as every receiver of this format reads it.
    bool isStopRequest() const { return (kind & 0xFFu) != 0; }

    static TransferHeader stopRequest();
};

// 140 bytes for a note, the 12 bytes 01 00 00 00 0C 00 00 00 00 00 00 00 for a stop request.
// Texts longer than a field are cut to 64 bytes and then carry no terminating zero.
QByteArray encodeTransferHeader(const TransferHeader &header);

// Reads kind, `headersize` and `filelength` from the first 12 bytes; nullopt when fewer came.
std::optional<TransferHeader> decodeHeaderStart(QByteArrayView bytes);

// Reads a whole header: its first 12 bytes, then for a note the two text fields of bytes
// 12..139. nullopt when a note's 140 bytes or a stop request's 12 did not all come.
std::optional<TransferHeader> decodeTransferHeader(QByteArrayView bytes);

// A field's text ends at its first zero byte or after 64 bytes.
QByteArray textFieldBytes(QByteArrayView field);

// A text as a Windows receiver shows it right: Windows-1252 when every character has a place
// there, else UTF-8 cut at a character boundary at or below 64 bytes.
QByteArray encodeTextField(const QString &text);

// A received field as text: UTF-8 when valid (also when the sender cut a character in two at
// byte 64), else Windows-1252.
QString decodeTextField(QByteArrayView field);

} // namespace tabulet::net
