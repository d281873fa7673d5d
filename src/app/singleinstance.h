#pragma once

#include "app/instanceclaim.h"

#include <QLocalServer>
#include <QObject>

#include <string>

namespace tabulet::app {

// The instance claim over a local socket in Linux's abstract namespace: nothing on disk, and the
// kernel frees the name the moment a copy dies, so the next start takes over at once. An abstract
// socket has no file permissions: the running copy drops every peer that is not its own user, and
// a start hands over only to a listener of its own user, waiting at most a second each time.
class SingleInstance final : public QObject, public InstanceClaim
{
    Q_OBJECT
public:
    // name: the socket name (see launch::instanceName); handover: what this start hands over when
    // a copy already runs, encoded (see launch::encodeHandover).
    SingleInstance(QString name, std::string handover);

    bool claim(Receiver receiver) override;
    bool nameHeldByOtherUser() const override { return m_heldByOtherUser; }
    void withdraw() override { m_server.close(); }

private:
    void acceptConnections();

    QString m_name;
    std::string m_handover;
    Receiver m_receiver;
    QLocalServer m_server;
    bool m_heldByOtherUser = false;
};

} // namespace tabulet::app
