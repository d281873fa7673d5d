#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>

namespace tabulet::ui {

// Saves a short while after a change, so that typed text reaches the disk without waiting for a
// save point (a tab switch, hiding, exit). The wait starts at the first change since the last
// save and further changes do not push it back: text typed without a pause is on disk at most
// the idle delay after it was typed. A failed save is tried again later without a new change,
// and reported once until a save succeeds again.
class IdleSaver final : public QObject
{
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kIdleDelay{2000};
    static constexpr std::chrono::milliseconds kRetryDelay{10000};

    // save writes what changed and returns false when a write failed.
    explicit IdleSaver(std::function<bool()> save, QObject *parent = nullptr);

    // Another change: saved within the idle delay.
    void changed();
    // Nothing is saved any more until the next change (the window has closed).
    void stop() { m_timer.stop(); }
    bool isPending() const { return m_timer.isActive(); }
    void setDelays(std::chrono::milliseconds idle, std::chrono::milliseconds retry);

signals:
    // A save failed after the last one that succeeded; later failures stay quiet.
    void saveFailed();

private:
    void saveNow();

    std::function<bool()> m_save;
    QTimer m_timer;
    std::chrono::milliseconds m_idleDelay = kIdleDelay;
    std::chrono::milliseconds m_retryDelay = kRetryDelay;
    bool m_failureReported = false;
};

} // namespace tabulet::ui
