#pragma once

#include "settings/journalwriter.h"

#include <QObject>

namespace tabulet::settings {
struct FolderSet;
struct Note;
} // namespace tabulet::settings

namespace tabulet::ui {

class NoteEditor;

// Keeps the shown note's journal: every change the editor tells goes into it at once, a save
// removes it, and a note shown with a journal of changes its file lacks gets them back.
class JournalKeeper final : public QObject
{
    Q_OBJECT
public:
    JournalKeeper(const settings::FolderSet &folders, NoteEditor &editor, QObject *parent = nullptr);

    // The note was read into the editor. Returns whether its journal held changes, which are now
    // in the editor; the note is to be saved then.
    bool noteShown(const settings::Note &note);
    // The shown note could not be read: its journal, perhaps the only copy of its last text,
    // stays as it is.
    void noteNotShown();
    // The shown note was written to its file.
    void noteSaved(const settings::Note &note);

private:
    const settings::FolderSet &m_folders;
    NoteEditor &m_editor;
    settings::JournalWriter m_writer;
};

} // namespace tabulet::ui
