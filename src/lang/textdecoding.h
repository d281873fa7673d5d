#pragma once

#include <QByteArray>
#include <QString>

namespace tabulet::lang {

// Decodes text written by this program or by its Windows version: UTF-8 when the bytes are
// valid UTF-8 (a leading byte-order mark is dropped), else Windows-1252.
QString decodeText(const QByteArray &bytes);

// Decodes Windows-1252 bytes (every byte maps to one character).
QString decodeWindows1252(const QByteArray &bytes);

} // namespace tabulet::lang
