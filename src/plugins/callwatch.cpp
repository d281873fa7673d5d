#include "plugins/callwatch.h"

#include <chrono>

namespace tabulet::plugins {

CallWatch::CallWatch()
    : m_clock([] {
          using namespace std::chrono;
          return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
      })
{
}

void CallWatch::begin(const QString &pluginName)
{
    m_calls.push_back(Call{pluginName, m_clock(), m_paused});
}

void CallWatch::end()
{
    if (!m_calls.empty())
        m_calls.pop_back();
}

qint64 CallWatch::elapsed(const Call &call) const
{
    return m_clock() - call.started - (m_paused - call.pausedBefore);
}

bool CallWatch::shouldStop(const Question &ask)
{
    if (m_calls.empty() || m_questionOpen)
        return false;
    if (m_calls.back().stopping)
        return true;
    const qint64 ran = elapsed(m_calls.back());
    if (ran < m_calls.back().askAfter)
        return false;
    bool stop = false;
    {
        m_questionOpen = true;
        const Pause waiting(*this);
        stop = ask(m_calls.back().pluginName, static_cast<int>(ran / 1000));
        m_questionOpen = false;
    }
    Call &call = m_calls.back();
    call.stopping = stop;
    call.askAfter = elapsed(call) + kNextQuestionMs;
    return stop;
}

CallWatch::Pause::Pause(CallWatch &watch) : m_watch(watch)
{
    if (m_watch.m_pauseDepth++ == 0)
        m_watch.m_pauseBegan = m_watch.m_clock();
}

CallWatch::Pause::~Pause()
{
    if (--m_watch.m_pauseDepth == 0)
        m_watch.m_paused += m_watch.m_clock() - m_watch.m_pauseBegan;
}

} // namespace tabulet::plugins
