#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

namespace tabulet::net {

// Where a note goes: the text the user types, "host" or "host:port".
struct Recipient
{
    QString host;
    quint16 port = 0; // 0 when the port text is not a port number: the connect then fails
};

// Splits at the first ":"; without one the port is 1614. nullopt when the host or the port
// text is empty, so that nothing is sent.
std::optional<Recipient> parseRecipient(const QString &text);

// The favourite recipients stored in the option "favorites": entries separated by ";", empty
// ones ignored.
QStringList favouriteEntries(const QString &favorites);

// The option's text with the recipient appended as a new entry followed by ";", unless an
// entry already names it (or it could not be stored as one entry).
QString withFavourite(const QString &favorites, const QString &recipient);

// The option's text for the entries as the list manager hands them back.
QString favoritesText(const QStringList &entries);

} // namespace tabulet::net
