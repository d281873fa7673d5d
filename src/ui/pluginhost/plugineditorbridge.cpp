#include "ui/pluginhost/plugineditorbridge.h"

#include "ui/editor/textformats.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>

namespace tabulet::ui {

namespace {

constexpr QChar kParagraphSeparator(0x2029);

std::optional<std::uint32_t> valueOf(const std::optional<rtf::Colour> &colour)
{
    if (!colour)
        return std::nullopt;
    return std::uint32_t{colour->red} | std::uint32_t{colour->green} << 8 | std::uint32_t{colour->blue} << 16;
}

QColor toQColor(std::uint32_t value)
{
    return QColor(static_cast<int>(value & 0xffu), static_cast<int>(value >> 8 & 0xffu),
                  static_cast<int>(value >> 16 & 0xffu));
}

// Keeps a value only while every fragment agrees on it.
template<typename T> void agree(std::optional<T> &kept, bool &first, const T &value)
{
    if (first)
        kept = value;
    else if (kept && *kept != value)
        kept.reset();
}

// The character formats of the fragments that the range covers; for an empty range the format
// typing would use there.
std::vector<QTextCharFormat> formatsOver(const QTextDocument &document, int start, int end)
{
    std::vector<QTextCharFormat> formats;
    if (start >= end) {
        QTextCursor cursor(const_cast<QTextDocument *>(&document));
        cursor.setPosition(start);
        formats.push_back(cursor.charFormat());
        return formats;
    }
    for (QTextBlock block = document.findBlock(start); block.isValid() && block.position() < end;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.position() + fragment.length() > start && fragment.position() < end)
                formats.push_back(fragment.charFormat());
        }
    }
    if (formats.empty())
        formats.push_back(document.findBlock(start).charFormat());
    return formats;
}

} // namespace

int PluginEditorBridge::textLength() const
{
    return m_editor.document()->characterCount() - 1;
}

int PluginEditorBridge::lineCount() const
{
    return m_editor.document()->blockCount();
}

int PluginEditorBridge::lineFromPosition(int position) const
{
    return m_editor.document()->findBlock(clamped(position)).blockNumber();
}

int PluginEditorBridge::lineStart(int line) const
{
    const QTextBlock block = m_editor.document()->findBlockByNumber(line);
    return block.isValid() ? block.position() : -1;
}

plugins::TextRange PluginEditorBridge::selection() const
{
    const QTextCursor cursor = m_editor.textCursor();
    return {cursor.selectionStart(), cursor.selectionEnd()};
}

void PluginEditorBridge::select(plugins::TextRange range)
{
    m_editor.setTextCursor(cursorOver(range));
}

QString PluginEditorBridge::text(plugins::TextRange range) const
{
    QString text = cursorOver(range).selectedText();
    text.replace(kParagraphSeparator, QLatin1Char('\n'));
    return text;
}

void PluginEditorBridge::replace(plugins::TextRange range, const QString &text)
{
    QString paragraphs = text;
    paragraphs.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QTextCursor cursor = cursorOver(range);
    cursor.insertText(paragraphs);
    m_editor.setTextCursor(cursor);
}

plugins::TextRange PluginEditorBridge::find(const QString &text, int from, bool backward, bool wholeWord,
                                            bool matchCase) const
{
    QTextDocument::FindFlags flags;
    flags.setFlag(QTextDocument::FindBackward, backward);
    flags.setFlag(QTextDocument::FindWholeWords, wholeWord);
    flags.setFlag(QTextDocument::FindCaseSensitively, matchCase);
    if (text.isEmpty())
        return {-1, -1};
    const QTextCursor found = m_editor.document()->find(text, clamped(from), flags);
    if (found.isNull())
        return {-1, -1};
    return {found.selectionStart(), found.selectionEnd()};
}

plugins::CharacterFormat PluginEditorBridge::characterFormat(plugins::TextRange range) const
{
    const QTextDocument &document = *m_editor.document();
    const QFont defaultFont = document.defaultFont();
    plugins::CharacterFormat result;
    std::optional<bool> subscript;
    std::optional<bool> superscript;
    // Outer: the fragments agree; inner: not automatic.
    std::optional<std::optional<std::uint32_t>> colour;
    std::optional<std::optional<std::uint32_t>> background;
    bool first = true;
    for (const QTextCharFormat &format : formatsOver(document, clamped(range.start), clamped(range.end))) {
        const rtf::CharacterFormat model = toCharacterFormat(format, defaultFont);
        agree(result.bold, first, model.bold);
        agree(result.italics, first, model.italic);
        agree(result.underline, first, model.underline);
        agree(result.strikeout, first, model.strikeOut);
        agree(result.allCaps, first, model.allCapitals);
        agree(result.smallCaps, first, model.smallCapitals);
        agree(subscript, first, model.verticalPosition == rtf::VerticalPosition::Subscript);
        agree(superscript, first, model.verticalPosition == rtf::VerticalPosition::Superscript);
        agree(result.face, first, model.fontFace.isEmpty() ? defaultFont.family() : model.fontFace);
        agree(result.height, first, model.sizeHalfPoints * 10);
        agree(result.weight, first, model.bold ? 700 : 400);
        agree(result.offset, first, model.offsetHalfPoints * 10);
        agree(colour, first, valueOf(model.textColour));
        agree(background, first, valueOf(model.fillColour));
        first = false;
    }
    result.colour = colour.value_or(std::nullopt);
    result.background = background.value_or(std::nullopt);
    result.subscript = subscript.value_or(false);
    result.superscript = superscript.value_or(false);
    return result;
}

void PluginEditorBridge::setCharacterFormat(plugins::TextRange range, const plugins::CharacterFormat &format)
{
    QTextCharFormat change;
    if (format.bold)
        change.setFontWeight(*format.bold ? QFont::Bold : QFont::Normal);
    if (format.weight)
        change.setFontWeight(std::clamp(*format.weight, 1, 1000));
    if (format.italics)
        change.setFontItalic(*format.italics);
    if (format.underline)
        change.setFontUnderline(*format.underline);
    if (format.strikeout)
        change.setFontStrikeOut(*format.strikeout);
    if (format.subscript || format.superscript) {
        change.setVerticalAlignment(format.subscript.value_or(false)     ? QTextCharFormat::AlignSubScript
                                    : format.superscript.value_or(false) ? QTextCharFormat::AlignSuperScript
                                                                         : QTextCharFormat::AlignNormal);
    }
    if (format.allCaps || format.smallCaps) {
        const plugins::CharacterFormat now = characterFormat(range);
        change.merge(capitalsFormat(format.allCaps.value_or(now.allCaps.value_or(false)),
                                    format.smallCaps.value_or(now.smallCaps.value_or(false))));
    }
    if (format.offset) {
        const plugins::CharacterFormat now = characterFormat(range);
        const int sizeHalfPoints = format.height.value_or(now.height.value_or(240)) / 10;
        setOffset(change, std::clamp(*format.offset / 10, -rtf::kMaxOffsetHalfPoints, rtf::kMaxOffsetHalfPoints),
                  sizeHalfPoints);
    }
    if (format.face)
        change.setFontFamilies({*format.face});
    if (format.height && *format.height > 0)
        change.setFontPointSize(*format.height / 20.0);
    if (format.colour)
        change.setForeground(toQColor(*format.colour));
    if (format.background)
        change.setBackground(toQColor(*format.background));
    QTextCursor cursor = cursorOver(range);
    if (cursor.hasSelection())
        cursor.mergeCharFormat(change);
}

void PluginEditorBridge::copy()
{
    m_editor.copy();
}

void PluginEditorBridge::cut()
{
    m_editor.cut();
}

void PluginEditorBridge::paste()
{
    m_editor.paste();
}

QTextCursor PluginEditorBridge::cursorOver(plugins::TextRange range) const
{
    QTextCursor cursor(m_editor.document());
    cursor.setPosition(clamped(range.start));
    cursor.setPosition(clamped(range.end), QTextCursor::KeepAnchor);
    return cursor;
}

int PluginEditorBridge::clamped(int position) const
{
    return std::clamp(position, 0, textLength());
}

} // namespace tabulet::ui
