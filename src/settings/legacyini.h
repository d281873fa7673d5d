#pragma once

#include <QByteArray>

namespace tabulet::settings {

class NoteList;
class Settings;

// Reads the old line-based settings file "tbu.ini": "key = value" lines, "#" comments. Sets
// every option it finds and replaces the note list with the notes kept in the options
// "tab00" to "tab99" ("tab0" to "tab9" in older files), which stay in the store.
void readLegacyIni(const QByteArray &bytes, Settings &settings, NoteList &notes);

} // namespace tabulet::settings
