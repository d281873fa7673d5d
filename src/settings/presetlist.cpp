#include "settings/presetlist.h"

#include "settings/xmlvalues.h"

#include <tinyxml2.h>

#include <algorithm>

namespace tabulet::settings {

namespace {

Preset builtIn(const char *name, const char *face, Colour text, Colour background)
{
    Preset preset;
    preset.name = QString::fromLatin1(name);
    preset.hasFont = true;
    preset.font.face = QString::fromLatin1(face);
    preset.hasTextColour = true;
    preset.textColour = text;
    preset.hasBackground = true;
    preset.background = background;
    // Unset, but this is the value the tab colour carries in the built-ins.
    preset.tabColour = colourFromRgb(160, 173, 236);
    return preset;
}

} // namespace

PresetList::PresetList() : m_presets(builtInPresets()) {}

std::vector<Preset> PresetList::builtInPresets()
{
    return {
        builtIn("Standard", "Arial", colourFromRgb(0, 0, 0), colourFromRgb(249, 243, 145)),
        builtIn("Dark grey", "Arial", colourFromRgb(255, 255, 255), colourFromRgb(89, 89, 89)),
        builtIn("White on black", "Times New Roman", colourFromRgb(255, 255, 255), colourFromRgb(0, 0, 0)),
        builtIn("Text editor", "Courier", colourFromRgb(0, 0, 0), colourFromRgb(255, 255, 255)),
        builtIn("Dawn", "Times New Roman", colourFromRgb(102, 78, 53), colourFromRgb(216, 198, 180)),
        builtIn("Navy", "Times New Roman", colourFromRgb(0, 0, 128), colourFromRgb(160, 173, 236)),
    };
}

int PresetList::indexOfPreset(const QString &name) const
{
    const auto found =
        std::find_if(m_presets.begin(), m_presets.end(), [&name](const Preset &preset) { return preset.name == name; });
    return found == m_presets.end() ? -1 : static_cast<int>(found - m_presets.begin());
}

int PresetList::addPreset(const Preset &preset)
{
    m_presets.push_back(preset);
    return size() - 1;
}

bool PresetList::removePreset(const QString &name)
{
    const int index = indexOfPreset(name);
    if (index < 0)
        return false;
    m_presets.erase(m_presets.begin() + index);
    return true;
}

const Preset *PresetList::presetForName(const QString &name) const
{
    if (m_presets.empty())
        return nullptr;
    const int index = indexOfPreset(name);
    return &m_presets[static_cast<std::size_t>(index < 0 ? 0 : index)];
}

void PresetList::writePresets(tinyxml2::XMLElement &root) const
{
    tinyxml2::XMLElement *presets = root.InsertNewChildElement("presets");
    for (const Preset &preset : m_presets) {
        tinyxml2::XMLElement *element = presets->InsertNewChildElement("preset");
        element->SetAttribute("name", preset.name.toUtf8().constData());
        if (preset.hasFont)
            xml::appendFont(*element, preset.font);
        if (preset.hasBackground)
            xml::appendColour(*element, "bgcolor", preset.background);
        if (preset.hasTabColour)
            xml::appendColour(*element, "tabcolor", preset.tabColour);
        if (preset.hasTextColour)
            xml::appendColour(*element, "textcolor", preset.textColour);
    }
}

void PresetList::readPresets(const tinyxml2::XMLElement &root)
{
    m_presets.clear();
    if (const tinyxml2::XMLElement *presets = root.FirstChildElement("presets")) {
        for (const tinyxml2::XMLElement *element = presets->FirstChildElement("preset"); element;
             element = element->NextSiblingElement("preset")) {
            Preset preset;
            preset.name = xml::text(*element, "name");
            if (const tinyxml2::XMLElement *font = element->FirstChildElement("font")) {
                preset.hasFont = true;
                preset.font = xml::readFont(*font);
            }
            preset.hasBackground = xml::readColourChild(*element, "bgcolor", preset.background);
            preset.hasTabColour = xml::readColourChild(*element, "tabcolor", preset.tabColour);
            preset.hasTextColour = xml::readColourChild(*element, "textcolor", preset.textColour);
            m_presets.push_back(std::move(preset));
        }
    }
    if (m_presets.empty())
        m_presets = builtInPresets();
}

} // namespace tabulet::settings
