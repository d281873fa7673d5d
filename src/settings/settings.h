#pragma once

#include <QString>

#include <map>

namespace tabulet::settings {

// The store of named options. Keys are case-sensitive; values are text ("1" and "0" for
// flags, decimal numbers, colour values as in colour.h).
class Settings final
{
public:
    // The value of the key, inserted as the empty text first when absent; read and assign.
    QString &value(const QString &key);
    // The value of the key, or the empty text when absent (nothing is inserted).
    QString value(const QString &key) const;
    // On only when the value is exactly "1".
    bool flag(const QString &key) const;
    bool contains(const QString &key) const;
    int size() const { return static_cast<int>(m_values.size()); }

    void clear();
    // Gives every empty option of the defaults table its default.
    void applyDefaults();
    // An "activatemod" that starts with a digit is an old bit set (4 Alt, 1 Shift, 2 Ctrl) and
    // becomes letters in the order "A", "S", "C"; letters are left as they are.
    void convertLegacyModifiers();

private:
    std::map<QString, QString> m_values;
};

} // namespace tabulet::settings
