#include "plugins/versionnumber.h"

#include <QStringList>

namespace tabulet::plugins {

namespace {

// Leading decimal digits; long runs saturate instead of overflowing.
long long leadingNumber(const QString &part)
{
    constexpr long long kLargest = 1'000'000'000;
    long long number = 0;
    for (const QChar c : part) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        number = std::min(kLargest, number * 10 + (c.unicode() - '0'));
    }
    return number;
}

} // namespace

std::optional<long long> versionNumber(const QString &version)
{
    const QStringList parts = version.split(QLatin1Char('.'));
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    const long long major = leadingNumber(parts[0]);
    const long long minor = leadingNumber(parts[1]);
    const long long patch = parts.size() == 3 ? leadingNumber(parts[2]) : 0;
    return (major * 100 + minor) * 1000 + patch;
}

} // namespace tabulet::plugins
