#pragma once

#include <QDateTime>
#include <QString>
#include <QStringView>

#include <optional>

namespace tabulet::archive {

// The name of an archive made at that moment, and the form of the option "lastarchiving": the
// local time as "YYYYMMDD_hhmmss", always 15 characters (20061231_235959).
QString timestampName(const QDateTime &moment);

// The local time a timestamp name gives. Nothing when the text is not 15 characters of ASCII
// digits with the underscore ninth, or when its fields give no real date and time
// (00000000_000000, 20230230_120000, 99999999_999999).
std::optional<QDateTime> readTimestampName(QStringView text);

// A timestamp name as the schedule reads it: a text that gives no time counts as `now`, so an
// unset "lastarchiving" ("0") never makes an archive due and a folder with another name is never
// old enough to delete.
QDateTime timeOfTimestampName(QStringView text, const QDateTime &now);

} // namespace tabulet::archive
