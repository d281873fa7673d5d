#include "archive/timestampname.h"

namespace tabulet::archive {
namespace {

constexpr qsizetype kNameLength = 15;
constexpr qsizetype kSeparatorAt = 8;

// The decimal number of `count` ASCII digits from `at`; -1 when one of them is not a digit.
int digitsAt(QStringView text, qsizetype at, qsizetype count)
{
    int number = 0;
    for (qsizetype i = at; i < at + count; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            return -1;
        number = number * 10 + (c - u'0');
    }
    return number;
}

} // namespace

QString timestampName(const QDateTime &moment)
{
    return moment.toLocalTime().toString(QStringLiteral("yyyyMMdd_HHmmss"));
}

std::optional<QDateTime> readTimestampName(QStringView text)
{
    if (text.size() != kNameLength || text.at(kSeparatorAt) != u'_')
        return std::nullopt;
    const int year = digitsAt(text, 0, 4);
    const int month = digitsAt(text, 4, 2);
    const int day = digitsAt(text, 6, 2);
    const int hour = digitsAt(text, 9, 2);
    const int minute = digitsAt(text, 11, 2);
    const int second = digitsAt(text, 13, 2);
    if (year < 0 || month < 0 || day < 0 || hour < 0 || minute < 0 || second < 0)
        return std::nullopt;
    const QDate date(year, month, day);
    const QTime time(hour, minute, second);
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    // Local time: whether daylight-saving time applies is the system's to say.
    const QDateTime moment(date, time);
    if (!moment.isValid())
        return std::nullopt;
    return moment;
}

QDateTime timeOfTimestampName(QStringView text, const QDateTime &now)
{
    return readTimestampName(text).value_or(now);
}

} // namespace tabulet::archive
