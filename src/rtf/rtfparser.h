#pragma once

#include "rtf/codepage.h"
#include "rtf/controlword.h"
#include "rtf/listtable.h"
#include "rtf/picturedata.h"
#include "rtf/richtextdocument.h"
#include "rtf/rtfreader.h"

#include <QByteArray>

#include <array>
#include <map>
#include <optional>
#include <vector>

namespace tabulet::rtf {

// One pass over an RTF stream into the model. Groups are kept on an explicit stack (never by
// recursion), and everything hostile input can make grow is bounded.
class RtfParser final
{
public:
    RtfParser(const QByteArray &input, const ReadLimits &limits) : m_in(input), m_limits(limits) {}

    RichTextDocument parse();

private:
    enum class Destination {
        Text, // document text
        Skip, // ignored, with everything inside
        FontTable,
        ColourTable,
        FieldInstruction,
        PictureOnly, // only pictures inside are read (\shppict, \shpinst)
        Picture,
        Numbering, // a RichEdit {\*\pn ...} group
        ListTable,
        ListOverrideTable,
    };

    // The character format as RTF states it: fonts and colours by table index, resolved when
    // text is stored (the tables may be read after the first change of state).
    struct CharacterState
    {
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strikeOut = false;
        VerticalPosition verticalPosition = VerticalPosition::Normal;
        int offsetHalfPoints = 0;
        bool allCapitals = false;
        bool smallCapitals = false;
        int font = -1; // -1: the default font (\deff)
        int sizeHalfPoints = 24;
        int textColour = 0; // colour table index, 0 = automatic
        int fillColour = 0;

        friend bool operator==(const CharacterState &, const CharacterState &) = default;
    };

    struct ParagraphState
    {
        ParagraphFormat format;
        int lineSpacing = 0; // \sl
        bool lineSpacingMultiple = false;
        TabAlignment nextTabAlignment = TabAlignment::Left;
        int listOverride = 0; // \ls
        int listLevel = 0;    // \ilvl
        bool inTable = false; // \intbl
    };

    // What a group changes and its closing brace restores, apart from the paragraph state. Plain
    // values only, so that opening a group copies a few bytes.
    struct GroupState
    {
        Destination destination = Destination::Text;
        CharacterState character;
        int unicodeSkip = 1;                           // \uc
        int linkTarget = -1;                           // index in m_linkTargets inside a hyperlink field's result
        std::optional<Destination> unicodeAlternative; // inside \upr: where its \ud text goes
    };

    // A paragraph state with the number of groups above the one that set it that still use it
    // unchanged: a group copies it only when it changes it.
    struct SharedParagraphState
    {
        ParagraphState state;
        int sharers = 0;
    };

    // A character format resolved from the group state, kept with what it was resolved from.
    struct ResolvedFormat
    {
        CharacterState character;
        int linkTarget = -1;
        bool valid = false; // false: the tables changed since, or nothing was resolved yet
        CharacterFormat format;
    };

    struct Font
    {
        QString name;
        int codePage = 0; // 0: the document's code page
    };

    struct Field
    {
        int depth = 0;           // brace depth of the \field group
        QByteArray instruction;  // UTF-8
        QByteArray pendingBytes; // in the code page of the text around
    };

    // Tokens
    void readControl();
    void readControlSymbol(char symbol);
    void readControlWord();
    void readText();
    void openGroup();
    void closeGroup();
    bool hasSavedState() const { return m_depth < static_cast<int>(m_states.size()); }

    // Control words
    void applyControl(ControlWord word, bool hasParameter, int parameter);
    bool applyDestination(ControlWord word);
    bool applyCharacterControl(ControlWord word, bool hasParameter, int parameter);
    bool applyParagraphControl(ControlWord word, int parameter);
    bool applyTextControl(ControlWord word);
    bool applyTableControl(ControlWord word);

    // Text
    void appendCodePageBytes(QByteArrayView bytes);
    void appendUnicode(int codeUnit);
    void appendUtf8(QByteArrayView utf8);
    void appendCodePoint(char32_t c);
    QByteArray &runText();
    void formatChanged();
    void appendPendingSeparators();
    void flushText();
    void flushFieldInstruction();
    void finishParagraph();
    void storeParagraph();
    bool paragraphHasContent() const;
    void finishDocument();

    // Groups of the tables
    void startFontEntry(int number);
    void finishFontEntry();
    void flushFontName();
    void finishColourEntry();
    void finishPicture();

    GroupState &state() { return m_states.back(); }
    const ParagraphState &paragraphState() const { return m_paragraphStates.back().state; }
    ParagraphState &changeParagraphState();
    int codePage();
    const CharacterFormat &characterFormat();
    CharacterFormat resolveCharacterFormat() const;
    void forgetResolvedFormats(); // the tables changed: resolve again when the format next changes
    void storeRunText();
    ParagraphFormat paragraphFormat();
    bool overBudget() const;

    const QByteArray &m_in;
    const ReadLimits m_limits;
    qsizetype m_pos = 0;

    std::vector<GroupState> m_states;
    std::vector<SharedParagraphState> m_paragraphStates;
    std::vector<QString> m_linkTargets;
    int m_depth = 0; // brace depth; may exceed the saved states
    bool m_finished = false;
    int m_skipCount = 0;          // \uN fallback characters still to skip
    bool m_ignorableNext = false; // "\*" seen: the next control word opens a destination
    int m_excessSkipDepth = 0;    // > 0: skipping a destination opened past the saved depth

    RichTextDocument m_document;
    Paragraph m_paragraph;
    qsizetype m_elements = 0;
    int m_pendingCells = 0;          // table cells ended since the last text of the row
    bool m_pendingCellBreak = false; // a paragraph ended inside a table cell

    // Text waiting to be decoded: bytes of one code page, or a high surrogate from \uN.
    QByteArray m_pendingBytes;
    int m_pendingCodePage = kWindows1252;
    char16_t m_highSurrogate = 0;
    CodePageDecoder m_decoder;

    // The current format and the one before it: closing a group mostly returns to the format
    // that was current before it opened.
    std::array<ResolvedFormat, 2> m_formats;
    bool m_formatDirty = true;
    QByteArray m_runText;   // text of the paragraph's last run not yet stored in it
    bool m_runOpen = false; // the paragraph's last run has the current format

    int m_documentCodePage = kWindows1252;
    int m_defaultFont = 0;
    std::map<int, Font> m_fonts;
    bool m_fontPending = false;
    int m_fontNumber = 0;
    int m_fontCodePage = 0;
    QByteArray m_fontNameBytes; // in the font's code page
    QByteArray m_fontName;      // decoded so far, UTF-8
    std::vector<std::optional<Colour>> m_colours;
    Colour m_colour;
    bool m_colourGiven = false;

    std::vector<Field> m_fields;

    Numbering m_pnNumbering = Numbering::None;
    int m_pnStart = 1;
    bool m_pnBody = false;

    ListTable m_lists;

    PictureData m_picture;
    qsizetype m_pictureBytes = 0;
};

} // namespace tabulet::rtf
