#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace tabulet::lang {

class TextTable;

// Language files are looked for in two folders: the per-user languages folder (where installed
// files go) and the languages folder shipped with the program.

// The names (without folder) of the "*.tabulang" files directly inside the per-user folder,
// then those of the program folder that the per-user folder does not have. Each folder's names
// are sorted, so the first name is the same on every run. A missing folder lists nothing.
QStringList listLanguageFiles(const QString &userFolder, const QString &programFolder);

// An installed language file and the language's own name, as the options list it.
struct InstalledLanguage
{
    QString file; // the name the option "languagefile" stores
    QString name; // "Deutsch"
};

// The language's own name in a language file's contents: the text of "LANGUAGE_NAME"; for files
// written before that key, the header comment "// Language: <name>"; else the file name without
// its extension.
QString languageName(const QByteArray &contents, const QString &fileName);

// The files of listLanguageFiles with their languages' names; an unreadable file is named by
// its file name without the extension.
std::vector<InstalledLanguage> listLanguages(const QString &userFolder, const QString &programFolder);

// The full path of the language file with this name, per-user folder first, or the empty
// string when neither folder has it. Names that are not plain file names ("../x", "a/b") are
// never resolved, so a configured name cannot reach outside the two folders.
QString languageFilePath(const QString &name, const QString &userFolder, const QString &programFolder);

// Loads the language of a start-up pass: the configured file, else the first listed language
// file. Returns false when neither can be read; the program then cannot show any text and ends.
bool loadConfiguredLanguage(TextTable &table, const QString &configuredName, const QString &userFolder,
                            const QString &programFolder);

} // namespace tabulet::lang
