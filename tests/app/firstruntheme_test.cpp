#include "app/firstruntheme.h"
#include "settings/settings.h"

#include <gtest/gtest.h>

using namespace tabulet;
using platform::ColourScheme;

TEST(FirstRunTheme, darkDesktopGetsTheDarkTheme_otherwiseTheDefaultsDecide)
{
    const std::pair<ColourScheme, const char *> cases[] = {
        {ColourScheme::Dark, "dark"},
        {ColourScheme::Light, "default"},
        {ColourScheme::NoPreference, "default"},
    };
    for (const auto &[scheme, theme] : cases) {
        settings::Settings settings;
        app::FirstRunTheme choose([scheme = scheme] { return scheme; });
        choose(settings);
        settings.applyDefaults();
        EXPECT_EQ(settings.value(QStringLiteral("theme")), QString::fromLatin1(theme));
    }
}

// Every pass loads the configuration twice; the desktop is asked at the first load only.
TEST(FirstRunTheme, asksTheDesktopOnce)
{
    int asked = 0;
    app::FirstRunTheme choose([&] {
        ++asked;
        return ColourScheme::Dark;
    });
    settings::Settings settings;
    choose(settings);
    settings.clear();
    choose(settings);
    EXPECT_EQ(settings.value(QStringLiteral("theme")), QStringLiteral("dark"));
    EXPECT_EQ(asked, 1);
}
