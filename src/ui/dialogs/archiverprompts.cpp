#include "ui/dialogs/archiverprompts.h"

#include "ui/applicationcontext.h"

#include <QEventLoop>
#include <QMessageBox>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <memory>

namespace tabulet::ui {
namespace {

constexpr int kProgressDelay = 500;
constexpr int kProgressPoll = 50;

} // namespace

void ArchiverPrompts::showMessage(const archive::ArchiverMessage &message)
{
    const QMessageBox::Icon icon =
        message.kind == archive::ArchiverMessage::Kind::Error ? QMessageBox::Critical : QMessageBox::Information;
    QMessageBox box(icon, message.caption, message.text, QMessageBox::Ok, m_parent);
    box.setInformativeText(message.detail);
    box.exec();
}

void ArchiverPrompts::runFileWork(int fileCount, const archive::FileWork &work)
{
    m_busy = true;
    std::atomic<int> done = 0;
    std::unique_ptr<QThread> worker(QThread::create([&] { work([&](int filesDone) { done = filesDone; }); }));

    QProgressDialog progress(m_context.texts.text(QStringLiteral("ARCHIVES")), QString(), 0, fileCount, m_parent);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kProgressDelay);
    progress.setCancelButton(nullptr);
    progress.setAutoClose(false);
    progress.setValue(0);
    QTimer poll;
    poll.setInterval(kProgressPoll);
    QObject::connect(&poll, &QTimer::timeout, &progress, [&] { progress.setValue(done); });

    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    poll.start();
    // Keys and clicks wait until the files are copied; painting and timers go on.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
    m_busy = false;
}

} // namespace tabulet::ui
