#include "ui/editor/richtextbridge.h"

#include "ui/editor/documentpictures.h"
#include "ui/editor/textformats.h"

#include "rtf/rtfwriter.h"

#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <deque>
#include <map>
#include <optional>
#include <span>
#include <unordered_map>
#include <utility>
#include <vector>

namespace tabulet::ui {

namespace {

// The document would turn these into paragraphs or frames and so break the position count; the
// model never holds them, but a damaged one must not shift every later position.
void replaceStructureCharacters(QChar *begin, QChar *end)
{
    for (QChar *c = begin; c != end; ++c) {
        switch (c->unicode()) {
        case u'\n':
        case u'\r':
        case QChar::ParagraphSeparator:
            *c = QChar(QChar::LineSeparator);
            break;
        case 0xfdd0: // the document's frame markers
        case 0xfdd1:
            *c = QChar(QChar::ReplacementCharacter);
            break;
        default:
            break;
        }
    }
}

class Inserter final
{
public:
    explicit Inserter(QTextCursor &cursor) : m_cursor(cursor), m_document(*cursor.document()) {}

    void insert(const rtf::RichTextDocument &richText, bool formatFirstParagraph)
    {
        bool first = true;
        for (const rtf::Paragraph &paragraph : richText.paragraphs) {
            const QTextBlockFormat &blockFormat = this->blockFormat(paragraph.format);
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
            insertRuns(paragraph.runs);
        }
    }

private:
    // Each insertion costs the document a search of its fragments: a paragraph's text is decoded
    // once, and neighbouring runs of one format go in as one insertion of their shared text.
    void insertRuns(const std::vector<rtf::Run> &runs)
    {
        qsizetype room = 0;
        for (const rtf::Run &run : runs)
            room += m_decoder.requiredSpace(run.text.size());
        m_text.resize(room);
        QChar *const text = m_text.data();
        QChar *end = text;
        QChar *pending = text;
        const rtf::CharacterFormat *pendingFormat = nullptr;
        for (const rtf::Run &run : runs) {
            if (pendingFormat && (run.picture || !(run.format == *pendingFormat))) {
                insertText(pending, end, *pendingFormat);
                pendingFormat = nullptr;
            }
            if (run.picture) {
                m_cursor.insertImage(addPicture(m_document, *run.picture, charFormat(run.format)));
                continue;
            }
            // Stateless: each run decodes as on its own, a broken sequence at its end included.
            QChar *const runEnd = m_decoder.appendToBuffer(end, run.text);
            replaceStructureCharacters(end, runEnd);
            if (!pendingFormat) {
                pending = end;
                pendingFormat = &run.format;
            }
            end = runEnd;
        }
        if (pendingFormat)
            insertText(pending, end, *pendingFormat);
    }

    void insertText(const QChar *begin, const QChar *end, const rtf::CharacterFormat &format)
    {
        if (begin != end)
            m_cursor.insertText(QString::fromRawData(begin, end - begin), charFormat(format));
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

    // Paragraphs mostly follow others of their format.
    const QTextBlockFormat &blockFormat(const rtf::ParagraphFormat &format)
    {
        if (!m_lastParagraphFormat || !(m_lastParagraphFormat->first == format))
            m_lastParagraphFormat.emplace(format, toBlockFormat(format));
        return m_lastParagraphFormat->second;
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
    QString m_text; // the paragraph's text, decoded
    QStringDecoder m_decoder{QStringDecoder::Utf8,
                             QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom};
    QTextList *m_list = nullptr;
    rtf::Numbering m_listNumbering = rtf::Numbering::None;
    int m_listStart = 1;
    static constexpr std::size_t kRecentFormats = 16;
    std::vector<std::pair<rtf::CharacterFormat, QTextCharFormat>> m_recentFormats;
    std::size_t m_nextSlot = 0;
    std::optional<std::pair<rtf::ParagraphFormat, QTextBlockFormat>> m_lastParagraphFormat;
};

// What text without a face of its own says of its face.
enum class Faceless {
    NamesNone,
    NamesTheDefaultFont, // as a file does, so that other programs show the text as it looked here
};

// The document's blocks and fragments as the RTF writer reads them, without building the model.
class DocumentParagraphs final : public rtf::ParagraphSource
{
public:
    DocumentParagraphs(const QTextDocument &document, Faceless faceless)
        : m_document(document), m_defaultFont(document.defaultFont()), m_formats(document.allFormats()),
          m_text(document.toRawText()), m_faceless(faceless)
    {
    }

    // The writer walks the paragraphs twice: the document is read once, on the first walk.
    void visit(const std::function<void(const rtf::ParagraphView &)> &visitor) const override
    {
        if (m_paragraphs.empty())
            read();
        const std::span<const rtf::RunView> runs(m_runs);
        for (const Paragraph &paragraph : m_paragraphs)
            visitor({paragraph.format, paragraph.markFormat, runs.subspan(paragraph.firstRun, paragraph.runCount)});
    }

private:
    struct Paragraph
    {
        const rtf::ParagraphFormat *format;
        const rtf::CharacterFormat *markFormat;
        std::size_t firstRun;
        std::size_t runCount;
    };

    void read() const
    {
        for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
            const std::size_t firstRun = m_runs.size();
            // A block's fragments follow each other: counting their lengths finds each one's text
            // without looking its position up.
            int fragmentPosition = block.position();
            for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                const int formatIndex = fragment.charFormatIndex();
                const rtf::CharacterFormat &format = characterFormat(formatIndex);
                const QStringView text = QStringView(m_text).mid(fragmentPosition, fragment.length());
                fragmentPosition += fragment.length();
                if (!m_formats.at(formatIndex).isImageFormat()) {
                    m_runs.push_back({&format, {}, text, nullptr});
                    continue;
                }
                // Equal neighbouring images share one fragment: one character each.
                const QTextImageFormat image = m_formats.at(formatIndex).toImageFormat();
                for (qsizetype i = 0; i < text.size(); ++i) {
                    if (text[i] != QChar::ObjectReplacementCharacter) {
                        m_runs.push_back({&format, {}, text.mid(i, 1), nullptr});
                    } else if (std::optional<rtf::Picture> picture = pictureOf(m_document, image)) {
                        m_pictures.push_back(std::move(*picture));
                        m_runs.push_back({&format, {}, {}, &m_pictures.back()});
                    }
                }
            }
            m_paragraphs.push_back({&paragraphFormat(block), &characterFormat(block.charFormatIndex()), firstRun,
                                    m_runs.size() - firstRun});
        }
    }

    // Formats are converted once per format of the document, not once per fragment or block.
    const rtf::CharacterFormat &characterFormat(int index) const
    {
        auto found = m_characterFormats.find(index);
        if (found == m_characterFormats.end()) {
            rtf::CharacterFormat format = toCharacterFormat(m_formats.at(index).toCharFormat(), m_defaultFont);
            if (format.fontFace.isEmpty() && m_faceless == Faceless::NamesTheDefaultFont)
                format.fontFace = m_defaultFont.family();
            found = m_characterFormats.emplace(index, std::move(format)).first;
        }
        return found->second;
    }

    const rtf::ParagraphFormat &paragraphFormat(const QTextBlock &block) const
    {
        const QTextList *list = block.textList();
        const std::pair<int, const QTextList *> key{block.blockFormatIndex(), list};
        auto found = m_paragraphFormats.find(key);
        if (found == m_paragraphFormats.end())
            found = m_paragraphFormats.emplace(key, toParagraphFormat(block.blockFormat(), list)).first;
        return found->second;
    }

    const QTextDocument &m_document;
    const QFont m_defaultFont;
    const QList<QTextFormat> m_formats;
    const QString m_text; // the document's characters, a fragment's at its position
    const Faceless m_faceless;
    // Node-based, so that the formats and pictures stay where they are while the writer holds them.
    mutable std::unordered_map<int, rtf::CharacterFormat> m_characterFormats;
    mutable std::map<std::pair<int, const QTextList *>, rtf::ParagraphFormat> m_paragraphFormats;
    mutable std::deque<rtf::Picture> m_pictures;
    mutable std::vector<rtf::RunView> m_runs;
    mutable std::vector<Paragraph> m_paragraphs;
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
    rtf::RichTextDocument result;
    result.paragraphs.clear();
    result.paragraphs.reserve(static_cast<std::size_t>(document.blockCount()));
    DocumentParagraphs(document, Faceless::NamesNone).visit([&result](const rtf::ParagraphView &view) {
        rtf::Paragraph &paragraph = result.paragraphs.emplace_back();
        paragraph.format = *view.format;
        paragraph.markFormat = *view.markFormat;
        for (const rtf::RunView &run : view.runs) {
            if (run.picture)
                paragraph.runs.push_back(rtf::Run{*run.format, {}, *run.picture});
            else
                rtf::appendText(paragraph, run.utf16.toUtf8(), *run.format);
        }
    });
    return result;
}

QByteArray documentRtf(const QTextDocument &document)
{
    return rtf::writeRtf(DocumentParagraphs(document, Faceless::NamesTheDefaultFont));
}

} // namespace tabulet::ui
