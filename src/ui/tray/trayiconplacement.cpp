#include "ui/tray/trayiconplacement.h"

#include "platform/taskbar.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tabulet::ui {

namespace {

constexpr int kResetMargin = 10;
constexpr QSize kResetSize(450, 300);

} // namespace

bool toggleShows(ToggleForm form, bool hidden, bool minimised, bool foreground)
{
    if (form == ToggleForm::SingleClick)
        return hidden;
    return hidden || minimised || !foreground;
}

QRect resetPlacement(const QRect &workArea)
{
    return {workArea.topLeft() + QPoint(kResetMargin, kResetMargin), kResetSize};
}

void resetPosition(QWidget &window)
{
    const QScreen *screen = window.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window.setGeometry(resetPlacement(screen->availableGeometry()));
    window.update();
}

QRect keepOnDesktop(const QRect &rectangle, const QRect &desktop)
{
    QRect moved = rectangle;
    if (moved.right() > desktop.right())
        moved.moveRight(desktop.right());
    if (moved.left() < desktop.left())
        moved.moveLeft(desktop.left());
    if (moved.bottom() > desktop.bottom())
        moved.moveBottom(desktop.bottom());
    if (moved.top() < desktop.top())
        moved.moveTop(desktop.top());
    return moved;
}

bool isTopmost(const QWidget &window)
{
    return window.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void toggleTopmost(QWidget &window)
{
    const bool onTop = !isTopmost(window);
    if (platform::keepAbove(&window, onTop)) {
        // The window manager changed only that; the window's record of the flag follows without
        // making the native window anew (which a change of its flags would).
        window.overrideWindowFlags(window.windowFlags().setFlag(Qt::WindowStaysOnTopHint, onTop));
        return;
    }
    const QRect place = window.geometry();
    const bool wasVisible = window.isVisible();
    // Changing the flag recreates the native window, which hides it and may forget its place.
    window.setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    window.setGeometry(place);
    if (wasVisible)
        window.show();
}

} // namespace tabulet::ui
