#pragma once

#include <QString>
#include <QStringView>

#include <vector>

namespace tabulet::rtf {

// A web or mail address found in plain text: where it stands and what it opens.
struct DetectedLink
{
    qsizetype start = 0;
    qsizetype length = 0;
    // "http://…", "https://…" and "ftp://…" as written, "www.…" as written (the opener adds the
    // scheme), a mail address as "mailto:…".
    QString target;

    bool operator==(const DetectedLink &) const = default;
};

// The addresses in a text, in order: URLs beginning "http://", "https://", "ftp://" or "www.",
// and mail addresses. An address ends before white space, angle brackets and quotes; closing
// punctuation at its end (".", ",", ";", ":", "!", "?", and ")" without its "(") is left out.
std::vector<DetectedLink> detectLinks(QStringView text);

} // namespace tabulet::rtf
