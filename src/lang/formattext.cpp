#include "lang/formattext.h"

namespace tabulet::lang {

namespace {

// The placeholder letter at a "%" (text[at] == '%'), or 0 when the sequence takes no argument.
char placeholderAt(const QString &text, qsizetype at)
{
    if (at + 1 >= text.size())
        return 0;
    switch (text[at + 1].unicode()) {
    case u's':
        return 's';
    case u'd':
    case u'i':
    case u'u':
        return 'd';
    default:
        return 0;
    }
}

} // namespace

QString formatText(const QString &format, std::initializer_list<FormatArgument> args)
{
    QString result;
    result.reserve(format.size());
    auto next = args.begin();
    qsizetype at = 0;
    while (at < format.size()) {
        const qsizetype percent = format.indexOf(QLatin1Char('%'), at);
        if (percent < 0) {
            result += QStringView(format).sliced(at);
            break;
        }
        result += QStringView(format).sliced(at, percent - at);
        if (percent + 1 < format.size() && format[percent + 1] == QLatin1Char('%')) {
            result += QLatin1Char('%');
            at = percent + 2;
            continue;
        }
        const char placeholder = placeholderAt(format, percent);
        const bool fits = placeholder != 0 && next != args.end() &&
                          (placeholder == 's' || next->kind() == FormatArgument::Kind::Number);
        if (fits) {
            result += next->text();
            at = percent + 2;
        } else {
            result += QLatin1Char('%');
            at = percent + 1;
        }
        if (placeholder != 0 && next != args.end())
            ++next;
    }
    return result;
}

QString formatPlaceholders(const QString &format)
{
    QString placeholders;
    for (qsizetype at = format.indexOf(QLatin1Char('%')); at >= 0; at = format.indexOf(QLatin1Char('%'), at)) {
        if (at + 1 < format.size() && format[at + 1] == QLatin1Char('%')) {
            at += 2;
            continue;
        }
        if (const char placeholder = placeholderAt(format, at)) {
            placeholders += QLatin1Char(placeholder);
            at += 2;
        } else {
            ++at;
        }
    }
    return placeholders;
}

} // namespace tabulet::lang
