#include "platform/colourscheme.h"

#include <QDBusMessage>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QPalette>

namespace tabulet::platform {

ColourScheme portalColourScheme(const QDBusConnection &bus, int timeoutMs)
{
    if (!bus.isConnected())
        return ColourScheme::NoPreference;
    QDBusMessage read = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.portal.Desktop"), QStringLiteral("/org/freedesktop/portal/desktop"),
        QStringLiteral("org.freedesktop.portal.Settings"), QStringLiteral("Read"));
    read << QStringLiteral("org.freedesktop.appearance") << QStringLiteral("color-scheme");
    const QDBusMessage reply = bus.call(read, QDBus::Block, timeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return ColourScheme::NoPreference;
    // Read wraps the value in a variant, and portals wrap it once more.
    QVariant value = reply.arguments().constFirst();
    for (int depth = 0; depth < 2 && value.canConvert<QDBusVariant>(); ++depth)
        value = value.value<QDBusVariant>().variant();
    if (value.typeId() != QMetaType::UInt)
        return ColourScheme::NoPreference;
    switch (value.toUInt()) {
    case 1:
        return ColourScheme::Dark;
    case 2:
        return ColourScheme::Light;
    default:
        return ColourScheme::NoPreference;
    }
}

ColourScheme paletteColourScheme(const QPalette &palette)
{
    const int window = palette.color(QPalette::Window).lightness();
    const int text = palette.color(QPalette::WindowText).lightness();
    if (window == text)
        return ColourScheme::NoPreference;
    return window < text ? ColourScheme::Dark : ColourScheme::Light;
}

ColourScheme desktopColourScheme()
{
    const ColourScheme portal = portalColourScheme(QDBusConnection::sessionBus());
    if (portal != ColourScheme::NoPreference)
        return portal;
    return paletteColourScheme(QGuiApplication::palette());
}

} // namespace tabulet::platform
