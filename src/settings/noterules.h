#pragma once

namespace tabulet::settings {

class NoteList;

// Hiding or deleting a tab is refused while it is the only tab shown (hidden notes do not count).
bool canRemoveTab(int tabCount);

// The current tab after the tab `removedTab` was taken off the strip: when it was the current
// one, the tab before it (at least the first); otherwise the current tab, shifted when it stood
// after the removed one.
int currentTabAfterRemoval(int removedTab, int currentTab);

// A window needs a note to show: when the list is empty, appends the note "tab1" stored in
// "tab00001.rtf" (written at its first save) and returns true.
bool ensureOneNote(NoteList &notes);

} // namespace tabulet::settings
