#pragma once

#include "settings/note.h"

#include <vector>

namespace tabulet::settings {

// The ordered notes; the order is the tab order, hidden notes keep their place. The list hands
// out serials from its own counter, which is never reset, so a serial is never reused in a run.
class NoteList final
{
public:
    using const_iterator = std::vector<Note>::const_iterator;
    using iterator = std::vector<Note>::iterator;

    // Appends the note under a fresh serial and returns that serial.
    int append(Note note);
    // Indices outside the list are ignored by remove and move.
    void remove(int index);
    // Moves the note at `from` so that it ends up at index `to`.
    void move(int from, int to);
    void clear();

    // List index of the note with that serial, or -1.
    int indexOfSerial(int serial) const;
    int visibleCount() const;
    int size() const { return static_cast<int>(m_notes.size()); }
    bool isEmpty() const { return m_notes.empty(); }

    Note &operator[](int index) { return m_notes.at(static_cast<std::size_t>(index)); }
    const Note &operator[](int index) const { return m_notes.at(static_cast<std::size_t>(index)); }

    iterator begin() { return m_notes.begin(); }
    iterator end() { return m_notes.end(); }
    const_iterator begin() const { return m_notes.begin(); }
    const_iterator end() const { return m_notes.end(); }

    bool operator==(const NoteList &) const = default;

private:
    std::vector<Note> m_notes;
    int m_nextSerial = 1;
};

} // namespace tabulet::settings
