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

// The check for a newer version. No address to ask is configured in this build, so the site
// counts as unreachable: a check the user asked for says so with "ERRORREACHINGHOST"; a quiet
// check (at start) only ever speaks of a newer version, so it tells nothing.
std::optional<VersionCheckMessage> checkForNewVersion(lang::TextTable &texts, bool quiet);

} // namespace tabulet::ui
