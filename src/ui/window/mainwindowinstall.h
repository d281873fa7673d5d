#pragma once

#include <QString>

namespace tabulet::settings {
class Settings;
}
namespace tabulet::lang {
class TextTable;
}

namespace tabulet::ui {

class WindowPrompts;

enum class CopyResult { Copied, Exists, Failed };

// Copies a file into a folder under its own file name (made if missing), replacing a file there
// only when asked to. Files larger than maxBytes are not copied.
CopyResult copyIntoFolder(const QString &source, const QString &folder, bool replace, qint64 maxBytes);

enum class InstallKind { Theme, Language };

// Installs a theme or language file handed over at start into the user's folder for it: asks
// before replacing an installed file of the same name, the program's own in shippedFolder
// included (the user's copy would hide it), reports a failed copy, and after a success tells
// how to use a theme or offers to use a language (setting "languagefile"). Returns false only
// when the file could not be installed.
bool installFile(InstallKind kind, const QString &source, const QString &folder, const QString &shippedFolder,
                 WindowPrompts &prompts, lang::TextTable &texts, settings::Settings &settings);

} // namespace tabulet::ui
