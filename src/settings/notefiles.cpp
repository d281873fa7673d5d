#include "settings/notefiles.h"

#include "settings/folderset.h"
#include "settings/notejournal.h"
#include "settings/notelist.h"
#include "settings/wholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace tabulet::settings {

namespace {

QSet<QString> takenFileNames(const QString &dataFolder, const NoteList &notes)
{
    // One listing instead of up to 99999 look-ups.
    const QStringList files = QDir(dataFolder)
                                  .entryList({QStringLiteral("tab?????.rtf")},
                                             QDir::AllEntries | QDir::Hidden | QDir::System | QDir::CaseSensitive);
    QSet<QString> taken(files.begin(), files.end());
    for (const Note &note : notes)
        taken.insert(note.fileName);
    return taken;
}

QString firstFreeFileName(const QSet<QString> &taken)
{
    for (int number = 1; number <= 99999; ++number) {
        QString name = QStringLiteral("tab%1.rtf").arg(number, 5, 10, QLatin1Char('0'));
        if (!taken.contains(name))
            return name;
    }
    return {};
}

// The note file's place by its name alone; empty for an unusable name.
QString placeOfNoteFile(const QString &dataFolder, const QString &fileName)
{
    const QString name = plainNoteFileName(fileName);
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return {};
    return withSeparator(dataFolder) + name;
}

// Whether the file is no link, or a link to a file that lies in the data folder itself.
bool staysInDataFolder(const QString &path, const QString &dataFolder)
{
    const QFileInfo file(path);
    if (!file.isSymLink())
        return true;
    const QString target = file.canonicalFilePath();
    return !target.isEmpty() && QFileInfo(target).absolutePath() == QFileInfo(dataFolder).canonicalFilePath();
}

} // namespace

QString freeNoteFileName(const QString &dataFolder, const NoteList &notes)
{
    return firstFreeFileName(takenFileNames(dataFolder, notes));
}

int assignMissingFileNames(NoteList &notes, const QString &dataFolder)
{
    QSet<QString> taken;
    int assigned = 0;
    for (Note &note : notes) {
        if (!placeOfNoteFile(dataFolder, note.fileName).isEmpty())
            continue;
        if (assigned == 0)
            taken = takenFileNames(dataFolder, notes);
        note.fileName = firstFreeFileName(taken);
        taken.insert(note.fileName);
        ++assigned;
    }
    return assigned;
}

QString plainNoteFileName(const QString &fileName)
{
    const qsizetype separator = qMax(fileName.lastIndexOf(u'/'), fileName.lastIndexOf(u'\\'));
    return fileName.mid(separator + 1);
}

QString noteFilePath(const QString &dataFolder, const QString &fileName)
{
    const QString path = placeOfNoteFile(dataFolder, fileName);
    return path.isEmpty() || !staysInDataFolder(path, dataFolder) ? QString() : path;
}

int createNote(NoteList &notes, const QString &dataFolder, const QString &title, const QString &fileName)
{
    Note note;
    note.title = title;
    if (!fileName.isEmpty()) {
        note.fileName = plainNoteFileName(fileName);
        return notes.append(std::move(note));
    }
    note.fileName = freeNoteFileName(dataFolder, notes);
    if (note.fileName.isEmpty())
        return -1;
    const QString path = noteFilePath(dataFolder, note.fileName);
    if (path.isEmpty() ||
        !writeWholeFile(
            path, QByteArray::fromRawData(kNewNoteContent.data(), static_cast<qsizetype>(kNewNoteContent.size()))))
        return -1;
    return notes.append(std::move(note));
}

bool deleteNote(NoteList &notes, const QString &dataFolder, int index)
{
    if (index < 0 || index >= notes.size())
        return false;
    // The link itself goes, wherever it leads.
    const QString path = placeOfNoteFile(dataFolder, notes[index].fileName);
    if (!path.isEmpty())
        QFile::remove(journalFilePath(dataFolder, notes[index].fileName));
    notes.remove(index);
    if (path.isEmpty())
        return false;
    return QFile::remove(path) || (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink());
}

int addUnlistedNoteFiles(NoteList &notes, const QString &dataFolder)
{
    QSet<QString> listed;
    for (const Note &note : notes)
        listed.insert(note.fileName);
    const QStringList files =
        QDir(dataFolder).entryList({QStringLiteral("tab*.rtf")}, QDir::Files | QDir::CaseSensitive, QDir::Name);
    int added = 0;
    for (const QString &file : files) {
        if (listed.contains(file))
            continue;
        Note note;
        note.fileName = file;
        note.title = file.chopped(4);
        notes.append(std::move(note));
        ++added;
    }
    return added;
}

} // namespace tabulet::settings
