#include "rtftestsupport.h"

#include <QFile>

#include <array>

namespace tabulet::rtf::test {

QByteArray body(const QByteArray &rtfBody)
{
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}{\\f1\\fmodern Courier New;}}"
           "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\\viewkind4\\uc1\\pard " +
           rtfBody + "}";
}

const Run *runWithText(const RichTextDocument &document, const QByteArray &utf8)
{
    for (const Paragraph &paragraph : document.paragraphs) {
        for (const Run &run : paragraph.runs) {
            if (!run.isPicture() && run.text == utf8)
                return &run;
        }
    }
    return nullptr;
}

std::vector<QByteArray> paragraphTexts(const RichTextDocument &document)
{
    std::vector<QByteArray> texts;
    for (const Paragraph &paragraph : document.paragraphs) {
        QByteArray text;
        for (const Run &run : paragraph.runs)
            text += run.text;
        texts.push_back(text);
    }
    return texts;
}

namespace {

QByteArray bigEndian(quint32 value, int bytes)
{
    QByteArray out;
    for (int i = bytes - 1; i >= 0; --i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

} // namespace

QByteArray pngBytes(int width, int height)
{
    return QByteArray("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16) + bigEndian(width, 4) + bigEndian(height, 4) +
           QByteArray("\x08\x02\0\0\0", 5);
}

QByteArray jpegBytes(int width, int height)
{
    return QByteArray("\xFF\xD8\xFF\xE0\0\x04\0\0\xFF\xC0\0\x11\x08", 13) + bigEndian(height, 2) + bigEndian(width, 2) +
           QByteArray(10, '\x01') + "\xFF\xD9";
}

QByteArray dataFile(const char *name)
{
    QFile file(QStringLiteral(TABULET_SOURCE_DIR "/tests/rtf/data/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

namespace {

template<typename T, std::size_t N> const T &pick(std::mt19937 &generator, const std::array<T, N> &items)
{
    return items[std::uniform_int_distribution<std::size_t>(0, N - 1)(generator)];
}

int between(std::mt19937 &generator, int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(generator);
}

bool chance(std::mt19937 &generator, int percent)
{
    return between(generator, 1, 100) <= percent;
}

std::optional<Colour> randomColour(std::mt19937 &generator)
{
    if (chance(generator, 60))
        return std::nullopt;
    return Colour{static_cast<std::uint8_t>(between(generator, 0, 255)),
                  static_cast<std::uint8_t>(between(generator, 0, 255)),
                  static_cast<std::uint8_t>(between(generator, 0, 255))};
}

CharacterFormat randomCharacterFormat(std::mt19937 &generator, bool mayLink)
{
    static const std::array<QString, 4> faces{QStringLiteral("Arial"), QStringLiteral("Courier New"),
                                              QStringLiteral("Times New Roman"), QStringLiteral("Noto Sans CJK")};
    static const std::array<QString, 3> links{QStringLiteral("https://example.org/a?b=1&c=\"d\""),
                                              QStringLiteral("mailto:someone@example.org"),
                                              QStringLiteral("file:///tmp/a b\\c \u00e9")};
    CharacterFormat format;
    format.bold = chance(generator, 30);
    format.italic = chance(generator, 30);
    format.underline = chance(generator, 20);
    format.strikeOut = chance(generator, 10);
    format.verticalPosition = pick(generator, std::array{VerticalPosition::Normal, VerticalPosition::Normal,
                                                         VerticalPosition::Superscript, VerticalPosition::Subscript});
    format.offsetHalfPoints = chance(generator, 15) ? between(generator, -20, 20) : 0;
    format.allCapitals = chance(generator, 10);
    format.smallCapitals = chance(generator, 10);
    format.fontFace = pick(generator, faces);
    format.sizeHalfPoints = between(generator, 2, 200);
    format.textColour = randomColour(generator);
    format.fillColour = randomColour(generator);
    if (mayLink && chance(generator, 15))
        format.linkTarget = pick(generator, links);
    return format;
}

QByteArray randomText(std::mt19937 &generator)
{
    static const std::array<const char *, 16> pieces{"a",
                                                     "Z",
                                                     " ",
                                                     "note",
                                                     "\\",
                                                     "{",
                                                     "}",
                                                     "\t",
                                                     ";",
                                                     "?",
                                                     "\xc3\xa9",
                                                     "\xe2\x82\xac",
                                                     "\xe2\x80\xa8",
                                                     "\xd0\x96",
                                                     "\xe6\x97\xa5",
                                                     "\xf0\x9f\x98\x80"};
    QByteArray text;
    const int length = between(generator, 1, 12);
    for (int i = 0; i < length; ++i)
        text += pick(generator, pieces);
    return text;
}

Picture randomPicture(std::mt19937 &generator)
{
    Picture picture;
    picture.type = chance(generator, 50) ? PictureType::Png : PictureType::Jpeg;
    picture.pixelWidth = between(generator, 1, 2000);
    picture.pixelHeight = between(generator, 1, 2000);
    picture.data = picture.type == PictureType::Png ? pngBytes(picture.pixelWidth, picture.pixelHeight)
                                                    : jpegBytes(picture.pixelWidth, picture.pixelHeight);
    for (int i = between(generator, 0, 40); i > 0; --i)
        picture.data += static_cast<char>(between(generator, 0, 255));
    picture.displayWidth = between(generator, 1, 9000);
    picture.displayHeight = between(generator, 1, 9000);
    return picture;
}

ParagraphFormat randomParagraphFormat(std::mt19937 &generator)
{
    ParagraphFormat format;
    format.alignment =
        pick(generator, std::array{Alignment::Left, Alignment::Centre, Alignment::Right, Alignment::Justified});
    if (chance(generator, 40)) {
        format.numbering =
            pick(generator, std::array{Numbering::Bullet, Numbering::Arabic, Numbering::LowerLetter,
                                       Numbering::UpperLetter, Numbering::LowerRoman, Numbering::UpperRoman});
        if (format.numbering != Numbering::Bullet)
            format.numberingStart = between(generator, 0, 40);
    }
    format.startIndent = between(generator, -4, 8) * 180;
    format.rightIndent = between(generator, 0, 4) * 180;
    format.firstLineIndent = between(generator, -4, 4) * 90;
    format.spaceBefore = between(generator, 0, 3) * 120;
    format.spaceAfter = between(generator, 0, 3) * 120;
    switch (between(generator, 0, 3)) {
    case 1:
        format.lineSpacing = {LineSpacingRule::Proportional,
                              between(generator, 1, 99) * 5 + (chance(generator, 50) ? 1 : 0)};
        break;
    case 2:
        format.lineSpacing = {LineSpacingRule::AtLeast, between(generator, 1, 2000)};
        break;
    case 3:
        format.lineSpacing = {LineSpacingRule::Exactly, between(generator, 1, 2000)};
        break;
    default:
        break;
    }
    if (format.lineSpacing.rule == LineSpacingRule::Proportional && format.lineSpacing.value == 100)
        format.lineSpacing = {};
    int position = 0;
    for (int i = between(generator, 0, 3); i > 0; --i) {
        position += between(generator, 1, 2000);
        format.tabStops.push_back({position, pick(generator, std::array{TabAlignment::Left, TabAlignment::Centre,
                                                                        TabAlignment::Right, TabAlignment::Decimal})});
    }
    return format;
}

} // namespace

RichTextDocument randomDocument(std::mt19937 &generator)
{
    RichTextDocument document;
    document.paragraphs.clear();
    for (int p = between(generator, 1, 8); p > 0; --p) {
        Paragraph paragraph;
        paragraph.format = randomParagraphFormat(generator);
        paragraph.markFormat = randomCharacterFormat(generator, false);
        for (int r = between(generator, 0, 6); r > 0; --r) {
            Run run{randomCharacterFormat(generator, true), {}, std::nullopt};
            if (chance(generator, 10))
                run.picture = randomPicture(generator);
            else
                run.text = randomText(generator);
            // Neighbouring text of one format is one run.
            const bool merges = !paragraph.runs.empty() && !run.isPicture() && !paragraph.runs.back().isPicture() &&
                                paragraph.runs.back().format == run.format;
            if (!merges)
                paragraph.runs.push_back(std::move(run));
        }
        document.paragraphs.push_back(std::move(paragraph));
    }
    return document;
}

} // namespace tabulet::rtf::test
