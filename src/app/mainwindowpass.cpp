#include "app/mainwindowpass.h"

#include "app/commandline.h"
#include "platform/activation.h"
#include "platform/taskbar.h"
#include "ui/applicationcontext.h"
#include "ui/window/keyboardfilter.h"

namespace tabulet::app {

MainWindowPass::MainWindowPass(ui::ApplicationContext &context, const CommandLine &commandLine, QWidget *owner,
                               ui::KeyboardFilter &keyboard)
    : m_context(context), m_keyboard(keyboard), m_window(context, owner)
{
    m_window.setFilesToInstall(commandLine.languageFile, commandLine.themeFile);
    QObject::connect(&m_window, &ui::MainWindow::closed, &m_loop, [this] {
        m_closed = true;
        m_loop.quit();
    });
    // Scripted sessions (the end-to-end tests) can start without the tip of the day in their way.
    if (!qEnvironmentVariableIsSet("TABULET_NO_STARTUP_TIP")) {
        QObject::connect(&m_window, &ui::MainWindow::tipOfTheDayDue, &m_window,
                         [this] { m_window.runCommand(commands::CommandId::ShowTips); });
    }
}

MainWindowPass::~MainWindowPass()
{
    m_keyboard.setNoteWindow(nullptr, {});
    m_context.commands.setTarget(nullptr);
}

void MainWindowPass::run()
{
    m_context.commands.setTarget(&m_window);
    m_keyboard.setNoteWindow(&m_window, [this] { m_window.saveAll(); });
    platform::keepOffTaskbar(&m_window);
    if (!m_window.initialise())
        return;
    platform::keepOffTaskbar(&m_window);
    if (!m_closed)
        m_loop.exec();
    m_keyboard.setNoteWindow(nullptr, {});
    m_context.commands.setTarget(nullptr);
}

void MainWindowPass::takeHandover(const CommandLine &commandLine, const QByteArray &activationToken)
{
    platform::useActivationToken(&m_window, activationToken);
    if (commandLine.toggle) {
        m_window.toggleVisible(ui::ToggleForm::Activating);
        return;
    }
    m_window.showAndActivate();
    m_window.installFiles(commandLine.languageFile, commandLine.themeFile);
}

void MainWindowPass::closeWithoutAsking()
{
    m_window.closeWithoutAsking();
}

} // namespace tabulet::app
