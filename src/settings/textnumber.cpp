#include "settings/textnumber.h"

#include <limits>

namespace tabulet::settings {

int leadingNumber(QStringView text)
{
    qsizetype at = 0;
    while (at < text.size() && text.at(at).isSpace())
        ++at;
    bool negative = false;
    if (at < text.size() && (text.at(at) == u'-' || text.at(at) == u'+')) {
        negative = text.at(at) == u'-';
        ++at;
    }
    constexpr qint64 limit = qint64(std::numeric_limits<int>::max()) + 1;
    qint64 magnitude = 0;
    for (; at < text.size() && text.at(at) >= u'0' && text.at(at) <= u'9'; ++at)
        magnitude = qMin(limit, magnitude * 10 + (text.at(at).unicode() - u'0'));
    if (negative)
        return static_cast<int>(-magnitude);
    return static_cast<int>(qMin(magnitude, limit - 1));
}

} // namespace tabulet::settings
