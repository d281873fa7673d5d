#pragma once

#include <functional>

namespace tabulet::app {

// When the connection to the display breaks, Qt ends the process with exit(1) from inside its
// event loop, so static destructors run while the application and its windows are still alive.
// While a guard lives, an exit() on the main thread first runs the guard's rescue (writing what
// is in memory; no display is needed for that) and then ends the process at once with status 1,
// without the rest of the static destruction. A normal end destroys the guard before exit().
class DisplayLossGuard final
{
public:
    explicit DisplayLossGuard(std::function<void()> rescue);
    ~DisplayLossGuard();
    DisplayLossGuard(const DisplayLossGuard &) = delete;
    DisplayLossGuard &operator=(const DisplayLossGuard &) = delete;

private:
    std::function<void()> m_rescue;
};

} // namespace tabulet::app
