#include "settings/settings.h"

#include "settings/optiondefaults.h"

namespace tabulet::settings {

QString &Settings::value(const QString &key)
{
    return m_values[key];
}

QString Settings::value(const QString &key) const
{
    const auto found = m_values.find(key);
    return found == m_values.end() ? QString() : found->second;
}

bool Settings::flag(const QString &key) const
{
    return value(key) == QLatin1String("1");
}

bool Settings::contains(const QString &key) const
{
    return m_values.find(key) != m_values.end();
}

void Settings::clear()
{
    m_values.clear();
}

void Settings::applyDefaults()
{
    for (const OptionDefault &row : kOptionDefaults) {
        QString &stored = value(row.key);
        if (stored.isEmpty())
            stored = row.value;
    }
}

void Settings::convertLegacyModifiers()
{
    QString &modifiers = value(QStringLiteral("activatemod"));
    if (modifiers.isEmpty() || !(modifiers.front() >= u'0' && modifiers.front() <= u'9'))
        return;
    // Only the three low bits matter, so the number is kept modulo 8 while it is read.
    int bits = 0;
    for (qsizetype at = 0; at < modifiers.size() && modifiers.at(at) >= u'0' && modifiers.at(at) <= u'9'; ++at)
        bits = (bits * 10 + (modifiers.at(at).unicode() - u'0')) % 8;
    QString letters;
    if (bits & 4)
        letters += u'A';
    if (bits & 1)
        letters += u'S';
    if (bits & 2)
        letters += u'C';
    modifiers = letters;
}

} // namespace tabulet::settings
