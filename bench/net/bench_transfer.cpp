// A 50 MB note over loopback beside the same bytes through plain connections. Each round sends
// the note with the program's sender to its listener (header, streamed file, written to a
// temporary file on the other side, handed over), then pushes the same bytes from memory to a
// thread that reads and drops them: once through Qt's sockets (raw_ms) and once with nothing but
// send and recv on a loopback TCP connection (plain_ms), the floor. Each figure includes making
// the connection. Reported: the median of each over the rounds, the note's ratio to both, and
// how much the process's peak memory grew while the note was received.
#include "net/listenerthread.h"
#include "net/notesender.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <thread>
#include <vector>

using namespace tabulet::net;

namespace {

constexpr qint64 kNoteSize = 50 * 1000 * 1000;
constexpr int kRounds = 5;

long peakRssKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Pushes the bytes through a fresh loopback connection to a thread that reads and drops them;
// returns the milliseconds until the reader has them all.
double rawCopyMs(const QByteArray &bytes)
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    QElapsedTimer timer;
    timer.start();
    QThread *reader = QThread::create([&server, expected = bytes.size()] {
        server.waitForNewConnection(30000);
        QTcpSocket *socket = server.nextPendingConnection();
        qint64 received = 0;
        while (received < expected && socket->waitForReadyRead(30000))
            received += socket->read(64 * 1024).size() + socket->skip(socket->bytesAvailable());
        delete socket;
    });
    server.moveToThread(reader);
    reader->start();
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, server.serverPort());
    socket.waitForConnected(30000);
    for (qint64 offset = 0; offset < bytes.size(); offset += 64 * 1024) {
        socket.write(bytes.constData() + offset, std::min<qint64>(64 * 1024, bytes.size() - offset));
        while (socket.bytesToWrite() > 256 * 1024)
            socket.waitForBytesWritten(30000);
    }
    while (socket.bytesToWrite() > 0)
        socket.waitForBytesWritten(30000);
    reader->wait();
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    delete reader;
    return ms;
}

// A loopback TCP socket of its own, closed when it goes.
struct PlainSocket
{
    PlainSocket() : fd(::socket(AF_INET, SOCK_STREAM, 0)) {}
    explicit PlainSocket(int accepted) : fd(accepted) {}
    ~PlainSocket()
    {
        if (fd >= 0)
            ::close(fd);
    }
    PlainSocket(const PlainSocket &) = delete;
    PlainSocket &operator=(const PlainSocket &) = delete;

    int fd;
};

// The same copy with plain send and recv, 64 KB at a time; returns the milliseconds until the
// reader has all the bytes, or a negative number when the connection could not be made.
double plainCopyMs(const QByteArray &bytes)
{
    constexpr qsizetype kChunk = 64 * 1024;
    PlainSocket server;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(server.fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 || ::listen(server.fd, 1) != 0 ||
        ::getsockname(server.fd, reinterpret_cast<sockaddr *>(&address), &length) != 0)
        return -1;
    QElapsedTimer timer;
    timer.start();
    qint64 received = 0;
    std::thread reader([&] {
        const PlainSocket connection(::accept(server.fd, nullptr, nullptr));
        std::vector<char> chunk(kChunk);
        while (received < bytes.size()) {
            const ssize_t got = ::recv(connection.fd, chunk.data(), chunk.size(), 0);
            if (got <= 0)
                break;
            received += got;
        }
    });
    PlainSocket client;
    if (::connect(client.fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0) {
        for (qsizetype offset = 0; offset < bytes.size();) {
            const ssize_t sent =
                ::send(client.fd, bytes.constData() + offset, std::min(kChunk, bytes.size() - offset), MSG_NOSIGNAL);
            if (sent <= 0)
                break;
            offset += sent;
        }
    } else {
        // Wakes the reader from its accept.
        ::shutdown(server.fd, SHUT_RDWR);
    }
    ::shutdown(client.fd, SHUT_WR);
    reader.join();
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    return received == bytes.size() ? ms : -1;
}

void BM_NoteOverRawCopy(benchmark::State &state)
{
    QTemporaryDir folder;
    QByteArray bytes(kNoteSize, '\0');
    for (qint64 i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>((i * 31) >> 3);
    const QString notePath = folder.filePath(QStringLiteral("tab00001.rtf"));
    QFile file(notePath);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    file.close();

    ListenerThread listener(QHostAddress(QHostAddress::LocalHost), 0, folder.path());
    QSemaphore listening;
    QSemaphore received;
    quint16 port = 0;
    QObject::connect(
        listener.listener(), &NoteListener::listening, listener.listener(),
        [&](quint16 p) {
            port = p;
            listening.release();
        },
        Qt::DirectConnection);
    QObject::connect(
        listener.listener(), &NoteListener::noteReceived, listener.listener(),
        [&](const ReceivedNote &note) {
            QFile::remove(note.filePath);
            received.release();
        },
        Qt::DirectConnection);
    listener.start();
    listening.acquire();

    std::vector<double> protocolMs;
    std::vector<double> rawMs;
    std::vector<double> plainMs;
    long rssGrowthKiB = 0;
    for (auto _ : state) {
        for (int round = 0; round < kRounds; ++round) {
            const long rssBefore = peakRssKiB();
            QElapsedTimer timer;
            timer.start();
            sendNoteFile(notePath, {QStringLiteral("127.0.0.1"), port}, {});
            received.acquire();
            protocolMs.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
            rssGrowthKiB = std::max(rssGrowthKiB, peakRssKiB() - rssBefore);
            QMetaObject::invokeMethod(listener.listener(), &NoteListener::resume);
            listening.acquire();
            rawMs.push_back(rawCopyMs(bytes));
            const double plain = plainCopyMs(bytes);
            if (plain < 0)
                state.SkipWithError("the plain loopback copy did not get all the bytes across");
            plainMs.push_back(plain);
        }
    }
    const double protocol = median(protocolMs);
    const double raw = median(rawMs);
    const double plain = median(plainMs);
    state.counters["note_ms"] = protocol;
    state.counters["raw_ms"] = raw;
    state.counters["plain_ms"] = plain;
    state.counters["ratio"] = protocol / raw;
    state.counters["ratio_plain"] = protocol / plain;
    state.counters["peak_rss_growth_MiB"] = static_cast<double>(rssGrowthKiB) / 1024.0;
}

} // namespace

BENCHMARK(BM_NoteOverRawCopy)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
