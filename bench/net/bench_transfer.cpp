// A 50 MB note over loopback beside the same bytes through a plain socket pair. Each round sends
// the note with the program's sender to its listener (header, streamed file, written to a
// temporary file on the other side, handed over) and then pushes the same bytes from memory to a
// reader that drops them. Reported: the median of each over the rounds, their ratio (the
// protocol's cost over the raw copy), and how much the process's peak memory grew while the
// note was received.
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
#include <sys/resource.h>

#include <algorithm>
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
        }
    }
    const double protocol = median(protocolMs);
    const double raw = median(rawMs);
    state.counters["note_ms"] = protocol;
    state.counters["raw_ms"] = raw;
    state.counters["ratio"] = protocol / raw;
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
