#include "rtfconv/plaintextconversion.h"

namespace tabulet::rtfconv {

QByteArray toPlainTextUtf8(const rtf::RichTextDocument &document)
{
    // The model's text is UTF-8 already: copied as it is, with line separators made "\n".
    static constexpr QByteArrayView kLineSeparator = "\xE2\x80\xA8";
    qsizetype size = 0;
    for (const rtf::Paragraph &paragraph : document.paragraphs) {
        for (const rtf::Run &run : paragraph.runs)
            size += run.text.size();
        ++size;
    }
    QByteArray text;
    text.reserve(size);
    bool first = true;
    for (const rtf::Paragraph &paragraph : document.paragraphs) {
        if (!first)
            text += '\n';
        first = false;
        for (const rtf::Run &run : paragraph.runs) {
            if (run.isPicture())
                continue;
            qsizetype from = 0;
            for (qsizetype found = run.text.indexOf(kLineSeparator); found >= 0;
                 found = run.text.indexOf(kLineSeparator, from)) {
                text.append(QByteArrayView(run.text).sliced(from, found - from)).append('\n');
                from = found + kLineSeparator.size();
            }
            text.append(QByteArrayView(run.text).sliced(from));
        }
    }
    return text;
}

QString toPlainText(const rtf::RichTextDocument &document)
{
    return QString::fromUtf8(toPlainTextUtf8(document));
}

} // namespace tabulet::rtfconv
