#include "rtf/unbrokenrun.h"

#include <algorithm>

namespace tabulet::rtf {

namespace {

// White space a line may break at; the no-break spaces join instead.
bool breaksLine(QChar c)
{
    return c.isSpace() && c != QChar(0x00A0) && c != QChar(0x2007) && c != QChar(0x202F);
}

} // namespace

qsizetype longestUnbrokenRun(QStringView text)
{
    qsizetype longest = 0;
    qsizetype run = 0;
    for (const QChar c : text) {
        run = breaksLine(c) ? 0 : run + 1;
        longest = std::max(longest, run);
    }
    return longest;
}

} // namespace tabulet::rtf
