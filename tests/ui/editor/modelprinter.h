#pragma once

// Readable test failures: GoogleTest finds these printers for the model's types.
#include "rtf/richtextdocument.h"

#include <ostream>

namespace tabulet::rtf {

inline void PrintTo(const CharacterFormat &f, std::ostream *out)
{
    *out << (f.bold ? "b" : "") << (f.italic ? "i" : "") << (f.underline ? "u" : "") << (f.strikeOut ? "s" : "")
         << (f.verticalPosition == VerticalPosition::Superscript ? "^" : "")
         << (f.verticalPosition == VerticalPosition::Subscript ? "_" : "") << (f.allCapitals ? "C" : "")
         << (f.smallCapitals ? "c" : "") << " '" << f.fontFace.toStdString() << "' " << f.sizeHalfPoints << "hp";
    if (f.textColour)
        *out << " fg" << int(f.textColour->red) << ',' << int(f.textColour->green) << ',' << int(f.textColour->blue);
    if (f.fillColour)
        *out << " bg" << int(f.fillColour->red) << ',' << int(f.fillColour->green) << ',' << int(f.fillColour->blue);
    if (!f.linkTarget.isEmpty())
        *out << " link=" << f.linkTarget.toStdString();
}

inline void PrintTo(const ParagraphFormat &f, std::ostream *out)
{
    *out << "align" << int(f.alignment) << " num" << int(f.numbering) << '/' << f.numberingStart << " ind"
         << f.startIndent << ',' << f.rightIndent << ',' << f.firstLineIndent << " sp" << f.spaceBefore << ','
         << f.spaceAfter << " line" << int(f.lineSpacing.rule) << '/' << f.lineSpacing.value << " tabs";
    for (const TabStop &stop : f.tabStops)
        *out << ' ' << stop.position << '/' << int(stop.alignment);
}

inline void PrintTo(const RichTextDocument &document, std::ostream *out)
{
    for (const Paragraph &paragraph : document.paragraphs) {
        *out << "\n  [";
        PrintTo(paragraph.format, out);
        *out << " | mark ";
        PrintTo(paragraph.markFormat, out);
        *out << ']';
        for (const Run &run : paragraph.runs) {
            *out << "\n    ";
            if (run.picture) {
                const Picture &p = *run.picture;
                *out << "picture type" << int(p.type) << ' ' << p.data.size() << " bytes " << p.pixelWidth << 'x'
                     << p.pixelHeight << " shown " << p.displayWidth << 'x' << p.displayHeight << ' ';
            } else {
                *out << '"' << run.text.toStdString() << "\" ";
            }
            PrintTo(run.format, out);
        }
    }
}

} // namespace tabulet::rtf
