#include "net/transferheader.h"

#include "printers.h"

#include <gtest/gtest.h>

namespace tabulet::net {
namespace {

QByteArray littleEndian(quint32 value)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return bytes;
}

QByteArray field(const QByteArray &text)
{
    return text + QByteArray(kTextFieldSize - text.size(), '\0');
}

// A note header put together byte by byte, as another implementation would write it.
QByteArray handMadeHeader(quint32 kind, quint32 headerSize, quint32 fileLength, const QByteArray &senderField,
                          const QByteArray &titleField)
{
    return littleEndian(kind) + littleEndian(headerSize) + littleEndian(fileLength) + senderField + titleField;
}

TEST(TransferHeader, encode_writesLittleEndianIntegersAndNulPaddedFields)
{
    TransferHeader header;
    header.fileLength = 0x01020304;
    header.sender = "anna";
    header.title = "Shopping";
    EXPECT_EQ(encodeTransferHeader(header), handMadeHeader(0, 140, 0x01020304, field("anna"), field("Shopping")));
}

TEST(TransferHeader, encode_cutsLongTextsTo64BytesWithoutTerminatingZero)
{
    TransferHeader header;
    header.sender = QByteArray(64, 's');
    header.title = QByteArray(70, 't');
    const QByteArray bytes = encodeTransferHeader(header);
    ASSERT_EQ(bytes.size(), kNoteHeaderSize);
    EXPECT_EQ(bytes.mid(12, 64), QByteArray(64, 's'));
    EXPECT_EQ(bytes.mid(76, 64), QByteArray(64, 't'));
}

TEST(TransferHeader, stopRequest_isExactlyTwelveBytes)
{
    EXPECT_EQ(encodeTransferHeader(TransferHeader::stopRequest()), QByteArray("\x01\0\0\0\x0C\0\0\0\0\0\0\0", 12));
}

struct DecodeCase
{
    const char *name;
    QByteArray bytes;
    bool decodes;
    bool stopRequest;
    QByteArray sender;
    QByteArray title;
};

class DecodeHeader : public testing::TestWithParam<DecodeCase>
{
};

TEST_P(DecodeHeader, readsFieldsUpToFirstZeroOr64Bytes)
{
    const DecodeCase &c = GetParam();
    const std::optional<TransferHeader> header = decodeTransferHeader(c.bytes);
    ASSERT_EQ(header.has_value(), c.decodes);
    if (!header)
        return;
    EXPECT_EQ(header->isStopRequest(), c.stopRequest);
    EXPECT_EQ(header->sender, c.sender);
    EXPECT_EQ(header->title, c.title);
}

INSTANTIATE_TEST_SUITE_P(
    Headers, DecodeHeader,
    testing::Values(
        DecodeCase{"fieldsWithZero", handMadeHeader(0, 140, 5, field("bob"), field("Hi")), true, false, "bob", "Hi"},
        DecodeCase{"fieldsOf64BytesWithoutZero",
                   handMadeHeader(0, 140, 5, QByteArray(64, 'b'), QByteArray(64, 'h')), true, false,
                   QByteArray(64, 'b'), QByteArray(64, 'h')},
        DecodeCase{"bytesAfterTheZeroIgnored", handMadeHeader(0, 140, 0, field(QByteArray("ab\0junk", 7)), field("")),
                   true, false, "ab", ""},
        // Only the first byte of kind is read.
        DecodeCase{"firstByteZeroOtherKindBytesSet", handMadeHeader(0x01000100, 140, 0, field("x"), field("y")), true,
                   false, "x", "y"},
        DecodeCase{"stopRequest", QByteArray("\x01\0\0\0\x0C\0\0\0\0\0\0\0", 12), true, true, "", ""},
        DecodeCase{"noteHeaderCutShort", handMadeHeader(0, 140, 0, field("x"), field("y")).left(139), false, false, "",
                   ""},
        DecodeCase{"fewerThanTwelveBytes", QByteArray("\x01\0\0\0\x0C", 5), false, false, "", ""}),
    [](const testing::TestParamInfo<DecodeCase> &param) { return std::string(param.param.name); });

TEST(TransferHeader, decodeHeaderStart_readsSignedFileLength)
{
    const std::optional<TransferHeader> header = decodeHeaderStart(handMadeHeader(0, 13, 0xFFFFFFFF, {}, {}));
    ASSERT_TRUE(header);
    EXPECT_EQ(header->headerSize, 13);
    EXPECT_EQ(header->fileLength, -1);
}

struct TextCase
{
    const char *name;
    QString text;
    QByteArray field;
    QString decoded; // when the field could not hold the whole text
};

class TextField : public testing::TestWithParam<TextCase>
{
};

TEST_P(TextField, encodesForWindowsReceiversAndDecodesBack)
{
    const TextCase &c = GetParam();
    EXPECT_EQ(encodeTextField(c.text), c.field);
    EXPECT_EQ(decodeTextField(c.field), c.decoded.isNull() ? c.text : c.decoded);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextField,
    testing::Values(TextCase{"ascii", QStringLiteral("Notes"), "Notes", {}},
                    TextCase{"windows1252", QString::fromUtf8("Grüße €"), "Gr\xFC\xDF"
                                                                           "e \x80",
                             {}},
                    TextCase{"utf8WhenOutsideWindows1252", QString::fromUtf8("Привет"),
                             QString::fromUtf8("Привет").toUtf8(), {}},
                    // 21 three-byte characters fill 63 bytes; the 22nd does not fit whole.
                    TextCase{"utf8CutAtCharacterBoundary", QString(21, QChar(0x20AC)) + QChar(0x4E00),
                             QString(21, QChar(0x20AC)).toUtf8(), QString(21, QChar(0x20AC))},
                    TextCase{"windows1252CutAt64", QString(64, u'a'), QByteArray(64, 'a'), {}}),
    [](const testing::TestParamInfo<TextCase> &param) { return std::string(param.param.name); });

TEST(TransferHeader, decodeTextField_readsUtf8CutInsideACharacterAt64Bytes)
{
    // What a sender that cuts bytes blindly makes of 22 euro signs.
    const QByteArray cut = QString(22, QChar(0x20AC)).toUtf8().left(64);
    EXPECT_EQ(decodeTextField(cut), QString(21, QChar(0x20AC)));
}

TEST(TransferHeader, decodeTextField_fallsBackToWindows1252AndStopsAtZero)
{
    EXPECT_EQ(decodeTextField(QByteArray("caf\xE9\0rest", 9)), QString::fromUtf8("café"));
    EXPECT_EQ(decodeTextField(QByteArray(64, '\0')), QString());
}

TEST(TransferHeader, encodeTextField_endsAtAnEmbeddedZero)
{
    EXPECT_EQ(encodeTextField(QStringLiteral("ab") + QChar(0) + QStringLiteral("cd")), QByteArray("ab"));
}

} // namespace
} // namespace tabulet::net
