#pragma once

#include <QObject>

namespace tabulet::settings {
struct Note;
}

namespace tabulet::ui {

struct ApplicationContext;
class JournalKeeper;
class NoteEditor;
class TabStrip;

// The tabs of the note window and the note shown in the editor: which tab is selected, which
// one the tab menu was opened on, and when a note is loaded into the editor or written back.
// Tabs carry their note's serial; a tab's index and its note's list index differ whenever
// hidden notes come before it.
class NoteTabs final : public QObject
{
    Q_OBJECT
public:
    enum class Removal { Hide, Delete };

    NoteTabs(ApplicationContext &context, TabStrip &strip, NoteEditor &editor, QObject *parent = nullptr);

    int selectedTab() const { return m_selectedTab; }
    int tabCount() const;
    // The note of a tab, nullptr when the tab does not exist or its note is gone.
    settings::Note *noteOfTab(int tab);
    settings::Note *selectedNote() { return noteOfTab(m_selectedTab); }

    // The tab the tab menu was opened on, -1 when none; the tab commands prefer it while the menu
    // is open.
    int contextTab() const { return m_contextTab; }
    void setContextTab(int tab) { m_contextTab = tab; }
    // The tab a tab command acts on: the context tab while there is one, else the selected tab.
    int targetTab() const { return m_contextTab != -1 ? m_contextTab : m_selectedTab; }

    // Shows tab i, saving the note being left. Out-of-range indices and the selected tab are
    // ignored, and so is any tab while a note is being read or written. When the note being left
    // cannot be written, it stays shown (see leaveShownNote). moveStrip also selects the tab on
    // the strip.
    void selectTab(int tab, bool moveStrip);
    // Selects the tab `step` places on from the selected one, wrapping round.
    void stepTab(int step);
    // Shows the selected tab's note in the editor, with its font, background and caret.
    void loadTab();
    // Writes the selected tab's note when it changed. A note that could not be written stays
    // marked changed, so that the next save tries again. False only when a write failed.
    bool saveTab();
    // Writes the shown note before something else takes the editor's place. False, with
    // shownNoteKept, when it could not be written: it then stays shown with its text.
    bool leaveShownNote();
    void markModified();
    // Marks the shown note modified for a plug-in call: it is saved when left or at the next
    // save, but the idle save does not wait for it as for typing.
    void markModifiedByPlugin();
    // True while a note is read or written. Plug-ins' file callbacks run then; whatever would
    // change the notes or the shown note waits for workDone.
    bool isBusy() const { return m_busy > 0; }

    // Fills the strip from the note list and selects the first tab. An empty list first gets the
    // note "tab1"; returns whether it had to.
    bool rebuildTabs();
    // Appends and selects a tab for a note just created.
    void addTab(int serial, const QString &name);
    void renameTab(int tab, const QString &name);
    // Takes a tab off the strip and hides or deletes its note. The selection stays on its note
    // (saved first); when the removed tab was selected, the tab before it is selected. The
    // hidden note's changes are written first; a deleted note's are not.
    void removeTab(int tab, Removal removal);

    // What unformatted text and the editor's background show for the selected note.
    void applyDefaultCharFormat();
    // Each tab's colour bar from its note's style, after a note or preset changed.
    void applyTabColours();
    void applyBackground();

    // No note is read or written any more (before a restart that must find restored files).
    void blockSaving() { m_savingBlocked = true; }
    bool isSavingBlocked() const;

signals:
    // Another note is shown (or the shown note was renamed): the window title follows it.
    void selectedNoteChanged();
    // The shown note's file is there but could not be read: the note shows empty, cannot be
    // edited, and is not saved over its file.
    void noteUnreadable(const QString &path);
    // The selected note changed since it was read or written.
    void noteModified();
    // The shown note could not be written to `path` and so was not left.
    void shownNoteKept(const QString &path);
    // No note is being read or written any more.
    void workDone();
    // The shown note got back from its journal what was typed into it after its file was last
    // written; it is marked changed, so that it is saved.
    void noteRecovered(const QString &title);

private:
    // Marks the notes busy for its lifetime.
    class Work
    {
    public:
        explicit Work(NoteTabs &tabs);
        ~Work();
        Work(const Work &) = delete;
        Work &operator=(const Work &) = delete;

    private:
        NoteTabs &m_tabs;
    };

    void onStripSelection(int tab);
    void setSelectedTab(int tab);
    void selectOnStrip(int tab);
    void updateEditorEnabled();
    bool recoverFromJournal();

    ApplicationContext &m_context;
    TabStrip &m_strip;
    NoteEditor &m_editor;
    JournalKeeper *m_journal = nullptr;
    int m_selectedTab = -1;
    int m_contextTab = -1;
    bool m_suppressSelChange = false;
    bool m_savingBlocked = false;
    bool m_shownNoteUnreadable = false;
    int m_busy = 0;
};

} // namespace tabulet::ui
