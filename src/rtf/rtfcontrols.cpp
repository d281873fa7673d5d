// What each control word does to the parser's state.
#include "rtf/rtfparser.h"

#include "rtf/fieldinstruction.h"

#include <algorithm>

namespace tabulet::rtf {

namespace {

constexpr int kMaxTwips = 1 << 20;
constexpr int kMaxSizeHalfPoints = 3276;
constexpr std::size_t kMaxTabStops = 64;

int twips(int value)
{
    return std::clamp(value, -kMaxTwips, kMaxTwips);
}

// A toggle such as \b: on without a parameter or with one other than 0.
bool toggle(bool hasParameter, int parameter)
{
    return !hasParameter || parameter != 0;
}

} // namespace

void RtfParser::applyControl(ControlWord word, bool hasParameter, int parameter)
{
    const Destination destination = state().destination;
    if (destination == Destination::Skip) {
        // The Unicode half of a {\upr ansi{\*\ud unicode}} pair is the one read.
        if (word == ControlWord::ud && state().unicodeAlternative && hasSavedState()) {
            state().destination = *state().unicodeAlternative;
            state().unicodeAlternative.reset();
        }
        return;
    }
    if (word == ControlWord::u) {
        const int code = parameter < 0 ? parameter + 65536 : parameter; // a signed 16-bit number
        appendUnicode(code >= 0 && code <= 0xFFFF ? code : 0xFFFD);
        m_skipCount = state().unicodeSkip;
        return;
    }
    if (word == ControlWord::uc) {
        state().unicodeSkip = std::clamp(parameter, 0, 255);
        return;
    }
    if (applyDestination(word))
        return;
    switch (destination) {
    case Destination::FontTable:
        if (word == ControlWord::f)
            startFontEntry(parameter);
        else if (word == ControlWord::fcharset)
            m_fontCodePage = codePageOfCharset(parameter);
        else if (word == ControlWord::cpg)
            m_fontCodePage = parameter;
        return;
    case Destination::ColourTable:
        if (word == ControlWord::red || word == ControlWord::green || word == ControlWord::blue) {
            const auto value = static_cast<std::uint8_t>(std::clamp(parameter, 0, 255));
            (word == ControlWord::red     ? m_colour.red
             : word == ControlWord::green ? m_colour.green
                                          : m_colour.blue) = value;
            m_colourGiven = true;
        }
        return;
    case Destination::Picture:
        switch (word) {
        case ControlWord::pngblip:
            m_picture.setType(PictureType::Png);
            break;
        case ControlWord::jpegblip:
            m_picture.setType(PictureType::Jpeg);
            break;
        case ControlWord::picw:
            m_picture.setPixelWidth(parameter);
            break;
        case ControlWord::pich:
            m_picture.setPixelHeight(parameter);
            break;
        case ControlWord::picwgoal:
            m_picture.setGoalWidth(parameter);
            break;
        case ControlWord::pichgoal:
            m_picture.setGoalHeight(parameter);
            break;
        case ControlWord::picscalex:
            m_picture.setScaleX(std::clamp(parameter, 1, 10000));
            break;
        case ControlWord::picscaley:
            m_picture.setScaleY(std::clamp(parameter, 1, 10000));
            break;
        default:
            break; // metafiles and bitmaps other than PNG and JPEG are not kept
        }
        return;
    case Destination::Numbering:
        switch (word) {
        case ControlWord::pnlvlblt:
            m_pnNumbering = Numbering::Bullet;
            break;
        case ControlWord::pnlvlbody:
        case ControlWord::pnlvl:
            m_pnBody = true;
            break;
        case ControlWord::pnlvlcont:
            m_pnNumbering = Numbering::None;
            m_pnBody = false;
            break;
        case ControlWord::pndec:
            m_pnNumbering = Numbering::Arabic;
            break;
        case ControlWord::pnlcltr:
            m_pnNumbering = Numbering::LowerLetter;
            break;
        case ControlWord::pnucltr:
            m_pnNumbering = Numbering::UpperLetter;
            break;
        case ControlWord::pnlcrm:
            m_pnNumbering = Numbering::LowerRoman;
            break;
        case ControlWord::pnucrm:
            m_pnNumbering = Numbering::UpperRoman;
            break;
        case ControlWord::pnstart:
            m_pnStart = std::clamp(parameter, 0, 32767);
            break;
        default:
            break;
        }
        return;
    case Destination::ListTable:
        switch (word) {
        case ControlWord::list:
            m_lists.beginList();
            break;
        case ControlWord::listlevel:
            m_lists.beginLevel();
            break;
        case ControlWord::levelnfc:
        case ControlWord::levelnfcn:
            m_lists.setLevelFormat(parameter);
            break;
        case ControlWord::levelstartat:
            m_lists.setLevelStart(std::clamp(parameter, 0, 32767));
            break;
        case ControlWord::listid:
            m_lists.setListId(parameter);
            break;
        default:
            break;
        }
        return;
    case Destination::ListOverrideTable:
        switch (word) {
        case ControlWord::listoverride:
            m_lists.beginOverride();
            break;
        case ControlWord::listid:
            m_lists.setOverrideListId(parameter);
            break;
        case ControlWord::levelstartat:
            m_lists.setOverrideStart(std::clamp(parameter, 0, 32767));
            break;
        case ControlWord::ls:
            m_lists.setOverrideNumber(parameter);
            break;
        case ControlWord::lfolevel:
            m_lists.beginOverrideLevel();
            break;
        default:
            break;
        }
        return;
    case Destination::FieldInstruction:
    case Destination::PictureOnly:
        return;
    case Destination::Text:
    case Destination::Skip:
        break;
    }

    // Text read so far has the format from before this control.
    flushText();
    switch (word) {
    case ControlWord::ansi:
        m_documentCodePage = kWindows1252;
        return;
    case ControlWord::mac:
        m_documentCodePage = 10000;
        return;
    case ControlWord::pc:
        m_documentCodePage = 437;
        return;
    case ControlWord::pca:
        m_documentCodePage = 850;
        return;
    case ControlWord::ansicpg:
        m_documentCodePage = parameter;
        return;
    case ControlWord::deff:
        m_defaultFont = parameter;
        forgetResolvedFormats();
        formatChanged();
        return;
    default:
        break;
    }
    if (applyCharacterControl(word, hasParameter, parameter) || applyParagraphControl(word, parameter) ||
        applyTableControl(word))
        return;
    applyTextControl(word);
}

bool RtfParser::applyDestination(ControlWord word)
{
    if (!hasSavedState()) {
        // Past the saved depth a destination cannot be told from its outer group: skip it.
        if (!isSkippedDestination(word) && !isReadDestination(word))
            return false;
        m_excessSkipDepth = m_depth;
        return true;
    }
    GroupState &group = state();
    if (isSkippedDestination(word)) {
        group.destination = Destination::Skip;
        return true;
    }
    switch (word) {
    case ControlWord::fonttbl:
        group.destination = Destination::FontTable;
        return true;
    case ControlWord::colortbl:
        group.destination = Destination::ColourTable;
        m_colours.clear();
        forgetResolvedFormats();
        return true;
    case ControlWord::listtable:
        group.destination = Destination::ListTable;
        return true;
    case ControlWord::listoverridetable:
        group.destination = Destination::ListOverrideTable;
        return true;
    case ControlWord::pn:
        flushText();
        group.destination = Destination::Numbering;
        m_pnNumbering = Numbering::None;
        m_pnStart = 1;
        m_pnBody = false;
        return true;
    case ControlWord::upr:
        group.unicodeAlternative = group.destination;
        group.destination = Destination::Skip;
        return true;
    case ControlWord::field:
        if (group.destination == Destination::Text) {
            flushText();
            m_fields.push_back(Field{m_depth, {}, {}});
        }
        return true;
    case ControlWord::fldinst:
        if (!m_fields.empty() && m_fields.back().depth < m_depth)
            group.destination = Destination::FieldInstruction;
        else
            group.destination = Destination::Skip;
        return true;
    case ControlWord::fldrslt:
        if (!m_fields.empty() && group.destination == Destination::Text) {
            flushFieldInstruction();
            const QString target = hyperlinkTarget(QString::fromUtf8(m_fields.back().instruction).trimmed());
            if (!target.isEmpty()) {
                if (m_linkTargets.empty() || m_linkTargets.back() != target)
                    m_linkTargets.push_back(target);
                group.linkTarget = static_cast<int>(m_linkTargets.size() - 1);
                formatChanged();
            }
        }
        return true;
    case ControlWord::shppict:
    case ControlWord::shpinst:
        if (group.destination == Destination::Text)
            group.destination = Destination::PictureOnly;
        return true;
    case ControlWord::pict:
        if (group.destination == Destination::Text || group.destination == Destination::PictureOnly) {
            flushText();
            group.destination = Destination::Picture;
            m_picture.reset();
        } else {
            group.destination = Destination::Skip;
        }
        return true;
    default:
        return false;
    }
}

bool RtfParser::applyCharacterControl(ControlWord word, bool hasParameter, int parameter)
{
    CharacterState &character = state().character;
    const bool on = toggle(hasParameter, parameter);
    switch (word) {
    case ControlWord::plain:
        character = CharacterState{};
        break;
    case ControlWord::b:
        character.bold = on;
        break;
    case ControlWord::i:
        character.italic = on;
        break;
    case ControlWord::ulnone:
        character.underline = false;
        break;
    case ControlWord::strike:
    case ControlWord::striked:
        character.strikeOut = on;
        break;
    case ControlWord::super:
        character.verticalPosition = on ? VerticalPosition::Superscript : VerticalPosition::Normal;
        break;
    case ControlWord::sub:
        character.verticalPosition = on ? VerticalPosition::Subscript : VerticalPosition::Normal;
        break;
    case ControlWord::nosupersub:
        character.verticalPosition = VerticalPosition::Normal;
        break;
    case ControlWord::up:
    case ControlWord::dn: {
        // In half-points, 6 when not given; bounded so that no size is absurd or overflows.
        const int amount = std::clamp(hasParameter ? parameter : 6, -kMaxOffsetHalfPoints, kMaxOffsetHalfPoints);
        character.offsetHalfPoints = word == ControlWord::up ? amount : -amount;
        break;
    }
    case ControlWord::caps:
        character.allCapitals = on;
        break;
    case ControlWord::scaps:
        character.smallCapitals = on;
        break;
    case ControlWord::f:
        character.font = std::max(parameter, 0);
        break;
    case ControlWord::fs:
        if (parameter > 0)
            character.sizeHalfPoints = std::min(parameter, kMaxSizeHalfPoints);
        break;
    case ControlWord::cf:
        character.textColour = parameter;
        break;
    case ControlWord::cb:
    case ControlWord::chcbpat:
    case ControlWord::highlight:
        character.fillColour = parameter;
        break;
    default:
        if (!isUnderline(word))
            return false;
        character.underline = on;
        break;
    }
    formatChanged();
    return true;
}

bool RtfParser::applyParagraphControl(ControlWord word, int parameter)
{
    if (!isParagraphControl(word))
        return false; // leaves the paragraph state shared with the outer group
    ParagraphState &paragraph = changeParagraphState();
    ParagraphFormat &format = paragraph.format;
    switch (word) {
    case ControlWord::pard:
        paragraph = ParagraphState{};
        break;
    case ControlWord::ql:
        format.alignment = Alignment::Left;
        break;
    case ControlWord::qc:
        format.alignment = Alignment::Centre;
        break;
    case ControlWord::qr:
        format.alignment = Alignment::Right;
        break;
    case ControlWord::qj:
    case ControlWord::qd:
        format.alignment = Alignment::Justified;
        break;
    case ControlWord::li:
    case ControlWord::lin:
        format.startIndent = twips(parameter);
        break;
    case ControlWord::ri:
    case ControlWord::rin:
        format.rightIndent = twips(parameter);
        break;
    case ControlWord::fi:
        format.firstLineIndent = twips(parameter);
        break;
    case ControlWord::sb:
        format.spaceBefore = std::clamp(parameter, 0, kMaxTwips);
        break;
    case ControlWord::sa:
        format.spaceAfter = std::clamp(parameter, 0, kMaxTwips);
        break;
    case ControlWord::sl:
        paragraph.lineSpacing = twips(parameter);
        break;
    case ControlWord::slmult:
        paragraph.lineSpacingMultiple = parameter != 0;
        break;
    case ControlWord::tqr:
        paragraph.nextTabAlignment = TabAlignment::Right;
        break;
    case ControlWord::tqc:
        paragraph.nextTabAlignment = TabAlignment::Centre;
        break;
    case ControlWord::tqdec:
        paragraph.nextTabAlignment = TabAlignment::Decimal;
        break;
    case ControlWord::tx:
        if (format.tabStops.size() < kMaxTabStops)
            format.tabStops.push_back(TabStop{std::clamp(parameter, 0, kMaxTwips), paragraph.nextTabAlignment});
        paragraph.nextTabAlignment = TabAlignment::Left;
        break;
    case ControlWord::tb:
        paragraph.nextTabAlignment = TabAlignment::Left; // bar tabs are not kept
        break;
    case ControlWord::ls:
        paragraph.listOverride = parameter;
        break;
    case ControlWord::ilvl:
        paragraph.listLevel = parameter;
        break;
    default:
        return false;
    }
    return true;
}

bool RtfParser::applyTableControl(ControlWord word)
{
    switch (word) {
    case ControlWord::cell:
    case ControlWord::nestcell:
        flushText();
        m_pendingCellBreak = false;
        ++m_pendingCells;
        return true;
    case ControlWord::row:
        m_pendingCellBreak = false;
        finishParagraph();
        return true;
    case ControlWord::intbl:
        changeParagraphState().inTable = true;
        return true;
    default:
        return false;
    }
}

bool RtfParser::applyTextControl(ControlWord word)
{
    switch (word) {
    case ControlWord::par:
        if (paragraphState().inTable) {
            // Paragraphs of one table cell stay in the row's paragraph, as lines.
            flushText();
            m_pendingCellBreak = paragraphHasContent();
        } else {
            finishParagraph();
        }
        break;
    case ControlWord::sect:
    case ControlWord::page:
    case ControlWord::column:
        // Breaks between paragraphs; inside one they end it.
        flushText();
        if (paragraphHasContent())
            finishParagraph();
        break;
    case ControlWord::line:
        appendUnicode(0x2028);
        break;
    case ControlWord::tab:
        appendUnicode('\t');
        break;
    case ControlWord::emdash:
        appendUnicode(0x2014);
        break;
    case ControlWord::endash:
        appendUnicode(0x2013);
        break;
    case ControlWord::emspace:
        appendUnicode(0x2003);
        break;
    case ControlWord::enspace:
        appendUnicode(0x2002);
        break;
    case ControlWord::qmspace:
        appendUnicode(0x2005);
        break;
    case ControlWord::bullet:
        appendUnicode(0x2022);
        break;
    case ControlWord::lquote:
        appendUnicode(0x2018);
        break;
    case ControlWord::rquote:
        appendUnicode(0x2019);
        break;
    case ControlWord::ldblquote:
        appendUnicode(0x201C);
        break;
    case ControlWord::rdblquote:
        appendUnicode(0x201D);
        break;
    case ControlWord::zwj:
        appendUnicode(0x200D);
        break;
    case ControlWord::zwnj:
        appendUnicode(0x200C);
        break;
    case ControlWord::zwbo:
        appendUnicode(0x200B);
        break;
    case ControlWord::ltrmark:
        appendUnicode(0x200E);
        break;
    case ControlWord::rtlmark:
        appendUnicode(0x200F);
        break;
    default:
        return false;
    }
    return true;
}

} // namespace tabulet::rtf
