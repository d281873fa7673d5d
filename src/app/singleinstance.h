#pragma once

#include "app/instanceclaim.h"

#include <QLocalServer>
#include <QObject>

namespace tabulet::app {

// The instance claim over a local socket in Linux's abstract namespace: nothing on disk, and the
// kernel frees the name the moment a copy dies, so the next start takes over at once. An abstract
// socket has no file permissions: the running copy drops every peer that is not its own user.
class SingleInstance final : public QObject, public InstanceClaim
{
    Q_OBJECT
public:
    // name: the socket name (see instanceName); handover: what this start hands over when a copy
    // already runs.
    SingleInstance(QString name, Handover handover);

    bool claim(Receiver receiver) override;

    // Sends a handover to the copy listening under name and waits for its answer; false when no
    // copy listens or it did not take the handover.
    static bool handOver(const QString &name, const Handover &handover);

private:
    void acceptConnections();

    QString m_name;
    Handover m_handover;
    Receiver m_receiver;
    QLocalServer m_server;
};

// The socket name of this user's session: the program's identifier, the user id, and a tag of the
// session's runtime folder, so that sessions with a runtime folder of their own (test runs side
// by side) each have their own running copy.
QString instanceName();

} // namespace tabulet::app
