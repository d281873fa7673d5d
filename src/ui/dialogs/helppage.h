#pragma once

#include <QString>
#include <QUrl>

#include <functional>

namespace tabulet::commands {
class CommandTable;
class KeyNames;
} // namespace tabulet::commands

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::ui {

// The help ships with the program as a local page: <program folder>/help/index.html in English,
// help/<language>/index.html in other languages. Its shortcut table is filled in from the command
// table when the program is built.

// Where the shipped help page of the language is ("de", or "de_DE": the language file's LOCALE
// text); the English page when there is none in that language, whether or not it exists.
QString helpPagePath(const QString &programFolder, const QString &locale = {});

// Opens the shipped help page of the language with the desktop's handler for web pages. False
// when the page is missing or the desktop could not open it. The opener is
// QDesktopServices::openUrl unless given.
bool openHelpPage(const QString &programFolder, const QString &locale,
                  const std::function<bool(const QUrl &)> &opener = {});

// The rows of the shortcut table as HTML: one per listed command that has a caption, in list
// order, with its translated caption (escaped) and its shortcut, or an empty cell when unbound.
QString shortcutRows(const commands::CommandTable &commands, lang::TextTable &texts,
                     const commands::KeyNames &keyNames);

// The help page with its marker line "<!-- shortcuts -->" replaced by the rows. A page
// without the marker is returned unchanged.
QString fillHelpPage(const QString &page, const QString &rows);

} // namespace tabulet::ui
