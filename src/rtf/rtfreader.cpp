#include "rtf/rtfreader.h"

#include "rtf/rtfparser.h"

#include "lang/textdecoding.h"

namespace tabulet::rtf {

bool looksLikeRtf(const QByteArray &bytes)
{
    qsizetype pos = 0;
    while (pos < bytes.size() && QByteArrayView(" \t\r\n").contains(bytes.at(pos)))
        ++pos;
    return QByteArrayView(bytes).sliced(pos).startsWith("{\\rtf");
}

RichTextDocument readPlainText(const QByteArray &bytes)
{
    QString text = lang::decodeText(bytes);
    text.remove(QChar(0));
    RichTextDocument document;
    document.paragraphs.clear();
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool atEnd = i == text.size();
        if (!atEnd && text.at(i) != QLatin1Char('\n') && text.at(i) != QLatin1Char('\r'))
            continue;
        Paragraph paragraph;
        appendText(paragraph, QStringView(text).sliced(lineStart, i - lineStart).toUtf8(), CharacterFormat{});
        document.paragraphs.push_back(std::move(paragraph));
        if (!atEnd && text.at(i) == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        lineStart = i + 1;
    }
    return document;
}

RichTextDocument readRtf(const QByteArray &bytes, const ReadLimits &limits)
{
    if (!looksLikeRtf(bytes))
        return readPlainText(bytes);
    return RtfParser(bytes, limits).parse();
}

} // namespace tabulet::rtf
