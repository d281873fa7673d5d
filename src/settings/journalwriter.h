#pragma once

#include "settings/notejournal.h"

#include <functional>

namespace tabulet::settings {

// Appends the shown note's changes to its journal (notejournal.h) with plain write()s: nothing
// waits for the disk while a person types, as the page cache outlives the process. Past a bound
// of edits the journal is written afresh as the whole note (apart, then renamed over it), so it
// never grows without end; so is a journal whose last write failed, which may end in a torn
// record that would hide everything appended after it.
class JournalWriter final
{
public:
    // Edits appended before the journal is written afresh as the whole note.
    static constexpr qint64 kEditBound = 256 * 1024;
    // Characters typed after a failed write before the journal is tried again.
    static constexpr qint64 kRetryAfter = 1024;

    JournalWriter() = default;
    ~JournalWriter();
    JournalWriter(const JournalWriter &) = delete;
    JournalWriter &operator=(const JournalWriter &) = delete;

    // Journals a note from now on: `path` is its journal, `file` the stored state the changes
    // apply to, `kept` what the journal at `path` already holds. Its whole records are continued
    // when they apply to `file`; otherwise the first change starts the journal anew.
    void open(const QString &path, const NoteFileIdentity &file, const JournalContents &kept);
    // No note is journaled until the next open; the journal file stays.
    void close();
    // Appends a change of the note. `wholeNote` gives the note as RTF with the change in it; it is
    // asked for only when the journal is written afresh. False when nothing could be written.
    bool record(const JournalEdit &edit, const std::function<QByteArray()> &wholeNote);
    // The note was written to its file, now stored as `file`: the journal is removed, and the next
    // change starts a new one.
    void saved(const NoteFileIdentity &file);

    bool isOpen() const { return !m_path.isEmpty(); }
    // The journal's length in bytes as written.
    qint64 size() const { return m_size; }

private:
    bool openForAppending();
    bool append(const QByteArray &bytes);
    bool writeAfresh(const QByteArray &noteRtf);
    void closeFile();

    QString m_path;
    NoteFileIdentity m_base;
    int m_fd = -1;
    qint64 m_size = 0;
    qint64 m_editBytes = 0;
    qsizetype m_keptLength = 0; // whole records of an earlier run to continue after
    bool m_writeAfresh = false;
};

} // namespace tabulet::settings
