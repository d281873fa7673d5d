// A note of one unbroken line of 1 MiB, as a received note or a plug-in's text brings it, shown
// in the note editor at the note window's size. Each figure is the median of several runs, in
// milliseconds from the action until the whole note is laid out (Qt may lay a long note out in
// slices after the first paint; those count):
//   show       showNoteBytes with the note's RTF: reading, filling the document, laying out;
//   set text   the line inserted into a shown note at the cursor, as tb:setText does;
// and for comparison a line of a quarter the length laid out with the wrap mode that looks for
// a word's edge (what every note used before), on a document of its own.
#include "medianms.h"
#include "rtf/richtextdocument.h"
#include "rtf/rtfwriter.h"
#include "ui/editor/noteeditor.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QElapsedTimer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>

#include <cstdio>

using namespace tabulet;

namespace {

constexpr int kRuns = 5;
constexpr qsizetype kLineLength = 1024 * 1024;

using bench::medianMs;

// Letters without a space, varied so that shaping finds no repeated run.
QString unbrokenLine(qsizetype length)
{
    QString line(length, QLatin1Char('a'));
    for (qsizetype i = 0; i < length; ++i)
        line[i] = QChar(u'a' + static_cast<char16_t>((i * 7 + i / 26) % 26));
    return line;
}

QByteArray noteOf(const QString &line)
{
    rtf::RichTextDocument note;
    rtf::appendText(note.paragraphs.front(), line.toUtf8(), {});
    return rtf::writeRtf(note);
}

bool laidOut(const QTextDocument &document)
{
    const QTextLayout *last = document.lastBlock().layout();
    return last && last->lineCount() > 0 && document.documentLayout()->documentSize().height() > 0;
}

// Runs the events until the document is laid out to its end, or for a minute at most.
void waitForLayout(const QTextDocument &document)
{
    QTimer wake;
    wake.start(50);
    QElapsedTimer deadline;
    deadline.start();
    while (!laidOut(document) && !deadline.hasExpired(60000))
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    const QString line = unbrokenLine(kLineLength);
    const QByteArray note = noteOf(line);

    ui::NoteEditor editor;
    editor.resize(450, 200);
    editor.show();
    QApplication::processEvents();

    const double show = medianMs(
        kRuns, [&] { editor.showNoteBytes("{\\rtf1 empty\\par}"); },
        [&] {
            editor.showNoteBytes(note);
            waitForLayout(*editor.document());
        });
    std::printf("1 MiB single-line note, show until laid out:     %8.1f ms (median of %d)\n", show, kRuns);

    const double setText = medianMs(
        kRuns, [&] { editor.showNoteBytes("{\\rtf1 empty\\par}"); },
        [&] {
            QTextCursor cursor(editor.document());
            cursor.insertText(line);
            waitForLayout(*editor.document());
        });
    std::printf("1 MiB single line set into a note, laid out:     %8.1f ms (median of %d)\n", setText, kRuns);

    const QString quarter = line.left(kLineLength / 4);
    const double wordEdge = medianMs(
        1, [] {},
        [&] {
            QTextDocument document;
            QTextOption option;
            option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
            document.setDefaultTextOption(option);
            document.setPlainText(quarter);
            document.setTextWidth(editor.viewport()->width());
            document.documentLayout()->documentSize();
        });
    std::printf("256 KiB line wrapped at a word's edge (before):  %8.1f ms (one run)\n", wordEdge);
    return 0;
}
