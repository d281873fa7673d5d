#include "rtf/detectedlinks.h"

#include <QRegularExpression>

namespace tabulet::rtf {

namespace {

// The length of an address once the punctuation that closes the sentence around it is left out.
qsizetype withoutClosingPunctuation(QStringView address)
{
    qsizetype length = address.size();
    while (length > 0) {
        const QChar last = address[length - 1];
        if (QStringView(u".,;:!?'").contains(last)) {
            --length;
        } else if (last == u')' && address.first(length).count(u'(') < address.first(length).count(u')')) {
            --length;
        } else {
            break;
        }
    }
    return length;
}

} // namespace

std::vector<DetectedLink> detectLinks(QStringView text)
{
    // A URL starts at a word's edge; a mail address has a local part, "@" and a dotted domain.
    static const QRegularExpression addresses(QStringLiteral(R"((?<![\w@.])((?:https?|ftp)://|www\.)[^\s<>"]+)"
                                                             R"(|(?<![\w.%+-])[\w.%+-]+@[\w-]+(?:\.[\w-]+)*\.\w{2,})"),
                                              QRegularExpression::CaseInsensitiveOption |
                                                  QRegularExpression::UseUnicodePropertiesOption);
    std::vector<DetectedLink> links;
    for (auto found = addresses.globalMatch(text); found.hasNext();) {
        const QRegularExpressionMatch match = found.next();
        const bool url = match.hasCaptured(1);
        const qsizetype length = url ? withoutClosingPunctuation(match.capturedView()) : match.capturedLength();
        // A scheme or "www." with nothing after it is no address.
        if (length <= match.capturedLength(1))
            continue;
        const QString address = text.sliced(match.capturedStart(), length).toString();
        links.push_back({match.capturedStart(), length, url ? address : QStringLiteral("mailto:") + address});
    }
    return links;
}

} // namespace tabulet::rtf
