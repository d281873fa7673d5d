#pragma once

#include <QByteArray>
#include <QString>

#include <compare>
#include <cstdint>
#include <optional>
#include <vector>

// A toolkit-neutral rich-text model: what a note holds, independent of RTF and of QTextDocument.
// Lengths are in twips (1/1440 inch) unless a name says otherwise.
namespace tabulet::rtf {

// A 24-bit colour, red first.
struct Colour
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const Colour &, const Colour &) = default;
};

enum class VerticalPosition { Normal, Superscript, Subscript };

// The most a run is raised or lowered, in half-points (a thousand points).
inline constexpr int kMaxOffsetHalfPoints = 2000;

struct CharacterFormat
{
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    VerticalPosition verticalPosition = VerticalPosition::Normal;
    int offsetHalfPoints = 0; // raised (above 0) or lowered (below 0) from the baseline: \up, \dn
    bool allCapitals = false;
    bool smallCapitals = false;
    QString fontFace;                 // empty: the reader's default font had no name
    int sizeHalfPoints = 24;          // 24 = 12 pt
    std::optional<Colour> textColour; // none: automatic
    std::optional<Colour> fillColour; // none: automatic (no highlight)
    QString linkTarget;               // non-empty: the run is part of a hyperlink

    friend bool operator==(const CharacterFormat &, const CharacterFormat &) = default;
};

enum class Alignment { Left, Centre, Right, Justified };

enum class Numbering { None, Bullet, Arabic, LowerLetter, UpperLetter, LowerRoman, UpperRoman };

enum class LineSpacingRule {
    Single,
    Proportional, // value in percent of a single line (150 = one and a half lines)
    AtLeast,      // value in twips
    Exactly,      // value in twips
};

struct LineSpacing
{
    LineSpacingRule rule = LineSpacingRule::Single;
    int value = 0;

    friend bool operator==(const LineSpacing &, const LineSpacing &) = default;
};

enum class TabAlignment { Left, Centre, Right, Decimal };

struct TabStop
{
    int position = 0;
    TabAlignment alignment = TabAlignment::Left;

    friend bool operator==(const TabStop &, const TabStop &) = default;
};

struct ParagraphFormat
{
    Alignment alignment = Alignment::Left;
    Numbering numbering = Numbering::None;
    int numberingStart = 1; // first number of a numbered list; ignored for bullets and none
    int startIndent = 0;    // left indent of the paragraph's lines
    int rightIndent = 0;
    int firstLineIndent = 0; // relative to startIndent; negative for a hanging first line
    int spaceBefore = 0;
    int spaceAfter = 0;
    LineSpacing lineSpacing;
    std::vector<TabStop> tabStops; // ascending positions

    friend bool operator==(const ParagraphFormat &, const ParagraphFormat &) = default;
};

enum class PictureType { Png, Jpeg };

// An inline picture: the image file's bytes and the size it is shown at.
struct Picture
{
    PictureType type = PictureType::Png;
    QByteArray data;
    int pixelWidth = 0; // size of the image itself, when known
    int pixelHeight = 0;
    int displayWidth = 0; // shown size in twips, scaling applied
    int displayHeight = 0;

    friend bool operator==(const Picture &, const Picture &) = default;
};

// A stretch of text of one character format, or one picture. Text is UTF-8 and never holds a
// paragraph break: tabs are "\t", line breaks inside a paragraph are U+2028 LINE SEPARATOR.
struct Run
{
    CharacterFormat format;
    QByteArray text;
    std::optional<Picture> picture; // set: the run is this picture and its text is empty

    bool isPicture() const { return picture.has_value(); }
    friend bool operator==(const Run &, const Run &) = default;
};

struct Paragraph
{
    ParagraphFormat format;
    std::vector<Run> runs;
    CharacterFormat markFormat; // the format of the paragraph mark; what an empty paragraph types with

    friend bool operator==(const Paragraph &, const Paragraph &) = default;
};

// A document has at least one paragraph. Positions in it count one character for each
// character (UTF-16 code unit) of text, each picture and each paragraph break.
struct RichTextDocument
{
    std::vector<Paragraph> paragraphs{Paragraph{}};

    // The text with "\n" between paragraphs and U+FFFC for each picture.
    QString plainText() const;

    friend bool operator==(const RichTextDocument &, const RichTextDocument &) = default;
};

// Appends text to a paragraph, merging it into the last run when that has the same format.
void appendText(Paragraph &paragraph, const QByteArray &utf8, const CharacterFormat &format);

} // namespace tabulet::rtf
