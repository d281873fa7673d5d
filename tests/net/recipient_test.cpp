#include "net/recipient.h"

#include "printers.h"

#include <gtest/gtest.h>

namespace tabulet::net {
namespace {

TEST(Recipient, parse_splitsHostAndPortAtFirstColon)
{
    const auto bare = parseRecipient(QStringLiteral("myhost"));
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare->host, QStringLiteral("myhost"));
    EXPECT_EQ(bare->port, 1614);

    const auto withPort = parseRecipient(QStringLiteral("10.0.0.2:2000"));
    ASSERT_TRUE(withPort);
    EXPECT_EQ(withPort->host, QStringLiteral("10.0.0.2"));
    EXPECT_EQ(withPort->port, 2000);

    const auto notAPort = parseRecipient(QStringLiteral("myhost:abc"));
    ASSERT_TRUE(notAPort);
    EXPECT_EQ(notAPort->port, 0);
}

TEST(Recipient, parse_sendsNothingWithoutHostOrPort)
{
    EXPECT_FALSE(parseRecipient(QStringLiteral("myhost:")));
    EXPECT_FALSE(parseRecipient(QStringLiteral(":2000")));
    EXPECT_FALSE(parseRecipient(QString()));
}

TEST(Recipient, favourites_readIgnoresEmptyEntries)
{
    EXPECT_EQ(favouriteEntries(QStringLiteral("a;;b;")), QStringList({QStringLiteral("a"), QStringLiteral("b")}));
}

TEST(Recipient, favourites_addAppendsNewEntriesOnce)
{
    // Stored by the list manager without a trailing separator, then one added by the send dialog.
    const QString stored = favoritesText({QStringLiteral("alpha"), QStringLiteral("beta")});
    EXPECT_EQ(stored, QStringLiteral("alpha;beta"));
    EXPECT_EQ(withFavourite(stored, QStringLiteral("gamma")), QStringLiteral("alpha;beta;gamma;"));
    EXPECT_EQ(withFavourite(stored, QStringLiteral("beta")), stored);
    // Whole entries are compared: a name inside another is still new.
    EXPECT_EQ(withFavourite(QStringLiteral("myhost;"), QStringLiteral("host")), QStringLiteral("myhost;host;"));
}

} // namespace
} // namespace tabulet::net
