#include "platform/programicon.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

using namespace tabulet;

// Without an installed icon theme (as in the build folder) the built-in drawing is used: every
// size a window or the About box asks for comes drawn, not blank.
TEST(ProgramIcon, isDrawnAtEverySizeWithoutAnInstalledTheme)
{
    const QIcon icon = platform::programIcon();
    ASSERT_FALSE(icon.isNull());
    for (const int size : {16, 32, 48, 64}) {
        const QImage picture = icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(picture.size(), QSize(size, size)) << size;
        int opaque = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x)
                opaque += qAlpha(picture.pixel(x, y)) == 255 ? 1 : 0;
        }
        EXPECT_GT(opaque, size * size / 4) << size;
    }
}
