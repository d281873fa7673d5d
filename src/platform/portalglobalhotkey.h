#pragma once

#include "platform/globalhotkey.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QVariantMap>

namespace tabulet::platform {

// One shortcut as the desktop portal's GlobalShortcuts interface takes it: (sa{sv}).
struct PortalShortcut
{
    QString id;
    QVariantMap properties;
};
using PortalShortcuts = QList<PortalShortcut>;
QDBusArgument &operator<<(QDBusArgument &argument, const PortalShortcut &shortcut);
const QDBusArgument &operator>>(const QDBusArgument &argument, PortalShortcut &shortcut);

// The hotkey through the desktop portal's GlobalShortcuts interface (Wayland desktops that offer
// it): one session, one shortcut bound in it, its Activated signal. The portal works by requests
// answered later, so a grab is asked for and the desktop (which may ask the user) decides.
class PortalGlobalHotkey final : public GlobalHotkey
{
    Q_OBJECT
public:
    explicit PortalGlobalHotkey(QDBusConnection bus);

    // Whether the portal on this bus offers global shortcuts.
    static bool isOffered(QDBusConnection bus);

    bool isSupported() const override { return true; }
    GrabResult grab(int virtualKey, commands::Modifiers modifiers) override;
    void release() override;

    // The trigger in the shortcut notation of the portal ("CTRL+SHIFT+slash"); empty for a key
    // without a name there.
    static QString portalTrigger(int virtualKey, commands::Modifiers modifiers);

private slots:
    void sessionCreated(uint response, const QVariantMap &results);
    void shortcutsBound(uint response, const QVariantMap &results);
    void shortcutActivated(const QDBusMessage &message);

private:
    QString requestPath(const QString &token) const;
    void bind();

    QDBusConnection m_bus;
    QString m_session;
    QString m_trigger;
    int m_requests = 0;
};

} // namespace tabulet::platform

Q_DECLARE_METATYPE(tabulet::platform::PortalShortcut)
