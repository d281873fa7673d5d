#include "app/afterfirstpaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <utility>

namespace tabulet::app {

AfterFirstPaint::AfterFirstPaint(std::function<void()> work) : m_work(std::move(work))
{
    QCoreApplication::instance()->installEventFilter(this);
}

AfterFirstPaint::~AfterFirstPaint()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool AfterFirstPaint::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && m_work && watched->isWidgetType()) {
        QCoreApplication::instance()->removeEventFilter(this);
        // After the paint has reached the screen, not inside it.
        QTimer::singleShot(0, this, [work = std::exchange(m_work, nullptr)] { work(); });
    }
    return false;
}

} // namespace tabulet::app
