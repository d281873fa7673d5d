#include "platform/trayhostwatch.h"

#include "platform/x11.h"

#include <QCoreApplication>

#include <cstdlib>

namespace tabulet::platform {

namespace {

// The MANAGER message goes to the root windows with StructureNotify; make sure this client
// listens there without taking away what the toolkit already listens for.
void listenOnRootWindows(xcb_connection_t *connection)
{
    for (auto roots = xcb_setup_roots_iterator(xcb_get_setup(connection)); roots.rem; xcb_screen_next(&roots)) {
        const xcb_window_t root = roots.data->root;
        xcb_get_window_attributes_reply_t *attributes =
            xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, root), nullptr);
        if (!attributes)
            continue;
        const uint32_t mask = attributes->your_event_mask;
        std::free(attributes);
        if (mask & XCB_EVENT_MASK_STRUCTURE_NOTIFY)
            continue;
        const uint32_t wanted = mask | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &wanted);
    }
    xcb_flush(connection);
}

} // namespace

TrayHostWatch::TrayHostWatch(QObject *parent) : QObject(parent)
{
    m_connection = x11Connection();
    if (!m_connection)
        return;
    m_manager = internAtom(m_connection, "MANAGER");
    if (m_manager == XCB_ATOM_NONE)
        return;
    listenOnRootWindows(m_connection);
    QCoreApplication::instance()->installNativeEventFilter(this);
}

TrayHostWatch::~TrayHostWatch()
{
    if (m_manager != XCB_ATOM_NONE && QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool TrayHostWatch::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & ~0x80) != XCB_CLIENT_MESSAGE)
        return false;
    const auto *clientMessage = static_cast<const xcb_client_message_event_t *>(message);
    if (clientMessage->type == m_manager && clientMessage->format == 32 &&
        isTraySelection(clientMessage->data.data32[1])) {
        emit trayHostAppeared();
    }
    // The toolkit follows the tray host too.
    return false;
}

bool TrayHostWatch::isTraySelection(xcb_atom_t selection)
{
    // One selection per screen: _NET_SYSTEM_TRAY_S0, _NET_SYSTEM_TRAY_S1, ...
    xcb_get_atom_name_reply_t *reply =
        xcb_get_atom_name_reply(m_connection, xcb_get_atom_name(m_connection, selection), nullptr);
    if (!reply)
        return false;
    const QByteArray name(xcb_get_atom_name_name(reply), xcb_get_atom_name_name_length(reply));
    std::free(reply);
    return name.startsWith("_NET_SYSTEM_TRAY_S");
}

} // namespace tabulet::platform
