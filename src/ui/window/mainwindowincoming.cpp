// Notes that come over the network and notes sent from here.
#include "ui/window/mainwindow.h"

#include "lang/formattext.h"
#include "net/listenerthread.h"
#include "settings/notefiles.h"
#include "ui/applicationcontext.h"
#include "ui/dialogs/newfiledialog.h"
#include "ui/dialogs/sendfiledialog.h"
#include "ui/tray/trayicon.h"
#include "ui/window/mainwindowprompts.h"

#include <QApplication>
#include <QDir>
#include <QFile>

namespace tabulet::ui {

void MainWindow::listenForNotes()
{
    if (!m_context.noteListener)
        return;
    net::NoteListener *listener = m_context.noteListener->listener();
    connect(listener, &net::NoteListener::noteReceived, this, [this](const net::ReceivedNote &note) {
        m_waitingNote = note;
        offerWaitingNote();
    });
    QMetaObject::invokeMethod(listener, &net::NoteListener::repeatWaitingNote);
}

void MainWindow::offerWaitingNote()
{
    // Offered once none of the window's dialogs is open; closing one brings us back here.
    if (!m_waitingNote || !m_acceptsIncoming || m_closed || QApplication::activeModalWidget())
        return;
    const net::ReceivedNote note = *std::exchange(m_waitingNote, std::nullopt);
    m_tray->startBlinking();
    m_acceptsIncoming = false;
    NewFileDialog dialog(m_context.texts, {note.sender(), note.title(), note.receivedLength, note.header.fileLength},
                         this);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    m_acceptsIncoming = true;
    m_tray->stopBlinking();
    if (accepted)
        importReceivedNote(note.filePath, dialog.title());
    else
        QFile::remove(note.filePath);
    QMetaObject::invokeMethod(m_context.noteListener->listener(), &net::NoteListener::resume);
}

void MainWindow::importReceivedNote(const QString &receivedFile, const QString &title)
{
    const QString &dataFolder = m_context.folders.dataFolder;
    const QString fileName = settings::freeNoteFileName(dataFolder, m_context.notes);
    // A note is added only with its file in place: a note without one would later share its
    // name with the next new note.
    if (fileName.isEmpty() || !QFile::rename(receivedFile, settings::noteFilePath(dataFolder, fileName))) {
        m_prompts->tell(m_context.texts.text(QStringLiteral("DIALOG_ERROR")),
                        lang::formatText(m_context.texts.text(QStringLiteral("ERROR_IMPORTINGNOTE")),
                                         {QDir::toNativeSeparators(receivedFile)}),
                        WindowPrompts::Icon::Error);
        return;
    }
    const int serial = settings::createNote(m_context.notes, dataFolder, title, fileName);
    if (serial >= 0)
        m_tabs->addTab(serial, title);
    saveConfiguration();
}

void MainWindow::discardWaitingNote()
{
    if (!m_waitingNote)
        return;
    QFile::remove(m_waitingNote->filePath);
    m_waitingNote.reset();
    QMetaObject::invokeMethod(m_context.noteListener->listener(), &net::NoteListener::resume);
}

void MainWindow::sendTargetNote()
{
    const settings::Note *note = m_tabs->noteOfTab(m_tabs->targetTab());
    if (!note)
        return;
    // What goes out is the file: it must hold what the user sees.
    if (!saveAll() && note->modified) {
        reportNoteNotSaved();
        return;
    }
    auto &settings = m_context.settings;
    SendFileDialog::Job job{settings::noteFilePath(m_context.folders.dataFolder, note->fileName), note->title,
                            settings.value(QStringLiteral("sender"))};
    m_acceptsIncoming = false;
    SendFileDialog dialog(m_context.texts, std::move(job), settings.value(QStringLiteral("favorites")), this);
    dialog.exec();
    m_acceptsIncoming = true;
    if (dialog.favorites() != settings.value(QStringLiteral("favorites"))) {
        settings.value(QStringLiteral("favorites")) = dialog.favorites();
        saveConfiguration();
    }
    offerWaitingNote();
}

} // namespace tabulet::ui
