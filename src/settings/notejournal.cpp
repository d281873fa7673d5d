#include "settings/notejournal.h"

#include "settings/folderset.h"
#include "settings/notefiles.h"

#include <QFile>

#include <array>
#include <sys/stat.h>

namespace tabulet::settings {

namespace {

enum class RecordKind : char { Base = 1, Edit = 2, Snapshot = 3 };

constexpr qsizetype kFrameSize = 8; // length and checksum
constexpr qsizetype kBaseSize = 24;
constexpr qsizetype kEditHeadSize = 8;

constexpr std::array<quint32, 256> crcTable()
{
    std::array<quint32, 256> table{};
    for (quint32 n = 0; n < 256; ++n) {
        quint32 c = n;
        for (int bit = 0; bit < 8; ++bit)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

quint32 crc32(QByteArrayView bytes)
{
    static constexpr std::array<quint32, 256> table = crcTable();
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : bytes)
        crc = table[(crc ^ static_cast<quint8>(byte)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

void appendNumber(QByteArray &to, quint64 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        to.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

quint64 numberAt(QByteArrayView from, qsizetype at, int bytes)
{
    quint64 value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= quint64(static_cast<quint8>(from[at + i])) << (8 * i);
    return value;
}

QByteArray framed(RecordKind kind, QByteArrayView content)
{
    QByteArray record;
    record.reserve(kFrameSize + 1 + content.size());
    appendNumber(record, quint64(content.size() + 1), 4);
    appendNumber(record, 0, 4);
    record.append(static_cast<char>(kind));
    record.append(content);
    const quint32 checksum = crc32(QByteArrayView(record).sliced(kFrameSize));
    for (int i = 0; i < 4; ++i)
        record[4 + i] = static_cast<char>((checksum >> (8 * i)) & 0xFF);
    return record;
}

} // namespace

NoteFileIdentity NoteFileIdentity::of(const QString &path)
{
    struct stat status = {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    return {qint64(status.st_size), qint64(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec,
            quint64(status.st_ino)};
}

QByteArray baseRecord(const NoteFileIdentity &file)
{
    QByteArray content;
    appendNumber(content, quint64(file.size), 8);
    appendNumber(content, quint64(file.modifiedNs), 8);
    appendNumber(content, file.inode, 8);
    return framed(RecordKind::Base, content);
}

QByteArray editRecord(const JournalEdit &edit)
{
    QByteArray content;
    appendNumber(content, quint32(edit.position), 4);
    appendNumber(content, quint32(edit.removed), 4);
    content.append(edit.inserted.toUtf8());
    return framed(RecordKind::Edit, content);
}

QByteArray snapshotRecord(const QByteArray &noteRtf)
{
    return framed(RecordKind::Snapshot, noteRtf);
}

JournalContents readJournal(QByteArrayView bytes)
{
    JournalContents journal;
    qsizetype at = 0;
    while (bytes.size() - at >= kFrameSize + 1) {
        const quint64 length = numberAt(bytes, at, 4);
        if (length == 0 || length > quint64(bytes.size() - at - kFrameSize))
            break;
        const QByteArrayView record = bytes.sliced(at + kFrameSize, qsizetype(length));
        if (crc32(record) != quint32(numberAt(bytes, at + 4, 4)))
            break;
        const auto kind = static_cast<RecordKind>(record[0]);
        const QByteArrayView content = record.sliced(1);
        // A journal begins with its base, and has only the one.
        if ((kind == RecordKind::Base) == journal.base.has_value())
            break;
        if (kind == RecordKind::Base) {
            if (content.size() != kBaseSize)
                break;
            journal.base = NoteFileIdentity{qint64(numberAt(content, 0, 8)), qint64(numberAt(content, 8, 8)),
                                            numberAt(content, 16, 8)};
        } else if (kind == RecordKind::Edit) {
            if (content.size() < kEditHeadSize)
                break;
            const auto position = qint32(numberAt(content, 0, 4));
            const auto removed = qint32(numberAt(content, 4, 4));
            if (position < 0 || removed < 0)
                break;
            journal.edits.push_back({position, removed, QString::fromUtf8(content.sliced(kEditHeadSize))});
        } else if (kind == RecordKind::Snapshot) {
            journal.snapshot = content.toByteArray();
            journal.edits.clear();
        } else {
            break;
        }
        at += kFrameSize + qsizetype(length);
        journal.wholeLength = at;
    }
    return journal;
}

JournalContents readJournalFile(const QString &path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    return readJournal(file.readAll());
}

QString journalFilePath(const QString &dataFolder, const QString &noteFileName)
{
    const QString notePath = noteFilePath(dataFolder, noteFileName);
    if (notePath.isEmpty())
        return {};
    return withSeparator(dataFolder) + QString(kJournalFolder) + u'/' + plainNoteFileName(noteFileName) +
           QStringLiteral(".journal");
}

} // namespace tabulet::settings
