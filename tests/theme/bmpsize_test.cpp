#include "theme/bmpsize.h"

#include "packagebuilder.h"

#include <QtEndian>

#include <gtest/gtest.h>

namespace tabulet::theme {
namespace {

TEST(BmpSize, readsTheInfoHeader)
{
    EXPECT_EQ(bmpSize(test::bmp(16, 14)), QSize(16, 14));
}

TEST(BmpSize, topDownBitmapHasItsHeightWithoutSign)
{
    QByteArray bytes = test::bmp(3, 5);
    qToLittleEndian<qint32>(-5, bytes.data() + 22);
    EXPECT_EQ(bmpSize(bytes), QSize(3, 5));
}

TEST(BmpSize, readsTheOldCoreHeader)
{
    QByteArray bytes("BM", 2);
    bytes.append(12, '\0');
    const uchar header[] = {12, 0, 0, 0, 7, 0, 9, 0, 1, 0, 24, 0};
    bytes.append(reinterpret_cast<const char *>(header), sizeof header);
    EXPECT_EQ(bmpSize(bytes), QSize(7, 9));
}

TEST(BmpSize, givesNoSizeForWhatIsNotABmp)
{
    QByteArray zeroWidth = test::bmp(1, 1);
    qToLittleEndian<qint32>(0, zeroWidth.data() + 18);
    QByteArray oddHeader = test::bmp(1, 1);
    qToLittleEndian<quint32>(20, oddHeader.data() + 14);
    for (const QByteArray &bytes : {QByteArray(), QByteArray("BM"), test::bmp(4, 4).left(20),
                                    QByteArray("\x89PNG\r\n\x1a\n0000000000000000000000"), zeroWidth, oddHeader})
        EXPECT_FALSE(bmpSize(bytes).isValid()) << bytes.toHex().toStdString();
}

} // namespace
} // namespace tabulet::theme
