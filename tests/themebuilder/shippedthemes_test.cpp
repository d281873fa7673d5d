// The packages the build puts beside the program: complete, well-formed, crisp at every size,
// readable by the program's own theme reader, and the same bytes on every build.
#include "commands/commandtable.h"
#include "settings/settings.h"
#include "theme/theme.h"
#include "themebuilder/look.h"
#include "themebuilder/package.h"
#include "themebuilder/placement.h"
#include "themebuilder/preview.h"
#include "themebuilder/themebuild.h"

#include <QFile>
#include <QRegion>
#include <QSet>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace tabulet::themebuilder {
namespace {

const QStringList kLooks{QStringLiteral("normal"), QStringLiteral("mouseover"), QStringLiteral("selected"),
                         QStringLiteral("selected_mouseover")};

QString packagePath(const QString &name)
{
    return QStringLiteral(TABULET_THEME_PACKAGES "/%1.tabutheme").arg(name);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every picture config.xml names, with the size its placement takes for granted (0: any).
struct ImageUse
{
    QString member;
    int width = 0;
    int height = 0;
    bool evenSize = false; // centred pictures: odd sizes lose a pixel to the halving
    bool plain = false;    // a piece of the window skin
};

void collect(std::vector<ImageUse> &uses, const theme::ThemeBitmap &bitmap, bool plain)
{
    const theme::Coordinates &p = bitmap.coordinates;
    const bool centred = p.centring.x || p.centring.y;
    ImageUse use{QString::fromUtf8(bitmap.imageMember), 0, 0, centred, plain};
    if (!centred) {
        use.width = fixedWidth(p) ? p.x2 - p.x1 : 1;
        use.height = fixedHeight(p) ? p.y2 - p.y1 : 1;
    }
    uses.push_back(use);
}

std::vector<ImageUse> imageUses(const theme::Subtheme &subtheme, int buttonSize)
{
    std::vector<ImageUse> uses;
    for (const theme::ThemeBitmap &bitmap : subtheme.bitmaps)
        collect(uses, bitmap, true);
    for (const auto &[name, group] : subtheme.combinedBitmaps)
        for (const theme::ThemeBitmap &bitmap : group.bitmaps)
            collect(uses, bitmap, false);
    for (const theme::ThemeButton &button : subtheme.buttons)
        for (const auto &[state, bitmap] : button.states)
            uses.push_back({QString::fromUtf8(bitmap.imageMember), buttonSize, buttonSize, false, false});
    return uses;
}

struct BmpHeader
{
    bool valid = false;
    int width = 0;
    int height = 0;
    int bitCount = 0;
};

BmpHeader readBmpHeader(const QByteArray &bytes)
{
    BmpHeader header;
    if (bytes.size() < 54 || !bytes.startsWith("BM"))
        return header;
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const quint32 pixelOffset = qFromLittleEndian<quint32>(data + 10);
    header.width = qFromLittleEndian<qint32>(data + 18);
    header.height = qFromLittleEndian<qint32>(data + 22);
    header.bitCount = qFromLittleEndian<quint16>(data + 28);
    const quint32 compression = qFromLittleEndian<quint32>(data + 30);
    const qint64 stride = (qint64(header.width) * header.bitCount / 8 + 3) / 4 * 4;
    header.valid = compression == 0 && header.width > 0 && header.height != 0 &&
                   bytes.size() >= qint64(pixelOffset) + stride * std::abs(header.height);
    header.height = std::abs(header.height);
    return header;
}

class ShippedThemeTest : public ::testing::TestWithParam<const char *>
{
protected:
    void SetUp() override
    {
        QString error;
        std::optional<std::vector<PackageMember>> read = readPackage(packagePath(name()), &error);
        ASSERT_TRUE(read) << error.toStdString();
        members = std::move(*read);
        std::optional<PackageContents> parsed = readPackageContents(packagePath(name()), &error);
        ASSERT_TRUE(parsed) << error.toStdString();
        contents = std::move(*parsed);
        std::optional<Look> read_look = readLook(readAll(sourceFolder() + "/look.json"), &error);
        ASSERT_TRUE(read_look) << error.toStdString();
        look = *read_look;
    }

    QString name() const { return QString::fromLatin1(GetParam()); }
    QString sourceFolder() const { return QStringLiteral(TABULET_THEME_SOURCES "/") + name(); }
    const theme::Subtheme &subtheme(const QString &title) const { return contents.subthemes.at(title); }

    std::vector<PackageMember> members;
    PackageContents contents;
    Look look;
};

TEST_P(ShippedThemeTest, package_holdsConfigFirstAndNoFolders)
{
    ASSERT_FALSE(members.empty());
    EXPECT_EQ(members.front().name, QStringLiteral("config.xml"));
    for (const PackageMember &member : members) {
        EXPECT_FALSE(member.name.contains(QLatin1Char('/')) || member.name.contains(QLatin1Char('\\')))
            << member.name.toStdString();
    }
}

TEST_P(ShippedThemeTest, subthemes_areFullAndCompactWithTheirButtons)
{
    ASSERT_EQ(contents.subthemes.size(), 2u);
    const auto commandsOf = [](const theme::Subtheme &s) {
        QSet<QString> commands;
        for (const theme::ThemeButton &button : s.buttons)
            commands.insert(button.command);
        return commands;
    };
    const QSet<QString> full{"makeSelectionBold",
                             "makeSelectionItalics",
                             "makeSelectionUnderline",
                             "makeSelectionStrikeout",
                             "makeSelectionBulleted",
                             "makeSelectionNumbered",
                             "alignLeft",
                             "alignCenter",
                             "alignRight",
                             "selectFont",
                             "selectTextColor",
                             "newTab",
                             "showMenu",
                             "windowOnTop",
                             "minimize",
                             "exit"};
    EXPECT_EQ(commandsOf(subtheme("full")), full);
    EXPECT_EQ(commandsOf(subtheme("compact")), (QSet<QString>{"showMenu", "minimize", "exit"}));
}

TEST_P(ShippedThemeTest, everyButton_hasAllFourLooksOfACommandThatExists)
{
    const commands::CommandTable table;
    for (const auto &[title, s] : contents.subthemes) {
        for (const theme::ThemeButton &button : s.buttons) {
            EXPECT_GE(table.indexOfCommand(button.command), 0) << button.command.toStdString();
            for (const QString &state : kLooks) {
                const theme::ThemeBitmap *found = button.state(state);
                ASSERT_NE(found, nullptr) << button.command.toStdString() << " " << state.toStdString();
                EXPECT_FALSE(found->imageMember.isEmpty());
            }
        }
    }
}

TEST_P(ShippedThemeTest, theNamesTheProgramLooksFor_arePresent)
{
    for (const auto &[title, s] : contents.subthemes) {
        SCOPED_TRACE(s.title.toStdString());
        EXPECT_GT(s.minWidth, 0);
        EXPECT_GT(s.minHeight, 0);
        EXPECT_TRUE(s.tabBackground.has_value());
        EXPECT_TRUE(s.tabFont.present);
        EXPECT_FALSE(s.tabFont.face.isEmpty());
        for (const char *rect :
             {"dragbar", "tab", "textfield", "tab_color_normal", "tab_color_mouseover", "tab_color_selected"})
            EXPECT_TRUE(s.rect(QString::fromLatin1(rect))) << rect;
        for (const char *group : {"tab_normal", "tab_mouseover", "tab_selected", "spin_left_normal",
                                  "spin_left_mouseover", "spin_right_normal", "spin_right_mouseover"})
            EXPECT_TRUE(s.combinedBitmap(QString::fromLatin1(group))) << group;
    }
}

TEST_P(ShippedThemeTest, everyNamedImage_isA24BitBmpOfTheSizeItsPlacementAssumes)
{
    std::map<QString, QByteArray> bytes;
    for (const PackageMember &member : members)
        bytes[member.name] = member.bytes;
    for (const auto &[title, s] : contents.subthemes) {
        for (const ImageUse &use : imageUses(s, look.buttonSize)) {
            SCOPED_TRACE(use.member.toStdString());
            ASSERT_TRUE(bytes.count(use.member));
            const BmpHeader header = readBmpHeader(bytes.at(use.member));
            ASSERT_TRUE(header.valid);
            EXPECT_EQ(header.bitCount, 24);
            if (use.width) {
                EXPECT_EQ(header.width, use.width);
            }
            if (use.height) {
                EXPECT_EQ(header.height, use.height);
            }
            if (use.evenSize) {
                EXPECT_TRUE(header.width % 2 == 0 && header.height % 2 == 0);
            }
            EXPECT_FALSE(QImage::fromData(bytes.at(use.member), "BMP").isNull());
        }
    }
}

TEST_P(ShippedThemeTest, everyImageMember_isUsed)
{
    QSet<QString> used;
    for (const auto &[title, s] : contents.subthemes)
        for (const ImageUse &use : imageUses(s, look.buttonSize))
            used.insert(use.member);
    for (const PackageMember &member : members) {
        if (member.name != QLatin1String("config.xml")) {
            EXPECT_TRUE(used.contains(member.name)) << member.name.toStdString();
        }
    }
}

// The skin pieces cover the window exactly, without overlap, from the minimum size up.
TEST_P(ShippedThemeTest, skinPieces_tileTheWindowAtEverySize)
{
    for (const auto &[title, s] : contents.subthemes) {
        for (const QSize size : {QSize(s.minWidth, s.minHeight), QSize(1920, 1080)}) {
            SCOPED_TRACE(s.title.toStdString() + " at " + std::to_string(size.width()));
            const Edges root{0, 0, size.width(), size.height()};
            QRegion covered;
            int area = 0;
            for (const theme::ThemeBitmap &bitmap : s.bitmaps) {
                const Edges edges = resolvePlacement(bitmap.coordinates, root, std::nullopt);
                EXPECT_FALSE(edges.mirroredX() || edges.mirroredY()) << bitmap.imageMember.toStdString();
                covered += edges.normalised();
                area += edges.normalised().width() * edges.normalised().height();
            }
            EXPECT_EQ(covered, QRegion(0, 0, size.width(), size.height()));
            EXPECT_EQ(area, size.width() * size.height());
        }
    }
}

TEST_P(ShippedThemeTest, buttons_fitBesideEachOtherAtTheMinimumSize)
{
    for (const auto &[title, s] : contents.subthemes) {
        SCOPED_TRACE(s.title.toStdString());
        const Edges root{0, 0, s.minWidth, s.minHeight};
        const QRect strip = resolvePlacement(s.rect("tab")->coordinates, root, std::nullopt).normalised();
        const QRect field = resolvePlacement(s.rect("textfield")->coordinates, root, std::nullopt).normalised();
        EXPECT_GE(strip.width(), 100);
        EXPECT_GE(field.height(), 40);
        std::vector<QRect> placed;
        for (const theme::ThemeButton &button : s.buttons) {
            const QRect rect(placeValue(button.x, 0, s.minWidth), placeValue(button.y, 0, s.minHeight), look.buttonSize,
                             look.buttonSize);
            EXPECT_TRUE(root.normalised().adjusted(1, 1, -1, -1).contains(rect)) << button.command.toStdString();
            EXPECT_FALSE(rect.intersects(strip) || rect.intersects(field)) << button.command.toStdString();
            for (const QRect &other : placed)
                EXPECT_FALSE(rect.intersects(other)) << button.command.toStdString();
            placed.push_back(rect);
        }
    }
}

// The key colour cuts the rounded corners out and nothing else: not a pixel of a button, a tab,
// the frame's body or the middle of any edge.
TEST_P(ShippedThemeTest, keyColour_cutsOnlyTheCorners)
{
    for (const auto &[title, s] : contents.subthemes) {
        SCOPED_TRACE(s.title.toStdString());
        EXPECT_EQ(s.transparency, look.chromaKey.has_value());
        if (!s.transparency)
            continue;
        const QColor &lookKey = *look.chromaKey;
        EXPECT_EQ(s.chromaKey, settings::colourFromRgb(lookKey.red(), lookKey.green(), lookKey.blue()));
        const QRgb key = lookKey.rgb();
        for (const QSize size : {QSize(s.minWidth, s.minHeight), QSize(900, 600)}) {
            PreviewState state;
            state.size = size;
            state.tabs = QStringList{"One", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight"};
            state.selectedCommands = {"makeSelectionBold", "windowOnTop"};
            state.showDesktop = false;
            const QImage window = composeWindow(s, contents.images, state);
            const int corner = look.cornerRadius;
            int keyed = 0;
            for (int y = 0; y < window.height(); ++y) {
                for (int x = 0; x < window.width(); ++x) {
                    if (window.pixel(x, y) != key)
                        continue;
                    ++keyed;
                    const bool nearCornerX = x < corner || x >= window.width() - corner;
                    const bool nearCornerY = y < corner || y >= window.height() - corner;
                    ASSERT_TRUE(nearCornerX && nearCornerY) << "key at " << x << "," << y;
                }
            }
            EXPECT_GE(keyed, 4 * 3); // each corner rounded by at least a few pixels
            EXPECT_EQ(window.pixel(0, 0), key);
            EXPECT_EQ(window.pixel(window.width() - 1, window.height() - 1), key);
            EXPECT_NE(window.pixel(window.width() / 2, 0), key);
        }
    }
}

TEST_P(ShippedThemeTest, loadsThroughTheProgramsThemeReader)
{
    settings::Settings settings;
    settings.value(QStringLiteral("subtheme")) = QStringLiteral("full");
    const commands::CommandTable table;
    theme::Theme loaded;
    const theme::LoadResult result = loaded.loadThemeFile(packagePath(name()), name(), settings, table);
    EXPECT_TRUE(result.ok);
    EXPECT_TRUE(result.problems.isEmpty()) << result.problems.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(loaded.listSubthemes(), (QStringList{"compact", "full"}));
    EXPECT_EQ(loaded.currentTitle(), QStringLiteral("full"));
    EXPECT_EQ(loaded.transparency(), look.chromaKey.has_value());
    ASSERT_NE(loaded.current(), nullptr);
    for (const theme::ThemeButton &button : loaded.current()->buttons) {
        EXPECT_TRUE(button.hasWindow()) << button.command.toStdString();
        EXPECT_EQ(button.size(), QSize(look.buttonSize, look.buttonSize)) << button.command.toStdString();
    }
}

TEST_P(ShippedThemeTest, package_isTheSameBytesWhenBuiltAgain)
{
    QString error;
    const std::optional<std::vector<PackageMember>> rebuilt =
        buildThemeMembers(readAll(sourceFolder() + "/config.xml"), look, &error);
    ASSERT_TRUE(rebuilt) << error.toStdString();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("again.tabutheme"));
    ASSERT_TRUE(writePackage(path, *rebuilt, &error)) << error.toStdString();
    EXPECT_EQ(readAll(path), readAll(packagePath(name())));
}

INSTANTIATE_TEST_SUITE_P(Packages, ShippedThemeTest, ::testing::Values("default", "dark"),
                         [](const ::testing::TestParamInfo<const char *> &param) { return std::string(param.param); });

} // namespace
} // namespace tabulet::themebuilder
