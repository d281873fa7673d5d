#include "app/firstruntheme.h"
#include "settings/notestyle.h"
#include "settings/settings.h"

#include <gtest/gtest.h>

using namespace tabulet;
using platform::ColourScheme;

// Dark desktops get the dark theme and dark notes, others the defaults; every pass loads the configuration
// twice, but the desktop is asked at the first load only.
TEST(FirstRunTheme, darkDesktopGetsTheDarkTheme_askedOnce)
{
    for (const ColourScheme scheme : {ColourScheme::Dark, ColourScheme::Light, ColourScheme::NoPreference}) {
        int asked = 0;
        app::FirstRunTheme choose([&] {
            ++asked;
            return scheme;
        });
        settings::Settings settings;
        choose(settings);
        settings.clear();
        choose(settings);
        settings.applyDefaults();
        const bool dark = scheme == ColourScheme::Dark;
        EXPECT_EQ(settings.value(QStringLiteral("theme")), dark ? "dark" : "default");
        EXPECT_EQ(settings::isDarkBackground(settings::parseColourValue(settings.value(QStringLiteral("bgcolor")))),
                  dark);
        EXPECT_EQ(asked, 1);
    }
}
