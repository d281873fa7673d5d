#include "lang/languagelocale.h"

#include <gtest/gtest.h>

namespace tabulet::lang {
namespace {

TEST(LanguageLocale, theSystemsWhenOfTheLanguage_elseTheLanguages)
{
    struct Case
    {
        const char *code;
        const char *system;
        const char *expected;
    };
    const Case cases[] = {
        {"de", "en_GB", "de_DE"}, {"de", "de_AT", "de_AT"}, {"en", "en_GB", "en_GB"},
        {"en", "de_DE", "en_US"}, {"", "fr_FR", "fr_FR"},   {"xx", "fr_FR", "fr_FR"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(languageLocale(QString::fromLatin1(c.code), QLocale(QString::fromLatin1(c.system))).name(),
                  QString::fromLatin1(c.expected))
            << c.code << " on " << c.system;
    }
}

} // namespace
} // namespace tabulet::lang
