#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>
#include <vector>

namespace tabulet::settings {

// A note's journal keeps what was typed since the note's file was last written, so that a
// process that ends without saving (kill -9, a lost display) loses nothing: every change of the
// shown note is appended at once, and the journal goes when the note is saved.
//
// The journal is a row of records, each framed as a 32-bit length, a CRC-32 of what follows and
// the record: its kind (one byte) and its content, numbers little-endian. A record cut short or
// damaged ends the journal there; whatever came before it stands.
//   base      the stored note file the changes apply to (size, modification time, inode)
//   edit      at a character position, so many characters removed and this text inserted
//   snapshot  the whole note as RTF; edits after it apply to it instead of the file

// Which stored state of a note file a journal continues. A save replaces the file (a new
// inode), so a journal left from before a save never matches the file after it.
struct NoteFileIdentity
{
    qint64 size = -1; // -1: there is no file
    qint64 modifiedNs = 0;
    quint64 inode = 0;

    static NoteFileIdentity of(const QString &path);
    bool operator==(const NoteFileIdentity &) const = default;
};

struct JournalEdit
{
    int position = 0;
    int removed = 0;
    QString inserted; // paragraphs separated by U+2029, as QTextCursor gives and takes them

    bool operator==(const JournalEdit &) const = default;
};

// What a journal holds, as far as it is whole.
struct JournalContents
{
    std::optional<NoteFileIdentity> base; // none: not a journal
    std::optional<QByteArray> snapshot;   // the last snapshot
    std::vector<JournalEdit> edits;       // the edits after the last snapshot, in order
    qsizetype wholeLength = 0;            // bytes up to the end of the last whole record

    // Whether there is anything to put into a note stored as `file`.
    bool appliesTo(const NoteFileIdentity &file) const { return base == file && (snapshot || !edits.empty()); }
};

QByteArray baseRecord(const NoteFileIdentity &file);
QByteArray editRecord(const JournalEdit &edit);
QByteArray snapshotRecord(const QByteArray &noteRtf);

JournalContents readJournal(QByteArrayView bytes);
// The journal file read, empty contents when there is none or it cannot be read.
JournalContents readJournalFile(const QString &path);

// The data folder's folder of journals.
inline constexpr QLatin1StringView kJournalFolder("journal");

// The journal of a note's file, in the data folder's journal folder and named after the note's
// file: no note file can have its path (note files are plain names in the data folder), and
// neither the scan for note files nor archives look into that folder. Empty when the note has
// no usable path.
QString journalFilePath(const QString &dataFolder, const QString &noteFileName);

} // namespace tabulet::settings
