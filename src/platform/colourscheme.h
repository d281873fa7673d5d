#pragma once

#include <QDBusConnection>

class QPalette;

namespace tabulet::platform {

// Whether the desktop prefers dark or light windows; the first start picks its theme by it.
enum class ColourScheme { NoPreference, Dark, Light };

// The desktop portal's "color-scheme" setting of "org.freedesktop.appearance": NoPreference when
// no portal answers on the bus within the timeout, or when the user set no preference there. A
// bus without a portal answers at once; the timeout leaves time for a portal started on demand.
ColourScheme portalColourScheme(const QDBusConnection &bus, int timeoutMs = 1500);

// The preference a style's palette shows: Dark when its windows are darker than their text.
ColourScheme paletteColourScheme(const QPalette &palette);

// The portal's answer on the session bus, else that of the running application's palette.
ColourScheme desktopColourScheme();

} // namespace tabulet::platform
