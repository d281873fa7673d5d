#include "plugins/pluginfolders.h"

#include "plugins/scriptfolders.h"
#include "settings/folderset.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tabulet::plugins {

namespace {

constexpr QLatin1StringView kAllowed("allow");
constexpr QLatin1StringView kRefused("refuse");

// The folder as the answers know it: with its links resolved where it exists.
QString folderKey(const QString &folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QDir(folder).absolutePath()) : canonical;
}

} // namespace

FolderConsent::FolderConsent(QString file) : m_file(std::move(file))
{
    // One answer a line: "allow" or "refuse", a tab, the folder percent-encoded (a folder's name
    // may hold a line break).
    QFile stored(m_file);
    if (!stored.open(QIODevice::ReadOnly))
        return;
    for (const QByteArray &line : stored.readAll().split('\n')) {
        const qsizetype tab = line.indexOf('\t');
        if (tab <= 0)
            continue;
        const QString word = QString::fromUtf8(line.left(tab));
        if (word == kAllowed || word == kRefused)
            m_answers.insert(QString::fromUtf8(QByteArray::fromPercentEncoding(line.mid(tab + 1))), word == kAllowed);
    }
}

std::optional<bool> FolderConsent::answer(const QString &folder) const
{
    const auto found = m_answers.constFind(folderKey(folder));
    if (found == m_answers.cend())
        return std::nullopt;
    return *found;
}

bool FolderConsent::remember(const QString &folder, bool allowed)
{
    m_answers.insert(folderKey(folder), allowed);
    QByteArray lines;
    for (auto it = m_answers.cbegin(); it != m_answers.cend(); ++it)
        lines +=
            QString(it.value() ? kAllowed : kRefused).toUtf8() + '\t' + it.key().toUtf8().toPercentEncoding("/") + '\n';
    QDir().mkpath(QFileInfo(m_file).path());
    QSaveFile file(m_file);
    return file.open(QIODevice::WriteOnly) && file.write(lines) == lines.size() && file.flush() && file.commit();
}

QStringList scriptFolders(const settings::FolderSet &folders, FolderConsent &consent, const AskToRunScripts &ask)
{
    QStringList result;
    const QString dataPlugins = folders.dataFolder + QStringLiteral("/plugins");
    if (folderKey(dataPlugins) != folderKey(folders.pluginsFolder) && !listScripts({dataPlugins}).isEmpty()) {
        std::optional<bool> allowed = consent.answer(dataPlugins);
        if (!allowed) {
            allowed = ask(dataPlugins);
            consent.remember(dataPlugins, *allowed);
        }
        if (*allowed)
            result << dataPlugins;
    }
    result << folders.pluginsFolder << folders.programPluginsFolder();
    return result;
}

} // namespace tabulet::plugins
