#pragma once

#include <QString>

#include <functional>
#include <vector>

namespace tabulet::plugins {

// Watches the plug-in calls in progress, so that a script that never returns can be stopped:
// after 5 seconds of one call the user is asked whether to stop it, and asked again every 15
// seconds while it goes on. Time spent waiting on the user (a script's own message boxes, the
// question itself) does not count. Calls nest: a script's message box may let another plug-in
// call run meanwhile, and only the innermost call is running Lua code.
class CallWatch final
{
public:
    static constexpr qint64 kFirstQuestionMs = 5'000;
    static constexpr qint64 kNextQuestionMs = 15'000;

    using Clock = std::function<qint64()>; // monotonic milliseconds
    // Asked with the plug-in's name and the seconds it has run; true stops the call.
    using Question = std::function<bool(const QString &pluginName, int seconds)>;

    CallWatch();
    void setClock(Clock clock) { m_clock = std::move(clock); }

    void begin(const QString &pluginName);
    void end();
    int depth() const { return static_cast<int>(m_calls.size()); }
    bool questionOpen() const { return m_questionOpen; }

    // Called often while the innermost call runs Lua code: true once the user chose to stop it
    // (and from then on, so that a script cannot catch the stop and go on).
    bool shouldStop(const Question &ask);

    // While one lives, the clock of every watched call stands still.
    class Pause final
    {
    public:
        explicit Pause(CallWatch &watch);
        ~Pause();
        Pause(const Pause &) = delete;
        Pause &operator=(const Pause &) = delete;

    private:
        CallWatch &m_watch;
    };

private:
    struct Call
    {
        QString pluginName;
        qint64 started = 0;
        qint64 pausedBefore = 0; // m_paused when the call began
        qint64 askAfter = kFirstQuestionMs;
        bool stopping = false;
    };
    qint64 elapsed(const Call &call) const;

    Clock m_clock;
    std::vector<Call> m_calls;
    qint64 m_paused = 0; // total time spent in pauses that have ended
    int m_pauseDepth = 0;
    qint64 m_pauseBegan = 0;
    bool m_questionOpen = false;
};

} // namespace tabulet::plugins
