#include "theme/membername.h"

namespace tabulet::theme {

namespace {

constexpr qsizetype kShownEnd = 30; // characters kept at each end of a long name
// Bytes decoded at each end: enough for kShownEnd characters of any script.
constexpr qsizetype kDecodedEnd = 4 * kShownEnd;

} // namespace

QString shownMemberName(QByteArrayView name)
{
    if (name.size() <= 2 * kDecodedEnd) {
        const QString whole = QString::fromUtf8(name);
        if (whole.size() <= 2 * kShownEnd + 1)
            return whole;
    }
    // Only the ends are decoded; a character cut at the byte bound is dropped with the rest.
    const QString start = QString::fromUtf8(name.first(std::min(name.size(), kDecodedEnd)));
    const QString end = QString::fromUtf8(name.last(std::min(name.size(), kDecodedEnd)));
    return start.left(kShownEnd) + QChar(0x2026) + end.right(kShownEnd);
}

} // namespace tabulet::theme
