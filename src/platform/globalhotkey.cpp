#include "platform/globalhotkey.h"

#include "platform/noglobalhotkey.h"
#include "platform/portalglobalhotkey.h"
#include "platform/x11.h"
#include "platform/x11globalhotkey.h"

#include <QGuiApplication>

namespace tabulet::platform {

std::unique_ptr<GlobalHotkey> makeGlobalHotkey()
{
    if (xcb_connection_t *connection = x11Connection())
        return std::make_unique<X11GlobalHotkey>(connection);
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")) &&
        PortalGlobalHotkey::isOffered(QDBusConnection::sessionBus()))
        return std::make_unique<PortalGlobalHotkey>(QDBusConnection::sessionBus());
    return std::make_unique<NoGlobalHotkey>();
}

bool hasDesktop()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

} // namespace tabulet::platform
