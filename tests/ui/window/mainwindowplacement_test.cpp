#include "ui/window/mainwindowplacement.h"

#include "settings/settings.h"

#include <gtest/gtest.h>

namespace tabulet::ui {
namespace {

settings::Settings placement(const char *x, const char *y, const char *w, const char *h)
{
    settings::Settings options;
    options.value(QStringLiteral("x")) = QString::fromLatin1(x);
    options.value(QStringLiteral("y")) = QString::fromLatin1(y);
    options.value(QStringLiteral("w")) = QString::fromLatin1(w);
    options.value(QStringLiteral("h")) = QString::fromLatin1(h);
    return options;
}

TEST(SavedPlacement, allZeroLeavesTheWindowWhereItIs)
{
    EXPECT_FALSE(savedPlacement(placement("0", "0", "0", "0")).has_value());
    EXPECT_FALSE(savedPlacement(placement("0", "0", "0", "200")).has_value());
}

TEST(SavedPlacement, aSizeAtTheOriginOrAnyPositionIsRestored)
{
    EXPECT_EQ(savedPlacement(placement("0", "0", "300", "200")), QRect(0, 0, 300, 200));
    EXPECT_EQ(savedPlacement(placement("-40", "0", "0", "0")), QRect(-40, 0, 0, 0));
}

TEST(CentredOn, theWindowSitsInTheMiddleOfTheAvailableArea)
{
    EXPECT_EQ(centredOn(QSize(450, 200), QRect(0, 24, 1024, 744)), QRect(287, 296, 450, 200));
    EXPECT_EQ(centredOn(QSize(450, 200), QRect(1024, 0, 1280, 1024)), QRect(1439, 412, 450, 200));
    EXPECT_EQ(centredOn(QSize(2000, 300), QRect(0, 0, 1024, 768)), QRect(0, 234, 1024, 300)) << "shrunk to fit";
}

const QList<QRect> kTwoScreens{QRect(0, 0, 1024, 768), QRect(1024, 0, 1280, 1024)};

TEST(KeepOnScreen, aWindowOnAScreenStays)
{
    EXPECT_EQ(keepOnScreen(QRect(1500, 300, 400, 200), kTwoScreens), QRect(1500, 300, 400, 200));
    // Mostly off the screen but with enough left to take hold of.
    EXPECT_EQ(keepOnScreen(QRect(-350, -100, 400, 200), kTwoScreens), QRect(-350, -100, 400, 200));
}

TEST(KeepOnScreen, aWindowOfARemovedScreenComesBack)
{
    const QList<QRect> primaryOnly{QRect(0, 0, 1024, 768)};
    EXPECT_EQ(keepOnScreen(QRect(1500, 300, 400, 200), primaryOnly), QRect(624, 300, 400, 200));
    EXPECT_EQ(keepOnScreen(QRect(-3000, -900, 400, 200), primaryOnly), QRect(0, 0, 400, 200));
}

TEST(KeepOnScreen, goesToTheNearestScreenShrunkToFit)
{
    EXPECT_EQ(keepOnScreen(QRect(2400, 1200, 2000, 1500), kTwoScreens), QRect(1024, 0, 1280, 1024));
}

} // namespace
} // namespace tabulet::ui
