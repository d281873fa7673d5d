#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace tabulet::settings {
struct FolderSet;
}

namespace tabulet::plugins {

// The user's answers, folder by folder, to whether the scripts of a data folder given with
// -homedir may run. Kept in a file of the user's own configuration, never in a data folder: a
// folder prepared by someone else cannot answer for the user.
class FolderConsent final
{
public:
    explicit FolderConsent(QString file);

    // The answer given for the folder (compared with its links resolved); nothing when none was.
    std::optional<bool> answer(const QString &folder) const;
    // Records the answer in the file at once; false when the file could not be written.
    bool remember(const QString &folder, bool allowed);

private:
    QString m_file;
    QHash<QString, bool> m_answers;
};

// Asks the user whether the scripts of the folder may run.
using AskToRunScripts = std::function<bool(const QString &folder)>;

// The folders plug-ins are loaded from, in order: the run's data folder's "plugins" when it is
// not the user's own and the user allows it (asked once per folder, and only when it holds a
// script), then the user's own plug-ins folder and the one shipped with the program.
QStringList scriptFolders(const settings::FolderSet &folders, FolderConsent &consent, const AskToRunScripts &ask);

} // namespace tabulet::plugins
