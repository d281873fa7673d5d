#include "lang/texttable.h"
#include "net/connecterror.h"
#include "net/notesender.h"

#include "printers.h"

#include <QTcpServer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tabulet::net {
namespace {

TEST(NoteSender, send_toClosedPortReportsTheRejectedConnect)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("note.rtf")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    // A port that was free a moment ago and that nothing listens on now.
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    const quint16 port = server.serverPort();
    server.close();

    const SendResult result = sendNoteFile(file.fileName(), {QStringLiteral("127.0.0.1"), port}, {});
    EXPECT_EQ(result.outcome, SendOutcome::ConnectFailed);
    EXPECT_EQ(result.connectError, QAbstractSocket::ConnectionRefusedError);
}

TEST(NoteSender, send_ofMissingFileFailsWithoutConnecting)
{
    const SendResult result = sendNoteFile(QStringLiteral("/nonexistent/tab00001.rtf"),
                                           {QStringLiteral("127.0.0.1"), 1}, {});
    EXPECT_EQ(result.outcome, SendOutcome::FileUnreadable);
}

TEST(NoteSender, connectErrorText_isTheLanguagesAndLeavesUnnamedErrorsUnshown)
{
    lang::TextTable texts;
    texts.loadLanguageText("CONNECT_HOSTNOTFOUND: Adresse nicht gefunden\nCONNECT_TIMEOUT: Keine Antwort\n");
    EXPECT_EQ(connectErrorText(QAbstractSocket::HostNotFoundError, texts), QStringLiteral("Adresse nicht gefunden"));
    EXPECT_EQ(connectErrorText(QAbstractSocket::SocketTimeoutError, texts), QStringLiteral("Keine Antwort"));
    EXPECT_EQ(connectErrorText(QAbstractSocket::SslHandshakeFailedError, texts), QString());
}

} // namespace
} // namespace tabulet::net
