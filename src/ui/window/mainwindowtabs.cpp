#include "ui/window/mainwindowtabs.h"

#include "settings/notefiles.h"
#include "settings/noterules.h"
#include "settings/notestyle.h"
#include "ui/applicationcontext.h"
#include "ui/editor/noteeditor.h"
#include "ui/window/journalkeeper.h"
#include "ui/window/mainwindowstyle.h"
#include "ui/window/tabstrip.h"

namespace tabulet::ui {

namespace {

QColor tabColourOf(const settings::Note &note, const settings::PresetList &presets)
{
    const int colour = settings::effectiveTitleColour(note, presets);
    return colour < 0 ? QColor() : toQColor(static_cast<settings::Colour>(colour));
}

} // namespace

NoteTabs::Work::Work(NoteTabs &tabs) : m_tabs(tabs)
{
    ++m_tabs.m_busy;
}

NoteTabs::Work::~Work()
{
    if (--m_tabs.m_busy == 0)
        emit m_tabs.workDone();
}

NoteTabs::NoteTabs(ApplicationContext &context, TabStrip &strip, NoteEditor &editor, QObject *parent)
    : QObject(parent), m_context(context), m_strip(strip), m_editor(editor)
{
    connect(&m_strip, &TabStrip::currentChanged, this, &NoteTabs::onStripSelection);
    connect(&m_editor, &NoteEditor::noteChanged, this, &NoteTabs::markModified);
    m_journal = new JournalKeeper(m_context.folders, m_editor, this);
}

int NoteTabs::tabCount() const
{
    return m_strip.count();
}

settings::Note *NoteTabs::noteOfTab(int tab)
{
    const int index = m_context.notes.indexOfSerial(m_strip.tabSerial(tab));
    return index < 0 ? nullptr : &m_context.notes[index];
}

bool NoteTabs::isSavingBlocked() const
{
    return m_savingBlocked || m_context.configuration.doNotSave();
}

void NoteTabs::selectTab(int tab, bool moveStrip)
{
    if (tab < 0 || tab >= tabCount() || tab == m_selectedTab)
        return;
    if (isBusy() || !leaveShownNote()) {
        // A click on the strip has already moved it.
        selectOnStrip(m_selectedTab);
        return;
    }
    if (moveStrip)
        selectOnStrip(tab);
    setSelectedTab(tab);
    loadTab();
    emit selectedNoteChanged();
}

void NoteTabs::stepTab(int step)
{
    const int count = tabCount();
    if (count == 0)
        return;
    const int wanted = static_cast<int>((static_cast<qint64>(m_selectedTab) + step) % count);
    selectTab(wanted < 0 ? wanted + count : wanted, true);
}

void NoteTabs::loadTab()
{
    const settings::Note *note = selectedNote();
    if (!note || isSavingBlocked())
        return;
    const int serial = note->serial;
    const QString path = settings::noteFilePath(m_context.folders.dataFolder, note->fileName);
    {
        const Work reading(*this);
        m_shownNoteUnreadable = !m_editor.loadNoteFile(path);
    }
    const bool recovered = recoverFromJournal();
    // After the note is in the editor: the note left keeps its own font, and a kept note that
    // comes back with its font is not laid out again.
    applyDefaultCharFormat();
    m_editor.setReadOnly(m_shownNoteUnreadable);
    applyBackground();
    // Looked up again: plug-ins ran while the note was read.
    const int index = m_context.notes.indexOfSerial(serial);
    m_editor.placeCaret(index < 0 ? 0 : m_context.notes[index].selection);
    if (m_shownNoteUnreadable)
        emit noteUnreadable(path);
    if (recovered) {
        markModified();
        emit noteRecovered(selectedNote()->title);
    }
}

bool NoteTabs::recoverFromJournal()
{
    // Asked for afresh: plug-ins told of the reading may have changed the note list.
    const settings::Note *note = selectedNote();
    if (!note || m_shownNoteUnreadable) {
        m_journal->noteNotShown();
        return false;
    }
    return m_journal->noteShown(*note);
}

bool NoteTabs::saveTab()
{
    settings::Note *note = selectedNote();
    // A note whose file could not be read was shown empty: writing it would destroy the file.
    if (!note || !note->modified || isSavingBlocked() || m_shownNoteUnreadable)
        return true;
    note->selection = m_editor.textCursor().selectionStart();
    const int serial = note->serial;
    const QString path = settings::noteFilePath(m_context.folders.dataFolder, note->fileName);
    if (path.isEmpty())
        return false;
    {
        const Work writing(*this);
        if (!m_editor.saveNoteFile(path))
            return false;
    }
    // Looked up again: plug-ins ran while the note was written.
    const int index = m_context.notes.indexOfSerial(serial);
    if (index >= 0) {
        m_context.notes[index].modified = false;
        m_journal->noteSaved(m_context.notes[index]);
    }
    return true;
}

bool NoteTabs::leaveShownNote()
{
    if (saveTab())
        return true;
    const settings::Note *note = selectedNote();
    emit shownNoteKept(note ? settings::noteFilePath(m_context.folders.dataFolder, note->fileName) : QString());
    return false;
}

void NoteTabs::markModified()
{
    if (settings::Note *note = selectedNote()) {
        note->modified = true;
        emit noteModified();
    }
}

void NoteTabs::markModifiedByPlugin()
{
    if (settings::Note *note = selectedNote())
        note->modified = true;
}

bool NoteTabs::rebuildTabs()
{
    const bool repaired = settings::ensureOneNote(m_context.notes);
    m_suppressSelChange = true;
    m_strip.clear();
    for (const settings::Note &note : m_context.notes) {
        if (note.visible)
            m_strip.addTab(note.title, note.serial, tabColourOf(note, m_context.presets));
    }
    m_suppressSelChange = false;
    m_contextTab = -1;
    m_selectedTab = tabCount() > 0 ? 0 : -1;
    selectOnStrip(m_selectedTab);
    updateEditorEnabled();
    return repaired;
}

void NoteTabs::addTab(int serial, const QString &name)
{
    const int index = m_context.notes.indexOfSerial(serial);
    if (index < 0)
        return;
    const int tab = m_strip.addTab(name, serial, tabColourOf(m_context.notes[index], m_context.presets));
    selectTab(tab, true);
    applyDefaultCharFormat();
    updateEditorEnabled();
    applyBackground();
}

void NoteTabs::renameTab(int tab, const QString &name)
{
    settings::Note *note = noteOfTab(tab);
    if (!note)
        return;
    note->title = name;
    m_strip.setTabText(tab, name);
    if (tab == m_selectedTab)
        emit selectedNoteChanged();
}

void NoteTabs::removeTab(int tab, Removal removal)
{
    const settings::Note *note = noteOfTab(tab);
    if (!note)
        return;
    const int serial = note->serial;
    const bool wasSelected = tab == m_selectedTab;
    // The note staying in the editor is written before the tabs shift under it; so is a note
    // being hidden, whose file stays. A hidden note that cannot be written stays shown.
    if (isBusy())
        return;
    if (!wasSelected)
        saveTab();
    else if (removal == Removal::Hide && !leaveShownNote())
        return;
    m_suppressSelChange = true;
    m_strip.removeTab(tab);
    m_suppressSelChange = false;
    const int index = m_context.notes.indexOfSerial(serial);
    if (removal == Removal::Hide)
        m_context.notes[index].visible = false;
    else
        settings::deleteNote(m_context.notes, m_context.folders.dataFolder, index);
    if (m_contextTab == tab)
        m_contextTab = -1;
    else if (m_contextTab > tab)
        --m_contextTab;
    setSelectedTab(settings::currentTabAfterRemoval(tab, m_selectedTab));
    selectOnStrip(m_selectedTab);
    if (wasSelected) {
        loadTab();
        emit selectedNoteChanged();
    }
    updateEditorEnabled();
}

void NoteTabs::applyDefaultCharFormat()
{
    const settings::Note *note = selectedNote();
    const settings::Note plain;
    const settings::Note &shown = note ? *note : plain;
    m_editor.setDefaultCharFormat(
        defaultCharFormat(settings::effectiveFont(shown, m_context.presets, m_context.settings),
                          settings::effectiveTextColour(shown, m_context.presets, m_context.settings)));
}

void NoteTabs::applyTabColours()
{
    for (int tab = 0; tab < tabCount(); ++tab) {
        if (const settings::Note *note = noteOfTab(tab))
            m_strip.setTabColour(tab, tabColourOf(*note, m_context.presets));
    }
}

void NoteTabs::applyBackground()
{
    const settings::Note *note = selectedNote();
    const settings::Note plain;
    m_editor.setBackgroundColour(
        toQColor(settings::effectiveBackground(note ? *note : plain, m_context.presets, m_context.settings)));
}

void NoteTabs::onStripSelection(int tab)
{
    if (!m_suppressSelChange)
        selectTab(tab, false);
}

void NoteTabs::setSelectedTab(int tab)
{
    m_selectedTab = tab;
    m_context.settings.value(QStringLiteral("selectedtab")) = QString::number(tab);
}

void NoteTabs::selectOnStrip(int tab)
{
    m_suppressSelChange = true;
    m_strip.setCurrentIndex(tab);
    m_suppressSelChange = false;
}

void NoteTabs::updateEditorEnabled()
{
    m_editor.setEnabled(m_context.notes.visibleCount() > 0);
}

} // namespace tabulet::ui
