#pragma once

#include <QString>

#include <optional>

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::ui {

// What a check for a newer version tells the user.
struct VersionCheckMessage
{
    QString caption;
    QString text;
};

// The check for a newer version. This program comes with the system's packages and is updated
// with them, so nothing is asked over the network: a check the user asked for names the version
// running and says where updates come from; a quiet check (at start) tells nothing.
std::optional<VersionCheckMessage> checkForNewVersion(lang::TextTable &texts, bool quiet, const QString &version);

} // namespace tabulet::ui
