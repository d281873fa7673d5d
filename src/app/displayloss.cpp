#include "app/displayloss.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace tabulet::app {

namespace {

// The rescue of the guard that lives now; exit() offers no other way to reach it.
std::function<void()> *g_rescue = nullptr;

void rescueAtExit()
{
    if (!g_rescue)
        return;
    // Widgets and documents belong to the main thread; from any other, the exit goes on as it is.
    const QCoreApplication *application = QCoreApplication::instance();
    if (application && QThread::currentThread() != application->thread())
        return;
    const std::function<void()> rescue = std::exchange(*g_rescue, {});
    g_rescue = nullptr;
    if (rescue)
        rescue();
    std::fflush(nullptr);
    std::_Exit(1);
}

} // namespace

DisplayLossGuard::DisplayLossGuard(std::function<void()> rescue) : m_rescue(std::move(rescue))
{
    static const bool registered = std::atexit(rescueAtExit) == 0;
    if (registered)
        g_rescue = &m_rescue;
}

DisplayLossGuard::~DisplayLossGuard()
{
    if (g_rescue == &m_rescue)
        g_rescue = nullptr;
}

} // namespace tabulet::app
