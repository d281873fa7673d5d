#include "ui/dialogs/versioncheck.h"

#include "lang/formattext.h"
#include "lang/texttable.h"

namespace tabulet::ui {

std::optional<VersionCheckMessage> checkForNewVersion(lang::TextTable &texts, bool quiet, const QString &version)
{
    if (quiet)
        return std::nullopt;
    return VersionCheckMessage{texts.text(QStringLiteral("ID_TRAYMENU_CHECKFORNEWVERSION")),
                               lang::formatText(texts.text(QStringLiteral("VERSION_FROMPACKAGES")), {version})};
}

} // namespace tabulet::ui
