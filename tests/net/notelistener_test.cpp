#include "listenerfixture.h"

#include "net/incomingfolder.h"
#include "net/listeningaddress.h"
#include "net/notesender.h"

#include "printers.h"

#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTcpSocket>
#include <QThread>

namespace tabulet::net {
namespace {

QByteArray sampleBody(int size)
{
    QByteArray body(size, '\0');
    for (int i = 0; i < size; ++i)
        body[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    return body;
}

QByteArray fileContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

class NoteListenerTest : public ListenerFixture
{
};

TEST_F(NoteListenerTest, receive_storesSentNoteByteForByteInPrivateFile)
{
    QTemporaryDir outbox;
    const QString notePath = outbox.filePath(QStringLiteral("tab00001.rtf"));
    const QByteArray body = sampleBody(300 * 1024);
    QFile file(notePath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(body);
    file.close();

    TransferHeader header;
    header.sender = encodeTextField(QString::fromUtf8("Jürgen"));
    header.title = encodeTextField(QString::fromUtf8("Заметка"));
    std::vector<int> progress;
    const SendResult result = sendNoteFile(notePath, {QStringLiteral("127.0.0.1"), m_port}, header,
                                           [&](int percent) { progress.push_back(percent); });
    ASSERT_TRUE(result.sent());
    ASSERT_TRUE(waitForOutcome());

    const ReceivedNote note = takeNote();
    EXPECT_TRUE(note.isComplete());
    EXPECT_EQ(note.sender(), QString::fromUtf8("Jürgen"));
    EXPECT_EQ(note.title(), QString::fromUtf8("Заметка"));
    EXPECT_EQ(fileContent(note.filePath), body);
    EXPECT_EQ(QFileInfo(note.filePath).path(), m_incoming.path());
    EXPECT_EQ(QFile::permissions(note.filePath) & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
    ASSERT_FALSE(progress.empty());
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_EQ(progress.back(), 100);
}

TEST_F(NoteListenerTest, receive_handsOverEmptyNoteAsComplete)
{
    sendRaw(noteMessage({}));
    ASSERT_TRUE(waitForOutcome());
    const ReceivedNote note = takeNote();
    EXPECT_TRUE(note.isComplete());
    EXPECT_EQ(fileContent(note.filePath), QByteArray());
}

struct HostileHeader
{
    const char *name;
    quint32 kind;
    quint32 headerSize;
    quint32 fileLength;
};

class RefusedHeader : public ListenerFixture, public testing::WithParamInterface<HostileHeader>
{
};

// Each is closed without a file; the listener then takes the next note as usual.
TEST_P(RefusedHeader, receive_dropsTransferAndKeepsListening)
{
    const HostileHeader &c = GetParam();
    QByteArray bytes(kNoteHeaderSize + 16, 'x');
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<char>((c.kind >> (8 * i)) & 0xFF);
        bytes[4 + i] = static_cast<char>((c.headerSize >> (8 * i)) & 0xFF);
        bytes[8 + i] = static_cast<char>((c.fileLength >> (8 * i)) & 0xFF);
    }
    sendRaw(bytes);
    ASSERT_TRUE(waitForOutcome());
    EXPECT_FALSE(takeDropReason().isEmpty());
    EXPECT_TRUE(m_notes.empty());
    EXPECT_EQ(incomingFiles(), QStringList());

    sendRaw(noteMessage("after"));
    ASSERT_TRUE(waitForOutcome());
    EXPECT_EQ(fileContent(takeNote().filePath), QByteArray("after"));
}

INSTANTIATE_TEST_SUITE_P(
    HostileHeaders, RefusedHeader,
    testing::Values(HostileHeader{"headerSize0", 0, 0, 16}, HostileHeader{"headerSize11", 0, 11, 16},
                    HostileHeader{"headerSize13", 0, 13, 16}, HostileHeader{"headerSize139", 0, 139, 16},
                    HostileHeader{"headerSize141", 0, 141, 16}, HostileHeader{"headerSizeMax", 0, 0x7FFFFFFF, 16},
                    HostileHeader{"negativeFileLength", 0, 140, 0xFFFFFFFF},
                    HostileHeader{"fileLength2GB", 0, 140, 0x7FFFFFFF},
                    HostileHeader{"fileLengthAbove256MiB", 0, 140, (256u << 20) + 1},
                    // Nobody on the network may end the listener.
                    HostileHeader{"stopRequest", 1, 12, 0}),
    [](const testing::TestParamInfo<HostileHeader> &param) { return std::string(param.param.name); });

TEST_F(NoteListenerTest, receive_refusesNoteTheTemporaryFolderHasNoRoomFor)
{
    ListenerLimits limits = testLimits();
    limits.freeSpaceReserve = qint64{1} << 60;
    startListener(limits);
    sendRaw(noteMessage("small"));
    ASSERT_TRUE(waitForOutcome());
    EXPECT_FALSE(takeDropReason().isEmpty());
    EXPECT_EQ(incomingFiles(), QStringList());
}

// Senders served side by side share the room in the temporary folder: what one note was promised
// is not promised again to the next.
TEST_F(NoteListenerTest, receive_refusesANoteTheRoomPromisedToOthersLeavesNoSpaceFor)
{
    constexpr qint64 kMiB = qint64{1} << 20;
    ListenerLimits limits = testLimits();
    limits.idleTimeout = std::chrono::milliseconds(5000);
    limits.freeSpaceReserve = QStorageInfo(m_incoming.path()).bytesAvailable() - 300 * kMiB;
    startListener(limits);
    const auto headerOf = [](qint64 length) {
        TransferHeader header;
        header.fileLength = static_cast<qint32>(length);
        return encodeTransferHeader(header);
    };

    QTcpSocket first;
    first.connectToHost(QHostAddress::LocalHost, m_port);
    ASSERT_TRUE(first.waitForConnected(5000));
    first.write(headerOf(200 * kMiB));
    ASSERT_TRUE(first.waitForBytesWritten(5000));
    waitUntil([] { return false; }, 200);

    sendRaw(headerOf(200 * kMiB));
    ASSERT_TRUE(waitForOutcome());
    EXPECT_TRUE(takeDropReason().startsWith("no room for a note of")) << "only 100 MiB are left unpromised";

    sendRaw(noteMessage("small"));
    ASSERT_TRUE(waitForOutcome());
    EXPECT_EQ(fileContent(takeNote().filePath), QByteArray("small"));
}

// A sender that stops at any byte: before the header is whole nothing is handed over (no name
// is ever taken for a note without a file); after it the note is offered with what came.
TEST_F(NoteListenerTest, receive_replaysEveryCutOffPoint)
{
    const QByteArray body = sampleBody(40);
    const QByteArray message = noteMessage(body);
    for (qsizetype cut = 0; cut <= message.size(); ++cut) {
        SCOPED_TRACE(cut);
        sendRaw(message.left(cut));
        ASSERT_TRUE(waitForOutcome());
        if (cut < kNoteHeaderSize) {
            takeDropReason();
            EXPECT_EQ(incomingFiles(), QStringList());
            continue;
        }
        const ReceivedNote note = takeNote();
        EXPECT_EQ(note.receivedLength, cut - kNoteHeaderSize);
        EXPECT_EQ(note.isComplete(), cut == message.size());
        EXPECT_EQ(fileContent(note.filePath), body.left(cut - kNoteHeaderSize));
        answer(note);
        EXPECT_EQ(incomingFiles(), QStringList());
    }
}

TEST_F(NoteListenerTest, receive_dropsSilentAndSlowPeers)
{
    QTcpSocket silent;
    silent.connectToHost(QHostAddress::LocalHost, m_port);
    ASSERT_TRUE(silent.waitForConnected(5000));
    ASSERT_TRUE(waitForOutcome());
    takeDropReason();

    // One byte at a time, each within the idle limit, yet the header takes too long.
    QTcpSocket slow;
    slow.connectToHost(QHostAddress::LocalHost, m_port);
    ASSERT_TRUE(slow.waitForConnected(5000));
    const QByteArray message = noteMessage("slow");
    for (qsizetype i = 0; i < message.size() && m_dropped.empty(); ++i) {
        slow.write(message.mid(i, 1));
        slow.waitForBytesWritten(1000);
        waitUntil([] { return false; }, 150);
    }
    ASSERT_TRUE(waitForOutcome());
    takeDropReason();
    EXPECT_TRUE(m_notes.empty());
    EXPECT_EQ(incomingFiles(), QStringList());

    sendRaw(noteMessage("next"));
    ASSERT_TRUE(waitForOutcome());
    EXPECT_EQ(fileContent(takeNote().filePath), QByteArray("next"));
}

// A sender that sends a byte within every idle limit still has to finish its note in a time
// that follows from its length, and other senders are served while it trickles.
TEST_F(NoteListenerTest, receive_servesOthersWhileASlowSenderTricklesAndDropsItAtItsDeadline)
{
    ListenerLimits limits = testLimits();
    limits.minimumBodyRate = 1000;
    startListener(limits);

    QTcpSocket slow;
    slow.connectToHost(QHostAddress::LocalHost, m_port);
    ASSERT_TRUE(slow.waitForConnected(5000));
    const QByteArray message = noteMessage(sampleBody(1000));
    slow.write(message.left(kNoteHeaderSize + 1));
    ASSERT_TRUE(slow.waitForBytesWritten(5000));

    sendRaw(noteMessage("other"));
    ASSERT_TRUE(waitForOutcome());
    const ReceivedNote other = takeNote();
    EXPECT_EQ(fileContent(other.filePath), QByteArray("other"));
    answer(other);

    for (qsizetype i = kNoteHeaderSize + 1; i < message.size() && m_dropped.empty() && i < 200; ++i) {
        slow.write(message.mid(i, 1));
        slow.waitForBytesWritten(1000);
        waitUntil([] { return false; }, 150);
    }
    ASSERT_TRUE(waitForOutcome());
    EXPECT_EQ(takeDropReason(), QStringLiteral("the note came too slowly"));
    EXPECT_TRUE(m_notes.empty());
    EXPECT_EQ(incomingFiles(), QStringList());
}

// A transfer that ends while another note waits for the user is handed over after it, in turn.
TEST_F(NoteListenerTest, receive_handsOverANoteThatCameWhileAnotherWaitedOnceThatIsAnswered)
{
    QTcpSocket first;
    first.connectToHost(QHostAddress::LocalHost, m_port);
    ASSERT_TRUE(first.waitForConnected(5000));
    const QByteArray message = noteMessage("first");
    first.write(message.left(kNoteHeaderSize));
    ASSERT_TRUE(first.waitForBytesWritten(5000));

    sendRaw(noteMessage("second"));
    ASSERT_TRUE(waitForOutcome());
    const ReceivedNote second = takeNote();
    EXPECT_EQ(fileContent(second.filePath), QByteArray("second"));

    first.write(message.mid(kNoteHeaderSize));
    ASSERT_TRUE(first.waitForBytesWritten(5000));
    first.disconnectFromHost();
    EXPECT_FALSE(waitForOutcome(300));

    QFile::remove(second.filePath);
    QMetaObject::invokeMethod(m_thread->listener(), &NoteListener::resume);
    ASSERT_TRUE(waitForOutcome());
    const ReceivedNote queued = takeNote();
    EXPECT_EQ(fileContent(queued.filePath), QByteArray("first"));
    answer(queued);
    EXPECT_EQ(incomingFiles(), QStringList());
}

TEST_F(NoteListenerTest, receive_refusesOtherSendersWhileANoteWaitsForTheUser)
{
    sendRaw(noteMessage("first"));
    ASSERT_TRUE(waitForOutcome());
    const ReceivedNote first = takeNote();

    QTemporaryDir outbox;
    const QString notePath = outbox.filePath(QStringLiteral("note.rtf"));
    QFile file(notePath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("second");
    file.close();
    const SendResult refused = sendNoteFile(notePath, {QStringLiteral("127.0.0.1"), m_port}, {});
    EXPECT_EQ(refused.outcome, SendOutcome::ConnectFailed);
    EXPECT_EQ(refused.connectError, QAbstractSocket::ConnectionRefusedError);

    answer(first);
    ASSERT_TRUE(sendNoteFile(notePath, {QStringLiteral("127.0.0.1"), m_port}, {}).sent());
    ASSERT_TRUE(waitForOutcome());
    EXPECT_EQ(fileContent(takeNote().filePath), QByteArray("second"));
}

TEST_F(NoteListenerTest, stop_dropsTransferInProgressAndLeavesNoFile)
{
    QTcpSocket sender;
    sender.connectToHost(QHostAddress::LocalHost, m_port);
    ASSERT_TRUE(sender.waitForConnected(5000));
    sender.write(noteMessage(sampleBody(100)).left(kNoteHeaderSize + 10));
    ASSERT_TRUE(sender.waitForBytesWritten(5000));
    // Well within the idle limit: the transfer is still reading the body.
    waitUntil([] { return false; }, 100);

    stopListener();
    EXPECT_TRUE(m_notes.empty());
    EXPECT_EQ(incomingFiles(), QStringList());
}

TEST(ListeningAddress, isEveryAddressWhenEmptyElseTheOneLiteralAddressNamed)
{
    const struct
    {
        const char *option;
        QHostAddress address;
    } cases[] = {
        {"", QHostAddress(QHostAddress::Any)},
        {"  ", QHostAddress(QHostAddress::Any)},
        {"127.0.0.1", QHostAddress(QHostAddress::LocalHost)},
        {" 192.168.1.5 ", QHostAddress(QStringLiteral("192.168.1.5"))},
        {"::1", QHostAddress(QHostAddress::LocalHostIPv6)},
        // Never a looked-up name, and nothing that is no address.
        {"localhost", QHostAddress()},
        {"300.1.1.1", QHostAddress()},
        {"0.0.0.0/0", QHostAddress()},
    };
    for (const auto &c : cases)
        EXPECT_EQ(listeningAddress(QString::fromLatin1(c.option)), c.address) << c.option;
}

TEST_F(NoteListenerTest, start_neverListensOnANullAddress)
{
    ListenerThread thread(QHostAddress(), 0, m_incoming.path());
    QObject receiver;
    bool listened = false;
    QString failure;
    QObject::connect(thread.listener(), &NoteListener::listening, &receiver, [&](quint16) { listened = true; });
    QObject::connect(thread.listener(), &NoteListener::listeningFailed, &receiver,
                     [&](const QString &error) { failure = error; });
    thread.start();
    ASSERT_TRUE(waitUntil([&] { return !failure.isEmpty(); }));
    EXPECT_FALSE(listened);
}

TEST(IncomingNotesFolder, isTmpdirWhenItExistsElseTmp)
{
    const QByteArray saved = qgetenv("TMPDIR");
    QTemporaryDir tmpdir;
    qputenv("TMPDIR", tmpdir.path().toUtf8());
    EXPECT_EQ(incomingNotesFolder(QStringLiteral("/data")), tmpdir.path());
    qputenv("TMPDIR", "/nonexistent-folder");
    EXPECT_EQ(incomingNotesFolder(QStringLiteral("/data")), QStringLiteral("/tmp"));
    qputenv("TMPDIR", saved);
}

} // namespace
} // namespace tabulet::net
