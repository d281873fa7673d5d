// Figures for the notes as a whole, each the median of several runs, with the ratios the targets
// are about: printing 1,000 pages against 100, the document list's search over 1,000 notes of
// 20 KB (first search with the cache cold, then each keystroke) beside `grep -ril` over the same
// plain texts, and opening the document list with 1,000 notes.
#include "medianms.h"
#include "lang/searchtext.h"
#include "lang/texttable.h"
#include "rtf/notetextcache.h"
#include "settings/notelist.h"
#include "ui/dialogs/windowlistdialog.h"
#include "ui/editor/noteprinting.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextDocument>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace tabulet;

namespace {

constexpr int kRuns = 5;
constexpr int kNotes = 1000;
constexpr int kNoteBytes = 20 * 1024;
// Lines of 12-point text that fill about one page of nine inches.
constexpr int kLinesPerPage = 46;

using bench::medianMs;

// Median milliseconds of printing a note of about `pages` pages; `printed` gets the real count.
double printPages(const QString &folder, int pages, int &printed)
{
    QTextDocument note;
    note.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 12));
    QStringList lines;
    for (int i = 0; i < pages * kLinesPerPage; ++i)
        lines << QStringLiteral("line %1 of a long note that someone printed").arg(i);
    note.setPlainText(lines.join(u'\n'));
    return medianMs(
        3, [] {},
        [&] {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(folder + QStringLiteral("/print.pdf"));
            printed = ui::printNote(note, printer, 0, -1).pages;
        });
}

// 1,000 notes of about 20 KB of words, as RTF for the program and as plain text for grep.
settings::NoteList writeNotes(const QString &folder)
{
    settings::NoteList notes;
    const QStringList words = QStringLiteral("note shopping phone meeting garden letter recipe travel invoice "
                                             "birthday station window coffee number address ticket")
                                  .split(u' ');
    // The same words every run, so that runs compare.
    QRandomGenerator wordPicker(1);
    for (int n = 0; n < kNotes; ++n) {
        QString text;
        while (text.size() < kNoteBytes)
            text += words[static_cast<int>(wordPicker.bounded(static_cast<quint32>(words.size())))] + u' ';
        if (n == kNotes - 1)
            text += QStringLiteral("zanzibar");
        settings::Note note;
        note.title = QStringLiteral("Note %1").arg(n);
        note.fileName = QStringLiteral("tab%1.rtf").arg(n + 1, 5, 10, QLatin1Char('0'));
        QFile rtf(folder + u'/' + note.fileName);
        rtf.open(QIODevice::WriteOnly);
        rtf.write("{\\rtf1\\ansi " + text.toLatin1() + "\\par}");
        QFile plain(folder + QStringLiteral("/plain/") + note.title + QStringLiteral(".txt"));
        plain.open(QIODevice::WriteOnly);
        plain.write(text.toLatin1());
        notes.append(note);
    }
    return notes;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir folder;

    int fewPages = 0;
    int manyPages = 0;
    const double hundred = printPages(folder.path(), 100, fewPages);
    const double thousand = printPages(folder.path(), 1000, manyPages);
    std::printf("print to PDF (layout, pages, file): %d pages %.0f ms, %d pages %.0f ms, ratio %.1f (target <= 11)\n",
                fewPages, hundred, manyPages, thousand, thousand / hundred);

    QDir(folder.path()).mkdir(QStringLiteral("plain"));
    const settings::NoteList notes = writeNotes(folder.path());
    lang::TextTable texts;
    rtf::NoteTextCache cache;
    const auto noteText = [&](const settings::Note &note) {
        return cache.text(folder.path() + u'/' + note.fileName);
    };

    std::unique_ptr<ui::WindowListDialog> dialog;
    const double open = medianMs(
        kRuns, [&] { dialog.reset(); },
        [&] {
            dialog = std::make_unique<ui::WindowListDialog>(texts, notes, noteText);
            dialog->show();
            QApplication::processEvents();
        });
    std::printf("document list with %d notes, made and shown: %.1f ms (target < 100)\n", kNotes, open);

    auto *search = dialog->findChild<QLineEdit *>(QStringLiteral("search"));
    const double cold = medianMs(
        kRuns,
        [&] {
            cache = rtf::NoteTextCache();
            search->clear();
        },
        [&] { search->setText(QStringLiteral("z")); });
    const double keystroke = medianMs(
        kRuns * 2, [&] { search->setText(QStringLiteral("z")); }, [&] { search->setText(QStringLiteral("zanzi")); });
    const double grep = medianMs(
        kRuns, [] {},
        [&] {
            QProcess process;
            process.setStandardOutputFile(QProcess::nullDevice());
            process.start(QStringLiteral("grep"),
                          {QStringLiteral("-ril"), QStringLiteral("zanzi"), folder.path() + QStringLiteral("/plain")});
            process.waitForFinished();
        });
    std::printf("search over %d notes of 20 KB: first (reads and folds every file) %.0f ms (target < 1000), "
                "later keystroke %.1f ms (target < 30), grep -ril over the plain texts %.1f ms; "
                "keystroke/grep %.2f\n",
                kNotes, cold, keystroke, grep, keystroke / grep);
    return 0;
}
