#include "ui/editor/noteeditor.h"

#include "plugins/pluginhost.h"
#include "rtf/rtfreader.h"
#include "rtf/rtfwriter.h"
#include "rtf/unbrokenrun.h"
#include "settings/notefiles.h"
#include "settings/wholefile.h"
#include "ui/editor/notedocumentcache.h"
#include "ui/editor/notelinks.h"
#include "ui/editor/richtextbridge.h"
#include "ui/editor/textformats.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QtMath>
#include <private/qwidgettextcontrol_p.h>

#include <algorithm>
#include <utility>

namespace tabulet::ui {

namespace {

bool fileHolds(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.size() == bytes.size() && file.open(QIODevice::ReadOnly) && file.readAll() == bytes;
}

// Marks the plug-ins' view of the editor as between notes while a note is read.
class NoteLoading
{
public:
    explicit NoteLoading(plugins::PluginHost *host) : m_host(host)
    {
        if (m_host)
            m_host->setNoteLoading(true);
    }
    ~NoteLoading()
    {
        if (m_host)
            m_host->setNoteLoading(false);
    }
    NoteLoading(const NoteLoading &) = delete;
    NoteLoading &operator=(const NoteLoading &) = delete;

private:
    plugins::PluginHost *m_host;
};

// A note with more characters than this in a row without white space wraps anywhere: finding a
// word's edge in such a line costs time that grows with the square of its length, and the line
// breaks anywhere in the end all the same. Only the layout changes, never the note's text.
constexpr qsizetype kLongestWordWrappedAtItsEdge = 2000;

QTextOption::WrapMode wrapModeFor(qsizetype longestUnbrokenRun)
{
    return longestUnbrokenRun > kLongestWordWrappedAtItsEdge ? QTextOption::WrapAnywhere
                                                             : QTextOption::WrapAtWordBoundaryOrAnywhere;
}

QTextOption::WrapMode wrapModeFor(QStringView text)
{
    return wrapModeFor(rtf::longestUnbrokenRun(text));
}

// QTextOption has no comparison; these are the parts that decide the layout.
bool sameLayoutOptions(const QTextOption &one, const QTextOption &other)
{
    return one.alignment() == other.alignment() && one.wrapMode() == other.wrapMode() &&
           one.flags() == other.flags() && one.tabStopDistance() == other.tabStopDistance() &&
           one.tabs() == other.tabs() && one.textDirection() == other.textDirection() &&
           one.useDesignMetrics() == other.useDesignMetrics();
}

} // namespace

bool keyLeavesNoteUnchanged(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_ScrollLock:
    case Qt::Key_NumLock:
    case Qt::Key_Shift:
    case Qt::Key_Control:
        return true;
    default:
        return false;
    }
}

NoteEditor::NoteEditor(QWidget *parent) : QTextEdit(parent)
{
    setObjectName(QStringLiteral("noteEditor"));
    setFrameShape(QFrame::NoFrame);
    setAcceptRichText(true);
    setTabChangesFocus(false);
    // One tab stop every 720 twips, as the notes were written with.
    setTabStopDistance(toPixels(720));
    m_keptNotes = new NoteDocumentCache(this);
    watchContent();
}

void NoteEditor::watchContent()
{
    // The content's every change, whatever made it: keys alone miss paste, drops and undo.
    connect(document(), &QTextDocument::contentsChange, this, [this](int position, int removed, int added) {
        if (m_showingNote || (removed == 0 && added == 0))
            return;
        wrapLongLinesAnywhere(position, added);
        m_differsFromFile = true;
        emit noteEdited(editAt(position, removed, added));
        emit noteChanged();
    });
}

void NoteEditor::wrapLongLinesAnywhere(int position, int added)
{
    if (wordWrapMode() == QTextOption::WrapAnywhere)
        return;
    const QTextDocument *note = document();
    const QTextBlock last = note->findBlock(position + added);
    for (QTextBlock block = note->findBlock(position); block.isValid(); block = block.next()) {
        if (wrapModeFor(block.text()) == QTextOption::WrapAnywhere) {
            setWordWrapMode(QTextOption::WrapAnywhere);
            return;
        }
        if (block == last)
            return;
    }
}

settings::JournalEdit NoteEditor::editAt(int position, int removed, int added) const
{
    // The change may be told as reaching past the note's end, into the paragraph mark that ends
    // every document: on both sides, so the counts shrink alike.
    const int end = document()->characterCount() - 1;
    const int beyond = std::max(0, position + added - end);
    QTextCursor inserted(document());
    inserted.setPosition(std::min(position, end));
    inserted.setPosition(std::min(position + added, end), QTextCursor::KeepAnchor);
    return {position, std::max(0, removed - beyond), inserted.selectedText()};
}

void NoteEditor::replayJournal(const settings::JournalContents &journal)
{
    if (journal.snapshot)
        showNote(*journal.snapshot);
    m_showingNote = true;
    QTextCursor cursor(document());
    for (const settings::JournalEdit &edit : journal.edits) {
        const int end = document()->characterCount() - 1;
        cursor.setPosition(std::clamp(edit.position, 0, end));
        cursor.setPosition(std::clamp(edit.position + edit.removed, 0, end), QTextCursor::KeepAnchor);
        cursor.insertText(edit.inserted);
    }
    startAfresh();
    m_differsFromFile = true;
}

void NoteEditor::showNoteBytes(const QByteArray &bytes)
{
    m_shownFile.clear();
    m_shownStamp.reset();
    showNote(bytes);
}

void NoteEditor::showNote(const QByteArray &bytes)
{
    m_showingNote = true;
    // A new note's file names a font only because RTF needs one: the note shows in the default
    // font, as a note without a file does, and the file stays as another copy writes it.
    const bool blank = bytes.isEmpty() || bytes == QByteArrayView(settings::kNewNoteContent.data(),
                                                                  qsizetype(settings::kNewNoteContent.size()));
    const rtf::RichTextDocument model = blank ? rtf::RichTextDocument() : rtf::readRtf(bytes);
    const QTextOption::WrapMode wrap = wrapModeFor(rtf::longestUnbrokenRun(model));
    if (isVisible() || document()->parent() == m_keptNotes) {
        // Emptying a long note's laid-out document and filling it again lays it out piece by
        // piece; a document filled apart from the editor is laid out once, when it is shown.
        auto *note = new QTextDocument(this);
        configureLikeShown(*note, wrap);
        if (!blank)
            setRichText(*note, model);
        install(note, wrap);
    } else {
        // Not shown yet: the editor lays the note out when it first shows it. Emptied first, so
        // that a new wrap mode does not lay out the note it replaces.
        if (wordWrapMode() != wrap || blank)
            clear();
        setWordWrapMode(wrap);
        if (!blank)
            setRichText(*document(), model);
    }
    startAfresh();
}

void NoteEditor::configureLikeShown(QTextDocument &note, QTextOption::WrapMode wrap) const
{
    const QTextDocument *shown = document();
    // A new default font lays the whole note out again: only when it differs.
    if (note.defaultFont() != shown->defaultFont())
        note.setDefaultFont(shown->defaultFont());
    configureLayoutLikeShown(note, wrap);
}

void NoteEditor::configureLayoutLikeShown(QTextDocument &note, QTextOption::WrapMode wrap) const
{
    const QTextDocument *shown = document();
    // Lines that run on run on in every note; wrapped ones wrap as the note's own lines need.
    QTextOption option = shown->defaultTextOption();
    option.setWrapMode(lineWrapMode() == QTextEdit::NoWrap ? QTextOption::NoWrap : wrap);
    // Any text option set, even the same one, lays the whole note out again.
    if (!sameLayoutOptions(note.defaultTextOption(), option))
        note.setDefaultTextOption(option);
    note.setDocumentMargin(shown->documentMargin());
}

void NoteEditor::install(QTextDocument *note, QTextOption::WrapMode wrap)
{
    QTextDocument *left = document();
    disconnect(left, &QTextDocument::contentsChange, this, nullptr);
    // A kept document is the cache's, and the text control deletes its own first one; any other
    // document left is no note's any more.
    const bool leftIsOurs = left->parent() == this;
    const bool laidOut = installLaidOut(note);
    // QTextEdit gives the document it shows its own wrap mode, laying it out again when that
    // changes: the note goes to the text control first, so that it keeps the mode it was given
    // and the note left is not laid out once more. A note never laid out has no page width, and
    // the control would lay it out without one, as a single line a paragraph: an empty page
    // size waits for the width the editor gives it.
    if (note->pageSize().width() < 0)
        note->setPageSize(QSizeF(0, 0));
    textControl()->setDocument(note);
    setWordWrapMode(wrap);
    // Setting the same document lays it out at the editor's width.
    if (!laidOut)
        setDocument(note);
    watchContent();
    if (leftIsOurs)
        delete left;
}

QWidgetTextControl *NoteEditor::textControl() const
{
    return findChild<QWidgetTextControl *>(QString(), Qt::FindDirectChildrenOnly);
}

bool NoteEditor::installLaidOut(QTextDocument *note)
{
    // QTextEdit::setDocument sets the page size again, and any page size set, even the same one,
    // throws the whole layout away: a note laid out before is handed to the text control
    // directly, and kept as it is if that was at the width it would get now.
    QWidgetTextControl *control = textControl();
    // A document never shown has no page width yet.
    if (!control || note->pageSize().width() < 0 ||
        !sameLayoutOptions(note->defaultTextOption(), document()->defaultTextOption()))
        return false;
    control->setDocument(note);
    // The scroll bars follow the note, and the viewport's width follows them.
    fitScrollBars();
    viewport()->update();
    return note->pageSize().width() == layoutWidth(*note);
}

void NoteEditor::fitScrollBars()
{
    // The scroll bars come or go first, and the viewport's width with them: QTextEdit's own
    // adjustment lays the note out again when it changes the viewport. Only a note laid out to
    // its end tells its size without being laid out to the end there and then.
    const QTextLayout *last = document()->lastBlock().layout();
    if (last && last->lineCount() > 0) {
        const QSizeF size = document()->documentLayout()->documentSize();
        verticalScrollBar()->setRange(0, std::max(0, qCeil(size.height()) - viewport()->height()));
        horizontalScrollBar()->setRange(0, std::max(0, qCeil(size.width()) - viewport()->width()));
        QEvent layout(QEvent::LayoutRequest);
        QCoreApplication::sendEvent(this, &layout);
    }
    adjustScrollBars();
}

void NoteEditor::adjustScrollBars()
{
    // QTextEdit's own fitting of its scroll bars, which it runs whenever the note's size changes.
    QMetaObject::invokeMethod(this, "_q_adjustScrollbars", Qt::DirectConnection);
}

qreal NoteEditor::layoutWidth(const QTextDocument &note) const
{
    // Lines that run on are laid out without a width, unless some paragraph is aligned.
    if (lineWrapMode() == QTextEdit::NoWrap && !note.documentLayout()->property("contentHasAlignment").toBool())
        return 0;
    return viewport()->width();
}

void NoteEditor::resizeEvent(QResizeEvent *event)
{
    // A note comes back laid out at the width its own scroll bar leaves: when the scroll bar comes
    // or goes with it, laying it out again at the same width would throw that layout away.
    if (lineWrapMode() == QTextEdit::WidgetWidth && event->size().width() != event->oldSize().width() &&
        document()->pageSize().width() == event->size().width()) {
        adjustScrollBars();
        return;
    }
    QTextEdit::resizeEvent(event);
}

void NoteEditor::startAfresh()
{
    document()->clearUndoRedoStacks();
    document()->setModified(false);
    m_showingNote = false;
    m_differsFromFile = false;
}

void NoteEditor::setShownNoteAside(const QString &nextPath)
{
    const QString left = std::exchange(m_shownFile, {});
    const std::optional<NoteFileStamp> stamp = std::exchange(m_shownStamp, std::nullopt);
    if (left.isEmpty() || left == nextPath || !stamp || m_differsFromFile || NoteFileStamp::of(left) != stamp)
        return;
    m_keptNotes->keep(left, document(), *stamp);
}

QByteArray NoteEditor::noteBytes() const
{
    return documentRtf(*document());
}

bool NoteEditor::loadNoteFile(const QString &notePath)
{
    const NoteLoading loading(m_plugins);
    // A plug-in may have the note read from elsewhere, and decode its bytes.
    const QString path = m_plugins ? m_plugins->raisePreLoad(notePath) : notePath;
    const bool decoded = m_plugins && m_plugins->hasCallbacks(plugins::PluginEvent::LoadBuffer);
    // Plug-ins may read the bytes of the note last read in any later callback.
    const bool bytesWanted = m_plugins && m_plugins->table().size() > 0;
    if (bytesWanted)
        m_plugins->fileBuffers().loadBuffer.clear();
    setShownNoteAside(path);
    const std::optional<NoteFileStamp> stamp = NoteFileStamp::of(path);
    if (!stamp) {
        showNote({});
        return true;
    }
    QTextDocument *kept = m_keptNotes->take(path);
    if (kept && !bytesWanted) {
        showKept(kept);
    } else {
        QFile file(path);
        if (stamp->size > kMaxNoteFileSize || !file.open(QIODevice::ReadOnly)) {
            delete kept;
            showNote({});
            return false;
        }
        const QByteArray bytes = file.readAll();
        if (bytesWanted)
            m_plugins->fileBuffers().loadBuffer = bytes;
        const QByteArray shown = decoded && !bytes.isEmpty() ? m_plugins->raiseLoadBuffer(bytes) : bytes;
        // The kept layout still shows the note when the plug-ins left its bytes as they were.
        if (kept && shown == bytes) {
            showKept(kept);
        } else {
            delete kept;
            showNote(shown);
        }
    }
    m_shownFile = path;
    m_shownStamp = stamp;
    if (m_plugins && stamp->size > 0) {
        m_plugins->setNoteLoading(false);
        m_plugins->raiseEvent(plugins::PluginEvent::PostLoad);
    }
    return true;
}

void NoteEditor::showKept(QTextDocument *kept)
{
    m_showingNote = true;
    kept->setParent(this);
    // A kept note keeps its own font: taking the font of the note shown before would lay it out
    // again, and again when its own font is set back.
    const QTextOption::WrapMode wrap = wrapModeFor(kept->toRawText());
    configureLayoutLikeShown(*kept, wrap);
    install(kept, wrap);
    startAfresh();
}

bool NoteEditor::saveNoteFile(const QString &notePath)
{
    // A plug-in may have the note written elsewhere, and encode its bytes.
    const QString path = m_plugins ? m_plugins->raisePreSave(notePath) : notePath;
    const QByteArray bytes = m_plugins ? m_plugins->raiseSaveBuffer(noteBytes()) : noteBytes();
    // A file that holds these bytes already is left as it is; the events are raised all the same.
    if (!fileHolds(path, bytes) && !settings::writeWholeFile(path, bytes))
        return false;
    m_shownFile = path;
    m_shownStamp = NoteFileStamp::of(path);
    m_differsFromFile = false;
    if (m_plugins)
        m_plugins->raiseEvent(plugins::PluginEvent::PostSave);
    return true;
}

void NoteEditor::placeCaret(int position)
{
    // Moving a cursor to the end would lay the whole note out; the count alone does not.
    QTextCursor cursor(document());
    cursor.setPosition(std::clamp(position, 0, document()->characterCount() - 1));
    setTextCursor(cursor);
}

void NoteEditor::setWrapAtEdge(bool wrap)
{
    setLineWrapMode(wrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
}

void NoteEditor::setDefaultCharFormat(const QTextCharFormat &format)
{
    // A new default font lays the whole note out again: only when it changes.
    if (document()->defaultFont() != format.font())
        document()->setDefaultFont(format.font());
    if (format.hasProperty(QTextFormat::ForegroundBrush))
        setPaletteColour(QPalette::Text, format.foreground().color());
}

QColor NoteEditor::backgroundColour() const
{
    return palette().color(QPalette::Base);
}

void NoteEditor::setBackgroundColour(const QColor &colour)
{
    setPaletteColour(QPalette::Base, colour);
}

void NoteEditor::setPaletteColour(QPalette::ColorRole role, const QColor &colour)
{
    if (palette().color(role) == colour)
        return;
    QPalette colours = palette();
    colours.setColor(role, colour);
    setPalette(colours);
}

QUrl NoteEditor::openableLink(const QString &target)
{
    static const QStringList schemes{QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("ftp"),
                                     QStringLiteral("mailto"), QStringLiteral("news")};
    const QString trimmed = target.trimmed();
    QUrl url(trimmed, QUrl::StrictMode);
    if (url.scheme().isEmpty() && trimmed.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        url = QUrl(QStringLiteral("http://") + trimmed, QUrl::StrictMode);
    if (!url.isValid() || !schemes.contains(url.scheme().toLower()))
        return {};
    return url;
}

void NoteEditor::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        const QUrl link = openableLink(linkTargetAt(*this, event->position().toPoint()));
        if (link.isValid()) {
            m_pressedOnLink = true;
            event->accept();
            emit linkActivated(link);
            return;
        }
    }
    QTextEdit::mousePressEvent(event);
}

void NoteEditor::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_pressedOnLink && event->button() == Qt::LeftButton) {
        m_pressedOnLink = false;
        event->accept();
        return;
    }
    QTextEdit::mouseReleaseEvent(event);
}

void NoteEditor::paintEvent(QPaintEvent *event)
{
    QTextEdit::paintEvent(event);
    QPainter painter(viewport());
    underlineWrittenLinks(*this, painter, event->rect());
}

void NoteEditor::mouseMoveEvent(QMouseEvent *event)
{
    const bool overLink = openableLink(linkTargetAt(*this, event->position().toPoint())).isValid();
    viewport()->setCursor(overLink ? Qt::PointingHandCursor : Qt::IBeamCursor);
    QTextEdit::mouseMoveEvent(event);
}

void NoteEditor::keyPressEvent(QKeyEvent *event)
{
    if (!keyLeavesNoteUnchanged(event->key()))
        emit noteChanged();
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
        // Ctrl+Tab belongs to the tab switching; in the text it does nothing.
        if (!event->modifiers().testFlag(Qt::ControlModifier)) {
            indentSelection(event->key() == Qt::Key_Backtab || event->modifiers().testFlag(Qt::ShiftModifier));
            emit characterTyped();
        }
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
    static constexpr int kEditingKeys[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Backspace, Qt::Key_Delete};
    if ((!event->text().isEmpty() && event->text().at(0).isPrint()) || std::ranges::count(kEditingKeys, event->key()))
        emit characterTyped();
}

void NoteEditor::indentSelection(bool unindent)
{
    QTextCursor cursor = textCursor();
    if (!cursor.hasSelection()) {
        cursor.insertText(QStringLiteral("\t"));
        setTextCursor(cursor);
        return;
    }
    const int start = cursor.selectionStart();
    int end = cursor.selectionEnd();
    const QTextBlock first = document()->findBlock(start);
    const QTextBlock last = document()->findBlock(end);
    QTextCursor edit(document());
    edit.beginEditBlock();
    int moved = 0;
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        const int lineStart = block.position();
        edit.setPosition(lineStart);
        if (!unindent) {
            edit.insertText(QStringLiteral("\t"));
            ++moved;
        } else if (document()->characterAt(lineStart) == QLatin1Char('\t')) {
            edit.deleteChar();
            --moved;
        }
        if (block == last)
            break;
    }
    edit.endEditBlock();
    end += moved;
    cursor.setPosition(start);
    cursor.setPosition(std::max(start, end), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

} // namespace tabulet::ui
