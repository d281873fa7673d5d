#pragma once

#include <QObject>

class QWidget;

namespace tabulet::ui {

// Gives the keyboard back when a dialog of the program closes: to the dialog still waiting for
// an answer when there is one, else to the note. Window managers do not always do it themselves
// (openbox leaves a window that is off the taskbar without the focus), and typed text would go
// nowhere. A note window that is hidden or minimised is left so.
class FocusReturn final : public QObject
{
    Q_OBJECT
public:
    // Watches every window of the program; both must outlive it.
    FocusReturn(QWidget &window, QWidget &note);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void giveBack();

    QWidget &m_window;
    QWidget &m_note;
    bool m_pending = false;
};

} // namespace tabulet::ui
