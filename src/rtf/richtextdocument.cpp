#include "rtf/richtextdocument.h"

namespace tabulet::rtf {

QString RichTextDocument::plainText() const
{
    QString text;
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        if (i > 0)
            text += QLatin1Char('\n');
        for (const Run &run : paragraphs[i].runs) {
            if (run.isPicture())
                text += QChar(QChar::ObjectReplacementCharacter);
            else
                text += QString::fromUtf8(run.text);
        }
    }
    return text;
}

void appendText(Paragraph &paragraph, const QByteArray &utf8, const CharacterFormat &format)
{
    if (utf8.isEmpty())
        return;
    if (!paragraph.runs.empty()) {
        Run &last = paragraph.runs.back();
        if (!last.isPicture() && last.format == format) {
            last.text += utf8;
            return;
        }
    }
    paragraph.runs.push_back(Run{format, utf8, std::nullopt});
}

} // namespace tabulet::rtf
