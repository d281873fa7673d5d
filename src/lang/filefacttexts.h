#pragma once

#include <QDateTime>
#include <QString>

namespace tabulet::lang {

// A byte count for people: "1024 Bytes", "1.00 KB", "1024.00 KB", "1.00 MB", "2.50 GB". Up to
// 1024 bytes the count itself, written by bytesFormat ("%d Bytes", from the language file); each
// unit runs up to and including 1024 of the next smaller one. Two decimals in the user's locale,
// without group separators.
QString sizeText(qint64 bytes, const QString &bytesFormat);

// The user's short date, a blank and the short time without seconds, in local time (a UTC file
// time is converted first).
QString dateTimeText(const QDateTime &moment);

} // namespace tabulet::lang
