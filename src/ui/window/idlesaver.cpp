#include "ui/window/idlesaver.h"

#include <utility>

namespace tabulet::ui {

IdleSaver::IdleSaver(std::function<bool()> save, QObject *parent) : QObject(parent), m_save(std::move(save))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &IdleSaver::saveNow);
}

void IdleSaver::changed()
{
    // A longer wait is one for a retry after a failure: the change brings the save forward.
    if (!m_timer.isActive() || m_timer.remainingTimeAsDuration() > m_idleDelay)
        m_timer.start(m_idleDelay);
}

void IdleSaver::setDelays(std::chrono::milliseconds idle, std::chrono::milliseconds retry)
{
    m_idleDelay = idle;
    m_retryDelay = retry;
}

void IdleSaver::saveNow()
{
    if (m_save()) {
        m_failureReported = false;
        return;
    }
    m_timer.start(m_retryDelay);
    if (!m_failureReported) {
        m_failureReported = true;
        emit saveFailed();
    }
}

} // namespace tabulet::ui
