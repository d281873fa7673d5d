#include "lang/filefacttexts.h"

#include "lang/formattext.h"

#include <QLocale>

namespace tabulet::lang {

QString sizeText(qint64 bytes, const QString &bytesFormat)
{
    constexpr qint64 kKilo = 1024;
    constexpr qint64 kMega = kKilo * kKilo;
    constexpr qint64 kGiga = kMega * kKilo;
    if (bytes <= kKilo)
        return formatText(bytesFormat, {bytes});
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const auto inUnit = [&](qint64 unit, QLatin1String name) {
        return locale.toString(static_cast<double>(bytes) / static_cast<double>(unit), 'f', 2) + u' ' + name;
    };
    if (bytes <= kMega)
        return inUnit(kKilo, QLatin1String("KB"));
    if (bytes <= kGiga)
        return inUnit(kMega, QLatin1String("MB"));
    return inUnit(kGiga, QLatin1String("GB"));
}

QString dateTimeText(const QDateTime &moment)
{
    const QLocale locale;
    const QDateTime local = moment.toLocalTime();
    QString timeFormat = locale.timeFormat(QLocale::ShortFormat);
    timeFormat.remove(QStringLiteral(":ss"));
    return locale.toString(local.date(), QLocale::ShortFormat) + u' ' + locale.toString(local.time(), timeFormat);
}

} // namespace tabulet::lang
