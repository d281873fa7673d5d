#include "themebuilder/themecheck.h"

#include "commands/commandtable.h"

namespace tabulet::themebuilder {

namespace {

bool checkTheme(const theme::ConfigResult &parsed, QString *error)
{
    if (!parsed.ok) {
        *error = parsed.failure;
        return false;
    }
    if (!parsed.problems.isEmpty()) {
        *error = parsed.problems.join(QStringLiteral("; "));
        return false;
    }
    for (const auto &[title, subtheme] : parsed.subthemes) {
        for (const theme::ThemeButton &button : subtheme.buttons) {
            if (button.commandId == 0) {
                *error = QStringLiteral("subtheme \"%1\": the button command \"%2\" is not a command of the program")
                             .arg(title, button.command);
                return false;
            }
        }
    }
    return true;
}

} // namespace

std::optional<theme::SubthemeMap> readCheckedTheme(const QByteArray &config, QString *error)
{
    theme::ConfigResult parsed = theme::parseThemeConfig(config, commands::CommandTable());
    if (!checkTheme(parsed, error))
        return std::nullopt;
    return std::move(parsed.subthemes);
}

} // namespace tabulet::themebuilder
