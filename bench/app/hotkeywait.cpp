// Presses the global hotkey Ctrl+Shift+/ through XTest while the Tabulet window is hidden and
// reports, per press, how long until the window is mapped and until it has drawn into itself:
// "<map ms> <paint ms>" lines. Between presses a press hides the window again. Needs a window
// manager (the hotkey hides only a window in front) and a running Tabulet whose window is shown.
//   hotkeywait RUNS
#include <xcb/damage.h>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
#include <xcb/xtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

xcb_connection_t *connection;
xcb_window_t root;
uint8_t damageEventBase;

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t atom(const char *name)
{
    Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

std::vector<xcb_window_t> windowList(xcb_window_t window, const char *property)
{
    Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, window, atom(property), XCB_ATOM_WINDOW, 0, 1024),
                               nullptr),
        &std::free);
    if (!reply)
        return {};
    const auto *windows = static_cast<xcb_window_t *>(xcb_get_property_value(reply.get()));
    return {windows, windows + xcb_get_property_value_length(reply.get()) / sizeof(xcb_window_t)};
}

std::string windowClass(xcb_window_t window)
{
    Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 256),
                               nullptr),
        &std::free);
    if (!reply)
        return {};
    return {static_cast<const char *>(xcb_get_property_value(reply.get())),
            static_cast<std::size_t>(xcb_get_property_value_length(reply.get()))};
}

// The note window: the client of the window manager whose class names Tabulet.
xcb_window_t findNoteWindow()
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        for (xcb_window_t window : windowList(root, "_NET_CLIENT_LIST")) {
            const std::string name = windowClass(window);
            if (name.find("abulet") != std::string::npos)
                return window;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return XCB_WINDOW_NONE;
}

void pressHotkey(xcb_key_symbols_t *symbols)
{
    const xcb_keysym_t keys[] = {0xffe3 /* Control_L */, 0xffe1 /* Shift_L */, 0x2f /* slash */};
    std::vector<xcb_keycode_t> codes;
    for (xcb_keysym_t key : keys) {
        std::unique_ptr<xcb_keycode_t, decltype(&std::free)> code(xcb_key_symbols_get_keycode(symbols, key), &std::free);
        codes.push_back(code ? code.get()[0] : 0);
    }
    for (xcb_keycode_t code : codes)
        xcb_test_fake_input(connection, XCB_KEY_PRESS, code, XCB_CURRENT_TIME, root, 0, 0, 0);
    for (auto code = codes.rbegin(); code != codes.rend(); ++code)
        xcb_test_fake_input(connection, XCB_KEY_RELEASE, *code, XCB_CURRENT_TIME, root, 0, 0, 0);
    xcb_flush(connection);
}

enum class Seen { Map, Unmap, Damage, Nothing };

Seen nextEvent(xcb_window_t window, Clock::time_point deadline)
{
    while (Clock::now() < deadline) {
        std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(xcb_poll_for_event(connection), &std::free);
        if (!event) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            continue;
        }
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_MAP_NOTIFY && reinterpret_cast<xcb_map_notify_event_t *>(event.get())->window == window)
            return Seen::Map;
        if (type == XCB_UNMAP_NOTIFY && reinterpret_cast<xcb_unmap_notify_event_t *>(event.get())->window == window)
            return Seen::Unmap;
        if (type == damageEventBase + XCB_DAMAGE_NOTIFY)
            return Seen::Damage;
    }
    return Seen::Nothing;
}

bool waitFor(Seen wanted, xcb_window_t window, int milliseconds)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
    for (Seen seen = nextEvent(window, deadline); seen != Seen::Nothing; seen = nextEvent(window, deadline)) {
        if (seen == wanted)
            return true;
    }
    return false;
}

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

} // namespace

int main(int argc, char **argv)
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 9;
    connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "hotkeywait: no display\n");
        return 2;
    }
    root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(connection, &xcb_damage_id);
    if (!damage || !damage->present) {
        std::fprintf(stderr, "hotkeywait: the display has no DAMAGE extension\n");
        return 2;
    }
    damageEventBase = damage->first_event;
    std::free(xcb_damage_query_version_reply(connection, xcb_damage_query_version(connection, 1, 1), nullptr));

    const xcb_window_t window = findNoteWindow();
    if (window == XCB_WINDOW_NONE) {
        std::fprintf(stderr, "hotkeywait: no Tabulet window\n");
        return 2;
    }
    const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, window, XCB_CW_EVENT_MASK, &mask);
    const xcb_damage_damage_t damageHandle = xcb_generate_id(connection);
    xcb_damage_create(connection, damageHandle, window, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
    xcb_flush(connection);
    xcb_key_symbols_t *symbols = xcb_key_symbols_alloc(connection);

    int failures = 0;
    for (int run = 0; run < runs && failures < 3; ++run) {
        pressHotkey(symbols);
        if (!waitFor(Seen::Unmap, window, 3000)) {
            std::fprintf(stderr, "hotkeywait: the window did not hide\n");
            ++failures;
            continue;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        while (xcb_generic_event_t *stale = xcb_poll_for_event(connection))
            std::free(stale);
        const Clock::time_point pressed = Clock::now();
        pressHotkey(symbols);
        if (!waitFor(Seen::Map, window, 3000)) {
            std::fprintf(stderr, "hotkeywait: the window did not come back\n");
            ++failures;
            continue;
        }
        const double mapped = millisecondsSince(pressed);
        const double painted = waitFor(Seen::Damage, window, 3000) ? millisecondsSince(pressed) : -1;
        std::printf("%.2f %.2f\n", mapped, painted);
        std::fflush(stdout);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
    xcb_key_symbols_free(symbols);
    xcb_disconnect(connection);
    return failures < 3 ? 0 : 1;
}
