#pragma once

#include "app/notewindow.h"

#include <QEventLoop>
#include <QWidget>

class QTabBar;
class QLabel;

namespace tabulet::app {

// The note window until the skinned main window takes its place: it loads the configuration,
// shows the visible notes as tabs and saves the configuration when it closes.
class PlainNoteWindow final : public QWidget, public NoteWindow
{
    Q_OBJECT
public:
    PlainNoteWindow(ui::ApplicationContext &context, QWidget *owner);

    void run() override;
    void closeWithoutAsking() override;
    bool restartRequested() const override { return false; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void loadNotes();
    void showSelectedNote();

    ui::ApplicationContext &m_context;
    QTabBar *m_tabs = nullptr;
    QLabel *m_placeholder = nullptr;
    QEventLoop m_loop;
};

} // namespace tabulet::app
