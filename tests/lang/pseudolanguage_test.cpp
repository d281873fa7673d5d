#include "pseudolanguage.h"

#include "lang/formattext.h"
#include "lang/texttable.h"

#include <gtest/gtest.h>

namespace tabulet::lang {
namespace {

TEST(PseudoLanguage, wrapsEveryTextAndKeepsKeysPlaceholdersAndLineBreaks)
{
    struct Case
    {
        const char *line;
        const char *key;
        QString text;
    };
    const Case cases[] = {
        {"INFO: Information", "INFO", QStringLiteral("⟦Information⟧")},
        {"FILES: %d files were copied to\\n%s // a comment", "FILES", QStringLiteral("⟦%d files were copied to\n%s⟧")},
        {"PERCENT: 100%% done", "PERCENT", QStringLiteral("⟦100%% done⟧")},
        {"UMLAUT: Schließen", "UMLAUT", QStringLiteral("⟦Schließen⟧")},
        {"EMPTY:", "EMPTY", QString()},
        {"LOCALE: en", "LOCALE", QStringLiteral("de")},
    };
    for (const Case &c : cases) {
        TextTable english;
        english.loadLanguageText(c.line);
        TextTable pseudo;
        pseudo.loadLanguageText(pseudoLanguage(c.line, QStringLiteral("de")));
        EXPECT_EQ(pseudo.keys(), english.keys()) << c.line;
        EXPECT_EQ(pseudo.text(QLatin1String(c.key)), c.text) << c.line;
        EXPECT_EQ(formatPlaceholders(pseudo.text(QLatin1String(c.key))),
                  formatPlaceholders(english.text(QLatin1String(c.key))))
            << c.line;
    }
}

TEST(PseudoLanguage, withoutMarkedParts_leavesWhatNoTextOfTheFileGave)
{
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("⟦Options⟧"), QString()},
        {QStringLiteral("⟦Data folder:⟧ /home/x"), QStringLiteral(" /home/x")},
        {QStringLiteral("⟦Tabulet - ⟦note⟧⟧"), QString()},
        {QStringLiteral("Silent"), QStringLiteral("Silent")},
        {QStringLiteral("⟦Copy⟧\tCtrl+C"), QStringLiteral("\tCtrl+C")},
        {QStringLiteral("stray ⟧ close"), QStringLiteral("stray ⟧ close")},
    };
    for (const auto &[shown, rest] : cases)
        EXPECT_EQ(withoutMarkedParts(shown), rest) << shown.toStdString();
}

} // namespace
} // namespace tabulet::lang
