#include "lang/textdecoding.h"

#include <gtest/gtest.h>

namespace tabulet::lang {
namespace {

TEST(TextDecoding, decodeText_readsUtf8AndDropsByteOrderMark)
{
    EXPECT_EQ(decodeText(QByteArray("\xEF\xBB\xBF"
                                    "Gr\xC3\xBC\xC3\x9F"
                                    "e")),
              QString::fromUtf8("Grüße"));
}

TEST(TextDecoding, decodeText_fallsBackToWindows1252ForInvalidUtf8)
{
    // One invalid sequence makes the whole text Windows-1252, so valid-looking pairs are not mixed in.
    EXPECT_EQ(decodeText(QByteArray("\xC3\xBC \xE4")), QString::fromUtf8("Ã¼ ä"));
}

TEST(TextDecoding, decodeWindows1252_mapsEveryHighByte)
{
    EXPECT_EQ(decodeWindows1252(QByteArray("\x80\x8A\x9F\xA0\xFF")), QString::fromUtf8("€ŠŸ\u00A0ÿ"));
    EXPECT_EQ(decodeWindows1252(QByteArray("\x81\x8D")), QString::fromUtf8("\u0081\u008D"));
}

} // namespace
} // namespace tabulet::lang
