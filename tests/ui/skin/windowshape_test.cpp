#include "skintestsupport.h"

#include "ui/skin/windowshape.h"

namespace tabulet::ui::test {
namespace {

const QColor kKey(255, 0, 255);
const QColor kBody(40, 40, 40);

TEST(KeyedShape, keyPixelsFallOutsideTheShape)
{
    QImage skin(10, 10, QImage::Format_RGB32);
    skin.fill(kBody);
    skin.setPixelColor(0, 0, kKey);
    skin.setPixelColor(9, 9, kKey);
    const QRegion shape = keyedShape(skin, kKey);
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_FALSE(shape.contains(QPoint(9, 9)));
    EXPECT_TRUE(shape.contains(QPoint(1, 0)));
    EXPECT_TRUE(shape.contains(QPoint(5, 5)));
}

TEST(KeyedShape, alphaInThePictureDoesNotHideTheKey)
{
    QImage skin(4, 1, QImage::Format_ARGB32);
    skin.fill(kBody);
    skin.setPixelColor(0, 0, QColor(255, 0, 255, 255));
    EXPECT_FALSE(keyedShape(skin, kKey).contains(QPoint(0, 0)));
}

// A window whose corners carry the key colour, drawn by a keyed or an unkeyed subtheme.
QByteArray cornerTheme(const QByteArray &title, const QByteArray &transparency)
{
    return "<theme title=\"" + title + "\"><config>" + transparency + "</config>" +
           R"(<bitmaps><bitmap img="body.bmp" x1="0" y1="0" x2="-1" y2="-1"/>
                       <bitmap img="key.bmp" x1="0" y1="0" x2="4" y2="4"/>
                       <bitmap img="key.bmp" x1="-5" y1="-5" x2="-1" y2="-1"/></bitmaps>
              <buttons/><combinedBitmaps/></theme>)";
}

std::vector<Member> cornerPictures()
{
    return {{"body.bmp", solidBmp(2, 2, kBody)}, {"key.bmp", solidBmp(2, 2, kKey)}};
}

TEST(WindowShape, keyedSubthemeCutsItsCornersAndFollowsResizes)
{
    SkinFixture f;
    f.loadConfig(theme::test::configXml(cornerTheme("keyed", R"(<transparency enable="1" chromakey="ff00ff"/>)")),
                 cornerPictures());
    WindowShape shape(f.window, f.skin);
    shape.apply();
    EXPECT_TRUE(shape.isShaped());
    EXPECT_FALSE(f.window.mask().contains(QPoint(2, 2)));
    EXPECT_TRUE(f.window.mask().contains(QPoint(100, 50)));
    EXPECT_FALSE(f.window.mask().contains(QPoint(197, 97)));

    f.window.resize(300, 150);
    f.skin.layout(f.window.rect());
    EXPECT_FALSE(f.window.mask().contains(QPoint(297, 147)));
    EXPECT_TRUE(f.window.mask().contains(QPoint(250, 100)));
}

TEST(WindowShape, subthemeWithoutTransparencyRestoresTheRectangle)
{
    SkinFixture f;
    f.loadConfig(theme::test::configXml(cornerTheme("keyed", R"(<transparency enable="1" chromakey="ff00ff"/>)") +
                                        cornerTheme("plain", R"(<transparency enable="2" chromakey="ff00ff"/>)")),
                 cornerPictures());
    WindowShape shape(f.window, f.skin);
    shape.apply();
    ASSERT_FALSE(f.window.mask().isEmpty());

    ASSERT_TRUE(f.themeData.selectSubtheme(QStringLiteral("plain"), f.settings).problems.isEmpty());
    f.skin.activate(f.themeData);
    f.skin.layout(f.window.rect());
    shape.apply();
    EXPECT_FALSE(shape.isShaped());
    EXPECT_TRUE(f.window.mask().isEmpty());
}

TEST(WindowShape, blackKeyNeverCutsTheChildrenKeptWhole)
{
    SkinFixture f;
    // Transparency without a key colour keys out black, here the whole body of the skin.
    f.loadConfig(theme::test::configXml(R"(<theme title="black"><config><transparency enable="1"/></config>
                     <bitmaps><bitmap img="black.bmp" x1="0" y1="0" x2="-1" y2="-1"/></bitmaps>
                     <buttons/><combinedBitmaps/></theme>)"),
                 {{"black.bmp", solidBmp(2, 2, kBlack)}});
    QWidget note(&f.window);
    note.setGeometry(10, 30, 100, 50);
    QWidget tabs(&f.window);
    tabs.setGeometry(10, 5, 100, 20);
    WindowShape shape(f.window, f.skin);
    shape.keepWhole(note);
    shape.keepWhole(tabs);
    f.window.show();
    shape.apply();
    ASSERT_TRUE(shape.isShaped());
    EXPECT_EQ(f.window.mask(), QRegion(10, 5, 100, 20) + QRegion(10, 30, 100, 50));

    // Laid out anew after a resize: the shape follows the children to their new places.
    f.window.resize(300, 150);
    note.setGeometry(20, 40, 250, 100);
    EXPECT_EQ(f.window.mask(), QRegion(10, 5, 100, 20) + QRegion(20, 40, 250, 100));
    EXPECT_FALSE(f.window.mask().contains(QPoint(150, 20)));
}

} // namespace
} // namespace tabulet::ui::test
