#include "ui/dialogs/versioncheck.h"

#include "lang/texttable.h"

namespace tabulet::ui {

std::optional<VersionCheckMessage> checkForNewVersion(lang::TextTable &texts, bool quiet)
{
    if (quiet)
        return std::nullopt;
    return VersionCheckMessage{texts.text(QStringLiteral("DIALOG_ERROR")),
                               texts.text(QStringLiteral("ERRORREACHINGHOST"))};
}

} // namespace tabulet::ui
