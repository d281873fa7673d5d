// A theme's config.xml read by the program's own reader, then held to what a shipped theme must
// be: a package the program would refuse or complain about is refused here, with the reason.
#pragma once

#include "theme/themeconfig.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace tabulet::themebuilder {

// Nothing when the document fails to load, loads with problems the program would show, or has a
// button whose command the program does not know; *error then says why.
std::optional<theme::SubthemeMap> readCheckedTheme(const QByteArray &config, QString *error);

} // namespace tabulet::themebuilder
