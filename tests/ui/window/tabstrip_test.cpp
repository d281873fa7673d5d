#include "skintestsupport.h"

#include "ui/skin/spinbutton.h"
#include "ui/window/accessibility.h"
#include "ui/window/tabstrip.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

namespace tabulet::ui::test {
namespace {

const QColor kSkin(128, 128, 128);
const QColor kNormal(0, 160, 0);
const QColor kHover(220, 220, 0);
const QColor kSelected(0, 0, 200);

QByteArray combined(const QByteArray &name, const QByteArray &member)
{
    return "<combinedBitmap name=\"" + name + "\"><bitmap img=\"" + member +
           "\" x1=\"0\" y1=\"0\" x2=\"-1\" y2=\"-1\"/></combinedBitmap>";
}

const QByteArray kSkinBitmaps = R"(<bitmaps><bitmap img="skin.bmp" x1="0" y1="0" x2="-1" y2="-1"/></bitmaps>)";

std::vector<Member> tabPictures()
{
    return {{"skin.bmp", solidBmp(1, 1, kSkin)},   {"normal.bmp", solidBmp(4, 4, kNormal)},
            {"hover.bmp", solidBmp(4, 4, kHover)}, {"selected.bmp", solidBmp(4, 4, kSelected)},
            {"left.bmp", solidBmp(4, 4, kRed)},    {"right.bmp", solidBmp(4, 4, kSelected)}};
}

const QByteArray kAllTabPictures = "<combinedBitmaps>" + combined("tab_normal", "normal.bmp") +
                                   combined("tab_mouseover", "hover.bmp") + combined("tab_selected", "selected.bmp") +
                                   combined("spin_left_normal", "left.bmp") +
                                   combined("spin_right_normal", "right.bmp") + "</combinedBitmaps>";

// A strip in a skinned window, with tabs named "tab1", "tab2", ... for serials 1, 2, ...
struct StripFixture : SkinFixture
{
    explicit StripFixture(int width = 300)
    {
        window.resize(width + 20, 60);
        strip = new TabStrip(&window);
        strip->setGeometry(10, 10, width, 24);
        strip->setSkin(&skin);
    }

    void addTabs(int count, const QColor &colour = QColor())
    {
        for (int serial = 1; serial <= count; ++serial)
            strip->addTab(QStringLiteral("tab%1").arg(serial), serial, colour);
    }

    QImage image() const { return strip->grab().toImage(); }
    // A pixel of a tab's picture clear of its bar and text.
    QColor pictureOf(int index) const
    {
        const QRect tab = strip->tabRect(index);
        return pixel(image(), tab.left() + 1, tab.top() + 10);
    }

    void moveTo(const QPoint &at) const
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), strip->mapToGlobal(QPointF(at)), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(strip, &move);
    }

    void click(QWidget *target, const QPoint &at, Qt::MouseButton button = Qt::LeftButton) const
    {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), target->mapToGlobal(QPointF(at)), button, button,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(target, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), target->mapToGlobal(QPointF(at)), button,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &release);
    }

    TabStrip *strip = nullptr;
};

TEST(TabStripPaint, eachTabShowsThePictureOfItsLookOverTheSkin)
{
    StripFixture f;
    f.load(kSkinBitmaps + kAllTabPictures, tabPictures());
    f.addTabs(3);
    f.strip->setCurrentIndex(0);
    f.moveTo(f.strip->tabRect(1).center());
    EXPECT_EQ(f.pictureOf(0), kSelected);
    EXPECT_EQ(f.pictureOf(1), kHover);
    EXPECT_EQ(f.pictureOf(2), kNormal);
    EXPECT_EQ(pixel(f.image(), 295, 10), kSkin) << "the skin shows where no tab is";
    const QRect selected = f.strip->tabRect(0);
    EXPECT_EQ(pixel(f.image(), selected.left() + 1, selected.top() - 2), kSelected) << "raised by two pixels";
    EXPECT_EQ(pixel(f.image(), selected.left() + 1, selected.bottom() + 2), kSelected) << "two pixels lower";
}

TEST(TabStripPaint, themeWithoutNormalPictureShowsTheSkinUnderNormalTabs)
{
    StripFixture f;
    f.load(kSkinBitmaps + "<combinedBitmaps>" + combined("tab_selected", "selected.bmp") + "</combinedBitmaps>",
           tabPictures());
    f.addTabs(2);
    f.strip->setCurrentIndex(0);
    EXPECT_EQ(f.pictureOf(1), kSkin);
}

TEST(TabStripPaint, selectedTabWithoutPictureShowsTheThemeTabBackground)
{
    StripFixture f;
    f.loadConfig(theme::test::configXml(R"(<theme title="t"><config><tabbg color="ff0000"/></config>)" + kSkinBitmaps +
                                        "<buttons/><combinedBitmaps/></theme>"),
                 tabPictures());
    f.addTabs(2);
    f.strip->setCurrentIndex(1);
    EXPECT_EQ(f.strip->selectedBackground(), kRed);
    const QRect selected = f.strip->tabRect(1);
    EXPECT_EQ(pixel(f.image(), selected.left() + 1, selected.top() - 2), kRed);
    EXPECT_EQ(f.pictureOf(1), kRed);
}

// White pixels inside a tab: the light halo of its label.
int haloPixels(const QImage &image, const QRect &tab)
{
    int count = 0;
    for (int y = tab.top(); y <= tab.bottom(); ++y) {
        for (int x = tab.left(); x <= tab.right(); ++x)
            count += pixel(image, x, y) == QColor(Qt::white) ? 1 : 0;
    }
    return count;
}

TEST(TabStripPaint, unselectedLabelsOfADarkStripHaveNoLightHalo)
{
    for (const char *strip : {"f4e98e", "2e3236"}) {
        StripFixture f;
        f.loadConfig(theme::test::configXml(QByteArray(R"(<theme title="t"><config><tabbg color=")") + strip +
                                            R"("/></config>)" + kSkinBitmaps + "<buttons/>" + kAllTabPictures +
                                            "</theme>"),
                     tabPictures());
        f.addTabs(2);
        f.strip->setCurrentIndex(0);
        const QImage image = f.image();
        const bool dark = QByteArray(strip) == "2e3236";
        EXPECT_EQ(haloPixels(image, f.strip->tabRect(1)) == 0, dark) << strip;
        EXPECT_GT(haloPixels(image, f.strip->tabRect(0)), 0) << strip << ": the selected label keeps its emboss";
    }
}

// Rows of a tab's column at x = left + 5 that carry the bar colour, counted from the tab's top.
std::vector<int> barRows(const StripFixture &f, int index)
{
    const QImage image = f.image();
    const QRect tab = f.strip->tabRect(index);
    std::vector<int> rows;
    for (int y = tab.top() - 2; y < tab.top() + tab.height(); ++y) {
        if (pixel(image, tab.left() + 5, y) == kRed)
            rows.push_back(y - tab.top());
    }
    return rows;
}

TEST(TabStripPaint, colourBarLiesThreeRowsHighBelowTheTopOfANormalTab)
{
    StripFixture f;
    f.load(kSkinBitmaps + kAllTabPictures, tabPictures());
    f.strip->addTab(QStringLiteral("plain"), 1);
    f.strip->addTab(QStringLiteral("red"), 2, kRed);
    f.strip->setCurrentIndex(0);
    EXPECT_EQ(barRows(f, 1), (std::vector<int>{3, 4, 5}));
    EXPECT_TRUE(barRows(f, 0).empty()) << "no colour, no bar";
}

TEST(TabStripPaint, themeRectPlacesTheColourBar)
{
    StripFixture f;
    f.load(kSkinBitmaps + R"(<rects><rect name="tab_color_normal" x1="0" y1="0" x2="-1" y2="2"/></rects>)" +
               kAllTabPictures,
           tabPictures());
    f.addTabs(2, kRed);
    f.strip->setCurrentIndex(0);
    EXPECT_EQ(barRows(f, 1), (std::vector<int>{0, 1}));
    EXPECT_EQ(barRows(f, 0), (std::vector<int>{0, 1, 2}))
        << "the selected look keeps its default (from the raised top)";
}

// The columns where the black pass of a tab's text has ink.
std::pair<int, int> inkColumns(const QImage &image, const QRect &area)
{
    int first = -1;
    int last = -1;
    for (int x = area.left(); x <= area.right(); ++x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            if (qGray(image.pixel(x, y)) < 60) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
        }
    }
    return {first, last};
}

TEST(TabStripPaint, singleTabHasNoArrowsAndItsTextCentred)
{
    StripFixture f;
    f.load(kSkinBitmaps + kAllTabPictures, tabPictures());
    f.strip->addTab(QStringLiteral("only one"), 1);
    f.strip->setCurrentIndex(0);
    EXPECT_FALSE(f.strip->hasScrollArrows());
    const QRect tab = f.strip->tabRect(0);
    const auto [first, last] = inkColumns(f.image(), tab);
    ASSERT_GE(first, 0);
    EXPECT_NEAR(first - tab.left(), tab.right() - last, 2);
}

TEST(TabStripHover, mouseOverLookFollowsThePointerAndLeavingClearsIt)
{
    StripFixture f;
    f.load(kSkinBitmaps + kAllTabPictures, tabPictures());
    f.addTabs(3);
    f.strip->setCurrentIndex(0);
    f.moveTo(f.strip->tabRect(1).center());
    EXPECT_EQ(f.strip->hotTab(), 1);
    f.moveTo(f.strip->tabRect(2).center());
    EXPECT_EQ(f.strip->hotTab(), 2);
    EXPECT_EQ(f.pictureOf(1), kNormal);
    EXPECT_EQ(f.pictureOf(2), kHover);

    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(f.strip, &leave);
    EXPECT_EQ(f.strip->hotTab(), -1);
    EXPECT_EQ(f.pictureOf(2), kNormal);
}

TEST(TabStripSelection, programSelectionNotifiesLikeAClick)
{
    StripFixture f;
    f.addTabs(3);
    QSignalSpy changed(f.strip, &TabStrip::currentChanged);
    f.strip->setCurrentIndex(2);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toInt(), 2);
    EXPECT_EQ(f.strip->currentIndex(), 2);

    f.strip->setCurrentIndex(2);
    f.strip->setCurrentIndex(3);
    f.strip->setCurrentIndex(-1);
    EXPECT_EQ(changed.count(), 1) << "the current index and indices out of range are ignored";

    f.click(f.strip, f.strip->tabRect(1).center());
    ASSERT_EQ(changed.count(), 2);
    EXPECT_EQ(changed.at(1).at(0).toInt(), 1);
}

TEST(TabStripSelection, rightClickReportsTheTabUnderThePointer)
{
    StripFixture f;
    f.addTabs(2);
    f.strip->setCurrentIndex(0);
    QSignalSpy changed(f.strip, &TabStrip::currentChanged);
    QSignalSpy rightClicks(f.strip, &TabStrip::tabRightClicked);
    f.click(f.strip, f.strip->tabRect(1).center(), Qt::RightButton);
    f.click(f.strip, QPoint(290, 10), Qt::RightButton);
    ASSERT_EQ(rightClicks.count(), 2);
    EXPECT_EQ(rightClicks.at(0).at(0).toInt(), 1);
    EXPECT_EQ(rightClicks.at(1).at(0).toInt(), -1);
    EXPECT_EQ(changed.count(), 0) << "a right click does not select";
}

TEST(TabStripTabs, tabsCarryTheirNoteAndRemovalKeepsTheSelectionOnItsTab)
{
    StripFixture f;
    f.addTabs(4);
    f.strip->setCurrentIndex(2);
    EXPECT_EQ(f.strip->tabSerial(2), 3);
    EXPECT_EQ(f.strip->indexOfSerial(4), 3);
    EXPECT_EQ(f.strip->tabSerial(9), -1);
    f.strip->removeTab(0);
    EXPECT_EQ(f.strip->currentIndex(), 1);
    EXPECT_EQ(f.strip->tabSerial(1), 3);
    f.strip->removeTab(1);
    EXPECT_EQ(f.strip->currentIndex(), -1);
    EXPECT_EQ(f.strip->indexOfSerial(3), -1);
}

// A screen reader finds a page-tab list of the tabs with the selected one marked; pressing a
// page tab selects it as a click does; a removed tab's page tab is gone.
TEST(TabStripAccessibility, pageTabsFollowTheTabsAndPressingOneSelectsIt)
{
    installAccessibility();
    StripFixture f;
    f.addTabs(3);
    f.strip->setCurrentIndex(0);
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(f.strip);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::PageTabList);
    ASSERT_EQ(list->childCount(), 3);
    for (int index = 0; index < 3; ++index) {
        QAccessibleInterface *tab = list->child(index);
        EXPECT_EQ(tab->role(), QAccessible::PageTab);
        EXPECT_EQ(tab->text(QAccessible::Name), QStringLiteral("tab%1").arg(index + 1));
        EXPECT_EQ(tab->state().selected, index == 0) << index;
        EXPECT_EQ(list->indexOfChild(tab), index);
        EXPECT_EQ(tab->parent(), list);
    }

    QSignalSpy changed(f.strip, &TabStrip::currentChanged);
    list->child(2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(f.strip->currentIndex(), 2);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(list->child(2)->state().selected);
    EXPECT_FALSE(list->child(0)->state().selected);

    QAccessibleInterface *last = list->child(2);
    f.strip->removeTab(2);
    EXPECT_EQ(list->childCount(), 2);
    EXPECT_FALSE(last->isValid());
    EXPECT_EQ(list->child(2), nullptr);
}

TEST(TabStripKeyboard, arrowsHomeAndEndSelectTabsAndStopAtTheEnds)
{
    StripFixture f;
    f.addTabs(4);
    f.strip->setCurrentIndex(1);
    const struct
    {
        Qt::Key key;
        int selected;
    } steps[] = {{Qt::Key_Right, 2}, {Qt::Key_Down, 3}, {Qt::Key_Right, 3}, {Qt::Key_Home, 0},
                 {Qt::Key_Left, 0},  {Qt::Key_Up, 0},   {Qt::Key_End, 3},   {Qt::Key_Left, 2}};
    for (const auto &step : steps) {
        QTest::keyClick(f.strip, step.key);
        EXPECT_EQ(f.strip->currentIndex(), step.selected) << QKeySequence(step.key).toString().toStdString();
    }
}

TEST(TabStripScroll, overflowingTabsScrollWithTheArrows)
{
    StripFixture f(200);
    f.load(kSkinBitmaps + kAllTabPictures, tabPictures());
    f.addTabs(12);
    f.strip->setCurrentIndex(0);
    ASSERT_TRUE(f.strip->hasScrollArrows());
    SpinButton *spin = f.strip->spinButton();
    ASSERT_NE(spin, nullptr);
    EXPECT_TRUE(spin->isVisibleTo(f.strip));
    EXPECT_EQ(spin->greyedHalf(), SpinButton::Half::Left);

    f.click(spin, QPoint(spin->width() - 4, spin->height() / 2));
    EXPECT_EQ(f.strip->firstVisibleTab(), 1);
    EXPECT_LE(f.strip->tabRect(0).left(), 0);
    EXPECT_EQ(spin->greyedHalf(), SpinButton::Half::None) << "tabs hidden on both sides";

    f.strip->setCurrentIndex(11);
    EXPECT_EQ(spin->greyedHalf(), SpinButton::Half::Right);
    EXPECT_LE(f.strip->tabRect(11).right(), spin->x()) << "the selected tab is scrolled into view";
    EXPECT_EQ(f.strip->tabAt(f.strip->tabRect(11).center()), 11);

    f.strip->setCurrentIndex(0);
    EXPECT_EQ(f.strip->firstVisibleTab(), 0);

    f.strip->clear();
    EXPECT_FALSE(f.strip->hasScrollArrows());
}

TEST(TabStripScroll, greyedArrowKeepsItsShapeInGrey)
{
    StripFixture f(200);
    f.load(kSkinBitmaps + kAllTabPictures, tabPictures());
    f.addTabs(12);
    SpinButton *spin = f.strip->spinButton();
    ASSERT_NE(spin, nullptr);
    const QImage arrows = spin->grab().toImage();
    const QColor left = pixel(arrows, spin->width() / 4 + 1, spin->height() / 2);
    const QColor right = pixel(arrows, spin->width() * 3 / 4, spin->height() / 2);
    EXPECT_EQ(right, kSelected);
    EXPECT_EQ(left.red(), left.green());
    EXPECT_EQ(left.green(), left.blue());
    EXPECT_NE(left, pixel(arrows, spin->width() / 4 + 1, 0)) << "the greyed picture still differs from its frame";
}

struct GreyCase
{
    const char *name;
    int first;
    int last;
    int position;
    SpinButton::Half greyed;
};

class SpinButtonGreying : public ::testing::TestWithParam<GreyCase>
{
};

TEST_P(SpinButtonGreying, greysTheHalfWhoseEndIsReached)
{
    SpinButton spin;
    spin.setRange(GetParam().first, GetParam().last);
    spin.setPosition(GetParam().position);
    EXPECT_EQ(spin.greyedHalf(), GetParam().greyed);
}

INSTANTIATE_TEST_SUITE_P(Ends, SpinButtonGreying,
                         ::testing::Values(GreyCase{"atFirst", 0, 5, 0, SpinButton::Half::Left},
                                           GreyCase{"atLast", 0, 5, 5, SpinButton::Half::Right},
                                           GreyCase{"between", 0, 5, 3, SpinButton::Half::None},
                                           GreyCase{"reversedAtFirst", 5, 0, 5, SpinButton::Half::Left},
                                           GreyCase{"reversedAtLast", 5, 0, 0, SpinButton::Half::Right},
                                           GreyCase{"emptyRange", 2, 2, 2, SpinButton::Half::None},
                                           GreyCase{"beyondIsLimited", 0, 5, 9, SpinButton::Half::Right}),
                         [](const ::testing::TestParamInfo<GreyCase> &grey) { return std::string(grey.param.name); });

} // namespace
} // namespace tabulet::ui::test
