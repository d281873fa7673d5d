#include "lang/menucaption.h"

#include <gtest/gtest.h>

namespace tabulet::lang {
namespace {

struct CaptionCase
{
    const char *name;
    const char *menuText;
    const char *caption;
};

class MenuCaption : public testing::TestWithParam<CaptionCase>
{
};

TEST_P(MenuCaption, captionOfMenuText_dropsAcceleratorsAndTrailingDots)
{
    EXPECT_EQ(captionOfMenuText(QString::fromUtf8(GetParam().menuText)), QString::fromUtf8(GetParam().caption));
}

INSTANTIATE_TEST_SUITE_P(Texts, MenuCaption,
                         testing::Values(CaptionCase{"threeDots", "Rename Tab...", "Rename Tab"},
                                         CaptionCase{"ellipsisCharacter", "Tab umbenennen…", "Tab umbenennen"},
                                         CaptionCase{"accelerator", "Replace &All", "Replace All"},
                                         CaptionCase{"doubledAmpersandStaysOne", "Notes && Tabs...", "Notes & Tabs"},
                                         CaptionCase{"ampersandAtTheEnd", "Close&", "Close"},
                                         CaptionCase{"blanksBeforeTheDots", " Search ... ", "Search"},
                                         CaptionCase{"onlyDots", "...", ""},
                                         CaptionCase{"plain", "New Tab", "New Tab"}),
                         [](const testing::TestParamInfo<CaptionCase> &testInfo) { return testInfo.param.name; });

} // namespace
} // namespace tabulet::lang
