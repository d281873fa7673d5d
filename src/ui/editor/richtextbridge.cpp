#include "ui/editor/richtextbridge.h"

#include "ui/editor/documentpictures.h"
#include "ui/editor/textformats.h"

#include <QHash>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <utility>
#include <vector>

namespace tabulet::ui {

namespace {

// The document would turn these into paragraphs or frames and so break the position count; the
// model never holds them, but a damaged one must not shift every later position.
QString withoutStructureCharacters(QString text)
{
    for (QChar &c : text) {
        switch (c.unicode()) {
        case u'\n':
        case u'\r':
        case QChar::ParagraphSeparator:
            c = QChar(QChar::LineSeparator);
            break;
        case 0xfdd0: // the document's frame markers
        case 0xfdd1:
            c = QChar(QChar::ReplacementCharacter);
            break;
        default:
            break;
        }
    }
    return text;
}

class Inserter final
{
public:
    explicit Inserter(QTextCursor &cursor) : m_cursor(cursor), m_document(*cursor.document()) {}

    void insert(const rtf::RichTextDocument &richText, bool formatFirstParagraph)
    {
        bool first = true;
        for (const rtf::Paragraph &paragraph : richText.paragraphs) {
            const QTextBlockFormat blockFormat = toBlockFormat(paragraph.format);
            const QTextCharFormat markFormat = charFormat(paragraph.markFormat);
            if (!first) {
                m_cursor.insertBlock(blockFormat, markFormat);
                joinList(paragraph.format);
            } else if (formatFirstParagraph) {
                m_cursor.setBlockFormat(blockFormat);
                m_cursor.setBlockCharFormat(markFormat);
                joinList(paragraph.format);
            }
            first = false;
            for (const rtf::Run &run : paragraph.runs)
                insertRun(run);
        }
    }

private:
    void insertRun(const rtf::Run &run)
    {
        if (run.picture) {
            m_cursor.insertImage(addPicture(m_document, *run.picture, charFormat(run.format)));
            return;
        }
        m_cursor.insertText(withoutStructureCharacters(QString::fromUtf8(run.text)), charFormat(run.format));
    }

    // A note uses few formats, mostly in turns (plain, bold, plain): convert each only once while
    // it stays among the recent ones.
    const QTextCharFormat &charFormat(const rtf::CharacterFormat &format)
    {
        for (const auto &[known, converted] : m_recentFormats) {
            if (known == format)
                return converted;
        }
        if (m_recentFormats.size() < kRecentFormats) {
            m_recentFormats.emplace_back(format, toCharFormat(format));
            return m_recentFormats.back().second;
        }
        auto &slot = m_recentFormats[m_nextSlot];
        m_nextSlot = (m_nextSlot + 1) % kRecentFormats;
        slot = {format, toCharFormat(format)};
        return slot.second;
    }

    void joinList(const rtf::ParagraphFormat &format)
    {
        if (format.numbering == rtf::Numbering::None) {
            m_list = nullptr;
            return;
        }
        const bool continues = m_list && m_listNumbering == format.numbering &&
                               (format.numbering == rtf::Numbering::Bullet || m_listStart == format.numberingStart);
        if (continues) {
            m_list->add(m_cursor.block());
            return;
        }
        m_list = m_cursor.createList(toListFormat(format));
        m_listNumbering = format.numbering;
        m_listStart = format.numberingStart;
    }

    QTextCursor &m_cursor;
    QTextDocument &m_document;
    QTextList *m_list = nullptr;
    rtf::Numbering m_listNumbering = rtf::Numbering::None;
    int m_listStart = 1;
    static constexpr std::size_t kRecentFormats = 16;
    std::vector<std::pair<rtf::CharacterFormat, QTextCharFormat>> m_recentFormats;
    std::size_t m_nextSlot = 0;
};

class Reader final
{
public:
    explicit Reader(const QTextDocument &document) : m_document(document), m_defaultFont(document.defaultFont()) {}

    rtf::RichTextDocument read()
    {
        rtf::RichTextDocument result;
        result.paragraphs.clear();
        result.paragraphs.reserve(static_cast<std::size_t>(m_document.blockCount()));
        for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next())
            result.paragraphs.push_back(paragraph(block));
        return result;
    }

private:
    rtf::Paragraph paragraph(const QTextBlock &block)
    {
        rtf::Paragraph result;
        result.format = toParagraphFormat(block.blockFormat(), block.textList());
        result.markFormat = toCharacterFormat(block.charFormat(), m_defaultFont);
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const rtf::CharacterFormat &format = characterFormat(fragment);
            const QTextCharFormat charFormat = fragment.charFormat();
            if (!charFormat.isImageFormat()) {
                rtf::appendText(result, fragment.text().toUtf8(), format);
                continue;
            }
            // Equal neighbouring images share one fragment: one character each.
            const QString text = fragment.text();
            for (const QChar c : text) {
                if (c != QChar::ObjectReplacementCharacter) {
                    rtf::appendText(result, QString(c).toUtf8(), format);
                } else if (std::optional<rtf::Picture> picture = pictureOf(m_document, charFormat.toImageFormat())) {
                    result.runs.push_back(rtf::Run{format, {}, std::move(picture)});
                }
            }
        }
        return result;
    }

    const rtf::CharacterFormat &characterFormat(const QTextFragment &fragment)
    {
        const int index = fragment.charFormatIndex();
        auto found = m_formats.constFind(index);
        if (found == m_formats.constEnd())
            found = m_formats.insert(index, toCharacterFormat(fragment.charFormat(), m_defaultFont));
        return *found;
    }

    const QTextDocument &m_document;
    const QFont m_defaultFont;
    QHash<int, rtf::CharacterFormat> m_formats;
};

} // namespace

void setRichText(QTextDocument &document, const rtf::RichTextDocument &richText)
{
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    QTextCursor cursor(&document);
    // One edit block: the cursor then skips laying out the paragraph after every insertion.
    cursor.beginEditBlock();
    Inserter(cursor).insert(richText, true);
    cursor.endEditBlock();
    document.setUndoRedoEnabled(undo);
    document.setModified(false);
}

void insertRichText(QTextCursor &cursor, const rtf::RichTextDocument &richText)
{
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    Inserter(cursor).insert(richText, false);
    cursor.endEditBlock();
}

rtf::RichTextDocument richText(const QTextDocument &document)
{
    return Reader(document).read();
}

} // namespace tabulet::ui
