#pragma once

#include "app/commandline.h"
#include "app/displayloss.h"
#include "app/notewindow.h"
#include "app/qttranslation.h"

#include <QMetaObject>

namespace tabulet::app {

class TerminationWatcher;

// The start-up passes: each loads the options and the language, then runs the note window until
// it closes; a window that asks for a restart gets another pass that reads the files afresh.
class Startup final
{
public:
    Startup(ui::ApplicationContext &context, CommandLine commandLine, NoteWindowFactory createWindow,
            TerminationWatcher &termination);

    ~Startup();
    Startup(const Startup &) = delete;
    Startup &operator=(const Startup &) = delete;

    // Runs the passes; returns the process's exit code.
    int run();

private:
    bool runPass();
    bool loadLanguage();
    void onTermination();

    ui::ApplicationContext &m_context;
    CommandLine m_commandLine;
    NoteWindowFactory m_createWindow;
    TerminationWatcher &m_termination;
    // The window of the running pass; empty between passes and during shut-down.
    NoteWindow *m_window = nullptr;
    QtTranslation m_qtTranslation;
    QMetaObject::Connection m_terminationConnection;
    QMetaObject::Connection m_sessionEndConnection;
    // The display gone: the open note and the configuration are written before the process ends.
    DisplayLossGuard m_displayLoss{[this] {
        if (m_window)
            m_window->saveAll();
    }};
};

} // namespace tabulet::app
