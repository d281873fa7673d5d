#include "ui/applicationcontext.h"
#include "ui/dialogs/archivesdialog.h"
#include "ui/window/mainwindow.h"

namespace tabulet::ui {

void MainWindow::startArchiveSchedule()
{
    m_context.archiver.setUp(m_archiverPrompts);
    checkArchiveSchedule();
}

void MainWindow::checkArchiveSchedule()
{
    // A check that comes while an archive is being copied waits for the next minute.
    if (!m_archiverPrompts.isBusy())
        m_context.archiver.scheduledCheck(m_archiverPrompts);
}

void MainWindow::showArchives()
{
    // An archive made from the browser holds what the user sees, not only what was saved before.
    saveAll();
    ArchivesDialog dialog(m_context.archiver, m_archiverPrompts, m_context.texts, this);
    if (dialog.exec() != ArchivesDialog::kRestored)
        return;
    // The restored files are read by a new start; nothing of this run may be written over them.
    m_restartRequested = true;
    m_tabs->blockSaving();
    m_context.configuration.setDoNotSave(true);
    close();
}

} // namespace tabulet::ui
