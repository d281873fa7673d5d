#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusVirtualObject>

#include <utility>

namespace tabulet::testing {

// The Settings interface of the desktop portal with one value, wrapped as portals wrap it.
class FakeSettingsPortal final : public QDBusVirtualObject
{
public:
    FakeSettingsPortal(QDBusConnection bus, QVariant colourScheme)
        : m_bus(std::move(bus)), m_colourScheme(std::move(colourScheme))
    {
    }

    QString introspect(const QString &) const override { return {}; }

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &) override
    {
        if (message.interface() != "org.freedesktop.portal.Settings" || message.member() != "Read")
            return false;
        if (message.arguments() != QVariantList{"org.freedesktop.appearance", "color-scheme"}) {
            m_bus.send(message.createErrorReply("org.freedesktop.portal.Error.NotFound", "no such setting"));
            return true;
        }
        const QVariant inner = QVariant::fromValue(QDBusVariant(m_colourScheme));
        m_bus.send(message.createReply(QVariant::fromValue(QDBusVariant(inner))));
        return true;
    }

private:
    QDBusConnection m_bus;
    QVariant m_colourScheme;
};

} // namespace tabulet::testing
