#include "lang/formattext.h"
#include "lang/textkeys.h"
#include "lang/texttable.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>

namespace tabulet::lang {
namespace {

QStringList allTextKeys()
{
    QStringList keys;
    for (const QLatin1StringView key : kTextKeys)
        keys.append(key);
    return keys;
}

TEST(TextKeys, kTextKeys_areSortedAndUnique)
{
    const QStringList keys = allTextKeys();
    EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));
    EXPECT_EQ(std::adjacent_find(keys.begin(), keys.end()), keys.end());
}

TEST(TextKeys, isTextKey_knowsEveryKeyAndOnlyThose)
{
    for (const QLatin1StringView key : kTextKeys)
        EXPECT_TRUE(isTextKey(QString(key))) << key.data();
    EXPECT_FALSE(isTextKey(u"idok"));
    EXPECT_FALSE(isTextKey(u"IDOK "));
    EXPECT_FALSE(isTextKey(u""));
    EXPECT_FALSE(isTextKey(u"ZZZ"));
}

class ShippedLanguage : public testing::TestWithParam<const char *>
{
protected:
    void SetUp() override
    {
        const QString path = QStringLiteral(TABULET_SOURCE_DIR "/resources/languages/") + QLatin1String(GetParam());
        ASSERT_TRUE(table.loadLanguageFile(path)) << path.toStdString();
    }

    TextTable table;
};

TEST_P(ShippedLanguage, hasATextForExactlyTheProgramsKeysAndOurOwn)
{
    QStringList expected = allTextKeys();
    for (const QLatin1StringView key : kOwnTextKeys)
        expected.append(key);
    expected.sort();
    EXPECT_EQ(table.keys(), expected);
    for (const QString &key : expected)
        EXPECT_FALSE(table.text(key).isEmpty()) << key.toStdString();
}

TEST_P(ShippedLanguage, formattedTextsTakeWhatTheProgramSupplies)
{
    for (const FormattedTextKey &formatted : kFormattedTextKeys)
        EXPECT_EQ(formatPlaceholders(table.text(QString(formatted.key))), formatted.placeholders)
            << formatted.key.data();
}

TEST_P(ShippedLanguage, otherTextsHaveNoPlaceholdersAndNoShortcutSeparator)
{
    for (const QLatin1StringView key : kTextKeys) {
        const QString text = table.text(QString(key));
        // Menus split a caption at its first "#" to append the shortcut.
        EXPECT_FALSE(text.contains(u'#')) << key.data();
        const bool formatted = std::any_of(kFormattedTextKeys.begin(), kFormattedTextKeys.end(),
                                           [&](const FormattedTextKey &f) { return f.key == key; });
        if (!formatted) {
            EXPECT_TRUE(formatPlaceholders(text).isEmpty()) << key.data();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ShippedLanguage, testing::Values("english.tabulang", "deutsch.tabulang"),
                         [](const testing::TestParamInfo<const char *> &testInfo) {
                             return QString::fromLatin1(testInfo.param).section(u'.', 0, 0).toStdString();
                         });

} // namespace
} // namespace tabulet::lang
