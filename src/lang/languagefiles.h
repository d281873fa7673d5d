#pragma once

#include <QString>
#include <QStringList>

namespace tabulet::lang {

class TextTable;

// Language files are looked for in two folders: the per-user languages folder (where installed
// files go) and the languages folder shipped with the program.

// The names (without folder) of the "*.tabulang" files directly inside the per-user folder,
// then those of the program folder that the per-user folder does not have. Each folder's names
// are sorted, so the first name is the same on every run. A missing folder lists nothing.
QStringList listLanguageFiles(const QString &userFolder, const QString &programFolder);

// The full path of the language file with this name, per-user folder first, or the empty
// string when neither folder has it. Names that are not plain file names ("../x", "a/b") are
// never resolved, so a configured name cannot reach outside the two folders.
QString languageFilePath(const QString &name, const QString &userFolder, const QString &programFolder);

// Loads the language of a start-up pass: the configured file, else the first listed language
// file. Returns false when neither can be read; the program then cannot show any text and ends.
bool loadConfiguredLanguage(TextTable &table, const QString &configuredName, const QString &userFolder,
                            const QString &programFolder);

} // namespace tabulet::lang
