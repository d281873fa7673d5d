#pragma once

#include <QByteArray>
#include <QStringDecoder>

#include <map>
#include <memory>

namespace tabulet::rtf {

inline constexpr int kWindows1252 = 1252;
inline constexpr int kUtf8CodePage = 65001;

// The Windows code page that an RTF \fcharset stands for; 0 when the charset says nothing
// beyond the document's \ansicpg (ANSI, default, symbol and unknown charsets).
int codePageOfCharset(int charset);

// Turns bytes of Windows code pages into UTF-8. Unknown or unsupported code pages are read
// as Windows-1252, so no input is ever lost. Decoders are made once per code page.
class CodePageDecoder final
{
public:
    // Appends the UTF-8 form of bytes in the given code page to out.
    void appendUtf8(int codePage, const QByteArray &bytes, QByteArray &out);

private:
    QStringDecoder *decoderFor(int codePage);

    std::map<int, std::unique_ptr<QStringDecoder>> m_decoders;
};

// The Windows-1252 byte for a Unicode character, or -1 when it has none.
int windows1252ByteOf(char32_t character);

} // namespace tabulet::rtf
