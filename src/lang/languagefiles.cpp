#include "lang/languagefiles.h"

#include "lang/textdecoding.h"
#include "lang/texttable.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace tabulet::lang {

namespace {

QStringList languageFilesIn(const QString &folder)
{
    if (folder.isEmpty())
        return {};
    // Case-insensitive like the Windows version, so "German.TABULANG" copied from there shows.
    QStringList names = QDir(folder).entryList({QStringLiteral("*.tabulang")}, QDir::Files | QDir::Readable);
    std::sort(names.begin(), names.end());
    return names;
}

bool isPlainFileName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) && !name.contains(QChar(0));
}

// The "// Language: <name>" line among the comments a file starts with.
QString headerLanguageName(const QByteArray &contents)
{
    const QLatin1StringView label("Language:");
    const QString text = decodeText(contents);
    for (QStringView line : QStringView(text).split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        if (!line.startsWith(u"//"))
            break;
        const QStringView comment = line.sliced(2).trimmed();
        if (comment.startsWith(label, Qt::CaseInsensitive))
            return comment.sliced(label.size()).trimmed().toString();
    }
    return {};
}

} // namespace

QString languageName(const QByteArray &contents, const QString &fileName)
{
    TextTable table;
    table.loadLanguageText(contents);
    QString name =
        table.contains(QStringLiteral("LANGUAGE_NAME")) ? table.text(QStringLiteral("LANGUAGE_NAME")) : QString();
    if (name.isEmpty())
        name = headerLanguageName(contents);
    return name.isEmpty() ? QFileInfo(fileName).completeBaseName() : name;
}

std::vector<InstalledLanguage> listLanguages(const QString &userFolder, const QString &programFolder)
{
    std::vector<InstalledLanguage> languages;
    for (const QString &file : listLanguageFiles(userFolder, programFolder)) {
        const std::optional<QByteArray> contents = readLanguageFile(languageFilePath(file, userFolder, programFolder));
        languages.push_back({file, languageName(contents.value_or(QByteArray()), file)});
    }
    return languages;
}

QStringList listLanguageFiles(const QString &userFolder, const QString &programFolder)
{
    QStringList names = languageFilesIn(userFolder);
    const qsizetype userCount = names.size();
    for (const QString &name : languageFilesIn(programFolder)) {
        const auto userNames = names.cbegin() + userCount;
        if (std::find(names.cbegin(), userNames, name) == userNames)
            names.append(name);
    }
    return names;
}

QString languageFilePath(const QString &name, const QString &userFolder, const QString &programFolder)
{
    if (!isPlainFileName(name))
        return {};
    for (const QString &folder : {userFolder, programFolder}) {
        if (folder.isEmpty())
            continue;
        const QFileInfo candidate(QDir(folder), name);
        if (candidate.isFile())
            return candidate.filePath();
    }
    return {};
}

bool loadConfiguredLanguage(TextTable &table, const QString &configuredName, const QString &userFolder,
                            const QString &programFolder)
{
    const QString configured = languageFilePath(configuredName, userFolder, programFolder);
    if (!configured.isEmpty() && table.loadLanguageFile(configured))
        return true;
    const QStringList installed = listLanguageFiles(userFolder, programFolder);
    if (installed.isEmpty())
        return false;
    return table.loadLanguageFile(languageFilePath(installed.first(), userFolder, programFolder));
}

} // namespace tabulet::lang
