#include "ui/dialogs/besidewindow.h"

#include <gtest/gtest.h>

namespace tabulet::ui {
namespace {

struct PlaceCase
{
    const char *name;
    QRect window;
    QPoint dialog;
};

class BesideWindow : public ::testing::TestWithParam<PlaceCase>
{
};

// A 400×250 dialog on a 1024×768 screen whose available area starts below a 24-pixel panel.
TEST_P(BesideWindow, leavesTheWindowInView)
{
    const QRect screen(0, 24, 1024, 744);
    const QSize dialog(400, 250);
    const QPoint at = besideWindow(GetParam().window, dialog, screen);
    EXPECT_EQ(at, GetParam().dialog);
    EXPECT_TRUE(screen.contains(QRect(at, dialog))) << "the dialog leaves the screen";
}

INSTANTIATE_TEST_SUITE_P(
    Places, BesideWindow,
    ::testing::Values(PlaceCase{"belowACentredWindow", QRect(287, 284, 450, 200), QPoint(312, 492)},
                      PlaceCase{"aboveAWindowAtTheFoot", QRect(287, 560, 450, 200), QPoint(312, 302)},
                      PlaceCase{"belowANarrowWindowAtTheRightEdge", QRect(880, 200, 144, 300), QPoint(624, 508)},
                      PlaceCase{"rightOfATallWindow", QRect(0, 24, 500, 744), QPoint(508, 24)},
                      PlaceCase{"leftOfATallWindowAtTheRight", QRect(600, 24, 424, 744), QPoint(192, 24)},
                      PlaceCase{"atTheFootOverAScreenWideWindow", QRect(0, 24, 1024, 744), QPoint(312, 518)}),
    [](const ::testing::TestParamInfo<PlaceCase> &testCase) { return std::string(testCase.param.name); });

} // namespace
} // namespace tabulet::ui
