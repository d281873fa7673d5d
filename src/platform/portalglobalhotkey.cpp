#include "platform/portalglobalhotkey.h"

#include "commands/virtualkeys.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QKeySequence>
#include <QLoggingCategory>

namespace tabulet::platform {

namespace {

Q_LOGGING_CATEGORY(lcPortal, "tabulet.platform.portal", QtWarningMsg)

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");
const QString kShortcutId = QStringLiteral("toggle-notes");

} // namespace

QDBusArgument &operator<<(QDBusArgument &argument, const PortalShortcut &shortcut)
{
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, PortalShortcut &shortcut)
{
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

PortalGlobalHotkey::PortalGlobalHotkey(QDBusConnection bus) : m_bus(std::move(bus))
{
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<PortalShortcuts>();
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("Activated"), this,
                  SLOT(shortcutActivated(QDBusMessage)));
}

bool PortalGlobalHotkey::isOffered(QDBusConnection bus)
{
    QDBusMessage get = QDBusMessage::createMethodCall(kService, kPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get << kInterface << QStringLiteral("version");
    return bus.call(get, QDBus::Block, 1000).type() == QDBusMessage::ReplyMessage;
}

QString PortalGlobalHotkey::portalTrigger(int virtualKey, commands::Modifiers modifiers)
{
    bool keypad = false;
    const int qtKey = commands::qtKeyOfVirtualKey(virtualKey, &keypad);
    const quint32 keysym = commands::keysymOfVirtualKey(virtualKey);
    if (qtKey == 0 || keysym == 0)
        return {};
    QString trigger;
    if (modifiers.testFlag(commands::Modifier::Ctrl))
        trigger += QStringLiteral("CTRL+");
    if (modifiers.testFlag(commands::Modifier::Alt))
        trigger += QStringLiteral("ALT+");
    if (modifiers.testFlag(commands::Modifier::Shift))
        trigger += QStringLiteral("SHIFT+");
    // Key names as the XKB keysym names that the portal backends read.
    static const QHash<quint32, QString> kNames = {
        {0x2f, QStringLiteral("slash")},     {0x20, QStringLiteral("space")},  {0x2c, QStringLiteral("comma")},
        {0x2e, QStringLiteral("period")},    {0x2d, QStringLiteral("minus")},  {0x3d, QStringLiteral("equal")},
        {0x3b, QStringLiteral("semicolon")}, {0x27, QStringLiteral("apostrophe")}, {0x60, QStringLiteral("grave")},
        {0x5b, QStringLiteral("bracketleft")}, {0x5d, QStringLiteral("bracketright")},
        {0x5c, QStringLiteral("backslash")},
    };
    if (kNames.contains(keysym))
        return trigger + kNames.value(keysym);
    return trigger + QKeySequence(qtKey).toString(QKeySequence::PortableText);
}

QString PortalGlobalHotkey::requestPath(const QString &token) const
{
    QString sender = m_bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
}

GlobalHotkey::GrabResult PortalGlobalHotkey::grab(int virtualKey, commands::Modifiers modifiers)
{
    m_trigger = portalTrigger(virtualKey, modifiers);
    if (m_trigger.isEmpty())
        return GrabResult::UnknownKey;
    if (!m_session.isEmpty()) {
        bind();
        return GrabResult::Grabbed;
    }
    // The answer comes as a Response signal on the request: listen before asking.
    const QString token = QStringLiteral("tabulet%1").arg(++m_requests);
    m_bus.connect(kService, requestPath(token), kRequest, QStringLiteral("Response"), this,
                  SLOT(sessionCreated(uint, QVariantMap)));
    QDBusMessage create = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("CreateSession"));
    create << QVariantMap{{QStringLiteral("handle_token"), token}, {QStringLiteral("session_handle_token"), token}};
    m_bus.send(create);
    return GrabResult::Grabbed;
}

void PortalGlobalHotkey::sessionCreated(uint response, const QVariantMap &results)
{
    if (response != 0) {
        qCWarning(lcPortal) << "the portal refused a global shortcuts session:" << response;
        return;
    }
    // An object path in the documented interface, a string in early portals.
    const QVariant handle = results.value(QStringLiteral("session_handle"));
    m_session = handle.metaType() == QMetaType::fromType<QDBusObjectPath>() ? handle.value<QDBusObjectPath>().path()
                                                                             : handle.toString();
    if (!m_trigger.isEmpty())
        bind();
}

void PortalGlobalHotkey::bind()
{
    const QString token = QStringLiteral("tabulet%1").arg(++m_requests);
    m_bus.connect(kService, requestPath(token), kRequest, QStringLiteral("Response"), this,
                  SLOT(shortcutsBound(uint, QVariantMap)));
    const PortalShortcuts shortcuts{{kShortcutId,
                                     {{QStringLiteral("description"), QStringLiteral("Show or hide the notes")},
                                      {QStringLiteral("preferred_trigger"), m_trigger}}}};
    QDBusMessage bindCall = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("BindShortcuts"));
    bindCall << QVariant::fromValue(QDBusObjectPath(m_session)) << QVariant::fromValue(shortcuts) << QString()
             << QVariantMap{{QStringLiteral("handle_token"), token}};
    m_bus.send(bindCall);
}

void PortalGlobalHotkey::shortcutsBound(uint response, const QVariantMap &)
{
    if (response != 0)
        qCWarning(lcPortal) << "the portal did not bind the shortcut" << m_trigger << ':' << response;
}

// A session binds its shortcuts once: a new combination gets a new session.
void PortalGlobalHotkey::release()
{
    m_trigger.clear();
    if (m_session.isEmpty())
        return;
    m_bus.send(QDBusMessage::createMethodCall(kService, m_session, QStringLiteral("org.freedesktop.portal.Session"),
                                                   QStringLiteral("Close")));
    m_session.clear();
}

// Activated (o session_handle, s shortcut_id, t timestamp, a{sv} options).
void PortalGlobalHotkey::shortcutActivated(const QDBusMessage &message)
{
    const QList<QVariant> arguments = message.arguments();
    if (arguments.size() < 2 || m_trigger.isEmpty())
        return;
    if (arguments[0].value<QDBusObjectPath>().path() == m_session && arguments[1].toString() == kShortcutId)
        emit activated();
}

} // namespace tabulet::platform
