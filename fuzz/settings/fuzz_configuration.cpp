// Reads arbitrary bytes as a configuration document, writes what was read, and checks that the
// program can always read its own output back completely and that writing it again changes
// nothing.
#include "settings/configurationxml.h"
#include "settings/keptsection.h"
#include "settings/notelist.h"
#include "settings/presetlist.h"
#include "settings/settings.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace tabulet::settings;

namespace {

struct Model
{
    Settings settings;
    NoteList notes;
    PresetList presets;
    KeptSection plugins;
    KeptSection commands;
    ConfigurationContent content{settings, notes, presets, plugins, commands};
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    Model first;
    readConfigurationXml(bytes, true, first.content);
    readConfigurationXml(bytes, false, first.content);
    const QByteArray written = writeConfigurationXml(first.content);

    Model second;
    if (readConfigurationXml(written, false, second.content) != XmlReadOutcome::Complete)
        std::abort();
    if (second.notes.size() != first.notes.size() || second.presets.size() != first.presets.size())
        std::abort();
    if (writeConfigurationXml(second.content) != written)
        std::abort();
    return 0;
}
