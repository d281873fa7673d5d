// The shipped help pages and tips name only shortcuts the program binds at first, written as the
// menus and the options write them in that language ("Ctrl+Shift+B", in German "Strg+Umschalt+B").
#include "commands/commandtable.h"
#include "commands/shortcuttext.h"
#include "platform/qtkeynames.h"
#include "settings/settings.h"
#include "settings/textnumber.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>

#include <algorithm>

using namespace tabulet;

namespace {

const QString kBuiltProgramFolder = QStringLiteral(TABULET_BINARY_DIR);

struct ShippedText
{
    const char *name;
    const char *locale;
    const char *path;
};

class ShippedShortcuts : public ::testing::TestWithParam<ShippedText>
{
protected:
    void SetUp() override
    {
        const QString locale = QString::fromLatin1(GetParam().locale);
        if (locale != QLatin1String("en")) {
            ASSERT_TRUE(m_translation.load(QStringLiteral("qtbase_") + locale,
                                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
            QCoreApplication::installTranslator(&m_translation);
        }
    }
    void TearDown() override { QCoreApplication::removeTranslator(&m_translation); }

    QTranslator m_translation;
};

// What the menus, the options and the hotkey's messages show for the default shortcuts and the
// default hotkey, longest first.
QStringList boundShortcutTexts()
{
    const platform::QtKeyNames names;
    QStringList texts;
    const commands::CommandTable defaultBindings;
    for (const commands::Command &command : defaultBindings.commands())
        texts += commands::shortcutText(command.shortcut.key, command.shortcut.modifiers, names);
    settings::Settings defaults;
    defaults.applyDefaults();
    defaults.convertLegacyModifiers();
    texts += commands::shortcutText(settings::leadingNumber(defaults.value(QStringLiteral("activatekey"))),
                                    commands::modifiersOfActivationLetters(defaults.value(QStringLiteral("activatemod"))),
                                    names);
    texts.removeAll(QString());
    std::sort(texts.begin(), texts.end(), [](const QString &a, const QString &b) { return a.size() > b.size(); });
    return texts;
}

// A modifier's name followed by "+", in English or in the language: the start of a shortcut.
QRegularExpression modifierPlus()
{
    const platform::QtKeyNames names;
    QStringList modifiers{QStringLiteral("Ctrl"), QStringLiteral("Alt"), QStringLiteral("Shift")};
    for (const commands::Modifier modifier : {commands::Modifier::Ctrl, commands::Modifier::Alt, commands::Modifier::Shift})
        modifiers += QRegularExpression::escape(names.modifierName(modifier));
    return QRegularExpression(QStringLiteral("\\b(%1)\\s*\\+").arg(modifiers.join(QLatin1Char('|'))),
                              QRegularExpression::CaseInsensitiveOption);
}

} // namespace

TEST_P(ShippedShortcuts, nameOnlyBoundShortcutsAsTheMenusWriteThem)
{
    QFile file(kBuiltProgramFolder + QLatin1Char('/') + QString::fromLatin1(GetParam().path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    // The help pages write "<" of "Ctrl+<" as HTML does.
    QString text = QString::fromUtf8(file.readAll())
                       .replace(QLatin1String("&lt;"), QLatin1String("<"))
                       .replace(QLatin1String("&gt;"), QLatin1String(">"))
                       .replace(QLatin1String("&amp;"), QLatin1String("&"));
    const QStringList bound = boundShortcutTexts();

    static const QRegularExpression kKeys(QStringLiteral("<kbd>(.*?)</kbd>"));
    for (const QRegularExpressionMatch &keys : kKeys.globalMatch(text))
        EXPECT_TRUE(bound.contains(keys.captured(1))) << "not a default shortcut: " << keys.captured(1).toStdString();

    int named = 0;
    for (const QString &shortcut : bound) {
        if (!shortcut.contains(QLatin1Char('+')))
            continue;
        named += static_cast<int>(text.count(shortcut));
        text.replace(shortcut, QStringLiteral("[]"));
    }
    EXPECT_GE(named, 3) << "the file names shortcuts";
    for (const QRegularExpressionMatch &left : modifierPlus().globalMatch(text)) {
        const qsizetype from = std::max<qsizetype>(0, left.capturedStart() - 20);
        ADD_FAILURE() << "a shortcut written otherwise or not bound: …" << text.mid(from, 60).toStdString() << "…";
    }
}

INSTANTIATE_TEST_SUITE_P(HelpAndTips, ShippedShortcuts,
                         ::testing::Values(ShippedText{"englishHelp", "en", "help/index.html"},
                                           ShippedText{"germanHelp", "de", "help/de/index.html"},
                                           ShippedText{"englishTips", "en", "tips/tips.txt"},
                                           ShippedText{"germanTips", "de", "tips/deutsch.txt"}),
                         [](const ::testing::TestParamInfo<ShippedText> &text) { return std::string(text.param.name); });
