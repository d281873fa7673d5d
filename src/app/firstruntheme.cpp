#include "app/firstruntheme.h"

#include "settings/settings.h"

namespace tabulet::app {

void FirstRunTheme::operator()(settings::Settings &settings)
{
    if (!m_scheme)
        m_scheme = m_lookup();
    if (*m_scheme == platform::ColourScheme::Dark)
        settings.value(QStringLiteral("theme")) = QStringLiteral("dark");
}

} // namespace tabulet::app
