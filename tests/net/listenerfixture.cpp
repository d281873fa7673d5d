#include "listenerfixture.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTcpSocket>

namespace tabulet::net {

void ListenerFixture::SetUp()
{
    ASSERT_TRUE(m_incoming.isValid());
    startListener(testLimits());
}

void ListenerFixture::TearDown()
{
    stopListener();
}

ListenerLimits ListenerFixture::testLimits()
{
    ListenerLimits limits;
    limits.idleTimeout = std::chrono::milliseconds(400);
    limits.headerTimeout = std::chrono::milliseconds(800);
    limits.relistenDelay = std::chrono::milliseconds(100);
    return limits;
}

void ListenerFixture::startListener(const ListenerLimits &limits)
{
    stopListener();
    m_receiver = std::make_unique<QObject>();
    m_thread = std::make_unique<ListenerThread>(QHostAddress(QHostAddress::LocalHost), m_port, m_incoming.path(), limits);
    NoteListener *listener = m_thread->listener();
    QObject::connect(listener, &NoteListener::listening, m_receiver.get(), [this](quint16 port) {
        m_port = port;
        ++m_listenCount;
    });
    QObject::connect(listener, &NoteListener::noteReceived, m_receiver.get(),
                     [this](const ReceivedNote &note) { m_notes.push_back(note); });
    QObject::connect(listener, &NoteListener::transferDropped, m_receiver.get(),
                     [this](const QString &reason) { m_dropped.push_back(reason); });
    const int listened = m_listenCount;
    m_thread->start();
    ASSERT_TRUE(waitUntil([&] { return m_listenCount > listened; }));
}

void ListenerFixture::stopListener()
{
    if (m_thread)
        m_thread->stop();
    m_thread.reset();
    m_receiver.reset();
}

void ListenerFixture::sendRaw(const QByteArray &bytes) const
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, m_port);
    ASSERT_TRUE(socket.waitForConnected(5000)) << socket.errorString().toStdString();
    socket.write(bytes);
    while (socket.bytesToWrite() > 0)
        ASSERT_TRUE(socket.waitForBytesWritten(5000));
    socket.disconnectFromHost();
}

bool ListenerFixture::waitForOutcome(int timeoutMs)
{
    return waitUntil([this] { return !m_notes.empty() || !m_dropped.empty(); }, timeoutMs);
}

ReceivedNote ListenerFixture::takeNote()
{
    EXPECT_FALSE(m_notes.empty());
    if (m_notes.empty())
        return {};
    ReceivedNote note = m_notes.front();
    m_notes.pop_front();
    return note;
}

QString ListenerFixture::takeDropReason()
{
    EXPECT_FALSE(m_dropped.empty());
    if (m_dropped.empty())
        return {};
    QString reason = m_dropped.front();
    m_dropped.pop_front();
    return reason;
}

void ListenerFixture::answer(const ReceivedNote &note)
{
    QFile::remove(note.filePath);
    const int listened = m_listenCount;
    QMetaObject::invokeMethod(m_thread->listener(), &NoteListener::resume);
    ASSERT_TRUE(waitUntil([&] { return m_listenCount > listened; }));
}

QStringList ListenerFixture::incomingFiles() const
{
    return QDir(m_incoming.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

bool ListenerFixture::waitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    return true;
}

QByteArray noteMessage(const QByteArray &body, const QByteArray &title)
{
    TransferHeader header;
    header.fileLength = static_cast<qint32>(body.size());
    header.sender = "tester";
    header.title = title;
    return encodeTransferHeader(header) + body;
}

} // namespace tabulet::net
