#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QMetaObject>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>

namespace tabulet::bench {

// Calls `painted` once, when the paint pass in which a widget that `matches` was first painted
// has ended (a pass paints a window's children after the window).
class FirstPaint final : public QObject
{
public:
    FirstPaint(std::function<bool(const QWidget &painted)> matches, std::function<void()> painted)
        : m_matches(std::move(matches)), m_painted(std::move(painted))
    {
        QApplication::instance()->installEventFilter(this);
    }
    ~FirstPaint() override { QApplication::instance()->removeEventFilter(this); }
    FirstPaint(const FirstPaint &) = delete;
    FirstPaint &operator=(const FirstPaint &) = delete;

    // From now on, the next first paint counts.
    void arm() { m_armed = true; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_armed && event->type() == QEvent::Paint && watched->isWidgetType() &&
            m_matches(*static_cast<QWidget *>(watched))) {
            m_armed = false;
            // Queued behind the paint pass under way, which paints the window's children too.
            QMetaObject::invokeMethod(this, m_painted, Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<bool(const QWidget &)> m_matches;
    std::function<void()> m_painted;
    bool m_armed = true;
};

// Runs the events, sleeping while there are none, until `done` holds or `maxMs` have passed;
// returns whether it holds.
inline bool runEventsUntil(const std::function<bool()> &done, int maxMs)
{
    // Wakes the loop now and then in case nothing else does.
    QTimer wake;
    wake.start(100);
    QElapsedTimer deadline;
    deadline.start();
    while (!done() && !deadline.hasExpired(maxMs))
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return done();
}

} // namespace tabulet::bench
