#include "lang/texttable.h"
#include "settings/settings.h"
#include "ui/window/activationhotkey.h"

#include <gtest/gtest.h>

using namespace tabulet;
using commands::Modifier;
using GrabResult = platform::GlobalHotkey::GrabResult;

namespace {

// Records the grabs and answers each with the result a test chose.
class FakeHotkey final : public platform::GlobalHotkey
{
public:
    explicit FakeHotkey(GrabResult answer) : m_answer(answer) {}
    bool isSupported() const override { return m_answer != GrabResult::Unsupported; }
    GrabResult grab(int virtualKey, commands::Modifiers modifiers) override
    {
        grabs.push_back({virtualKey, modifiers});
        return m_answer;
    }
    void release() override { ++releases; }

    std::vector<std::pair<int, commands::Modifiers>> grabs;
    int releases = 0;

private:
    GrabResult m_answer;
};

struct OptionCase
{
    const char *name;
    const char *key;
    const char *letters;
    GrabResult answer;
    int grabbedKey; // 0: nothing grabbed
    commands::Modifiers grabbedModifiers;
    const char *told; // what the user reads; "" for nothing
};

class ActivationHotkeyOptions : public ::testing::TestWithParam<OptionCase>
{
};

} // namespace

TEST_P(ActivationHotkeyOptions, registerFrom_grabsOrTellsInWords)
{
    const OptionCase &c = GetParam();
    auto hotkey = std::make_unique<FakeHotkey>(c.answer);
    FakeHotkey &fake = *hotkey;
    QStringList told;
    ui::ActivationHotkey activation(std::move(hotkey), [&](const QString &message) { told << message; });
    settings::Settings settings;
    settings.value("activatekey") = c.key;
    settings.value("activatemod") = c.letters;
    lang::TextTable texts;
    texts.loadLanguageText("HOTKEY_TAKEN: %s is taken\nHOTKEY_UNREADABLE: key %s with %s is no hotkey\n");

    activation.registerFrom(settings, texts);
    activation.registerFrom(settings, texts);

    if (c.grabbedKey == 0) {
        EXPECT_TRUE(fake.grabs.empty());
    } else {
        ASSERT_EQ(fake.grabs.size(), 2u);
        EXPECT_EQ(fake.grabs[0].first, c.grabbedKey);
        EXPECT_EQ(fake.grabs[0].second, c.grabbedModifiers);
    }
    EXPECT_EQ(fake.releases, 2) << "each registration replaces the earlier one";
    if (*c.told == '\0') {
        EXPECT_TRUE(told.isEmpty()) << told.join('|').toStdString();
    } else {
        EXPECT_EQ(told, QStringList{c.told}) << "told once";
    }
}

// The offscreen platform of the tests has no desktop: a missing hotkey is told to nobody there.
INSTANTIATE_TEST_SUITE_P(
    Options, ActivationHotkeyOptions,
    ::testing::Values(
        OptionCase{"defaults", "191", "SC", GrabResult::Grabbed, 191, Modifier::Ctrl | Modifier::Shift, ""},
        OptionCase{"lettersInAnyCase", "112", "cas", GrabResult::Grabbed, 112,
                   Modifier::Ctrl | Modifier::Alt | Modifier::Shift, ""},
        OptionCase{"noModifiers", "123", "", GrabResult::Grabbed, 123, {}, ""},
        OptionCase{"keyZeroIsNone", "0", "SC", GrabResult::Grabbed, 0, {}, ""},
        OptionCase{"takenByAnother", "191", "SC", GrabResult::Taken, 191, Modifier::Ctrl | Modifier::Shift,
                   "Ctrl+Shift+/ is taken"},
        OptionCase{"keyUnknown", "999", "SC", GrabResult::UnknownKey, 999, Modifier::Ctrl | Modifier::Shift,
                   "key 999 with SC is no hotkey"},
        OptionCase{"keyNotANumber", "slash", "SC", GrabResult::Grabbed, 0, {}, "key slash with SC is no hotkey"},
        OptionCase{"lettersGarbage", "191", "XYZ", GrabResult::Grabbed, 0, {}, "key 191 with XYZ is no hotkey"},
        OptionCase{"noDesktop", "191", "SC", GrabResult::Unsupported, 191, Modifier::Ctrl | Modifier::Shift, ""}),
    [](const auto &caseInfo) { return std::string(caseInfo.param.name); });
