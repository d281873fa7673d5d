// The coordinate rule the previews lay themes out by.
#include "themebuilder/placement.h"

#include <gtest/gtest.h>

namespace tabulet::themebuilder {
namespace {

struct PlacementCase
{
    const char *name;
    theme::Coordinates placement;
    Edges reference;
    std::optional<QSize> picture;
    Edges expected;
};

class PlacementTest : public ::testing::TestWithParam<PlacementCase>
{
};

TEST_P(PlacementTest, resolvesAgainstTheReference)
{
    const PlacementCase &c = GetParam();
    const Edges edges = resolvePlacement(c.placement, c.reference, c.picture);
    EXPECT_EQ(edges.left, c.expected.left);
    EXPECT_EQ(edges.top, c.expected.top);
    EXPECT_EQ(edges.right, c.expected.right);
    EXPECT_EQ(edges.bottom, c.expected.bottom);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, PlacementTest,
    ::testing::Values(
        PlacementCase{
            "rootIsTheWholeWindowFrameIncluded", {0, 0, -1, -1, {}}, {-4, -4, 446, 296}, {}, {-4, -4, 446, 296}},
        PlacementCase{
            "negativeValuesCountFromTheRightEdge", {-30, 0, -10, 20, {}}, {0, 0, 450, 300}, {}, {421, 0, 441, 20}},
        PlacementCase{"tooWideIsClampedToTheReference", {10, 0, 900, 20, {}}, {0, 0, 450, 300}, {}, {0, 0, 450, 20}},
        PlacementCase{"centredPictureKeepsItsSize",
                      {3, 3, 9, 9, {true, true}},
                      {0, 0, 450, 300},
                      QSize(16, 16),
                      {217, 142, 233, 158}},
        PlacementCase{"oddPictureLosesAPixelToTheHalving",
                      {0, 0, 0, 0, {true, false}},
                      {0, 0, 40, 20},
                      QSize(15, 15),
                      {13, 0, 27, 0}},
        PlacementCase{"reversedCornersStayReversed", {100, 0, 50, 10, {}}, {0, 0, 450, 300}, {}, {100, 0, 50, 10}}),
    [](const ::testing::TestParamInfo<PlacementCase> &param) { return std::string(param.param.name); });

TEST(PlacementTest, anAxisIsFixedOnlyWhenBothEndsCountFromTheSameEdge)
{
    EXPECT_TRUE(fixedWidth({0, 0, 8, 0, {}}));
    EXPECT_TRUE(fixedWidth({-9, 0, -1, 0, {}}));
    EXPECT_FALSE(fixedWidth({8, 0, -9, 0, {}}));
    EXPECT_FALSE(fixedHeight({0, 52, 0, -34, {}}));
}

} // namespace
} // namespace tabulet::themebuilder
