#pragma once

#include "app/notewindow.h"
#include "ui/window/mainwindow.h"

#include <QEventLoop>

namespace tabulet::ui {
class KeyboardFilter;
}

namespace tabulet::app {

// One pass of the skinned note window: it receives the commands and the keys while it runs.
class MainWindowPass final : public NoteWindow
{
public:
    // The context and the filter must outlive the pass.
    MainWindowPass(ui::ApplicationContext &context, const CommandLine &commandLine, QWidget *owner,
                   ui::KeyboardFilter &keyboard);
    ~MainWindowPass() override;
    MainWindowPass(const MainWindowPass &) = delete;
    MainWindowPass &operator=(const MainWindowPass &) = delete;

    void run() override;
    void closeWithoutAsking() override;
    void saveAll() override { m_window.saveAll(); }
    bool restartRequested() const override { return m_window.restartRequested(); }
    void takeHandover(const CommandLine &commandLine, const QByteArray &activationToken) override;

private:
    ui::ApplicationContext &m_context;
    ui::KeyboardFilter &m_keyboard;
    ui::MainWindow m_window;
    QEventLoop m_loop;
    bool m_closed = false;
};

} // namespace tabulet::app
