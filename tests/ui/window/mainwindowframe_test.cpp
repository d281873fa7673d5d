#include "ui/window/mainwindowframe.h"

#include <gtest/gtest.h>

#include <QWidget>

namespace tabulet::ui {
namespace {

struct HitCase
{
    const char *name;
    QPoint point;
    bool withDragBar;
    FrameArea expected;
};

class FrameHitTest : public ::testing::TestWithParam<HitCase>
{
};

// A 300 × 200 window whose drag bar is the strip (10, 5)-(250, 25).
TEST_P(FrameHitTest, areaAt)
{
    const HitCase &hit = GetParam();
    const std::optional<QRect> dragBar =
        hit.withDragBar ? std::optional<QRect>(QRect(QPoint(10, 5), QPoint(250, 25))) : std::nullopt;
    EXPECT_EQ(frameAreaAt(hit.point, QSize(300, 200), dragBar), hit.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Window, FrameHitTest,
    ::testing::Values(HitCase{"onePixelInFiveDown_isTopLeft", {1, 5}, true, FrameArea::TopLeft},
                      HitCase{"sixAlongTheTop_isTopLeft", {6, 2}, true, FrameArea::TopLeft},
                      HitCase{"sevenAlongTheTop_isTopEdge", {7, 2}, true, FrameArea::Top},
                      HitCase{"sevenDownTheLeft_isLeftEdge", {2, 7}, true, FrameArea::Left},
                      HitCase{"bottomRightCorner", {299, 199}, true, FrameArea::BottomRight},
                      HitCase{"sixUpTheRight_isBottomRight", {298, 194}, true, FrameArea::BottomRight},
                      HitCase{"topRightCorner", {297, 0}, true, FrameArea::TopRight},
                      HitCase{"bottomLeftCorner", {0, 199}, true, FrameArea::BottomLeft},
                      HitCase{"bottomEdge", {150, 198}, true, FrameArea::Bottom},
                      HitCase{"rightEdge", {298, 100}, true, FrameArea::Right},
                      HitCase{"insideDragBar_isCaption", {100, 10}, true, FrameArea::Caption},
                      HitCase{"samePointWithoutDragBar_isClient", {100, 10}, false, FrameArea::Client},
                      HitCase{"belowDragBar_isClient", {100, 100}, true, FrameArea::Client}),
    [](const ::testing::TestParamInfo<HitCase> &caseInfo) { return std::string(caseInfo.param.name); });

TEST(FrameDragger, draggedGeometry_movesByTheCaptionAndSizesByTheEdges)
{
    const QRect pressed(100, 100, 300, 200);
    const QSize minimum(120, 80);
    EXPECT_EQ(FrameDragger::draggedGeometry(FrameArea::Caption, pressed, {100, 60}, minimum),
              QRect(200, 160, 300, 200));
    EXPECT_EQ(FrameDragger::draggedGeometry(FrameArea::BottomRight, pressed, {60, 50}, minimum),
              QRect(100, 100, 360, 250));
    // The left and top edges move the origin and keep the opposite edges in place.
    EXPECT_EQ(FrameDragger::draggedGeometry(FrameArea::TopLeft, pressed, {-20, 30}, minimum), QRect(80, 130, 320, 170));
}

TEST(FrameDragger, draggedGeometry_neverGoesBelowTheMinimumSize)
{
    const QRect pressed(100, 100, 300, 200);
    EXPECT_EQ(FrameDragger::draggedGeometry(FrameArea::Left, pressed, {500, 0}, {120, 80}), QRect(280, 100, 120, 200));
    EXPECT_EQ(FrameDragger::draggedGeometry(FrameArea::Bottom, pressed, {0, -500}, {120, 80}),
              QRect(100, 100, 300, 80));
}

// Without a window manager the system move is refused, and the window follows the pointer.
TEST(FrameDragger, followsThePointerWhereTheSystemDoesNotMove)
{
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setGeometry(50, 50, 200, 100);
    FrameDragger dragger(window);
    EXPECT_FALSE(dragger.press(FrameArea::Client, {60, 60}));
    ASSERT_TRUE(dragger.press(FrameArea::Caption, {60, 60}));
    ASSERT_TRUE(dragger.isTracking());
    dragger.follow({160, 120});
    EXPECT_EQ(window.pos(), QPoint(150, 110));
    EXPECT_TRUE(dragger.release());
    EXPECT_FALSE(dragger.follow({0, 0}));
    EXPECT_EQ(window.pos(), QPoint(150, 110));
}

} // namespace
} // namespace tabulet::ui
