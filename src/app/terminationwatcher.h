#pragma once

#include <QObject>

class QSocketNotifier;

namespace tabulet::app {

// Turns SIGTERM, SIGINT, SIGHUP and SIGQUIT (logout, shutdown, Ctrl+C or Ctrl+\ in a terminal,
// the terminal closed) into a Qt signal on the main thread, so that the program can close the way its exit command does
// and lose nothing.
class TerminationWatcher final : public QObject
{
    Q_OBJECT
public:
    explicit TerminationWatcher(QObject *parent = nullptr);
    ~TerminationWatcher() override;

    bool isTerminationRequested() const { return m_requested; }

signals:
    void terminationRequested();

private:
    void readSignal();

    QSocketNotifier *m_notifier = nullptr;
    bool m_requested = false;
};

} // namespace tabulet::app
