// Reads arbitrary bytes as the old "tbu.ini", then checks what a migration keeps: every note
// file name stays a plain name, and the configuration written from it reads back complete.
#include "settings/configurationxml.h"
#include "settings/keptsection.h"
#include "settings/legacyini.h"
#include "settings/notelist.h"
#include "settings/presetlist.h"
#include "settings/settings.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace tabulet::settings;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Settings settings;
    NoteList notes;
    readLegacyIni(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)), settings, notes);
    if (notes.size() > 100)
        std::abort();
    for (const Note &note : notes) {
        if (note.fileName.contains(u'/') || note.fileName.contains(u'\\'))
            std::abort();
    }
    settings.applyDefaults();
    settings.convertLegacyModifiers();

    PresetList presets;
    KeptSection plugins;
    KeptSection commands;
    const QByteArray written = writeConfigurationXml({settings, notes, presets, plugins, commands});
    Settings readSettings;
    NoteList readNotes;
    if (readConfigurationXml(written, false, {readSettings, readNotes, presets, plugins, commands}) !=
            XmlReadOutcome::Complete ||
        readNotes.size() != notes.size())
        std::abort();
    return 0;
}
