// A desktop portal that answers only the colour-scheme setting, for end-to-end tests of the first
// start: `fakesettingsportal VALUE` serves on the session bus, prints "ready" and runs until ended.
#include "fakesettingsportal.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: fakesettingsportal COLOUR-SCHEME\n", stderr);
        return 2;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    tabulet::testing::FakeSettingsPortal portal(bus, QVariant::fromValue(QByteArray(argv[1]).toUInt()));
    if (!bus.registerVirtualObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portal) ||
        !bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop"))) {
        std::fputs("fakesettingsportal: cannot serve on the session bus\n", stderr);
        return 1;
    }
    std::puts("ready");
    std::fflush(stdout);
    return QCoreApplication::exec();
}
