#include "ui/window/journalkeeper.h"

#include "settings/folderset.h"
#include "settings/note.h"
#include "settings/notefiles.h"
#include "ui/editor/noteeditor.h"

namespace tabulet::ui {

JournalKeeper::JournalKeeper(const settings::FolderSet &folders, NoteEditor &editor, QObject *parent)
    : QObject(parent), m_folders(folders), m_editor(editor)
{
    connect(&m_editor, &NoteEditor::noteEdited, this, [this](const settings::JournalEdit &edit) {
        m_writer.record(edit, [this] { return m_editor.noteBytes(); });
    });
}

bool JournalKeeper::noteShown(const settings::Note &note)
{
    const QString journalPath = settings::journalFilePath(m_folders.dataFolder, note.fileName);
    const settings::NoteFileIdentity file =
        settings::NoteFileIdentity::of(settings::noteFilePath(m_folders.dataFolder, note.fileName));
    const settings::JournalContents journal = settings::readJournalFile(journalPath);
    m_writer.open(journalPath, file, journal);
    if (!journal.appliesTo(file))
        return false;
    m_editor.replayJournal(journal);
    return true;
}

void JournalKeeper::noteNotShown()
{
    m_writer.close();
}

void JournalKeeper::noteSaved(const settings::Note &note)
{
    m_writer.saved(settings::NoteFileIdentity::of(settings::noteFilePath(m_folders.dataFolder, note.fileName)));
}

} // namespace tabulet::ui
