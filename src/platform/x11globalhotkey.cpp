#include "platform/x11globalhotkey.h"

#include "commands/virtualkeys.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <cstdlib>
#include <memory>

namespace tabulet::platform {

namespace {

Q_LOGGING_CATEGORY(lcHotkey, "tabulet.platform.hotkey", QtWarningMsg)

constexpr uint8_t kBadAccess = 10;
constexpr uint32_t kNumLockKeysym = 0xff7f;
// The modifiers a grab compares; the lock states are matched by grabbing each variant.
constexpr uint16_t kComparedModifiers =
    XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;

struct FreeDeleter
{
    void operator()(void *pointer) const { std::free(pointer); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeDeleter>;

xcb_keycode_t keycodeOfKeysym(xcb_connection_t *connection, uint32_t keysym)
{
    const xcb_setup_t *setup = xcb_get_setup(connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    const Reply<xcb_get_keyboard_mapping_reply_t> mapping(xcb_get_keyboard_mapping_reply(
        connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, static_cast<uint8_t>(count)), nullptr));
    if (!mapping)
        return 0;
    const xcb_keysym_t *keysyms = xcb_get_keyboard_mapping_keysyms(mapping.get());
    const int perKeycode = mapping->keysyms_per_keycode;
    // The unshifted symbol first: "/" and "?" share a key, and the hotkey names the key.
    for (int column = 0; column < perKeycode; ++column) {
        for (int index = 0; index < count; ++index) {
            if (keysyms[index * perKeycode + column] == keysym)
                return static_cast<xcb_keycode_t>(setup->min_keycode + index);
        }
    }
    return 0;
}

uint16_t numLockMask(xcb_connection_t *connection)
{
    const xcb_keycode_t numLock = keycodeOfKeysym(connection, kNumLockKeysym);
    const Reply<xcb_get_modifier_mapping_reply_t> mapping(
        xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), nullptr));
    if (!mapping || numLock == 0)
        return 0;
    const xcb_keycode_t *keycodes = xcb_get_modifier_mapping_keycodes(mapping.get());
    const int perModifier = mapping->keycodes_per_modifier;
    for (int modifier = 0; modifier < 8; ++modifier) {
        for (int index = 0; index < perModifier; ++index) {
            if (keycodes[modifier * perModifier + index] == numLock)
                return static_cast<uint16_t>(1u << modifier);
        }
    }
    return 0;
}

uint16_t x11Modifiers(commands::Modifiers modifiers)
{
    uint16_t mask = 0;
    if (modifiers.testFlag(commands::Modifier::Shift))
        mask |= XCB_MOD_MASK_SHIFT;
    if (modifiers.testFlag(commands::Modifier::Ctrl))
        mask |= XCB_MOD_MASK_CONTROL;
    if (modifiers.testFlag(commands::Modifier::Alt))
        mask |= XCB_MOD_MASK_1;
    return mask;
}

} // namespace

X11GlobalHotkey::X11GlobalHotkey(xcb_connection_t *connection) : m_connection(connection)
{
    if (const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data)
        m_root = screen->root;
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11GlobalHotkey::~X11GlobalHotkey()
{
    release();
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

std::vector<uint16_t> X11GlobalHotkey::lockVariants() const
{
    std::vector<uint16_t> variants{0, XCB_MOD_MASK_LOCK};
    if (m_numLock != 0) {
        variants.push_back(m_numLock);
        variants.push_back(static_cast<uint16_t>(m_numLock | XCB_MOD_MASK_LOCK));
    }
    return variants;
}

GlobalHotkey::GrabResult X11GlobalHotkey::grab(int virtualKey, commands::Modifiers modifiers)
{
    release();
    const uint32_t keysym = commands::keysymOfVirtualKey(virtualKey);
    const xcb_keycode_t keycode = keysym == 0 ? 0 : keycodeOfKeysym(m_connection, keysym);
    if (keycode == 0)
        return GrabResult::UnknownKey;
    m_numLock = numLockMask(m_connection);
    m_modifiers = x11Modifiers(modifiers);
    std::vector<xcb_void_cookie_t> cookies;
    for (const uint16_t variant : lockVariants()) {
        cookies.push_back(xcb_grab_key_checked(m_connection, 1, m_root, static_cast<uint16_t>(m_modifiers | variant),
                                               keycode, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    }
    bool taken = false;
    for (const xcb_void_cookie_t cookie : cookies) {
        const Reply<xcb_generic_error_t> error(xcb_request_check(m_connection, cookie));
        if (!error)
            continue;
        if (error->error_code != kBadAccess)
            qCWarning(lcHotkey) << "key grab failed with X error" << error->error_code;
        taken = true;
    }
    m_keycode = keycode;
    if (taken) {
        // The variants that were granted would hold a combination we cannot use.
        release();
        return GrabResult::Taken;
    }
    return GrabResult::Grabbed;
}

void X11GlobalHotkey::release()
{
    if (m_keycode == 0)
        return;
    for (const uint16_t variant : lockVariants())
        xcb_ungrab_key(m_connection, m_keycode, m_root, static_cast<uint16_t>(m_modifiers | variant));
    xcb_flush(m_connection);
    m_keycode = 0;
}

bool X11GlobalHotkey::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (m_keycode == 0 || eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != XCB_KEY_PRESS)
        return false;
    const auto *press = static_cast<const xcb_key_press_event_t *>(message);
    if (press->event != m_root || press->detail != m_keycode || (press->state & kComparedModifiers) != m_modifiers)
        return false;
    // Qt still sees the press (it takes the time of the user's action from it, which lets the
    // window come forward) but has no window for the root; the toggle follows from the loop.
    QMetaObject::invokeMethod(this, &GlobalHotkey::activated, Qt::QueuedConnection);
    return false;
}

} // namespace tabulet::platform
