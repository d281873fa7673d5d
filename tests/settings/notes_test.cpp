#include "casename.h"
#include "configurationfixture.h"

#include <settings/notefiles.h>
#include <settings/noterules.h>

#include <QDir>
#include <QFileInfo>

namespace tabulet::settings {
namespace {

using NoteStore = testing::ConfigurationFixture;

Note titled(const char *title)
{
    Note note;
    note.title = QString::fromLatin1(title);
    return note;
}

QStringList titlesOf(const NoteList &notes)
{
    QStringList titles;
    for (const Note &note : notes)
        titles << note.title;
    return titles;
}

TEST(NoteList, serialsAreNeverReusedWithinARun)
{
    NoteList notes;
    const int first = notes.append(titled("a"));
    const int second = notes.append(titled("b"));
    EXPECT_NE(first, second);
    notes.clear();
    const int third = notes.append(titled("c"));
    EXPECT_NE(third, first);
    EXPECT_NE(third, second);
    EXPECT_EQ(notes.indexOfSerial(third), 0);
    EXPECT_EQ(notes.indexOfSerial(first), -1);
}

TEST(NoteList, moveKeepsSerialsAndReordersTabs)
{
    NoteList notes;
    for (const char *title : {"a", "b", "c", "d"})
        notes.append(titled(title));
    const int serialOfA = notes[0].serial;
    notes.move(0, 2);
    EXPECT_EQ(titlesOf(notes), QStringList({"b", "c", "a", "d"}));
    EXPECT_EQ(notes.indexOfSerial(serialOfA), 2);
    notes.move(3, 0);
    EXPECT_EQ(titlesOf(notes), QStringList({"d", "b", "c", "a"}));
    notes.move(0, 9);
    notes.remove(-1);
    EXPECT_EQ(notes.size(), 4);
}

TEST_F(NoteStore, freeNoteFileNameReusesTheFirstGap)
{
    writeFile(dataPath(QStringLiteral("tab00001.rtf")), "x");
    writeFile(dataPath(QStringLiteral("tab00003.rtf")), "x");
    writeFile(dataPath(QStringLiteral("TAB00002.rtf")), "x");
    EXPECT_EQ(freeNoteFileName(folders.dataFolder, notes), QStringLiteral("tab00002.rtf"));
}

TEST_F(NoteStore, newNotesNeverShareAFileWithANoteNotYetSaved)
{
    ensureOneNote(notes);
    const int serial = createNote(notes, folders.dataFolder, QStringLiteral("second"));
    EXPECT_EQ(notes[notes.indexOfSerial(serial)].fileName, QStringLiteral("tab00002.rtf"));
}

TEST_F(NoteStore, notesWithoutAUsableFileNameGetAFreeOne)
{
    writeFile(dataPath(QStringLiteral("tab00001.rtf")), "x");
    for (const char *name : {"", "tab00002.rtf", "..", ""}) {
        Note note;
        note.fileName = QString::fromLatin1(name);
        notes.append(note);
    }
    EXPECT_EQ(assignMissingFileNames(notes, folders.dataFolder), 3);
    EXPECT_EQ(notes[0].fileName, QStringLiteral("tab00003.rtf"));
    EXPECT_EQ(notes[1].fileName, QStringLiteral("tab00002.rtf"));
    EXPECT_EQ(notes[2].fileName, QStringLiteral("tab00004.rtf"));
    EXPECT_EQ(notes[3].fileName, QStringLiteral("tab00005.rtf"));
}

TEST_F(NoteStore, createNoteWritesTheEmptyRichTextDocument)
{
    const int serial = createNote(notes, folders.dataFolder, QStringLiteral("Shopping"));
    ASSERT_NE(serial, -1);
    const Note &note = notes[notes.indexOfSerial(serial)];
    EXPECT_EQ(note.title, QStringLiteral("Shopping"));
    EXPECT_EQ(note.fileName, QStringLiteral("tab00001.rtf"));
    EXPECT_TRUE(note.visible);
    const QByteArray content = readFile(dataPath(QStringLiteral("tab00001.rtf")));
    EXPECT_EQ(content.size(), 114);
    EXPECT_EQ(content, QByteArray("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fprq12\\fcharset0 Arial;}}"
                                  "\\viewkind4\\uc1\\pard\\lang3079\\f0\\fs18\\par}"));
}

TEST_F(NoteStore, createNoteWithAFileNameOnlyAddsTheRecord)
{
    const int serial =
        createNote(notes, folders.dataFolder, QStringLiteral("Received"), QStringLiteral("tab00007.rtf"));
    ASSERT_EQ(notes.size(), 1);
    EXPECT_EQ(notes[0].serial, serial);
    EXPECT_EQ(notes[0].fileName, QStringLiteral("tab00007.rtf"));
    EXPECT_FALSE(QFileInfo::exists(dataPath(QStringLiteral("tab00007.rtf"))));
}

TEST_F(NoteStore, createNoteFailsWithoutAFolderToWriteTo)
{
    EXPECT_EQ(createNote(notes, root.filePath(QStringLiteral("missing")), QStringLiteral("x")), -1);
    EXPECT_TRUE(notes.isEmpty());
}

TEST_F(NoteStore, deleteNoteRemovesFileAndRecord)
{
    createNote(notes, folders.dataFolder, QStringLiteral("a"));
    createNote(notes, folders.dataFolder, QStringLiteral("b"));
    EXPECT_TRUE(deleteNote(notes, folders.dataFolder, 0));
    EXPECT_FALSE(QFileInfo::exists(dataPath(QStringLiteral("tab00001.rtf"))));
    EXPECT_EQ(titlesOf(notes), QStringList({"b"}));
}

TEST_F(NoteStore, deleteNoteRemovesTheRecordEvenWhenTheFileCannotBeRemoved)
{
    createNote(notes, folders.dataFolder, QStringLiteral("a"), QStringLiteral("folder.rtf"));
    QDir(folders.dataFolder).mkdir(QStringLiteral("folder.rtf"));
    QFile(dataPath(QStringLiteral("folder.rtf/inside"))).open(QIODevice::WriteOnly);
    EXPECT_FALSE(deleteNote(notes, folders.dataFolder, 0));
    EXPECT_TRUE(notes.isEmpty());
}

TEST_F(NoteStore, noteFileNamesNeverLeaveTheDataFolder)
{
    writeFile(root.filePath(QStringLiteral("outside.rtf")), "keep");
    createNote(notes, folders.dataFolder, QStringLiteral("a"), QStringLiteral("../outside.rtf"));
    EXPECT_EQ(notes[0].fileName, QStringLiteral("outside.rtf"));
    deleteNote(notes, folders.dataFolder, 0);
    EXPECT_TRUE(QFileInfo::exists(root.filePath(QStringLiteral("outside.rtf"))));
    EXPECT_TRUE(noteFilePath(folders.dataFolder, QStringLiteral("..")).isEmpty());
    EXPECT_TRUE(noteFilePath(folders.dataFolder, QStringLiteral("a\\..")).isEmpty());
    EXPECT_EQ(noteFilePath(folders.dataFolder, QStringLiteral("x\\tab1.rtf")), dataPath(QStringLiteral("tab1.rtf")));
}

TEST_F(NoteStore, noteFilesThatLinkOutOfTheDataFolderAreNeverWritten)
{
    writeFile(root.filePath(QStringLiteral("outside.rtf")), "keep");
    writeFile(dataPath(QStringLiteral("inside.rtf")), "inside");
    struct Case
    {
        const char *name;
        QString target;
        bool usable;
    };
    const Case cases[] = {
        {"out.rtf", root.filePath(QStringLiteral("outside.rtf")), false},
        {"dangling.rtf", root.filePath(QStringLiteral("not-yet.rtf")), false},
        {"up.rtf", QStringLiteral("../outside.rtf"), false},
        {"in.rtf", QStringLiteral("inside.rtf"), true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QString link = dataPath(QString::fromLatin1(c.name));
        ASSERT_TRUE(QFile::link(c.target, link));
        EXPECT_EQ(noteFilePath(folders.dataFolder, QString::fromLatin1(c.name)), c.usable ? link : QString());
    }
    // Deleting such a note removes the link, not what it leads to.
    createNote(notes, folders.dataFolder, QStringLiteral("a"), QStringLiteral("out.rtf"));
    EXPECT_TRUE(deleteNote(notes, folders.dataFolder, 0));
    EXPECT_FALSE(QFileInfo(dataPath(QStringLiteral("out.rtf"))).isSymLink());
    EXPECT_EQ(readFile(root.filePath(QStringLiteral("outside.rtf"))), "keep");
}

TEST_F(NoteStore, unlistedNoteFilesComeBackAsNotes)
{
    for (const char *name : {"tab00001.rtf", "tab00002.rtf", "tab00010.rtf", "other.rtf", "tab00003.txt"})
        writeFile(dataPath(QString::fromLatin1(name)), "x");
    Note listed = titled("Listed");
    listed.fileName = QStringLiteral("tab00002.rtf");
    notes.append(listed);
    EXPECT_EQ(addUnlistedNoteFiles(notes, folders.dataFolder), 2);
    EXPECT_EQ(titlesOf(notes), QStringList({"Listed", "tab00001", "tab00010"}));
    EXPECT_EQ(notes[2].fileName, QStringLiteral("tab00010.rtf"));
    EXPECT_TRUE(notes[2].visible);
}

TEST(NoteRules, theOnlyTabShownCannotBeRemoved)
{
    EXPECT_FALSE(canRemoveTab(1));
    EXPECT_TRUE(canRemoveTab(2));
}

struct RemovalCase
{
    const char *name;
    int removed;
    int current;
    int after;
};

class CurrentTabAfterRemoval : public ::testing::TestWithParam<RemovalCase>
{
};

TEST_P(CurrentTabAfterRemoval, selectsTheTabBeforeTheRemovedCurrentOne)
{
    EXPECT_EQ(currentTabAfterRemoval(GetParam().removed, GetParam().current), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Tabs, CurrentTabAfterRemoval,
                         ::testing::Values(RemovalCase{"currentThirdGivesSecond", 2, 2, 1},
                                           RemovalCase{"currentFirstGivesNewFirst", 0, 0, 0},
                                           RemovalCase{"beforeCurrentShiftsIt", 0, 3, 2},
                                           RemovalCase{"afterCurrentKeepsIt", 4, 1, 1}),
                         testing::caseName<RemovalCase>);

TEST(NoteRules, anEmptyListGetsTheFirstNote)
{
    NoteList notes;
    EXPECT_TRUE(ensureOneNote(notes));
    ASSERT_EQ(notes.size(), 1);
    EXPECT_EQ(notes[0].title, QStringLiteral("tab1"));
    EXPECT_EQ(notes[0].fileName, QStringLiteral("tab00001.rtf"));
    EXPECT_TRUE(notes[0].visible);
    EXPECT_FALSE(ensureOneNote(notes));
    EXPECT_EQ(notes.size(), 1);
}

} // namespace
} // namespace tabulet::settings
