#include "ui/window/focusreturn.h"

#include <QApplication>
#include <QEvent>
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
    if (widget->isWindow() && widget->windowType() == Qt::Dialog) {
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
