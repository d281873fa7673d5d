#include "ui/dialogs/helppage.h"

#include "commands/commandcaption.h"
#include "commands/commandtable.h"
#include "commands/shortcuttext.h"
#include "lang/texttable.h"

#include <QDesktopServices>
#include <QFileInfo>

namespace tabulet::ui {

namespace {

const QString kShortcutMarker = QStringLiteral("<!-- shortcuts -->");

// The language part of a locale, when it is one: the text comes from a language file and must
// not reach outside the help folder.
QString languageOf(const QString &locale)
{
    const QString language = locale.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toLower();
    if (language.size() < 2 || language.size() > 3)
        return {};
    for (const QChar c : language) {
        if (c < QLatin1Char('a') || c > QLatin1Char('z'))
            return {};
    }
    return language;
}

} // namespace

QString helpPagePath(const QString &programFolder, const QString &locale)
{
    const QString language = languageOf(locale);
    if (!language.isEmpty() && language != QLatin1String("en")) {
        const QString translated = programFolder + QStringLiteral("/help/%1/index.html").arg(language);
        if (QFileInfo(translated).isFile())
            return translated;
    }
    return programFolder + QStringLiteral("/help/index.html");
}

bool openHelpPage(const QString &programFolder, const QString &locale,
                  const std::function<bool(const QUrl &)> &opener)
{
    const QFileInfo page(helpPagePath(programFolder, locale));
    if (!page.isFile())
        return false;
    const QUrl url = QUrl::fromLocalFile(page.absoluteFilePath());
    return opener ? opener(url) : QDesktopServices::openUrl(url);
}

QString shortcutRows(const commands::CommandTable &commands, lang::TextTable &texts, const commands::KeyNames &keyNames)
{
    QString rows;
    for (const commands::Command &command : commands.commands()) {
        const commands::CommandDefinition &definition = command.definition;
        if (!definition.listed || *definition.textKey == '\0')
            continue;
        // Captions of menu items carry "&" accelerators and "..." that a table does not need.
        const QString caption = commands::plainCaption(texts.text(QString::fromLatin1(definition.textKey)));
        const QString shortcut = commands::shortcutText(command.shortcut.key, command.shortcut.modifiers, keyNames);
        const QString keys =
            shortcut.isEmpty() ? QString() : QStringLiteral("<kbd>%1</kbd>").arg(shortcut.toHtmlEscaped());
        rows += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>\n").arg(caption.toHtmlEscaped(), keys);
    }
    return rows;
}

QString fillHelpPage(const QString &page, const QString &rows)
{
    QString filled = page;
    return filled.replace(kShortcutMarker, rows);
}

} // namespace tabulet::ui
