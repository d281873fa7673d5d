#pragma once

#include "app/commandline.h"
#include "app/displayloss.h"
#include "app/instanceclaim.h"
#include "app/notewindow.h"
#include "app/qttranslation.h"

#include <QMetaObject>

#include <memory>

namespace tabulet::settings {
class DataFolderLock;
}

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

    // The first pass claims the instance when the option "oneinstance" asks for it; a start
    // that hands over to a running copy ends there. Without a claim every start runs on its own.
    void setInstanceClaim(InstanceClaim *claim) { m_instanceClaim = claim; }

    // Runs the passes; returns the process's exit code. A copy that finds its data folder owned by
    // another running copy says so and ends with 1.
    int run();

private:
    bool runPass();
    bool loadLanguage();
    void onTermination();
    bool claimInstance();
    bool ownDataFolder();
    void takeHandover(const Handover &handover);

    ui::ApplicationContext &m_context;
    CommandLine m_commandLine;
    NoteWindowFactory m_createWindow;
    TerminationWatcher &m_termination;
    // The window of the running pass; empty between passes and during shut-down.
    NoteWindow *m_window = nullptr;
    InstanceClaim *m_instanceClaim = nullptr;
    bool m_firstPass = true;
    std::unique_ptr<settings::DataFolderLock> m_dataFolderLock;
    int m_exitCode = 0;
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
