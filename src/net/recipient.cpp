#include "net/recipient.h"

#include "net/transferheader.h"

namespace tabulet::net {

std::optional<Recipient> parseRecipient(const QString &text)
{
    const qsizetype colon = text.indexOf(u':');
    const QString host = (colon < 0 ? text : text.left(colon)).trimmed();
    const QString portText = colon < 0 ? QString::number(kDefaultPort) : text.mid(colon + 1).trimmed();
    if (host.isEmpty() || portText.isEmpty())
        return std::nullopt;
    bool isNumber = false;
    const quint16 port = portText.toUShort(&isNumber);
    return Recipient{host, isNumber ? port : quint16{0}};
}

QStringList favouriteEntries(const QString &favorites)
{
    return favorites.split(u';', Qt::SkipEmptyParts);
}

QString withFavourite(const QString &favorites, const QString &recipient)
{
    if (recipient.isEmpty() || recipient.contains(u';') || favouriteEntries(favorites).contains(recipient))
        return favorites;
    QString text = favorites;
    if (!text.isEmpty() && !text.endsWith(u';'))
        text += u';';
    return text + recipient + u';';
}

QString favoritesText(const QStringList &entries)
{
    return entries.join(u';');
}

} // namespace tabulet::net
