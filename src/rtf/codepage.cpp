#include "rtf/codepage.h"

#include "lang/textdecoding.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tabulet::rtf {

int codePageOfCharset(int charset)
{
    switch (charset) {
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 255:
        return 437;
    default:
        return 0;
    }
}

namespace {

QByteArray icuNameOf(int codePage)
{
    switch (codePage) {
    case 10000:
        return "macintosh";
    case 437:
    case 850:
    case 852:
    case 866:
        return "IBM" + QByteArray::number(codePage);
    default:
        return "windows-" + QByteArray::number(codePage);
    }
}

bool isAscii(const QByteArray &bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

} // namespace

QStringDecoder *CodePageDecoder::decoderFor(int codePage)
{
    auto found = m_decoders.find(codePage);
    if (found == m_decoders.end()) {
        std::unique_ptr<QStringDecoder> decoder;
        if (codePage > 0 && codePage < 100000) {
            decoder =
                std::make_unique<QStringDecoder>(icuNameOf(codePage).constData(), QStringDecoder::Flag::Stateless);
            if (!decoder->isValid())
                decoder.reset();
        }
        found = m_decoders.emplace(codePage, std::move(decoder)).first;
    }
    return found->second.get();
}

void CodePageDecoder::appendUtf8(int codePage, const QByteArray &bytes, QByteArray &out)
{
    if (isAscii(bytes)) {
        out += bytes;
        return;
    }
    if (codePage == kUtf8CodePage) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        out += QString(utf8.decode(bytes)).toUtf8();
        return;
    }
    if (codePage != kWindows1252) {
        if (QStringDecoder *decoder = decoderFor(codePage)) {
            const QString text = decoder->decode(bytes);
            // A lone lead byte of a double-byte code page decodes to nothing: keep a mark of it.
            out += text.isEmpty() ? QByteArrayLiteral("\xEF\xBF\xBD") : text.toUtf8();
            return;
        }
    }
    out += lang::decodeWindows1252(bytes).toUtf8();
}

int windows1252ByteOf(char32_t character)
{
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return static_cast<int>(character);
    // The 27 characters of 0x80..0x9F that are not C1 controls, and the five undefined
    // bytes that stand for themselves, sorted by character.
    static const std::array<std::pair<char32_t, std::uint8_t>, 32> table = [] {
        std::array<std::pair<char32_t, std::uint8_t>, 32> entries{};
        QByteArray bytes(32, '\0');
        for (int i = 0; i < 32; ++i)
            bytes[i] = static_cast<char>(0x80 + i);
        const QString decoded = lang::decodeWindows1252(bytes);
        for (int i = 0; i < 32; ++i)
            entries[static_cast<std::size_t>(i)] = {decoded.at(i).unicode(), static_cast<std::uint8_t>(0x80 + i)};
        std::sort(entries.begin(), entries.end());
        return entries;
    }();
    const auto found = std::lower_bound(table.begin(), table.end(), std::pair<char32_t, std::uint8_t>{character, 0});
    return found != table.end() && found->first == character ? found->second : -1;
}

} // namespace tabulet::rtf
