#include "rtf/unbrokenrun.h"

#include <gtest/gtest.h>
#include <QString>

namespace tabulet::rtf {
namespace {

TEST(LongestUnbrokenRun, countsCharactersBetweenWhiteSpace)
{
    const struct
    {
        const char *text;
        qsizetype longest;
    } cases[] = {
        {"", 0},
        {"   ", 0},
        {"one", 3},
        {"a bb ccc", 3},
        {"ccc bb a", 3},
        {"tab\tbetween", 7},
        {"para\ngraph", 5},
        {"line\u2028separator", 9},
        {"no-break\u00a0space", 14}, // a no-break space joins
        {"\u00e4\u00f6\u00fc\u00df", 4},
    };
    for (const auto &c : cases)
        EXPECT_EQ(longestUnbrokenRun(QString::fromUtf8(c.text)), c.longest) << c.text;
}

} // namespace
} // namespace tabulet::rtf
