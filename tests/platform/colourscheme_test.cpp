#include "fakesettingsportal.h"
#include "platform/colourscheme.h"
#include "privatesessionbus.h"

#include <gtest/gtest.h>
#include <QPalette>
#include <QCoreApplication>

#include <atomic>
#include <thread>

using namespace tabulet;
using platform::ColourScheme;

namespace {

// The fake portal on a session bus of the test's own.
class PortalColourScheme : public tabulet::testing::PrivateSessionBus
{
protected:
    ColourScheme schemeFromPortalAnswering(const QVariant &value)
    {
        QDBusConnection portalBus = QDBusConnection::connectToBus(address, "portal");
        tabulet::testing::FakeSettingsPortal portal(portalBus, value);
        EXPECT_TRUE(portalBus.registerVirtualObject("/org/freedesktop/portal/desktop", &portal));
        EXPECT_TRUE(portalBus.registerService("org.freedesktop.portal.Desktop"));
        // The portal answers from this thread's events, so the program asks from another thread.
        QDBusConnection programBus = QDBusConnection::connectToBus(address, "program");
        ColourScheme scheme = ColourScheme::NoPreference;
        std::atomic<bool> answered = false;
        std::thread asking([&] {
            scheme = platform::portalColourScheme(programBus, 5000);
            answered = true;
        });
        while (!answered)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        asking.join();
        QDBusConnection::disconnectFromBus("portal");
        QDBusConnection::disconnectFromBus("program");
        return scheme;
    }
};

} // namespace

TEST_F(PortalColourScheme, readsThePortalsSetting)
{
    const std::pair<QVariant, ColourScheme> cases[] = {
        {QVariant::fromValue(1u), ColourScheme::Dark},
        {QVariant::fromValue(2u), ColourScheme::Light},
        {QVariant::fromValue(0u), ColourScheme::NoPreference},
        {QVariant::fromValue(7u), ColourScheme::NoPreference},
        {QVariant::fromValue(QStringLiteral("dark")), ColourScheme::NoPreference},
    };
    for (const auto &[value, scheme] : cases)
        EXPECT_EQ(schemeFromPortalAnswering(value), scheme) << value.toString().toStdString();
}

TEST_F(PortalColourScheme, noPortalOnTheBus_isNoPreference)
{
    QDBusConnection programBus = QDBusConnection::connectToBus(address, "program");
    EXPECT_EQ(platform::portalColourScheme(programBus), ColourScheme::NoPreference);
    EXPECT_EQ(platform::portalColourScheme(QDBusConnection("not connected")), ColourScheme::NoPreference);
}

TEST(PaletteColourScheme, darkWindowsUnderLightTextAreDark)
{
    QPalette dark(Qt::white, QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    QPalette light(Qt::black, QColor(0xef, 0xef, 0xef));
    light.setColor(QPalette::WindowText, Qt::black);
    QPalette flat(Qt::gray, Qt::gray);
    flat.setColor(QPalette::WindowText, Qt::gray);
    EXPECT_EQ(platform::paletteColourScheme(dark), ColourScheme::Dark);
    EXPECT_EQ(platform::paletteColourScheme(light), ColourScheme::Light);
    EXPECT_EQ(platform::paletteColourScheme(flat), ColourScheme::NoPreference);
}
