#include "rtfconv/plaintextconversion.h"

namespace tabulet::rtfconv {

QString toPlainText(const rtf::RichTextDocument &document)
{
    QString text;
    bool first = true;
    for (const rtf::Paragraph &paragraph : document.paragraphs) {
        if (!first)
            text += QLatin1Char('\n');
        first = false;
        for (const rtf::Run &run : paragraph.runs) {
            if (!run.isPicture())
                text += QString::fromUtf8(run.text).replace(QChar::LineSeparator, QLatin1Char('\n'));
        }
    }
    return text;
}

} // namespace tabulet::rtfconv
