#include "platform/portalglobalhotkey.h"
#include "privatesessionbus.h"

#include <gtest/gtest.h>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVirtualObject>
#include <QSignalSpy>
#include <QTest>

using namespace tabulet;
using platform::PortalGlobalHotkey;

namespace {

const QString kService = "org.freedesktop.portal.Desktop";
const QString kPath = "/org/freedesktop/portal/desktop";
const QString kInterface = "org.freedesktop.portal.GlobalShortcuts";

// The documented GlobalShortcuts interface, enough of it for one client: CreateSession and
// BindShortcuts answer through a Response signal on the request object the caller predicted.
class FakePortal final : public QDBusVirtualObject
{
public:
    explicit FakePortal(QDBusConnection bus) : m_bus(std::move(bus)) {}

    QString introspect(const QString &) const override { return {}; }

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &) override
    {
        if (message.interface() != kInterface)
            return false;
        QString sender = message.service().mid(1);
        sender.replace('.', '_');
        const int optionsIndex = message.member() == "CreateSession" ? 0 : 3;
        const QVariantMap options = qdbus_cast<QVariantMap>(message.arguments().value(optionsIndex));
        const QString request =
            kPath + "/request/" + sender + "/" + options.value("handle_token").toString();
        m_bus.send(message.createReply(QVariant::fromValue(QDBusObjectPath(request))));
        QVariantMap results;
        if (message.member() == "CreateSession") {
            session = kPath + "/session/" + sender + "/" + options.value("session_handle_token").toString();
            results["session_handle"] = QVariant::fromValue(QDBusObjectPath(session));
        } else if (message.member() == "BindShortcuts") {
            boundSession = qdbus_cast<QDBusObjectPath>(message.arguments().value(0)).path();
            shortcuts = qdbus_cast<platform::PortalShortcuts>(message.arguments().value(1));
        }
        QDBusMessage response = QDBusMessage::createSignal(request, "org.freedesktop.portal.Request", "Response");
        response << uint(0) << results;
        m_bus.send(response);
        return true;
    }

    void activate(const QString &shortcutId)
    {
        QDBusMessage activated = QDBusMessage::createSignal(kPath, kInterface, "Activated");
        activated << QVariant::fromValue(QDBusObjectPath(session)) << shortcutId << qulonglong(1) << QVariantMap();
        m_bus.send(activated);
    }

    QString session;
    QString boundSession;
    platform::PortalShortcuts shortcuts;

private:
    QDBusConnection m_bus;
};

// A session bus of the test's own.
class PortalBus : public tabulet::testing::PrivateSessionBus
{
protected:
    void SetUp() override
    {
        PrivateSessionBus::SetUp();
        qDBusRegisterMetaType<platform::PortalShortcut>();
        qDBusRegisterMetaType<platform::PortalShortcuts>();
    }
};

} // namespace

TEST_F(PortalBus, grab_bindsTheShortcutInASessionAndActivatedToggles)
{
    QDBusConnection portalBus = QDBusConnection::connectToBus(address, "portal");
    ASSERT_TRUE(portalBus.isConnected());
    FakePortal portal(portalBus);
    ASSERT_TRUE(portalBus.registerVirtualObject(kPath, &portal, QDBusConnection::SubPath));
    ASSERT_TRUE(portalBus.registerService(kService));
    QDBusConnection programBus = QDBusConnection::connectToBus(address, "program");

    PortalGlobalHotkey hotkey(programBus);
    QSignalSpy activated(&hotkey, &platform::GlobalHotkey::activated);
    EXPECT_EQ(hotkey.grab(191, commands::Modifier::Ctrl | commands::Modifier::Shift),
              platform::GlobalHotkey::GrabResult::Grabbed);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !portal.shortcuts.isEmpty(); }, 5000));
    EXPECT_EQ(portal.boundSession, portal.session);
    EXPECT_EQ(portal.shortcuts[0].properties.value("preferred_trigger").toString(), "CTRL+SHIFT+slash");

    portal.activate("another-program's");
    portal.activate(portal.shortcuts[0].id);
    EXPECT_TRUE(QTest::qWaitFor([&] { return activated.count() == 1; }, 5000));
    QTest::qWait(100);
    EXPECT_EQ(activated.count(), 1) << "only our shortcut toggles";
}

TEST(PortalTrigger, namesKeysAsThePortalReadsThem)
{
    EXPECT_EQ(PortalGlobalHotkey::portalTrigger(0x70, commands::Modifier::Alt), "ALT+F1");
    EXPECT_EQ(PortalGlobalHotkey::portalTrigger('N', commands::Modifier::Ctrl | commands::Modifier::Alt), "CTRL+ALT+N");
    EXPECT_EQ(PortalGlobalHotkey::portalTrigger(999, commands::Modifier::Ctrl), "");
}
