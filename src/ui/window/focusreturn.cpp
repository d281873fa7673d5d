#include "ui/window/focusreturn.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

namespace tabulet::ui {

FocusReturn::FocusReturn(QWidget &window, QWidget &note) : QObject(&window), m_window(window), m_note(note)
{
    qApp->installEventFilter(this);
}

bool FocusReturn::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Hide || !watched->isWidgetType() || m_pending)
        return false;
    const auto *widget = static_cast<const QWidget *>(watched);
    // Only a dialog the person was in (the desktop still calls it focused until its ending has
    // been told): one that goes while they work elsewhere takes nothing.
    if (widget->isWindow() && widget->windowType() == Qt::Dialog && widget->windowHandle() &&
        widget->windowHandle() == QGuiApplication::focusWindow()) {
        // Once the dialog's own ending has run: it may open the next dialog.
        m_pending = true;
        QMetaObject::invokeMethod(this, &FocusReturn::giveBack, Qt::QueuedConnection);
    }
    return false;
}

void FocusReturn::giveBack()
{
    m_pending = false;
    if (QWidget *waiting = QApplication::activeModalWidget()) {
        waiting->activateWindow();
        return;
    }
    if (!m_window.isVisible() || m_window.isMinimized())
        return;
    m_window.activateWindow();
    m_note.setFocus(Qt::ActiveWindowFocusReason);
}

} // namespace tabulet::ui
