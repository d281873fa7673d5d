#include "theme/layout.h"

#include "casename.h"

#include <gtest/gtest.h>

#include <ostream>

namespace tabulet::theme {

void PrintTo(const Rect &rect, std::ostream *out)
{
    *out << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}

namespace {

// A 450 x 300 window with a 4-pixel frame, in client coordinates.
constexpr Rect kWindow{-4, -4, 446, 296};

Coordinates coords(int x1, int y1, int x2, int y2, Centring centring = {})
{
    return {x1, y1, x2, y2, centring};
}

ThemeBitmap bitmapWithPicture(Coordinates coordinates, QSize size)
{
    ThemeBitmap bitmap;
    bitmap.imageMember = "picture.bmp";
    bitmap.coordinates = coordinates;
    bitmap.picture = ThemePicture{QByteArray("BM"), {}, size};
    return bitmap;
}

Subtheme subthemeWithRoot()
{
    Subtheme subtheme;
    subtheme.rects[QStringLiteral("ROOT")] = {QStringLiteral("ROOT"), coords(0, 0, -1, -1)};
    return subtheme;
}

TEST(ResolveRect, rootCoversTheWholeWindowFrameIncluded)
{
    EXPECT_EQ(resolveRect(coords(0, 0, -1, -1), kWindow), kWindow);
    // The top 20 rows across the full width, frame included.
    EXPECT_EQ(resolveRect(coords(0, 0, -1, 20), kWindow), (Rect{-4, -4, 446, 16}));
}

TEST(ResolveRect, negativeCoordinatesCountFromTheRightWhateverTheWidth)
{
    for (int width : {100, 450, 1920}) {
        const Rect window{0, 0, width, 300};
        const Rect rect = resolveRect(coords(-30, 0, -10, 10), window);
        EXPECT_EQ(rect.width(), 20) << width;
        EXPECT_EQ(window.right - rect.right, 9) << width; // 9 pixels inside the right edge
    }
}

TEST(ResolveRect, rectWiderOrHigherThanTheWindowIsClampedToIt)
{
    const Rect rect = resolveRect(coords(10, 10, 900, 700), Rect{0, 0, 450, 300});
    EXPECT_EQ(rect, (Rect{0, 0, 450, 300}));
    // Exactly as wide is kept.
    EXPECT_EQ(resolveRect(coords(10, 0, 460, 10), Rect{0, 0, 450, 300}), (Rect{10, 0, 460, 10}));
}

TEST(ResolveRect, reversedRectIsNeverClamped)
{
    EXPECT_EQ(resolveRect(coords(900, 0, 10, 10), Rect{0, 0, 450, 300}), (Rect{900, 0, 10, 10}));
}

TEST(ResolveRect, centredPictureSitsInTheMiddleWhateverItsCoordinates)
{
    const Rect window{0, 0, 450, 300};
    for (const Coordinates &at : {coords(0, 0, 10, 10, {true, true}), coords(-50, -60, -1, -1, {true, true})}) {
        const Rect rect = resolveRect(at, window, QSize(16, 16));
        EXPECT_EQ(rect, (Rect{217, 142, 233, 158}));
    }
}

TEST(ResolveRect, centringWithoutPictureUsesTheRectsOwnSize)
{
    const Rect rect = resolveRect(coords(0, 0, 100, 10, {true, false}), Rect{0, 0, 450, 300});
    EXPECT_EQ(rect, (Rect{175, 0, 275, 10}));
}

TEST(ResolveRect, centringHalvesTruncateTowardZero)
{
    // Odd reference and odd picture: half = 225 / 2 = 112, w = 15 / 2 = 7.
    EXPECT_EQ(resolveRect(coords(0, 0, 1, 1, {true, false}), Rect{0, 0, 225, 10}, QSize(15, 1)),
              (Rect{105, 0, 119, 1}));
    // A reversed rect keeps its direction: w = (15 * -1) / 2 = -7.
    EXPECT_EQ(resolveRect(coords(100, 0, 50, 1, {true, false}), Rect{0, 0, 225, 10}, QSize(15, 1)),
              (Rect{119, 0, 105, 1}));
}

TEST(ResolveRect, referenceOffsetAppliesToCentring)
{
    EXPECT_EQ(resolveRect(coords(0, 0, 1, 1, {true, true}), Rect{100, 200, 140, 260}, QSize(10, 10)),
              (Rect{115, 225, 125, 235}));
}

TEST(LayoutTheme, bitmapsAreStretchedUnlessCentred)
{
    Subtheme subtheme = subthemeWithRoot();
    subtheme.bitmaps.push_back(bitmapWithPicture(coords(10, 10, 60, 40), QSize(16, 16)));
    subtheme.bitmaps.push_back(bitmapWithPicture(coords(10, 10, 60, 40, {true, true}), QSize(16, 16)));
    const ThemeLayout layout = layoutTheme(subtheme, Rect{0, 0, 450, 300});
    ASSERT_EQ(layout.bitmaps.size(), 2u);
    EXPECT_EQ(layout.bitmaps[0], (Rect{10, 10, 60, 40}));
    EXPECT_EQ(layout.bitmaps[1], (Rect{217, 142, 233, 158}));
}

TEST(LayoutTheme, bitmapWithoutPictureIgnoresItsCentring)
{
    Subtheme subtheme = subthemeWithRoot();
    ThemeBitmap bitmap;
    bitmap.coordinates = coords(10, 10, 60, 40, {true, true});
    subtheme.bitmaps.push_back(bitmap);
    EXPECT_EQ(layoutTheme(subtheme, Rect{0, 0, 450, 300}).bitmaps.at(0), (Rect{10, 10, 60, 40}));
}

TEST(LayoutTheme, resolvesEveryRectAndPlacesButtonsAgainstRoot)
{
    Subtheme subtheme = subthemeWithRoot();
    subtheme.rects[QStringLiteral("textfield")] = {QStringLiteral("textfield"), coords(8, 40, -9, -9)};
    // A theme may move ROOT in; bitmaps and buttons follow it, named rects keep the window.
    subtheme.rects[QStringLiteral("ROOT")] = {QStringLiteral("ROOT"), coords(10, 10, -11, -11)};
    ThemeButton exit;
    exit.commandId = 3530;
    exit.x = -20;
    exit.y = 2;
    exit.states[QStringLiteral("normal")] = bitmapWithPicture({}, QSize(16, 14));
    ThemeButton withoutCommand = exit;
    withoutCommand.commandId = 0;
    subtheme.buttons = {withoutCommand, exit};

    const ThemeLayout layout = layoutTheme(subtheme, Rect{0, 0, 450, 300});
    EXPECT_EQ(findRect(layout, QStringLiteral("textfield")), (Rect{8, 40, 442, 292}));
    EXPECT_EQ(findRect(layout, QStringLiteral("ROOT")), (Rect{10, 10, 440, 290}));
    ASSERT_EQ(layout.buttons.size(), 1u);
    EXPECT_EQ(layout.buttons[0].buttonIndex, 1);
    EXPECT_EQ(layout.buttons[0].geometry, QRect(421, 12, 16, 14));
}

TEST(LayoutTheme, buttonWhosePictureFailedHasNoSize)
{
    Subtheme subtheme = subthemeWithRoot();
    ThemeButton button;
    button.commandId = 3500;
    button.states[QStringLiteral("normal")] = ThemeBitmap{};
    subtheme.buttons = {button};
    EXPECT_EQ(layoutTheme(subtheme, Rect{0, 0, 450, 300}).buttons.at(0).geometry.size(), QSize(0, 0));
}

TEST(FindRect, answersNothingForAnUnknownName)
{
    const Subtheme subtheme = subthemeWithRoot();
    EXPECT_FALSE(findRect(layoutTheme(subtheme, kWindow), QStringLiteral("dragbar")));
    EXPECT_FALSE(findRect(subtheme, QStringLiteral("dragbar"), kWindow));
}

TEST(FindRect, withAReferenceResolvesAgainstIt)
{
    Subtheme subtheme = subthemeWithRoot();
    subtheme.rects[QStringLiteral("tab_color_normal")] = {QStringLiteral("tab_color_normal"), coords(2, 3, -3, 6)};
    const Rect tab{100, 20, 160, 38};
    EXPECT_EQ(findRect(subtheme, QStringLiteral("tab_color_normal"), tab), (Rect{102, 23, 158, 26}));
}

TEST(PaintTheme, laterBitmapsArePaintedOverEarlierOnes)
{
    Subtheme subtheme = subthemeWithRoot();
    subtheme.bitmaps.push_back(bitmapWithPicture(coords(0, 0, 50, 50), QSize(4, 4)));
    subtheme.bitmaps.push_back(ThemeBitmap{}); // no picture: not painted
    subtheme.bitmaps.push_back(bitmapWithPicture(coords(0, 0, 50, 50), QSize(4, 4)));
    const ThemeLayout layout = layoutTheme(subtheme, Rect{0, 0, 450, 300});
    const std::vector<PaintStep> steps = paintTheme(subtheme, layout);
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0].bitmap, &subtheme.bitmaps[0]);
    EXPECT_EQ(steps[1].bitmap, &subtheme.bitmaps[2]);
}

TEST(PaintTheme, reversedRectangleIsDrawnMirrored)
{
    Subtheme subtheme = subthemeWithRoot();
    subtheme.bitmaps.push_back(bitmapWithPicture(coords(100, 0, 50, 20), QSize(4, 4)));
    const std::vector<PaintStep> steps = paintTheme(subtheme, layoutTheme(subtheme, Rect{0, 0, 450, 300}));
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_TRUE(steps[0].mirrorX());
    EXPECT_FALSE(steps[0].mirrorY());
    EXPECT_EQ(steps[0].target(), QRect(50, 0, 50, 20));
}

TEST(PaintTheme, areaSkipsBitmapsOutsideItAndShiftsTheRest)
{
    Subtheme subtheme = subthemeWithRoot();
    subtheme.bitmaps.push_back(bitmapWithPicture(coords(0, 0, 100, 20), QSize(4, 4)));    // meets the area
    subtheme.bitmaps.push_back(bitmapWithPicture(coords(0, 200, 100, 220), QSize(4, 4))); // below it
    subtheme.bitmaps.push_back(bitmapWithPicture(coords(130, 0, 100, 20), QSize(4, 4)));  // reversed, meets it
    subtheme.bitmaps.push_back(bitmapWithPicture(coords(120, 0, 130, 20), QSize(4, 4)));  // touches its edge only
    const ThemeLayout layout = layoutTheme(subtheme, Rect{0, 0, 450, 300});
    const Rect button{90, 5, 120, 25};
    const std::vector<PaintStep> steps = paintTheme(subtheme, layout, button);
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0].destination, (Rect{-90, -5, 10, 15}));
    EXPECT_EQ(steps[1].destination, (Rect{40, -5, 10, 15}));
    EXPECT_TRUE(steps[1].mirrorX());
}

TEST(PaintTheme, layoutOfAnotherSubthemeDrawsOnlyWhatBothKnow)
{
    Subtheme small = subthemeWithRoot();
    Subtheme large = subthemeWithRoot();
    for (int i = 0; i < 3; ++i)
        large.bitmaps.push_back(bitmapWithPicture(coords(0, 0, 10, 10), QSize(4, 4)));
    small.bitmaps.push_back(bitmapWithPicture(coords(0, 0, 10, 10), QSize(4, 4)));
    EXPECT_EQ(paintTheme(large, layoutTheme(small, kWindow)).size(), 1u);
}

TEST(PaintCombined, capsAndStretchedMiddleFillTheCallersRectangle)
{
    Subtheme subtheme = subthemeWithRoot();
    CombinedBitmap tab{QStringLiteral("tab_normal"), {}};
    tab.bitmaps.push_back(bitmapWithPicture(coords(0, 0, 5, -1), QSize(5, 18)));   // left cap
    tab.bitmaps.push_back(bitmapWithPicture(coords(5, 0, -6, -1), QSize(1, 18)));  // middle
    tab.bitmaps.push_back(bitmapWithPicture(coords(-6, 0, -1, -1), QSize(5, 18))); // right cap
    tab.bitmaps.push_back(ThemeBitmap{});                                          // draws nothing
    subtheme.combinedBitmaps[tab.name] = tab;
    const Rect area{100, 20, 180, 40};
    const std::vector<PaintStep> steps = paintCombined(subtheme, QStringLiteral("tab_normal"), area);
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_EQ(steps[0].destination, (Rect{100, 20, 105, 40}));
    EXPECT_EQ(steps[1].destination, (Rect{105, 20, 175, 40}));
    EXPECT_EQ(steps[2].destination, (Rect{175, 20, 180, 40}));
    EXPECT_TRUE(paintCombined(subtheme, QStringLiteral("tab_selected"), area).empty());
}

struct FitCase
{
    const char *name;
    QRect window;
    QSize minimum;
    QRect expected;
};

class FitWindow : public ::testing::TestWithParam<FitCase>
{
};

TEST_P(FitWindow, growsToTheMinimumAndStaysOnTheDesktop)
{
    const QRect desktop(0, 0, 1024, 768);
    EXPECT_EQ(fitWindow(GetParam().window, GetParam().minimum, desktop), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, FitWindow,
                         ::testing::Values(FitCase{"growsAtBottomRightCornerAndMovesBackOn", QRect(774, 618, 250, 150),
                                                   QSize(300, 200), QRect(724, 568, 300, 200)},
                                           FitCase{"largeEnoughStaysWhereItIs", QRect(100, 100, 400, 300),
                                                   QSize(300, 200), QRect(100, 100, 400, 300)},
                                           FitCase{"offTheTopLeftMovesOn", QRect(-50, -20, 400, 300), QSize(0, 0),
                                                   QRect(0, 0, 400, 300)},
                                           FitCase{"largerThanTheDesktopAlignsRightAndBottom", QRect(10, 10, 1200, 900),
                                                   QSize(0, 0), QRect(-176, -132, 1200, 900)}),
                         test::caseName<FitCase>);

} // namespace
} // namespace tabulet::theme
