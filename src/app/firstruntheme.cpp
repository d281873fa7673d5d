#include "app/firstruntheme.h"

#include "settings/colour.h"
#include "settings/settings.h"

namespace tabulet::app {

void FirstRunTheme::operator()(settings::Settings &settings)
{
    if (!m_scheme)
        m_scheme = m_lookup();
    if (*m_scheme == platform::ColourScheme::Dark) {
        settings.value(QStringLiteral("theme")) = QStringLiteral("dark");
        // Notes made without a colour of their own are dark too, and so written in light text.
        settings.value(QStringLiteral("bgcolor")) =
            settings::formatColourValue(settings::colourFromRgb(0x33, 0x37, 0x3c));
    }
}

} // namespace tabulet::app
