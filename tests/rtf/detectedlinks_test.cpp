#include "rtf/detectedlinks.h"

#include "printers.h"

#include <gtest/gtest.h>

namespace tabulet::rtf {

void PrintTo(const DetectedLink &link, std::ostream *out)
{
    *out << link.start << '+' << link.length << ' ' << link.target.toStdString();
}

namespace {

TEST(DetectLinks, findsWebAndMailAddressesWithoutTheSentenceAroundThem)
{
    const struct
    {
        const char *text;
        std::vector<DetectedLink> links;
    } cases[] = {
        {"", {}},
        {"no address here", {}},
        {"https://example.org/a?b=c#d", {{0, 27, "https://example.org/a?b=c#d"}}},
        {"see http://example.org.", {{4, 18, "http://example.org"}}},
        {"(www.example.org)", {{1, 15, "www.example.org"}}},
        {"https://en.wikipedia.org/wiki/Tab_(interface), then",
         {{0, 45, "https://en.wikipedia.org/wiki/Tab_(interface)"}}},
        {"FTP://files.example.org/x", {{0, 25, "FTP://files.example.org/x"}}},
        {"write to anna.b+notes@example.co.uk!", {{9, 26, "mailto:anna.b+notes@example.co.uk"}}},
        {"<https://a.example> and <b@example.org>", {{1, 17, "https://a.example"}, {25, 13, "mailto:b@example.org"}}},
        {"\"www.example.org\"", {{1, 15, "www.example.org"}}},
        {"two\nlines www.a.example\twww.b.example", {{10, 13, "www.a.example"}, {24, 13, "www.b.example"}}},
        // Not addresses: a scheme or "www." alone, a word running into it, a mail host without a dot.
        {"http:// and www. and www..", {}},
        {"xhttp://example.org swww.example.org", {}},
        {"user@localhost", {}},
        {"b\u00fccher@example.org", {{0, 18, "mailto:b\u00fccher@example.org"}}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(detectLinks(QString::fromUtf8(c.text)), c.links) << c.text;
}

} // namespace
} // namespace tabulet::rtf
