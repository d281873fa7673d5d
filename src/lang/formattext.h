#pragma once

#include <QString>

#include <concepts>
#include <initializer_list>

namespace tabulet::lang {

// One value for a placeholder of a translated text: a text (for "%s") or a whole number
// (for "%d", "%i" and "%u").
class FormatArgument final
{
public:
    enum class Kind { Text, Number };

    FormatArgument(const QString &text) : m_text(text) {}
    FormatArgument(const char *utf8) : m_text(QString::fromUtf8(utf8)) {}
    template<std::integral Number>
    requires(!std::same_as<Number, bool> && !std::same_as<Number, char>) FormatArgument(Number number)
        : m_kind(Kind::Number), m_text(QString::number(number))
    {
    }

    Kind kind() const { return m_kind; }
    const QString &text() const { return m_text; }

private:
    Kind m_kind = Kind::Text;
    QString m_text;
};

// Fills the placeholders of a translated text. Language files can be written by anyone, so the
// format is never handed to printf: only "%s", "%d", "%i" and "%u" take the next argument, and
// "%%" gives "%". A "%s" prints a text or a number; a number placeholder whose argument is a
// text, a placeholder beyond the arguments, and every other "%" sequence ("%n", "%x", "%5s",
// "%.*s", a "%" at the end) stand in the result as written. Unused arguments are ignored.
QString formatText(const QString &format, std::initializer_list<FormatArgument> args);

// The placeholders a format takes, in order: 's' for "%s" and 'd' for "%d", "%i" or "%u".
// Lets a caller check that a translated text asks for what the program supplies.
QString formatPlaceholders(const QString &format);

} // namespace tabulet::lang
