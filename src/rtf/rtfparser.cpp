#include "rtf/rtfparser.h"

#include <algorithm>
#include <array>
#include <limits>

namespace tabulet::rtf {

namespace {

// Deeper groups still count for brace matching but share the deepest saved state, so that
// 100,000 nested braces cost no memory.
constexpr std::size_t kMaxSavedGroups = 2000;
constexpr qsizetype kMaxFieldInstruction = 4096;
constexpr qsizetype kMaxFontName = 4096; // bytes read of one entry
constexpr qsizetype kMaxFontFace = 128;  // characters kept

const QByteArray kLineSeparator = QByteArrayLiteral("\xE2\x80\xA8");
const QByteArray kReplacementCharacter = QByteArrayLiteral("\xEF\xBF\xBD");

// A face name without control characters or surrounding blanks.
QString fontFace(const QByteArray &utf8)
{
    QString face = QString::fromUtf8(utf8);
    face.removeIf([](QChar c) { return c.unicode() < 0x20; });
    face = face.trimmed();
    if (face.size() > kMaxFontFace)
        face.truncate(face.at(kMaxFontFace - 1).isHighSurrogate() ? kMaxFontFace - 1 : kMaxFontFace);
    return face.trimmed();
}

// ASCII without NUL characters, which text drops.
bool isPlainAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte != 0 && byte < 0x80;
    });
}

constexpr auto kEndsText = [] {
    std::array<bool, 256> ends{};
    for (const char c : {'{', '}', '\\', '\r', '\n'})
        ends[static_cast<unsigned char>(c)] = true;
    return ends;
}();

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

} // namespace

RichTextDocument RtfParser::parse()
{
    m_document.paragraphs.clear();
    m_states.reserve(64);
    m_states.push_back(GroupState{});
    m_paragraphStates.reserve(64);
    m_paragraphStates.push_back(SharedParagraphState{});
    while (m_pos < m_in.size() && !m_finished) {
        switch (m_in.at(m_pos)) {
        case '{':
            ++m_pos;
            openGroup();
            break;
        case '}':
            ++m_pos;
            closeGroup();
            break;
        case '\\':
            readControl();
            break;
        case '\r':
        case '\n':
            ++m_pos;
            break;
        default:
            readText();
            break;
        }
    }
    finishDocument();
    return std::move(m_document);
}

// ---------------------------------------------------------------------------------------------
// Groups

void RtfParser::openGroup()
{
    flushText();
    m_skipCount = 0;
    m_ignorableNext = false;
    ++m_depth;
    if (m_states.size() < kMaxSavedGroups) {
        m_states.push_back(m_states.back());
        ++m_paragraphStates.back().sharers;
    }
}

void RtfParser::closeGroup()
{
    flushText();
    m_skipCount = 0;
    m_ignorableNext = false;
    if (m_depth <= 0)
        return; // a stray closing brace
    if (m_depth == 1) {
        // The end of the document's own group: whatever follows is not part of it.
        m_finished = true;
        return;
    }
    if (!hasSavedState()) {
        --m_depth;
        if (m_excessSkipDepth > m_depth)
            m_excessSkipDepth = 0;
        return;
    }
    const Destination closed = state().destination;
    if (closed == Destination::FieldInstruction)
        flushFieldInstruction();
    else if (closed == Destination::FontTable)
        finishFontEntry();
    else if (closed == Destination::Picture)
        finishPicture();
    m_states.pop_back();
    if (m_paragraphStates.back().sharers > 0)
        --m_paragraphStates.back().sharers;
    else
        m_paragraphStates.pop_back();
    --m_depth;
    formatChanged();
    if (!m_fields.empty() && m_fields.back().depth > m_depth)
        m_fields.pop_back();
    if (closed == Destination::Numbering && state().destination != Destination::Numbering) {
        Numbering numbering = m_pnNumbering;
        if (numbering == Numbering::None && m_pnBody)
            numbering = Numbering::Arabic;
        ParagraphState &paragraph = changeParagraphState();
        paragraph.format.numbering = numbering;
        paragraph.format.numberingStart = m_pnStart;
        paragraph.listOverride = 0;
    }
}

RtfParser::ParagraphState &RtfParser::changeParagraphState()
{
    SharedParagraphState &shared = m_paragraphStates.back();
    if (shared.sharers > 0) {
        --shared.sharers;
        ParagraphState copy = shared.state;
        m_paragraphStates.push_back(SharedParagraphState{std::move(copy), 0});
    }
    return m_paragraphStates.back().state;
}

// ---------------------------------------------------------------------------------------------
// Tokens

void RtfParser::readControl()
{
    ++m_pos; // the backslash
    if (m_pos >= m_in.size())
        return;
    const char c = m_in.at(m_pos);
    if (isLetter(c)) {
        readControlWord();
        return;
    }
    ++m_pos;
    m_ignorableNext = m_ignorableNext && c == '*';
    if (m_excessSkipDepth > 0)
        return; // a hex digit pair after \' is harmless text to a skipped group
    if (c == '\'') {
        int value = 0;
        int digits = 0;
        while (digits < 2 && m_pos < m_in.size() && hexValue(m_in.at(m_pos)) >= 0) {
            value = value * 16 + hexValue(m_in.at(m_pos));
            ++m_pos;
            ++digits;
        }
        if (m_skipCount > 0) {
            --m_skipCount;
            return;
        }
        if (digits > 0) {
            const char byte = static_cast<char>(value);
            appendCodePageBytes(QByteArrayView(&byte, 1));
        }
        return;
    }
    if (m_skipCount > 0) {
        --m_skipCount;
        return;
    }
    readControlSymbol(c);
}

void RtfParser::readControlSymbol(char symbol)
{
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        appendCodePageBytes(QByteArrayView(&symbol, 1));
        break;
    case '~':
        appendUnicode(0x00A0);
        break;
    case '-':
        appendUnicode(0x00AD);
        break;
    case '_':
        appendUnicode(0x2011);
        break;
    case '*':
        m_ignorableNext = true;
        break;
    case '\r':
    case '\n':
        if (state().destination == Destination::Text)
            finishParagraph();
        break;
    default:
        break; // other symbols (\| \: formula and index marks) carry nothing we keep
    }
}

void RtfParser::readControlWord()
{
    const qsizetype nameStart = m_pos;
    while (m_pos < m_in.size() && m_pos - nameStart < 32 && isLetter(m_in.at(m_pos)))
        ++m_pos;
    const ControlWord word = controlWordOf(QByteArrayView(m_in).sliced(nameStart, m_pos - nameStart));
    bool negative = false;
    bool hasParameter = false;
    qint64 value = 0;
    if (m_pos < m_in.size() && m_in.at(m_pos) == '-') {
        negative = true;
        ++m_pos;
    }
    while (m_pos < m_in.size() && m_in.at(m_pos) >= '0' && m_in.at(m_pos) <= '9') {
        hasParameter = true;
        // Saturate: numbers far out of range must not overflow.
        value = std::min<qint64>(value * 10 + (m_in.at(m_pos) - '0'), std::numeric_limits<int>::max());
        ++m_pos;
    }
    if (m_pos < m_in.size() && m_in.at(m_pos) == ' ')
        ++m_pos;
    const int parameter = static_cast<int>(negative ? -value : value);

    if (word == ControlWord::bin) {
        // Binary data: its bytes are never tokens, whatever the destination.
        if (hasParameter && !negative && value > 0) {
            if (state().destination == Destination::Picture && hasSavedState())
                m_picture.appendBinary(m_in, m_pos, value, m_limits.pictureBytes);
            m_pos = static_cast<qsizetype>(std::min<qint64>(m_in.size(), m_pos + value));
        }
        m_ignorableNext = false;
        return;
    }
    if (m_excessSkipDepth > 0)
        return;
    if (m_skipCount > 0) {
        --m_skipCount;
        m_ignorableNext = false;
        return;
    }
    if (m_ignorableNext) {
        m_ignorableNext = false;
        if (!hasSavedState()) {
            m_excessSkipDepth = m_depth;
            return;
        }
        if (!isReadAfterIgnorable(word)) {
            state().destination = Destination::Skip;
            return;
        }
    }
    applyControl(word, hasParameter, parameter);
}

void RtfParser::readText()
{
    const qsizetype start = m_pos;
    // A stretch of plain bytes up to the next brace, backslash or line end.
    const char *const bytes = m_in.constData();
    while (m_pos < m_in.size() && !kEndsText[static_cast<unsigned char>(bytes[m_pos])])
        ++m_pos;
    m_ignorableNext = false;
    if (m_excessSkipDepth > 0)
        return;
    qsizetype from = start;
    if (m_skipCount > 0) {
        const qsizetype skipped = std::min<qsizetype>(m_skipCount, m_pos - from);
        m_skipCount -= static_cast<int>(skipped);
        from += skipped;
    }
    if (from == m_pos)
        return;
    const QByteArrayView text = QByteArrayView(m_in).sliced(from, m_pos - from);
    switch (state().destination) {
    case Destination::Text:
    case Destination::FieldInstruction:
        appendCodePageBytes(text);
        break;
    case Destination::FontTable:
        for (const char c : text) {
            if (c == ';')
                finishFontEntry();
            else
                appendCodePageBytes(QByteArrayView(&c, 1));
        }
        break;
    case Destination::ColourTable:
        for (const char c : text) {
            if (c == ';')
                finishColourEntry();
        }
        break;
    case Destination::Picture:
        if (hasSavedState())
            m_picture.appendHex(text, m_limits.pictureBytes);
        break;
    case Destination::Numbering:
    case Destination::ListTable:
    case Destination::ListOverrideTable:
    case Destination::PictureOnly:
    case Destination::Skip:
        break;
    }
}

// ---------------------------------------------------------------------------------------------
// Text

int RtfParser::codePage()
{
    const CharacterState &character = state().character;
    const auto found = m_fonts.find(character.font < 0 ? m_defaultFont : character.font);
    if (found != m_fonts.end() && found->second.codePage != 0)
        return found->second.codePage;
    return m_documentCodePage;
}

void RtfParser::appendCodePageBytes(QByteArrayView bytes)
{
    switch (state().destination) {
    case Destination::Text: {
        const int page = codePage();
        if (page != m_pendingCodePage || m_highSurrogate != 0)
            flushText();
        m_pendingCodePage = page;
        if (m_pendingBytes.isEmpty() && page == kWindows1252 && isPlainAscii(bytes))
            appendUtf8(bytes); // reads as itself: straight into the run
        else
            m_pendingBytes.append(bytes);
        break;
    }
    case Destination::FontTable:
        if (m_fontNameBytes.size() + m_fontName.size() < kMaxFontName)
            m_fontNameBytes.append(bytes);
        break;
    case Destination::FieldInstruction:
        if (!m_fields.empty() && m_fields.back().pendingBytes.size() < kMaxFieldInstruction)
            m_fields.back().pendingBytes.append(bytes);
        break;
    default:
        break;
    }
}

void RtfParser::appendUnicode(int codeUnit)
{
    const auto unit = static_cast<char16_t>(codeUnit);
    switch (state().destination) {
    case Destination::Text:
        break;
    case Destination::FontTable:
        flushFontName();
        if (m_fontName.size() < kMaxFontName)
            m_fontName += QString(QChar(unit)).toUtf8();
        return;
    case Destination::FieldInstruction:
        flushFieldInstruction();
        if (!m_fields.empty() && m_fields.back().instruction.size() < kMaxFieldInstruction)
            m_fields.back().instruction += QString(QChar(unit)).toUtf8();
        return;
    default:
        return;
    }
    if (!m_pendingBytes.isEmpty())
        flushText();
    if (QChar::isHighSurrogate(unit)) {
        if (m_highSurrogate != 0)
            appendUtf8(kReplacementCharacter);
        m_highSurrogate = unit;
        return;
    }
    char32_t character = unit;
    if (QChar::isLowSurrogate(unit)) {
        character = m_highSurrogate != 0 ? QChar::surrogateToUcs4(m_highSurrogate, unit) : 0xFFFD;
    } else if (m_highSurrogate != 0) {
        appendUtf8(kReplacementCharacter);
    }
    m_highSurrogate = 0;
    if (character != 0)
        appendCodePoint(character);
}

void RtfParser::flushText()
{
    if (m_highSurrogate != 0) {
        m_highSurrogate = 0;
        appendUtf8(kReplacementCharacter);
    }
    if (m_pendingBytes.isEmpty())
        return;
    if (m_pendingBytes.contains('\0'))
        m_pendingBytes.removeIf([](char c) { return c == '\0'; });
    if (!m_pendingBytes.isEmpty())
        m_decoder.appendUtf8(m_pendingCodePage, m_pendingBytes, runText());
    m_pendingBytes.resize(0); // keeps its capacity for the next stretch
}

void RtfParser::appendCodePoint(char32_t c)
{
    std::array<char, 4> bytes{};
    int length = 0;
    if (c < 0x80) {
        bytes[length++] = static_cast<char>(c);
    } else if (c < 0x800) {
        bytes[length++] = static_cast<char>(0xC0 | (c >> 6));
        bytes[length++] = static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        bytes[length++] = static_cast<char>(0xE0 | (c >> 12));
        bytes[length++] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        bytes[length++] = static_cast<char>(0x80 | (c & 0x3F));
    } else {
        bytes[length++] = static_cast<char>(0xF0 | (c >> 18));
        bytes[length++] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        bytes[length++] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        bytes[length++] = static_cast<char>(0x80 | (c & 0x3F));
    }
    appendUtf8(QByteArrayView(bytes.data(), length));
}

void RtfParser::flushFieldInstruction()
{
    if (m_fields.empty() || m_fields.back().pendingBytes.isEmpty())
        return;
    Field &field = m_fields.back();
    if (field.instruction.size() < kMaxFieldInstruction)
        m_decoder.appendUtf8(codePage(), field.pendingBytes, field.instruction);
    field.pendingBytes.clear();
}

bool RtfParser::overBudget() const
{
    return m_elements >= m_limits.elements;
}

void RtfParser::appendUtf8(QByteArrayView utf8)
{
    if (!utf8.isEmpty())
        runText().append(utf8);
}

QByteArray &RtfParser::runText()
{
    appendPendingSeparators();
    std::vector<Run> &runs = m_paragraph.runs;
    const bool lastIsText = !runs.empty() && !runs.back().isPicture();
    if (m_runOpen || (overBudget() && lastIsText))
        return m_runText;
    const CharacterFormat &format = characterFormat();
    if (!lastIsText || runs.back().format != format) {
        storeRunText();
        runs.push_back(Run{format, {}, std::nullopt});
        ++m_elements;
    }
    m_runOpen = true;
    return m_runText;
}

void RtfParser::storeRunText()
{
    // Text is gathered in one buffer that keeps its capacity and moved into its run once.
    if (m_runText.isEmpty())
        return;
    m_paragraph.runs.back().text.append(QByteArrayView(m_runText));
    m_runText.resize(0);
}

void RtfParser::formatChanged()
{
    m_formatDirty = true;
    m_runOpen = false;
}

void RtfParser::appendPendingSeparators()
{
    // Cells and paragraphs of a table row that text follows: tabs between cells, line breaks
    // between the paragraphs of one cell.
    if (m_pendingCellBreak && m_pendingCells == 0) {
        m_pendingCellBreak = false;
        appendUtf8(kLineSeparator);
    }
    m_pendingCellBreak = false;
    if (m_pendingCells > 0) {
        const int cells = m_pendingCells;
        m_pendingCells = 0;
        runText().append(QByteArray(cells, '\t'));
    }
}

const CharacterFormat &RtfParser::characterFormat()
{
    if (!m_formatDirty)
        return m_formats[0].format;
    const GroupState &group = state();
    const auto resolvedHere = [&group](const ResolvedFormat &resolved) {
        return resolved.valid && resolved.linkTarget == group.linkTarget && resolved.character == group.character;
    };
    if (!resolvedHere(m_formats[0])) {
        std::swap(m_formats[0], m_formats[1]);
        if (!resolvedHere(m_formats[0]))
            m_formats[0] = ResolvedFormat{group.character, group.linkTarget, true, resolveCharacterFormat()};
    }
    m_formatDirty = false;
    return m_formats[0].format;
}

void RtfParser::forgetResolvedFormats()
{
    m_formats[0].valid = false;
    m_formats[1].valid = false;
}

CharacterFormat RtfParser::resolveCharacterFormat() const
{
    const GroupState &group = m_states.back();
    const CharacterState &character = group.character;
    CharacterFormat format;
    format.bold = character.bold;
    format.italic = character.italic;
    format.underline = character.underline;
    format.strikeOut = character.strikeOut;
    format.verticalPosition = character.verticalPosition;
    format.offsetHalfPoints = character.offsetHalfPoints;
    format.allCapitals = character.allCapitals;
    format.smallCapitals = character.smallCapitals;
    const auto font = m_fonts.find(character.font < 0 ? m_defaultFont : character.font);
    if (font != m_fonts.end())
        format.fontFace = font->second.name;
    format.sizeHalfPoints = character.sizeHalfPoints;
    const auto colourAt = [this](int index) -> std::optional<Colour> {
        if (index <= 0 || static_cast<std::size_t>(index) >= m_colours.size())
            return std::nullopt;
        return m_colours[static_cast<std::size_t>(index)];
    };
    format.textColour = colourAt(character.textColour);
    format.fillColour = colourAt(character.fillColour);
    if (group.linkTarget >= 0)
        format.linkTarget = m_linkTargets[static_cast<std::size_t>(group.linkTarget)];
    return format;
}

ParagraphFormat RtfParser::paragraphFormat()
{
    const ParagraphState &paragraph = paragraphState();
    ParagraphFormat format = paragraph.format;
    if (paragraph.lineSpacingMultiple && paragraph.lineSpacing != 0) {
        // \slN\slmult1: N 240ths of a line.
        const qint64 percent = std::max<qint64>((std::abs(qint64{paragraph.lineSpacing}) * 100 + 120) / 240, 1);
        if (percent != 100)
            format.lineSpacing = {LineSpacingRule::Proportional, static_cast<int>(percent)};
    } else if (paragraph.lineSpacing > 0) {
        format.lineSpacing = {LineSpacingRule::AtLeast, paragraph.lineSpacing};
    } else if (paragraph.lineSpacing < 0) {
        format.lineSpacing = {LineSpacingRule::Exactly, -paragraph.lineSpacing};
    }
    if (paragraph.listOverride > 0) {
        if (const std::optional<ListLevel> level = m_lists.levelOf(paragraph.listOverride, paragraph.listLevel)) {
            format.numbering = level->numbering;
            format.numberingStart = level->start;
        }
    }
    if (format.numbering == Numbering::None || format.numbering == Numbering::Bullet)
        format.numberingStart = 1;
    return format;
}

bool RtfParser::paragraphHasContent() const
{
    return !m_paragraph.runs.empty() || m_pendingCells > 0;
}

void RtfParser::finishParagraph()
{
    flushText();
    m_pendingCells = 0;
    m_pendingCellBreak = false;
    if (overBudget())
        appendUtf8(kLineSeparator);
    else
        storeParagraph();
}

void RtfParser::storeParagraph()
{
    storeRunText();
    m_paragraph.format = paragraphFormat();
    m_paragraph.markFormat = characterFormat();
    m_paragraph.markFormat.linkTarget.clear();
    m_document.paragraphs.push_back(std::move(m_paragraph));
    m_paragraph = Paragraph{};
    m_runOpen = false;
    ++m_elements;
}

void RtfParser::finishDocument()
{
    flushText();
    m_pendingCells = 0;
    m_pendingCellBreak = false;
    // A last paragraph with nothing in it is only the document's closing paragraph mark.
    if (!m_paragraph.runs.empty() || m_document.paragraphs.empty())
        storeParagraph();
}

// ---------------------------------------------------------------------------------------------
// Tables

void RtfParser::startFontEntry(int number)
{
    finishFontEntry();
    m_fontPending = true;
    m_fontNumber = number;
    m_fontCodePage = 0;
}

void RtfParser::flushFontName()
{
    if (m_fontNameBytes.isEmpty())
        return;
    m_decoder.appendUtf8(m_fontCodePage != 0 ? m_fontCodePage : m_documentCodePage, m_fontNameBytes, m_fontName);
    m_fontNameBytes.clear();
}

void RtfParser::finishFontEntry()
{
    flushFontName();
    if (m_fontPending && (m_fonts.size() < 4096 || m_fonts.count(m_fontNumber) > 0)) {
        m_fonts[m_fontNumber] = Font{fontFace(m_fontName), m_fontCodePage};
        forgetResolvedFormats();
    }
    m_fontPending = false;
    m_fontName.clear();
}

void RtfParser::finishColourEntry()
{
    if (m_colours.size() < 4096)
        m_colours.push_back(m_colourGiven ? std::optional<Colour>(m_colour) : std::nullopt);
    forgetResolvedFormats();
    m_colour = Colour{};
    m_colourGiven = false;
}

void RtfParser::finishPicture()
{
    if (!hasSavedState())
        return;
    std::optional<Picture> picture = m_picture.picture();
    m_picture.reset();
    if (!picture || m_pictureBytes + picture->data.size() > m_limits.totalPictureBytes || overBudget())
        return;
    m_pictureBytes += picture->data.size();
    flushText();
    appendPendingSeparators();
    storeRunText();
    m_paragraph.runs.push_back(Run{characterFormat(), {}, std::move(picture)});
    m_runOpen = false;
    ++m_elements;
}

} // namespace tabulet::rtf
