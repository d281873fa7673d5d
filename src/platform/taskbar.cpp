#include "platform/taskbar.h"

#include "platform/x11.h"

#include <QWidget>

namespace tabulet::platform {

namespace {

enum class StateChange : uint32_t { Remove = 0, Add = 1 };

// A mapped window asks the window manager to change one of its states.
void askStateChange(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t state, StateChange change,
                    xcb_atom_t which)
{
    xcb_client_message_event_t event = {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = state;
    event.data.data32[0] = static_cast<uint32_t>(change);
    event.data.data32[1] = which;
    event.data.data32[3] = 1; // from a normal application
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_send_event(connection, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&event));
}

} // namespace

void keepOffTaskbar(QWidget *window)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return;
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t state = internAtom(connection, "_NET_WM_STATE");
    const xcb_atom_t skipTaskbar = internAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    if (state == XCB_ATOM_NONE || skipTaskbar == XCB_ATOM_NONE)
        return;
    if (!window->isVisible()) {
        // Read by the window manager when the window is mapped.
        xcb_change_property(connection, XCB_PROP_MODE_APPEND, id, state, XCB_ATOM_ATOM, 32, 1, &skipTaskbar);
    } else {
        askStateChange(connection, id, state, StateChange::Add, skipTaskbar);
    }
    xcb_flush(connection);
}

bool keepAbove(QWidget *window, bool above)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return false;
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t state = internAtom(connection, "_NET_WM_STATE");
    const xcb_atom_t aboveState = internAtom(connection, "_NET_WM_STATE_ABOVE");
    if (state == XCB_ATOM_NONE || aboveState == XCB_ATOM_NONE)
        return false;
    if (!window->isVisible()) {
        // An unmapped window has no states until the window manager reads them at mapping.
        if (above)
            xcb_change_property(connection, XCB_PROP_MODE_APPEND, id, state, XCB_ATOM_ATOM, 32, 1, &aboveState);
    } else {
        askStateChange(connection, id, state, above ? StateChange::Add : StateChange::Remove, aboveState);
    }
    xcb_flush(connection);
    return true;
}

} // namespace tabulet::platform
