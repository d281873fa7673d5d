#include "skintestsupport.h"

#include "ui/skin/skinnedbutton.h"
#include "ui/skin/skinnedbuttonaccessible.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>

#include <gmock/gmock.h>

namespace tabulet::ui::test {
namespace {

TEST(SkinPaint, reversedRectangleMirrorsThePicture)
{
    SkinFixture f;
    f.load(R"(<bitmaps><bitmap img="split.bmp" x1="100" y1="0" x2="50" y2="10"/></bitmaps>)",
           {{"split.bmp", splitBmp(4, 2, kRed, kBlue)}});
    const QImage skin = f.rendered();
    EXPECT_EQ(pixel(skin, 52, 5), kBlue);
    EXPECT_EQ(pixel(skin, 97, 5), kRed);
    EXPECT_EQ(pixel(skin, 101, 5), kBlack) << "nothing drawn beyond the rectangle";
}

TEST(SkinPaint, centredPictureIsDrawnUnscaledInTheMiddle)
{
    SkinFixture f;
    f.load(R"(<bitmaps><bitmap img="dot.bmp" x1="0" y1="0" x2="5" y2="5" flags="centerx centery"/></bitmaps>)",
           {{"dot.bmp", solidBmp(16, 16, kRed)}});
    const QImage skin = f.rendered();
    // A 200 x 100 window: the picture covers x 92..107 and y 42..57.
    EXPECT_EQ(pixel(skin, 92, 42), kRed);
    EXPECT_EQ(pixel(skin, 107, 57), kRed);
    EXPECT_EQ(pixel(skin, 91, 50), kBlack);
    EXPECT_EQ(pixel(skin, 108, 50), kBlack);
    EXPECT_EQ(pixel(skin, 100, 58), kBlack);
}

// On a screen scaled by two a stretched picture is smoothed at the screen's pixels: no two
// neighbouring pixels of a colour ramp are the same doubled one, and none takes on the key.
TEST(SkinPaint, aScaledScreenGetsThePictureSmoothedToItsPixels)
{
    SkinImage image;
    image.picture = QImage(2, 1, QImage::Format_RGB32);
    image.picture.setPixelColor(0, 0, kRed);
    image.picture.setPixelColor(1, 0, kBlue);
    QImage screen(80, 20, QImage::Format_RGB32);
    screen.setDevicePixelRatio(2);
    screen.fill(Qt::black);
    QPainter painter(&screen);
    drawSkinImage(painter, image, 0, 0, 40, 10);
    painter.end();
    for (int x = 24; x < 56; x += 2)
        EXPECT_NE(screen.pixel(x, 10), screen.pixel(x + 1, 10)) << "pixels " << x << " and " << x + 1;

    // The theme's transparent colour (here blue) does not bleed into the picture's edge.
    image.chromaKey = kBlue.rgb();
    image.scaled = {};
    painter.begin(&screen);
    drawSkinImage(painter, image, 0, 0, 40, 10);
    painter.end();
    for (int x = 0; x < 40; ++x)
        EXPECT_EQ(screen.pixelColor(x, 10), kRed) << "pixel " << x;
}

TEST(SkinPaint, laterBitmapCoversEarlierOne)
{
    SkinFixture f;
    f.load(R"(<bitmaps><bitmap img="a.bmp" x1="0" y1="0" x2="-1" y2="-1"/>
                       <bitmap img="b.bmp" x1="10" y1="10" x2="20" y2="20"/></bitmaps>)",
           {{"a.bmp", solidBmp(2, 2, kRed)}, {"b.bmp", solidBmp(2, 2, kBlue)}});
    const QImage skin = f.rendered();
    EXPECT_EQ(pixel(skin, 5, 5), kRed);
    EXPECT_EQ(pixel(skin, 15, 15), kBlue);
    EXPECT_EQ(pixel(skin, 199, 99), kRed) << "-1 reaches the window's right and bottom edges";
}

TEST(SkinPaint, maskKeepsTheBackgroundWhereItIsWhite)
{
    SkinFixture f;
    QImage mask(2, 1, QImage::Format_RGB32);
    mask.setPixelColor(0, 0, kBlack);
    mask.setPixelColor(1, 0, kWhite);
    f.load(
        R"(<bitmaps><bitmap img="back.bmp" x1="0" y1="0" x2="-1" y2="-1"/>
                       <bitmap img="front.bmp" mask="mask.bmp" x1="0" y1="0" x2="40" y2="10"/></bitmaps>)",
        {{"back.bmp", solidBmp(1, 1, kGreen)}, {"front.bmp", splitBmp(2, 1, kRed, kBlack)}, {"mask.bmp", bmpOf(mask)}});
    const QImage skin = f.rendered();
    EXPECT_EQ(pixel(skin, 5, 5), kRed);
    EXPECT_EQ(pixel(skin, 35, 5), kGreen);
}

TEST(SkinPaint, areaPutsItsCornerAtThePainterOrigin)
{
    SkinFixture f;
    f.load(R"(<bitmaps><bitmap img="b.bmp" x1="50" y1="20" x2="60" y2="30"/></bitmaps>)",
           {{"b.bmp", solidBmp(1, 1, kBlue)}});
    QImage surface(20, 20, QImage::Format_RGB32);
    surface.fill(kWhite);
    QPainter painter(&surface);
    f.skin.paint(painter, QRect(45, 15, 20, 20));
    painter.end();
    EXPECT_EQ(pixel(surface, 4, 4), kWhite);
    EXPECT_EQ(pixel(surface, 5, 5), kBlue);
    EXPECT_EQ(pixel(surface, 14, 14), kBlue);
    EXPECT_EQ(pixel(surface, 15, 15), kWhite);
}

TEST(SkinCombined, middlePieceStretchesBetweenItsInsets)
{
    SkinFixture f;
    f.load(R"(<combinedBitmaps><combinedBitmap name="bar">
                 <bitmap img="mid.bmp" x1="5" y1="0" x2="-6" y2="-1"/></combinedBitmap></combinedBitmaps>)",
           {{"mid.bmp", solidBmp(1, 1, kRed)}});
    QImage surface(60, 10, QImage::Format_RGB32);
    surface.fill(kWhite);
    QPainter painter(&surface);
    f.skin.drawCombined(painter, QStringLiteral("bar"), QRect(10, 0, 40, 10));
    f.skin.drawCombined(painter, QStringLiteral("unknown"), surface.rect());
    painter.end();
    EXPECT_EQ(pixel(surface, 14, 5), kWhite);
    EXPECT_EQ(pixel(surface, 15, 5), kRed);
    EXPECT_EQ(pixel(surface, 44, 5), kRed);
    EXPECT_EQ(pixel(surface, 45, 5), kWhite);
    EXPECT_TRUE(f.skin.hasCombined(QStringLiteral("bar")));
    EXPECT_FALSE(f.skin.hasCombined(QStringLiteral("unknown")));
}

TEST(SkinProblems, unreadablePicturesAreReportedAndDrawNothing)
{
    SkinFixture f;
    f.load(R"(<bitmaps><bitmap img="broken.bmp" x1="0" y1="0" x2="-1" y2="-1"/>
                       <bitmap img="absent.bmp" x1="0" y1="0" x2="-1" y2="-1"/></bitmaps>)",
           {{"broken.bmp", "BM not really a picture"}});
    std::vector<QString> texts;
    for (const auto &[text, caption] : f.reported) {
        EXPECT_EQ(caption, QStringLiteral("ERROR"));
        texts.push_back(text);
    }
    EXPECT_THAT(texts, ::testing::UnorderedElementsAre(QStringLiteral("absent.bmp: unable to open file"),
                                                       QStringLiteral("broken.bmp: unable to open file")));
    EXPECT_EQ(pixel(f.rendered(), 10, 10), kBlack);
}

// Thousands of missing pictures make one message that lists the first of them.
TEST(SkinProblems, manyProblemsMakeOneMessageWithTheFirstFew)
{
    SkinFixture f;
    f.texts.loadLanguageText("THEME_MOREPROBLEMS: and %d more\n");
    QByteArray bitmaps;
    for (int i = 0; i < 500; ++i)
        bitmaps += "<bitmap img=\"gone" + QByteArray::number(i) + ".bmp\"/>";
    std::vector<Member> broken;
    for (int i = 0; i < 30; ++i) {
        bitmaps += "<bitmap img=\"broken" + QByteArray::number(i) + ".bmp\"/>";
        broken.push_back({"broken" + QByteArray::number(i) + ".bmp", "BM not really a picture"});
    }
    f.load("<bitmaps>" + bitmaps + "</bitmaps>", broken);
    ASSERT_EQ(f.reported.size(), 2u) << "one for the missing, one for the undecodable";
    const QStringList missing = f.reported[0].first.split('\n');
    ASSERT_EQ(missing.size(), 11);
    EXPECT_EQ(missing[0], "gone0.bmp: unable to open file");
    EXPECT_EQ(missing[9], "gone9.bmp: unable to open file");
    EXPECT_EQ(missing[10], "and 490 more");
    EXPECT_EQ(f.reported[1].first.split('\n').last(), "and 20 more");
}

const QByteArray kButtons = R"(<buttons>
    <button cmd="makeSelectionBold" x="-31" y="4">
        <state name="normal"><bitmap img="n.bmp"/></state>
        <state name="mouseover"><bitmap img="m.bmp"/></state>
        <state name="selected"><bitmap img="s.bmp"/></state>
        <state name="selected_mouseover"><bitmap img="sm.bmp"/></state>
    </button>
    <button cmd="noSuchCommand"><state name="normal"><bitmap img="n.bmp"/></state></button>
    <button cmd="exit"><state name="selected"><bitmap img="s.bmp"/></state></button>
    <button cmd="minimize" x="2" y="2"><state name="normal"><bitmap img="gone.bmp"/></state></button>
</buttons>)";

std::vector<Member> buttonPictures()
{
    return {{"n.bmp", solidBmp(10, 8, kRed)},
            {"m.bmp", solidBmp(10, 8, kGreen)},
            {"s.bmp", solidBmp(10, 8, kBlue)},
            {"sm.bmp", solidBmp(10, 8, kWhite)}};
}

TEST(SkinButtons, onlyCommandsWithANormalLookGetAWindowPlacedByTheLayout)
{
    SkinFixture f;
    f.load(kButtons, buttonPictures());
    ASSERT_EQ(f.skin.buttons().size(), 2U);
    SkinnedButton *bold = f.skin.button(QStringLiteral("makeSelectionBold"));
    ASSERT_NE(bold, nullptr);
    EXPECT_EQ(bold->commandId(), 3500);
    EXPECT_EQ(bold->parentWidget(), &f.window);
    EXPECT_EQ(bold->geometry(), QRect(170, 4, 10, 8)) << "x = -31 counts from the right edge";
    EXPECT_FALSE(bold->isHidden());
    EXPECT_EQ(f.skin.button(QStringLiteral("exit")), nullptr);
    SkinnedButton *minimize = f.skin.button(QStringLiteral("minimize"));
    ASSERT_NE(minimize, nullptr);
    EXPECT_EQ(minimize->size(), QSize(0, 0)) << "a missing normal picture leaves nothing to see or click";

    f.window.resize(300, 100);
    f.skin.layout(f.window.rect());
    EXPECT_EQ(bold->pos(), QPoint(270, 4));

    f.skin.release();
    EXPECT_TRUE(f.skin.buttons().empty());
    EXPECT_TRUE(f.window.findChildren<SkinnedButton *>().isEmpty());
}

struct LookCase
{
    const char *name;
    std::vector<SkinnedButton::Look> present; // besides normal
    bool selected;
    bool hovering;
    SkinnedButton::Look shown;
};

class SkinButtonLook : public ::testing::TestWithParam<LookCase>
{
};

TEST_P(SkinButtonLook, choosesTheFirstMatchingPicture)
{
    QWidget window;
    lang::TextTable texts;
    Skin skin(window, texts);
    SkinnedButton button(skin, window, 3500, QStringLiteral("makeSelectionBold"));
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(kRed);
    button.setLookImage(SkinnedButton::Look::Normal, SkinImage{picture, {}, {}, {}});
    for (const SkinnedButton::Look look : GetParam().present)
        button.setLookImage(look, SkinImage{picture, {}, {}, {}});
    button.setSelected(GetParam().selected);
    if (GetParam().hovering) {
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QCoreApplication::sendEvent(&button, &enter);
    }
    EXPECT_EQ(button.shownLook(), GetParam().shown);
}

using Look = SkinnedButton::Look;
INSTANTIATE_TEST_SUITE_P(
    Looks, SkinButtonLook,
    ::testing::Values(
        LookCase{"selectedHoveredWithoutSelectedMouseoverShowsSelected", {Look::Selected}, true, true, Look::Selected},
        LookCase{"selectedHoveredShowsSelectedMouseover",
                 {Look::Mouseover, Look::Selected, Look::SelectedMouseover},
                 true,
                 true,
                 Look::SelectedMouseover},
        LookCase{"hoveredShowsMouseover",
                 {Look::Mouseover, Look::Selected, Look::SelectedMouseover},
                 false,
                 true,
                 Look::Mouseover},
        LookCase{"hoveredWithoutMouseoverShowsNormal", {Look::Selected}, false, true, Look::Normal},
        LookCase{"selectedWithoutSelectedLookShowsNormal", {Look::Mouseover}, true, false, Look::Normal},
        LookCase{"idleShowsNormal", {Look::Mouseover, Look::Selected}, false, false, Look::Normal}),
    [](const ::testing::TestParamInfo<LookCase> &look) { return std::string(look.param.name); });

TEST(SkinButtons, hoverAndSelectionSwitchThePaintedLook)
{
    SkinFixture f;
    f.load(kButtons, buttonPictures());
    SkinnedButton *bold = f.skin.button(QStringLiteral("makeSelectionBold"));
    EXPECT_EQ(pixel(bold->grab().toImage(), 5, 4), kRed);

    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(bold, &enter);
    EXPECT_EQ(pixel(bold->grab().toImage(), 5, 4), kGreen);

    f.skin.setButtonSelected(QStringLiteral("makeSelectionBold"), true);
    EXPECT_EQ(pixel(bold->grab().toImage(), 5, 4), kWhite);

    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(bold, &leave);
    EXPECT_EQ(pixel(bold->grab().toImage(), 5, 4), kBlue);
    f.skin.setButtonSelected(QStringLiteral("makeSelectionBold"), false);
    EXPECT_EQ(pixel(bold->grab().toImage(), 5, 4), kRed);
}

void sendMouse(QWidget *widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), Qt::LeftButton, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

TEST(SkinButtons, clickSendsTheCommandOnlyWhenReleasedOverTheButton)
{
    SkinFixture f;
    f.load(kButtons, buttonPictures());
    SkinnedButton *bold = f.skin.button(QStringLiteral("makeSelectionBold"));
    QSignalSpy commands(&f.skin, &Skin::commandTriggered);

    sendMouse(bold, QEvent::MouseButtonPress, {3, 3}, Qt::LeftButton);
    sendMouse(bold, QEvent::MouseMove, {40, 40}, Qt::LeftButton);
    sendMouse(bold, QEvent::MouseButtonRelease, {40, 40}, Qt::NoButton);
    EXPECT_EQ(commands.count(), 0) << "dragged off before release";
    EXPECT_FALSE(bold->isDown());

    sendMouse(bold, QEvent::MouseButtonPress, {3, 3}, Qt::LeftButton);
    sendMouse(bold, QEvent::MouseMove, {40, 40}, Qt::LeftButton);
    sendMouse(bold, QEvent::MouseMove, {4, 4}, Qt::LeftButton);
    sendMouse(bold, QEvent::MouseButtonRelease, {4, 4}, Qt::NoButton);
    ASSERT_EQ(commands.count(), 1) << "dragged back on";
    EXPECT_EQ(commands.at(0).at(0).toInt(), 3500);
}

TEST(SkinButtons, toolTipsFollowTheOptionWithHashesWidened)
{
    SkinFixture f;
    f.texts.loadLanguageText("TOOL_BOLD: Bold#Ctrl+B\n");
    f.load(kButtons, buttonPictures());
    SkinnedButton *bold = f.skin.button(QStringLiteral("makeSelectionBold"));
    EXPECT_EQ(bold->toolTip(), QStringLiteral("Bold     Ctrl+B"));

    f.skin.setShowToolTips(false);
    EXPECT_TRUE(bold->toolTip().isEmpty());
    f.skin.activate(f.themeData);
    EXPECT_TRUE(f.skin.button(QStringLiteral("makeSelectionBold"))->toolTip().isEmpty())
        << "the option holds for buttons made later";
}

// What a screen reader finds of a theme button: its caption as its name even with tool tips off,
// checkable and checked once the window shows the state on it, and pressed by its action.
TEST(SkinButtons, accessibleButtonIsNamedByItsCaptionAndPressedByItsAction)
{
    SkinFixture f;
    f.texts.loadLanguageText("TOOL_BOLD: Bold#Ctrl+B\n");
    f.load(kButtons, buttonPictures());
    f.skin.setShowToolTips(false);
    SkinnedButton *bold = f.skin.button(QStringLiteral("makeSelectionBold"));
    SkinnedButtonAccessible accessible(*bold);
    EXPECT_EQ(accessible.role(), QAccessible::Button);
    EXPECT_EQ(accessible.text(QAccessible::Name), QStringLiteral("Bold Ctrl+B"));
    EXPECT_FALSE(accessible.state().checkable);

    for (const bool selected : {true, false}) {
        f.skin.setButtonSelected(QStringLiteral("makeSelectionBold"), selected);
        EXPECT_TRUE(accessible.state().checkable);
        EXPECT_EQ(accessible.state().checked, selected);
    }

    QSignalSpy commands(&f.skin, &Skin::commandTriggered);
    ASSERT_EQ(accessible.actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    accessible.doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(commands.count(), 0) << "the press is carried out after the caller's call returns";
    ASSERT_TRUE(commands.wait(2000));
    EXPECT_EQ(commands.at(0).at(0).toInt(), 3500);
}

TEST(SkinButtons, windowDestroyedBeforeTheSkinLeavesNoDanglingButton)
{
    SkinFixture f;
    f.load(kButtons, buttonPictures());
    auto *host = new QWidget;
    Skin hosted(*host, f.texts);
    hosted.setProblemReporter([](const QString &, const QString &) {});
    hosted.activate(f.themeData);
    EXPECT_EQ(hosted.buttons().size(), 2U);
    delete host;
    EXPECT_TRUE(hosted.buttons().empty());
    hosted.setButtonSelected(QStringLiteral("makeSelectionBold"), true);
}

} // namespace
} // namespace tabulet::ui::test
