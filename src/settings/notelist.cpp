#include "settings/notelist.h"

#include <algorithm>

namespace tabulet::settings {

int NoteList::append(Note note)
{
    note.serial = m_nextSerial++;
    m_notes.push_back(std::move(note));
    return m_notes.back().serial;
}

void NoteList::remove(int index)
{
    if (index < 0 || index >= size())
        return;
    m_notes.erase(m_notes.begin() + index);
}

void NoteList::move(int from, int to)
{
    if (from == to || from < 0 || to < 0 || from >= size() || to >= size())
        return;
    const auto first = m_notes.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else
        std::rotate(first + to, first + from, first + from + 1);
}

void NoteList::clear()
{
    m_notes.clear();
}

int NoteList::indexOfSerial(int serial) const
{
    const auto found =
        std::find_if(m_notes.begin(), m_notes.end(), [serial](const Note &note) { return note.serial == serial; });
    return found == m_notes.end() ? -1 : static_cast<int>(found - m_notes.begin());
}

int NoteList::visibleCount() const
{
    return static_cast<int>(
        std::count_if(m_notes.begin(), m_notes.end(), [](const Note &note) { return note.visible; }));
}

} // namespace tabulet::settings
