#pragma once

#include <QByteArray>
#include <QString>

#include <string_view>

namespace tabulet::settings {

class NoteList;

// A new note's file: an empty rich-text document, exactly these 114 bytes.
inline constexpr std::string_view kNewNoteContent =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fprq12\\fcharset0 "
    "Arial;}}\\viewkind4\\uc1\\pard\\lang3079\\f0\\fs18\\par}";

// "tab%05d.rtf" with the smallest number from 1 to 99999 whose name is free: no file of the data
// folder and no note of the list has it (a note's file is written only at its first save).
// Empty when all are taken.
QString freeNoteFileName(const QString &dataFolder, const NoteList &notes);

// Gives every note whose file name is unusable (empty, "." or "..") a free one, so that its
// text can be saved; returns how many notes got one.
int assignMissingFileNames(NoteList &notes, const QString &dataFolder);

// A note's file name as stored: only the last path component is kept, so that a name read from
// a file can never reach outside the data folder.
QString plainNoteFileName(const QString &fileName);

// Full path of a note's file; empty when the name is empty, "." or "..", and when the file is a
// symbolic link that leads out of the data folder (or nowhere), so that nothing is ever written
// outside it. A link to another file of the data folder is kept and followed.
QString noteFilePath(const QString &dataFolder, const QString &fileName);

// Without a file name: writes a new note's file under a free name and appends a visible note
// for it. With one: appends a visible note for that file, which must already be in the data
// folder. Returns the note's serial, or -1 when the file could not be written.
int createNote(NoteList &notes, const QString &dataFolder, const QString &title, const QString &fileName = {});

// Removes the note's file, its journal and its record; the record goes even when the file cannot be
// removed. Returns whether the file is gone.
bool deleteNote(NoteList &notes, const QString &dataFolder, int index);

// Appends a visible note for every "tab*.rtf" file of the data folder that no note names,
// titled after its file name; returns how many were added. Used to recover the notes when the
// configuration file was lost.
int addUnlistedNoteFiles(NoteList &notes, const QString &dataFolder);

} // namespace tabulet::settings
