#pragma once

#include "rtf/richtextdocument.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

#include <functional>
#include <span>

namespace tabulet::rtf {

// A run as the writer reads it: text in UTF-8 or in UTF-16 (one of them), or a picture.
struct RunView
{
    const CharacterFormat *format = nullptr;
    QByteArrayView utf8;
    QStringView utf16;
    const Picture *picture = nullptr;
};

struct ParagraphView
{
    const ParagraphFormat *format = nullptr;
    const CharacterFormat *markFormat = nullptr;
    std::span<const RunView> runs;
};

// A note's paragraphs in order, handed to the visitor one at a time. The writer walks them
// twice (its tables first, then the text); the formats a view points at must stay where they
// are until the writer is done, its runs only until the visitor returns.
class ParagraphSource
{
public:
    virtual ~ParagraphSource() = default;
    virtual void visit(const std::function<void(const ParagraphView &)> &visitor) const = 0;
};

// Writes the document as RTF in the dialect of the Windows rich-edit control (ASCII only;
// characters outside Windows-1252 as \uN?).
QByteArray writeRtf(const RichTextDocument &document);
QByteArray writeRtf(const ParagraphSource &source);

} // namespace tabulet::rtf
