// Painting a theme from its sources: pieces cut so they stay crisp when stretched, and sources
// that cannot give a sound package refused with a reason.
#include "themebuilder/look.h"
#include "themebuilder/themebuild.h"

#include <QFile>

#include <gtest/gtest.h>

namespace tabulet::themebuilder {
namespace {

Look sampleLook()
{
    QFile file(QStringLiteral(TABULET_THEME_SOURCES "/default/look.json"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QString error;
    const std::optional<Look> look = readLook(file.readAll(), &error);
    EXPECT_TRUE(look) << error.toStdString();
    return look.value_or(Look{});
}

// A 10 x 6 element: a red left column, a blue top row, white elsewhere.
QImage sampleElement()
{
    QImage image(10, 6, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < 6; ++y)
        image.setPixel(0, y, qRgb(255, 0, 0));
    for (int x = 1; x < 10; ++x)
        image.setPixel(x, 0, qRgb(0, 0, 255));
    return image;
}

TEST(CutPieceTest, keepsFixedAxesWholeAndStretchedAxesOnePixelWide)
{
    QString error;
    const std::optional<QImage> corner = cutPiece(sampleElement(), {0, 0, 2, 2, {}}, &error);
    ASSERT_TRUE(corner);
    EXPECT_EQ(corner->size(), QSize(2, 2));
    EXPECT_EQ(corner->pixel(0, 1), qRgb(255, 0, 0));

    const std::optional<QImage> top = cutPiece(sampleElement(), {1, 0, -1, 1, {}}, &error);
    ASSERT_TRUE(top) << error.toStdString();
    EXPECT_EQ(top->size(), QSize(1, 1));
    EXPECT_EQ(top->pixel(0, 0), qRgb(0, 0, 255));

    const std::optional<QImage> side = cutPiece(sampleElement(), {0, 1, 1, -1, {}}, &error);
    ASSERT_TRUE(side) << error.toStdString();
    EXPECT_EQ(side->size(), QSize(1, 1));
}

TEST(CutPieceTest, refusesPiecesThatWouldBlurOrTurnOver)
{
    QString error;
    EXPECT_FALSE(cutPiece(sampleElement(), {0, 0, -1, 2, {}}, &error)) << "stretches across the red column";
    EXPECT_FALSE(cutPiece(sampleElement(), {1, 0, 2, -1, {}}, &error)) << "stretches down across the blue row";
    EXPECT_FALSE(cutPiece(sampleElement(), {5, 0, 2, 2, {}}, &error)) << "reversed";
    EXPECT_FALSE(cutPiece(sampleElement(), {0, 0, 20, 2, {}}, &error)) << "wider than the element";
}

QByteArray themeWith(const char *buttons, const char *combined = "")
{
    return QByteArray(R"(<themes><theme title="t"><config><minsize width="200" height="100"/>
        <tab fontface="DejaVu Sans" height="20"/></config>
        <rects><rect name="textfield" x1="6" y1="40" x2="-7" y2="-7"/></rects>
        <buttons>)") +
           buttons + "</buttons><combinedBitmaps>" + combined + "</combinedBitmaps></theme></themes>";
}

struct RefusedCase
{
    const char *name;
    QByteArray config;
};

class RefusedSourceTest : public ::testing::TestWithParam<RefusedCase>
{
};

TEST_P(RefusedSourceTest, givesNoImagesAndSaysWhy)
{
    QString error;
    EXPECT_FALSE(paintThemeImages(GetParam().config, sampleLook(), &error));
    EXPECT_FALSE(error.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Sources, RefusedSourceTest,
    ::testing::Values(
        RefusedCase{"oneNameForTwoPictures",
                    themeWith(R"(<button cmd="exit" x="4" y="4"><state name="normal"><bitmap img="a.bmp"/></state>
                                 <state name="mouseover"><bitmap img="a.bmp"/></state></button>)")},
        RefusedCase{
            "commandWithoutGlyph",
            themeWith(
                R"(<button cmd="print" x="4" y="4"><state name="normal"><bitmap img="p.bmp"/></state></button>)")},
        RefusedCase{
            "unknownState",
            themeWith(
                R"(<button cmd="exit" x="4" y="4"><state name="pressed"><bitmap img="x.bmp"/></state></button>)")},
        RefusedCase{
            "buttonOutsideTheWindow",
            themeWith(
                R"(<button cmd="exit" x="190" y="4"><state name="normal"><bitmap img="x.bmp"/></state></button>)")},
        RefusedCase{
            "maskNamed",
            themeWith(
                "",
                R"(<combinedBitmap name="tab_normal"><bitmap img="t.bmp" mask="m.bmp" x1="0" y1="0" x2="4" y2="4"/></combinedBitmap>)")},
        RefusedCase{
            "groupWithoutPainter",
            themeWith(
                "",
                R"(<combinedBitmap name="logo"><bitmap img="l.bmp" x1="0" y1="0" x2="4" y2="4"/></combinedBitmap>)")},
        RefusedCase{
            "commandTheProgramLacks",
            themeWith(
                R"(<button cmd="frobnicate" x="4" y="4"><state name="normal"><bitmap img="f.bmp"/></state></button>)")},
        RefusedCase{"subthemeWithoutTitle",
                    QByteArray(R"(<t><theme><config/><buttons/><combinedBitmaps/></theme></t>)")},
        RefusedCase{"subthemeWithoutButtons",
                    QByteArray(R"(<t><theme title="x"><config/><combinedBitmaps/></theme></t>)")},
        RefusedCase{"notXml", QByteArray("<themes><theme")}),
    [](const ::testing::TestParamInfo<RefusedCase> &param) { return std::string(param.param.name); });

TEST(ThemeImagesTest, oneImageServesEverySubthemeThatPaintsItAlike)
{
    const QByteArray button =
        R"(<button cmd="exit" x="-28" y="4"><state name="normal"><bitmap img="exit.bmp"/></state></button>)";
    QByteArray config = themeWith(button);
    config.replace("</themes>", QByteArray(R"(<theme title="u"><config><minsize width="300" height="120"/></config>
        <buttons>)") + button + "</buttons><combinedBitmaps/></theme></themes>");
    QString error;
    const auto images = paintThemeImages(config, sampleLook(), &error);
    ASSERT_TRUE(images) << error.toStdString();
    ASSERT_EQ(images->size(), 1u);
    EXPECT_EQ(images->at(QStringLiteral("exit.bmp")).size(), QSize(22, 22));
}

TEST(LookTest, refusesMissingColoursAndCornersWithoutAKey)
{
    QString error;
    EXPECT_FALSE(readLook(R"({"colours": {"bar": "F4E98E"}})", &error));
    EXPECT_TRUE(error.contains(QLatin1String("outline")));

    QFile file(QStringLiteral(TABULET_THEME_SOURCES "/dark/look.json"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray withoutKey = file.readAll();
    withoutKey.replace("\"chromaKey\": \"FF00FF\",", "");
    EXPECT_FALSE(readLook(withoutKey, &error));
}

} // namespace
} // namespace tabulet::themebuilder
