#include "rtf/rtfwriter.h"

#include "rtf/codepage.h"
#include "rtf/fieldinstruction.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace tabulet::rtf {

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr qsizetype kHexLineLength = 128;

// Whether a numbered paragraph belongs to the list of the paragraph before it.
bool continuesList(const ParagraphFormat &previous, const ParagraphFormat &format)
{
    return previous.numbering == format.numbering && previous.numberingStart == format.numberingStart;
}

class Writer final
{
public:
    explicit Writer(const ParagraphSource &source) : m_source(source) {}

    QByteArray write();

private:
    void collectTables();
    int fontIndex(const QString &face) const;
    int colourIndex(const std::optional<Colour> &colour) const;

    void writeHeader();
    void writeListTables();
    void writeParagraphFormat(const ParagraphFormat &format, int list);
    void writeNumberLabel(const ParagraphFormat &format, int number);
    void writeRuns(std::span<const RunView> runs);
    void writeField(const QString &target, std::span<const RunView> runs);
    void writeRun(const RunView &run);
    void writePicture(const Picture &picture);
    void changeFormat(const CharacterFormat &to);

    void word(const char *controlWord);
    void word(const char *controlWord, int parameter);
    void text(QByteArrayView utf8);
    void text(QStringView utf16);
    void character(char32_t c);

    const ParagraphSource &m_source;
    QByteArray m_out;
    bool m_afterWord = false; // a control word was written last: text needs a delimiter
    std::vector<QString> m_fonts;
    int m_symbolFont = -1;
    // Each run of neighbouring paragraphs with one numbering is a list: its format, and the
    // list (1-based, 0 for none) of each paragraph.
    std::vector<ParagraphFormat> m_lists;
    std::vector<int> m_listOfParagraph;
    std::vector<Colour> m_colours;
    CharacterFormat m_current;
    qsizetype m_expectedSize = 1024; // the output's size give or take its control words
};

QByteArray Writer::write()
{
    collectTables();
    m_out.reserve(m_expectedSize);
    writeHeader();
    m_current = CharacterFormat{};
    m_current.fontFace = m_fonts.front();

    const ParagraphFormat *previous = nullptr;
    int number = 0;
    std::size_t i = 0;
    m_source.visit([&](const ParagraphView &paragraph) {
        const ParagraphFormat &format = *paragraph.format;
        if (!previous || *previous != format)
            writeParagraphFormat(format, m_listOfParagraph[i]);
        if (format.numbering != Numbering::None) {
            number = previous && continuesList(*previous, format) ? number + 1 : format.numberingStart;
            writeNumberLabel(format, number);
        }
        writeRuns(paragraph.runs);
        changeFormat(*paragraph.markFormat);
        word("par");
        m_out += "\r\n";
        m_afterWord = false;
        previous = &format;
        ++i;
    });
    m_out += '}';
    return m_out;
}

void Writer::collectTables()
{
    const auto addFont = [this](const QString &face) {
        if (std::find(m_fonts.begin(), m_fonts.end(), face) == m_fonts.end())
            m_fonts.push_back(face);
    };
    const auto addColour = [this](const std::optional<Colour> &colour) {
        if (colour && std::find(m_colours.begin(), m_colours.end(), *colour) == m_colours.end())
            m_colours.push_back(*colour);
    };
    const CharacterFormat *added = nullptr;
    const auto addFormat = [&](const CharacterFormat &format) {
        if (added && (added == &format || *added == format))
            return;
        added = &format;
        addFont(format.fontFace);
        addColour(format.textColour);
        addColour(format.fillColour);
    };
    bool bullets = false;
    const ParagraphFormat *previous = nullptr;
    m_source.visit([&](const ParagraphView &paragraph) {
        for (const RunView &run : paragraph.runs) {
            addFormat(*run.format);
            m_expectedSize +=
                run.utf8.size() + run.utf16.size() + (run.picture ? 2 * run.picture->data.size() + 128 : 16);
        }
        addFormat(*paragraph.markFormat);
        m_expectedSize += 16;
        const ParagraphFormat &format = *paragraph.format;
        bullets = bullets || format.numbering == Numbering::Bullet;
        if (format.numbering != Numbering::None && !(previous && continuesList(*previous, format)))
            m_lists.push_back(format);
        m_listOfParagraph.push_back(format.numbering == Numbering::None ? 0 : static_cast<int>(m_lists.size()));
        previous = &format;
    });
    if (m_fonts.empty())
        m_fonts.push_back(QStringLiteral("Arial"));
    if (bullets) {
        m_symbolFont = static_cast<int>(m_fonts.size());
        m_fonts.push_back(QStringLiteral("Symbol"));
    }
}

int Writer::fontIndex(const QString &face) const
{
    const auto found = std::find(m_fonts.begin(), m_fonts.end(), face);
    return found == m_fonts.end() ? 0 : static_cast<int>(found - m_fonts.begin());
}

int Writer::colourIndex(const std::optional<Colour> &colour) const
{
    if (!colour)
        return 0;
    const auto found = std::find(m_colours.begin(), m_colours.end(), *colour);
    return found == m_colours.end() ? 0 : static_cast<int>(found - m_colours.begin()) + 1;
}

void Writer::writeHeader()
{
    m_out += R"({\rtf1\ansi\ansicpg1252\deff0{\fonttbl)";
    for (std::size_t i = 0; i < m_fonts.size(); ++i) {
        m_out += "{";
        word("f", static_cast<int>(i));
        word("fnil");
        word("fcharset", static_cast<int>(i) == m_symbolFont ? 2 : 0);
        m_afterWord = true;
        QByteArray name = m_fonts[i].toUtf8();
        if (!name.isEmpty()) {
            const qsizetype before = m_out.size();
            text(name);
            // ";" ends an entry: a face that holds one keeps it as an escaped byte.
            QByteArray written = m_out.mid(before);
            m_out.truncate(before);
            m_out += written.replace(";", "\\'3b");
        }
        m_out += ";}";
        m_afterWord = false;
    }
    m_out += "}";
    if (!m_colours.empty()) {
        m_out += "\r\n{\\colortbl ;";
        for (const Colour &colour : m_colours) {
            word("red", colour.red);
            word("green", colour.green);
            word("blue", colour.blue);
            m_out += ';';
            m_afterWord = false;
        }
        m_out += "}";
    }
    writeListTables();
    m_out += "\r\n";
    word("viewkind", 4);
    word("uc", 1);
}

// Word's list tables beside the rich-edit numbering: the rich-edit control skips them, and
// word processors that read only them keep the numbering style and start.
void Writer::writeListTables()
{
    if (m_lists.empty())
        return;
    m_out += "\r\n{\\*\\listtable";
    for (std::size_t i = 0; i < m_lists.size(); ++i) {
        const ParagraphFormat &format = m_lists[i];
        m_out += "{";
        word("list");
        word("listtemplateid", static_cast<int>(i) + 1);
        word("listsimple");
        m_out += "{";
        word("listlevel");
        switch (format.numbering) {
        case Numbering::Bullet:
            word("levelnfc", 23);
            word("levelstartat", 1);
            m_out += R"({\leveltext\'01\u8226?;}{\levelnumbers;})";
            m_afterWord = false;
            word("f", m_symbolFont);
            break;
        default:
            word("levelnfc", format.numbering == Numbering::UpperRoman    ? 1
                             : format.numbering == Numbering::LowerRoman  ? 2
                             : format.numbering == Numbering::UpperLetter ? 3
                             : format.numbering == Numbering::LowerLetter ? 4
                                                                          : 0);
            word("levelstartat", format.numberingStart);
            m_out += R"({\leveltext\'02\'00.;}{\levelnumbers\'01;})";
            m_afterWord = false;
            break;
        }
        word("fi", -360);
        word("li", 720);
        m_out += "}";
        word("listid", static_cast<int>(i) + 1);
        m_out += "}";
        m_afterWord = false;
    }
    m_out += "}\r\n{\\*\\listoverridetable";
    for (std::size_t i = 0; i < m_lists.size(); ++i) {
        m_out += "{";
        word("listoverride");
        word("listid", static_cast<int>(i) + 1);
        word("listoverridecount", 0);
        word("ls", static_cast<int>(i) + 1);
        m_out += "}";
        m_afterWord = false;
    }
    m_out += "}";
}

void Writer::writeParagraphFormat(const ParagraphFormat &format, int list)
{
    word("pard");
    switch (format.alignment) {
    case Alignment::Left:
        break;
    case Alignment::Centre:
        word("qc");
        break;
    case Alignment::Right:
        word("qr");
        break;
    case Alignment::Justified:
        word("qj");
        break;
    }
    if (format.numbering != Numbering::None) {
        m_out += "{\\*";
        word("pn");
        switch (format.numbering) {
        case Numbering::Bullet:
            word("pnlvlblt");
            word("pnf", m_symbolFont);
            word("pnindent", 0);
            m_out += "{\\pntxtb\\'b7}}";
            m_afterWord = false;
            break;
        default:
            word("pnlvlbody");
            word("pnf", 0);
            word("pnindent", 0);
            word("pnstart", format.numberingStart);
            word(format.numbering == Numbering::Arabic        ? "pndec"
                 : format.numbering == Numbering::LowerLetter ? "pnlcltr"
                 : format.numbering == Numbering::UpperLetter ? "pnucltr"
                 : format.numbering == Numbering::LowerRoman  ? "pnlcrm"
                                                              : "pnucrm");
            m_out += "{\\pntxta.}}";
            m_afterWord = false;
            break;
        }
        word("ls", list);
    }
    if (format.firstLineIndent != 0)
        word("fi", format.firstLineIndent);
    if (format.startIndent != 0)
        word("li", format.startIndent);
    if (format.rightIndent != 0)
        word("ri", format.rightIndent);
    if (format.spaceBefore != 0)
        word("sb", format.spaceBefore);
    if (format.spaceAfter != 0)
        word("sa", format.spaceAfter);
    const LineSpacing &spacing = format.lineSpacing;
    switch (spacing.rule) {
    case LineSpacingRule::Single:
        break;
    case LineSpacingRule::Proportional:
        if (spacing.value != 100) {
            word("sl", static_cast<int>(std::lround(spacing.value * 2.4)));
            word("slmult", 1);
        }
        break;
    case LineSpacingRule::AtLeast:
        word("sl", spacing.value);
        word("slmult", 0);
        break;
    case LineSpacingRule::Exactly:
        word("sl", -spacing.value);
        word("slmult", 0);
        break;
    }
    for (const TabStop &stop : format.tabStops) {
        if (stop.alignment == TabAlignment::Centre)
            word("tqc");
        else if (stop.alignment == TabAlignment::Right)
            word("tqr");
        else if (stop.alignment == TabAlignment::Decimal)
            word("tqdec");
        word("tx", stop.position);
    }
}

QByteArray letters(int number, char first)
{
    // 1 = a, 26 = z, 27 = aa, as list numbers count.
    QByteArray label;
    for (int n = std::max(number, 1); n > 0; n = (n - 1) / 26)
        label.prepend(static_cast<char>(first + (n - 1) % 26));
    return label;
}

QByteArray roman(int number, bool upper)
{
    static constexpr std::array<std::pair<int, const char *>, 13> kDigits{{{1000, "m"},
                                                                           {900, "cm"},
                                                                           {500, "d"},
                                                                           {400, "cd"},
                                                                           {100, "c"},
                                                                           {90, "xc"},
                                                                           {50, "l"},
                                                                           {40, "xl"},
                                                                           {10, "x"},
                                                                           {9, "ix"},
                                                                           {5, "v"},
                                                                           {4, "iv"},
                                                                           {1, "i"}}};
    QByteArray label;
    int n = std::clamp(number, 1, 3999);
    for (const auto &[value, digits] : kDigits) {
        for (; n >= value; n -= value)
            label += digits;
    }
    return upper ? label.toUpper() : label;
}

void Writer::writeNumberLabel(const ParagraphFormat &format, int number)
{
    m_out += "{\\pntext";
    if (format.numbering == Numbering::Bullet) {
        word("f", m_symbolFont);
        m_out += "\\'b7";
    } else {
        word("f", 0);
        QByteArray label;
        switch (format.numbering) {
        case Numbering::LowerLetter:
            label = letters(number, 'a');
            break;
        case Numbering::UpperLetter:
            label = letters(number, 'A');
            break;
        case Numbering::LowerRoman:
            label = roman(number, false);
            break;
        case Numbering::UpperRoman:
            label = roman(number, true);
            break;
        default:
            label = QByteArray::number(number);
            break;
        }
        text(label + '.');
    }
    word("tab");
    m_out += '}';
    m_afterWord = false;
}

void Writer::writeRuns(std::span<const RunView> runs)
{
    std::size_t i = 0;
    while (i < runs.size()) {
        const QString &target = runs[i].format->linkTarget;
        if (target.isEmpty()) {
            writeRun(runs[i++]);
            continue;
        }
        std::size_t end = i + 1;
        while (end < runs.size() && runs[end].format->linkTarget == target)
            ++end;
        writeField(target, runs.subspan(i, end - i));
        i = end;
    }
}

void Writer::writeField(const QString &target, std::span<const RunView> runs)
{
    m_out += R"({\field{\*\fldinst{)";
    m_afterWord = false;
    text(QStringView(hyperlinkInstruction(target)));
    m_out += "}}{\\fldrslt{";
    m_afterWord = false;
    const CharacterFormat outside = m_current;
    for (const RunView &run : runs)
        writeRun(run);
    m_out += "}}}";
    m_afterWord = false;
    m_current = outside;
}

void Writer::writeRun(const RunView &run)
{
    changeFormat(*run.format);
    if (run.picture)
        writePicture(*run.picture);
    else if (!run.utf16.isEmpty())
        text(run.utf16);
    else
        text(run.utf8);
}

void Writer::writePicture(const Picture &picture)
{
    m_out += "{\\pict";
    word(picture.type == PictureType::Png ? "pngblip" : "jpegblip");
    word("picw", picture.pixelWidth);
    word("pich", picture.pixelHeight);
    word("picwgoal", picture.displayWidth > 0 ? picture.displayWidth : picture.pixelWidth * kTwipsPerPixel);
    word("pichgoal", picture.displayHeight > 0 ? picture.displayHeight : picture.pixelHeight * kTwipsPerPixel);
    const QByteArray hex = picture.data.toHex();
    for (qsizetype pos = 0; pos < hex.size(); pos += kHexLineLength) {
        m_out += "\r\n";
        m_out += QByteArrayView(hex).sliced(pos, std::min(kHexLineLength, hex.size() - pos));
    }
    m_out += '}';
    m_afterWord = false;
}

void Writer::changeFormat(const CharacterFormat &to)
{
    CharacterFormat &from = m_current;
    if (from.bold != to.bold)
        word(to.bold ? "b" : "b0");
    if (from.italic != to.italic)
        word(to.italic ? "i" : "i0");
    if (from.underline != to.underline)
        word(to.underline ? "ul" : "ulnone");
    if (from.strikeOut != to.strikeOut)
        word(to.strikeOut ? "strike" : "strike0");
    if (from.verticalPosition != to.verticalPosition) {
        if (to.verticalPosition == VerticalPosition::Superscript) {
            word("super");
        } else if (to.verticalPosition == VerticalPosition::Subscript) {
            word("sub");
        } else {
            // Some readers know only the toggle form, others only \nosupersub.
            word(from.verticalPosition == VerticalPosition::Superscript ? "super0" : "sub0");
            word("nosupersub");
        }
    }
    if (from.offsetHalfPoints != to.offsetHalfPoints) {
        if (to.offsetHalfPoints < 0)
            word("dn", -to.offsetHalfPoints);
        else
            word("up", to.offsetHalfPoints);
    }
    if (from.allCapitals != to.allCapitals)
        word(to.allCapitals ? "caps" : "caps0");
    if (from.smallCapitals != to.smallCapitals)
        word(to.smallCapitals ? "scaps" : "scaps0");
    if (from.fontFace != to.fontFace)
        word("f", fontIndex(to.fontFace));
    if (from.sizeHalfPoints != to.sizeHalfPoints)
        word("fs", to.sizeHalfPoints);
    if (from.textColour != to.textColour)
        word("cf", colourIndex(to.textColour));
    if (from.fillColour != to.fillColour)
        word("highlight", colourIndex(to.fillColour));
    from = to;
}

void Writer::word(const char *controlWord)
{
    m_out += '\\';
    m_out += controlWord;
    m_afterWord = true;
}

void Writer::word(const char *controlWord, int parameter)
{
    word(controlWord);
    std::array<char, 16> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), parameter).ptr;
    m_out.append(digits.data(), end - digits.data());
}

void Writer::text(QByteArrayView utf8)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(utf8.constData());
    const qsizetype size = utf8.size();
    qsizetype pos = 0;
    while (pos < size) {
        const unsigned char lead = bytes[pos];
        if (lead >= 0x20 && lead < 0x80 && lead != '\\' && lead != '{' && lead != '}') {
            if (m_afterWord) {
                m_out += ' ';
                m_afterWord = false;
            }
            // Plain ASCII goes out as it is, a stretch at a time.
            qsizetype end = pos + 1;
            while (end < size && bytes[end] >= 0x20 && bytes[end] < 0x80 && bytes[end] != '\\' && bytes[end] != '{' &&
                   bytes[end] != '}')
                ++end;
            m_out.append(utf8.constData() + pos, end - pos);
            pos = end;
            continue;
        }
        // One UTF-8 sequence; a malformed one stands for U+FFFD.
        int length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
        char32_t c = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
        bool valid = length > 0 && pos + length <= size;
        for (int k = 1; valid && k < length; ++k) {
            valid = (bytes[pos + k] & 0xC0) == 0x80;
            c = (c << 6) | (bytes[pos + k] & 0x3F);
        }
        if (!valid || c > 0x10FFFF) {
            c = 0xFFFD;
            length = 1;
        }
        character(c);
        pos += length;
    }
}

void Writer::text(QStringView utf16)
{
    const qsizetype size = utf16.size();
    qsizetype pos = 0;
    while (pos < size) {
        const char16_t unit = utf16[pos].unicode();
        if (unit >= 0x20 && unit < 0x80 && unit != '\\' && unit != '{' && unit != '}') {
            if (m_afterWord) {
                m_out += ' ';
                m_afterWord = false;
            }
            qsizetype end = pos + 1;
            while (end < size) {
                const char16_t next = utf16[end].unicode();
                if (next < 0x20 || next >= 0x80 || next == '\\' || next == '{' || next == '}')
                    break;
                ++end;
            }
            for (; pos < end; ++pos)
                m_out += static_cast<char>(utf16[pos].unicode());
            continue;
        }
        // A surrogate without its other half is written "?", as Qt's UTF-8 has it.
        char32_t c = unit;
        if (QChar::isHighSurrogate(unit) && pos + 1 < size && QChar::isLowSurrogate(utf16[pos + 1].unicode())) {
            c = QChar::surrogateToUcs4(unit, utf16[pos + 1].unicode());
            ++pos;
        } else if (QChar::isSurrogate(unit)) {
            c = '?';
        }
        character(c);
        ++pos;
    }
}

void Writer::character(char32_t c)
{
    static constexpr std::string_view kHex = "0123456789abcdef";
    switch (c) {
    case 0:
        return; // RTF has no way to carry a NUL
    case '\\':
        m_out += "\\\\";
        m_afterWord = false;
        return;
    case '{':
        m_out += "\\{";
        m_afterWord = false;
        return;
    case '}':
        m_out += "\\}";
        m_afterWord = false;
        return;
    case '\t':
        word("tab");
        return;
    case 0x2028:
        word("line");
        return;
    default:
        break;
    }
    const int byte = windows1252ByteOf(c);
    if (byte >= 0x20 && byte < 0x80) {
        if (m_afterWord)
            m_out += ' ';
        m_out += static_cast<char>(byte);
    } else if (byte >= 0) {
        m_out += "\\'";
        m_out += kHex[byte >> 4];
        m_out += kHex[byte & 0xF];
    } else if (c > 0xFFFF) {
        const char32_t offset = c - 0x10000;
        character(0xD800 + (offset >> 10));
        character(0xDC00 + (offset & 0x3FF));
        return;
    } else {
        // \uN takes a signed 16-bit number; "?" is the fallback for readers without Unicode.
        word("u", static_cast<int>(static_cast<std::int16_t>(static_cast<std::uint16_t>(c))));
        m_out += '?';
    }
    m_afterWord = false;
}

// The model's paragraphs, each run's text in UTF-8.
class ModelParagraphs final : public ParagraphSource
{
public:
    explicit ModelParagraphs(const RichTextDocument &document) : m_document(document) {}

    void visit(const std::function<void(const ParagraphView &)> &visitor) const override
    {
        std::vector<RunView> runs;
        for (const Paragraph &paragraph : m_document.paragraphs) {
            runs.clear();
            for (const Run &run : paragraph.runs)
                runs.push_back({&run.format, run.text, {}, run.picture ? &*run.picture : nullptr});
            visitor({&paragraph.format, &paragraph.markFormat, runs});
        }
    }

private:
    const RichTextDocument &m_document;
};

} // namespace

QByteArray writeRtf(const RichTextDocument &document)
{
    return writeRtf(ModelParagraphs(document));
}

QByteArray writeRtf(const ParagraphSource &source)
{
    return Writer(source).write();
}

} // namespace tabulet::rtf
