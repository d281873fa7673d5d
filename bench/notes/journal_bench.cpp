// What journaling costs a keystroke, and that the journal stays bounded over a long typing run.
// Characters are typed one by one at the end of a shown note of about 20 KB. Per keystroke, the
// median of 10,000: the journal's write (the change framed, its checksum, and one write() to the
// page cache; no fsync), the taking of the change's text from the document, and, for scale, the
// editor's own handling of the insertion with the journal in it. The long run types 2 MB and
// reports the largest size the journal reached, and how far past the note's own size.
#include "settings/folderset.h"
#include "settings/journalwriter.h"
#include "settings/note.h"
#include "settings/notefiles.h"
#include "settings/notejournal.h"
#include "ui/editor/noteeditor.h"
#include "ui/window/journalkeeper.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCursor>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace tabulet;

namespace {

constexpr int kKeys = 10000;
constexpr qint64 kLongRunChars = 2 * 1024 * 1024;

QByteArray noteOfWords()
{
    QByteArray text = "{\\rtf1\\ansi ";
    while (text.size() < 20 * 1024)
        text += "some words of a note someone keeps at hand\\par ";
    return text + "}";
}

double medianUs(std::vector<qint64> &nanoseconds)
{
    std::sort(nanoseconds.begin(), nanoseconds.end());
    return double(nanoseconds[nanoseconds.size() / 2]) / 1000.0;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir folder;
    settings::FolderSet folders;
    folders.dataFolder = folder.path();
    settings::Note note;
    note.fileName = QStringLiteral("tab00001.rtf");
    QFile file(settings::noteFilePath(folders.dataFolder, note.fileName));
    if (file.open(QIODevice::WriteOnly))
        file.write(noteOfWords());
    file.close();

    ui::NoteEditor editor;
    editor.resize(600, 400);
    editor.show();
    editor.loadNoteFile(file.fileName());
    // The journal's own work is what runs between these two, which the editor calls in order.
    QElapsedTimer journalTimer;
    std::vector<qint64> journalWrites;
    QObject::connect(&editor, &ui::NoteEditor::noteEdited, [&] { journalTimer.start(); });
    ui::JournalKeeper keeper(folders, editor);
    QObject::connect(&editor, &ui::NoteEditor::noteEdited,
                     [&] { journalWrites.push_back(journalTimer.nsecsElapsed()); });
    keeper.noteShown(note);

    QTextCursor cursor(editor.document());
    std::vector<qint64> keystrokes;
    std::vector<qint64> textTakings;
    for (int i = 0; i < kKeys; ++i) {
        cursor.movePosition(QTextCursor::End);
        QElapsedTimer timer;
        timer.start();
        cursor.insertText(QStringLiteral("x"));
        keystrokes.push_back(timer.nsecsElapsed());
        // What the editor does to tell the change: the inserted character taken from the document.
        timer.start();
        QTextCursor inserted(editor.document());
        inserted.setPosition(cursor.position() - 1);
        inserted.setPosition(cursor.position(), QTextCursor::KeepAnchor);
        [[maybe_unused]] const QString text = inserted.selectedText();
        textTakings.push_back(timer.nsecsElapsed());
    }
    const double write = medianUs(journalWrites);
    const double taking = medianUs(textTakings);
    std::printf("keystroke at the end of a shown 20 KB note, median of %d:\n", kKeys);
    std::printf("  journal write (frame, checksum, write())  %8.2f us\n", write);
    std::printf("  taking the change's text from the note    %8.2f us\n", taking);
    std::printf("  journaling, both                          %8.2f us (goal: under 50 us)\n", write + taking);
    std::printf("  the editor's whole keystroke, for scale   %8.2f us\n", medianUs(keystrokes));

    // The journal alone over a long run of typing: one-character edits, and the whole note (as
    // big as what was typed) each time the journal is written afresh.
    settings::JournalWriter writer;
    writer.open(settings::journalFilePath(folders.dataFolder, QStringLiteral("tab00002.rtf")), {}, {});
    QByteArray whole;
    qint64 largest = 0;
    qint64 largestOverNote = 0;
    for (qint64 typed = 0; typed < kLongRunChars; ++typed) {
        whole += 'x';
        writer.record({int(typed), 0, QStringLiteral("x")}, [&] { return whole; });
        largest = std::max(largest, writer.size());
        largestOverNote = std::max(largestOverNote, writer.size() - whole.size());
    }
    std::printf("long run of %lld characters typed: journal at most %lld bytes, at most %lld bytes more than "
                "the note (bound: %lld of edits)\n",
                static_cast<long long>(kLongRunChars), static_cast<long long>(largest),
                static_cast<long long>(largestOverNote), static_cast<long long>(settings::JournalWriter::kEditBound));
    return 0;
}
