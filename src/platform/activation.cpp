#include "platform/activation.h"

#include "platform/x11.h"

#include <QGuiApplication>
#include <QWidget>

namespace tabulet::platform {

void useActivationToken(QWidget *window, const QByteArray &token)
{
    if (token.isEmpty())
        return;
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        qputenv("XDG_ACTIVATION_TOKEN", token);
        return;
    }
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return;
    const xcb_atom_t startupId = internAtom(connection, "_NET_STARTUP_ID");
    const xcb_atom_t utf8 = internAtom(connection, "UTF8_STRING");
    if (startupId == XCB_ATOM_NONE || utf8 == XCB_ATOM_NONE)
        return;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window->winId()), startupId,
                        utf8, 8, static_cast<uint32_t>(token.size()), token.constData());
    xcb_flush(connection);
}

} // namespace tabulet::platform
