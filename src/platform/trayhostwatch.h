#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <xcb/xcb.h>

namespace tabulet::platform {

// Tells when a tray host starts: on X11 it takes the notification area's selection and announces
// that to every client with a MANAGER message on the root window. No other platform offers a
// tray later than at start, so elsewhere nothing is ever reported.
class TrayHostWatch final : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT
public:
    explicit TrayHostWatch(QObject *parent = nullptr);
    ~TrayHostWatch() override;
    TrayHostWatch(const TrayHostWatch &) = delete;
    TrayHostWatch &operator=(const TrayHostWatch &) = delete;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

signals:
    void trayHostAppeared();

private:
    bool isTraySelection(xcb_atom_t selection);

    xcb_connection_t *m_connection = nullptr;
    xcb_atom_t m_manager = XCB_ATOM_NONE;
};

} // namespace tabulet::platform
