#include "settings/noterules.h"

#include "settings/notelist.h"

namespace tabulet::settings {

bool canRemoveTab(int tabCount)
{
    return tabCount > 1;
}

int currentTabAfterRemoval(int removedTab, int currentTab)
{
    if (removedTab == currentTab)
        return removedTab > 0 ? removedTab - 1 : 0;
    return removedTab < currentTab ? currentTab - 1 : currentTab;
}

bool ensureOneNote(NoteList &notes)
{
    if (!notes.isEmpty())
        return false;
    Note note;
    note.title = QStringLiteral("tab1");
    note.fileName = QStringLiteral("tab00001.rtf");
    notes.append(std::move(note));
    return true;
}

} // namespace tabulet::settings
