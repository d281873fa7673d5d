#pragma once

#include "settings/notejournal.h"
#include "ui/editor/notedocumentcache.h"

#include <QByteArray>
#include <QTextEdit>
#include <QUrl>

#include <optional>

class QTextCharFormat;
class QWidgetTextControl;

namespace tabulet::plugins {
class PluginHost;
}

namespace tabulet::ui {

// The rich-text editor of the note window. It reads and writes notes as RTF, tells every change
// of the note's content, and indents or un-indents the selected paragraphs with Tab.
class NoteEditor final : public QTextEdit
{
    Q_OBJECT
public:
    // Note files larger than this are not read: nothing a person typed comes near it, and a huge
    // file would only exhaust memory.
    static constexpr qint64 kMaxNoteFileSize = qint64(512) * 1024 * 1024;

    explicit NoteEditor(QWidget *parent = nullptr);

    // Shows a note's stored bytes (RTF, or plain text); empty bytes empty the editor. Showing a
    // note is not a change of it, and the undo history starts afresh.
    void showNoteBytes(const QByteArray &bytes);
    // The note as RTF.
    QByteArray noteBytes() const;

    // Shows the note file at the path; a missing or empty file shows an empty note. False when
    // the file exists but cannot be read (the editor is emptied). The last notes left unchanged
    // are kept laid out, and shown again at once while their files stay as they were; a kept
    // note comes back in the default font it had.
    bool loadNoteFile(const QString &path);
    // Writes the note to the path, replacing the file only once everything was written.
    bool saveNoteFile(const QString &path);
    // The plug-ins told around reading and writing note files (they may change the path and the
    // bytes); nullptr for none. Not owned.
    void setPluginHost(plugins::PluginHost *host) { m_plugins = host; }

    // Puts into the shown note what its journal kept (a whole note, then edits), as changes of the
    // note since its file was written: the note differs from its file afterwards.
    void replayJournal(const settings::JournalContents &journal);

    // Puts the caret at a character position, with an empty selection; clamped to the text.
    void placeCaret(int position);

    // Wraps lines at the editor's edge, or lets them run on.
    void setWrapAtEdge(bool wrap);
    // What unformatted text shows with: its font and colour.
    void setDefaultCharFormat(const QTextCharFormat &format);
    QColor backgroundColour() const;
    void setBackgroundColour(const QColor &colour);

    // A link's target as something the desktop may open: web, FTP, mail and news addresses
    // ("www." addresses as web ones); nothing for any other scheme, so that a note cannot start
    // programs or open local files by a click.
    static QUrl openableLink(const QString &target);

signals:
    // A click on a link that may be opened: a link field, or an address written in the text.
    void linkActivated(const QUrl &url);
    // The note changed: typing, paste, cut, drag and drop, undo, redo or a format change; also
    // every key press that is not a pure movement or modifier key.
    void noteChanged();
    // The note's text changed, as its journal keeps it; before noteChanged.
    void noteEdited(const settings::JournalEdit &edit);
    // A character, Enter, Backspace, Delete or Tab was typed and the editor has taken it in.
    void characterTyped();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void watchContent();
    settings::JournalEdit editAt(int position, int removed, int added) const;
    void showNote(const QByteArray &bytes);
    void showKept(QTextDocument *kept);
    // A note with a very long line wraps anywhere, else at words' edges (see wrapModeFor).
    void configureLikeShown(QTextDocument &note, QTextOption::WrapMode wrap) const;
    void configureLayoutLikeShown(QTextDocument &note, QTextOption::WrapMode wrap) const;
    void install(QTextDocument *note, QTextOption::WrapMode wrap);
    // The shown note wraps anywhere from now on when the text changed there has a very long line.
    void wrapLongLinesAnywhere(int position, int added);
    QWidgetTextControl *textControl() const;
    // Shows a note without laying it out again when it is laid out at the width it would get.
    bool installLaidOut(QTextDocument *note);
    // Shows or hides the scroll bars for the shown note at once, then fits their ranges.
    void fitScrollBars();
    void adjustScrollBars();
    // The page width QTextEdit lays the note out at in this editor.
    qreal layoutWidth(const QTextDocument &note) const;
    void startAfresh();
    void setShownNoteAside(const QString &nextPath);
    void setPaletteColour(QPalette::ColorRole role, const QColor &colour);
    void indentSelection(bool unindent);

    NoteDocumentCache *m_keptNotes = nullptr;
    // The file the shown note was read from or written to last, as it was then, and whether the
    // note changed since.
    QString m_shownFile;
    std::optional<NoteFileStamp> m_shownStamp;
    bool m_differsFromFile = false;
    bool m_showingNote = false;
    bool m_pressedOnLink = false;
    plugins::PluginHost *m_plugins = nullptr;
};

// Keys that never change a note: arrows, Page Up, Page Down, Home, End, Scroll Lock, Num Lock
// and the Shift and Ctrl keys themselves.
bool keyLeavesNoteUnchanged(int qtKey);

} // namespace tabulet::ui
