#include "casename.h"
#include "configurationfixture.h"

#include <settings/journalwriter.h>
#include <settings/notefiles.h>
#include <settings/notejournal.h>

#include <QDir>
#include <QFileInfo>

namespace tabulet::settings {
namespace {

const NoteFileIdentity kStored{114, 1'700'000'000'123'456'789, 4711};

JournalEdit edit(int position, int removed, const QString &inserted)
{
    return {position, removed, inserted};
}

QByteArray journalOf(const std::vector<QByteArray> &records)
{
    QByteArray bytes;
    for (const QByteArray &record : records)
        bytes += record;
    return bytes;
}

TEST(NoteJournal, readsBackTheEditsAfterTheLastSnapshot)
{
    const JournalEdit typed = edit(0, 0, QStringLiteral("Grüße \U0001F600"));
    const JournalEdit paragraph = edit(3, 2, QStringLiteral("a\u2029b"));
    const JournalEdit cut = edit(1, 7, QString());
    const JournalContents journal =
        readJournal(journalOf({baseRecord(kStored), editRecord(typed), snapshotRecord("{\\rtf1 whole}"),
                               editRecord(paragraph), editRecord(cut)}));
    ASSERT_EQ(journal.base, kStored);
    EXPECT_EQ(journal.snapshot, QByteArray("{\\rtf1 whole}"));
    EXPECT_EQ(journal.edits, (std::vector<JournalEdit>{paragraph, cut}));
    EXPECT_TRUE(journal.appliesTo(kStored));
    EXPECT_FALSE(journal.appliesTo({114, kStored.modifiedNs, 4712}));
    EXPECT_FALSE(journal.appliesTo({}));
}

// Cut anywhere, a journal gives the records before the cut and nothing of the one cut.
TEST(NoteJournal, aTornTailIsLeftOut)
{
    const std::vector<QByteArray> records = {baseRecord(kStored), editRecord(edit(0, 0, "one")),
                                             editRecord(edit(3, 0, " two")), snapshotRecord("{\\rtf1 x}"),
                                             editRecord(edit(1, 1, "three"))};
    const QByteArray whole = journalOf(records);
    for (qsizetype cut = 0; cut <= whole.size(); ++cut) {
        SCOPED_TRACE(cut);
        const JournalContents journal = readJournal(QByteArrayView(whole).first(cut));
        qsizetype end = 0;
        std::size_t wholeRecords = 0;
        while (wholeRecords < records.size() && end + records[wholeRecords].size() <= cut)
            end += records[wholeRecords++].size();
        EXPECT_EQ(journal.wholeLength, end);
        EXPECT_EQ(journal.base.has_value(), wholeRecords >= 1);
        const std::size_t edits = wholeRecords >= 4 ? wholeRecords - 4 : wholeRecords >= 1 ? wholeRecords - 1 : 0;
        EXPECT_EQ(journal.edits.size(), edits);
        EXPECT_EQ(journal.snapshot.has_value(), wholeRecords >= 4);
    }
}

struct DamagedJournal
{
    std::string name;
    QByteArray bytes;
    std::size_t editsKept;
};

class DamagedJournals : public ::testing::TestWithParam<DamagedJournal>
{
};

QByteArray flipped(QByteArray bytes, qsizetype at)
{
    bytes[at] = static_cast<char>(bytes[at] ^ 0x20);
    return bytes;
}

const QByteArray kOneEdit = editRecord(edit(0, 0, "kept"));
const QByteArray kBase = baseRecord(kStored);

INSTANTIATE_TEST_SUITE_P(
    NoteJournal, DamagedJournals,
    ::testing::Values(DamagedJournal{"empty", {}, 0}, DamagedJournal{"notAJournal", "{\\rtf1 a note}", 0},
                      DamagedJournal{"zeros", QByteArray(64, '\0'), 0},
                      DamagedJournal{"editWithoutBase", kOneEdit + kOneEdit, 0},
                      DamagedJournal{"secondBase", kBase + kOneEdit + kBase + kOneEdit, 1},
                      DamagedJournal{"flippedTextOfSecondEdit",
                                     flipped(kBase + kOneEdit + kOneEdit, kBase.size() + kOneEdit.size() + 20), 1},
                      DamagedJournal{"flippedChecksum", flipped(kBase + kOneEdit, kBase.size() + 5), 0},
                      DamagedJournal{"lengthPastTheEnd", flipped(kBase + kOneEdit, kBase.size() + 2), 0},
                      DamagedJournal{"baseOfWrongSize", baseRecord(kStored).chopped(1), 0},
                      DamagedJournal{"unknownKind",
                                     kBase + kOneEdit +
                                         [] {
                                             QByteArray record = snapshotRecord("x");
                                             record[8] = 9;
                                             return record;
                                         }() +
                                         kOneEdit,
                                     1}),
    testing::caseName<DamagedJournal>);

TEST_P(DamagedJournals, keepOnlyTheWholeRecordsBeforeTheDamage)
{
    const JournalContents journal = readJournal(GetParam().bytes);
    EXPECT_EQ(journal.edits.size(), GetParam().editsKept);
    for (const JournalEdit &kept : journal.edits)
        EXPECT_EQ(kept, edit(0, 0, "kept"));
}

using JournalFiles = testing::ConfigurationFixture;

TEST_F(JournalFiles, liveInTheirOwnFolderWhereNoNoteIsLookedFor)
{
    EXPECT_EQ(journalFilePath(folders.dataFolder, "tab00001.rtf"), dataPath("journal/tab00001.rtf.journal"));
    EXPECT_EQ(journalFilePath(folders.dataFolder, "../x/tab00002.rtf"), dataPath("journal/tab00002.rtf.journal"));
    EXPECT_TRUE(journalFilePath(folders.dataFolder, "..").isEmpty());

    JournalWriter writer;
    writer.open(journalFilePath(folders.dataFolder, "tab00001.rtf"), kStored, {});
    ASSERT_TRUE(writer.record(edit(0, 0, "typed"), [] { return QByteArray(); }));
    EXPECT_EQ(addUnlistedNoteFiles(notes, folders.dataFolder), 0);
}

TEST_F(JournalFiles, aDeletedNoteTakesItsJournalAlong)
{
    const int serial = createNote(notes, folders.dataFolder, "gone");
    const QString journal = journalFilePath(folders.dataFolder, notes[notes.indexOfSerial(serial)].fileName);
    JournalWriter writer;
    writer.open(journal, NoteFileIdentity::of(dataPath("tab00001.rtf")), {});
    ASSERT_TRUE(writer.record(edit(0, 0, "typed"), [] { return QByteArray(); }));
    writer.close();
    ASSERT_TRUE(deleteNote(notes, folders.dataFolder, notes.indexOfSerial(serial)));
    EXPECT_FALSE(QFileInfo::exists(journal));
}

TEST_F(JournalFiles, theWriterAppendsAndASaveRemovesTheJournal)
{
    const QString path = dataPath("journal/tab00001.rtf.journal");
    JournalWriter writer;
    writer.open(path, kStored, {});
    EXPECT_FALSE(QFileInfo::exists(path)); // only a change starts a journal
    const auto noSnapshot = [] {
        return QByteArray();
    };
    ASSERT_TRUE(writer.record(edit(0, 0, "a"), noSnapshot));
    ASSERT_TRUE(writer.record(edit(1, 0, "b"), noSnapshot));
    EXPECT_TRUE(readJournalFile(path).appliesTo(kStored));
    EXPECT_EQ(readJournalFile(path).edits, (std::vector<JournalEdit>{edit(0, 0, "a"), edit(1, 0, "b")}));

    const NoteFileIdentity saved{2, 1, 2};
    writer.saved(saved);
    EXPECT_FALSE(QFileInfo::exists(path));
    ASSERT_TRUE(writer.record(edit(2, 0, "c"), noSnapshot));
    EXPECT_EQ(readJournalFile(path).base, saved);
    EXPECT_EQ(readJournalFile(path).edits, (std::vector<JournalEdit>{edit(2, 0, "c")}));
}

TEST_F(JournalFiles, aJournalLeftTornIsContinuedAfterItsLastWholeRecord)
{
    const QString path = dataPath("journal/tab00001.rtf.journal");
    QDir().mkpath(dataPath("journal"));
    writeFile(path, kBase + kOneEdit + kOneEdit.first(7));
    JournalWriter writer;
    writer.open(path, kStored, readJournalFile(path));
    ASSERT_TRUE(writer.record(edit(4, 0, "more"), [] { return QByteArray(); }));
    EXPECT_EQ(readJournalFile(path).edits, (std::vector<JournalEdit>{edit(0, 0, "kept"), edit(4, 0, "more")}));

    // A journal over another stored state is not continued but started anew.
    JournalWriter later;
    later.open(path, {1, 2, 3}, readJournalFile(path));
    ASSERT_TRUE(later.record(edit(0, 0, "new"), [] { return QByteArray(); }));
    EXPECT_EQ(readJournalFile(path).base, (NoteFileIdentity{1, 2, 3}));
    EXPECT_EQ(readJournalFile(path).edits, (std::vector<JournalEdit>{edit(0, 0, "new")}));
}

TEST_F(JournalFiles, theJournalIsWrittenAfreshAsTheWholeNotePastItsBound)
{
    const QString path = dataPath("journal/tab00001.rtf.journal");
    JournalWriter writer;
    writer.open(path, kStored, {});
    QString note;
    const QString line = QStringLiteral("a line of typing, long enough\u2029");
    const auto wholeNote = [&] {
        return note.toUtf8();
    };
    qint64 largest = 0;
    for (int i = 0; i < 20000; ++i) {
        note += line;
        ASSERT_TRUE(writer.record(edit(int(note.size() - line.size()), 0, line), wholeNote));
        largest = std::max(largest, writer.size());
    }
    EXPECT_LE(largest, JournalWriter::kEditBound + note.toUtf8().size() + 200);
    const JournalContents journal = readJournalFile(path);
    ASSERT_TRUE(journal.snapshot);
    // The snapshot and the edits after it make the whole note.
    QString replayed = QString::fromUtf8(*journal.snapshot);
    for (const JournalEdit &later : journal.edits)
        replayed.replace(later.position, later.removed, later.inserted);
    EXPECT_EQ(replayed, note);
}

TEST_F(JournalFiles, aJournalThatCannotBeWrittenIsTriedAgainAfterMoreTyping)
{
    // A file where the journal folder would go.
    writeFile(dataPath("journal"), "in the way");
    JournalWriter writer;
    writer.open(dataPath("journal/tab00001.rtf.journal"), kStored, {});
    int wholeNoteAsked = 0;
    const auto wholeNote = [&] {
        ++wholeNoteAsked;
        return QByteArray("{\\rtf1 all}");
    };
    EXPECT_FALSE(writer.record(edit(0, 0, "a"), wholeNote));
    for (int i = 0; i < 100; ++i)
        EXPECT_FALSE(writer.record(edit(0, 0, "b"), wholeNote));
    EXPECT_EQ(wholeNoteAsked, 1);

    QFile::remove(dataPath("journal"));
    bool written = false;
    for (int i = 0; i < JournalWriter::kRetryAfter && !written; ++i)
        written = writer.record(edit(0, 0, "c"), wholeNote);
    ASSERT_TRUE(written);
    EXPECT_EQ(readJournalFile(dataPath("journal/tab00001.rtf.journal")).snapshot, QByteArray("{\\rtf1 all}"));
}

} // namespace
} // namespace tabulet::settings
