#pragma once

#include <QLoggingCategory>

namespace tabulet::theme {

// Why packages and members could not be read; debug output is off unless asked for
// (QT_LOGGING_RULES="tabulet.theme.debug=true").
Q_DECLARE_LOGGING_CATEGORY(lcTheme)

} // namespace tabulet::theme
